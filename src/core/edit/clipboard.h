#pragma once

#include "core/chart/chart.h"

namespace tarveno {

// The editor's own clipboard of whole beats. Clipboard beat i is stored exactly like chart
// beat i (slot k at slot (i mod 4) * 4 + k of row i / 4); the first copied beat is beat 0.
// ClipFreeze holds freeze bits for clipboard beats 0..803 only. Bytes past ClipBeats are stale.
struct Clipboard {
  StepTable ClipSteps{};
  FreezeTable ClipFreeze{};
  int ClipBeats = 0;
};

// Copies beats selStart .. selEnd - 1 raw (triplet markers and freeze bits alike) and sets
// ClipBeats. The chart is not changed. Beats past the step table's end (1884) are left out;
// nothing happens unless 0 <= selStart <= selEnd.
void copyBeats(const Chart& chart, int selStart, int selEnd, Clipboard& clipboard);

// Copy, then empty the beats in both tables and recompute their beat types.
void cutBeats(Chart& chart, int selStart, int selEnd, Clipboard& clipboard);

// Writes the clipboard's beats from beat selStart on, overwriting steps and freeze bits, and
// recomputes each written beat. Stops at the end of measure 470; measures above 200 get no
// freeze bits, and clipboard beats past 803 paste without any.
void pasteBeats(Chart& chart, int selStart, const Clipboard& clipboard);

}  // namespace tarveno
