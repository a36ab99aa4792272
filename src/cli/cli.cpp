#include "cli/cli.h"

#include <QCoreApplication>

#include <QStandardPaths>
#include <filesystem>
#include <ostream>

#include "cli/application.h"
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/diagnostics.h"
#include "cli/request.h"
#include "cli/ticks_command.h"
#include "core/chart/chart_text.h"
#include "core/io/app_paths.h"
#include "core/songs/catalogue.h"
#include "core/text/cp932.h"
#include "tarveno_version.h"
#include "words/messages.h"

namespace tarveno {

namespace {

constexpr const char* kUsage =
    "usage: tarveno-cli [--catalogue PATH] dump FILE [--song CODE] [--chart N] [--snap]\n"
    "       tarveno-cli [--catalogue PATH] stats FILE [--song CODE] [--chart N] [--snap]\n"
    "       tarveno-cli [--catalogue PATH] convert IN OUT [--song CODE] [--edit-name NAME]\n"
    "                   [--title TEXT] [--style N] [--difficulty N] [--chart N] [--snap] [--bpm N]\n"
    "       tarveno-cli [--catalogue PATH] edit FILE [--song CODE] [--output OUT] [--chart N]\n"
    "                   [--snap] [--bpm N] OP...\n"
    "       tarveno-cli [--catalogue PATH] render FILE OUT [--song CODE] [--view-settings PATH]\n"
    "                   [--png-option 0|1|2] [--jpeg-quality N] [--progressive] [--chart N] [--snap]\n"
    "                   [--paper a4|letter] [--landscape|--portrait]\n"
    "       tarveno-cli [--catalogue PATH] ticks FILE OUT.wav [--song CODE] [--bpm N] [--from BEAT]\n"
    "                   [--metronome] [--music AUDIO.wav [--offset MS]] [--speed PERCENT]\n"
    "                   [--chart N] [--snap]\n"
    "       tarveno-cli charts FILE\n"
    "       tarveno-cli [--catalogue PATH] sync AUDIO.wav (--bpm N | --song CODE) [--near MS]\n"
    "       tarveno-cli --help | --version\n"
    "\n"
    "FILE, IN and OUT end in \".mc\" (memory-card save), \".kru\" (KRUN chart text) or \".sm\"\n"
    "(StepMania simfile), in any case; FILE and IN may also be a \".ssc\" simfile, which is never\n"
    "written. Convert or edit onto the .sm the chart came from writes it back in its place.\n"
    "\n"
    "  dump     print the chart as opened by the editor, as one line of JSON\n"
    "  stats    print the chart's arrow and step counts, as one line of JSON\n"
    "  convert  read IN, apply the options, check and write OUT in the kind of its name\n"
    "  edit     apply the edit words in order (one clipboard for the run) and print the chart\n"
    "           as dump does, or with --output check and write OUT in the kind of its name\n"
    "  render   draw the chart's sheet at 96 dpi into OUT, a .png, .jpg/.jpeg or .bmp picture,\n"
    "           or as printed pages into OUT.pdf (lines and text as vector drawing, never\n"
    "           enlarged past the screen's size, pages breaking between rows of columns)\n"
    "  ticks    write the chart's playback into OUT.wav (48 kHz, 16-bit, stereo) from beat BEAT\n"
    "           to the song's end: an assist tick on every slot that holds arrows\n"
    "  charts   list every chart of a .sm or .ssc file as one line of JSON: index (from 1),\n"
    "           stepsType, difficulty, meter, description, and whether it can be read\n"
    "  sync     find the beats of AUDIO.wav (uncompressed PCM) at the tempo N, or the song's, and\n"
    "           print one line of JSON: offsetMs, the beat nearest --near (default: the first\n"
    "           at or after the music's first strong onset), in ms from the music's start, its\n"
    "           confidence (0..1), and the music's own tempo and its confidence; of tempi that\n"
    "           fit about as well (half, double...), the one nearest the tempo given\n"
    "\n"
    "  --catalogue PATH   song catalogue kruid.dat (default: beside this program, or the\n"
    "                     installed one in share/tarveno);\n"
    "                     the meter files are read from its folder\n"
    "  --lang ja|en       the language of the messages on stderr (default: the TARVENO_LANG\n"
    "                     environment variable, else ja); the JSON output is the same in both\n"
    "  --song CODE        song by its decimal song code (default: the first song; for a\n"
    "                     simfile, the song whose title equals its #TITLE, ignoring case,\n"
    "                     else the first long enough, one of the file's tempo first,\n"
    "                     else the longest)\n"
    "  --edit-name NAME   edit name, at most 8 characters from space to \"}\"\n"
    "  --title TEXT       KRUN title\n"
    "  --style N          0 single, 1 couple, 2 double\n"
    "  --difficulty N     difficulty byte 0..255: class * 16 + foot level\n"
    "  --output OUT       edit: write OUT (.mc, .kru or .sm) instead of printing; the .sm a\n"
    "                     chart was read from gets only that chart's block replaced\n"
    "  --view-settings PATH  render: sheet settings from this view.dat (default: the editor's\n"
    "                     own view.dat when there is one, else the built-in settings)\n"
    "  --png-option N     render: 0 standard, 1 fastest, 2 smallest file (default 0)\n"
    "  --jpeg-quality N   render: JPEG quality 1..100 (default 95)\n"
    "  --progressive      render: write a progressive JPEG\n"
    "  --paper NAME       render to .pdf: a4 or letter (default: Letter where the locale uses\n"
    "                     US measures, else A4)\n"
    "  --landscape        render to .pdf: turn the paper sideways\n"
    "  --portrait         render to .pdf: keep the paper upright (default: whichever of the\n"
    "                     two turns needs fewer pages)\n"
    "  --chart N          simfile input: read its N-th chart, counting from 1 over all its\n"
    "                     charts (default: the first dance-single, -couple or -double chart)\n"
    "  --snap             simfile input: move notes of beats that mix 16ths and triplets to\n"
    "                     the nearest position of the grid most of the beat's notes are on\n"
    "                     (without it such a file is refused)\n"
    "  --bpm N            the tempo, 1..999: written to a .sm output, or played by ticks\n"
    "                     (default: the song's, or 120 when it has none); sync: the music's\n"
    "                     expected tempo, which may have decimals (143.5)\n"
    "  --from BEAT        ticks: global beat to start at, measure * 4 + beat (default 0)\n"
    "  --metronome        ticks: add a click on every beat, louder on each measure's first\n"
    "  --music AUDIO.wav  ticks: mix in the song's music, an uncompressed PCM WAV file\n"
    "  --offset MS        ticks: where beat 0 lies in the music, in milliseconds (default 0)\n"
    "  --near MS          sync: report the beat nearest this time of the music, in milliseconds\n"
    "  --speed PERCENT    ticks: play slower, 50..100 percent of the tempo, the music\n"
    "                     stretched to match at its own pitch (default 100)\n"
    "\n"
    "Reading or writing a simfile reports on stderr, one line per kind, what was dropped,\n"
    "moved, merged or changed (mines, lifts, fakes, rolls made freeze arrows, ...) with its\n"
    "count and first positions as measure:beat counted from 1; reading also names the song.\n"
    "\n"
    "Edit words (S, E: global beats, measure * 4 + beat, S included, E excluded, 0 <= S < E <= 1884;\n"
    "N, K, A, B: measure numbers from 1 and counts, as the editor's dialogs take them):\n"
    "  copy=S:E  cut=S:E  paste=S  insert=N:K  delete=A:B  delete-close=A:B\n"
    "  mirror=S:E (180° turn)  mirror-h=S:E (left-right)  mirror-v=S:E (up-down)\n"
    "  turn-left=S:E  turn-right=S:E\n"
    "\n"
    "Exit status: 0 ok, 1 usage error, 2 bad input, failed check, refused edit or refused\n"
    "simfile chart (needs --snap, not a dance-single, -couple or -double chart, none at all).\n";

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
  const std::optional<Language> language = chosenLanguage(arguments.option("lang"), diagnostics);
  if (!language) return kExitUsage;
  // Japanese is the texts' own language: it needs no translation, nor an application to hold one.
  std::unique_ptr<QCoreApplication> app;
  if (language != Language::Japanese) app = applicationFor(arguments.command == "render");
  if (QCoreApplication* current = QCoreApplication::instance()) applyLanguage(*current, *language);
  auto request = parseRequest(arguments, diagnostics);
  if (!request) return kExitUsage;
  if (!cp932ConvertersAvailable()) {
    diagnostics.error(describe(chartText(ChartText::Cp932Unavailable)).toStdString());
    return kExitBadInput;
  }

  const std::string* cataloguePath = arguments.option("catalogue");
  const AppPaths paths =
      resolveAppPaths(programFolder, QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation).toStdString());
  const std::filesystem::path kruidDat = cataloguePath ? std::filesystem::path(*cataloguePath) : paths.catalogueFile();
  auto loaded = LoadSongList(kruidDat);
  if (!loaded) {
    diagnostics.error(loaded.error());
    return kExitBadInput;
  }
  for (const Message& warning : loaded->warnings) diagnostics.warning(warning);
  if (loaded->catalogue.validCount() == 0) {
    diagnostics.warning(QCoreApplication::translate("Cli", "曲データ（%1）に有効な曲がありません。")
                            .arg(QString::fromStdString(kruidDat.filename().string()))
                            .toStdString());
  }
  if (request->kind == Request::Kind::Ticks) return runTicks(*request, loaded->catalogue, diagnostics);
  return runRequest(*request, loaded->catalogue, out, diagnostics, paths);
}

}  // namespace tarveno
