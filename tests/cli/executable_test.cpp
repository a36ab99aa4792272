#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>

#include "cli/cli_run.h"
#include "support/test_paths.h"

namespace tarveno::testing {
namespace {

// Runs the real executable through the shell; arguments must not need quoting beyond
// single quotes.
CliResult runExecutable(const std::string& args, const TempDir& dir) {
  const std::string command = std::string("'") + TARVENO_CLI_EXE + "' " + args + " >'" + (dir / "out").string() +
                              "' 2>'" + (dir / "err").string() + "'";
  const int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readAll(dir / "out"), readAll(dir / "err")};
}

TEST(CliExecutable, ExitStatusesAndDefaultCatalogue) {
  TempDir dir;
  writeAll(dir / "c.kru", crlfLines({"#title T", "#001:1000"}));

  CliResult version = runExecutable("--version", dir);
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("tarveno-cli ", 0), 0u);

  // No --catalogue: kruid.dat is found beside the executable.
  CliResult dump = runExecutable("dump '" + (dir / "c.kru").string() + "'", dir);
  EXPECT_EQ(dump.status, 0) << dump.err;
  EXPECT_NE(dump.out.find("\"songCode\":1,"), std::string::npos);
  EXPECT_EQ(dump.out.back(), '\n');

  EXPECT_EQ(runExecutable("dump", dir).status, 1);
  CliResult bad = runExecutable("dump '" + (dir / "none.kru").string() + "'", dir);
  EXPECT_EQ(bad.status, 2);
  EXPECT_EQ(bad.out, "");
  EXPECT_EQ(std::count(bad.err.begin(), bad.err.end(), '\n'), 1);
}

}  // namespace
}  // namespace tarveno::testing
