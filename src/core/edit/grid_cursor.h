#pragma once

#include <array>
#include <optional>

#include "core/chart/chart.h"

namespace tarveno {

// The editing cursor that the mouse and the keys share: a column 0..7 (the bit of the arrow
// byte) and a grid position pos = 16 * measure + slot, so beat row = pos / 4. On a triplet beat,
// and on the triplet grid, the three notes of a beat are its slots 1..3; elsewhere a position is
// a sixteenth slot on the grid in force. Neither input ever works in anything else.
struct GridCursor {
  bool valid = false;  // shown on the canvas
  int column = 0;
  int pos = 0;

  int row() const { return pos / 4; }
  int measure() const { return pos / kSlotsPerMeasure; }
  int slot() const { return pos & (kSlotsPerMeasure - 1); }
};

// The grid divisions are 4, 8 and 16 (steps of 4, 2 and 1 sixteenth slots) and 12 (triplet
// notes). The division in force over a beat of the given kind when `currentDivide` is in force
// now and the user chose `userDivide`: a triplet beat takes the eighth and sixteenth grids to
// triplets, a sixteenth-level beat takes the triplet grid to sixteenths, and elsewhere the
// user's own division comes back.
int divisionOverBeat(BeatKind kind, int userDivide, int currentDivide);

// The grid positions of beat `row` under a division, earliest first: the triplet grid gives
// the three notes, a triplet beat under any other grid only its first note.
struct BeatPositions {
  std::array<int, 4> pos{};
  int count = 0;
};
BeatPositions gridPositions(BeatKind kind, int row, int divide);

// The position `part` / `parts` of the way down beat `row` (0 <= part < parts): where a point
// on the beat snaps to.
int gridPosAt(BeatKind kind, int row, int part, int parts, int divide);

// Where a position `pos` on the grid `fromDivide` over its own beat (of kind `fromKind`) lands
// on beat `row` under the grid `divide`: the same part of the way down the beat, as the point
// under the mouse keeps its place on the screen when the view scrolls by whole beats.
int gridPosCarried(BeatKind fromKind, int fromDivide, int pos, BeatKind kind, int row, int divide);

// One step of the grid down (+1) or up (-1) from pos. Within a beat the grid in force is used;
// a step into the next beat lands on its first position (its last going up) under the division
// in force over it, switched as divisionOverBeat says when `automatic`. Nothing lies before
// firstRow or after lastRow.
struct GridStep {
  int pos = 0;
  int divide = 4;  // the division in force at the new position
};
std::optional<GridStep> stepOnGrid(const Chart& chart, int pos, int direction, int userDivide, int currentDivide,
                                   bool automatic, int firstRow, int lastRow);

// Whether the cell holds an arrow or a freeze arrow's bit, read where PlaceArrow and EraseArrow
// act on it (on the triplet grid the first note of a plain beat is its on-beat slot).
bool cellOccupied(const Chart& chart, int column, int pos, int divide);

}  // namespace tarveno
