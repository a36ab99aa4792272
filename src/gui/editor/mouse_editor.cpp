#include "gui/editor/mouse_editor.h"

#include "core/edit/grid_cursor.h"
#include "core/text/number.h"
#include "gui/editor/editor_geometry.h"

namespace tarveno {

void MouseEditor::mouseMove(int clientX, int clientY) {
  const int x = clientX - state_.canvasLeft;
  const int y = clientY - state_.canvasTop;
  if (x >= 0 && x < canvasWidth(cells_.chart().PlayStyle) && y >= 0) {
    state_.cursor.valid = true;
    state_.hoverRow = kUnset;
    const int row = y / geometry::kRowHeight + state_.topRow;
    cells_.switchDivision(row);
    state_.cursor.column = x / geometry::kColumnWidth;
    cursorFromPoint(y, row);
    if (state_.cursor.column != state_.lastCol || state_.cursor.pos != state_.lastPos) {
      state_.cursorLook = kLookGhost;
      if (state_.mouseButton == kLeftButton && state_.freezeMode == 0) {
        cells_.placeArrow();
      } else if (state_.mouseButton == kRightButton) {
        cells_.eraseArrow();
      } else {
        host_.redrawCanvas();
      }
    }
    state_.lastCol = state_.cursor.column;
    state_.lastPos = state_.cursor.pos;
    return;
  }
  if (state_.cursor.valid) {
    host_.clearPositionTexts();
    state_.cursor.valid = false;
    state_.lastCol = kNoLastCol;
    host_.redrawCanvas();
  }
  if (x < 0) {
    const int row = y / geometry::kRowHeight + state_.topRow;
    if (row != state_.hoverRow) {
      state_.hoverRow = row;
      host_.redrawCanvas();
    }
  }
}

// The point's place within its beat picks the grid position: the fraction of the row's height.
void MouseEditor::cursorFromPoint(int y, int row) {
  state_.cursor.pos =
      gridPosAt(cells_.beatKind(row), row, y % geometry::kRowHeight, geometry::kRowHeight, state_.currentDivide);
}

void MouseEditor::mouseDown(int button) {
  state_.mouseButton |= button;
  if (state_.cursor.valid && state_.mouseButton == kLeftButton && state_.freezeMode == 1) {
    cells_.startFreeze();
    return;
  }
  if (state_.mouseButton == kLeftButton && state_.cursor.valid) {
    cells_.placeArrow();
  } else if (state_.mouseButton == kRightButton && state_.cursor.valid) {
    cells_.eraseArrow();
  }
}

void MouseEditor::mouseUp(int button) {
  state_.mouseButton &= (button ^ 7);
  if (state_.hoverRow >= 0) selectionClick(button);
  if (button != kLeftButton) return;
  if (state_.freezeMode == 1) {
    cells_.finishFreeze();
  } else {
    state_.freeze.cancel();
    host_.redrawCanvas();
  }
}

// Two left clicks on beat lines in the margin select the rows between them, in either
// order; a third starts over; a right click clears.
void MouseEditor::selectionClick(int button) {
  if (button == kRightButton) {
    state_.selStart = state_.selEnd = kUnset;
  } else if (button == kLeftButton) {
    if (state_.selEnd != kUnset) state_.selStart = state_.selEnd = kUnset;
    if (state_.selStart == kUnset) {
      state_.selStart = state_.hoverRow;
    } else if (state_.selStart < state_.hoverRow) {
      state_.selEnd = state_.hoverRow;
    } else if (state_.selStart > state_.hoverRow) {
      state_.selEnd = state_.selStart;
      state_.selStart = state_.hoverRow;
    }
  } else {
    return;
  }
  host_.redrawCanvas();
  host_.updateEditCommands();
}

void MouseEditor::wheel(int rotation) {
  if (rotation % 120 == 0) {
    // Whole notches, as a plain wheel sends them: one beat each, straight away.
    wheelRest_ = 0;
  } else {
    // Parts of a notch add up; turning the other way starts a new count.
    if ((wheelRest_ < 0) != (rotation < 0)) wheelRest_ = 0;
    wheelRest_ += rotation;
    rotation = wheelRest_ - wheelRest_ % 120;
    wheelRest_ %= 120;
  }
  const int steps = static_cast<int>(roundHalfEven(-rotation / 120.0));
  if (steps == 0) return;
  const int value = host_.scrollValue() + steps;
  // No partial scroll at the ends.
  if (value >= host_.scrollMinimum() && value <= host_.scrollMaximum()) host_.setScrollValue(value);
}

void MouseEditor::scrollChanged(int value) {
  cells_.carryCursor(value - state_.topRow);
  state_.topRow = value;
  host_.redrawCanvas();
}

}  // namespace tarveno
