#include <gtest/gtest.h>

#include "core/edit/clipboard.h"

namespace tarveno {
namespace {

TEST(EditClipboard, BeatsKeepTheirSlotsButNotTheirPlaceInTheMeasure) {
  Chart chart;
  chart.StepData[1] = {1, 0, 0, 0, 2, 0, 4, 0, 8, 0, 0, 0, 0, 1, 0, 0};
  chart.FreezeData[1][9] = 8;
  const Chart before = chart;
  Clipboard clip;
  CopyBeats(chart, 4, 8, clip);
  EXPECT_EQ(clip.ClipBeats, 4);
  EXPECT_EQ(chart.StepData, before.StepData);

  PasteBeats(chart, 4 * 5 + 2, clip);  // third beat of measure 5
  const MeasureBytes five{0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 2, 0, 4, 0};
  const MeasureBytes six{8, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(chart.StepData[5], five);
  EXPECT_EQ(chart.StepData[6], six);
  EXPECT_EQ(chart.FreezeData[6][1], 8);
  EXPECT_EQ(
      (std::array<uint8_t, 4>{chart.BeatType[5][2], chart.BeatType[5][3], chart.BeatType[6][0], chart.BeatType[6][1]}),
      (std::array<uint8_t, 4>{0, 1, 1, 1}));

  // Cut empties and recomputes; pasting at the same place gives the chart back.
  const Chart pasted = chart;
  CutBeats(chart, 20, 26, clip);
  EXPECT_EQ(chart.StepData[5], MeasureBytes{});
  EXPECT_EQ(chart.FreezeData[6][1], 0);
  EXPECT_EQ(chart.BeatType[6][1], 0);
  PasteBeats(chart, 20, clip);
  EXPECT_EQ(chart.StepData, pasted.StepData);
  EXPECT_EQ(chart.FreezeData, pasted.FreezeData);
  EXPECT_EQ(chart.BeatType, pasted.BeatType);
}

TEST(EditClipboard, TripletBeatsAreRecomputedWherePasted) {
  Chart chart;
  chart.StepData[2] = {kTripletMark, 1, 2, 0, kTripletMark, 4, 0, 0};  // the second has one note
  Clipboard clip;
  CopyBeats(chart, 8, 10, clip);
  PasteBeats(chart, 13, clip);  // beats 1 and 2 of measure 3
  EXPECT_EQ(chart.StepData[3], (MeasureBytes{0, 0, 0, 0, kTripletMark, 1, 2, 0, 4, 0, 0, 0}));
  EXPECT_EQ(chart.BeatType[3][1], 2);
  EXPECT_EQ(chart.BeatType[3][2], 0);
}

TEST(EditClipboard, FreezeStopsAtMeasure200AndPasteAtMeasure470) {
  Chart chart;
  for (auto& row : chart.FreezeData) row.fill(0x11);
  Clipboard clip;
  for (auto& row : clip.ClipFreeze) row.fill(0xFF);  // stale bytes must be overwritten
  CopyBeats(chart, 4 * 199, 4 * 202, clip);          // the last 4 beats have no freeze storage
  EXPECT_EQ(clip.ClipFreeze[1][0], 0x11);
  EXPECT_EQ(clip.ClipFreeze[2], MeasureBytes{});

  chart = Chart{};
  chart.StepData[1] = {3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3};
  chart.FreezeData[1].fill(0x22);
  CopyBeats(chart, 4, 8, clip);
  PasteBeats(chart, 4 * 200 + 2, clip);
  EXPECT_EQ(chart.FreezeData[200],
            (MeasureBytes{0, 0, 0, 0, 0, 0, 0, 0, 0x22, 0x22, 0x22, 0x22, 0x22, 0x22, 0x22, 0x22}));
  EXPECT_EQ(chart.StepData[201][7], 3);
  EXPECT_EQ(chart.StepData[201][8], 0);

  const Chart before = chart;
  PasteBeats(chart, 4 * 470 + 2, clip);  // two beats fit, two would lie past the table
  EXPECT_EQ(chart.StepData[470][8], 3);
  EXPECT_EQ(chart.StepData[470][0], 0);
  for (int m = 0; m < 470; ++m) EXPECT_EQ(chart.StepData[m], before.StepData[m]) << m;
}

}  // namespace
}  // namespace tarveno
