#include "core/play/played_time.h"

#include <algorithm>

namespace tarveno {

double PlayedTime::at(double now, int64_t reportUs, bool running) {
  if (reportUs != reportUs_) {
    reportUs_ = reportUs;
    reportedAt_ = now;
  }
  const double runOn = running ? std::clamp(now - reportedAt_, 0.0, kMaxRunOnSeconds) : 0.0;
  given_ = std::max(given_, static_cast<double>(reportUs) / 1e6 + runOn);
  return given_;
}

}  // namespace tarveno
