#include "gui/sheet/view_setting_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "core/sheet/sheet_layout.h"
#include "core/text/number.h"
#include "gui/app/app_context.h"
#include "gui/app/dialog_buttons.h"
#include "gui/app/prompts.h"
#include "gui/sheet/color_swatch.h"
#include "gui/widgets/captions.h"
#include "render/qt_color.h"
#include "render/sheet_pens_fonts.h"
#include "render/sheet_renderer.h"
#include "words/messages.h"

namespace tarveno {

namespace {

// picColor (0) .. (8) and cmbLineStyle (0) .. (3), in the settings they edit.
constexpr int32_t ViewSettings::*kSwatchColors[9] = {
    &ViewSettings::SheetBackColor, &ViewSettings::Beat13Color,      &ViewSettings::Beat24Color,
    &ViewSettings::FrameColor,     &ViewSettings::MeasureLineColor, &ViewSettings::BeatLineColor,
    &ViewSettings::HeaderColor,    &ViewSettings::PlayerLineColor,  &ViewSettings::NumberColor};
constexpr LineStyle ViewSettings::*kLineStyles[4] = {&ViewSettings::FrameStyle, &ViewSettings::MeasureLineStyle,
                                                     &ViewSettings::BeatLineStyle, &ViewSettings::PlayerLineStyle};

const QString kSampleText = QStringLiteral("abcABC123");

template <class W>
W* named(W* widget, const QString& name) {
  widget->setObjectName(name);
  return widget;
}

// The template keeps CR LF line breaks; the text box works with LF.
QString templateForEditing(const std::string& headerStyle) {
  return QString::fromStdString(headerStyle).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}
std::string templateFromEditing(const QString& text) {
  return QString(text).replace(QLatin1Char('\n'), QStringLiteral("\r\n")).toStdString();
}

}  // namespace

ViewSettingDialog::ViewSettingDialog(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context), captions_(std::make_unique<Captions>(staticMetaObject.className())) {
  setObjectName(QStringLiteral("frmViewSetting"));
  captions_->keepWindowTitle(this, QT_TR_NOOP("設定"));
  setModal(true);
  // Created in the order the Tab key visits them.
  createControls();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(sheetRows());
  layout->addWidget(headerGroup());
  layout->addWidget(numberGroup());
  layout->addLayout(buttonRow());
  layout->setSizeConstraint(QLayout::SetFixedSize);
  loadSettings();
}

QLineEdit* ViewSettingDialog::numberBox(const char* name) {
  auto* box = named(new QLineEdit(this), QString::fromLatin1(name));
  box->setFixedWidth(56);
  return box;
}

void ViewSettingDialog::createControls() {
  txtBlocks_ = numberBox("txtBlocks");
  txtMarginV_ = numberBox("txtMarginV");
  txtMarginH_ = numberBox("txtMarginH");
  txtMarginC_ = numberBox("txtMarginC");
  for (size_t i = 0; i < picColor_.size(); ++i) {
    picColor_[i] = named(new ColorSwatch(this), QStringLiteral("picColor%1").arg(i));
    picColor_[i]->onClick = [this, i] { chooseColor(i); };
  }
  for (size_t i = 0; i < cmbLineStyle_.size(); ++i) {
    cmbLineStyle_[i] = named(new QComboBox(this), QStringLiteral("cmbLineStyle%1").arg(i));
    captions_->keepItems(cmbLineStyle_[i], {QT_TR_NOOP("実線"), QT_TR_NOOP("鎖線"), QT_TR_NOOP("点線"),
                                            QT_TR_NOOP("一点鎖線"), QT_TR_NOOP("二点鎖線"), QT_TR_NOOP("なし")});
  }
}

QGridLayout* ViewSettingDialog::sheetRows() {
  auto* sheet = new QGridLayout;
  auto addRow = [this, sheet](int row, const char* label, QWidget* field, QWidget* extra = nullptr) {
    sheet->addWidget(captions_->label(label, this), row, 0);
    sheet->addWidget(field, row, 1, Qt::AlignLeft);
    if (extra) sheet->addWidget(extra, row, 2, Qt::AlignLeft);
  };
  addRow(0, QT_TR_NOOP("１行の小節数:"), txtBlocks_);
  addRow(1, QT_TR_NOOP("上下余白:"), txtMarginV_);
  addRow(2, QT_TR_NOOP("左右余白:"), txtMarginH_);
  addRow(3, QT_TR_NOOP("列間隔:"), txtMarginC_);
  addRow(4, QT_TR_NOOP("背景色:"), picColor_[0]);
  addRow(5, QT_TR_NOOP("1,3拍目:"), picColor_[1]);
  addRow(6, QT_TR_NOOP("2,4拍目:"), picColor_[2]);
  addRow(7, QT_TR_NOOP("枠線:"), picColor_[3], cmbLineStyle_[0]);
  addRow(8, QT_TR_NOOP("小節区切り:"), picColor_[4], cmbLineStyle_[1]);
  addRow(9, QT_TR_NOOP("拍区切り:"), picColor_[5], cmbLineStyle_[2]);
  addRow(10, QT_TR_NOOP("1P2P区切り:"), picColor_[7], cmbLineStyle_[3]);
  sheet->setColumnStretch(3, 1);
  for (size_t i = 0; i < 2; ++i) {
    cmdHeaderFont_[i] = named(new QPushButton(this), QStringLiteral("cmdHeaderFont%1").arg(i));
    captions_->keep(cmdHeaderFont_[i], QT_TR_NOOP("フォント"));
    lblSample_[i] = named(new QLabel(kSampleText, this), QStringLiteral("lblSample%1").arg(i));
    connect(cmdHeaderFont_[i], &QPushButton::clicked, this, [this, i] { chooseFont(i); });
  }
  return sheet;
}

// A colour swatch and its font button on one row of a group.
QHBoxLayout* ViewSettingDialog::fontRow(size_t font, size_t swatch) {
  auto* row = new QHBoxLayout;
  row->addWidget(picColor_[swatch]);
  row->addWidget(cmdHeaderFont_[font]);
  row->addStretch(1);
  return row;
}

QGroupBox* ViewSettingDialog::headerGroup() {
  auto* header = new QGroupBox(this);
  captions_->keep(header, QT_TR_NOOP("ヘッダ"));
  txtHeaderStyle_ = named(new QPlainTextEdit(header), QStringLiteral("txtHeaderStyle"));
  txtHeaderStyle_->setFixedHeight(txtHeaderStyle_->fontMetrics().lineSpacing() * 4 + 10);
  txtHeaderStyle_->setLineWrapMode(QPlainTextEdit::NoWrap);
  txtHeaderMargin_ = numberBox("txtHeaderMargin");
  auto* grid = new QGridLayout(header);
  grid->addWidget(captions_->label(QT_TR_NOOP("書式:"), header), 0, 0, Qt::AlignTop);
  grid->addWidget(txtHeaderStyle_, 0, 1, 1, 2);
  grid->addWidget(captions_->label(QT_TR_NOOP("%T:曲タイトル　%E:EDIT名　%M:プレイモード　%L/%l:難易度"), header), 1, 1,
                  1, 2);
  grid->addWidget(captions_->label(QT_TR_NOOP("改行幅:"), header), 2, 0);
  grid->addWidget(txtHeaderMargin_, 2, 1, Qt::AlignLeft);
  grid->addWidget(captions_->label(QT_TR_NOOP("文字属性:"), header), 3, 0);
  grid->addLayout(fontRow(0, 6), 3, 1, 1, 2);
  grid->addWidget(captions_->label(QT_TR_NOOP("サンプル:"), header), 4, 0);
  grid->addWidget(lblSample_[0], 4, 1, 1, 2);
  return header;
}

QGroupBox* ViewSettingDialog::numberGroup() {
  auto* numbers = new QGroupBox(this);
  captions_->keep(numbers, QT_TR_NOOP("小節番号"));
  chkShowNum_ = named(new QCheckBox(numbers), QStringLiteral("chkShowNum"));
  captions_->keep(chkShowNum_, QT_TR_NOOP("表示する"));
  sldNumPos_ = named(new QSlider(Qt::Horizontal, numbers), QStringLiteral("sldNumPos"));
  sldNumPos_->setRange(0, kNumPosMax);
  sldNumPos_->setSingleStep(1);
  sldNumPos_->setPageStep(5);
  lblNumPos_ = named(new QLabel(numbers), QStringLiteral("lblNumPos"));
  lblNumPos_->setMinimumWidth(lblNumPos_->fontMetrics().horizontalAdvance(QStringLiteral("000")));
  connect(sldNumPos_, &QSlider::valueChanged, lblNumPos_, [this](int value) { lblNumPos_->setNum(value); });
  auto* grid = new QGridLayout(numbers);
  grid->addWidget(chkShowNum_, 0, 0, 1, 3);
  grid->addWidget(captions_->label(QT_TR_NOOP("表示位置:"), numbers), 1, 0);
  grid->addWidget(sldNumPos_, 1, 1);
  grid->addWidget(lblNumPos_, 1, 2);
  grid->addWidget(captions_->label(QT_TR_NOOP("文字属性:"), numbers), 2, 0);
  grid->addLayout(fontRow(1, 8), 2, 1, 1, 2);
  grid->addWidget(captions_->label(QT_TR_NOOP("サンプル:"), numbers), 3, 0);
  grid->addWidget(lblSample_[1], 3, 1, 1, 2);
  return numbers;
}

QHBoxLayout* ViewSettingDialog::buttonRow() {
  const DialogButtons buttons = dialogButtons(this, QString());
  cmdOK_ = buttons.ok;
  cmdCancel_ = buttons.cancel;
  captions_->keep(cmdCancel_, QT_TR_NOOP("ｷｬﾝｾﾙ"));
  connect(cmdOK_, &QPushButton::clicked, this, [this] {
    if (applyViewSettings()) accept();
  });
  return buttons.row;
}

void ViewSettingDialog::loadSettings() {
  const ViewSettings& s = context_.viewSettings;
  txtMarginV_->setText(QString::number(s.SheetMarginV));
  txtMarginH_->setText(QString::number(s.SheetMarginH));
  txtBlocks_->setText(QString::number(s.SheetBlocks));
  txtMarginC_->setText(QString::number(s.SheetMarginC));
  txtHeaderMargin_->setText(QString::number(s.HeaderMargin));
  for (size_t i = 0; i < picColor_.size(); ++i) picColor_[i]->setColor(s.*kSwatchColors[i]);
  for (size_t i = 0; i < cmbLineStyle_.size(); ++i)
    cmbLineStyle_[i]->setCurrentIndex(static_cast<int>(s.*kLineStyles[i]));
  fonts_ = {s.HeaderFont, s.NumberFont};
  showSample(0);
  showSample(1);
  txtHeaderStyle_->setPlainText(templateForEditing(s.HeaderStyle));
  chkShowNum_->setChecked(s.ShowNum == 1);
  sldNumPos_->setValue(s.NumPos);
  lblNumPos_->setNum(sldNumPos_->value());
}

Result<ViewSettings> ViewSettingDialog::settingsFromControls() const {
  ViewSettings s = context_.viewSettings;
  struct NumberField {
    QLineEdit* box;
    int16_t* setting;
    const char* label;
  };
  for (const NumberField& f : {NumberField{txtMarginV_, &s.SheetMarginV, QT_TR_NOOP("上下余白")},
                               NumberField{txtMarginH_, &s.SheetMarginH, QT_TR_NOOP("左右余白")},
                               NumberField{txtBlocks_, &s.SheetBlocks, QT_TR_NOOP("１行の小節数")},
                               NumberField{txtMarginC_, &s.SheetMarginC, QT_TR_NOOP("列間隔")},
                               NumberField{txtHeaderMargin_, &s.HeaderMargin, QT_TR_NOOP("改行幅")}}) {
    const std::optional<int16_t> value = toInt16(leadingNumber(f.box->text().toStdString()));
    if (!value) {
      return Error{ErrorCode::OutOfRange, tr("%1は -32768～32767 にしてください。").arg(tr(f.label)).toStdString()};
    }
    *f.setting = *value;
  }
  for (size_t i = 0; i < picColor_.size(); ++i) s.*kSwatchColors[i] = picColor_[i]->color();
  for (size_t i = 0; i < cmbLineStyle_.size(); ++i)
    s.*kLineStyles[i] = static_cast<LineStyle>(cmbLineStyle_[i]->currentIndex());
  s.HeaderFont = fonts_[0];
  s.NumberFont = fonts_[1];
  s.HeaderStyle = templateFromEditing(txtHeaderStyle_->toPlainText());
  s.ShowNum = chkShowNum_->isChecked() ? 1 : 0;
  s.NumPos = static_cast<int16_t>(sldNumPos_->value());
  return s;
}

bool ViewSettingDialog::applyViewSettings() {
  if (Status blocks = checkSheetBlocks(leadingValue(txtBlocks_->text().toStdString())); !blocks) {
    // Nothing is stored; the dialog still closes as accepted and the sheet is drawn as it was.
    context_.prompts.message(this, QStringLiteral("TARVENO"), describe(blocks.error()), Prompts::Buttons::Ok,
                             Prompts::Icon::None);
    return true;
  }
  // Checked before the file is touched, so a refused value leaves both file and memory as they
  // were. Settings that cannot draw the open chart's sheet are refused too: once stored, every
  // sheet view of that chart would show nothing but the reason.
  Result<ViewSettings> s = settingsFromControls();
  Status usable = s ? validateViewSettings(*s) : Status(s.error());
  if (usable) {
    usable = checkSheetSettings(context_.document.chart, context_.catalogue, *s, twipsPerPixelFromDpi(logicalDpiX()));
  }
  if (!usable) {
    context_.prompts.message(this, tr("設定に不備があります"), describe(usable.error()), Prompts::Buttons::Ok,
                             Prompts::Icon::Exclamation);
    return false;
  }
  if (Status saved = SaveViewSettings(context_.viewSettingsFile, *s); !saved) {
    context_.prompts.error(this, describe(saved.error()));
    return false;
  }
  context_.viewSettings = *s;
  return true;
}

ViewSettingDialog::~ViewSettingDialog() = default;

void ViewSettingDialog::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) captions_->apply();
  QDialog::changeEvent(event);
}

void ViewSettingDialog::chooseColor(size_t index) {
  const std::optional<QColor> chosen = context_.prompts.color(this, toQColor(picColor_[index]->color()));
  if (chosen) picColor_[index]->setColor(fromQColor(*chosen));
}

void ViewSettingDialog::chooseFont(size_t index) {
  const std::optional<QFont> chosen = context_.prompts.font(this, toQFont(fonts_[index]));
  if (!chosen) return;
  fonts_[index] = fromQFont(*chosen);
  showSample(index);
}

void ViewSettingDialog::showSample(size_t index) {
  lblSample_[index]->setFont(toQFont(fonts_[index]));
}

}  // namespace tarveno
