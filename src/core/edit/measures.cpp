#include "core/edit/measures.h"

#include <cstdint>

namespace tarveno {

namespace {

inline constexpr int kMeasureLimit = 472;  // measure numbers run 1..471

void recalcRow(Chart& chart, int row) {
  for (int b = 0; b < kBeatsPerMeasure; ++b) RecalcBeatType(chart, b, row);
}

// Freeze bits exist for rows 0..200 only: a row without storage reads as zero and takes nothing.
void moveRow(Chart& chart, int from, int to) {
  chart.StepData[static_cast<size_t>(to)] = chart.StepData[static_cast<size_t>(from)];
  if (to < kFreezeMeasures) {
    chart.FreezeData[static_cast<size_t>(to)] =
        from < kFreezeMeasures ? chart.FreezeData[static_cast<size_t>(from)] : MeasureBytes{};
  }
  recalcRow(chart, to);
}

void emptyRow(Chart& chart, int row) {
  chart.StepData[static_cast<size_t>(row)] = {};
  if (row < kFreezeMeasures) chart.FreezeData[static_cast<size_t>(row)] = {};
  recalcRow(chart, row);
}

}  // namespace

bool insertValuesAccepted(int v1, int v2) {
  return v1 >= 1 && v2 >= 1 && static_cast<int64_t>(v1) + v2 < kMeasureLimit;
}

bool deleteValuesAccepted(int v1, int v2) {
  return v1 >= 1 && v1 <= v2 && v2 < kMeasureLimit;
}

// Both shifts run over the whole step table rather than over the rows that have freeze
// storage: a song longer than 200 measures must keep every measure after the edited range,
// so nothing from its middle may drop out or show up twice.

bool insertMeasures(Chart& chart, int start, int count) {
  if (!insertValuesAccepted(start, count)) return false;
  // Downwards, so every row is read before it is overwritten.
  for (int n = kStepMeasures - count; n >= start; --n) moveRow(chart, n - 1, n - 1 + count);
  for (int n = start; n < start + count; ++n) emptyRow(chart, n - 1);
  return true;
}

bool deleteMeasures(Chart& chart, int first, int last, bool closeGap) {
  if (!deleteValuesAccepted(first, last)) return false;
  if (!closeGap) {
    for (int n = first; n <= last; ++n) emptyRow(chart, n - 1);
    return true;
  }
  const int removed = last - first + 1;
  // Upwards, so every row is read before it is overwritten.
  for (int n = first; n <= kStepMeasures - 1 - last + first; ++n) moveRow(chart, last + n - first, n - 1);
  // The rows freed at the end would otherwise repeat the measures just moved forward.
  for (int row = kStepMeasures - removed; row < kStepMeasures; ++row) emptyRow(chart, row);
  return true;
}

}  // namespace tarveno
