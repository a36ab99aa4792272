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

}  // namespace
}  // namespace tarveno::testing
