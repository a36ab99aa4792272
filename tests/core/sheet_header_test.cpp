#include "core/sheet/header_template.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace tarveno {
namespace {

using Lines = std::vector<std::string>;

class SheetHeader : public ::testing::Test {
 protected:
  SheetHeader() {
    catalogue.SongList[0] = SongRecord{"ひだまりステップ", 3, 140, 40, 1, 1, 0};
    catalogue.SongList[1] = SongRecord{"Marble Comet", 9, -1, 60, 2, 0, 0};
    std::tie(chart.SongIndex, chart.EditName, chart.PlayStyle, chart.Difficulty) =
        std::tuple(1, "AB", PlayStyle::Couple, 0x39);
  }
  Lines expand(const std::string& style) const { return expandHeaderTemplate(style, chart, catalogue); }

  Catalogue catalogue;
  Chart chart;
};

TEST_F(SheetHeader, ExpandsEscapesAndNamesEndsLinesAtCrAndCountsTheLines) {
  const std::pair<const char*, Lines> cases[] = {
      {"%T\r\nEDIT[%E]   %M  %L", {"Marble Comet", "EDIT[AB]   COUPLE  MANIAC-9"}},  // spaces kept
      {"%T\r\n", {"Marble Comet", ""}},                                              // the last line always exists
      {"\r\n\r\n", {"", "", ""}},
      {"", {""}},
      {"a%xb%Zc", {"abc"}},  // unknown escapes, doubled and trailing percents vanish
      {"%%E", {"E"}},        // "%%" is consumed as a pair before E is seen
      {"end%", {"end"}},
      {"%t%e", {""}},        // escapes are case-sensitive; only L has a lower-case twin
      {"a%あb%い", {"ab"}},  // an unknown escape drops a whole character, never half of one
      {"a\rb", {"a", "b"}},  // a lone CR keeps the next character
      {"a\nb", {"ab"}},      // a lone LF is not a break
      // A "%" right before CR LF takes the CR as its escape character, joining the two lines.
      {"%E%\r\n%M", {"ABCOUPLE"}},
  };
  for (const auto& [style, lines] : cases) EXPECT_EQ(expand(style), lines) << ::testing::PrintToString(style);
  for (const std::string& line : expand("x%\r\ny\n\r\n\rz")) EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
  chart.SongIndex = 0;
  EXPECT_EQ(expand("%T/%T"), (Lines{"ひだまりステップ/ひだまりステップ"}));

  std::string styles;
  for (int style = 0; style < 5; ++style) {
    chart.PlayStyle = static_cast<PlayStyle>(style);
    styles += expand("<%M>")[0];
  }
  EXPECT_EQ(styles, "<SINGLE><COUPLE><DOUBLE><><>");
  // "%L|%l" by class and foot level.
  std::string difficulties;
  for (uint8_t difficulty : {0x01, 0x15, 0x2A, 0x3F, 0x10, 0x00, 0x47, 0xF0}) {
    chart.Difficulty = difficulty;
    difficulties += expand("%L|%l ")[0];
  }
  EXPECT_EQ(
      difficulties,
      "?\?\?-1|?\?\?-1 BASIC-5|BASIC-5 TRICK-10|ANOTHER-10 MANIAC-15|SSR-15 BASIC-?|BASIC-? ?\?\?-?|?\?\?-? 7|7 ?|? ");

  // "a%\r\nb" reserves two lines although they are joined; a lone LF is no break.
  const std::pair<const char*, int> counts[] = {{"", 0},        {"%T", 1},  {"%T\r\n", 2}, {"a\r\nb\r\nc", 3},
                                                {"a%\r\nb", 2}, {"a\nb", 1}};
  for (const auto& [style, count] : counts) EXPECT_EQ(headerLineCount(style), count) << style;
}

}  // namespace
}  // namespace tarveno
