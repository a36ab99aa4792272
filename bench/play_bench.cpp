// Cost of playback's mixing: the whole mix of the longest chart the tables hold must render in
// a small share of its play time, so pulling blocks for the sound card never falls behind.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <memory>

#include "core/play/mix.h"
#include "core/play/schedule.h"

namespace tarveno {
namespace {

constexpr double kBudgetShare = 0.05;  // render time / play time

struct DensePlay {
  DensePlay() {
    catalogue.SongList[0] = SongRecord{"Bench Song", 1, 150, kStepMeasures, 1, 1, 0};
    chart.PlayStyle = PlayStyle::Double;
    // An arrow in every slot, every third beat a triplet beat with three notes.
    for (int m = 1; m < kStepMeasures; ++m) {
      for (int s = 0; s < kSlotsPerMeasure; ++s) chart.StepData[m][s] = static_cast<uint8_t>(1 << (s % 8));
      for (int b = 0; b < kBeatsPerMeasure; ++b) {
        if ((4 * m + b) % 3 == 0) chart.StepData[m][4 * b] = kTripletMark;
      }
    }
    // Music as long as the song: a quiet tone on both sides.
    const Schedule whole = buildSchedule(chart, catalogue, MeterSegs{}, 150, 0);
    auto pcm = std::make_shared<MusicPcm>();
    const auto frames = static_cast<size_t>(whole.length() * kMixRate);
    pcm->samples.resize(frames * kMixChannels);
    for (size_t i = 0; i < frames; ++i) {
      const auto value = static_cast<int16_t>(4000 * std::sin(i * 0.0577));
      pcm->samples[2 * i] = pcm->samples[2 * i + 1] = value;
    }
    music = std::move(pcm);
  }
  Catalogue catalogue;
  Chart chart;
  std::shared_ptr<const MusicPcm> music;
};

// Schedule, plan and every block of the mix (ticks, metronome and music), pulled in blocks
// of 100 ms as the sound card would.
void BM_RenderWholeMix(benchmark::State& state) {
  static const DensePlay dense;
  double playSeconds = 0;
  double renderSeconds = 0;
  for (auto _ : state) {
    const auto began = std::chrono::steady_clock::now();
    const Schedule schedule = buildSchedule(dense.chart, dense.catalogue, MeterSegs{}, 150, 0);
    auto plan = std::make_shared<const MixPlan>(planMix(schedule, MixSettings{true, true, 80, 60}, dense.music, 40));
    MixCursor cursor(plan);
    std::vector<int16_t> block(kMixRate / 10 * kMixChannels);
    while (cursor.read(block) > 0) benchmark::DoNotOptimize(block.data());
    renderSeconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    playSeconds += plan->seconds();
  }
  const double share = renderSeconds / playSeconds;
  state.counters["render_per_play_percent"] = 100 * share;
  if (share > kBudgetShare) state.SkipWithError("the mix renders in more than 5% of its play time");
}
BENCHMARK(BM_RenderWholeMix)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarveno
