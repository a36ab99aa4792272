#include <gtest/gtest.h>

#include "core/edit/history.h"
#include "core/edit/operation.h"

namespace tarveno {

TEST(History, MixedEditsUndoToTheStartAndRedoToTheEnd) {
  std::vector<Snapshot> states(1);
  states[0].chart.StepData[2] = {1, 2, 4, 8, kTripletMark, 1, 2, 4, 0, 3};
  History history;
  Clipboard clip;
  for (const char* word : {"copy=8:12", "paste=30", "mirror=0:40", "insert=2:3", "cut=20:24", "delete-close=1:1",
                           "turn-left=4:50", "paste=4", "delete=2:2"}) {
    Snapshot after = states.back();
    ASSERT_TRUE(applyEditOperation(after.chart, clip, *parseEditOperation(word)).ok()) << word;
    if (states.size() == 2) after.meterSegs[0] = {4, 3};
    const bool copy = std::string_view(word).starts_with("copy");  // a copy changes nothing
    EXPECT_EQ(history.commit(states.back(), after), !copy) << word;
    if (!copy) states.push_back(after);
  }
  Snapshot current = states.back();
  for (size_t i = states.size() - 1; i-- > 0;) EXPECT_TRUE((current = *history.undo(current)) == states[i]) << i;
  for (size_t i = 1; i < states.size(); ++i) EXPECT_TRUE((current = *history.redo(current)) == states[i]) << i;
}

TEST(History, LimitDropsTheOldestAndANewStepClearsRedo) {
  std::vector<Snapshot> states(1006);
  for (size_t n = 0; n < states.size(); ++n) states[n].chart.KrunTitle = std::to_string(n);
  History history(10);  // never fewer than 1000 steps
  for (size_t n = 0; n < 1005; ++n) history.commit(states[n], states[n + 1]);
  Snapshot current = states[1005];
  while (history.canUndo()) current = *history.undo(current);
  EXPECT_TRUE(current == states[5] && history.commit(*history.redo(current), states[0]));
  EXPECT_FALSE(history.canRedo());
}

}  // namespace tarveno
