#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "cli/cli_run.h"
#include "cli/commands.h"
#include "core/chart/header_input.h"
#include "tarveno_version.h"

namespace tarveno::testing {
namespace {

using Args = std::vector<std::string>;

TEST(CliUsage, EachBadCommandLineIsExitOneWithOneLine) {
  for (const Args& args :
       {Args{}, Args{"dump"}, Args{"dump", "a.kru", "b.kru"}, Args{"convert", "a.kru"},
        Args{"convert", "a.kru", "b.mc", "c.mc"}, Args{"show", "a.kru"}, Args{"dump", "a.kru", "--title", "x"},
        Args{"stats", "a.kru", "--edit-name", "x"}, Args{"dump", "a.kru", "--song", "40000"},
        Args{"convert", "a.kru", "b.mc", "--style", "3"}, Args{"convert", "a.kru", "b.mc", "--difficulty", "256"}}) {
    const CliResult r = runTool(args);
    EXPECT_EQ(std::tie(r.status, r.out), std::make_tuple(1, "")) << ::testing::PrintToString(args);
    EXPECT_TRUE(r.err.starts_with("tarveno-cli: ") && r.err.ends_with(" (tarveno-cli --help for usage)\n") &&
                std::count(r.err.begin(), r.err.end(), '\n') == 1)
        << r.err;
  }
}

TEST(CliUsage, HelpAndVersionGoToStdout) {
  const CliResult help = runTool({"convert", "--help"});  // help wins over an incomplete command
  EXPECT_EQ(std::tie(help.status, help.err), std::make_tuple(0, ""));
  EXPECT_NE(help.out.find("usage: tarveno-cli [--catalogue PATH] dump FILE [--song CODE]\n"), std::string::npos);
  const CliResult version = runTool({"--version"});
  EXPECT_EQ(std::tie(version.status, version.out),
            std::make_tuple(0, std::string("tarveno-cli ") + kVersionString + "\n"));
}

TEST(CliRules, EditNameAndKrunTitle) {
  // The edit name: at most 8 characters from blank to "}" (an empty one is FormCheck's to refuse).
  for (const char* good : {"", "}", " {A|}z ", "ABCDEFGH", "!\"#$%&'("})
    EXPECT_TRUE(isValidEditName(good)) << good;
  for (const char* bad : {"~", "ABCDEFGHI", "ダンス", "A\tB", "\x7f"}) EXPECT_FALSE(isValidEditName(bad)) << bad;
  // A title must stay on its line and have a Shift-JIS form.
  EXPECT_TRUE(isAcceptableKrunTitle("夜の港 ~ Harbor"));
  for (const char* bad : {"a\r\n#double", "\x7f", "\xF0\x9F\x8E\xB5", "\xFF"})
    EXPECT_FALSE(isAcceptableKrunTitle(bad)) << bad;
}

}  // namespace
}  // namespace tarveno::testing
