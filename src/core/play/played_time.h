#pragma once

#include <cstdint>

namespace tarveno {

// The time a listener has heard, from an audio device that reports its progress only every
// few milliseconds: between two reports the time runs on with the clock, so the playhead moves
// smoothly, but never further than kMaxRunOnSeconds past the last report, so that a device that
// stalls (an underrun) holds the playhead where the sound is. It never goes backwards.
class PlayedTime {
 public:
  static constexpr double kMaxRunOnSeconds = 0.1;

  // now: any steady clock in seconds; reportUs: the device's played microseconds; running:
  // whether the device is playing (only then does the time run on).
  double at(double now, int64_t reportUs, bool running);
  // The time last given (0 after reset()).
  double last() const { return given_; }
  void reset() { *this = PlayedTime(); }

 private:
  int64_t reportUs_ = -1;
  double reportedAt_ = 0;
  double given_ = 0;
};

}  // namespace tarveno
