#include "gui/edit/measure_dialogs.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/edit/measures.h"
#include "core/text/number.h"
#include "gui/app/dialog_buttons.h"

namespace tarveno {

namespace {

QLabel* text(const char* caption, QWidget* parent) {
  return new QLabel(QString::fromUtf8(caption), parent);
}

QLineEdit* numberBox(const char* name, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setFixedWidth(60);
  return box;
}

// The box's leading number as the 16-bit value the edit takes; nothing when it does not fit.
std::optional<int16_t> boxValue(const QLineEdit* box) {
  return toInt16(leadingNumber(box->text().toStdString()));
}

}  // namespace

MeasureDialog::MeasureDialog(Kind kind, QWidget* parent) : QDialog(parent), kind_(kind) {
  const bool insert = kind == Kind::Insert;
  setObjectName(insert ? QStringLiteral("frmInsert") : QStringLiteral("frmDelete"));
  setWindowTitle(insert ? QStringLiteral("小節挿入") : QStringLiteral("小節削除"));
  setModal(true);

  txtStart_ = numberBox("txtStart", this);
  txtSecond_ = numberBox(insert ? "txtLength" : "txtEnd", this);
  auto* grid = new QGridLayout;
  grid->addWidget(text("小節番号", this), 0, 0);
  grid->addWidget(txtStart_, 0, 1);
  grid->addWidget(text(insert ? "に" : "～", this), 0, 2);
  grid->addWidget(txtSecond_, 1, 1);
  grid->addWidget(text(insert ? "小節挿入する" : "を削除する", this), 1, 2);
  if (!insert) {
    chkPush_ = new QCheckBox(QStringLiteral("小節を詰める"), this);
    chkPush_->setObjectName(QStringLiteral("chkPush"));
    grid->addWidget(chkPush_, 2, 0, 1, 3);
  }

  const DialogButtons buttons = dialogButtons(this, QStringLiteral("Cancel"));
  connect(buttons.ok, &QPushButton::clicked, this, &MeasureDialog::okClicked);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons.row);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void MeasureDialog::okClicked() {
  const auto first = boxValue(txtStart_);
  const auto second = boxValue(txtSecond_);
  if (!first || !second) return;
  const bool accepted =
      kind_ == Kind::Insert ? insertValuesAccepted(*first, *second) : deleteValuesAccepted(*first, *second);
  if (!accepted) return;
  request_ = {*first, *second, chkPush_ && chkPush_->isChecked()};
  accept();
}

std::optional<MeasureRequest> MeasureDialog::ask(Kind kind, QWidget* parent) {
  MeasureDialog dialog(kind, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.request_;
}

}  // namespace tarveno
