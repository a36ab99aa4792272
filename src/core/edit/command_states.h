#pragma once

#include <cstdint>

#include "core/chart/chart.h"

namespace tarveno {

// Enabled states of the edit commands that depend on the selection and the clipboard
// (M_Cut .. M_Mirror); the toolbar's Cut, Copy and Paste buttons follow the first three.
struct EditCommandEnables {
  bool cut = false;
  bool copy = false;
  bool paste = false;
  bool mirrorV = false;
  bool mirrorH = false;
  bool turnLeft = false;
  bool turnRight = false;
  bool mirror = false;

  bool operator==(const EditCommandEnables&) const = default;
};

// The states after a selection change (selStart/selEnd are -1 when unset). Paste needs a
// start line alone and a filled clipboard, the rest a complete selection. Two states are
// left as they were on purpose: paste for a start line with an empty clipboard, and the two
// quarter turns of a complete selection in double play.
EditCommandEnables nextEditCommands(EditCommandEnables previous, int selStart, int selEnd, int clipBeats,
                                    PlayStyle style);

}  // namespace tarveno
