#include "cli/arguments.h"

#include <gtest/gtest.h>

namespace tarveno {
namespace {

using Operands = std::vector<std::string>;

TEST(CliArguments, OptionsStandAnywhereDoubleDashEndsThemAndBadOnesAreRefused) {
  auto p = parseArguments({"--catalogue", "k.dat", "convert", "a.kru", "--song=26", "b.mc", "--title", "-x-"});
  ASSERT_EQ(p.usageError, "");
  EXPECT_EQ(p.arguments.command, "convert");
  EXPECT_EQ(p.arguments.operands, (Operands{"a.kru", "b.mc"}));
  EXPECT_EQ(*p.arguments.option("catalogue"), "k.dat");
  EXPECT_EQ(*p.arguments.option("song"), "26");
  EXPECT_EQ(*p.arguments.option("title"), "-x-");  // a value may look like an option
  EXPECT_EQ(p.arguments.option("style"), nullptr);

  p = parseArguments({"dump", "--", "-odd.kru"});
  ASSERT_EQ(p.usageError, "");
  EXPECT_EQ(p.arguments.operands, Operands{"-odd.kru"});
  EXPECT_EQ(parseArguments({"dump", "-"}).arguments.operands, Operands{"-"});  // a lone "-" is an operand

  for (Operands args : {Operands{"dump", "a.kru", "--songs", "1"}, Operands{"dump", "a.kru", "-s", "1"},
                        Operands{"dump", "a.kru", "--song"}, Operands{"dump", "a.kru", "--song", "1", "--song", "2"},
                        Operands{"--help=yes"}}) {
    EXPECT_NE(parseArguments(args).usageError, "") << ::testing::PrintToString(args);
  }
}

TEST(CliWholeNumber, TakesOnlyPlainDecimalsWithinRange) {
  EXPECT_EQ(std::tuple(parseWholeNumber("0", 0, 2), parseWholeNumber("2", 0, 2), parseWholeNumber("+7", 0, 9),
                       parseWholeNumber("-32768", -32768, 32767), parseWholeNumber("007", 0, 9)),
            std::tuple(0, 2, 7, -32768, 7));
  for (const char* bad :
       {"", "-", "+", "3", "-1", " 1", "1 ", "1.0", "1e0", "&H1", "0x1", "x", "99999999999999999999"}) {
    EXPECT_EQ(parseWholeNumber(bad, 0, 2), std::nullopt) << bad;
  }
}

TEST(CliDecimalNumber, TakesDigitsWithAnOptionalFractionWithinRange) {
  EXPECT_EQ(std::tuple(parseDecimalNumber("143.5", 1, 999), parseDecimalNumber("-12.25", -20, 0),
                       parseDecimalNumber("+7", 0, 9), parseDecimalNumber("999", 1, 999)),
            std::tuple(143.5, -12.25, 7.0, 999.0));
  for (const char* bad : {"", "-", ".5", "5.", "1.2.3", "1e2", " 1", "1 ", "&H1", "0.5", "999.01", "1234567890"}) {
    EXPECT_EQ(parseDecimalNumber(bad, 1, 999), std::nullopt) << bad;
  }
}

}  // namespace
}  // namespace tarveno
