#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <sstream>

#include "cli/cli_run.h"
#include "core/chart/card.h"

namespace tarveno::testing {
namespace {

namespace fs = std::filesystem;

// Each folder of tests/fixtures is one run of the batch tool. "args" holds its command line
// (words split at blanks, lines starting with "#" say what the case is for); the other files
// are its inputs, run in a scratch copy of the folder. expected.out, expected.err and
// expected.status (each empty or 0 when absent) are what must come out, and expected.<ext>
// the bytes of the out.<ext> a convert must write. Card images are kept as annotated hex text:
// input.mc.hex is made into input.mc before the run, expected.mc.hex is what out.mc must hold.
// A kruid.dat in the folder stands in for the bundled catalogue, found the way the tool finds
// its own: beside the program. A tool built without the renderer has no render command, so
// its cases are left out.
std::vector<std::string> commandLine(const fs::path& argsFile);

std::vector<std::string> fixtureNames() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(fixturesDir())) {
    if (!entry.is_directory() || !fs::exists(entry.path() / "args")) continue;
#ifndef TARVENO_WITH_RENDER
    const std::vector<std::string> args = commandLine(entry.path() / "args");
    if (std::find(args.begin(), args.end(), "render") != args.end()) continue;
#endif
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::string> commandLine(const fs::path& argsFile) {
  std::vector<std::string> args;
  std::istringstream lines(readAll(argsFile));
  for (std::string line; std::getline(lines, line);) {
    std::istringstream words(line);
    for (std::string word; !line.starts_with('#') && words >> word;) args.push_back(word);
  }
  return args;
}

std::string contentOr(const fs::path& path, const std::string& absent) {
  return fs::exists(path) ? readAll(path) : absent;
}

class CliFixture : public ::testing::TestWithParam<std::string> {};

// Where written bytes part from the expected ones: an offset to look up in the hex fixture.
std::string difference(const std::string& got, const std::string& want) {
  if (got == want) return "";
  const auto at = std::mismatch(got.begin(), got.end(), want.begin(), want.end()).first - got.begin();
  return std::to_string(got.size()) + " bytes, the first difference at offset " + std::to_string(at);
}

// The files the folder must hold after the run, by name: the inputs as they were, the inputs made
// from hex text, and out.<ext> for every expected.<ext>. Made files are written into `work`.
std::map<std::string, std::string> filesAfterTheRun(const fs::path& source, const fs::path& work) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::directory_iterator(source)) {
    std::string name = entry.path().filename().string();
    std::string bytes = readAll(entry.path());
    files[name] = bytes;
    if (name.ends_with(".hex")) {
      name.resize(name.size() - 4);
      bytes = bytesFromHexText(bytes, kCardFileSize);
      if (!name.starts_with("expected.")) writeAll(work / name, bytes);
      files[name] = bytes;
    }
    const std::string ext = name.substr(std::min(name.size(), sizeof "expected"));
    if (name.starts_with("expected.") && ext != "out" && ext != "err" && ext != "status") files["out." + ext] = bytes;
  }
  return files;
}

TEST_P(CliFixture, PrintsAndWritesWhatIsExpected) {
  const fs::path source = fixturesDir() / GetParam();
  TempDir work;
  fs::copy(source, work.path(), fs::copy_options::recursive);
  std::map<std::string, std::string> files = filesAfterTheRun(source, work.path());
  const fs::path home = fs::current_path();
  fs::current_path(work.path());
  ::setenv("SOURCE_DATE_EPOCH", "1714521600", 1);  // "#date 2024/5/1", as the bundled examples
  const CliResult r = runTool(commandLine(source / "args"), fs::exists(source / "kruid.dat") ? "." : dataDir());
  fs::current_path(home);

  EXPECT_EQ(r.out, contentOr(source / "expected.out", ""));
  EXPECT_EQ(r.err, contentOr(source / "expected.err", ""));
  EXPECT_EQ(std::to_string(r.status) + "\n", contentOr(source / "expected.status", "0\n"));
  // Afterwards the folder holds its untouched inputs and the expected outputs, nothing else.
  for (const auto& entry : fs::directory_iterator(work.path())) {
    const std::string name = entry.path().filename().string();
    if (!entry.is_regular_file()) continue;
    const auto want = files.find(name);
    if (want == files.end()) {
      ADD_FAILURE() << name << " was written but not expected";
      continue;
    }
    EXPECT_EQ(difference(readAll(entry.path()), want->second), "") << name;
    files.erase(want);
  }
  for (const auto& [name, bytes] : files) EXPECT_FALSE(name.starts_with("out.")) << name << " was not written";
}

INSTANTIATE_TEST_SUITE_P(Fixtures, CliFixture, ::testing::ValuesIn(fixtureNames()), [](const auto& info) {
  std::string name = info.param;
  std::replace(name.begin(), name.end(), '-', '_');
  return name;
});

}  // namespace
}  // namespace tarveno::testing
