#pragma once

#include <QPoint>
#include <QRgb>
#include <QString>
#include <memory>

#include "core/chart/chart.h"
#include "core/sheet/view_settings.h"
#include "core/songs/catalogue.h"
#include "gui/app/app_context.h"
#include "support/scripted_prompts.h"

class QAction;
class QImage;
class QToolButton;

namespace tarveno {
class MainWindow;
}

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
  explicit MainWindowHarness(Catalogue catalogue = testCatalogue());
  ~MainWindowHarness();

  // Shows the window and runs its load with the given command line.
  void start(const QString& commandLine = {});

  MainWindow& window() { return *window_; }
  Chart& chart() { return document.chart; }
  QAction* action(const QString& name) const;
  QToolButton* button(const QString& key) const;

  // Client point at the top-left corner of a cell plus an offset, from the current layout:
  // column 0..7 and a pixel row y inside the canvas.
  QPoint canvasPoint(int x, int y) const;
  // Client point for (column, sixteenth position) on a plain beat, 2 pixels inside its slot.
  QPoint slotPoint(int column, int pos) const;

  // Real widget input on the client area.
  void moveTo(QPoint client);
  void press(Qt::MouseButton button);
  void release(Qt::MouseButton button);
  void click(QPoint client, Qt::MouseButton button = Qt::LeftButton);
  void wheel(int rotation);

  const QImage& frame() const;

 private:
  QPoint lastPoint_;
  std::unique_ptr<MainWindow> window_;
};

// True when every non-mask pixel of picture stands in frame at `at` (the transparent draw).
bool frameShows(const QImage& frame, const QImage& picture, QRgb mask, QPoint at);

// Sets a beat's steps directly and recomputes its type, as an edit would.
void setSteps(Chart& chart, int measure, int slot, uint8_t bits);

// Makes beat b of a measure a triplet beat with the three notes given.
void makeTriplet(Chart& chart, int measure, int beat, uint8_t first, uint8_t second, uint8_t third);

}  // namespace tarveno::testing
