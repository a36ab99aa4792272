#pragma once

#include <QDialog>
#include <QImage>
#include <memory>
#include <optional>

#include "core/result.h"
#include "gui/app/prompts.h"
#include "render/sheet_images.h"

class QAction;
class QLabel;
class QMenuBar;
class QScrollBar;

namespace tarveno {

struct AppContext;
class Captions;
class SheetPicture;

// frmView, "全体ビュー": the whole chart as one sheet, scrolled in a modal window. Its menu has
// M_Output (M_ImageOut, the hidden M_PrintOut) and M_Property. Open it through showSheetView,
// which renders before the window appears.
class SheetView : public QDialog {
  Q_OBJECT
 public:
  SheetView(AppContext& context, QWidget* parent);
  ~SheetView() override;

  // RenderSheet: lays out and draws the sheet from the current chart and settings, shows it at
  // the scroll origin and sizes the window to the screen. A refused layout changes nothing.
  Status renderSheet();
  const QImage& sheet() const { return sheet_; }
  // Tells why the sheet could not be drawn (in a message, and in the window while it has no
  // sheet); when the settings are at fault, also where they are kept and that 設定 changes them.
  void tellUndrawable(const Error& why);

  void M_ImageOut_Click();
  void M_Property_Click();

 protected:
  // Puts the captions, and the reason shown in place of a sheet, into the language installed now.
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void buildMenu();
  void fitMenuBar();
  QString undrawableText(const Error& why) const;
  void placeScrollBars();
  void scrolled();
  double twipsPerPixel() const;

  AppContext& context_;
  std::unique_ptr<Captions> captions_;
  std::optional<Error> undrawable_;  // what the notice tells, to be told again in a new language
  SheetImages images_;
  QImage sheet_;
  Prompts::FileChoice lastPdf_;
  Prompts::FileChoice lastExport_;  // the file dialog's memory while the window is open
  QSize requestedClient_;

  QMenuBar* menuBar_ = nullptr;
  QAction* imageOut_ = nullptr;
  QAction* printOut_ = nullptr;
  QAction* pdfOut_ = nullptr;
  QWidget* client_ = nullptr;
  SheetPicture* picView_ = nullptr;
  QScrollBar* hScroll1_ = nullptr;
  QScrollBar* vScroll1_ = nullptr;
  QWidget* picBlind_ = nullptr;
  QLabel* notice_ = nullptr;  // why there is no sheet, in its place
};

// M_AllView: renders the sheet and shows frmView modally. A sheet that cannot be drawn (no song,
// settings too large for this chart) still opens the window, empty, with the reason told over
// it, so that its 設定 can put the settings right.
void showSheetView(AppContext& context, QWidget* parent);

}  // namespace tarveno
