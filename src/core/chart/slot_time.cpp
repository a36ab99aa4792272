#include "core/chart/slot_time.h"

namespace tarveno {

namespace {

constexpr int kSixteenthTwelfths = kTwelfthsPerBeat / 4;
constexpr int kTripletTwelfths = kTwelfthsPerBeat / 3;

}  // namespace

std::optional<int> twelfthOfSlot(bool tripletBeat, int slot) {
  if (slot < 0 || slot > 3) return std::nullopt;
  if (!tripletBeat) return kSixteenthTwelfths * slot;
  if (slot == 0) return std::nullopt;  // the marker
  return kTripletTwelfths * (slot - 1);
}

std::optional<int> slotAtTwelfth(bool tripletBeat, int twelfth) {
  if (twelfth < 0 || twelfth >= kTwelfthsPerBeat) return std::nullopt;
  const int step = tripletBeat ? kTripletTwelfths : kSixteenthTwelfths;
  if (twelfth % step != 0) return std::nullopt;
  return tripletBeat ? 1 + twelfth / step : twelfth / step;
}

}  // namespace tarveno
