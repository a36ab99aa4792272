#pragma once

#include "core/chart/chart.h"

namespace tarveno {

// The mouse's edits of one cell: column 0..7 (the bit of the arrow byte) at a sixteenth-slot
// position pos = measure * 16 + slot. `divide` is the grid in force (4, 8, 12 or 16): on the
// triplet grid the first note of a plain beat is its on-beat slot, and a later note turns the
// beat into a triplet beat. Beat types are recomputed for every beat touched.

// PlaceArrow: false, and nothing changes, where CanPlaceArrow refuses the cell.
bool PlaceArrow(Chart& chart, int column, int pos, int divide);

// EraseArrow: clears the arrow and any freeze arrow running on from the cell (to its end).
// Positions outside the tables are ignored.
void EraseArrow(Chart& chart, int column, int pos, int divide);

// PlaceFreeze from `from` to `to` (from <= to) in one column: all or nothing, refused when any
// slot of the range refuses an arrow or lies past the freeze table. The head is a normal step.
bool PlaceFreeze(Chart& chart, int column, int from, int to);

}  // namespace tarveno
