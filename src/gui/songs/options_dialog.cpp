#include "gui/songs/options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/chart/header_input.h"
#include "core/songs/catalogue.h"
#include "core/songs/song_filter.h"
#include "gui/app/app_context.h"
#include "gui/app/dialog_buttons.h"
#include "gui/app/prompts.h"
#include "gui/songs/song_list.h"
#include "gui/widgets/captions.h"
#include "words/messages.h"

namespace tarveno {

namespace {

template <class W>
W* named(W* widget, const QString& name) {
  widget->setObjectName(name);
  return widget;
}

// The widgets side by side from the left, the row's spare width after them.
QHBoxLayout* row(std::initializer_list<QWidget*> widgets) {
  auto* layout = new QHBoxLayout;
  for (QWidget* w : widgets) layout->addWidget(w);
  layout->addStretch(1);
  return layout;
}

}  // namespace

OptionsDialog::OptionsDialog(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context), captions_(std::make_unique<Captions>(staticMetaObject.className())) {
  setObjectName(QStringLiteral("frmOptions"));
  captions_->keepWindowTitle(this, QT_TR_NOOP("設定"));
  setModal(true);

  // The tab widget shows only the selected tab's panel and keeps the dialog as large as the
  // larger one, so switching never resizes it.
  tbsOptions_ = named(new QTabWidget(this), QStringLiteral("tbsOptions"));
  tbsOptions_->tabBar()->setExpanding(false);
  picOptions_[0] = buildSongPanel();
  picOptions_[1] = buildKrunPanel();
  tbsOptions_->addTab(picOptions_[0], QStringLiteral("mc"));
  tbsOptions_->addTab(picOptions_[1], QStringLiteral("KRUN"));

  // Cancel, Esc and the window frame all reject: nothing is stored.
  const DialogButtons buttons = dialogButtons(this, QString());
  cmdOK_ = buttons.ok;
  cmdCancel_ = buttons.cancel;
  captions_->keep(cmdCancel_, QT_TR_NOOP("ｷｬﾝｾﾙ"));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tbsOptions_);
  layout->addLayout(buttons.row);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(cmbVer_, &QComboBox::currentIndexChanged, this, [this] { filterSongs(); });
  connect(chkNewOnly_, &QCheckBox::toggled, this, [this] { filterSongs(); });
  connect(cmbTitle_, &QComboBox::currentIndexChanged, this, [this] { showSongDetails(); });
  connect(cmdAutoTitle_, &QPushButton::clicked, this, [this] { autoTitle(); });
  connect(cmdOK_, &QPushButton::clicked, this, [this] { okClicked(); });
  // Ctrl+Tab moves to the next tab whichever control has the focus: as a shortcut it comes
  // before the combo boxes, which would take the key for their type-ahead search.
  auto* nextTab = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
  connect(nextTab, &QShortcut::activated, this,
          [this] { tbsOptions_->setCurrentIndex((tbsOptions_->currentIndex() + 1) % tbsOptions_->count()); });

  loadSettings();
}

QWidget* OptionsDialog::buildSongPanel() {
  auto* panel = named(new QWidget(this), QStringLiteral("picOptions0"));
  createSongChoice(panel);
  QGroupBox* versions = createEditionLabels(panel);
  createChartFields(panel);

  auto* grid = new QGridLayout(panel);
  grid->addLayout(row({cmbVer_, chkNewOnly_}), 0, 0, 1, 2);
  grid->addWidget(captions_->label(QT_TR_NOOP("曲選択"), panel), 1, 0);
  grid->addWidget(cmbTitle_, 1, 1);
  grid->addLayout(
      row({new QLabel(QStringLiteral("ID:"), panel), lblCode_, captions_->label(QT_TR_NOOP("小節数:"), panel), lblSize_,
           new QLabel(QStringLiteral("bpm:"), panel), lblBpm_}),
      2, 1);
  grid->addWidget(versions, 3, 0, 1, 2);
  grid->addWidget(captions_->label(QT_TR_NOOP("EDIT名"), panel), 4, 0);
  grid->addLayout(row({txtName_}), 4, 1);
  grid->addWidget(captions_->label(QT_TR_NOOP("プレイスタイル"), panel), 5, 0);
  grid->addLayout(row({cmbStyle_}), 5, 1);
  grid->addWidget(captions_->label(QT_TR_NOOP("難易度"), panel), 6, 0);
  grid->addLayout(row({cmbLevel_, txtLevel_, new QLabel(QStringLiteral("(0-15)"), panel)}), 6, 1);
  grid->setRowStretch(7, 1);
  return panel;
}

void OptionsDialog::createSongChoice(QWidget* panel) {
  cmbVer_ = named(new QComboBox(panel), QStringLiteral("cmbVer"));
  for (const EditionFilter& f : editionFilters()) cmbVer_->addItem(QString::fromUtf8(f.text));
  chkNewOnly_ = named(new QCheckBox(panel), QStringLiteral("chkNewOnly"));
  captions_->keep(chkNewOnly_, QT_TR_NOOP("新曲のみ"));

  cmbTitle_ = named(new QComboBox(panel), QStringLiteral("cmbTitle"));
  cmbTitle_->setMinimumContentsLength(28);
  cmbTitle_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

  lblCode_ = named(new QLabel(panel), QStringLiteral("lblCode"));
  lblSize_ = named(new QLabel(panel), QStringLiteral("lblSize"));
  lblBpm_ = named(new QLabel(panel), QStringLiteral("lblBpm"));
  for (QLabel* l : {lblCode_, lblSize_, lblBpm_}) l->setMinimumWidth(40);
}

QGroupBox* OptionsDialog::createEditionLabels(QWidget* panel) {
  auto* versions = new QGroupBox(panel);
  captions_->keep(versions, QT_TR_NOOP("収録ﾊﾞｰｼﾞｮﾝ"));
  auto* versionGrid = new QGridLayout(versions);
  versionGrid->setHorizontalSpacing(6);
  versionGrid->addWidget(new QLabel(QStringLiteral("AC"), versions), 0, 0);
  versionGrid->addWidget(new QLabel(QStringLiteral("PS"), versions), 1, 0);
  for (size_t i = 0; i < lblInVerAC_.size(); ++i) {
    lblInVerAC_[i] = named(new QLabel(QString::fromUtf8(arcadeEditionCaptions()[i]), versions),
                           QStringLiteral("lblInVerAC%1").arg(i));
    versionGrid->addWidget(lblInVerAC_[i], 0, static_cast<int>(i) + 1);
  }
  for (size_t i = 0; i < lblInVerPS_.size(); ++i) {
    lblInVerPS_[i] = named(new QLabel(QString::fromUtf8(consoleEditionCaptions()[i]), versions),
                           QStringLiteral("lblInVerPS%1").arg(i));
    versionGrid->addWidget(lblInVerPS_[i], 1, static_cast<int>(i) + 1);
  }
  return versions;
}

void OptionsDialog::createChartFields(QWidget* panel) {
  txtName_ = named(new QLineEdit(panel), QStringLiteral("txtName"));
  txtName_->setMaxLength(8);
  txtName_->setFixedWidth(110);

  cmbStyle_ = named(new QComboBox(panel), QStringLiteral("cmbStyle"));
  cmbStyle_->addItems({QStringLiteral("0 - SINGLE"), QStringLiteral("1 - COUPLE"), QStringLiteral("2 - DOUBLE")});
  cmbLevel_ = named(new QComboBox(panel), QStringLiteral("cmbLevel"));
  cmbLevel_->addItems({QStringLiteral("0 - None"), QStringLiteral("1 - BASIC"), QStringLiteral("2 - TRICK"),
                       QStringLiteral("3 - MANIAC")});
  txtLevel_ = named(new QLineEdit(panel), QStringLiteral("txtLevel"));
  txtLevel_->setFixedWidth(48);
}

QWidget* OptionsDialog::buildKrunPanel() {
  auto* panel = named(new QWidget(this), QStringLiteral("picOptions1"));
  txtKRUNTitle_ = named(new QLineEdit(panel), QStringLiteral("txtKRUNTitle"));
  cmdAutoTitle_ = named(new QPushButton(panel), QStringLiteral("cmdAutoTitle"));
  captions_->keep(cmdAutoTitle_, QT_TR_NOOP("自動付加"));
  txtKRUNWidth_ = named(new QLineEdit(panel), QStringLiteral("txtKRUNWidth"));
  txtKRUNHeight_ = named(new QLineEdit(panel), QStringLiteral("txtKRUNHeight"));
  txtKRUNComment_ = named(new QLineEdit(panel), QStringLiteral("txtKRUNComment"));
  txtKRUNWidth_->setFixedWidth(80);
  txtKRUNHeight_->setFixedWidth(80);

  auto* grid = new QGridLayout(panel);
  grid->addWidget(captions_->label(QT_TR_NOOP("譜面タイトル"), panel), 0, 0);
  grid->addWidget(txtKRUNTitle_, 0, 1);
  grid->addWidget(cmdAutoTitle_, 0, 2);
  grid->addWidget(captions_->label(QT_TR_NOOP("列数"), panel), 1, 0);
  grid->addWidget(txtKRUNWidth_, 1, 1, Qt::AlignLeft);
  grid->addWidget(captions_->label(QT_TR_NOOP("高さ"), panel), 2, 0);
  grid->addWidget(txtKRUNHeight_, 2, 1, Qt::AlignLeft);
  grid->addWidget(captions_->label(QT_TR_NOOP("コメント"), panel), 3, 0);
  grid->addWidget(txtKRUNComment_, 3, 1, 1, 2);
  grid->setRowStretch(4, 1);
  return panel;
}

OptionsDialog::~OptionsDialog() = default;

void OptionsDialog::loadSettings() {
  const Chart& chart = context_.document.chart;
  // Selecting "ALL" refills the song list through filterSongs even when it was selected before.
  if (cmbVer_->currentIndex() == 0) {
    filterSongs();
  } else {
    cmbVer_->setCurrentIndex(0);
  }
  selectSong(*cmbTitle_, chart.SongIndex);
  showSongDetails();

  const int style = static_cast<int>(chart.PlayStyle);
  cmbStyle_->setCurrentIndex(style < cmbStyle_->count() ? style : -1);
  const int level = chart.Difficulty >> 4;
  cmbLevel_->setCurrentIndex(level < cmbLevel_->count() ? level : -1);
  txtLevel_->setText(QString::number(chart.Difficulty & 15));

  txtName_->setText(QString::fromStdString(chart.EditName));
  txtKRUNTitle_->setText(QString::fromStdString(chart.KrunTitle));
  txtKRUNHeight_->setText(chart.KrunHeight != 0 ? QString::number(chart.KrunHeight) : QString());
  txtKRUNWidth_->setText(chart.KrunWidth != 0 ? QString::number(chart.KrunWidth) : QString());
  txtKRUNComment_->setText(QString::fromStdString(chart.KrunComment));

  tbsOptions_->setCurrentIndex(0);
}

void OptionsDialog::showTab(int tab) {
  tbsOptions_->setCurrentIndex(tab);
}

void OptionsDialog::filterSongs() {
  const QVariant data = cmbTitle_->currentData();
  const int previous = data.isValid() ? data.toInt() : 0;
  SongFilterResult result =
      FilterSongs(context_.catalogue, cmbVer_->currentIndex(), chkNewOnly_->isChecked(), previous);
  fillSongList(*cmbTitle_, context_.catalogue, result);
  if (result.newOnlyEnabled) chkNewOnly_->setEnabled(*result.newOnlyEnabled);
  showSongDetails();
}

void OptionsDialog::showSongDetails() {
  const QVariant data = cmbTitle_->currentData();
  const SongRecord* r = data.isValid() ? context_.catalogue.song(data.toInt()) : nullptr;
  if (!r) {
    // Only an edition without songs gets here: show no song rather than a stale one.
    lblCode_->clear();
    lblSize_->clear();
    lblBpm_->clear();
    for (QLabel* l : lblInVerAC_) l->setEnabled(false);
    for (QLabel* l : lblInVerPS_) l->setEnabled(false);
    return;
  }
  lblCode_->setText(QString::fromStdString(songCodeText(r->Code)));
  lblSize_->setText(QString::number(r->Measures));
  lblBpm_->setText(QString::fromStdString(songBpmText(r->Bpm)));
  for (size_t i = 0; i < lblInVerAC_.size(); ++i) lblInVerAC_[i]->setEnabled((r->AcMask >> i) & 1u);
  for (size_t i = 0; i < lblInVerPS_.size(); ++i) lblInVerPS_[i]->setEnabled((r->CsMask >> i) & 1u);
}

void OptionsDialog::autoTitle() {
  txtKRUNTitle_->setText(
      QString::fromStdString(autoKrunTitle(cmbTitle_->currentText().toStdString(), txtName_->text().toStdString())));
}

bool OptionsDialog::applySettings() {
  const OptionsInput input{txtLevel_->text().toStdString(),     txtName_->text().toStdString(),
                           txtKRUNWidth_->text().toStdString(), txtKRUNHeight_->text().toStdString(),
                           txtKRUNTitle_->text().toStdString(), txtKRUNComment_->text().toStdString()};
  auto checked = checkOptionsInput(input);
  if (!checked) {
    context_.prompts.error(this, describe(checked.error()));
    return false;
  }
  Chart& chart = context_.document.chart;
  // An edition filter that matches no song leaves nothing selected; the chart then keeps its
  // song rather than losing it to an arbitrary one.
  const QVariant song = cmbTitle_->currentData();
  if (song.isValid()) chart.SongIndex = static_cast<int16_t>(song.toInt());
  // A header read from a file may carry a style or class the lists do not offer; it is kept
  // as it was unless the user picks an entry.
  if (cmbStyle_->currentIndex() >= 0) chart.PlayStyle = static_cast<PlayStyle>(cmbStyle_->currentIndex());
  const int level = cmbLevel_->currentIndex() >= 0 ? cmbLevel_->currentIndex() : chart.Difficulty >> 4;
  chart.Difficulty = static_cast<uint8_t>(level * 16 + checked->footLevel);
  chart.EditName = txtName_->text().toStdString();
  chart.KrunTitle = txtKRUNTitle_->text().toStdString();
  chart.KrunHeight = checked->krunHeight;
  chart.KrunWidth = checked->krunWidth;
  chart.KrunComment = txtKRUNComment_->text().toStdString();

  Status meter = LoadMeterSegs(context_.catalogue, chart.SongIndex, context_.document.meterSegs);
  if (!meter) {
    // The header is stored already; the editor simply keeps the meter list it had.
    context_.prompts.error(this, meter.error().message);
  }
  return true;
}

void OptionsDialog::okClicked() {
  if (applySettings()) accept();
}

void OptionsDialog::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) captions_->apply();
  QDialog::changeEvent(event);
}

void OptionsDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (centred_) return;
  centred_ = true;
  if (QScreen* s = screen()) {
    const QRect area = s->geometry();
    move(area.x() + (area.width() - frameGeometry().width()) / 2,
         area.y() + (area.height() - frameGeometry().height()) / 2);
  }
}

}  // namespace tarveno
