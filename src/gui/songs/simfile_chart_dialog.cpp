#include "gui/songs/simfile_chart_dialog.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/songs/song_filter.h"
#include "gui/app/dialog_buttons.h"
#include "gui/songs/song_list.h"

namespace tarveno {

namespace {

QString styleName(PlayStyle style) {
  switch (style) {
    case PlayStyle::Couple:
      return QStringLiteral("COUPLE");
    case PlayStyle::Double:
      return QStringLiteral("DOUBLE");
    default:
      return QStringLiteral("SINGLE");
  }
}

}  // namespace

QString SimfileChartDialog::chartLine(const SimfileChart& chart) {
  const QString description = QString::fromStdString(chart.description);
  return tr("%1　%2 %3%4")
      .arg(styleName(*chart.style()), QString::fromStdString(chart.difficulty),
           QString::number(simfileMeter(chart.meter).level),
           description.isEmpty() ? QString() : tr("　「%1」").arg(description));
}

SimfileChartDialog::SimfileChartDialog(const SimfileSong& song, std::vector<size_t> charts, const Catalogue& catalogue,
                                       QWidget* parent)
    : QDialog(parent), song_(song), catalogue_(catalogue), charts_(std::move(charts)) {
  setObjectName(QStringLiteral("frmSimfileCharts"));
  setModal(true);

  label_ = new QLabel(this);
  lstCharts_ = new QListWidget(this);
  lstCharts_->setObjectName(QStringLiteral("lstCharts"));
  for (size_t i = 0; i < charts_.size(); ++i) lstCharts_->addItem(QString());
  lstCharts_->setMinimumWidth(420);
  connect(lstCharts_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

  cmbTitle_ = new QComboBox(this);
  cmbTitle_->setObjectName(QStringLiteral("cmbTitle"));
  fillSongList(*cmbTitle_, catalogue, FilterSongs(catalogue, 0, false, 0));
  connect(lstCharts_, &QListWidget::currentRowChanged, this, [this] { showDefaultSong(); });
  lstCharts_->setCurrentRow(0);

  const DialogButtons buttons = dialogButtons(this, QString());
  cancel_ = buttons.cancel;
  connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
  songLabel_ = new QLabel(this);
  auto* songRow = new QHBoxLayout;
  songRow->addWidget(songLabel_);
  songRow->addWidget(cmbTitle_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label_);
  layout->addWidget(lstCharts_);
  layout->addLayout(songRow);
  layout->addLayout(buttons.row);
  retranslate();
}

void SimfileChartDialog::retranslate() {
  setWindowTitle(tr("譜面の選択"));
  label_->setText(tr("このファイルには譜面が %1 つあります。読み込む譜面と、譜面を置く曲を選んでください。")
                      .arg(static_cast<int>(charts_.size())));
  for (size_t i = 0; i < charts_.size(); ++i) {
    lstCharts_->item(static_cast<int>(i))->setText(chartLine(song_.charts.at(charts_[i])));
  }
  songLabel_->setText(tr("曲選択"));
  cancel_->setText(tr("キャンセル"));
}

void SimfileChartDialog::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QDialog::changeEvent(event);
}

void SimfileChartDialog::showDefaultSong() {
  const int row = lstCharts_->currentRow();
  if (row < 0) return;
  selectSong(*cmbTitle_, chooseSimfileSong(song_, charts_.at(static_cast<size_t>(row)), {}, catalogue_).index);
}

std::optional<SimfileImportChoice> SimfileChartDialog::ask(const SimfileSong& song, std::vector<size_t> charts,
                                                           const Catalogue& catalogue, QWidget* parent) {
  SimfileChartDialog dialog(song, std::move(charts), catalogue, parent);
  if (dialog.exec() != QDialog::Accepted || dialog.lstCharts_->currentRow() < 0) return std::nullopt;
  const QVariant chosen = dialog.cmbTitle_->currentData();
  if (!chosen.isValid()) return std::nullopt;
  return SimfileImportChoice{dialog.charts_.at(static_cast<size_t>(dialog.lstCharts_->currentRow())),
                             static_cast<int16_t>(chosen.toInt())};
}

}  // namespace tarveno
