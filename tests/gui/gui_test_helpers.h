#pragma once

#include <gtest/gtest.h>
#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QPoint>
#include <QRgb>
#include <QScrollBar>
#include <QString>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <memory>

#include "core/chart/chart.h"
#include "core/sheet/view_settings.h"
#include "core/songs/catalogue.h"
#include "gui/app/app_context.h"
#include "gui/app/main_window.h"
#include "support/chart_steps.h"
#include "support/frame_shows.h"
#include "support/scripted_prompts.h"

class QImage;
class QWidget;

namespace tarveno::testing {

// Songs for GUI tests, independent of the bundled kruid.dat:
//   0 "Test Song"   code 1, 120 measures
//   1 "Meter Song"  code 2,  60 measures, with a meter table
//   2 "Long Song"   code 3, 300 measures (past the freeze table)
//   3 "Short Song"  code 4,   2 measures (shorter than one view)
Catalogue testCatalogue();

// Everything the application owns, as the windows under test get it.
struct AppParts {
  explicit AppParts(Catalogue songs = testCatalogue()) : catalogue(std::move(songs)) {}
  AppParts(const AppParts&) = delete;
  AppParts& operator=(const AppParts&) = delete;

  Document document;
  Catalogue catalogue;
  ViewSettings viewSettings;
  ScriptedPrompts prompts;
  Clipboard clipboard;
  History history;
  AppContext context{document, catalogue, viewSettings, prompts, clipboard, history, {}};
};

// The application's parts plus a MainWindow on them (shown on the offscreen platform and
// loaded by start()).
class MainWindowHarness : public AppParts {
 public:
  explicit MainWindowHarness(Catalogue catalogue = testCatalogue())
      : AppParts(std::move(catalogue)), window_(std::make_unique<MainWindow>(context)) {}
  // A window whose unsaved work is copied into `recovery` within milliseconds.
  explicit MainWindowHarness(RecoveryStore& recovery) : window_(withRecovery(recovery)) {}

  // Shows the window and runs its load with the given command line.
  void start(const QString& commandLine = {}) {
    window_->show();
    window_->load(commandLine);
  }

  MainWindow& window() { return *window_; }
  EditorState& state() { return window_->editorState(); }
  Chart& chart() { return document.chart; }
  QAction* action(const QString& name) const { return window_->findChild<QAction*>(name); }
  QToolButton* button(const QString& key) const { return window_->findChild<QToolButton*>(key); }

  // Client point at the top-left corner of a cell plus an offset, from the current layout:
  // column 0..7 and a pixel row y inside the canvas.
  QPoint canvasPoint(int x, int y) const {
    return {window_->editorState().canvasLeft + x, window_->editorState().canvasTop + y};
  }
  // Canvas y of the top line of a beat row in the current view.
  int rowY(int row) const { return 32 * (row - window_->editorState().topRow); }
  // Client points on a beat row: in the margin left of the canvas, 2 pixels below the row's
  // line, and in a column's cell, 3 pixels below it.
  QPoint marginPoint(int row) const { return canvasPoint(-10, rowY(row) + 2); }
  QPoint cellPoint(int column, int row) const { return canvasPoint(32 * column + 16, rowY(row) + 3); }
  // Moves the scroll bar, as the user would.
  void scrollTo(int row) { window_->findChild<QScrollBar*>(QStringLiteral("VScroll1"))->setValue(row); }

  // Real widget input on the client area.
  void moveTo(QPoint client);
  void press(Qt::MouseButton button) { QTest::mousePress(window_->canvas(), button, Qt::NoModifier, lastPoint_); }
  void release(Qt::MouseButton button) { QTest::mouseRelease(window_->canvas(), button, Qt::NoModifier, lastPoint_); }
  void click(QPoint client, Qt::MouseButton button = Qt::LeftButton);
  void wheel(int rotation);

  const QImage& frame() const { return window_->frame(); }
  // The frame's colour at canvas point (x, y), opaque.
  QRgb pixel(int x, int y) const { return frame().pixel(canvasPoint(x, y)) | 0xFF000000u; }

 private:
  std::unique_ptr<MainWindow> withRecovery(RecoveryStore& recovery) {
    context.recovery = &recovery;
    context.autosaveTiming = {std::chrono::milliseconds(20), std::chrono::milliseconds(50)};
    return std::make_unique<MainWindow>(context);
  }

  QPoint lastPoint_;
  std::unique_ptr<MainWindow> window_;
};

// Runs a command that opens a modal dialog and hands the dialog to `answer` once it is up (the
// command is then inside exec()); a command that shows no modal dialog fails the test.
void withModal(const std::function<void()>& command, const std::function<void(QDialog&)>& answer);
// The name of the modal dialog a command opens, rejected at once.
QString modalOf(const std::function<void()>& command);
// A named child of a window, and the user's input to it: text typed into a line edit, a click.
template <class W = QWidget>
W* child(const QObject& parent, const QString& name) {
  W* w = parent.findChild<W*>(name);
  EXPECT_NE(w, nullptr) << name.toStdString();
  return w;
}
void type(const QObject& parent, const char* name, const char* utf8);
void click(const QObject& parent, const char* name);

// The program's texts as lines, for comparing with fixture files (expectFixture): the main window's menu tree,
// toolbar and status panels (name, caption or tooltip, states, image, command) ...
QString describeCommands(MainWindow& window);
// ... and a dialog's title and controls (class, name, caption or contents, states).
QString describeControls(const QWidget& dialog);
}  // namespace tarveno::testing
