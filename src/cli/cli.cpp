#include "cli/cli.h"

#include <filesystem>
#include <ostream>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/diagnostics.h"
#include "cli/request.h"
#include "core/songs/catalogue.h"
#include "core/text/cp932.h"
#include "tarveno_version.h"

namespace tarveno {

namespace {

constexpr const char* kUsage =
    "usage: tarveno-cli [--catalogue PATH] dump FILE [--song CODE]\n"
    "       tarveno-cli [--catalogue PATH] stats FILE [--song CODE]\n"
    "       tarveno-cli [--catalogue PATH] convert IN OUT [--song CODE] [--edit-name NAME]\n"
    "                   [--title TEXT] [--style N] [--difficulty N]\n"
    "       tarveno-cli --help | --version\n"
    "\n"
    "FILE, IN and OUT end in \".mc\" (memory-card save) or \".kru\" (KRUN chart text).\n"
    "\n"
    "  dump     print the chart as opened by the editor, as one line of JSON\n"
    "  stats    print the chart's arrow and step counts, as one line of JSON\n"
    "  convert  read IN, apply the options, check and write OUT in the kind of its name\n"
    "\n"
    "  --catalogue PATH   song catalogue kruid.dat (default: beside this program);\n"
    "                     the meter files are read from its folder\n"
    "  --song CODE        song by its decimal song code (default: the first song)\n"
    "  --edit-name NAME   edit name, at most 8 characters from space to \"}\"\n"
    "  --title TEXT       KRUN title\n"
    "  --style N          0 single, 1 couple, 2 double\n"
    "  --difficulty N     difficulty byte 0..255: class * 16 + foot level\n"
    "\n"
    "Exit status: 0 ok, 1 usage error, 2 bad input or failed check.\n";

}  // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const std::string& programFolder) {
  Diagnostics diagnostics(err);
  ParsedArguments parsed = parseArguments(args);
  if (!parsed.usageError.empty()) {
    diagnostics.usage(parsed.usageError);
    return kExitUsage;
  }
  const Arguments& arguments = parsed.arguments;
  if (arguments.help) {
    out << kUsage;
    return kExitOk;
  }
  if (arguments.version) {
    out << "tarveno-cli " << kVersionString << '\n';
    return kExitOk;
  }
  auto request = parseRequest(arguments, diagnostics);
  if (!request) return kExitUsage;
  if (!cp932ConvertersAvailable()) {
    diagnostics.error(kCp932UnavailableText);
    return kExitBadInput;
  }

  const std::string* cataloguePath = arguments.option("catalogue");
  const std::filesystem::path kruidDat =
      cataloguePath ? std::filesystem::path(*cataloguePath) : std::filesystem::path(programFolder) / "kruid.dat";
  auto loaded = LoadSongList(kruidDat);
  if (!loaded) {
    diagnostics.error(loaded.error().message);
    return kExitBadInput;
  }
  for (const std::string& warning : loaded->warnings) diagnostics.warning(warning);
  if (loaded->catalogue.validCount() == 0) {
    diagnostics.warning("曲データ（" + kruidDat.filename().string() + "）に有効な曲がありません。");
  }
  return runRequest(*request, loaded->catalogue, out, diagnostics);
}

}  // namespace tarveno
