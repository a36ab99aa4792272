#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <memory>

#include "core/play/mix.h"
#include "core/play/schedule.h"

namespace tarveno {

class AudioOutput;

// Plays one mix at a time through an output and tells the window where the playhead is.
//
// The window builds the schedule (buildSchedule from the start beat: the selection start or
// topRow) and the plan (planMix with the 再生設定 values and the song's music), then calls
// start(). While it plays, positionChanged reports the playhead's global beat at the display's
// frame rate, from the time the output has actually played (times the plan's speed, in the
// song's own time), so the line moves with the sound;
// the window draws it and scrolls. At the end of the mix (the song's end and the last sound
// rung out) or on stop() the output stops and `stopped` follows, once per playback.
//
// Without an audio device start() returns false and nothing plays; the first time this
// happens audioUnavailable carries the message to show, later attempts stay silent (they are
// still tried, in case a device has appeared).
class PlaybackController : public QObject {
  Q_OBJECT
 public:
  explicit PlaybackController(AudioOutput& output, QObject* parent = nullptr);
  ~PlaybackController() override;

  // Stops what plays, then starts this mix from its first frame. False when the output
  // cannot play.
  bool start(const Schedule& schedule, MixPlan plan);
  void stop();
  bool isPlaying() const { return playing_; }

  // The playhead: the global beat with its fraction, held at the song's end while the last
  // sound rings out.
  double beat() const;

  // Moves the music of the mix that plays by `ms` of the music's own time against the offset
  // the plan was made with (a positive one as a larger offset), from the next block the output
  // pulls, without a pause. False, moving nothing, unless a mix with music plays.
  bool shiftMusic(double ms);

  // What the frame timer runs: reads the output's time, reports the position and ends the
  // playback at the end of the mix. Public so that tests can step it.
  void refresh();

 signals:
  void positionChanged(double beat);
  void stopped();
  void audioUnavailable(const QString& message);

 private:
  AudioOutput& output_;
  QTimer frameTimer_;
  QElapsedTimer wallClock_;  // ends a playback whose device stopped reporting progress
  std::unique_ptr<MixCursor> cursor_;
  Schedule timing_;  // tempo, start and end beat of the mix; its events are not kept
  double length_ = 0;
  double seconds_ = 0;  // played of the current (or last) mix, at most its length
  double speed_ = 1;    // of the current (or last) mix
  bool playing_ = false;
  bool toldUnavailable_ = false;
};

}  // namespace tarveno
