#include <gtest/gtest.h>

#include "core/chart/chart.h"
#include "support/test_catalogue.h"

namespace tarveno {
namespace {

TEST(ChartModel, RecalcBeatTypeClassifiesBeats) {
  Chart chart;
  chart.StepData[3][4] = 1;  // on-beat only
  RecalcBeatType(chart, 1, 3);
  EXPECT_EQ(chart.BeatType[3][1], 0);

  chart.StepData[3][6] = 2;  // an eighth inside beat 1
  RecalcBeatType(chart, 1, 3);
  EXPECT_EQ(chart.BeatType[3][1], 1);

  // A freeze bit on the on-beat slot alone makes the beat sixteenth-level.
  chart.FreezeData[3][8] = 4;
  RecalcBeatType(chart, 2, 3);
  EXPECT_EQ(chart.BeatType[3][2], 1);
}

TEST(ChartModel, TripletBeatWithOnlyItsFirstNoteCollapses) {
  Chart chart;
  chart.StepData[5][4] = kTripletMark;
  chart.StepData[5][5] = 8;
  RecalcBeatType(chart, 1, 5);
  EXPECT_EQ(chart.StepData[5][4], 8);
  EXPECT_EQ(chart.StepData[5][5], 0);
  EXPECT_EQ(chart.BeatType[5][1], 0);

  chart.StepData[5][0] = kTripletMark;
  chart.StepData[5][3] = 1;
  RecalcBeatType(chart, 0, 5);
  EXPECT_EQ(chart.StepData[5][0], kTripletMark);
  EXPECT_EQ(chart.BeatType[5][0], 2);
}

TEST(ChartModel, MarkerOnlyCountsOnTheBeat) {
  Chart chart;
  chart.StepData[5][5] = 255;  // eight arrows, not a marker
  RecalcBeatType(chart, 1, 5);
  EXPECT_EQ(chart.BeatType[5][1], 1);
  EXPECT_EQ(chart.StepData[5][5], 255);
}

TEST(ChartModel, FreezeBeyondTheTableReadsAsZero) {
  Chart chart;
  EXPECT_EQ(chart.freezeAt(0, 201), 0);
  EXPECT_EQ(chart.freezeAt(0, 470), 0);
  chart.StepData[300][1] = 0;
  RecalcBeatType(chart, 0, 300);  // must not read FreezeData out of bounds
  EXPECT_EQ(chart.BeatType[300][0], 0);
  RecalcBeatType(chart, 0, 471);  // ignored
  RecalcBeatType(chart, 0, -1);
}

TEST(ChartModel, CanPlaceArrowRules) {
  Chart chart;
  EXPECT_FALSE(CanPlaceArrow(chart, 0, 0, 0)) << "measure 0 never takes arrows";
  EXPECT_TRUE(CanPlaceArrow(chart, 0, 0, 1));

  chart.StepData[1][0] = 1 | 8;  // a jump on the first pad
  EXPECT_FALSE(CanPlaceArrow(chart, 1, 0, 1));
  EXPECT_FALSE(CanPlaceArrow(chart, 0, 0, 1)) << "occupied panel";
  chart.PlayStyle = 1;
  EXPECT_TRUE(CanPlaceArrow(chart, 4, 0, 1)) << "the other player is free in couple play";
  chart.PlayStyle = 2;
  EXPECT_FALSE(CanPlaceArrow(chart, 4, 0, 1)) << "double play counts all eight panels";

  chart.StepData[1][4] = 16;
  EXPECT_TRUE(CanPlaceArrow(chart, 0, 4, 1));
  chart.FreezeData[1][4] = 1;  // a freeze body on panel 0
  EXPECT_FALSE(CanPlaceArrow(chart, 0, 4, 1));
  EXPECT_FALSE(CanPlaceArrow(chart, 1, 4, 1)) << "freeze body plus arrow make two";

  chart.StepData[2][8] = kTripletMark;
  EXPECT_FALSE(CanPlaceArrow(chart, 2, 8, 2));
  EXPECT_FALSE(CanPlaceArrow(chart, 0, 0, 471));
}

TEST(ChartModel, RecalcAllCoversTheSongOnly) {
  Chart chart;
  chart.StepData[1][4] = kTripletMark;
  chart.StepData[1][6] = 1;
  chart.StepData[3][1] = 1;  // beyond a 3-measure song
  Catalogue catalogue = testing::oneSongCatalogue(3);
  RecalcAllBeatTypes(chart, catalogue);
  EXPECT_EQ(chart.BeatType[1][1], 2);
  EXPECT_EQ(chart.BeatType[3][0], 0);

  chart.SongIndex = 600;  // no song: nothing recomputed, nothing read out of range
  chart.BeatType = {};
  RecalcAllBeatTypes(chart, catalogue);
  EXPECT_EQ(chart.BeatType[1][1], 0);

  Catalogue longSong = testing::oneSongCatalogue(600);
  chart.SongIndex = 0;
  RecalcAllBeatTypes(chart, longSong);
  EXPECT_EQ(chart.BeatType[1][1], 2);
}

TEST(ChartModel, ResetKeepsSongAndKrunSizeFields) {
  Chart chart;
  chart.SongIndex = 4;
  chart.KrunWidth = 3;
  chart.KrunHeight = 5;
  chart.KrunComment = "c";
  chart.PlayStyle = 2;
  chart.Difficulty = 0x39;
  chart.EditName = "AB";
  chart.KrunTitle = "T";
  chart.StepData[9][9] = 1;
  chart.FreezeData[9][9] = 1;
  chart.BeatType[9][2] = 1;
  ResetChartData(chart);
  EXPECT_EQ(chart.SongIndex, 4);
  EXPECT_EQ(chart.KrunWidth, 3);
  EXPECT_EQ(chart.KrunHeight, 5);
  EXPECT_EQ(chart.KrunComment, "c");
  EXPECT_EQ(chart.PlayStyle, 0);
  EXPECT_EQ(chart.Difficulty, 1);
  EXPECT_TRUE(chart.EditName.empty());
  EXPECT_TRUE(chart.KrunTitle.empty());
  EXPECT_EQ(chart.StepData[9][9], 0);
  EXPECT_EQ(chart.FreezeData[9][9], 0);
  EXPECT_EQ(chart.BeatType[9][2], 0);
}

TEST(ChartModel, FormCheckNamesTheMissingField) {
  Chart chart;
  EXPECT_EQ(FormCheck(chart, ChartFileKind::Krun), "KRUNタイトルが未記入です。");
  EXPECT_EQ(FormCheck(chart, ChartFileKind::Card), "EDIT名が未記入です。");
  chart.EditName = "A";
  EXPECT_EQ(FormCheck(chart, ChartFileKind::Card), std::nullopt) << "a card save needs no title";
  chart.KrunTitle = "T";
  EXPECT_EQ(FormCheck(chart, ChartFileKind::Krun), std::nullopt);
}

}  // namespace
}  // namespace tarveno
