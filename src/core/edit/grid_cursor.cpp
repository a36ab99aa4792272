#include "core/edit/grid_cursor.h"

#include "core/chart/slot_time.h"
#include "core/edit/beats.h"

namespace tarveno {

namespace {

BeatKind kindOf(const Chart& chart, int row) {
  return chart.beatKindAt(row % kBeatsPerMeasure, row / kBeatsPerMeasure);
}

}  // namespace

int divisionOverBeat(BeatKind kind, int userDivide, int currentDivide) {
  if ((userDivide == 8 || userDivide == 16) && kind == BeatKind::Triplet) return 12;
  if (kind == BeatKind::Sixteenth && userDivide == 12) return currentDivide == 12 ? 16 : currentDivide;
  return userDivide;
}

BeatPositions gridPositions(BeatKind kind, int row, int divide) {
  BeatPositions out;
  const int on = 4 * row;
  // The grid's points are twelfths of the beat; a triplet beat seen on a sixteenth grid
  // offers only its note on the beat.
  const bool triplet = divide == 12 || kind == BeatKind::Triplet;
  const int points = divide == 12 ? 3 : kind == BeatKind::Triplet ? 1 : divide / 4;
  out.count = points;
  for (int k = 0; k < points; ++k) {
    const int twelfth = kTwelfthsPerBeat * k / (divide == 12 ? 3 : divide / 4);
    out.pos[static_cast<size_t>(k)] = on + slotAtTwelfth(triplet, twelfth).value_or(0);
  }
  return out;
}

int gridPosAt(BeatKind kind, int row, int part, int parts, int divide) {
  const BeatPositions grid = gridPositions(kind, row, divide);
  return grid.pos[static_cast<size_t>(part * grid.count / parts)];
}

int gridPosCarried(BeatKind fromKind, int fromDivide, int pos, BeatKind kind, int row, int divide) {
  const BeatPositions from = gridPositions(fromKind, pos / 4, fromDivide);
  // A position off the grid counts as the grid position at or before it.
  int part = 0;
  while (part + 1 < from.count && from.pos[static_cast<size_t>(part + 1)] <= pos) ++part;
  return gridPosAt(kind, row, part, from.count, divide);
}

std::optional<GridStep> stepOnGrid(const Chart& chart, int pos, int direction, int userDivide, int currentDivide,
                                   bool automatic, int firstRow, int lastRow) {
  const int row = pos / 4;
  const BeatPositions here = gridPositions(kindOf(chart, row), row, currentDivide);
  // Within the beat: the nearest grid position beyond pos, so a cursor left off the grid by a
  // change of division falls onto it.
  for (int i = 0; i < here.count; ++i) {
    const int p = here.pos[static_cast<size_t>(direction > 0 ? i : here.count - 1 - i)];
    if (direction > 0 ? p > pos : p < pos) return GridStep{p, currentDivide};
  }
  const int next = row + (direction > 0 ? 1 : -1);
  if (next < firstRow || next > lastRow || next < 0 || next >= kStepBeats) return std::nullopt;
  const BeatKind kind = kindOf(chart, next);
  const int divide = automatic ? divisionOverBeat(kind, userDivide, currentDivide) : currentDivide;
  const BeatPositions there = gridPositions(kind, next, divide);
  return GridStep{there.pos[static_cast<size_t>(direction > 0 ? 0 : there.count - 1)], divide};
}

bool cellOccupied(const Chart& chart, int column, int pos, int divide) {
  if (pos < 0 || pos / kSlotsPerMeasure >= kStepMeasures) return false;
  const int measure = pos / kSlotsPerMeasure;
  int slot = pos % kSlotsPerMeasure;
  const bool tripletBeat = isTripletBeat(chart, slot / 4, measure);
  if (divide == 12 && !tripletBeat && slot % 4 == 1) slot -= 1;
  const unsigned bits = static_cast<unsigned>(chart.freezeAt(slot, measure)) |
                        (tripletBeat && slot % 4 == 0 ? 0u : static_cast<unsigned>(chart.stepAt(slot, measure)));
  return (bits >> column) & 1u;
}

}  // namespace tarveno
