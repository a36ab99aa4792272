#include "gui/sheet/save_options_dialogs.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

#include "gui/widgets/captions.h"

namespace tarveno {

namespace {

constexpr int kJpegQualityAtOpening = 95;

QPushButton* okButton(QDialog* dialog) {
  auto* ok = new QPushButton(QStringLiteral("OK"), dialog);
  ok->setObjectName(QStringLiteral("cmdOK"));
  ok->setDefault(true);
  QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
  return ok;
}

}  // namespace

SavePngDialog::SavePngDialog(QWidget* parent)
    : QDialog(parent), captions_(std::make_unique<Captions>(staticMetaObject.className())) {
  setObjectName(QStringLiteral("frmSavePNG"));
  captions_->keepWindowTitle(this, QT_TR_NOOP("PNGで保存"));
  setModal(true);

  auto* group = new QGroupBox(this);
  captions_->keep(group, QT_TR_NOOP("画質"));
  auto* options = new QVBoxLayout(group);
  const char* captions[3] = {QT_TR_NOOP("標準"), QT_TR_NOOP("速度重視"), QT_TR_NOOP("最高圧縮")};
  for (size_t i = 0; i < optValue_.size(); ++i) {
    optValue_[i] = new QRadioButton(group);
    captions_->keep(optValue_[i], captions[i]);
    optValue_[i]->setObjectName(QStringLiteral("optValue%1").arg(i));
    options->addWidget(optValue_[i]);
  }
  optValue_[0]->setChecked(true);
  cmdOK_ = okButton(this);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(group);
  layout->addWidget(cmdOK_, 0, Qt::AlignTop);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

SavePngDialog::~SavePngDialog() = default;

void SavePngDialog::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) captions_->apply();
  QDialog::changeEvent(event);
}

PngOption SavePngDialog::option() const {
  for (size_t i = 0; i < optValue_.size(); ++i) {
    if (optValue_[i]->isChecked()) return static_cast<PngOption>(i);
  }
  return PngOption::Standard;
}

SaveJpegDialog::SaveJpegDialog(QWidget* parent)
    : QDialog(parent), captions_(std::make_unique<Captions>(staticMetaObject.className())) {
  setObjectName(QStringLiteral("frmSaveJPEG"));
  captions_->keepWindowTitle(this, QT_TR_NOOP("JPEGで保存"));
  setModal(true);

  sldValue_ = new QSlider(Qt::Horizontal, this);
  sldValue_->setObjectName(QStringLiteral("sldValue"));
  sldValue_->setRange(1, 100);
  sldValue_->setSingleStep(1);
  sldValue_->setPageStep(10);
  sldValue_->setValue(kJpegQualityAtOpening);
  sldValue_->setMinimumWidth(160);
  lblValue_ = new QLabel(QString::number(kJpegQualityAtOpening), this);
  lblValue_->setObjectName(QStringLiteral("lblValue"));
  lblValue_->setMinimumWidth(lblValue_->fontMetrics().horizontalAdvance(QStringLiteral("1000")));
  chkProgressive_ = new QCheckBox(this);
  captions_->keep(chkProgressive_, QT_TR_NOOP("プログレッシブ"));
  chkProgressive_->setObjectName(QStringLiteral("chkProgressive"));
  cmdOK_ = okButton(this);
  connect(sldValue_, &QSlider::valueChanged, lblValue_, [this](int value) { lblValue_->setNum(value); });

  auto* quality = new QHBoxLayout;
  quality->addWidget(captions_->label(QT_TR_NOOP("画質:"), this));
  quality->addWidget(sldValue_);
  quality->addWidget(lblValue_);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(chkProgressive_);
  bottom->addStretch(1);
  bottom->addWidget(cmdOK_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(quality);
  layout->addLayout(bottom);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

SaveJpegDialog::~SaveJpegDialog() = default;

void SaveJpegDialog::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) captions_->apply();
  QDialog::changeEvent(event);
}

int SaveJpegDialog::quality() const {
  return sldValue_->value();
}

bool SaveJpegDialog::progressive() const {
  return chkProgressive_->isChecked();
}

}  // namespace tarveno
