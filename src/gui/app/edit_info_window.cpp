#include "gui/app/edit_info_window.h"

#include <algorithm>

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

#include "core/chart/stats.h"
#include "gui/app/app_context.h"
#include "render/note_icons.h"

namespace tarveno {

QPoint editInfoPosition(const QRect& mainFrame, int ownWidth, const QRect& available) {
  const int right = mainFrame.x() + mainFrame.width();
  if (right + ownWidth <= available.x() + available.width()) return {right, mainFrame.y()};
  return {mainFrame.x() - ownWidth, mainFrame.y()};
}

namespace {

QLabel* countLabel(const QString& name, QWidget* parent) {
  auto* label = new QLabel(QStringLiteral("0"), parent);
  label->setObjectName(name);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  // Room for five digits, so the window does not change size while the counts grow.
  label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 4);
  return label;
}

}  // namespace

EditInfoWindow::EditInfoWindow(AppContext& context, QWidget* mainWindow)
    : QDialog(mainWindow), context_(context), mainWindow_(mainWindow) {
  setObjectName(QStringLiteral("frmEditInfo"));
  setModal(false);

  lblTotalAllow_ = countLabel(QStringLiteral("lblTotalAllow"), this);
  lblTotalStep_ = countLabel(QStringLiteral("lblTotalStep"), this);
  for (size_t p = 0; p < lblAllow_.size(); ++p) lblAllow_[p] = countLabel(QStringLiteral("lblAllow%1").arg(p), this);

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(6);
  const QString arrows[4] = {QStringLiteral("←"), QStringLiteral("↓"), QStringLiteral("↑"), QStringLiteral("→")};
  auto addPadRow = [&](int row, QLabel*& totalCaption, QLabel* total, const QString& padCaption, size_t first) {
    totalCaption = new QLabel(this);
    grid->addWidget(totalCaption, row, 0);
    grid->addWidget(total, row, 1);
    grid->addWidget(new QLabel(padCaption, this), row, 2);
    for (size_t k = 0; k < 4; ++k) {
      grid->addWidget(new QLabel(arrows[k], this), row, 3 + 2 * static_cast<int>(k), Qt::AlignRight);
      grid->addWidget(lblAllow_[first + k], row, 4 + 2 * static_cast<int>(k));
    }
  };
  addPadRow(0, lblObjects_, lblTotalAllow_, QStringLiteral("1P:"), 0);
  addPadRow(1, lblSteps_, lblTotalStep_, QStringLiteral("2P:"), 4);

  auto* notes = new QHBoxLayout;
  for (size_t k = 0; k < imgOmpu_.size(); ++k) {
    imgOmpu_[k] = new QLabel(this);
    imgOmpu_[k]->setObjectName(QStringLiteral("imgOmpu%1").arg(k));
    imgOmpu_[k]->setPixmap(
        QPixmap::fromImage(noteValueIcon(static_cast<NoteValue>(k), 24, Qt::black, devicePixelRatioF())));
    lblDivide_[k] = countLabel(QStringLiteral("lblDivide%1").arg(k), this);
    notes->addWidget(imgOmpu_[k]);
    notes->addWidget(lblDivide_[k]);
    notes->addSpacing(8);
  }
  notes->addStretch(1);

  command1_ = new QPushButton(this);
  command1_->setObjectName(QStringLiteral("Command1"));
  command1_->setAutoDefault(false);
  connect(command1_, &QPushButton::clicked, this, &QDialog::close);

  auto* buttonRow = new QHBoxLayout;
  buttonRow->addStretch(1);
  buttonRow->addWidget(command1_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(notes);
  layout->addLayout(buttonRow);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  retranslate();
}

void EditInfoWindow::retranslate() {
  setWindowTitle(tr("譜面情報"));
  lblObjects_->setText(tr("総ｵﾌﾞｼﾞｪ数:"));
  lblSteps_->setText(tr("総ｽﾃｯﾌﾟ数:"));
  command1_->setText(tr("閉じる"));
}

void EditInfoWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QDialog::changeEvent(event);
}

void EditInfoWindow::computeChartStats() {
  const ChartStats stats = ComputeChartStats(context_.document.chart, context_.catalogue);
  lblTotalAllow_->setText(QString::number(stats.objects));
  lblTotalStep_->setText(QString::number(stats.steps));
  for (size_t p = 0; p < lblAllow_.size(); ++p) lblAllow_[p]->setText(QString::number(stats.panels[p]));
  for (size_t k = 0; k < lblDivide_.size(); ++k) lblDivide_[k]->setText(QString::number(stats.noteValues[k]));
}

void EditInfoWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Restoring from a minimised state is the window system's business, not a new showing.
  if (event->spontaneous()) return;
  placeBesideMainWindow();
  computeChartStats();
}

void EditInfoWindow::placeBesideMainWindow() {
  if (!mainWindow_) return;
  QScreen* screen = mainWindow_->screen();
  if (!screen) return;
  const QRect mainFrame = mainWindow_->frameGeometry();
  // Before the first showing the frame is not known yet; the frame around the main window is
  // the best guess for it.
  const int frameExtra = mainFrame.width() - mainWindow_->width();
  const int ownWidth = std::max(frameGeometry().width(), sizeHint().width() + frameExtra);
  move(editInfoPosition(mainFrame, ownWidth, screen->availableGeometry()));
}

}  // namespace tarveno
