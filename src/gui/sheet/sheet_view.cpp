#include "gui/sheet/sheet_view.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>
#include <cmath>

#include "core/io/files.h"
#include "core/sheet/sheet_layout.h"
#include "gui/app/app_context.h"
#include "gui/sheet/scroll_layout.h"
#include "gui/sheet/sheet_export.h"
#include "gui/sheet/sheet_print.h"
#include "gui/sheet/view_setting_dialog.h"
#include "gui/widgets/captions.h"
#include "render/sheet_renderer.h"
#include "words/messages.h"

namespace tarveno {

namespace {

constexpr QSize kEmptyViewSize(480, 200);
constexpr int kNoticeMargin = 10;

}  // namespace

// picView: the rendered sheet at its full size; the window moves it to scroll.
class SheetPicture : public QWidget {
 public:
  explicit SheetPicture(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }
  void setImage(const QImage* image) {
    image_ = image;
    update();
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    if (!image_) return;
    QPainter painter(this);
    painter.drawImage(event->rect(), *image_, event->rect());
  }

 private:
  const QImage* image_ = nullptr;
};

SheetView::SheetView(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context), captions_(std::make_unique<Captions>(staticMetaObject.className())) {
  setObjectName(QStringLiteral("frmView"));
  captions_->keepWindowTitle(this, QT_TR_NOOP("全体ビュー"));
  setModal(true);
  buildMenu();
  fitMenuBar();

  client_ = new QWidget(this);
  picView_ = new SheetPicture(client_);
  picView_->setObjectName(QStringLiteral("picView"));
  picView_->setImage(&sheet_);
  picView_->hide();  // until there is a sheet
  hScroll1_ = new QScrollBar(Qt::Horizontal, client_);
  hScroll1_->setObjectName(QStringLiteral("HScroll1"));
  vScroll1_ = new QScrollBar(Qt::Vertical, client_);
  vScroll1_->setObjectName(QStringLiteral("VScroll1"));
  picBlind_ = new QWidget(client_);
  picBlind_->setObjectName(QStringLiteral("picBlind"));
  picBlind_->setAutoFillBackground(true);
  for (QScrollBar* bar : {hScroll1_, vScroll1_}) {
    bar->setMinimum(0);
    bar->setSingleStep(16);  // one beat
    bar->hide();
    connect(bar, &QScrollBar::valueChanged, this, [this] { scrolled(); });
  }
  picBlind_->hide();
  notice_ = new QLabel(client_);
  notice_->setWordWrap(true);
  notice_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  notice_->setTextInteractionFlags(Qt::TextSelectableByMouse);  // the path can be copied
  notice_->hide();
}

void SheetView::buildMenu() {
  menuBar_ = new QMenuBar(this);
  QMenu* output = menuBar_->addMenu(QString());
  captions_->keep(output, QT_TR_NOOP("出力(&O)"));
  output->setObjectName(QStringLiteral("M_Output"));
  output->menuAction()->setObjectName(QStringLiteral("M_Output"));
  imageOut_ = output->addAction(QString());
  captions_->keep(imageOut_, QT_TR_NOOP("ファイルに出力(&F)"));
  imageOut_->setObjectName(QStringLiteral("M_ImageOut"));
  imageOut_->setEnabled(false);  // until there is a sheet to save
  printOut_ = output->addAction(QString());
  captions_->keep(printOut_, QT_TR_NOOP("印刷(&P)"));
  printOut_->setObjectName(QStringLiteral("M_PrintOut"));
  printOut_->setEnabled(false);
  pdfOut_ = output->addAction(QString());
  captions_->keep(pdfOut_, QT_TR_NOOP("PDFに出力(&D)..."));
  pdfOut_->setObjectName(QStringLiteral("M_PdfOut"));
  pdfOut_->setEnabled(false);
  QAction* property = menuBar_->addAction(QString());
  captions_->keep(property, QT_TR_NOOP("設定(&P)"));
  property->setObjectName(QStringLiteral("M_Property"));
  connect(imageOut_, &QAction::triggered, this, [this] { M_ImageOut_Click(); });
  connect(printOut_, &QAction::triggered, this, [this] { printSheet(this, context_, images_, twipsPerPixel()); });
  connect(pdfOut_, &QAction::triggered, this,
          [this] { exportSheetPdf(this, context_, images_, twipsPerPixel(), lastPdf_); });
  connect(property, &QAction::triggered, this, [this] { M_Property_Click(); });
  menuBar_->installEventFilter(this);
}

SheetView::~SheetView() = default;

void SheetView::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    captions_->apply();
    if (!notice_->isHidden() && undrawable_) notice_->setText(undrawableText(*undrawable_));
    fitMenuBar();
    placeScrollBars();
  }
  QDialog::changeEvent(event);
}

void SheetView::fitMenuBar() {
  // A narrow sheet must not hide 設定 behind the menu bar's overflow button, in any language.
  setMinimumWidth(menuBar_->sizeHint().width());
}

double SheetView::twipsPerPixel() const {
  return twipsPerPixelFromDpi(logicalDpiX());
}

Status SheetView::renderSheet() {
  Result<QImage> rendered =
      renderChartSheet(context_.document.chart, context_.catalogue, context_.viewSettings, twipsPerPixel(), images_);
  if (!rendered) return rendered.error();
  sheet_ = std::move(*rendered);
  for (QAction* out : {imageOut_, printOut_, pdfOut_}) out->setEnabled(true);
  notice_->hide();
  hScroll1_->setValue(0);
  vScroll1_->setValue(0);
  picView_->setGeometry(0, 0, sheet_.width(), sheet_.height());
  picView_->show();
  picView_->update();

  // The whole screen width and the screen height less 1000 twips, frame included.
  const QScreen* screen = this->screen();
  const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
  const QSize frame = isVisible() ? frameGeometry().size() - size() : QSize(0, 0);
  const int spare = static_cast<int>(std::lround(1000.0 / twipsPerPixel()));
  requestedClient_ = QSize();
  move(area.topLeft());
  resize(area.width() - frame.width(), area.height() - spare - frame.height());
  placeScrollBars();
  return {};
}

QString SheetView::undrawableText(const Error& why) const {
  QString text = describe(why);
  // Other settings cannot give a chart without a song a sheet.
  if (sheetMeasureCount(context_.document.chart, context_.catalogue)) {
    text += tr("\n\nメニューの「設定」で直せます（設定の保存先: %1）。")
                .arg(QString::fromStdString(displayName(context_.viewSettingsFile)));
  }
  return text;
}

void SheetView::tellUndrawable(const Error& why) {
  const QString text = undrawableText(why);
  // Without a sheet the window keeps the reason in view once the message is closed.
  if (sheet_.isNull()) {
    undrawable_ = why;
    notice_->setText(text);
    notice_->show();
    placeScrollBars();
  }
  context_.prompts.error(this, text);
}

// Esc closes the window. The menu bar would keep it for itself once one of its menus has been
// dismissed with Esc: it holds the focus then, having no other widget to hand it back to.
bool SheetView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == menuBar_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->matches(QKeySequence::Cancel)) {
    reject();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void SheetView::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  placeScrollBars();
}

// The scroll bars for the current size; the window is fitted to the sheet in a direction that
// needs no bar.
void SheetView::placeScrollBars() {
  const int menuHeight = std::max(menuBar_->heightForWidth(width()), menuBar_->sizeHint().height());
  menuBar_->setGeometry(0, 0, width(), menuHeight);
  client_->setGeometry(0, menuHeight, width(), std::max(0, height() - menuHeight));
  if (sheet_.isNull()) {
    notice_->setGeometry(client_->rect().adjusted(kNoticeMargin, kNoticeMargin, -kNoticeMargin, -kNoticeMargin));
    return;
  }

  const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  const ScrollLayout l = layoutScrollBars(client_->size(), sheet_.size(), extent, extent);
  const bool horizontal = l.state == 1 || l.state == 3;
  const bool vertical = l.state == 2 || l.state == 3;
  hScroll1_->setVisible(horizontal);
  vScroll1_->setVisible(vertical);
  picBlind_->setVisible(l.state == 3);
  if (horizontal) {
    hScroll1_->setGeometry(l.hBar);
    hScroll1_->setMaximum(l.hMax);
    hScroll1_->setPageStep(l.hPage);
  } else {
    hScroll1_->setValue(0);  // an unscrolled direction shows the sheet from its edge
  }
  if (vertical) {
    vScroll1_->setGeometry(l.vBar);
    vScroll1_->setMaximum(l.vMax);
    vScroll1_->setPageStep(l.vPage);
  } else {
    vScroll1_->setValue(0);
  }
  if (l.state == 3) picBlind_->setGeometry(l.blind);
  hScroll1_->raise();
  vScroll1_->raise();
  picBlind_->raise();
  scrolled();

  // Fit the window to the sheet in the unscrolled direction. A size the window system refused
  // is not asked for again, so the two cannot argue forever; one it granted may be asked again.
  if (client_->size() == requestedClient_) requestedClient_ = QSize();
  if (l.client != client_->size() && l.client != requestedClient_) {
    requestedClient_ = l.client;
    resize(l.client.width(), l.client.height() + menuHeight);
  }
}

void SheetView::scrolled() {
  picView_->move(-hScroll1_->value(), -vScroll1_->value());
}

void SheetView::wheelEvent(QWheelEvent* event) {
  QScrollBar* bar = vScroll1_->isVisible() ? vScroll1_ : hScroll1_->isVisible() ? hScroll1_ : nullptr;
  if (bar) {
    QApplication::sendEvent(bar, event);
  } else {
    QDialog::wheelEvent(event);
  }
}

void SheetView::M_ImageOut_Click() {
  exportSheetImage(this, context_.prompts, sheet_, lastExport_);
}

void SheetView::M_Property_Click() {
  ViewSettingDialog dialog(context_, this);
  if (dialog.exec() != QDialog::Accepted) return;
  // The dialog has checked the settings against this chart, so only a chart without a song or a
  // sheet too large for the memory fails here; the last picture then stays.
  if (Status rendered = renderSheet(); !rendered) tellUndrawable(rendered.error());
}

void showSheetView(AppContext& context, QWidget* parent) {
  SheetView view(context, parent);
  const Status rendered = view.renderSheet();
  if (!rendered) {
    // An empty window with room for the reason, which is told over it too.
    view.resize(kEmptyViewSize.expandedTo(view.minimumSize()));
    view.show();
    view.tellUndrawable(rendered.error());
  }
  view.exec();
}

}  // namespace tarveno
