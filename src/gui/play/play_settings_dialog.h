#pragma once

#include <QDialog>
#include <memory>
#include <optional>

#include "gui/play/offset_finder.h"
#include "gui/play/play_settings.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

namespace tarveno {

class Captions;
class Prompts;

// frmPlay ("再生設定"): ticks and metronome on or off with a volume slider each (chkTicks,
// sldTicks, chkMetronome, sldMetronome, 0..100), and the current song's music: the file
// (txtMusic, chosen through cmdMusic "参照...", emptied by cmdNoMusic "なし") and where beat 0
// lies in it (txtOffset, milliseconds, read by its leading number); the speed for every song
// (cboSpeed: 100%, 75% or 50% of the tempo, the music at its own pitch). cmdOK hands the values
// back, cmdCancel (and Esc) drops them. Storing them is the caller's (savePlaySettings).
// cmdAutoSync "自動調整" moves the offset onto the music's beat nearest the offset set (through
// the finder; without one the button stays off), and lblSync says how sure that is and what
// tempo the music seems to have, warning when it is not the song's.
class PlaySettingsDialog : public QDialog {
  Q_OBJECT
 public:
  // songTitle names the song the music belongs to.
  PlaySettingsDialog(const PlaySettings& initial, const QString& songTitle, Prompts& prompts, QWidget* parent,
                     OffsetFinder* finder = nullptr);
  ~PlaySettingsDialog() override;

  // The values shown, as OK would hand them back.
  PlaySettings values() const;

  // Shows the dialog modally; nothing when it is cancelled.
  static std::optional<PlaySettings> ask(const PlaySettings& initial, const QString& songTitle, Prompts& prompts,
                                         QWidget* parent, OffsetFinder* finder = nullptr);

  // The line shown after a search, in the installed language.
  static QString syncLine(const FoundSync& found, std::optional<double> songTempo);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void chooseMusic();
  QWidget* musicBox();
  void addAutoSync(QGridLayout& grid, QWidget* box);
  void autoSync();
  void updateSyncLine();
  void retranslate();

  Prompts& prompts_;
  OffsetFinder* finder_;
  QString songTitle_;
  std::unique_ptr<Captions> captions_;
  QGroupBox* fraMusic_ = nullptr;
  QPushButton* cmdAutoSync_ = nullptr;
  QLabel* lblSync_ = nullptr;
  bool searching_ = false;
  std::optional<FoundSync> found_;
  QString syncError_;
  QCheckBox* chkTicks_ = nullptr;
  QSlider* sldTicks_ = nullptr;
  QCheckBox* chkMetronome_ = nullptr;
  QSlider* sldMetronome_ = nullptr;
  QLineEdit* txtMusic_ = nullptr;
  QLineEdit* txtOffset_ = nullptr;
  QComboBox* cboSpeed_ = nullptr;
};

}  // namespace tarveno
