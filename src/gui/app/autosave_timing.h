#pragma once

#include <chrono>

namespace tarveno {

// When the recovery copy is written: a pause after the last change, yet never later than the
// longest wait after the first change not yet copied, and never sooner than that same wait
// after the previous copy, so steady editing writes a copy every so often, not on every key.
struct AutosaveTiming {
  std::chrono::milliseconds pause{2000};
  std::chrono::milliseconds longestWait{5000};
};

}  // namespace tarveno
