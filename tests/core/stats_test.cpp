#include <gtest/gtest.h>

#include "core/chart/stats.h"

namespace tarveno {
namespace {

Catalogue songOf(int16_t measures) {
  Catalogue c;
  c.SongList[0] = SongRecord{"Tin Meadow", 30, 150, measures, 1, 1, 0};
  return c;
}

ChartStats expectedStats(int16_t objects, int16_t steps, std::array<int16_t, 8> panels,
                         std::array<int16_t, 4> noteValues) {
  return ChartStats{objects, steps, panels, noteValues};
}

void expectStats(const ChartStats& got, const ChartStats& want) {
  EXPECT_EQ(got.objects, want.objects);
  EXPECT_EQ(got.steps, want.steps);
  EXPECT_EQ(got.panels, want.panels);
  EXPECT_EQ(got.noteValues, want.noteValues);
}

TEST(StatsCount, EmptyChartIsAllZero) {
  Chart chart;
  expectStats(ComputeChartStats(chart, songOf(10)), ChartStats{});
}

TEST(StatsCount, AJumpIsTwoObjectsAndOneStep) {
  Chart chart;
  chart.StepData[1][0] = 0x09;  // left and right of the first pad on beat 0
  expectStats(ComputeChartStats(chart, songOf(4)), expectedStats(2, 1, {1, 0, 0, 1, 0, 0, 0, 0}, {2, 0, 0, 0}));
}

TEST(StatsCount, PlainBeatSlotsAreQuarterSixteenthEighthSixteenth) {
  Chart chart;
  chart.PlayStyle = 1;
  chart.StepData[2][4] = 0x01;
  chart.StepData[2][5] = 0x02;
  chart.StepData[2][6] = 0x04;
  chart.StepData[2][7] = 0x88;  // both pads' right
  expectStats(ComputeChartStats(chart, songOf(4)), expectedStats(5, 4, {1, 1, 1, 1, 0, 0, 0, 1}, {1, 1, 3, 0}));
}

TEST(StatsCount, TripletBeatCountsItsNotesAndNotItsMarker) {
  Chart chart;
  chart.StepData[1][8] = kTripletMark;
  chart.StepData[1][9] = 0x01;
  chart.StepData[1][10] = 0x02;
  chart.StepData[1][11] = 0x04;
  expectStats(ComputeChartStats(chart, songOf(4)), expectedStats(3, 3, {1, 1, 1, 0, 0, 0, 0, 0}, {1, 0, 0, 2}));

  // 255 off the beat is a byte of eight arrows in the double style.
  Chart dbl;
  dbl.PlayStyle = 2;
  dbl.StepData[1][1] = 0xFF;
  expectStats(ComputeChartStats(dbl, songOf(4)), expectedStats(8, 1, {1, 1, 1, 1, 1, 1, 1, 1}, {0, 0, 8, 0}));
}

TEST(StatsCount, SingleStyleCountsOnlyTheFirstPad) {
  Chart chart;
  chart.PlayStyle = 0;
  chart.StepData[1][0] = 0x31;  // left, plus a second pad left over from another style
  chart.StepData[1][2] = 0xF0;  // nothing the single chart shows
  chart.StepData[1][4] = kTripletMark;
  chart.StepData[1][6] = 0x22;
  expectStats(ComputeChartStats(chart, songOf(4)), expectedStats(2, 2, {1, 1, 0, 0, 0, 0, 0, 0}, {1, 0, 0, 1}));

  chart.PlayStyle = 1;
  expectStats(ComputeChartStats(chart, songOf(4)), expectedStats(9, 3, {1, 1, 0, 0, 2, 3, 1, 1}, {3, 4, 0, 2}));
}

TEST(StatsCount, OnlyTheSongsMeasuresCount) {
  Chart chart;
  chart.PlayStyle = 2;
  chart.StepData[0][0] = 0x01;
  chart.StepData[2][15] = 0x10;
  chart.StepData[3][0] = 0x04;  // past a 3-measure song
  chart.StepData[470][0] = 0x04;
  expectStats(ComputeChartStats(chart, songOf(3)), expectedStats(2, 2, {1, 0, 0, 0, 1, 0, 0, 0}, {1, 0, 1, 0}));
  EXPECT_EQ(ComputeChartStats(chart, songOf(0)).objects, 0);
  EXPECT_EQ(ComputeChartStats(chart, songOf(-4)).objects, 0);
  EXPECT_EQ(ComputeChartStats(chart, songOf(30000)).objects, 4);  // clipped to the table
}

TEST(StatsCount, SongIndexOutsideTheCatalogueCountsNothing) {
  Chart chart;
  chart.StepData[1][0] = 0x01;
  for (int16_t index : {-1, 501, 32767}) {
    chart.SongIndex = index;
    expectStats(ComputeChartStats(chart, songOf(4)), ChartStats{});
  }
}

TEST(StatsCount, CountsSaturateInsteadOfOverflowing) {
  Chart chart;
  chart.PlayStyle = 2;
  for (auto& measure : chart.StepData) measure.fill(0xFE);  // never a marker, seven arrows each
  ChartStats stats = ComputeChartStats(chart, songOf(471));
  EXPECT_EQ(stats.objects, 32767);  // 52752 arrows
  EXPECT_EQ(stats.steps, 7536);
  EXPECT_EQ(stats.panels[0], 0);
  EXPECT_EQ(stats.panels[7], 7536);
  EXPECT_EQ(stats.noteValues[0], 13188);
  EXPECT_EQ(stats.noteValues[1], 13188);
  EXPECT_EQ(stats.noteValues[2], 26376);
  EXPECT_EQ(stats.noteValues[3], 0);
}

}  // namespace
}  // namespace tarveno
