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
  for (size_t i = states.size() - 1; i-- > 0;) EXPECT_EQ(current = *history.undo(current), states[i]) << i;
  for (size_t i = 1; i < states.size(); ++i) EXPECT_EQ(current = *history.redo(current), states[i]) << i;

  std::vector<Snapshot> titled(History::kLimit + 6);
  for (size_t n = 0; n < titled.size(); ++n) titled[n].chart.KrunTitle = std::to_string(n);
  History limited;
  for (size_t n = 0; n + 1 < titled.size(); ++n) limited.commit(titled[n], titled[n + 1]);
  current = titled.back();
  while (limited.canUndo()) current = *limited.undo(current);
  EXPECT_EQ(current.chart.KrunTitle, titled[5].chart.KrunTitle);
  EXPECT_TRUE(limited.commit(*limited.redo(current), titled[0]));
  EXPECT_FALSE(limited.canRedo());
}

// The clean state is where the file stands: undo and redo find it again, a new step on its
// redo side or its fall off the old end loses it for good.
TEST(History, KnowsWhetherTheCurrentStateIsTheOneSavedOrOpened) {
  std::vector<Snapshot> s(4);
  for (size_t n = 0; n < s.size(); ++n) s[n].chart.StepData[1][0] = static_cast<uint8_t>(n);
  History h;
  Snapshot now = s[0];
  auto commit = [&](size_t n) { h.commit(now, s[n]), now = s[n]; };
  auto undo = [&] { now = *h.undo(now); };
  auto redo = [&] { now = *h.redo(now); };
  std::string seen;
  auto look = [&] { seen += h.isClean() ? 'c' : '-'; };

  look();  // a new chart
  commit(1), look(), undo(), look(), redo(), look();
  h.setClean();  // saved at s1
  commit(2), look(), undo(), look(), undo(), look(), redo(), look();
  commit(3), look(), undo(), look();  // s2 went with its redo side; s1 is still the clean one
  undo(), commit(2), look();          // s1 waited on the redo side and is replaced
  undo(), look(), redo(), look();
  EXPECT_EQ(seen, "c-c--c-c-c---");

  History dropping;  // the clean state falls off the old end of a full history
  for (size_t n = 0; n <= History::kLimit; ++n) dropping.commit(s[n % 2], s[(n + 1) % 2]);
  Snapshot back = s[(History::kLimit + 1) % 2];
  while (dropping.canUndo()) back = *dropping.undo(back);
  EXPECT_FALSE(dropping.isClean());
  dropping.clear();
  EXPECT_TRUE(dropping.isClean());
}

}  // namespace tarveno
