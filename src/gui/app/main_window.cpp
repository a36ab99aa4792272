#include "gui/app/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QWheelEvent>
#include <cmath>

#include "core/edit/command_states.h"
#include "gui/app/app_context.h"
#include "gui/app/edit_info_window.h"
#include "gui/songs/options_dialog.h"
#include "render/masked_image.h"

namespace tarveno {

MainWindow::MainWindow(AppContext& context, QWidget* parent)
    : QMainWindow(parent),
      context_(context),
      arrows_(deviceScale()),
      modes_(state_, *this),
      cells_(context.document, context.AutoDivide, state_, modes_, *this),
      editor_(cells_),
      keys_(cells_, context.catalogue),
      commands_(context, *this) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("TARVENO"));
  setWindowIcon(QIcon(QPixmap::fromImage(maskToAlpha(arrows_.image(arrowImageIndex(0, 2)), kArrowMaskColor))));
  setAcceptDrops(true);

  canvas_ = new CanvasWidget(this);
  canvas_->setScale(arrows_.scale());
  setCentralWidget(canvas_);
  buildCommands();
  buildCanvasChildren();
  buildToolbar();
  buildStatusBar();
  buildShortcuts();
  buildEditingKeys();
  canvas_->setInput(this);
  if (context.recovery) autosave_ = new Autosave(*context.recovery, context.document, context.autosaveTiming, this);
  connect(canvas_, &CanvasWidget::resized, this, [this] {
    placeToolbar();
    // The canvas keeps its place until the next LayoutEditor; only the picture follows.
    redrawCanvas();
  });

  const QSize client = defaultClientSize();
  resize(client.width(), menuBar()->sizeHint().height() + client.height() + statusBar()->sizeHint().height());
}

// The canvas is drawn at whole device pixels per canvas pixel, so it stays sharp on a
// high-density screen (a ratio of 1.5 draws at 2 and lets the toolkit scale down).
int MainWindow::deviceScale() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? std::max(1, static_cast<int>(std::ceil(screen->devicePixelRatio() - 0.01))) : 1;
}

MainWindow::~MainWindow() {
  // The children outlive the members they call back into; cut them off first.
  canvas_->setInput(nullptr);
  disconnect(vscroll_, nullptr, this, nullptr);
  disconnect(canvas_, nullptr, this, nullptr);
}

// Large enough for all 15 rows below the toolbar, both pads with the margin and the toolbar.
QSize MainWindow::defaultClientSize() const {
  const int rows =
      toolbar_->sizeHint().height() - geometry::kToolbarOverlap + geometry::kVisibleRows * geometry::kRowHeight + 4;
  const int width = std::max(toolbar_->sizeHint().width(), 2 * geometry::kPadWidth + 2 * 56 + vscroll_->width());
  return {width, rows};
}

void MainWindow::buildCanvasChildren() {
  // Measure numbers and markers first, so the toolbar and scroll bar stay on top of them.
  QFont numberFont = font();
  numberFont.setPixelSize(11);
  for (int i = 0; i < geometry::kLabelCount; ++i) {
    auto* label = new QLabel(QStringLiteral("00%1").arg(i + 1), canvas_);
    label->setObjectName(QStringLiteral("LblNum%1").arg(i));
    label->setFont(numberFont);
    label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    label->setGeometry(0, 0, 22, 12);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->hide();
    lblNum_[static_cast<size_t>(i)] = label;
  }
  // ImgSel(0) red, (1) blue, (2) red with a white edge, (3) blue with a white edge.
  const int markerImages[geometry::kMarkerCount] = {kImgSelStart1, kImgSelEnd1, kImgSelStart2, kImgSelEnd2};
  for (int i = 0; i < geometry::kMarkerCount; ++i) {
    auto* marker = new QLabel(canvas_);
    marker->setObjectName(QStringLiteral("ImgSel%1").arg(i));
    marker->setPixmap(QPixmap::fromImage(toolbarImages_.transparent(markerImages[i])));
    marker->setGeometry(0, 0, geometry::kMarkerSize, geometry::kMarkerSize);
    marker->setAttribute(Qt::WA_TransparentForMouseEvents);
    marker->hide();
    imgSel_[static_cast<size_t>(i)] = marker;
  }
  vscroll_ = new QScrollBar(Qt::Vertical, canvas_);
  vscroll_->setObjectName(QStringLiteral("VScroll1"));
  vscroll_->setRange(geometry::kScrollMinimum, geometry::kScrollMinimum);
  vscroll_->setValue(geometry::kScrollMinimum);
  vscroll_->setSingleStep(geometry::kScrollSmallChange);
  vscroll_->setPageStep(geometry::kScrollLargeChange);
  vscroll_->resize(style()->pixelMetric(QStyle::PM_ScrollBarExtent), 100);
  vscroll_->installEventFilter(this);
  // The thumb drag is handled as a change, so the canvas follows it while it moves.
  connect(vscroll_, &QScrollBar::valueChanged, this, [this](int value) { editor_.scrollChanged(value); });
}

void MainWindow::placeToolbar() {
  toolbar_->setGeometry(0, 0, canvas_->width(), toolbar_->sizeHint().height());
}

void MainWindow::load(const QString& commandLine) {
  restoreWaveformChoice();
  modes_.reset();
  resetChart();
  if (!commandLine.isEmpty()) commands_.openCommandLine(commandLine);
}

void MainWindow::resetChart() {
  state_.selStart = state_.selEnd = state_.hoverRow = kUnset;
  vscroll_->setValue(geometry::kScrollMinimum);
  updateEditCommands();
  resetChartData(context_.document.chart);
  context_.document.origin = {};
  setWindowFilePath(QString());
  context_.history.clear();  // a new chart starts a new history
  layoutEditor();
  historyChanged();
}

void MainWindow::finishOpening(const QString& path) {
  if (!path.isEmpty()) setWindowFilePath(path);
  context_.history.clear();  // no way back into the chart that was replaced
  // The reader's caller has already recomputed every beat type of the song.
  layoutEditor();
  historyChanged();
}

void MainWindow::documentSaved(const QString& path, bool keptEverything) {
  setWindowFilePath(path);
  if (keptEverything) {
    context_.history.setClean();
  } else {
    context_.history.setNoneClean();  // what the file lost is still only in the editor
  }
  historyChanged();
}

void MainWindow::openSettingsDialog(int tab) {
  edit([this, tab] {
    OptionsDialog dialog(context_, this);
    dialog.showTab(tab);
    dialog.exec();
    layoutEditor();  // the song or the style may have changed
  });
}

void MainWindow::showDocumentState() {
  const QString path = windowFilePath();
  setWindowTitle(path.isEmpty() ? QStringLiteral("TARVENO")
                                : QFileInfo(path).fileName() + QStringLiteral("[*] - TARVENO"));
  // A new chart's title has no place for the mark.
  setWindowModified(!path.isEmpty() && context_.document.Modified);
  action(QStringLiteral("M_Undo"))->setEnabled(context_.history.canUndo());
  action(QStringLiteral("M_Redo"))->setEnabled(context_.history.canRedo());
}

void MainWindow::closeStatistics() {
  if (editInfo_) editInfo_->close();
}

// Also where a new style comes in (settings, undo, a file opened): the cursor follows it.
void MainWindow::layoutEditor() {
  const Chart& chart = context_.document.chart;
  const int statusHeight = statusBar()->isVisible() ? statusBar()->height() : 0;
  const EditorLayout layout =
      computeEditorLayout(canvas_->width(), canvas_->height() + statusHeight, toolbar_->height(), statusHeight,
                          vscroll_->width(), chart.PlayStyle, context_.catalogue.measures(chart.SongIndex));
  // The grid keeps its place when the window widens for the waveform beside it.
  state_.canvasLeft = layout.canvasLeft - (waveformShown() ? WaveformStrip::kWidth / 2 : 0);
  state_.canvasTop = layout.canvasTop;
  state_.layoutWidth = canvas_->width();
  state_.layoutHeight = canvas_->height();
  vscroll_->setGeometry(layout.scrollBar);
  vscroll_->setMaximum(layout.scrollMaximum);
  keys_.fitStyle();
  refreshWaveform();
}

void MainWindow::redrawCanvas() {
  const CanvasScene scene{context_.document.chart, context_.catalogue, context_.document.meterSegs, state_,
                          palette().color(QPalette::Window).rgb()};
  renderCanvas(canvas_->frame(), scene, arrows_, output_);
  drawWaveform();
  applyOutput();
  canvas_->update();
  if (editInfo_ && editInfo_->isVisible()) editInfo_->computeChartStats();
}

void MainWindow::applyOutput() {
  for (size_t i = 0; i < lblNum_.size(); ++i) {
    const CanvasOutput::Label& label = output_.labels[i];
    if (label.visible) {
      lblNum_[i]->setText(label.caption);
      lblNum_[i]->move(label.pos);
      lblNum_[i]->show();
    } else {
      lblNum_[i]->hide();
    }
  }
  for (size_t i = 0; i < imgSel_.size(); ++i) {
    const CanvasOutput::Marker& marker = output_.markers[i];
    if (marker.visible) {
      imgSel_[i]->move(marker.pos);
      imgSel_[i]->show();
    } else {
      imgSel_[i]->hide();
    }
  }
  if (output_.hasPositionTexts) {
    pnlPosX_->setText(output_.posX);
    pnlPosY_->setText(output_.posY);
  }
}

void MainWindow::updateEditCommands() {
  const char* names[] = {"M_Cut",     "M_Copy",     "M_Paste",     "M_MirrorV",
                         "M_MirrorH", "M_TurnLeft", "M_TurnRight", "M_Mirror"};
  auto enabled = [this](const char* name) { return action(QLatin1String(name))->isEnabled(); };
  EditCommandEnables states{enabled(names[0]), enabled(names[1]), enabled(names[2]), enabled(names[3]),
                            enabled(names[4]), enabled(names[5]), enabled(names[6]), enabled(names[7])};
  states = nextEditCommands(states, state_.selStart, state_.selEnd, context_.clipboard.ClipBeats,
                            context_.document.chart.PlayStyle);
  const bool next[] = {states.cut,     states.copy,     states.paste,     states.mirrorV,
                       states.mirrorH, states.turnLeft, states.turnRight, states.mirror};
  // The toolbar's Cut, Copy and Paste buttons show their actions, so they follow by themselves.
  for (size_t i = 0; i < std::size(names); ++i) action(QLatin1String(names[i]))->setEnabled(next[i]);
}

void MainWindow::clearPositionTexts() {
  pnlPosX_->clear();
  pnlPosY_->clear();
}

int MainWindow::scrollValue() const {
  return vscroll_->value();
}
int MainWindow::scrollMinimum() const {
  return vscroll_->minimum();
}
int MainWindow::scrollMaximum() const {
  return vscroll_->maximum();
}
void MainWindow::setScrollValue(int value) {
  vscroll_->setValue(value);
}
int MainWindow::visibleRows() const {
  return std::max(1, (canvas_->height() - state_.canvasTop) / geometry::kRowHeight);
}
int MainWindow::rowsUnderToolbar() const {
  const int covered = std::max(0, toolbar_->height() - state_.canvasTop);
  return (covered + geometry::kRowHeight - 1) / geometry::kRowHeight;
}

void MainWindow::canvasLeft() {
  // Leaving the client area (or entering the toolbar) counts as a move off the canvas, so
  // no cursor is left behind where the mouse no longer is.
  if (!state_.cursor.valid) return;
  clearPositionTexts();
  state_.cursor.valid = false;
  state_.lastCol = kNoLastCol;
  redrawCanvas();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  stopPlayback();
  if (commands_.closeQuery()) {
    if (autosave_) autosave_->discard();  // kept or given up by the user: no copy outlives the run
    event->accept();
  } else {
    event->ignore();
  }
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  dragMoveEvent(event);
}

// Only a file list can be dropped, and only as a copy.
void MainWindow::dragMoveEvent(QDragMoveEvent* event) {
  if (event->mimeData()->hasUrls() && (event->possibleActions() & Qt::CopyAction)) {
    event->setDropAction(Qt::CopyAction);
    event->accept();
  } else {
    event->ignore();
  }
}

void MainWindow::dropEvent(QDropEvent* event) {
  if (!event->mimeData()->hasUrls()) return;
  QStringList paths;
  for (const QUrl& url : event->mimeData()->urls()) {
    if (url.isLocalFile()) paths.append(url.toLocalFile());
  }
  event->setDropAction(Qt::CopyAction);
  event->accept();
  stopPlayback();
  if (!paths.isEmpty()) commands_.dropFiles(paths);
}

void MainWindow::wheelEvent(QWheelEvent* event) {
  editor_.wheel(event->angleDelta().y());
  event->accept();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  // The scroll bar would scroll several rows a notch by itself; one notch is one beat.
  if (watched == vscroll_ && event->type() == QEvent::Wheel) {
    editor_.wheel(static_cast<QWheelEvent*>(event)->angleDelta().y());
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace tarveno
