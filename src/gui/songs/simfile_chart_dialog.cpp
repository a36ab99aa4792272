#include "gui/songs/simfile_chart_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/app/dialog_buttons.h"

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
      .arg(styleName(*chart.style()), QString::fromStdString(chart.difficulty), QString::fromStdString(chart.meter),
           description.isEmpty() ? QString() : QStringLiteral("　「%1」").arg(description));
}

}  // namespace

SimfileChartDialog::SimfileChartDialog(const SimfileSong& song, std::vector<size_t> charts, QWidget* parent)
    : QDialog(parent), charts_(std::move(charts)) {
  setObjectName(QStringLiteral("frmSimfileCharts"));
  setWindowTitle(QStringLiteral("譜面の選択"));
  setModal(true);

  auto* label = new QLabel(QStringLiteral("このファイルには譜面が %1 つあります。読み込む譜面を選んでください。")
                               .arg(static_cast<int>(charts_.size())),
                           this);
  lstCharts_ = new QListWidget(this);
  lstCharts_->setObjectName(QStringLiteral("lstCharts"));
  for (size_t index : charts_) lstCharts_->addItem(chartLine(song.charts.at(index)));
  lstCharts_->setCurrentRow(0);
  lstCharts_->setMinimumWidth(420);
  connect(lstCharts_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

  const DialogButtons buttons = dialogButtons(this, QStringLiteral("キャンセル"));
  connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(lstCharts_);
  layout->addLayout(buttons.row);
}

std::optional<size_t> SimfileChartDialog::ask(const SimfileSong& song, std::vector<size_t> charts, QWidget* parent) {
  SimfileChartDialog dialog(song, std::move(charts), parent);
  if (dialog.exec() != QDialog::Accepted || dialog.lstCharts_->currentRow() < 0) return std::nullopt;
  return dialog.charts_.at(static_cast<size_t>(dialog.lstCharts_->currentRow()));
}

}  // namespace tarveno
