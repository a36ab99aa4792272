#include "gui/app/about_dialog.h"

#include <QEvent>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "render/arrow_images.h"
#include "render/masked_image.h"
#include "tarveno_version.h"

namespace tarveno {

namespace {

constexpr const char* kMail = "tarveno@example.invalid";
constexpr const char* kUrl = "http://tarveno.example.invalid/";

QLineEdit* contactBox(const char* text, const QString& name, QWidget* parent) {
  auto* box = new QLineEdit(QString::fromUtf8(text), parent);
  box->setObjectName(name);
  box->setReadOnly(true);
  box->setMinimumWidth(220);
  return box;
}

}  // namespace

QString versionText(int major, int minor) {
  return QStringLiteral("version %1.%2").arg(major).arg((QStringLiteral("0") + QString::number(minor)).right(2));
}

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmAbout"));

  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("picIcon"));
  const ArrowImages arrows;
  icon->setPixmap(QPixmap::fromImage(maskToAlpha(arrows.image(arrowImageIndex(0, 2)), kArrowMaskColor)));
  icon->setAlignment(Qt::AlignTop);

  auto* title = new QLabel(QStringLiteral("TARVENO"), this);
  title->setObjectName(QStringLiteral("lblTitle"));
  QFont titleFont = title->font();
  titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
  titleFont.setBold(true);
  title->setFont(titleFont);

  auto* version = new QLabel(this);
  version->setObjectName(QStringLiteral("lblVersion"));
  version->setText(versionText(kVersionMajor, kVersionMinor));

  notice_ = new QLabel(this);
  notice_->setObjectName(QStringLiteral("lblNotice"));

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("Command1"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* grid = new QGridLayout;
  auto* titleRow = new QHBoxLayout;
  titleRow->addWidget(title);
  titleRow->addSpacing(12);
  titleRow->addWidget(version, 0, Qt::AlignBottom);
  titleRow->addStretch();
  grid->addLayout(titleRow, 0, 0, 1, 2);
  grid->addWidget(notice_, 1, 0, 1, 2);
  grid->addWidget(new QLabel(QStringLiteral("E-mail:"), this), 2, 0);
  grid->addWidget(contactBox(kMail, QStringLiteral("txtMail"), this), 2, 1);
  grid->addWidget(new QLabel(QStringLiteral("url:"), this), 3, 0);
  grid->addWidget(contactBox(kUrl, QStringLiteral("txtUrl"), this), 3, 1);

  auto* body = new QHBoxLayout;
  body->addWidget(icon, 0, Qt::AlignTop);
  body->addSpacing(8);
  body->addLayout(grid, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);

  auto* root = new QVBoxLayout(this);
  root->addLayout(body);
  root->addSpacing(8);
  root->addLayout(buttons);
  retranslate();
}

void AboutDialog::retranslate() {
  setWindowTitle(tr("バージョン情報"));
  notice_->setText(tr("このソフトはフリーソフトです。 (C) たるべの工房"));
}

void AboutDialog::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QDialog::changeEvent(event);
}

}  // namespace tarveno
