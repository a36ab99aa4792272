#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>

#include "cli/cli_run.h"

namespace tarveno::testing {
namespace {

// The real program: it finds kruid.dat beside itself and its exit status reaches the shell.
TEST(CliExecutable, FindsItsCatalogueAndExitsWithTheStatus) {
  TempDir dir;
  writeAll(dir / "c.kru", "#001:1000\r\n");
  const auto run = [&](const std::string& args) {
    const std::string command = std::string("'") + TARVENO_CLI_EXE + "' " + args + " >'" + (dir / "out").string() +
                                "' 2>'" + (dir / "err").string() + "'";
    const int raw = std::system(command.c_str());
    return CliResult{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readAll(dir / "out"), readAll(dir / "err")};
  };
  const CliResult dump = run("dump '" + (dir / "c.kru").string() + "'");
  EXPECT_EQ(dump.status, 0) << dump.err;
  EXPECT_NE(dump.out.find("\"songCode\":1,"), std::string::npos);
  EXPECT_EQ(run("dump").status, 1);
  EXPECT_EQ(run("dump '" + (dir / "none.kru").string() + "'").status, 2);
}

// The language comes from --lang, else TARVENO_LANG; the English words are bundled in the program.
TEST(CliExecutable, SpeaksTheLanguageAskedFor) {
  TempDir dir;
  const std::string missing = " dump '" + (dir / "none.kru").string() + "' 2>'" + (dir / "err").string() + "'";
  const auto errorOf = [&](const std::string& before, const std::string& options) {
    const int raw = std::system((before + "'" + TARVENO_CLI_EXE + "'" + options + missing).c_str());
    return std::pair(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readAll(dir / "err"));
  };
  const std::string english =
      "tarveno-cli: Cannot open the file: " + (dir / "none.kru").string() + " (file or folder not found)\n";
  EXPECT_EQ(errorOf("", " --lang en"), std::pair(2, english));
  EXPECT_EQ(errorOf("TARVENO_LANG=en ", ""), std::pair(2, english));
  EXPECT_EQ(errorOf("TARVENO_LANG=en ", " --lang ja").second.find("ファイルを開けません"), 13u);
  EXPECT_EQ(errorOf("", " --lang fr").first, 1);

  // What goes to standard output is the same in both languages, a chart's reason included.
  const std::filesystem::path charts = fixturesDir() / "simfile-unreadable-charts";
  const std::string listed =
      " --lang en charts '" + (charts / "broken.sm").string() + "' >'" + (dir / "out").string() + "'";
  EXPECT_EQ(std::system(("'" + std::string(TARVENO_CLI_EXE) + "'" + listed).c_str()), 0);
  EXPECT_EQ(readAll(dir / "out"), readAll(charts / "expected.out"));
}

}  // namespace
}  // namespace tarveno::testing
