#include "gui/app/dialog_buttons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace tarveno {

DialogButtons dialogButtons(QDialog* dialog, const QString& cancelCaption) {
  DialogButtons buttons;
  buttons.ok = new QPushButton(QStringLiteral("OK"), dialog);
  buttons.ok->setObjectName(QStringLiteral("cmdOK"));
  buttons.ok->setDefault(true);
  buttons.cancel = new QPushButton(cancelCaption, dialog);
  buttons.cancel->setObjectName(QStringLiteral("cmdCancel"));
  QObject::connect(buttons.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
  buttons.row = new QHBoxLayout;
  buttons.row->addStretch(1);
  buttons.row->addWidget(buttons.ok);
  buttons.row->addWidget(buttons.cancel);
  return buttons;
}

}  // namespace tarveno
