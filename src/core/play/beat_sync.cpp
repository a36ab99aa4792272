#include <algorithm>
#include <cmath>
#include <vector>

#include "core/play/beat_comb.h"
#include "core/play/beat_sync.h"
#include "core/play/onset_strength.h"

namespace tarveno {

namespace {

constexpr double kSamplesPerMs = kMixRate / 1000.0;
constexpr int kBefore = 40 * kMixRate / 1000;     // samples summed before the rough beat
constexpr int kAfter = 20 * kMixRate / 1000;      // and after it
constexpr int kPeakReach = 15 * kMixRate / 1000;  // how far from the rough beat the attack may peak
constexpr int kCalmSpan = 15 * kMixRate / 1000;   // the level before the attack is measured over this
constexpr int kSmooth = kMixRate / 4000;          // half the width of the smoothing box (0.25 ms)
constexpr double kRiseShare = 0.1;                // the attack starts this far up its rise
constexpr double kStrongShare = 0.5;              // a strong onset against the average on the beats
constexpr double kEarlyShare = 0.25;              // of a beat: a beat this far before an onset is at it

// The music's energy summed over every beat: sums[d] is the energy at beat + d - kBefore.
std::vector<double> energyAroundBeats(const std::vector<float>& mono, double beat, double period) {
  std::vector<double> sums(kBefore + kAfter, 0.0);
  const auto end = static_cast<double>(mono.size()) - kAfter - 1;
  double first = std::fmod(beat, period);
  while (first < kBefore) first += period;
  for (double at = first; at < end; at += period) {
    const auto start = static_cast<size_t>(std::lround(at)) - kBefore;
    for (size_t d = 0; d < sums.size(); ++d) sums[d] += double(mono[start + d]) * mono[start + d];
  }
  std::vector<double> smooth(sums.size(), 0.0);
  for (int d = 0; d < static_cast<int>(sums.size()); ++d) {
    const int low = std::max(0, d - kSmooth), high = std::min(static_cast<int>(sums.size()) - 1, d + kSmooth);
    for (int j = low; j <= high; ++j) smooth[d] += sums[j];
    smooth[d] /= high - low + 1;
  }
  return smooth;
}

// The sample where the summed energy around the rough beat starts to rise: the last crossing of
// a tenth of the way from the calm level before the attack up to its peak, between samples.
double attackStart(const std::vector<float>& mono, double beat, double period) {
  if (period <= kBefore + kAfter) return beat;
  const std::vector<double> energy = energyAroundBeats(mono, beat, period);
  const auto peakIt = std::max_element(energy.begin() + kBefore - kPeakReach, energy.begin() + kBefore + kPeakReach);
  const auto peak = static_cast<int>(peakIt - energy.begin());
  const int calmEnd = std::max(kCalmSpan, peak - kCalmSpan);
  std::vector<double> calm(energy.begin() + calmEnd - kCalmSpan, energy.begin() + calmEnd);
  std::nth_element(calm.begin(), calm.begin() + calm.size() / 2, calm.end());
  const double level = calm[calm.size() / 2];
  if (*peakIt <= level) return beat;
  const double threshold = level + kRiseShare * (*peakIt - level);
  int d = peak;
  while (d > 0 && energy[d] >= threshold) --d;
  const double rise = energy[d + 1] - energy[d];
  const double part = rise > 0 ? std::clamp((threshold - energy[d]) / rise, 0.0, 1.0) : 0.0;
  return beat + (d + part - kBefore);
}

// The first value that is strong against the average on the beats.
double firstStrongOnset(const std::vector<float>& strength, double onBeats) {
  for (size_t i = 0; i < strength.size(); ++i) {
    if (strength[i] >= kStrongShare * onBeats) return OnsetStrength::sampleOf(static_cast<double>(i));
  }
  return 0;
}

}  // namespace

BeatOffset findOffset(const MusicPcm& music, double tempo, std::optional<double> nearMs) {
  return findOffset(onsetStrength(music), tempo, nearMs);
}

BeatOffset findOffset(const OnsetStrength& strength, double tempo, std::optional<double> nearMs) {
  const double periodSamples = kMixRate * 60.0 / tempo;
  const double period = periodSamples / OnsetStrength::kHop;
  if (!(tempo > 0) || strength.values.size() < 2 * period) return {nearMs.value_or(0), 0};
  const CombPeak peak = bestPhase(strength.values, period);
  if (peak.value <= 0) return {nearMs.value_or(0), 0};
  const double rough = OnsetStrength::sampleOf(peak.phase);
  const double beat = attackStart(strength.mono, rough, periodSamples);
  double k = 0;
  if (nearMs) {
    k = std::round((*nearMs * kSamplesPerMs - beat) / periodSamples);
  } else {
    const double onset = firstStrongOnset(strength.values, peak.value);
    k = std::ceil((onset - beat) / periodSamples - kEarlyShare);
  }
  return {(beat + k * periodSamples) / kSamplesPerMs, gridShare(strength.values, period, peak.phase)};
}

}  // namespace tarveno
