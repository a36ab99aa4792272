#include <gtest/gtest.h>

#include <vector>

#include "core/edit/history.h"
#include "core/edit/operation.h"

namespace tarveno {
namespace {

Snapshot numbered(int n) {
  Snapshot s;
  s.chart.StepData[1][0] = uint8_t(n);
  s.chart.StepData[1][1] = uint8_t(n >> 8);
  return s;
}

TEST(History, MixedEditsUndoToTheStartAndRedoToTheEnd) {
  Snapshot current;
  current.chart.StepData[2] = {1, 2, 4, 8, kTripletMark, 1, 2, 4};
  current.chart.FreezeData[2][9] = 2;
  std::vector<Snapshot> states{current};
  History history;
  Clipboard clip;
  for (const char* word : {"copy=8:12", "paste=30", "mirror=0:40", "insert=2:3", "copy=20:24", "delete-close=1:1",
                           "turn-left=4:50", "paste=4", "delete=5:5"}) {
    Snapshot after = current;
    ASSERT_TRUE(applyEditOperation(after.chart, clip, *parseEditOperation(word)).ok()) << word;
    if (word == std::string("paste=30")) after.meterSegs[0] = {4, 3};
    EXPECT_EQ(history.commit(current, after), std::string(word).rfind("copy", 0) != 0) << word;
    if (!(after == current)) states.push_back(after);
    current = after;
  }
  ASSERT_EQ(history.undoCount(), states.size() - 1);
  for (size_t i = states.size() - 1; i-- > 0;) {
    current = *history.undo(current);
    EXPECT_TRUE(current == states[i]) << i;
  }
  EXPECT_FALSE(history.undo(current).has_value());
  for (size_t i = 1; i < states.size(); ++i) {
    current = *history.redo(current);
    EXPECT_TRUE(current == states[i]) << i;
  }
  EXPECT_FALSE(history.canRedo());
}

TEST(History, LimitDropsTheOldestAndANewStepClearsRedo) {
  History history(10);
  EXPECT_EQ(history.limit(), 1000u);
  for (int n = 0; n < 1005; ++n) history.commit(numbered(n), numbered(n + 1));
  EXPECT_EQ(history.undoCount(), 1000u);
  Snapshot current = numbered(1005);
  while (history.canUndo()) current = *history.undo(current);
  EXPECT_TRUE(current == numbered(5));

  current = *history.redo(current);
  EXPECT_TRUE(history.canRedo());
  EXPECT_TRUE(history.commit(current, numbered(7777)));
  EXPECT_FALSE(history.canRedo());
  history.clear();
  EXPECT_FALSE(history.canUndo());
}

}  // namespace
}  // namespace tarveno
