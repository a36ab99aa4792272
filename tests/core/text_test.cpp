#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "core/text/cp932.h"
#include "core/text/number.h"

namespace tarveno {
namespace {

TEST(LeadingNumber, ReadsTheLongestNumericPrefixAndRoundsHalvesToEven) {
  EXPECT_EQ(leadingNumber(" 3.5abc"), 4);
  EXPECT_EQ(leadingNumber("2.5"), 2);
  EXPECT_EQ(leadingNumber("-0.5"), 0);
  EXPECT_EQ(leadingNumber("-1.5"), -2);
  EXPECT_EQ(leadingNumber("14.6"), 15);
  EXPECT_EQ(leadingNumber("1e2"), 100);
  EXPECT_EQ(leadingNumber("1e"), 1);  // an exponent without digits is not part of the number
  EXPECT_EQ(leadingNumber("+7x"), 7);
  EXPECT_EQ(leadingNumber(".5"), 0);
  EXPECT_EQ(leadingNumber("1.5.9"), 2);
}

// The GUI toolkit sets the C library locale from the environment; numbers must not follow it.
TEST(LeadingNumber, IgnoresADecimalCommaLocale) {
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 is not installed";
  const double value = leadingValue("14.6");
  std::setlocale(LC_ALL, previous.c_str());
  EXPECT_DOUBLE_EQ(value, 14.6);
}

TEST(LeadingNumber, NoNumberGivesZero) {
  EXPECT_EQ(leadingNumber(""), 0);
  EXPECT_EQ(leadingNumber("abc"), 0);
  EXPECT_EQ(leadingNumber("-"), 0);
  EXPECT_EQ(leadingNumber("   "), 0);
  EXPECT_EQ(leadingNumber("&"), 0);
  EXPECT_EQ(leadingNumber("&Hzz"), 0);
}

TEST(LeadingNumber, RadixPrefixes) {
  EXPECT_EQ(leadingNumber("&H10"), 16);
  EXPECT_EQ(leadingNumber("&h1f"), 31);
  EXPECT_EQ(leadingNumber("&O17"), 15);
  EXPECT_EQ(leadingNumber("&O19"), 1);  // 9 is not an octal digit
  EXPECT_EQ(leadingNumber("&HFFFF"), -1);
}

TEST(LeadingNumber, HugeValuesDoNotOverflow) {
  EXPECT_GT(leadingNumber("1e300"), 0);
  EXPECT_LT(leadingNumber("-1e300"), 0);
}

TEST(ToInt16, ReportsOutOfRangeInsteadOfWrapping) {
  EXPECT_EQ(toInt16(32767), 32767);
  EXPECT_EQ(toInt16(-32768), -32768);
  EXPECT_FALSE(toInt16(32768).has_value());
  EXPECT_FALSE(toInt16(-32769).has_value());
}

TEST(Cp932, RoundTripsFullWidthAndHalfWidthKatakana) {
  const std::string text = "総ｵﾌﾞｼﾞｪ数：テスト～①\\ABC";
  const std::string bytes = utf8ToCp932(text);
  EXPECT_EQ(bytes.substr(0, 2), "\x91\x8D");              // 総
  EXPECT_EQ(static_cast<unsigned char>(bytes[2]), 0xB5);  // ｵ is one byte
  EXPECT_EQ(cp932ToUtf8(bytes), text);
}

TEST(Cp932, InvalidBytesAreReplacedWithoutLosingTheRest) {
  const std::string bytes = std::string("AB\x81", 3) + "\xFF" + "CD";
  const std::string text = cp932ToUtf8(bytes);
  EXPECT_EQ(text.substr(0, 2), "AB");
  EXPECT_EQ(text.substr(text.size() - 2), "CD");
  // A lead byte at the very end is replaced too.
  EXPECT_EQ(cp932ToUtf8(std::string("X\x82", 2)), "X\xEF\xBF\xBD");
}

TEST(Cp932, UnencodableCharactersBecomeQuestionMarks) {
  EXPECT_EQ(utf8ToCp932("a\xF0\x9F\x98\x80"
                        "b"),
            "a?b");  // an emoji has no CP932 form
  EXPECT_FALSE(isCp932Encodable("\xF0\x9F\x98\x80"));
  EXPECT_TRUE(isCp932Encodable("設定"));
  EXPECT_EQ(utf8Length("ＡＢc"), 3u);
}

}  // namespace
}  // namespace tarveno
