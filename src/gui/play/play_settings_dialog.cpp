#include "gui/play/play_settings_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

#include "core/text/number.h"
#include "gui/app/dialog_buttons.h"
#include "gui/app/prompts.h"

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

QPushButton* button(const QString& caption, const char* name, QWidget* parent) {
  return named(new QPushButton(caption, parent), name);
}

}  // namespace

PlaySettingsDialog::PlaySettingsDialog(const PlaySettings& initial, const QString& songTitle, Prompts& prompts,
                                       QWidget* parent)
    : QDialog(parent), prompts_(prompts) {
  setObjectName(QStringLiteral("frmPlay"));
  setWindowTitle(QStringLiteral("再生設定"));
  setModal(true);

  chkTicks_ = named(new QCheckBox(QStringLiteral("アシスト音(&A)"), this), "chkTicks");
  chkTicks_->setChecked(initial.mix.ticks);
  sldTicks_ = volumeSlider("sldTicks", initial.mix.tickVolume, this);
  chkMetronome_ = named(new QCheckBox(QStringLiteral("メトロノーム(&M)"), this), "chkMetronome");
  chkMetronome_->setChecked(initial.mix.metronome);
  sldMetronome_ = volumeSlider("sldMetronome", initial.mix.metronomeVolume, this);
  auto* sounds = new QGridLayout;
  sounds->addWidget(chkTicks_, 0, 0);
  sounds->addWidget(new QLabel(QStringLiteral("音量"), this), 0, 1);
  sounds->addWidget(sldTicks_, 0, 2);
  sounds->addWidget(chkMetronome_, 1, 0);
  sounds->addWidget(new QLabel(QStringLiteral("音量"), this), 1, 1);
  sounds->addWidget(sldMetronome_, 1, 2);
  cboSpeed_ = named(new QComboBox(this), "cboSpeed");
  for (const int percent : {100, 75, 50}) cboSpeed_->addItem(QStringLiteral("%1%").arg(percent), percent);
  cboSpeed_->setCurrentIndex(std::max(0, cboSpeed_->findData(initial.speedPercent)));
  auto* speedLabel = new QLabel(QStringLiteral("再生速度"), this);
  speedLabel->setBuddy(cboSpeed_);
  sounds->addWidget(speedLabel, 2, 0);
  sounds->addWidget(cboSpeed_, 2, 1, 1, 2, Qt::AlignLeft);
  // A volume means something only while its sound is on.
  for (auto [check, slider] : {std::pair(chkTicks_, sldTicks_), std::pair(chkMetronome_, sldMetronome_)}) {
    slider->setEnabled(check->isChecked());
    connect(check, &QCheckBox::toggled, slider, &QWidget::setEnabled);
  }

  QWidget* music = musicBox(songTitle);
  txtMusic_->setText(initial.musicFile);
  txtOffset_->setText(QString::number(initial.musicOffsetMs));

  const DialogButtons buttons = dialogButtons(this, QStringLiteral("キャンセル"));
  connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(sounds);
  layout->addWidget(music);
  layout->addLayout(buttons.row);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* PlaySettingsDialog::musicBox(const QString& songTitle) {
  auto* box = named(new QGroupBox(QStringLiteral("この曲の音楽: %1").arg(songTitle), this), "fraMusic");
  txtMusic_ = named(new QLineEdit(box), "txtMusic");
  txtMusic_->setMinimumWidth(280);
  auto* browse = button(QStringLiteral("参照(&R)..."), "cmdMusic", box);
  auto* none = button(QStringLiteral("なし(&N)"), "cmdNoMusic", box);
  connect(browse, &QPushButton::clicked, this, &PlaySettingsDialog::chooseMusic);
  connect(none, &QPushButton::clicked, txtMusic_, &QLineEdit::clear);
  txtOffset_ = named(new QLineEdit(box), "txtOffset");
  txtOffset_->setFixedWidth(80);

  auto* grid = new QGridLayout(box);
  grid->addWidget(new QLabel(QStringLiteral("ファイル"), box), 0, 0);
  grid->addWidget(txtMusic_, 0, 1, 1, 3);
  grid->addWidget(browse, 0, 4);
  grid->addWidget(none, 0, 5);
  grid->addWidget(new QLabel(QStringLiteral("オフセット"), box), 1, 0);
  grid->addWidget(txtOffset_, 1, 1);
  grid->addWidget(new QLabel(QStringLiteral("ミリ秒（拍 0 が音楽のどこにあるか）"), box), 1, 2, 1, 4);
  return box;
}

void PlaySettingsDialog::chooseMusic() {
  Prompts::FileDialog dialog;
  dialog.filter = QStringLiteral(
      "音声ファイル (*.ogg *.oga *.mp3 *.wav *.flac *.opus)|*.ogg;*.oga;*.mp3;*.wav;*.flac;*.opus|"
      "すべてのファイル (*)|*");
  dialog.initialPath = txtMusic_->text();
  dialog.title = QStringLiteral("音楽ファイルを開く");
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
                                                    Prompts& prompts, QWidget* parent) {
  PlaySettingsDialog dialog(initial, songTitle, prompts, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.values();
}

}  // namespace tarveno
