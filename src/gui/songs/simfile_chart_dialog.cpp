#include "gui/songs/simfile_chart_dialog.h"

#include <QComboBox>
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

QString chartLine(const SimfileChart& chart) {
  const QString description = QString::fromStdString(chart.description);
  return QStringLiteral("%1　%2 %3%4")
      .arg(styleName(*chart.style()), QString::fromStdString(chart.difficulty),
           QString::number(simfileMeter(chart.meter).level),
           description.isEmpty() ? QString() : QStringLiteral("　「%1」").arg(description));
}

}  // namespace

SimfileChartDialog::SimfileChartDialog(const SimfileSong& song, std::vector<size_t> charts, const Catalogue& catalogue,
                                       QWidget* parent)
    : QDialog(parent), song_(song), catalogue_(catalogue), charts_(std::move(charts)) {
  setObjectName(QStringLiteral("frmSimfileCharts"));
  setWindowTitle(QStringLiteral("譜面の選択"));
  setModal(true);

  auto* label =
      new QLabel(QStringLiteral("このファイルには譜面が %1 つあります。読み込む譜面と、譜面を置く曲を選んでください。")
                     .arg(static_cast<int>(charts_.size())),
                 this);
  lstCharts_ = new QListWidget(this);
  lstCharts_->setObjectName(QStringLiteral("lstCharts"));
  for (size_t index : charts_) lstCharts_->addItem(chartLine(song.charts.at(index)));
  lstCharts_->setMinimumWidth(420);
  connect(lstCharts_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

  cmbTitle_ = new QComboBox(this);
  cmbTitle_->setObjectName(QStringLiteral("cmbTitle"));
  fillSongList(*cmbTitle_, catalogue, FilterSongs(catalogue, 0, false, 0));
  connect(lstCharts_, &QListWidget::currentRowChanged, this, [this] { showDefaultSong(); });
  lstCharts_->setCurrentRow(0);

  const DialogButtons buttons = dialogButtons(this, QStringLiteral("キャンセル"));
  connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* songRow = new QHBoxLayout;
  songRow->addWidget(new QLabel(QStringLiteral("曲選択"), this));
  songRow->addWidget(cmbTitle_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(lstCharts_);
  layout->addLayout(songRow);
  layout->addLayout(buttons.row);
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
