#include <gtest/gtest.h>

#include "core/edit/edit_words.h"
#include "core/edit/history.h"

namespace tarveno {

TEST(History, UndoesAndRedoesMixedEditsDropsTheOldestAndANewStepClearsRedo) {
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

  std::vector<Snapshot> titled(1006);
  for (size_t n = 0; n < titled.size(); ++n) titled[n].chart.KrunTitle = std::to_string(n);
  History limited(10);  // never fewer than 1000 steps
  for (size_t n = 0; n < 1005; ++n) limited.commit(titled[n], titled[n + 1]);
  current = titled[1005];
  while (limited.canUndo()) current = *limited.undo(current);
  EXPECT_TRUE(current == titled[5] && limited.commit(*limited.redo(current), titled[0]));
  EXPECT_FALSE(limited.canRedo());
}

}  // namespace tarveno
