#include <gtest/gtest.h>

#include <vector>

#include "core/chart/editing.h"

namespace tarveno {
namespace {

using V = std::vector<int>;

V slots(const MeasureBytes& bytes, int from, int to) {
  return V(bytes.begin() + from, bytes.begin() + to + 1);
}

TEST(ChartEditing, ArrowsRespectThePlacementRuleAndTheTripletGridMakesAndUndoesTripletBeats) {
  Chart chart;
  chart.PlayStyle = PlayStyle::Couple;
  for (int column : {0, 3, 1, 5}) PlaceArrow(chart, column, 16, 4);  // the third on one pad is refused
  EXPECT_EQ(chart.StepData[1][0], 1 | 8 | 32);
  EXPECT_TRUE(PlaceArrow(chart, 0, 18, 8));
  EXPECT_EQ(chart.BeatType[1][0], 1);
  EraseArrow(chart, 0, 18, 8);
  EXPECT_EQ(chart.BeatType[1][0], 0);
  EraseArrow(chart, 0, 16 * 471, 4);  // past the tables: ignored

  chart.PlayStyle = PlayStyle::Single;
  PlaceArrow(chart, 0, 33, 12);  // the first note of a plain beat is its on-beat slot
  EXPECT_EQ(slots(chart.StepData[2], 0, 2), (V{1, 0, 0}));
  PlaceArrow(chart, 3, 34, 12);  // a second note makes the beat a triplet beat
  EXPECT_EQ(slots(chart.StepData[2], 0, 2), (V{kTripletMark, 1, 8}));
  EraseArrow(chart, 3, 34, 12);  // and back, with the arrow on the beat
  EXPECT_EQ(std::pair(slots(chart.StepData[2], 0, 2), chart.BeatType[2][0]), std::pair(V{1, 0, 0}, uint8_t{0}));

  chart.StepData[2] = {kTripletMark, 1, 0, 2};
  EraseArrow(chart, 0, 33, 12);  // erasing the first note keeps a triplet of two
  EXPECT_EQ(slots(chart.StepData[2], 0, 3), (V{kTripletMark, 0, 0, 2}));
  EraseArrow(chart, 0, 32, 12);  // the marker slot holds no arrows to erase
  EXPECT_EQ(chart.StepData[2][0], kTripletMark);
}

TEST(ChartEditing, FreezesAreAllOrNothingAndErasingCutsThemToTheEnd) {
  Chart chart;
  // An arrow on the column inside the range, or two arrows on the player's side: refused.
  for (auto [slot, bits] : {std::pair{8, 1}, {9, 2 | 4}}) {
    chart.StepData[1][slot] = static_cast<uint8_t>(bits);
    EXPECT_FALSE(PlaceFreeze(chart, 0, 20, 26));
    chart.StepData[1][slot] = 0;
  }
  EXPECT_EQ(chart.FreezeData[1], MeasureBytes{});

  ASSERT_TRUE(PlaceFreeze(chart, 0, 20, 26));
  EXPECT_EQ(slots(chart.StepData[1], 4, 10), (V{1, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(slots(chart.FreezeData[1], 3, 11), (V{0, 1, 1, 1, 1, 1, 1, 1, 0}));
  EXPECT_EQ((V{chart.BeatType[1][1], chart.BeatType[1][2]}), (V{1, 1}));
  EraseArrow(chart, 0, 23, 16);
  EXPECT_EQ(slots(chart.FreezeData[1], 4, 10), (V{1, 1, 1, 0, 0, 0, 0}));
  EraseArrow(chart, 0, 20, 16);
  EXPECT_EQ(std::tuple(chart.StepData[1][4], chart.FreezeData[1], chart.BeatType[1][1]),
            std::tuple(0, MeasureBytes{}, 0));

  // The last slots with freeze storage end in measure 200.
  EXPECT_TRUE(PlaceFreeze(chart, 0, 16 * 200 + 12, 16 * 200 + 15));
  EXPECT_FALSE(PlaceFreeze(chart, 1, 16 * 200 + 12, 16 * 201));
  EXPECT_EQ(chart.StepData[200][12], 1);
}

}  // namespace
}  // namespace tarveno
