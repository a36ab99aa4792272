#pragma once

#include <cstddef>
#include <cstdint>

#include "core/chart/chart.h"

namespace tarveno {

// Global beat g = measure * 4 + beat. The step table holds beats 0..1883, the freeze table
// beats 0..803; a beat of either table (chart or clipboard) owns 4 contiguous slots.
inline constexpr int kStepBeats = kStepMeasures * kBeatsPerMeasure;
inline constexpr int kFreezeBeats = kFreezeMeasures * kBeatsPerMeasure;

// The 4 slot bytes of beat g (0 <= g < beats of the table) in a StepTable or FreezeTable.
template <class Table>
auto* beatBytes(Table& table, int g) {
  return table[static_cast<size_t>(g / kBeatsPerMeasure)].data() + (g % kBeatsPerMeasure) * 4;
}

inline void recalcBeat(Chart& chart, int g) {
  RecalcBeatType(chart, g % kBeatsPerMeasure, g / kBeatsPerMeasure);
}

}  // namespace tarveno
