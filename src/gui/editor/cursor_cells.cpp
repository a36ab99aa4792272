#include "gui/editor/cursor_cells.h"

#include "core/chart/editing.h"
#include "core/edit/grid_cursor.h"

namespace tarveno {

void CursorCells::switchDivision(int row) {
  if (row / 4 >= kStepMeasures || !autoDivide_) return;
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

void CursorCells::placeFreeze() {
  if (state_.anchorPos > state_.cursor.pos) {
    // A drag upward lays the same hold as one downward.
    const int anchor = state_.anchorPos;
    state_.anchorPos = state_.cursor.pos;
    state_.cursor.pos = anchor;
  }
  if (!PlaceFreeze(chart(), state_.cursor.column, state_.anchorPos, state_.cursor.pos)) return;
  state_.anchorCol = kNoAnchor;
  host_.redrawCanvas();
}

}  // namespace tarveno
