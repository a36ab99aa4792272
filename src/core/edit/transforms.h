#pragma once

#include <cstdint>

#include "core/chart/chart.h"

namespace tarveno {

enum class Transform { Mirror, MirrorH, MirrorV, TurnLeft, TurnRight };

// The two 90-degree turns make no sense across two pads, so double play has none. The edit
// menu's states and the batch tool's edit words both ask here.
bool transformAllowed(Transform transform, PlayStyle style);

// Turns or mirrors the panels of beats selStart .. selEnd - 1 (beats outside 0..1883 are
// skipped), arrow bits and freeze bits alike (freeze rows above 200 have none). Each pad is
// mapped in place, except that in double play Mirror and MirrorH also exchange the pads.
// Empty slots and triplet markers stay as they are, so beat types are not recomputed.
void transformBeats(Chart& chart, int selStart, int selEnd, Transform transform);

}  // namespace tarveno
