#pragma once

#include <vector>

namespace tarveno {

// A comb laid over the onset strength: teeth every `period` values from `phase` on (both in
// values, fractional), reading between two values by straight-line interpolation.

// The average strength under the teeth; 0 when no tooth falls on the values.
double combAt(const std::vector<float>& strength, double period, double phase);

struct CombPeak {
  double phase = 0;  // in [0, period)
  double value = 0;  // the average strength under the teeth there
};

// The phase whose teeth gather the most strength, searched on quarter values and refined
// between them by a parabola through the best and its neighbours.
CombPeak bestPhase(const std::vector<float>& strength, double period);

// The share of all strength lying within a few values of the teeth, beyond the share that
// strength spread evenly would put there, as 0..1: 0 for onsets that ignore the comb, 1 when
// every onset is on a tooth.
double gridShare(const std::vector<float>& strength, double period, double phase);

}  // namespace tarveno
