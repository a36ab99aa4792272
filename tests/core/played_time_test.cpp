#include <gtest/gtest.h>

#include "core/play/played_time.h"

namespace tarveno {
namespace {

TEST(PlayedTime, RunsOnBetweenReportsAtMostATenthAndNeverBackwards) {
  PlayedTime played;
  // Clock times in binary fractions, so that the sums are exact.
  EXPECT_DOUBLE_EQ(played.at(8.0, 0, true), 0.0);
  EXPECT_DOUBLE_EQ(played.at(8.0625, 0, true), 0.0625);  // no new report: the clock carries it
  EXPECT_DOUBLE_EQ(played.at(9.0, 0, true), 0.1);        // a stalled device holds it a tenth on
  EXPECT_DOUBLE_EQ(played.at(9.0, 250000, true), 0.25);
  EXPECT_DOUBLE_EQ(played.at(9.03125, 250000, true), 0.28125);
  EXPECT_DOUBLE_EQ(played.at(9.0625, 250000, false), 0.28125);  // paused: no run-on, no step back
  EXPECT_DOUBLE_EQ(played.at(9.125, 125000, true), 0.28125);    // an earlier report
  played.reset();
  EXPECT_DOUBLE_EQ(played.last(), 0.0);
}

}  // namespace
}  // namespace tarveno
