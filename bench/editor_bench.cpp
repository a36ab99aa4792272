// Frame cost of the editor canvas: every cursor move to a new cell repaints the whole view,
// so one RedrawCanvas has to stay far below a display frame (16.7 ms at 60 Hz).
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QMouseEvent>

#include <chrono>
#include <cstdio>
#include <random>

#include "core/chart/chart.h"
#include "core/sheet/view_settings.h"
#include "gui/app/app_context.h"
#include "gui/app/main_window.h"
#include "gui/app/qt_prompts.h"
#include "gui/editor/canvas_renderer.h"

namespace tarveno {
namespace {

constexpr double kFrameBudgetMs = 16.7;

// A couple chart as dense as the placement rule allows: two arrows per pad in every slot,
// a triplet beat every third beat, a freeze arrow running through every measure.
void fillDenseCouple(Chart& chart, const Catalogue& catalogue) {
  std::mt19937 random(20240501);
  const int pairs[6] = {0x3, 0x5, 0x9, 0x6, 0xA, 0xC};
  chart.PlayStyle = PlayStyle::Couple;
  const int measures = catalogue.measures(chart.SongIndex);
  for (int m = 1; m < measures; ++m) {
    for (int s = 0; s < 16; ++s) {
      chart.StepData[m][s] = static_cast<uint8_t>(pairs[random() % 6] | (pairs[random() % 6] << 4));
    }
    for (int b = 0; b < 4; ++b) {
      if ((4 * m + b) % 3 == 0) chart.StepData[m][4 * b] = kTripletMark;
    }
    if (m < kFreezeMeasures) {
      // Column 0 (bit 0) holds from slot 1 to slot 7; the pad keeps one other arrow there.
      for (int s = 1; s <= 7; ++s) {
        chart.FreezeData[m][s] |= 1;
        chart.StepData[m][s] = static_cast<uint8_t>((chart.StepData[m][s] & 0xF0) | 0x2 | (s == 1 ? 1 : 0));
      }
    }
  }
  recalcAllBeatTypes(chart, catalogue);
}

struct Editor {
  Editor() : context{document, catalogue, viewSettings, prompts, clipboard, history, {}}, window(nullptr) {}

  void start() {
    SongRecord& song = catalogue.SongList[0];
    song = SongRecord{"Bench Song", 1, 150, 120, 1, 1, 0};
    window = std::make_unique<MainWindow>(context);
    window->show();
    window->load(QString());
    fillDenseCouple(document.chart, catalogue);
    window->layoutEditor();
    EditorState& st = window->editorState();
    window->findChild<QWidget*>(QStringLiteral("VScroll1"))->setProperty("value", 40);
    st.selStart = 42;
    st.selEnd = 50;
    st.cursor.valid = true;
    st.cursor.column = 5;
    st.cursor.pos = 4 * 45 + 2;
  }

  Document document;
  Catalogue catalogue;
  ViewSettings viewSettings;
  QtPrompts prompts;
  Clipboard clipboard;
  History history;
  AppContext context;
  std::unique_ptr<MainWindow> window;
};

Editor& editor() {
  static Editor* e = [] {
    auto* made = new Editor;
    made->start();
    return made;
  }();
  return *e;
}

void reportFrame(benchmark::State& state, std::chrono::nanoseconds total) {
  const double ms = std::chrono::duration<double, std::milli>(total).count() / static_cast<double>(state.iterations());
  state.counters["frame_ms"] = ms;
  state.counters["budget_ms"] = kFrameBudgetMs;
}

// One full RedrawCanvas as the window runs it: picture, labels, markers, status panels.
void BM_RedrawCanvas(benchmark::State& state) {
  MainWindow& window = *editor().window;
  std::chrono::nanoseconds total{0};
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    window.redrawCanvas();
    total += std::chrono::steady_clock::now() - start;
  }
  reportFrame(state, total);
}
BENCHMARK(BM_RedrawCanvas)->Unit(benchmark::kMicrosecond);

// The picture alone, without touching any widget.
void BM_RenderCanvasPicture(benchmark::State& state) {
  Editor& e = editor();
  QImage frame(e.window->canvas()->size(), QImage::Format_RGB32);
  const CanvasScene scene{e.document.chart, e.catalogue, e.document.meterSegs, e.window->editorState()};
  CanvasOutput out;
  for (auto _ : state) {
    renderCanvas(frame, scene, e.window->arrowImages(), out);
    benchmark::DoNotOptimize(frame.constBits());
  }
}
BENCHMARK(BM_RenderCanvasPicture)->Unit(benchmark::kMicrosecond);

// A mouse move to a new cell (alternating between two), with the redraw it causes.
void BM_MouseMoveToNewCell(benchmark::State& state) {
  Editor& e = editor();
  const EditorState& st = e.window->editorState();
  const int x = st.canvasLeft + 32 * 5 + 10;
  const int y0 = st.canvasTop + 32 * 4 + 3;
  int flip = 0;
  std::chrono::nanoseconds total{0};
  for (auto _ : state) {
    flip ^= 1;
    const auto start = std::chrono::steady_clock::now();
    const QPointF at(x, y0 + 32 * flip);
    QMouseEvent move(QEvent::MouseMove, at, e.window->canvas()->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(e.window->canvas(), &move);
    total += std::chrono::steady_clock::now() - start;
  }
  reportFrame(state, total);
}
BENCHMARK(BM_MouseMoveToNewCell)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tarveno

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();

  // The figure that matters, once more in plain words.
  tarveno::MainWindow& window = *tarveno::editor().window;
  constexpr int kFrames = 500;
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < kFrames; ++i) window.redrawCanvas();
  const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  std::printf(
      "RedrawCanvas, dense couple chart with freezes and a selection band: %.3f ms per frame "
      "(frame budget %.1f ms)\n",
      ms / kFrames, tarveno::kFrameBudgetMs);
  benchmark::Shutdown();
  return 0;
}
