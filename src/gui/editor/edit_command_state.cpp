#include "gui/editor/edit_command_state.h"

#include "gui/editor/editor_state.h"

namespace tarveno {

EditCommandStates updatedEditCommands(EditCommandStates s, int selStart, int selEnd, int clipBeats, int playStyle) {
  if (selStart == kUnset && selEnd == kUnset) return EditCommandStates{};
  if (selEnd == kUnset) {
    s.cut = s.copy = false;
    if (clipBeats != 0) s.paste = true;
    s.mirrorV = s.mirrorH = s.turnLeft = s.turnRight = s.mirror = false;
    return s;
  }
  s.cut = s.copy = true;
  s.paste = false;
  s.mirrorH = s.mirrorV = s.mirror = true;
  if (playStyle < 2) s.turnLeft = s.turnRight = true;
  return s;
}

}  // namespace tarveno
