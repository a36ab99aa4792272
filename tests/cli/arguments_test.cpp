#include "cli/arguments.h"

#include <gtest/gtest.h>

namespace tarveno {
namespace {

TEST(CliArguments, OptionsMayStandBeforeOrAfterTheCommand) {
  auto p = parseArguments({"--catalogue", "k.dat", "convert", "a.kru", "--song=26", "b.mc", "--title", "-x-"});
  ASSERT_EQ(p.usageError, "");
  EXPECT_EQ(p.arguments.command, "convert");
  EXPECT_EQ(p.arguments.operands, (std::vector<std::string>{"a.kru", "b.mc"}));
  EXPECT_EQ(*p.arguments.option("catalogue"), "k.dat");
  EXPECT_EQ(*p.arguments.option("song"), "26");
  EXPECT_EQ(*p.arguments.option("title"), "-x-");  // a value may look like an option
  EXPECT_EQ(p.arguments.option("style"), nullptr);
}

TEST(CliArguments, DoubleDashLetsFileNamesStartWithADash) {
  auto p = parseArguments({"dump", "--", "-odd.kru"});
  ASSERT_EQ(p.usageError, "");
  EXPECT_EQ(p.arguments.operands, (std::vector<std::string>{"-odd.kru"}));
  // A lone "-" is an operand, not an option.
  EXPECT_EQ(parseArguments({"dump", "-"}).arguments.operands, (std::vector<std::string>{"-"}));
}

TEST(CliArguments, RefusesUnknownRepeatedAndValuelessOptions) {
  EXPECT_NE(parseArguments({"dump", "a.kru", "--songs", "1"}).usageError, "");
  EXPECT_NE(parseArguments({"dump", "a.kru", "-s", "1"}).usageError, "");
  EXPECT_NE(parseArguments({"dump", "a.kru", "--song"}).usageError, "");
  EXPECT_NE(parseArguments({"dump", "a.kru", "--song", "1", "--song", "2"}).usageError, "");
  EXPECT_NE(parseArguments({"--help=yes"}).usageError, "");
}

TEST(CliWholeNumber, TakesOnlyPlainDecimalsWithinRange) {
  EXPECT_EQ(parseWholeNumber("0", 0, 2), 0);
  EXPECT_EQ(parseWholeNumber("2", 0, 2), 2);
  EXPECT_EQ(parseWholeNumber("+7", 0, 9), 7);
  EXPECT_EQ(parseWholeNumber("-32768", -32768, 32767), -32768);
  EXPECT_EQ(parseWholeNumber("007", 0, 9), 7);
  for (const char* bad :
       {"", "-", "+", "3", "-1", " 1", "1 ", "1.0", "1e0", "&H1", "0x1", "x", "99999999999999999999"}) {
    EXPECT_EQ(parseWholeNumber(bad, 0, 2), std::nullopt) << bad;
  }
}

}  // namespace
}  // namespace tarveno
