// Cost of finding a music file's beat and tempo: for a three-minute song each must take at
// most a second, so that the editor's button answers at once.
#include <benchmark/benchmark.h>

#include <cmath>
#include <ctime>
#include <numbers>
#include <random>

#include "core/play/beat_sync.h"

namespace tarveno {
namespace {

constexpr double kBudgetSeconds = 1.0;
constexpr double kTempo = 132.7;
constexpr double kSongSeconds = 180;

// Three minutes of stereo music: a kick on every beat from 0.8 s on, a noise hat between, a
// quiet tone held under them and a little noise.
MusicPcm threeMinuteSong() {
  const auto frames = static_cast<size_t>(kSongSeconds * kMixRate);
  const double beat = kMixRate * 60 / kTempo;
  std::mt19937 random(1);
  std::uniform_real_distribution<float> noise(-1, 1);
  std::vector<float> mono(frames);
  for (size_t i = 0; i < frames; ++i) mono[i] = 0.01f * noise(random) + 0.05f * std::sin(i * 0.0288f);
  for (double at = 0.8 * kMixRate; at + 0.15 * kMixRate < frames; at += beat) {
    for (int d = 0; d < 0.15 * kMixRate; ++d) {
      const double t = d / double(kMixRate);
      mono[static_cast<size_t>(at) + d] += 0.5f * std::sin(2 * std::numbers::pi * 70 * t) * std::exp(-t / 0.05);
      if (d < 1500) mono[static_cast<size_t>(at + beat / 2) + d] += 0.1f * noise(random) * std::exp(-d / 400.0);
    }
  }
  MusicPcm music;
  music.samples.resize(2 * frames);
  for (size_t i = 0; i < frames; ++i) {
    music.samples[2 * i] = static_cast<int16_t>(std::clamp(mono[i], -1.0f, 1.0f) * 32767);
    music.samples[2 * i + 1] = static_cast<int16_t>(std::clamp(mono[i] * 0.9f, -1.0f, 1.0f) * 32767);
  }
  return music;
}

const MusicPcm& song() {
  static const MusicPcm music = threeMinuteSong();
  return music;
}

// Processor time, not the clock's: the machine may be busy with other work, which the user's
// would not be.
template <class Find>
void timeWithinBudget(benchmark::State& state, Find&& find) {
  double worst = 0, found = 0;
  for (auto _ : state) {
    const std::clock_t began = std::clock();
    benchmark::DoNotOptimize(found = find());
    worst = std::max(worst, double(std::clock() - began) / CLOCKS_PER_SEC);
  }
  state.counters["worst_seconds"] = worst;
  state.counters["found"] = found;
  if (worst > kBudgetSeconds) state.SkipWithError("a three-minute song took more than a second");
}

void BM_FindOffsetOfThreeMinutes(benchmark::State& state) {
  song();
  timeWithinBudget(state, [] { return findOffset(song(), kTempo, 60000.0).offsetMs; });
}
BENCHMARK(BM_FindOffsetOfThreeMinutes)->Unit(benchmark::kMillisecond);

void BM_FindTempoOfThreeMinutes(benchmark::State& state) {
  song();
  timeWithinBudget(state, [] { return findTempo(song(), 60, 300, 130.0).tempo; });
}
BENCHMARK(BM_FindTempoOfThreeMinutes)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarveno
