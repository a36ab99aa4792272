#include <gtest/gtest.h>

#include <string>

#include "core/chart/chart.h"
#include "core/chart/krun.h"
#include "support/test_catalogue.h"

namespace tarveno {
namespace {

const Date kMay7{2003, 5, 7};

// The rows of a written chart: everything after the header a test sets up.
std::string rowsOf(const Chart& chart, int measures) {
  const std::string head = "#title \r\n#date 2003/5/7\r\n";
  const std::string text = WriteKrunChart(chart, testing::oneSongCatalogue(measures), kMay7);
  EXPECT_EQ(text.substr(0, head.size()), head);
  return text.substr(head.size());
}

TEST(KrunWrite, ExampleCoupleChart) {
  Chart chart{.PlayStyle = 1, .Difficulty = 0x13, .EditName = "", .KrunTitle = "Example", .KrunComment = ""};
  chart.StepData[0][0] = 0x81;  // first player left, second player right
  chart.StepData[0][8] = 0x80;
  chart.StepData[1] = {255, 1, 1, 1, 0, 0, 0, 0, 2};
  for (size_t s = 0; s < 16; s += 2) chart.StepData[2][s] = 4;
  // Measure 1 (a triplet with a first note plus a down arrow on beat 2) is a mixed row. It
  // stays at 24 characters instead of shrinking to "111000200000": twelve characters would be
  // read as triplets, turning beat 2 into a triplet beat that would swallow any second-pad
  // eighths of that beat.
  EXPECT_EQ(WriteKrunChart(chart, testing::oneSongCatalogue(3), kMay7),
            "#title Example\r\n"
            "#date 2003/5/7\r\n"
            "#twoplay\r\n"
            "#basic\r\n"
            "#001:1000\r\n"
            "$001:8080\r\n"
            "#002:101010000000200000000000\r\n"
            "#003:44444444\r\n");
}

TEST(KrunWrite, HeaderLines) {
  // In order, CP932, rows left out for a song index outside the catalogue.
  Chart chart{.PlayStyle = 2,
              .Difficulty = 0x3A,
              .SongIndex = -1,
              .EditName = "",
              .KrunTitle = "テスト曲",
              .KrunWidth = -5,
              .KrunHeight = 300,
              .KrunComment = "メモ"};
  chart.StepData[0][0] = 1;
  EXPECT_EQ(WriteKrunChart(chart, testing::oneSongCatalogue(4), Date{1999, 12, 31}),
            "#title \x83\x65\x83\x58\x83\x67\x8B\xC8\r\n#width -5\r\n#height 300\r\n#date 1999/12/31\r\n"
            "#comment \x83\x81\x83\x82\r\n#double\r\n#maniac\r\n");

  // Optional lines are left out; 0x4F has no class the format knows.
  Chart plain;
  plain.Difficulty = 0x4F;
  EXPECT_EQ(WriteKrunChart(plain, testing::oneSongCatalogue(1), kMay7), "#title \r\n#date 2003/5/7\r\n");
  plain.Difficulty = 0x2F;
  plain.SongIndex = 501;
  EXPECT_EQ(WriteKrunChart(plain, testing::oneSongCatalogue(1), Date{2010, 10, 1}),
            "#title \r\n#date 2010/10/1\r\n#another\r\n");

  // Line breaks in header texts cannot start new lines.
  const Chart broken{.EditName = "", .KrunTitle = "a\r\n#001:F", .KrunComment = "x\ny"};
  EXPECT_EQ(WriteKrunChart(broken, testing::oneSongCatalogue(1), kMay7),
            "#title a  #001:F\r\n#date 2003/5/7\r\n#comment x y\r\n");
}

TEST(KrunWrite, RowsShrinkToTheShortestLengthThatHoldsThem) {
  Chart chart;
  chart.StepData[0][0] = 0x31;  // quarter; the single style never writes the second pad
  chart.StepData[1][6] = 2;     // eighth
  chart.StepData[2][15] = 0xF;  // odd sixteenth
  chart.StepData[3][4] = 0xF0;  // second pad only: nothing
  // Beat 1 with an empty first note: twelve characters.
  chart.StepData[4] = {0, 0, 0, 0, 255, 0, 2, 4};
  // Third note of beat 0 and second of beat 1: six characters.
  chart.StepData[5] = {255, 0, 0, 1, 255, 0, 8, 0};
  // Twelfths 4 and 8 only: three characters.
  chart.StepData[6] = {0, 0, 0, 0, 255, 0, 2, 0, 255, 0, 0, 2};
  // Triplets beside sixteenths. Slot 13 is an odd 48th (39), so all 48 characters stay;
  // slot 14 is 48th 42, even, so the row halves once to 24.
  chart.StepData[7] = {255, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8};
  chart.StepData[8] = {255, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8};
  EXPECT_EQ(rowsOf(chart, 9),
            "#001:1000\r\n#002:00020000\r\n#003:000000000000000F\r\n"
            "#005:000024000000\r\n#006:018000\r\n#007:022\r\n"
            "#008:100010001000000000000000000000000000000800000000\r\n"
            "#009:101010000000000000000800\r\n");
}

TEST(KrunWrite, SecondPadFirstTripletNoteGoesOnItsSixteenthRow) {
  Chart chart;
  chart.PlayStyle = 1;
  chart.StepData[0] = {255, 0x10, 0x01, 0x01};
  const std::string text = WriteKrunChart(chart, testing::oneSongCatalogue(1), kMay7);
  EXPECT_EQ(text, "#title \r\n#date 2003/5/7\r\n#twoplay\r\n#001:011000000000\r\n$001:1000\r\n");
  Chart back;
  ReadKrunChart(text, back);
  EXPECT_EQ(back.StepData[0], chart.StepData[0]);
}

TEST(KrunWrite, OnlyTheSongsMeasuresAreWritten) {
  Chart chart;
  chart.StepData[0][0] = 1;
  chart.StepData[1][0] = 2;
  chart.StepData[470][12] = 4;
  EXPECT_EQ(rowsOf(chart, 1), "#001:1000\r\n");
  EXPECT_EQ(rowsOf(chart, 0), "");
  EXPECT_EQ(rowsOf(chart, -3), "");
  // A song longer than the table still stops at measure 470.
  EXPECT_EQ(rowsOf(chart, 600), "#001:1000\r\n#002:2000\r\n#471:0004\r\n");
  chart.SongIndex = -1;
  EXPECT_EQ(rowsOf(chart, 600), "");
}

}  // namespace
}  // namespace tarveno
