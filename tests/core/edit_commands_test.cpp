#include <gtest/gtest.h>

#include "core/edit/edit_commands.h"

namespace tarveno {
namespace {

TEST(EditCommands, RulesLeaveSomeStatesAsTheyWere) {
  EditCommandEnables all{true, true, true, true, true, true, true, true};
  EXPECT_EQ(nextEditCommands(all, -1, -1, 5, 0), EditCommandEnables{});
  // A start line with an empty clipboard leaves paste as it was.
  EXPECT_TRUE(nextEditCommands(all, 3, -1, 0, 0).paste);
  EXPECT_FALSE(nextEditCommands(EditCommandEnables{}, 3, -1, 0, 0).paste);
  EXPECT_TRUE(nextEditCommands(EditCommandEnables{}, 3, -1, 2, 0).paste);
  const EditCommandEnables doubles = nextEditCommands(all, 3, 7, 0, 2);
  EXPECT_TRUE(doubles.turnLeft);  // kept from before
  EXPECT_FALSE(doubles.paste);
  const EditCommandEnables doublesOff = nextEditCommands(EditCommandEnables{}, 3, 7, 0, 2);
  EXPECT_FALSE(doublesOff.turnRight);
  EXPECT_TRUE(doublesOff.mirror);
  EXPECT_TRUE(doublesOff.cut);
}

}  // namespace
}  // namespace tarveno
