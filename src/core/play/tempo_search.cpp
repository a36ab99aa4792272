#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

#include "core/play/beat_comb.h"
#include "core/play/beat_sync.h"
#include "core/play/onset_strength.h"

namespace tarveno {

namespace {

constexpr double kValuesPerMinute = kMixRate * 60.0 / OnsetStrength::kHop;
constexpr double kComparable = 0.8;    // of the best score: explains the onsets about as well
constexpr int kLagSlack = 2;           // values around a multiple of the guessed beat searched
constexpr double kFirstReach = 6;      // values the comb may drift over the whole music at most
constexpr double kFinestDrift = 0.02;  // values the comb may drift over the whole music at the last step
// Tempi related to the guess that may explain the same onsets.
constexpr double kRelated[] = {1.0 / 3, 0.5, 2.0 / 3, 1, 1.5, 2, 3};

struct Candidate {
  double period = 0;  // in values
  double score = 0;   // the comb's best average less the overall average
};

double likenessAt(const std::vector<float>& strength, int lag) {
  const auto n = static_cast<int>(strength.size());
  double sum = 0;
  for (int i = 0; i + lag < n; ++i) sum += double(strength[i]) * strength[i + lag];
  return sum / (n - lag);
}

// The lag within [low, high] at which the strength is most like itself, between whole values
// by a parabola through the best and its neighbours.
double likestLag(const std::vector<float>& strength, int low, int high) {
  std::vector<double> likeness;
  for (int lag = low - 1; lag <= high + 1; ++lag) likeness.push_back(likenessAt(strength, lag));
  const auto best = std::max_element(likeness.begin() + 1, likeness.end() - 1) - likeness.begin();
  const double left = likeness[best - 1], middle = likeness[best], right = likeness[best + 1];
  const double curve = left - 2 * middle + right;
  return low - 1 + best + (curve < 0 ? std::clamp(0.5 * (left - right) / curve, -0.5, 0.5) : 0.0);
}

// The beat's length in values, guessed from the lag at which the strength is most like itself
// within the tempo range, then sharpened at twice, four times... that lag: a beat's length is
// known to a fraction of a value, 16 beats' length to the same fraction, a 16th of it for one.
double guessedPeriod(const std::vector<float>& strength, double minBpm, double maxBpm) {
  const auto n = static_cast<int>(strength.size());
  const int low = std::max(2, static_cast<int>(std::floor(kValuesPerMinute / maxBpm)));
  const int high = std::min(n / 2, static_cast<int>(std::ceil(kValuesPerMinute / minBpm)));
  if (high <= low + 1) return 0;
  double period = likestLag(strength, low, high);
  for (int times = 2; times * period + kLagSlack + 1 < n / 2.0; times *= 2) {
    const auto centre = static_cast<int>(std::lround(times * period));
    period = likestLag(strength, centre - kLagSlack, centre + kLagSlack) / times;
  }
  return period;
}

// The period near `guess` whose comb gathers the most, in ever finer steps: each step lets the
// comb drift by a fixed amount over the whole music, so that no peak is stepped over.
Candidate refine(const std::vector<float>& strength, double guess, double average) {
  const auto n = static_cast<double>(strength.size());
  Candidate best{guess, bestPhase(strength, guess).value - average};
  double step = guess / n;  // one value of drift over the music
  double reach = step * kFirstReach;
  while (step * n / guess > kFinestDrift) {
    const double centre = best.period;
    for (double period = centre - reach; period <= centre + reach; period += step) {
      const double score = bestPhase(strength, period).value - average;
      if (score > best.score) best = {period, score};
    }
    reach = 2 * step;
    step /= 4;
  }
  return best;
}

// Among the candidates explaining the onsets about as well as the best, the one nearest the
// hint, or without a hint the fastest.
Candidate choose(const std::vector<Candidate>& candidates, std::optional<double> hintBpm) {
  double top = 0;
  for (const auto& c : candidates) top = std::max(top, c.score);
  const Candidate* chosen = nullptr;
  for (const auto& c : candidates) {
    if (c.score < kComparable * top) continue;
    if (!chosen) {
      chosen = &c;
    } else if (hintBpm && *hintBpm > 0) {
      const double hintPeriod = kValuesPerMinute / *hintBpm;
      if (std::abs(std::log(c.period / hintPeriod)) < std::abs(std::log(chosen->period / hintPeriod))) chosen = &c;
    } else if (c.period < chosen->period) {
      chosen = &c;
    }
  }
  return chosen ? *chosen : Candidate{};
}

}  // namespace

BeatTempo findTempo(const MusicPcm& music, double minBpm, double maxBpm, std::optional<double> hintBpm) {
  return findTempo(onsetStrength(music), minBpm, maxBpm, hintBpm);
}

BeatTempo findTempo(const OnsetStrength& strength, double minBpm, double maxBpm, std::optional<double> hintBpm) {
  const BeatTempo none{hintBpm.value_or(0), 0};
  if (!(minBpm > 0) || !(maxBpm >= minBpm)) return none;
  const std::vector<float>& values = strength.values;
  const double lag = guessedPeriod(values, minBpm, maxBpm);
  if (lag <= 0) return none;
  const double average = std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(values.size());
  std::vector<Candidate> candidates;
  for (double ratio : kRelated) {
    const double bpm = kValuesPerMinute / lag * ratio;
    if (bpm < minBpm || bpm > maxBpm) continue;
    candidates.push_back(refine(values, kValuesPerMinute / bpm, average));
  }
  const Candidate chosen = choose(candidates, hintBpm);
  if (chosen.score <= 0) return none;
  const CombPeak peak = bestPhase(values, chosen.period);
  return {kValuesPerMinute / chosen.period, gridShare(values, chosen.period, peak.phase)};
}

}  // namespace tarveno
