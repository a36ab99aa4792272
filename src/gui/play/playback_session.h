#pragma once

#include <QObject>
#include <QSet>
#include <QString>
#include <filesystem>
#include <memory>
#include <optional>

#include "core/chart/chart.h"
#include "gui/play/audio_output.h"
#include "gui/play/music_source.h"
#include "gui/play/play_settings.h"
#include "gui/play/playback_controller.h"
#include "gui/play/stretched_music.h"

class QWidget;

namespace tarveno {

class Prompts;

// The editor's playback: the chart from a start beat to the song's end with the 再生設定 values
// and the song's music, through the application's audio output. It reads the document when
// playback starts; the window shows the playhead it reports and keeps the chart still.
class PlaybackSession : public QObject {
  Q_OBJECT
 public:
  // settingsFile: where the 再生設定 values are kept; empty keeps them for this run only.
  // music: where the song's music comes from; null plays without it.
  PlaybackSession(const Document& document, const Catalogue& catalogue, AudioOutput& output, MusicSource* music,
                  std::filesystem::path settingsFile, Prompts& prompts, QWidget* window);
  ~PlaybackSession() override;

  // Starts from startBeat, or, when the song's music is still to be decoded or stretched to the
  // speed, as soon as it is.
  void start(int startBeat);
  void stop();
  // Playing, or waiting for the music to start playing.
  bool isActive() const { return controller_.isPlaying() || pendingStart_ >= 0; }
  // 再生設定: the dialog for the current song, its values stored when accepted.
  void editSettings();
  // While the song plays with music: moves its music offset by deltaMs at once and stores it;
  // the new offset. Nothing otherwise.
  std::optional<int> nudgeOffset(int deltaMs);
  // The current song's 再生設定 values, from the settings file or, without one, this run's.
  PlaySettings settings() const;
  int songCode() const;

 signals:
  void positionChanged(double beat);
  void stopped();
  // The song has no tempo and plays at `bpm` (120); empty when it has one.
  void tempoNote(const QString& text);

 private:
  void play(int startBeat);
  void store(const PlaySettings& values);

  const Document& document_;
  const Catalogue& catalogue_;
  std::filesystem::path settingsFile_;
  PlaySettings unsaved_;  // the values of a run without a settings file
  Prompts& prompts_;
  QWidget* window_;
  PlaybackController controller_;
  MusicSource* music_;  // null: playback without music
  StretchedMusic stretched_;
  int pendingStart_ = -1;   // the start beat while the music is decoded or stretched
  int playedOffsetMs_ = 0;  // the offset the mix that plays was planned with
  QSet<QString> told_;      // music failures the user has been shown
};

}  // namespace tarveno
