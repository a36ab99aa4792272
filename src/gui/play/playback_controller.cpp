#include "gui/play/playback_controller.h"

#include <algorithm>

#include "gui/play/audio_output.h"

namespace tarveno {

namespace {

constexpr int kFrameMs = 16;  // about 60 position reports a second
// A device that stalls (unplugged, suspended) must not leave the program playing for ever:
// this long after the mix should have ended, playback ends anyway.
constexpr double kStallGraceSeconds = 2.0;

}  // namespace

PlaybackController::PlaybackController(AudioOutput& output, QObject* parent) : QObject(parent), output_(output) {
  frameTimer_.setTimerType(Qt::PreciseTimer);
  frameTimer_.setInterval(kFrameMs);
  connect(&frameTimer_, &QTimer::timeout, this, &PlaybackController::refresh);
}

PlaybackController::~PlaybackController() {
  // The output must let go of the cursor before it goes; no signal to a window being closed.
  if (playing_) output_.stop();
}

bool PlaybackController::start(const Schedule& schedule, MixPlan plan) {
  stop();
  timing_ = Schedule{schedule.tempo, schedule.startBeat, schedule.endBeat, {}};
  length_ = plan.seconds();
  seconds_ = 0;
  speed_ = plan.speed;
  cursor_ = std::make_unique<MixCursor>(std::make_shared<const MixPlan>(std::move(plan)));
  if (auto failure = output_.start(*cursor_)) {
    cursor_.reset();
    if (!toldUnavailable_) {
      toldUnavailable_ = true;
      emit audioUnavailable(*failure);
    }
    return false;
  }
  playing_ = true;
  wallClock_.start();
  frameTimer_.start();
  emit positionChanged(beat());
  return true;
}

void PlaybackController::stop() {
  if (!playing_) return;
  playing_ = false;
  frameTimer_.stop();
  output_.stop();
  cursor_.reset();
  emit stopped();
}

double PlaybackController::beat() const {
  return std::min(timing_.beatAt(seconds_ * speed_), static_cast<double>(std::max(timing_.endBeat, timing_.startBeat)));
}

bool PlaybackController::shiftMusic(double ms) {
  if (!playing_ || !cursor_->plan().music) return false;
  cursor_->setMusicShift(musicFrames(ms, speed_));
  return true;
}

void PlaybackController::refresh() {
  if (!playing_) return;
  seconds_ = std::clamp(output_.playedSeconds(), 0.0, length_);
  emit positionChanged(beat());
  const double wall = static_cast<double>(wallClock_.elapsed()) / 1000.0;
  if (seconds_ >= length_ || wall > length_ + kStallGraceSeconds) stop();
}

}  // namespace tarveno
