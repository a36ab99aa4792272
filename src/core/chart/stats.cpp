#include "core/chart/stats.h"

#include <algorithm>
#include <bit>

namespace tarveno {

namespace {

void countByte(ChartStats& stats, uint8_t arrows, int noteValue) {
  if (arrows == 0) return;
  ++stats.steps;
  const int count = std::popcount(arrows);
  stats.objects += count;
  stats.noteValues[static_cast<size_t>(noteValue)] += count;
  for (unsigned bits = arrows; bits != 0; bits &= bits - 1) ++stats.panels[static_cast<size_t>(std::countr_zero(bits))];
}

}  // namespace

ChartStats ComputeChartStats(const Chart& chart, const Catalogue& catalogue) {
  ChartStats stats;
  const int measures = std::clamp(catalogue.measures(chart.SongIndex), 0, kStepMeasures);
  // A single chart shows and saves only the first pad; a second pad left over from a change
  // of style is not part of it.
  const uint8_t panelMask = stylePanels(chart.PlayStyle);
  for (int m = 0; m < measures; ++m) {
    const MeasureBytes& bytes = chart.StepData[static_cast<size_t>(m)];
    for (size_t beat = 0; beat < kBeatsPerMeasure; ++beat) {
      const size_t first = beat * kBeatsPerMeasure;
      if (bytes[first] == kTripletMark) {
        for (size_t j = 0; j < kTripletNoteValue.size(); ++j) {
          countByte(stats, bytes[first + 1 + j] & panelMask, kTripletNoteValue[j]);
        }
      } else {
        for (size_t q = 0; q < kSlotNoteValue.size(); ++q) {
          countByte(stats, bytes[first + q] & panelMask, kSlotNoteValue[q]);
        }
      }
    }
  }
  return stats;
}

}  // namespace tarveno
