#include <gtest/gtest.h>

#include "core/chart/chart.h"
#include "support/test_catalogue.h"

namespace tarveno {
namespace {

using Beat = std::array<int, 4>;

TEST(ChartModel, RecalcBeatTypeClassifiesBeatsAndUndoesOneNoteTriplets) {
  // The steps and freeze bits of beat 1 of measure 5, its type, and its steps afterwards.
  const std::tuple<Beat, Beat, int, Beat> cases[] = {
      {{1, 0, 0, 0}, {}, 0, {1, 0, 0, 0}},                       // on the beat only
      {{1, 0, 2, 0}, {}, 1, {1, 0, 2, 0}},                       // an eighth inside
      {{0, 0, 0, 0}, {4, 0, 0, 0}, 1, {0, 0, 0, 0}},             // a freeze bit on the beat alone
      {{0, 255, 0, 0}, {}, 1, {0, 255, 0, 0}},                   // 255 off the beat: eight arrows
      {{kTripletMark, 8, 0, 0}, {}, 0, {8, 0, 0, 0}},            // only the first note: collapses
      {{kTripletMark, 0, 0, 1}, {}, 2, {kTripletMark, 0, 0, 1}}  // a later note keeps the triplet
  };
  for (const auto& [steps, freeze, type, after] : cases) {
    Chart chart;
    for (size_t k = 0; k < 4; ++k) {
      chart.StepData[5][4 + k] = static_cast<uint8_t>(steps[k]);
      chart.FreezeData[5][4 + k] = static_cast<uint8_t>(freeze[k]);
    }
    RecalcBeatType(chart, 1, 5);
    const auto& got = chart.StepData[5];
    EXPECT_EQ(std::tuple(int{chart.BeatType[5][1]}, Beat{got[4], got[5], got[6], got[7]}), std::tuple(type, after))
        << steps[0] << "," << steps[1];
  }
  Chart chart;  // past the freeze table nothing is read out of bounds; past the steps, ignored
  EXPECT_EQ(std::tuple(chart.freezeAt(0, 201), chart.freezeAt(0, 470)), std::tuple(0, 0));
  RecalcBeatType(chart, 0, 300);
  RecalcBeatType(chart, 0, 471);
  RecalcBeatType(chart, 0, -1);
}

TEST(ChartModel, CanPlaceArrowRules) {
  // Style, steps and freeze bits in slot 0 of measure 1, the column asked for, whether it may: a
  // jump on the pad already; the panel taken; the other player free in couple play but not in
  // double play, which counts all eight panels; a freeze body on the panel, or beside an arrow.
  const std::tuple<int, int, int, int, bool> cases[] = {
      {0, 0, 0, 0, true},     {0, 1 | 8, 0, 1, false}, {0, 1 | 8, 0, 0, false},
      {1, 1 | 8, 0, 4, true}, {2, 1 | 8, 0, 4, false}, {2, 16, 0, 0, true},
      {2, 16, 1, 0, false},   {2, 16, 1, 1, false},    {0, kTripletMark, 0, 2, false}};
  for (auto [style, steps, freeze, column, allowed] : cases) {
    Chart chart;
    chart.PlayStyle = static_cast<PlayStyle>(style);
    std::tie(chart.StepData[1][0], chart.FreezeData[1][0]) = std::tuple(steps, freeze);
    EXPECT_EQ(CanPlaceArrow(chart, column, 0, 1), allowed) << style << " " << steps << " " << column;
  }
  EXPECT_EQ(std::pair(CanPlaceArrow(Chart{}, 0, 0, 0), CanPlaceArrow(Chart{}, 0, 0, 471)),
            std::pair(false, false));  // measure 0, past the table
}

TEST(ChartModel, RecalcAllCoversTheSongOnly) {
  Chart chart;
  chart.StepData[1][4] = kTripletMark;
  chart.StepData[1][6] = 1;
  chart.StepData[3][1] = 1;  // beyond a 3-measure song
  Catalogue catalogue = testing::oneSongCatalogue(3);
  recalcAllBeatTypes(chart, catalogue);
  EXPECT_EQ(std::tuple(chart.BeatType[1][1], chart.BeatType[3][0]), std::tuple(2, 0));

  chart.SongIndex = 600;  // no song: nothing recomputed, nothing read out of range
  chart.BeatType = {};
  recalcAllBeatTypes(chart, catalogue);
  EXPECT_EQ(chart.BeatType[1][1], 0);
  chart.SongIndex = 0;
  recalcAllBeatTypes(chart, testing::oneSongCatalogue(600));
  EXPECT_EQ(chart.BeatType[1][1], 2);
}

TEST(ChartModel, ResetKeepsSongAndKrunSizeFields) {
  Chart chart;
  testing::header(chart) = std::tuple(PlayStyle::Double, 0x39, 4, "AB", "T", 3, 5, "c");
  chart.StepData[9][9] = chart.FreezeData[9][9] = chart.BeatType[9][2] = 1;
  resetChartData(chart);
  EXPECT_EQ(testing::header(chart), std::tuple(PlayStyle::Single, 1, 4, "", "", 3, 5, "c"));
  EXPECT_EQ(std::tuple(chart.StepData[9][9], chart.FreezeData[9][9], chart.BeatType[9][2]), std::tuple(0, 0, 0));
}

}  // namespace
}  // namespace tarveno
