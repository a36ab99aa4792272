#pragma once

#include <QDialog>
#include <QImage>

#include "core/result.h"
#include "gui/app/prompts.h"
#include "render/sheet_images.h"

class QAction;
class QMenuBar;
class QScrollBar;

namespace tarveno {

struct AppContext;
class SheetPicture;

// frmView, "全体ビュー": the whole chart as one sheet, scrolled in a modal window. Its menu has
// M_Output (M_ImageOut, the hidden M_PrintOut) and M_Property. Open it through showSheetView,
// which renders before the window appears.
class SheetView : public QDialog {
 public:
  SheetView(AppContext& context, QWidget* parent);
  ~SheetView() override;

  // RenderSheet: lays out and draws the sheet from the current chart and settings, shows it at
  // the scroll origin and sizes the window to the screen. A refused layout changes nothing.
  Status renderSheet();
  const QImage& sheet() const { return sheet_; }
  // The state Form_Resize chose last (0..3).
  int scrollState() const { return scrollState_; }

  void M_ImageOut_Click();
  void M_Property_Click();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void formResize();
  void scrolled();
  double twipsPerPixel() const;

  AppContext& context_;
  SheetImages images_;
  QImage sheet_;
  Prompts::FileChoice lastExport_;  // the file dialog's memory while the window is open
  int scrollState_ = 0;
  QSize requestedClient_;

  QMenuBar* menuBar_ = nullptr;
  QWidget* client_ = nullptr;
  SheetPicture* picView_ = nullptr;
  QScrollBar* hScroll1_ = nullptr;
  QScrollBar* vScroll1_ = nullptr;
  QWidget* picBlind_ = nullptr;
};

// M_AllView: renders the sheet and only then shows frmView modally. A layout the sheet cannot
// take (no song, too large) is reported in a message box instead; false then.
bool showSheetView(AppContext& context, QWidget* parent);

}  // namespace tarveno
