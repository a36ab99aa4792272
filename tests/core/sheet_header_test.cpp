#include "core/sheet/header_template.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarveno {
namespace {

using Lines = std::vector<std::string>;

class SheetHeader : public ::testing::Test {
 protected:
  SheetHeader() {
    catalogue.SongList[0] = SongRecord{"ひだまりステップ", 3, 140, 40, 1, 1, 0};
    catalogue.SongList[1] = SongRecord{"Marble Comet", 9, -1, 60, 2, 0, 0};
    chart.SongIndex = 1;
    chart.EditName = "AB";
    chart.PlayStyle = 1;
    chart.Difficulty = 0x39;
  }
  Lines expand(const std::string& style) const { return expandHeaderTemplate(style, chart, catalogue); }

  Catalogue catalogue;
  Chart chart;
};

TEST_F(SheetHeader, DefaultTemplateKeepsItsSpaces) {
  EXPECT_EQ(expand("%T\r\nEDIT[%E]   %M  %L"), (Lines{"Marble Comet", "EDIT[AB]   COUPLE  MANIAC-9"}));
  chart.SongIndex = 0;
  EXPECT_EQ(expand("%T/%T"), (Lines{"ひだまりステップ/ひだまりステップ"}));
}

TEST_F(SheetHeader, PlayStyleNames) {
  const char* names[] = {"SINGLE", "COUPLE", "DOUBLE", "", ""};
  for (uint8_t style = 0; style < 5; ++style) {
    chart.PlayStyle = style;
    EXPECT_EQ(expand("<%M>"), Lines{std::string("<") + names[style] + ">"}) << int{style};
  }
}

TEST_F(SheetHeader, DifficultyByClassAndFootLevel) {
  struct Case {
    uint8_t difficulty;
    const char* upper;  // %L
    const char* lower;  // %l
  };
  const Case cases[] = {
      {0x01, "?\?\?-1", "?\?\?-1"},
      {0x15, "BASIC-5", "BASIC-5"},
      {0x2A, "TRICK-10", "ANOTHER-10"},
      {0x3F, "MANIAC-15", "SSR-15"},
      {0x10, "BASIC-?", "BASIC-?"},
      {0x00, "?\?\?-?", "?\?\?-?"},
      {0x47, "7", "7"},
      {0xF0, "?", "?"},
  };
  for (const Case& c : cases) {
    chart.Difficulty = c.difficulty;
    EXPECT_EQ(expand("%L|%l"), Lines{std::string(c.upper) + "|" + c.lower}) << int{c.difficulty};
  }
}

TEST_F(SheetHeader, UnknownEscapesDoubledPercentAndTrailingPercentVanish) {
  EXPECT_EQ(expand("a%xb%Zc"), Lines{"abc"});
  EXPECT_EQ(expand("100%%"), Lines{"100"});
  EXPECT_EQ(expand("%%E"), Lines{"E"});  // "%%" is consumed as a pair before E is seen
  EXPECT_EQ(expand("end%"), Lines{"end"});
  EXPECT_EQ(expand("%"), Lines{""});
  EXPECT_EQ(expand("%t%e"), Lines{""});  // escapes are case-sensitive; only L has a lower-case twin
  // An unknown escape drops a whole character, never half of one.
  EXPECT_EQ(expand("a%あb%い"), Lines{"ab"});
}

TEST_F(SheetHeader, LinesEndAtCrAndTheLastLineAlwaysExists) {
  EXPECT_EQ(expand("%E\r\n%M\r\nfoot %l"), (Lines{"AB", "COUPLE", "foot SSR-9"}));
  EXPECT_EQ(expand("%T\r\n"), (Lines{"Marble Comet", ""}));
  EXPECT_EQ(expand("\r\n\r\n"), (Lines{"", "", ""}));
  EXPECT_EQ(expand(""), Lines{""});
  EXPECT_EQ(expand("x"), Lines{"x"});
}

TEST_F(SheetHeader, BreakEdgeCasesNeverPutControlCharactersIntoLines) {
  EXPECT_EQ(expand("a\rb"), (Lines{"a", "b"}));  // a lone CR keeps the next character
  EXPECT_EQ(expand("a\nb"), Lines{"ab"});        // a lone LF is not a break
  // A "%" right before CR LF takes the CR as its escape character, joining the two lines.
  EXPECT_EQ(expand("%E%\r\n%M"), Lines{"ABCOUPLE"});
  for (const std::string& line : expand("x%\r\ny\n\r\n\rz")) {
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
  }
}

TEST(SheetHeaderLines, CountIsZeroWhenEmptyElseOneMoreThanTheCrs) {
  EXPECT_EQ(headerLineCount(""), 0);
  EXPECT_EQ(headerLineCount("%T"), 1);
  EXPECT_EQ(headerLineCount("%T\r\nEDIT"), 2);
  EXPECT_EQ(headerLineCount("%T\r\n"), 2);
  EXPECT_EQ(headerLineCount("a\r\nb\r\nc"), 3);
  EXPECT_EQ(headerLineCount("a%\r\nb"), 2);  // reserved although the lines were joined
  EXPECT_EQ(headerLineCount("a\nb"), 1);
}

}  // namespace
}  // namespace tarveno
