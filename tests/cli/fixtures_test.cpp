#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <sstream>

#include "cli/cli_run.h"

namespace tarveno::testing {
namespace {

namespace fs = std::filesystem;

// Each folder of tests/fixtures is one run of the batch tool. "args" holds its command line
// (words split at blanks, lines starting with "#" say what the case is for); the other files
// are its inputs, run in a scratch copy of the folder. expected.out, expected.err and
// expected.status (each empty or 0 when absent) are what must come out, and expected.<ext>
// the bytes of the out.<ext> a convert must write. A kruid.dat in the folder stands in for the
// bundled catalogue, found the way the tool finds its own: beside the program.
std::vector<std::string> fixtureNames() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(fixturesDir())) {
    if (entry.is_directory() && fs::exists(entry.path() / "args")) names.push_back(entry.path().filename().string());
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

TEST_P(CliFixture, PrintsAndWritesWhatIsExpected) {
  const fs::path source = fixturesDir() / GetParam();
  TempDir work;
  fs::copy(source, work.path(), fs::copy_options::recursive);
  const fs::path home = fs::current_path();
  fs::current_path(work.path());
  ::setenv("SOURCE_DATE_EPOCH", "1714521600", 1);  // "#date 2024/5/1", as the bundled examples
  const CliResult r = runTool(commandLine(source / "args"), fs::exists(source / "kruid.dat") ? "." : dataDir());
  fs::current_path(home);

  EXPECT_EQ(r.out, contentOr(source / "expected.out", ""));
  EXPECT_EQ(r.err, contentOr(source / "expected.err", ""));
  EXPECT_EQ(std::to_string(r.status) + "\n", contentOr(source / "expected.status", "0\n"));
  // Afterwards the folder holds its untouched inputs and the expected outputs, nothing else.
  std::set<std::string> outputs;
  for (const auto& entry : fs::directory_iterator(source)) {
    const std::string name = entry.path().filename().string();
    const std::string ext = name.substr(std::min(name.size(), sizeof "expected"));
    if (name.starts_with("expected.") && ext != "out" && ext != "err" && ext != "status") outputs.insert("out." + ext);
  }
  for (const auto& entry : fs::directory_iterator(work.path())) {
    const std::string name = entry.path().filename().string();
    if (!entry.is_regular_file()) continue;
    const fs::path want = outputs.erase(name) ? source / ("expected." + name.substr(4)) : source / name;
    EXPECT_TRUE(fs::exists(want) && readAll(entry.path()) == readAll(want)) << name << " is not as in " << want;
  }
  EXPECT_TRUE(outputs.empty()) << "not written: " << ::testing::PrintToString(outputs);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, CliFixture, ::testing::ValuesIn(fixtureNames()), [](const auto& info) {
  std::string name = info.param;
  std::replace(name.begin(), name.end(), '-', '_');
  return name;
});

}  // namespace
}  // namespace tarveno::testing
