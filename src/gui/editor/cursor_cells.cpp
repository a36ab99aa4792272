#include "gui/editor/cursor_cells.h"

#include "core/chart/editing.h"
#include "core/edit/beats.h"
#include "core/edit/grid_cursor.h"

namespace tarveno {

void CursorCells::switchDivision(int row) {
  if (row / 4 >= kStepMeasures || !autoDivide()) return;
  takeDivision(divisionOverBeat(beatKind(row), state_.userDivide, state_.currentDivide));
}

void CursorCells::takeDivision(int divide) {
  if (divide == state_.currentDivide) return;
  state_.autoSwitching = true;
  modes_.divide(divide);
  // Back on the user's own grid, the user's own freeze mode comes back too.
  if (divide == state_.userDivide && state_.freezeMode != state_.userFreezeMode) modes_.toggleFreezeMode();
  state_.autoSwitching = false;
}

void CursorCells::carryCursor(int rows) {
  GridCursor& cursor = state_.cursor;
  if (!cursor.valid) return;
  const int row = cursor.row() + rows;
  if (row < 0) {
    cursor.valid = false;
    cursor.pos += 4 * rows;
    return;
  }
  if (state_.freezeDragging() || row >= kStepBeats) {
    cursor.pos += 4 * rows;
    return;
  }
  const BeatKind fromKind = beatKind(cursor.row());
  const int fromDivide = state_.currentDivide;
  switchDivision(row);
  cursor.pos = gridPosCarried(fromKind, fromDivide, cursor.pos, beatKind(row), row, state_.currentDivide);
}

void CursorCells::placeArrow() {
  if (!PlaceArrow(chart(), state_.cursor.column, state_.cursor.pos, state_.currentDivide)) return;
  state_.cursorLook = kLookSolid;
  host_.redrawCanvas();
}

void CursorCells::eraseArrow() {
  if (state_.cursor.pos < 0 || state_.cursor.measure() >= kStepMeasures) return;  // never edit beyond the tables
  EraseArrow(chart(), state_.cursor.column, state_.cursor.pos, state_.currentDivide);
  state_.cursorLook = kLookHidden;
  host_.redrawCanvas();
}

void CursorCells::startFreeze() {
  state_.freeze.start(chart(), state_.cursor.column, state_.cursor.pos);
  host_.redrawCanvas();
}

void CursorCells::finishFreeze() {
  if (state_.freeze.finish(chart(), state_.cursor.column, state_.cursor.pos, state_.currentDivide)) {
    state_.cursorLook = kLookSolid;
  }
  host_.redrawCanvas();
}

}  // namespace tarveno
