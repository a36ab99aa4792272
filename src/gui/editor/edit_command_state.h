#pragma once

namespace tarveno {

// Enabled states of the selection-dependent edit commands (M_Cut .. M_Mirror).
struct EditCommandStates {
  bool cut = false;
  bool copy = false;
  bool paste = false;
  bool mirrorV = false;
  bool mirrorH = false;
  bool turnLeft = false;
  bool turnRight = false;
  bool mirror = false;

  bool operator==(const EditCommandStates&) const = default;
};

// UpdateEditCommands's rules. Some states are left as they were on purpose: paste with a
// start line and an empty clipboard, and the two quarter turns of a complete selection in
// double play.
EditCommandStates updatedEditCommands(EditCommandStates states, int selStart, int selEnd, int clipBeats, int playStyle);

}  // namespace tarveno
