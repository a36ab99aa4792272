#pragma once

#include "gui/play/audio_output.h"

namespace tarveno::testing {

// An output that plays nothing: the test says whether there is a device and how far the
// "device" has got.
class FakeAudioOutput : public AudioOutput {
 public:
  std::optional<QString> start(MixCursor& source) override {
    if (!hasDevice) return QStringLiteral("no device");
    cursor = &source;
    return std::nullopt;
  }
  void stop() override { cursor = nullptr; }
  double playedSeconds() override { return played; }

  bool hasDevice = true;
  MixCursor* cursor = nullptr;
  double played = 0;
};

}  // namespace tarveno::testing
