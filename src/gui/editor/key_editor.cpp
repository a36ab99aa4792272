#include "gui/editor/key_editor.h"

#include <algorithm>

#include "core/edit/beats.h"
#include "core/edit/grid_cursor.h"

namespace tarveno {

int KeyEditor::lastRow() const {
  const int songRows = std::min(4 * catalogue_.measures(cells_.chart().SongIndex), kStepBeats);
  return std::max(host_.scrollMinimum(), songRows - 1);
}

bool KeyEditor::showCursor() {
  if (state_.cursor.valid) return true;
  const int row = std::min(state_.topRow + host_.rowsUnderToolbar(), lastRow());
  cells_.switchDivision(row);
  state_.cursor = GridCursor{true, 0, gridPositions(cells_.beatKind(row), row, state_.currentDivide).pos[0]};
  state_.cursorLook = kLookGhost;
  state_.hoverRow = kUnset;
  host_.redrawCanvas();
  return false;
}

void KeyEditor::moveTo(int pos) {
  state_.cursor.pos = pos;
  state_.cursorLook = kLookGhost;
  state_.lastCol = state_.cursor.column;
  state_.lastPos = pos;
  keepVisible();
  host_.redrawCanvas();
}

// Whole rows, within the scroll bar's range.
void KeyEditor::keepVisible() {
  const int row = state_.cursor.row();
  int top = host_.scrollValue();
  if (row < top + host_.rowsUnderToolbar()) top = row - host_.rowsUnderToolbar();
  if (row > top + host_.visibleRows() - 1) top = row - host_.visibleRows() + 1;
  top = std::clamp(top, host_.scrollMinimum(), host_.scrollMaximum());
  if (top == host_.scrollValue()) return;
  // The keys put the cursor on its cell and its grid themselves; the scroll must not carry it.
  const GridCursor cursor = state_.cursor;
  state_.cursor.valid = false;
  host_.setScrollValue(top);
  state_.cursor = cursor;
}

void KeyEditor::moveVertical(int direction) {
  if (!showCursor()) return;
  const auto step = stepOnGrid(cells_.chart(), state_.cursor.pos, direction, state_.userDivide, state_.currentDivide,
                               cells_.autoDivide(), host_.scrollMinimum(), lastRow());
  if (!step) return;
  cells_.takeDivision(step->divide);
  moveTo(step->pos);
}

int KeyEditor::columns() const {
  return hasSecondPad(cells_.chart().PlayStyle) ? 8 : 4;
}

void KeyEditor::moveColumn(int direction) {
  if (!showCursor() || state_.freezeDragging()) return;  // a freeze stays in its column
  const int column = std::clamp(state_.cursor.column + direction, 0, columns() - 1);
  if (column == state_.cursor.column) return;
  state_.cursor.column = column;
  moveTo(state_.cursor.pos);
}

void KeyEditor::columnKey(int column) {
  if (column < 0 || column >= columns() || !showCursor()) return;
  act(column);
}

void KeyEditor::enter() {
  if (showCursor()) columnKey(state_.cursor.column);
}

void KeyEditor::fitStyle() {
  const int last = columns() - 1;
  if (state_.cursor.column > last) state_.cursor.column = last;
  if (state_.freeze.column() > last) state_.freeze.cancel();
}

void KeyEditor::act(int column) {
  if (state_.freezeDragging()) {
    // The second press lays the freeze, as releasing the button ends a drag; another column's
    // key leaves it under way.
    if (column == state_.freeze.column()) cells_.finishFreeze();
    return;
  }
  state_.cursor.column = column;
  const GridCursor& c = state_.cursor;
  if (cellOccupied(cells_.chart(), column, c.pos, state_.currentDivide)) {
    cells_.eraseArrow();
  } else if (state_.freezeMode == 1) {
    cells_.startFreeze();
  } else {
    cells_.placeArrow();
  }
}

void KeyEditor::extendSelection(int direction) {
  if (!showCursor() || state_.freezeDragging()) return;
  if (state_.selStart != keySelStart_ || state_.selEnd != keySelEnd_ || selectionAnchor_ == kUnset) {
    selectionAnchor_ = state_.cursor.row();
  }
  // The line below the song's last beat ends a selection of that beat.
  const int row =
      std::clamp(state_.cursor.row() + direction, host_.scrollMinimum(), std::min(lastRow() + 1, kStepBeats));
  cells_.switchDivision(row);
  state_.cursor.pos = gridPositions(cells_.beatKind(row), row, state_.currentDivide).pos[0];
  // The two beat lines: where the selection began and the cursor's beat.
  state_.selStart = std::min(selectionAnchor_, row);
  state_.selEnd = row == selectionAnchor_ ? kUnset : std::max(selectionAnchor_, row);
  keySelStart_ = state_.selStart;
  keySelEnd_ = state_.selEnd;
  moveTo(state_.cursor.pos);
  host_.updateEditCommands();
}

bool KeyEditor::escape() {
  if (state_.freezeDragging()) {
    state_.freeze.cancel();
  } else if (state_.selStart != kUnset || state_.selEnd != kUnset) {
    state_.selStart = state_.selEnd = kUnset;
    host_.updateEditCommands();
  } else {
    return false;
  }
  selectionAnchor_ = kUnset;
  host_.redrawCanvas();
  return true;
}

void KeyEditor::scrollBy(int rows) {
  host_.setScrollValue(std::clamp(host_.scrollValue() + rows, host_.scrollMinimum(), host_.scrollMaximum()));
}

void KeyEditor::scrollToEnd(bool last) {
  host_.setScrollValue(last ? host_.scrollMaximum() : host_.scrollMinimum());
}

}  // namespace tarveno
