#include <gtest/gtest.h>

#include "core/chart/slot_time.h"

namespace tarveno {
namespace {

// Each slot that sounds comes back from its time, the slots of a beat sound in order, only the
// marker slot of a triplet beat has no time, and every grid time names a slot that sounds there.
TEST(SlotTime, EverySlotRoundTripsThroughItsTime) {
  for (const bool triplet : {false, true}) {
    std::optional<int> previous;
    for (int slot = 0; slot < 4; ++slot) {
      const auto twelfth = twelfthOfSlot(triplet, slot);
      if (!twelfth) {
        EXPECT_TRUE(triplet && slot == 0) << "slot " << slot << " of a " << (triplet ? "triplet" : "plain") << " beat";
        continue;
      }
      EXPECT_EQ(slotAtTwelfth(triplet, *twelfth), slot) << "triplet " << triplet;
      if (previous) {
        EXPECT_LT(*previous, *twelfth) << "slot " << slot;
      }
      previous = twelfth;
    }
    for (int twelfth = 0; twelfth < kTwelfthsPerBeat; ++twelfth) {
      if (const auto slot = slotAtTwelfth(triplet, twelfth)) {
        EXPECT_EQ(twelfthOfSlot(triplet, *slot), twelfth);
      }
    }
  }
  // Worked by hand: the third sixteenth is half a beat in, the second triplet note a third.
  EXPECT_EQ(twelfthOfSlot(false, 2), 6);
  EXPECT_EQ(twelfthOfSlot(true, 2), 4);
}

}  // namespace
}  // namespace tarveno
