#include <gtest/gtest.h>

#include "support/test_catalogue.h"

#include "core/chart/stats.h"

namespace tarveno {
namespace {

void expectStats(const Chart& chart, int16_t measures, int objects, int steps, std::array<int, 8> panels,
                 std::array<int, 4> noteValues) {
  const ChartStats got = ComputeChartStats(chart, testing::oneSongCatalogue(measures));
  EXPECT_EQ(std::tie(got.objects, got.steps, got.panels, got.noteValues), std::tie(objects, steps, panels, noteValues));
}

TEST(StatsCount, NoteValuesPanelsAndStepsOfEachStyle) {
  Chart chart;
  expectStats(chart, 10, 0, 0, {}, {});
  chart.StepData[1][0] = 0x09;  // a jump: two objects, one step
  expectStats(chart, 4, 2, 1, {1, 0, 0, 1, 0, 0, 0, 0}, {2, 0, 0, 0});

  // A plain beat's slots are quarter, sixteenth, eighth, sixteenth.
  Chart plain;
  plain.PlayStyle = PlayStyle::Couple;
  plain.StepData[2] = {0, 0, 0, 0, 0x01, 0x02, 0x04, 0x88};  // 0x88: both pads' right
  expectStats(plain, 4, 5, 4, {1, 1, 1, 1, 0, 0, 0, 1}, {1, 1, 3, 0});

  // A triplet beat counts its notes and not its marker.
  Chart triplet;
  triplet.StepData[1] = {0, 0, 0, 0, 0, 0, 0, 0, kTripletMark, 0x01, 0x02, 0x04};
  expectStats(triplet, 4, 3, 3, {1, 1, 1, 0, 0, 0, 0, 0}, {1, 0, 0, 2});

  // 255 off the beat is a byte of eight arrows in the double style.
  Chart dbl;
  dbl.PlayStyle = PlayStyle::Double;
  dbl.StepData[1][1] = 0xFF;
  expectStats(dbl, 4, 8, 1, {1, 1, 1, 1, 1, 1, 1, 1}, {0, 0, 8, 0});

  // The single style counts only the first pad.
  Chart single;
  single.StepData[1] = {0x31, 0, 0xF0, 0, kTripletMark, 0, 0x22};  // a second pad left over from another style
  expectStats(single, 4, 2, 2, {1, 1, 0, 0, 0, 0, 0, 0}, {1, 0, 0, 1});
  single.PlayStyle = PlayStyle::Couple;
  expectStats(single, 4, 9, 3, {1, 1, 0, 0, 2, 3, 1, 1}, {3, 4, 0, 2});
}

TEST(StatsCount, OnlyTheSongsMeasuresCountEveryOneOfThem) {
  Chart chart;
  chart.PlayStyle = PlayStyle::Double;
  // Measures 0 and 2 of a 3-measure song, then measures 3 and 470 past it.
  std::tie(chart.StepData[0][0], chart.StepData[2][15], chart.StepData[3][0], chart.StepData[470][0]) =
      std::tuple(0x01, 0x10, 0x04, 0x04);
  expectStats(chart, 3, 2, 2, {1, 0, 0, 0, 1, 0, 0, 0}, {1, 0, 1, 0});
  EXPECT_EQ(ComputeChartStats(chart, testing::oneSongCatalogue(0)).objects, 0);
  EXPECT_EQ(ComputeChartStats(chart, testing::oneSongCatalogue(-4)).objects, 0);
  EXPECT_EQ(ComputeChartStats(chart, testing::oneSongCatalogue(30000)).objects, 4);  // clipped to the table
  // A song index outside the catalogue counts nothing.
  for (int16_t index : {-1, 501, 32767}) {
    chart.SongIndex = index;
    expectStats(chart, 4, 0, 0, {}, {});
  }

  chart.SongIndex = 0;
  for (auto& measure : chart.StepData) measure.fill(0xFE);  // never a marker, seven arrows each
  const int n = 7536;                                       // slots
  expectStats(chart, 471, 7 * n, n, {0, n, n, n, n, n, n, n}, {13188, 13188, 26376, 0});
}

}  // namespace
}  // namespace tarveno
