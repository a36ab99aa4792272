#include <QLabel>
#include <cmath>

#include "gui/app/app_context.h"
#include "gui/app/main_window.h"

namespace tarveno {

PlaybackSession& MainWindow::playback() {
  if (!playback_) {
    AudioOutput& output = context_.audio ? *context_.audio : noAudio_;
    playback_ = std::make_unique<PlaybackSession>(context_.document, context_.catalogue, output, context_.music,
                                                  context_.playSettingsFile, context_.prompts, this);
    connect(playback_.get(), &PlaybackSession::positionChanged, this, &MainWindow::followPlayhead);
    connect(playback_.get(), &PlaybackSession::stopped, this, [this] {
      state_.playhead = kNoPlayhead;
      redrawCanvas();
    });
    connect(playback_.get(), &PlaybackSession::tempoNote, panel1_, &QLabel::setText);
  }
  return *playback_;
}

bool MainWindow::isPlaying() const {
  return playback_ && playback_->isActive();
}

void MainWindow::stopPlayback() {
  if (playback_) playback_->stop();
}

// From the selection's start, or from the first beat in view.
void MainWindow::M_Sound_Click() {
  if (isPlaying()) {
    stopPlayback();
    return;
  }
  endGesture();
  playback().start(state_.selStart != kUnset ? state_.selStart : state_.topRow);
}

void MainWindow::M_PlaySetting_Click() {
  playback().editSettings();
  refreshWaveform();  // the music or its offset may have changed
  redrawCanvas();
}

// Only while music plays: the ear is what tells the right offset, and a change to a silent
// song would go unheard.
void MainWindow::nudgeMusicOffset(int deltaMs) {
  if (!isPlaying()) return;
  if (auto offset = playback().nudgeOffset(deltaMs)) panel1_->setText(tr("オフセット: %1 ms").arg(*offset));
}

void MainWindow::followPlayhead(double beat) {
  state_.playhead = beat;
  const int half = std::max(1, visibleRows() / 2);
  int top = state_.topRow;
  if (beat < top) {
    top = static_cast<int>(std::floor(beat));
  } else if (beat >= top + half) {
    top = static_cast<int>(std::floor(beat)) - half + 1;
  }
  top = std::clamp(top, scrollMinimum(), scrollMaximum());
  if (top != state_.topRow) {
    setScrollValue(top);  // redraws
  } else {
    redrawCanvas();
  }
}

}  // namespace tarveno
