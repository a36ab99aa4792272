#include "gui/play/play_settings_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "core/text/number.h"
#include "gui/app/dialog_buttons.h"
#include "gui/app/prompts.h"
#include "gui/play/offset_finder.h"
#include "gui/widgets/captions.h"

namespace tarveno {

namespace {

template <class W>
W* named(W* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

QSlider* volumeSlider(const char* name, int value, QWidget* parent) {
  auto* slider = named(new QSlider(Qt::Horizontal, parent), name);
  slider->setRange(0, 100);
  slider->setPageStep(10);
  slider->setValue(value);
  slider->setMinimumWidth(160);
  return slider;
}

}  // namespace

PlaySettingsDialog::PlaySettingsDialog(const PlaySettings& initial, const QString& songTitle, Prompts& prompts,
                                       QWidget* parent, OffsetFinder* finder)
    : QDialog(parent),
      prompts_(prompts),
      finder_(finder),
      songTitle_(songTitle),
      captions_(std::make_unique<Captions>(staticMetaObject.className())) {
  setObjectName(QStringLiteral("frmPlay"));
  captions_->keepWindowTitle(this, QT_TR_NOOP("再生設定"));
  setModal(true);

  chkTicks_ = named(new QCheckBox(this), "chkTicks");
  captions_->keep(chkTicks_, QT_TR_NOOP("アシスト音(&A)"));
  chkTicks_->setChecked(initial.mix.ticks);
  sldTicks_ = volumeSlider("sldTicks", initial.mix.tickVolume, this);
  chkMetronome_ = named(new QCheckBox(this), "chkMetronome");
  captions_->keep(chkMetronome_, QT_TR_NOOP("メトロノーム(&M)"));
  chkMetronome_->setChecked(initial.mix.metronome);
  sldMetronome_ = volumeSlider("sldMetronome", initial.mix.metronomeVolume, this);
  auto* sounds = new QGridLayout;
  sounds->addWidget(chkTicks_, 0, 0);
  sounds->addWidget(captions_->label(QT_TR_NOOP("音量"), this), 0, 1);
  sounds->addWidget(sldTicks_, 0, 2);
  sounds->addWidget(chkMetronome_, 1, 0);
  sounds->addWidget(captions_->label(QT_TR_NOOP("音量"), this), 1, 1);
  sounds->addWidget(sldMetronome_, 1, 2);
  cboSpeed_ = named(new QComboBox(this), "cboSpeed");
  for (const int percent : {100, 75, 50}) cboSpeed_->addItem(QStringLiteral("%1%").arg(percent), percent);
  cboSpeed_->setCurrentIndex(std::max(0, cboSpeed_->findData(initial.speedPercent)));
  auto* speedLabel = captions_->label(QT_TR_NOOP("再生速度"), this);
  speedLabel->setBuddy(cboSpeed_);
  sounds->addWidget(speedLabel, 2, 0);
  sounds->addWidget(cboSpeed_, 2, 1, 1, 2, Qt::AlignLeft);
  // A volume means something only while its sound is on.
  for (auto [check, slider] : {std::pair(chkTicks_, sldTicks_), std::pair(chkMetronome_, sldMetronome_)}) {
    slider->setEnabled(check->isChecked());
    connect(check, &QCheckBox::toggled, slider, &QWidget::setEnabled);
  }

  QWidget* music = musicBox();
  txtMusic_->setText(initial.musicFile);
  txtOffset_->setText(QString::number(initial.musicOffsetMs));

  const DialogButtons buttons = dialogButtons(this, QString());
  captions_->keep(buttons.cancel, QT_TR_NOOP("キャンセル"));
  connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(sounds);
  layout->addWidget(music);
  layout->addLayout(buttons.row);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  retranslate();
}

PlaySettingsDialog::~PlaySettingsDialog() = default;

QWidget* PlaySettingsDialog::musicBox() {
  fraMusic_ = named(new QGroupBox(this), "fraMusic");
  QGroupBox* box = fraMusic_;
  txtMusic_ = named(new QLineEdit(box), "txtMusic");
  txtMusic_->setMinimumWidth(280);
  auto* browse = named(new QPushButton(box), "cmdMusic");
  captions_->keep(browse, QT_TR_NOOP("参照(&R)..."));
  auto* none = named(new QPushButton(box), "cmdNoMusic");
  captions_->keep(none, QT_TR_NOOP("なし(&N)"));
  connect(browse, &QPushButton::clicked, this, &PlaySettingsDialog::chooseMusic);
  connect(none, &QPushButton::clicked, txtMusic_, &QLineEdit::clear);
  txtOffset_ = named(new QLineEdit(box), "txtOffset");
  txtOffset_->setFixedWidth(80);

  auto* grid = new QGridLayout(box);
  grid->addWidget(captions_->label(QT_TR_NOOP("ファイル"), box), 0, 0);
  grid->addWidget(txtMusic_, 0, 1, 1, 3);
  grid->addWidget(browse, 0, 4);
  grid->addWidget(none, 0, 5);
  grid->addWidget(captions_->label(QT_TR_NOOP("オフセット"), box), 1, 0);
  grid->addWidget(txtOffset_, 1, 1);
  grid->addWidget(captions_->label(QT_TR_NOOP("ミリ秒（拍 0 が音楽のどこにあるか）"), box), 1, 2, 1, 3);
  addAutoSync(*grid, box);
  return box;
}

void PlaySettingsDialog::addAutoSync(QGridLayout& grid, QWidget* box) {
  cmdAutoSync_ = named(new QPushButton(box), "cmdAutoSync");
  captions_->keep(cmdAutoSync_, QT_TR_NOOP("自動調整"));
  lblSync_ = named(new QLabel(box), "lblSync");
  lblSync_->setWordWrap(true);
  grid.addWidget(cmdAutoSync_, 1, 5);
  grid.addWidget(lblSync_, 2, 0, 1, 6);
  // Something to search needs a music file and a way to decode it.
  const auto updateButton = [this] {
    cmdAutoSync_->setEnabled(finder_ && !searching_ && !txtMusic_->text().trimmed().isEmpty());
  };
  connect(txtMusic_, &QLineEdit::textChanged, this, updateButton);
  updateButton();
  if (!finder_) return;
  connect(cmdAutoSync_, &QPushButton::clicked, this, &PlaySettingsDialog::autoSync);
  connect(finder_, &OffsetFinder::found, this, [this, updateButton](const FoundSync& found) {
    searching_ = false;
    found_ = found;
    const double offset =
        std::clamp<double>(std::round(found.offset.offsetMs), -kMusicOffsetLimitMs, kMusicOffsetLimitMs);
    txtOffset_->setText(QString::number(static_cast<int>(offset)));
    syncError_.clear();
    updateSyncLine();
    updateButton();
  });
  connect(finder_, &OffsetFinder::failed, this, [this, updateButton](const QString& message) {
    searching_ = false;
    found_.reset();
    syncError_ = message;
    updateSyncLine();
    updateButton();
  });
}

// From the offset set now: the user sets it roughly, the search moves it onto the nearest beat.
void PlaySettingsDialog::autoSync() {
  searching_ = true;
  cmdAutoSync_->setEnabled(false);
  updateSyncLine();
  finder_->find(txtMusic_->text().trimmed(), static_cast<double>(leadingNumber(txtOffset_->text().toStdString())));
}

void PlaySettingsDialog::updateSyncLine() {
  if (searching_) {
    lblSync_->setText(tr("音楽を解析しています…"));
  } else if (!syncError_.isEmpty()) {
    lblSync_->setText(syncError_);
  } else if (found_) {
    lblSync_->setText(syncLine(*found_, finder_ ? finder_->songTempo() : std::nullopt));
  } else {
    lblSync_->clear();
  }
}

QString PlaySettingsDialog::syncLine(const FoundSync& found, std::optional<double> songTempo) {
  const auto percent = [](double share) { return QString::number(std::lround(std::clamp(share, 0.0, 1.0) * 100)); };
  QString line = tr("確かさ %1%、音楽のテンポ %2 BPM（確かさ %3%）")
                     .arg(percent(found.offset.confidence), QString::number(found.tempo.tempo, 'f', 1),
                          percent(found.tempo.confidence));
  // A music file at another speed, or another song's file, shows as a tempo that does not fit.
  if (songTempo && *songTempo > 0 && std::abs(found.tempo.tempo - *songTempo) > *songTempo / 100) {
    line += QLatin1Char('\n') +
            tr("曲のテンポ %1 BPM と 1% 以上違います。別の曲のファイルか、速さの違う音源かもしれません。")
                .arg(QString::number(*songTempo, 'f', 1));
  }
  return line;
}

void PlaySettingsDialog::retranslate() {
  fraMusic_->setTitle(tr("この曲の音楽: %1").arg(songTitle_));
  updateSyncLine();
}

void PlaySettingsDialog::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    captions_->apply();
    retranslate();
  }
  QDialog::changeEvent(event);
}

void PlaySettingsDialog::chooseMusic() {
  Prompts::FileDialog dialog;
  dialog.filter =
      tr("音声ファイル (*.ogg *.oga *.mp3 *.wav *.flac *.opus)|*.ogg;*.oga;*.mp3;*.wav;*.flac;*.opus|"
         "すべてのファイル (*)|*");
  dialog.initialPath = txtMusic_->text();
  dialog.title = tr("音楽ファイルを開く");
  if (auto choice = prompts_.openFile(this, dialog)) txtMusic_->setText(choice->path);
}

PlaySettings PlaySettingsDialog::values() const {
  PlaySettings v;
  v.mix = {chkTicks_->isChecked(), chkMetronome_->isChecked(), sldTicks_->value(), sldMetronome_->value()};
  v.musicFile = txtMusic_->text().trimmed();
  const int64_t offset = leadingNumber(txtOffset_->text().toStdString());
  v.musicOffsetMs = static_cast<int>(std::clamp<int64_t>(offset, -kMusicOffsetLimitMs, kMusicOffsetLimitMs));
  v.speedPercent = cboSpeed_->currentData().toInt();
  return v;
}

std::optional<PlaySettings> PlaySettingsDialog::ask(const PlaySettings& initial, const QString& songTitle,
                                                    Prompts& prompts, QWidget* parent, OffsetFinder* finder) {
  PlaySettingsDialog dialog(initial, songTitle, prompts, parent, finder);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.values();
}

}  // namespace tarveno
