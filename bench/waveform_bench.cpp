// Cost of the waveform beside the grid: its envelope is built off the user-interface thread
// but must still be ready about a second after a 3-minute song is decoded, and drawing the
// strip is part of every redraw, so it must stay within a millisecond, also at every scroll.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <chrono>
#include <cmath>
#include <memory>

#include "core/play/envelope.h"
#include "gui/editor/waveform_strip.h"
#include "gui/play/music_source.h"

namespace tarveno {
namespace {

constexpr double kEnvelopeBudgetMs = 1000;
constexpr double kStripBudgetMs = 1;

// Three minutes of music: a kick on every beat at 150 BPM over a busy high tone.
std::shared_ptr<const MusicPcm> threeMinutes() {
  auto pcm = std::make_shared<MusicPcm>();
  const int64_t frames = 180LL * kMixRate;
  pcm->samples.resize(static_cast<size_t>(2 * frames));
  for (int64_t i = 0; i < frames; ++i) {
    const double sinceBeat = static_cast<double>(i % (kMixRate * 2 / 5)) / kMixRate;
    const double kick = sinceBeat < 0.1 ? 20000 * std::sin(2 * 3.14159 * 55 * sinceBeat) : 0;
    const double tone = 3000 * std::sin(static_cast<double>(i) * 0.3);
    pcm->samples[static_cast<size_t>(2 * i)] = static_cast<int16_t>(kick + tone);
    pcm->samples[static_cast<size_t>(2 * i + 1)] = static_cast<int16_t>(kick - tone);
  }
  return pcm;
}

const std::shared_ptr<const MusicPcm>& music() {
  static const auto pcm = threeMinutes();
  return pcm;
}

void BM_BuildEnvelope(benchmark::State& state) {
  double ms = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    Envelope envelope(music());
    benchmark::DoNotOptimize(envelope.frames());
    ms += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  }
  state.counters["build_ms"] = ms / static_cast<double>(state.iterations());
  state.counters["budget_ms"] = kEnvelopeBudgetMs;
}
BENCHMARK(BM_BuildEnvelope)->Unit(benchmark::kMillisecond);

// The music at hand at once, as after the first decoding.
class KeptMusic : public MusicSource {
 public:
  std::shared_ptr<const MusicPcm> find(int, const QString&) const override { return music(); }
  void load(int, const QString&) override {}
};

// One strip drawn into a frame the size of the editor's, state.range(0): 0 the picture kept
// for the scroll position, 1 a new scroll position every frame (every row looked up).
void BM_DrawStrip(benchmark::State& state) {
  KeptMusic source;
  WaveformStrip strip(&source);
  strip.setMusic(1, QStringLiteral("kicks.wav"), 30, 150);
  while (strip.status() != WaveformStrip::Status::Ready) QApplication::processEvents();
  Catalogue catalogue;
  MeterSegs meters;
  EditorState editor;
  editor.canvasTop = 14;
  editor.playhead = 40.5;
  QImage frame(600, 530, QImage::Format_RGB32);
  double ms = 0;
  int top = 3;
  for (auto _ : state) {
    if (state.range(0) == 1) editor.topRow = 3 + top++ % 300;
    const auto start = std::chrono::steady_clock::now();
    strip.draw(frame, 1, WaveformView{catalogue, 0, meters, editor, 400});
    ms += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  }
  state.counters["frame_ms"] = ms / static_cast<double>(state.iterations());
  state.counters["budget_ms"] = kStripBudgetMs;
}
BENCHMARK(BM_DrawStrip)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tarveno
