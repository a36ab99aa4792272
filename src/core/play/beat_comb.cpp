#include "core/play/beat_comb.h"

#include <algorithm>
#include <cmath>

namespace tarveno {

namespace {

constexpr int kPhaseSteps = 4;      // phases tried per value
constexpr double kToothHalf = 1.5;  // values on each side of a tooth counted as on it

double at(const std::vector<float>& strength, double index) {
  const auto low = static_cast<size_t>(index);
  const double part = index - static_cast<double>(low);
  const double next = low + 1 < strength.size() ? strength[low + 1] : 0.0;
  return strength[low] * (1 - part) + next * part;
}

}  // namespace

double combAt(const std::vector<float>& strength, double period, double phase) {
  const auto last = static_cast<double>(strength.size()) - 1;
  double sum = 0;
  int teeth = 0;
  for (double index = phase; index <= last; index += period) {
    sum += at(strength, index);
    ++teeth;
  }
  return teeth == 0 ? 0.0 : sum / teeth;
}

CombPeak bestPhase(const std::vector<float>& strength, double period) {
  const int steps = std::max(1, static_cast<int>(std::ceil(period * kPhaseSteps)));
  const double step = period / steps;
  std::vector<double> values(static_cast<size_t>(steps));
  for (int i = 0; i < steps; ++i) values[i] = combAt(strength, period, i * step);
  const auto best = static_cast<int>(std::max_element(values.begin(), values.end()) - values.begin());
  // The comb wraps around: the phase before 0 is the last one.
  const double left = values[(best + steps - 1) % steps];
  const double right = values[(best + 1) % steps];
  const double middle = values[best];
  const double curve = left - 2 * middle + right;
  const double shift = curve < 0 ? std::clamp(0.5 * (left - right) / curve, -0.5, 0.5) : 0.0;
  const double phase = std::fmod((best + shift) * step + period, period);
  return {phase, middle};
}

double gridShare(const std::vector<float>& strength, double period, double phase) {
  double total = 0, onTeeth = 0;
  for (size_t i = 0; i < strength.size(); ++i) {
    total += strength[i];
    double distance = std::fmod(static_cast<double>(i) - phase, period);
    if (distance < 0) distance += period;
    if (std::min(distance, period - distance) <= kToothHalf) onTeeth += strength[i];
  }
  if (total <= 0 || period <= 2 * kToothHalf) return 0;
  const double even = (2 * kToothHalf + 1) / period;
  return std::clamp((onTeeth / total - even) / (1 - even), 0.0, 1.0);
}

}  // namespace tarveno
