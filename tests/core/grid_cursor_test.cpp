#include <gtest/gtest.h>

#include <string>

#include "core/edit/beats.h"
#include "core/edit/grid_cursor.h"

namespace tarveno {
namespace {

// Measure 1: row 4 plain, row 5 sixteenth-level, row 6 a triplet beat, row 7 plain; row 8 plain.
Chart walkChart() {
  Chart chart;
  chart.StepData[1][5] = 1;
  std::tie(chart.StepData[1][8], chart.StepData[1][9], chart.StepData[1][10]) = std::tuple(kTripletMark, 1, 2);
  for (int g = 4; g < 9; ++g) recalcBeat(chart, g);
  return chart;
}

// "pos/divide" for each step down from the first position of row 4 into row 8, under each
// grid the user may choose; going back up retraces the same positions.
TEST(GridCursor, StepsOverEachKindOfBeatSwitchingAsTheMouseDoes) {
  const Chart chart = walkChart();
  const std::pair<int, const char*> walks[] = {
      {4, "20/4 25/4 28/4 32/4"},
      {8, "18/8 20/8 22/8 25/12 26/12 27/12 28/8 30/8 32/8"},
      {16, "17/16 18/16 19/16 20/16 21/16 22/16 23/16 25/12 26/12 27/12 28/16 29/16 30/16 31/16 32/16"},
      {12, "18/12 19/12 20/16 21/16 22/16 23/16 25/12 26/12 27/12 29/12 30/12 31/12 33/12"}};
  for (const auto& [user, expected] : walks) {
    int divide = divisionOverBeat(BeatKind::Plain, user, user);
    const int start = gridPositions(BeatKind::Plain, 4, divide).pos[0];
    std::string down;
    std::vector<std::pair<int, int>> trail{{start, divide}};
    for (int pos = start; pos / 4 < 8;) {
      const auto step = stepOnGrid(chart, pos, 1, user, divide, true, 3, 20);
      ASSERT_TRUE(step.has_value()) << user << " " << pos;
      std::tie(pos, divide) = std::pair(step->pos, step->divide);
      down += (down.empty() ? "" : " ") + std::to_string(pos) + "/" + std::to_string(divide);
      trail.emplace_back(pos, divide);
    }
    EXPECT_EQ(down, expected) << "user grid " << user;
    for (size_t i = trail.size() - 1; i > 0; --i) {
      const auto up = stepOnGrid(chart, trail[i].first, -1, user, trail[i].second, true, 3, 20);
      ASSERT_TRUE(up.has_value());
      EXPECT_EQ(up->pos, trail[i - 1].first) << "user grid " << user << " up from " << trail[i].first;
    }
  }
}

TEST(GridCursor, StopsAtTheFirstAndLastRowsAndAtTheTable) {
  const Chart chart;
  EXPECT_FALSE(stepOnGrid(chart, 12, -1, 4, 4, true, 3, 20).has_value());
  EXPECT_FALSE(stepOnGrid(chart, 4 * 20 + 3, 1, 16, 16, true, 3, 20).has_value());
  EXPECT_FALSE(stepOnGrid(chart, 4 * (kStepBeats - 1), 1, 4, 4, true, 3, kStepBeats + 5).has_value());
  // A cursor left off the grid by a change of division steps onto it.
  EXPECT_EQ(stepOnGrid(chart, 4 * 5 + 1, 1, 8, 8, true, 3, 20)->pos, 4 * 5 + 2);
  EXPECT_EQ(stepOnGrid(chart, 4 * 5 + 1, -1, 8, 8, true, 3, 20)->pos, 4 * 5);
}

// On the triplet grid the first note of a beat is read where the edits put it: on a triplet
// beat its note after the marker, on any other beat its on-beat slot.
TEST(GridCursor, ReadsTheFirstNoteOfABeatWhereTheTripletGridPutsIt) {
  Chart chart = walkChart();
  chart.StepData[1][12] = 4;
  recalcBeat(chart, 7);
  EXPECT_TRUE(cellOccupied(chart, 0, 4 * 6 + 1, 12)) << "first note of the triplet beat";
  EXPECT_FALSE(cellOccupied(chart, 1, 4 * 6 + 1, 12)) << "its second note's column";
  EXPECT_TRUE(cellOccupied(chart, 2, 4 * 7 + 1, 12)) << "on-beat arrow of a plain beat";
}

}  // namespace
}  // namespace tarveno
