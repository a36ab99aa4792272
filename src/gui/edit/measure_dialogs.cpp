#include "gui/edit/measure_dialogs.h"

#include <QCheckBox>
#include <QEvent>
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
  setModal(true);

  txtStart_ = numberBox("txtStart", this);
  txtSecond_ = numberBox(insert ? "txtLength" : "txtEnd", this);
  auto* grid = new QGridLayout;
  for (QLabel*& label : labels_) label = new QLabel(this);
  grid->addWidget(labels_[0], 0, 0);
  grid->addWidget(txtStart_, 0, 1);
  grid->addWidget(labels_[1], 0, 2);
  grid->addWidget(txtSecond_, 1, 1);
  grid->addWidget(labels_[2], 1, 2);
  if (!insert) {
    chkPush_ = new QCheckBox(this);
    chkPush_->setObjectName(QStringLiteral("chkPush"));
    grid->addWidget(chkPush_, 2, 0, 1, 3);
  }

  const DialogButtons buttons = dialogButtons(this, QStringLiteral("Cancel"));
  connect(buttons.ok, &QPushButton::clicked, this, &MeasureDialog::okClicked);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons.row);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  retranslate();
}

// The captions read as one sentence around the two boxes, so each dialog has its own words
// even where the Japanese ones are the same.
void MeasureDialog::retranslate() {
  if (kind_ == Kind::Insert) {
    setWindowTitle(tr("小節挿入"));
    labels_[0]->setText(tr("小節番号", "insert at"));
    labels_[1]->setText(tr("に"));
    labels_[2]->setText(tr("小節挿入する"));
  } else {
    setWindowTitle(tr("小節削除"));
    labels_[0]->setText(tr("小節番号", "delete from"));
    labels_[1]->setText(tr("～"));
    labels_[2]->setText(tr("を削除する"));
    chkPush_->setText(tr("小節を詰める"));
  }
}

void MeasureDialog::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QDialog::changeEvent(event);
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
