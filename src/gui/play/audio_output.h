#pragma once

#include <QCoreApplication>
#include <QString>
#include <optional>

namespace tarveno {

class MixCursor;

inline constexpr const char* kNoAudioDeviceText =
    QT_TRANSLATE_NOOP("tarveno::AudioOutput", "音声を再生できる装置が見つかりません。");

// Where playback sends its sound: the sound card through QAudioSink in the program
// (QtAudioOutput), a scripted stand-in in tests. The output pulls 48 kHz stereo 16-bit blocks
// from the cursor as it needs them, on the user-interface thread.
class AudioOutput {
 public:
  virtual ~AudioOutput() = default;

  // Starts playing the mix from the cursor's position; the cursor stays alive until stop().
  // When nothing can play (no audio device), nothing starts and the reason comes back,
  // in Japanese and ready to show.
  virtual std::optional<QString> start(MixCursor& source) = 0;
  // Stops at once and lets go of the cursor. Harmless when nothing plays.
  virtual void stop() = 0;
  // Seconds of the mix the listener has heard since start(), moving smoothly between the
  // device's own reports and never backwards.
  virtual double playedSeconds() = 0;
};

// The output of a run without sound: nothing can play.
class NoAudioOutput : public AudioOutput {
 public:
  std::optional<QString> start(MixCursor&) override {
    return QCoreApplication::translate("tarveno::AudioOutput", kNoAudioDeviceText);
  }
  void stop() override {}
  double playedSeconds() override { return 0; }
};

}  // namespace tarveno
