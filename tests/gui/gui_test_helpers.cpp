#include "gui/gui_test_helpers.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

#include "gui/app/main_window.h"

namespace tarveno::testing {

Catalogue testCatalogue() {
  Catalogue catalogue;
  auto set = [&](int index, const char* title, int16_t code, int16_t measures, uint8_t meter) {
    SongRecord& r = catalogue.SongList[static_cast<size_t>(index)];
    r.Title = title;
    r.Code = code;
    r.Bpm = 150;
    r.Measures = measures;
    r.AcMask = 1;
    r.CsMask = 1;
    r.MeterFlag = meter;
  };
  set(0, "Test Song", 1, 120, 0);
  set(1, "Meter Song", 2, 60, 1);
  set(2, "Long Song", 3, 300, 0);
  set(3, "Short Song", 4, 2, 0);
  return catalogue;
}

MainWindowHarness::MainWindowHarness(Catalogue cat)
    : AppParts(std::move(cat)), window_(std::make_unique<MainWindow>(context)) {}

MainWindowHarness::~MainWindowHarness() = default;

void MainWindowHarness::start(const QString& commandLine) {
  window_->show();
  window_->load(commandLine);
}

QAction* MainWindowHarness::action(const QString& name) const {
  return window_->findChild<QAction*>(name);
}

QToolButton* MainWindowHarness::button(const QString& key) const {
  return window_->findChild<QToolButton*>(key);
}

QPoint MainWindowHarness::canvasPoint(int x, int y) const {
  const EditorState& st = window_->editorState();
  return {st.canvasLeft + x, st.canvasTop + y};
}

QPoint MainWindowHarness::slotPoint(int column, int pos) const {
  const EditorState& st = window_->editorState();
  return canvasPoint(32 * column + 16, 8 * (pos - 4 * st.topRow) + 2);
}

void MainWindowHarness::moveTo(QPoint client) {
  lastPoint_ = client;
  // Sent straight to the client area: QTest::mouseMove without a held button only moves the
  // platform cursor, which delivers nothing when the cursor already stands there.
  QWidget* canvas = window_->canvas();
  QMouseEvent event(QEvent::MouseMove, QPointF(client), QPointF(canvas->mapToGlobal(client)), Qt::NoButton,
                    QApplication::mouseButtons(), Qt::NoModifier);
  QApplication::sendEvent(canvas, &event);
}

void MainWindowHarness::press(Qt::MouseButton button) {
  QTest::mousePress(window_->canvas(), button, Qt::NoModifier, lastPoint_);
}

void MainWindowHarness::release(Qt::MouseButton button) {
  QTest::mouseRelease(window_->canvas(), button, Qt::NoModifier, lastPoint_);
}

void MainWindowHarness::click(QPoint client, Qt::MouseButton button) {
  moveTo(client);
  press(button);
  release(button);
}

void MainWindowHarness::wheel(int rotation) {
  QWidget* canvas = window_->canvas();
  const QPointF pos(lastPoint_);
  QWheelEvent event(pos, canvas->mapToGlobal(pos), QPoint(), QPoint(0, rotation), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(canvas, &event);
}

const QImage& MainWindowHarness::frame() const {
  return window_->frame();
}

bool frameShows(const QImage& frame, const QImage& picture, QRgb mask, QPoint at) {
  int compared = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      const QRgb p = picture.pixel(x, y);
      if ((p | 0xFF000000u) == (mask | 0xFF000000u)) continue;
      if (!frame.rect().contains(at.x() + x, at.y() + y)) return false;
      if ((frame.pixel(at.x() + x, at.y() + y) | 0xFF000000u) != (p | 0xFF000000u)) return false;
      ++compared;
    }
  }
  return compared > 0;
}

void setSteps(Chart& chart, int measure, int slot, uint8_t bits) {
  chart.StepData[static_cast<size_t>(measure)][static_cast<size_t>(slot)] = bits;
  RecalcBeatType(chart, slot / 4, measure);
}

void makeTriplet(Chart& chart, int measure, int beat, uint8_t first, uint8_t second, uint8_t third) {
  auto& steps = chart.StepData[static_cast<size_t>(measure)];
  const size_t s0 = static_cast<size_t>(4 * beat);
  steps[s0] = kTripletMark;
  steps[s0 + 1] = first;
  steps[s0 + 2] = second;
  steps[s0 + 3] = third;
  RecalcBeatType(chart, beat, measure);
}

}  // namespace tarveno::testing
