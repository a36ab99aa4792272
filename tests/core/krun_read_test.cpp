#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "core/chart/chart.h"
#include "core/chart/krun.h"

namespace tarveno {
namespace {

using namespace std::string_literals;

Chart readText(const std::string& bytes) {
  Chart chart;
  ReadKrunChart(bytes, chart);
  return chart;
}

MeasureBytes measureOf(std::initializer_list<std::pair<int, uint8_t>> slots) {
  MeasureBytes m{};
  for (auto [slot, value] : slots) m[static_cast<size_t>(slot)] = value;
  return m;
}

bool allStepsZero(const Chart& chart) {
  return chart.StepData == StepTable{};
}

TEST(KrunReadHeader, KeywordLines) {
  // The title is everything after the character following the keyword, whatever that is; a
  // full-width blank is one character to skip, not two bytes.
  const std::pair<const char*, const char*> titles[] = {{"#Title My song", "My song"},
                                                        {"#titles", ""},
                                                        {"#title", ""},
                                                        {"#title:x", "x"},
                                                        {"#TITLEX abc", " abc"},
                                                        {"#title\x81\x40\x8B\xC8\x96\xBC", "曲名"}};
  for (auto [line, title] : titles) EXPECT_EQ(readText(line + "\r\n"s).KrunTitle, title) << line;

  // Style and class keywords must match wholly; the class drops the foot level. Numbers take
  // the leading number and must fit 16 bits, otherwise the line is dropped.
  // Lines, then PlayStyle, Difficulty, KrunWidth and KrunHeight.
  const std::tuple<const char*, int, int, int, int> lines[] = {
      {"#DOUBLE", 2, 0, 0, 0},
      {"#DOUBLE ", 0, 0, 0, 0},
      {"#double\r\n#TwoPlay", 1, 0, 0, 0},
      {"#basic", 0, 0x10, 0, 0},
      {"#Another", 0, 0x20, 0, 0},
      {"#MANIAC", 0, 0x30, 0, 0},
      {"#maniacs", 0, 0, 0, 0},
      {"#height 12.5\r\n#width=&H10", 0, 0, 16, 12},
      {"#height 13.5\r\n#width -32768", 0, 0, -32768, 14},
      {"#width abc\r\n#heightX", 0, 0, 0, 0},
      {"#width 300\r\n#width 40000\r\n#height 5\r\n#height -1e9", 0, 0, 300, 5}};
  for (auto [line, style, difficulty, width, height] : lines) {
    const Chart c = readText(line + "\r\n"s);
    EXPECT_EQ(std::make_tuple(int{c.PlayStyle}, int{c.Difficulty}, int{c.KrunWidth}, int{c.KrunHeight}),
              std::make_tuple(style, difficulty, width, height))
        << line;
  }

  const Chart other = readText("#comment hello  world\r\n#date 2003/5/7\r\n#bpm 120\r\n");
  EXPECT_EQ(std::tie(other.KrunComment, other.KrunTitle, other.PlayStyle), std::make_tuple("hello  world", "", 0));
}

TEST(KrunReadHeader, ResetsOnlyTheFieldsTheFormatCarries) {
  Chart chart = readText("#double\r\n#basic\r\n#title old\r\n#width 3\r\n#height 4\r\n#comment note\r\n");
  chart.SongIndex = 7;
  chart.EditName = "EDITNAME";
  chart.FreezeData[3][5] = 0x11;
  chart.BeatType[3][1] = 1;
  chart.StepData[3][5] = 0x22;
  ReadKrunChart("", chart);
  EXPECT_EQ(std::tie(chart.PlayStyle, chart.Difficulty, chart.KrunTitle, chart.KrunWidth, chart.KrunHeight,
                     chart.KrunComment),
            std::make_tuple(0, 0, "", 0, 0, ""));
  // Rows are ORed in; clearing the table is the caller's job.
  EXPECT_EQ(
      std::tie(chart.SongIndex, chart.EditName, chart.FreezeData[3][5], chart.BeatType[3][1], chart.StepData[3][5]),
      std::make_tuple(7, "EDITNAME", 0x11, 1, 0x22));
}

TEST(KrunReadHeader, EveryMsdstyleLineGivesANoticeAndReadingGoesOn) {
  Chart chart;
  const auto notices =
      ReadKrunChart("#msdstyle\r\n#MSDSTYLE\r\n#msdstyle \r\n#title A\r\n#msdstyle\r\n#001:1\r\n", chart);
  ASSERT_EQ(notices.size(), 2u);
  for (const Notice& n : notices) {
    EXPECT_EQ(std::tie(n.code, n.title, n.text), std::make_tuple(0, "えらー", "msdstyleには対応していません^^;"));
  }
  EXPECT_EQ(chart.KrunTitle, "A");
  EXPECT_EQ(chart.StepData[0][0], 1);
}

TEST(KrunReadRows, LinesThatAreNoRowsAreIgnored) {
  EXPECT_EQ(readText("#010:1000\r\n").StepData[9], measureOf({{0, 1}}));
  EXPECT_EQ(readText("#471:0008\r\n").StepData[470], measureOf({{12, 8}}));
  for (const char* line : {"#000:1000", "#472:1000", "#999:1000", "#01:1000", "#0001:1000", "# 01:1000", "#1e1:1000",
                           "#+01:1000", "#&H1:1000", "#0.1:1000", "#001 1000", "#001;1000", "#001", "#"}) {
    EXPECT_TRUE(allStepsZero(readText(std::string(line) + "\r\n"))) << line;
  }
  // Data lengths without a grid.
  for (size_t length : {0u, 5u, 7u, 9u, 15u, 17u, 32u, 47u, 49u, 96u, 300u}) {
    EXPECT_TRUE(allStepsZero(readText("#001:" + std::string(length, '1') + "\r\n"))) << length;
  }
}

TEST(KrunReadRows, SixteenthRowsSpreadEvenlyOverTheMeasure) {
  EXPECT_EQ(readText("#001:3\r\n").StepData[0], measureOf({{0, 3}}));
  EXPECT_EQ(readText("#001:12\r\n").StepData[0], measureOf({{0, 1}, {8, 2}}));
  EXPECT_EQ(readText("#001:10203040\r\n").StepData[0], measureOf({{0, 1}, {4, 2}, {8, 3}, {12, 4}}));
  EXPECT_EQ(readText("#001:0123456789ABCDEF\r\n").StepData[0],
            (MeasureBytes{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}));
  // Lower-case hex counts; other characters carry no panels.
  EXPECT_EQ(readText("#001:aG0f\r\n").StepData[0], measureOf({{0, 0xA}, {12, 0xF}}));
  // Two characters, not three bytes: a sixteenth row, so no triplet beat appears.
  EXPECT_TRUE(allStepsZero(readText("#001:\x82\x66"s + "0\r\n")));
}

TEST(KrunReadRows, SecondPadRowsNeedAStyleKeywordFirst) {
  const Chart chart = readText("$001:1000\r\n#twoplay\r\n$002:1000\r\n#$003:2\r\n");
  EXPECT_EQ(chart.StepData[0], measureOf({}));
  EXPECT_EQ(chart.StepData[1], measureOf({{0, 0x10}}));
  // The '$' test runs on what is left after a '#'.
  EXPECT_EQ(chart.StepData[2], measureOf({{0, 0x20}}));
  EXPECT_EQ(readText("#double\r\n$001:0800\r\n#001:0100\r\n").StepData[0], measureOf({{4, 0x81}}));
}

TEST(KrunReadRows, TripletRowsMakeTripletBeatsAndKeepOtherSlots) {
  Chart chart;
  chart.StepData[0] = measureOf({{4, 8}, {12, 2}, {13, 8}, {15, 1}});
  ReadKrunChart("#001:444\r\n", chart);
  // Twelfths 0, 4 and 8: the first note of beat 0, the second of beat 1, the third of beat 2.
  // The arrow that stood on beat 1 becomes that beat's first triplet note.
  EXPECT_EQ(chart.StepData[0],
            measureOf({{0, 255}, {1, 4}, {4, 255}, {5, 8}, {6, 4}, {8, 255}, {11, 4}, {12, 2}, {13, 8}, {15, 1}}));

  EXPECT_EQ(readText("#001:123456\r\n").StepData[0],
            measureOf({{0, 255}, {1, 1}, {3, 2}, {4, 255}, {6, 3}, {8, 255}, {9, 4}, {11, 5}, {12, 255}, {14, 6}}));
  // A used position without panel bits still makes its beat a triplet beat.
  Chart marked;
  marked.StepData[0][0] = 4;
  ReadKrunChart("#001:X00000000000\r\n", marked);
  EXPECT_EQ(marked.StepData[0], measureOf({{0, 255}, {1, 4}}));
}

TEST(KrunReadRows, OldTwelveCharacterMixedRowReadsBackAfterTheRecompute) {
  // Older files compacted a mixed row down to twelve characters; the on-beat value of beat 2
  // then makes a one-note triplet beat that the recompute after opening turns back.
  Chart chart = readText("#002:111000200000\r\n");
  EXPECT_EQ(chart.StepData[1], measureOf({{0, 255}, {1, 1}, {2, 1}, {3, 1}, {8, 255}, {9, 2}}));
  Catalogue catalogue;
  catalogue.SongList[0] = SongRecord{"", 1, 0, 3, 0, 0, 0};
  RecalcAllBeatTypes(chart, catalogue);
  EXPECT_EQ(chart.StepData[1], measureOf({{0, 255}, {1, 1}, {2, 1}, {3, 1}, {8, 2}}));
  EXPECT_EQ(chart.BeatType[1], (std::array<uint8_t, 4>{2, 0, 0, 0}));
}

TEST(KrunReadRows, MixedRowsReadTripletsBeforeSixteenths) {
  // 48 characters: beat 0 a full triplet (first note on the beat), a right arrow on the last
  // sixteenth of beat 3.
  const std::string row48 = "100010001000" + std::string(27, '0') + "8" + std::string(8, '0');
  EXPECT_EQ(readText("#001:" + row48 + "\r\n").StepData[0], measureOf({{0, 255}, {1, 1}, {2, 1}, {3, 1}, {13, 8}}));
  // 24 characters: same triplet, a down arrow on beat 2.
  EXPECT_EQ(readText("#002:101010000000200000000000\r\n").StepData[1],
            measureOf({{0, 255}, {1, 1}, {2, 1}, {3, 1}, {8, 2}}));
  // A sixteenth inside a triplet beat is not dropped: it lands in the triplet slot it hits.
  const std::string stray = "000210000000" + std::string(36, '0');
  EXPECT_EQ(readText("#001:" + stray + "\r\n").StepData[0], measureOf({{0, 255}, {1, 2}, {2, 1}}));
}

TEST(KrunReadLines, AcceptsCrLfLoneCrAndLfLineEnds) {
  for (const char* text : {"#title A\r\n#twoplay\r\n$001:1000\r\n", "#title A\r#twoplay\r$001:1000\r",
                           "#title A\n#twoplay\n$001:1000\n", "#title A\n\r#twoplay\r\n\n$001:1000"}) {
    const Chart chart = readText(text);
    EXPECT_EQ(chart.KrunTitle, "A");
    EXPECT_EQ(chart.PlayStyle, 1);
    EXPECT_EQ(chart.StepData[0], measureOf({{0, 0x10}})) << text;
  }
}

TEST(KrunReadLines, SurvivesBrokenBytes) {
  const Chart chart = readText("\x81\r\n#title \x81\x00\xFF\r\n#001:\x82\r\n\x00#001:1\r\n"s);
  EXPECT_EQ(chart.KrunTitle, "\xEF\xBF\xBD" + std::string("\0", 1) + "\xEF\xBF\xBD");
  EXPECT_TRUE(allStepsZero(chart));
}

}  // namespace
}  // namespace tarveno
