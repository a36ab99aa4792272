#pragma once

#include <QDialog>
#include <optional>

#include "gui/play/play_settings.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSlider;

namespace tarveno {

class Prompts;

// frmPlay ("再生設定"): ticks and metronome on or off with a volume slider each (chkTicks,
// sldTicks, chkMetronome, sldMetronome, 0..100), and the current song's music: the file
// (txtMusic, chosen through cmdMusic "参照...", emptied by cmdNoMusic "なし") and where beat 0
// lies in it (txtOffset, milliseconds, read by its leading number); the speed for every song
// (cboSpeed: 100%, 75% or 50% of the tempo, the music at its own pitch). cmdOK hands the values
// back, cmdCancel (and Esc) drops them. Storing them is the caller's (savePlaySettings).
class PlaySettingsDialog : public QDialog {
  Q_OBJECT
 public:
  // songTitle names the song the music belongs to.
  PlaySettingsDialog(const PlaySettings& initial, const QString& songTitle, Prompts& prompts, QWidget* parent);

  // The values shown, as OK would hand them back.
  PlaySettings values() const;

  // Shows the dialog modally; nothing when it is cancelled.
  static std::optional<PlaySettings> ask(const PlaySettings& initial, const QString& songTitle, Prompts& prompts,
                                         QWidget* parent);

 private:
  void chooseMusic();
  QWidget* musicBox(const QString& songTitle);

  Prompts& prompts_;
  QCheckBox* chkTicks_ = nullptr;
  QSlider* sldTicks_ = nullptr;
  QCheckBox* chkMetronome_ = nullptr;
  QSlider* sldMetronome_ = nullptr;
  QLineEdit* txtMusic_ = nullptr;
  QLineEdit* txtOffset_ = nullptr;
  QComboBox* cboSpeed_ = nullptr;
};

}  // namespace tarveno
