#pragma once

#include <QElapsedTimer>
#include <memory>

#include "core/play/played_time.h"
#include "gui/play/audio_output.h"

class QAudioFormat;
class QAudioSink;

namespace tarveno {

class MixDevice;

// The mix's own format as Qt names it: 48 kHz stereo 16-bit.
QAudioFormat mixAudioFormat();

// The real output: the system's default audio device through QAudioSink in pull mode. Without
// a device (or one that refuses the format) start() reports it and nothing else happens.
class QtAudioOutput : public AudioOutput {
 public:
  QtAudioOutput();
  ~QtAudioOutput() override;

  std::optional<QString> start(MixCursor& source) override;
  void stop() override;
  double playedSeconds() override;

 private:
  std::unique_ptr<QAudioSink> sink_;
  std::unique_ptr<MixDevice> device_;
  QElapsedTimer clock_;
  PlayedTime played_;
};

}  // namespace tarveno
