#include <gtest/gtest.h>

#include "core/edit/command_states.h"

namespace tarveno {
namespace {

// From all commands on or all off: the selection, the clipboard's beats, the style, and then
// cut, copy, paste, mirrorV, mirrorH, turnLeft, turnRight, mirror. A start line with an empty
// clipboard leaves paste as it was, a complete selection in double play the quarter turns.
TEST(EditCommands, RulesLeaveSomeStatesAsTheyWere) {
  const std::tuple<bool, int, int, int, uint8_t, EditCommandEnables> cases[] = {
      {true, -1, -1, 5, 0, {}},
      {true, 3, -1, 0, 0, {false, false, true}},
      {false, 3, -1, 0, 0, {}},
      {false, 3, -1, 2, 0, {false, false, true}},
      {true, 3, 7, 0, 2, {true, true, false, true, true, true, true, true}},
      {false, 3, 7, 0, 2, {true, true, false, true, true, false, false, true}}};
  for (auto [on, selStart, selEnd, clip, style, want] : cases) {
    const EditCommandEnables before{on, on, on, on, on, on, on, on};
    EXPECT_TRUE(nextEditCommands(before, selStart, selEnd, clip, static_cast<PlayStyle>(style)) == want)
        << on << selStart << selEnd << clip;
  }
}

}  // namespace
}  // namespace tarveno
