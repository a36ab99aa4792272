#include "core/edit/command_states.h"

#include "core/edit/transforms.h"

namespace tarveno {

namespace {
inline constexpr int kUnsetBeat = -1;
}

EditCommandEnables nextEditCommands(EditCommandEnables s, int selStart, int selEnd, int clipBeats, PlayStyle style) {
  if (selStart == kUnsetBeat && selEnd == kUnsetBeat) return EditCommandEnables{};
  if (selEnd == kUnsetBeat) {
    s.cut = s.copy = false;
    if (clipBeats != 0) s.paste = true;
    s.mirrorV = s.mirrorH = s.turnLeft = s.turnRight = s.mirror = false;
    return s;
  }
  s.cut = s.copy = true;
  s.paste = false;
  s.mirrorH = s.mirrorV = s.mirror = true;
  if (transformAllowed(Transform::TurnLeft, style)) s.turnLeft = true;
  if (transformAllowed(Transform::TurnRight, style)) s.turnRight = true;
  return s;
}

}  // namespace tarveno
