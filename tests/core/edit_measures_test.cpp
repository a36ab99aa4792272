#include <gtest/gtest.h>

#include <functional>

#include "core/edit/measures.h"

namespace tarveno {
namespace {

// Every row carries its own number, a triplet beat, and (up to row 200) a freeze bit pattern.
Chart taggedChart() {
  Chart chart;
  for (int r = 0; r < kStepMeasures; ++r) {
    chart.StepData[r] = {0, uint8_t(r % 256), uint8_t(r / 256 + 1), 0, 0, 0, 0, 0, kTripletMark, 1, 2};
    if (r < kFreezeMeasures) chart.FreezeData[r][3] = uint8_t(r + 1);
    for (int b = 0; b < 4; ++b) RecalcBeatType(chart, b, r);
  }
  return chart;
}

// The first row that differs from the original row source(row) (-1: an empty row), or -1.
int firstWrongRow(const Chart& got, const Chart& original, const std::function<int(int)>& source) {
  for (int r = 0; r < kStepMeasures; ++r) {
    const int s = source(r);
    Chart want;
    if (s >= 0) want.StepData[0] = original.StepData[s];
    if (s >= 0 && s < kFreezeMeasures) want.FreezeData[0] = original.FreezeData[s];
    for (int b = 0; b < 4; ++b) RecalcBeatType(want, b, 0);
    const bool freezeOk = r >= kFreezeMeasures || got.FreezeData[r] == want.FreezeData[0];
    if (got.StepData[r] != want.StepData[0] || got.BeatType[r] != want.BeatType[0] || !freezeOk) return r;
  }
  return -1;
}

TEST(EditMeasures, InsertPushesBackAndLosesOnlyWhatPassesMeasure471) {
  const Chart original = taggedChart();
  for (auto [at, count] : {std::pair{100, 3}, {1, 1}, {199, 5}, {300, 10}, {461, 10}}) {
    Chart chart = original;
    ASSERT_TRUE(InsertMeasures(chart, at, count));
    EXPECT_EQ(
        firstWrongRow(chart, original, [&](int r) { return r < at - 1           ? r
                                                           : r < at - 1 + count ? -1
                                                                                : r - count; }), -1)
        << at << "+" << count;
  }
}

TEST(EditMeasures, DeleteEmptiesOrPullsForwardWithoutRepeatingTheTail) {
  const Chart original = taggedChart();
  for (auto [first, last] : {std::pair{100, 102}, {150, 250}, {3, 4}, {1, 471}, {471, 471}}) {
    const int removed = last - first + 1;
    Chart chart = original;
    ASSERT_TRUE(DeleteMeasures(chart, first, last, true));
    EXPECT_EQ(firstWrongRow(chart, original,
                            [&](int r) { return r < first - 1                 ? r
                                                : r + removed < kStepMeasures ? r + removed
                                                                              : -1; }),
              -1)
        << first << ".." << last << " closed";
    chart = original;
    ASSERT_TRUE(DeleteMeasures(chart, first, last, false));
    EXPECT_EQ(firstWrongRow(chart, original, [&](int r) { return r >= first - 1 && r < last ? -1 : r; }), -1)
        << first << ".." << last;
  }
}

TEST(EditMeasures, RefusedNumbersChangeNothing) {
  const Chart original = taggedChart();
  Chart chart = original;
  EXPECT_FALSE(InsertMeasures(chart, 0, 1));
  EXPECT_FALSE(InsertMeasures(chart, 5, 0));
  EXPECT_FALSE(InsertMeasures(chart, 1, 471));
  EXPECT_TRUE(insertValuesAccepted(1, 470));
  EXPECT_FALSE(DeleteMeasures(chart, 0, 3, true));
  EXPECT_FALSE(DeleteMeasures(chart, 4, 3, false));
  EXPECT_FALSE(DeleteMeasures(chart, 1, 472, true));
  EXPECT_EQ(chart.StepData, original.StepData);
  EXPECT_EQ(chart.FreezeData, original.FreezeData);
}

}  // namespace
}  // namespace tarveno
