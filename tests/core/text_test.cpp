#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <string>

#include "core/text/cp932.h"
#include "core/text/number.h"

namespace tarveno {
namespace {

TEST(LeadingNumber, ReadsTheLongestNumericPrefixAndRoundsHalvesToEven) {
  // An exponent without digits is not part of the number; 9 is not an octal digit; no number is 0.
  const std::pair<const char*, int64_t> cases[] = {
      {" 3.5abc", 4}, {"2.5", 2},  {"-0.5", 0},  {"-1.5", -2}, {"14.6", 15}, {"1e2", 100}, {"1e", 1},
      {"+7x", 7},     {".5", 0},   {"1.5.9", 2}, {"", 0},      {"abc", 0},   {"-", 0},     {"   ", 0},
      {"&", 0},       {"&Hzz", 0}, {"&H10", 16}, {"&h1f", 31}, {"&O17", 15}, {"&O19", 1},  {"&HFFFF", -1}};
  for (auto [text, value] : cases) EXPECT_EQ(leadingNumber(text), value) << text;
  EXPECT_EQ(std::pair(leadingNumber("1e300"), leadingNumber("-1e300")),  // clamped, not overflowed
            std::pair(std::numeric_limits<int64_t>::max(), std::numeric_limits<int64_t>::min()));
  EXPECT_EQ(std::tuple(toInt16(32767), toInt16(-32768), toInt16(32768), toInt16(-32769)),
            std::tuple(int16_t{32767}, int16_t{-32768}, std::nullopt, std::nullopt));
}

// The GUI toolkit sets the C library locale from the environment; numbers must not follow it.
TEST(LeadingNumber, IgnoresADecimalCommaLocale) {
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 is not installed";
  const double value = leadingValue("14.6");
  std::setlocale(LC_ALL, previous.c_str());
  EXPECT_DOUBLE_EQ(value, 14.6);
}

TEST(Cp932, RoundTripsReplacesBrokenBytesAndMarksWhatHasNoForm) {
  const std::string text = "総ｵﾌﾞｼﾞｪ数：テスト～①\\ABC";
  const std::string bytes = utf8ToCp932(text);
  EXPECT_EQ(bytes.substr(0, 3), "\x91\x8D\xB5");  // 総 in two bytes, ｵ in one
  EXPECT_EQ(cp932ToUtf8(bytes), text);
  // Broken bytes, a lead byte at the very end included, are replaced without losing the rest.
  EXPECT_EQ(cp932ToUtf8("AB\x81\xFFZZ"), "AB\xEF\xBF\xBD\xEF\xBF\xBDZZ");
  EXPECT_EQ(cp932ToUtf8("X\x82"), "X\xEF\xBF\xBD");
  EXPECT_EQ(utf8ToCp932("a\xF0\x9F\x98\x80!"), "a?!");  // an emoji has no CP932 form
  EXPECT_EQ(std::pair(isCp932Encodable("\xF0\x9F\x98\x80"), isCp932Encodable("設定")), std::pair(false, true));
}

}  // namespace
}  // namespace tarveno
