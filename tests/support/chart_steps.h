#pragma once

#include <cstdint>
#include <tuple>

#include "core/chart/chart.h"

namespace tarveno::testing {

// Sets a beat's steps directly and recomputes its type, as an edit would.
inline void setSteps(Chart& chart, int measure, int slot, uint8_t bits) {
  chart.StepData[static_cast<size_t>(measure)][static_cast<size_t>(slot)] = bits;
  RecalcBeatType(chart, slot / 4, measure);
}

// Makes beat b of a measure a triplet beat with the three notes given.
inline void makeTriplet(Chart& chart, int measure, int beat, uint8_t first, uint8_t second, uint8_t third) {
  uint8_t* s = &chart.StepData[static_cast<size_t>(measure)][static_cast<size_t>(4 * beat)];
  std::tie(s[0], s[1], s[2], s[3]) = std::tuple(kTripletMark, first, second, third);
  RecalcBeatType(chart, beat, measure);
}

}  // namespace tarveno::testing
