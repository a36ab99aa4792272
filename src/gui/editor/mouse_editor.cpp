#include "gui/editor/mouse_editor.h"

#include "core/chart/editing.h"
#include "core/text/number.h"
#include "gui/editor/editor_geometry.h"

namespace tarveno {

void MouseEditor::mouseMove(int clientX, int clientY) {
  const int x = clientX - state_.canvasLeft;
  const int y = clientY - state_.canvasTop;
  if (x >= 0 && x < canvasWidth(chart().PlayStyle) && y >= 0) {
    state_.cursorValid = true;
    state_.hoverRow = kUnset;
    const int row = y / geometry::kRowHeight + state_.topRow;
    if (!state_.freezeDragging() && autoDivide_) switchDivision(row);
    state_.cursorCol = x / geometry::kColumnWidth;
    cursorFromPoint(y, row);
    if (state_.cursorCol != state_.lastCol || state_.cursorPos != state_.lastPos) {
      state_.cursorLook = kLookGhost;
      if (state_.mouseButton == kLeftButton && state_.freezeMode == 0) {
        placeArrow();
      } else if (state_.mouseButton == kRightButton) {
        eraseArrow();
      } else {
        host_.redrawCanvas();
      }
    }
    state_.lastCol = state_.cursorCol;
    state_.lastPos = state_.cursorPos;
    return;
  }
  if (state_.cursorValid) {
    host_.clearPositionTexts();
    state_.cursorValid = false;
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

// Over a triplet beat the grid becomes the triplet grid, over a sixteenth-level beat the
// triplet grid gives way to sixteenths, elsewhere the user's own choice comes back.
void MouseEditor::switchDivision(int row) {
  if (row / 4 >= kStepMeasures) return;
  const BeatKind type = chart().beatKindAt(row % 4, row / 4);
  const int user = state_.userDivide;
  state_.autoSwitching = true;
  if ((user == 8 || user == 16) && type == BeatKind::Triplet) {
    if (state_.currentDivide != 12) modes_.divide(12);
  } else if (type == BeatKind::Sixteenth && user == 12) {
    if (state_.currentDivide == 12) modes_.divide(16);
  } else if (state_.currentDivide != user) {
    modes_.divide(user);
    if (state_.freezeMode != state_.userFreezeMode) modes_.toggleFreezeMode();
  }
  state_.autoSwitching = false;
}

void MouseEditor::cursorFromPoint(int y, int row) {
  const int divide = state_.currentDivide;
  int pos;
  if (divide == 12) {
    pos = ((3 * y) / 32) % 3 + 4 * (y / 32) + 1 + 4 * state_.topRow;
  } else if (chart().beatKindAt(row % 4, row / 4) != BeatKind::Triplet) {
    pos = (y / (128 / divide)) * (16 / divide) + 4 * state_.topRow;
  } else {
    pos = 4 * row + 1;  // the first triplet note
  }
  state_.setCursorPos(pos);
}

void MouseEditor::mouseDown(int button) {
  state_.mouseButton |= button;
  if (state_.cursorValid && state_.mouseButton == kLeftButton && state_.freezeMode == 1) {
    if (CanPlaceArrow(chart(), state_.cursorCol, state_.cursorSlot, state_.cursorMeasure)) {
      state_.anchorCol = state_.cursorCol;
      state_.anchorPos = state_.cursorPos;
    } else {
      state_.anchorCol = kNoAnchor;
    }
    return;
  }
  if (state_.mouseButton == kLeftButton && state_.cursorValid) {
    placeArrow();
  } else if (state_.mouseButton == kRightButton && state_.cursorValid) {
    eraseArrow();
  }
}

void MouseEditor::mouseUp(int button) {
  state_.mouseButton &= (button ^ 7);
  if (state_.hoverRow >= 0) selectionClick(button);
  if (button == kLeftButton && state_.freezeMode == 1 && state_.anchorCol == state_.cursorCol) {
    if (state_.anchorPos == state_.cursorPos) {
      placeArrow();
    } else {
      placeFreeze();
    }
  }
  if (button & kLeftButton) {
    state_.anchorCol = kNoAnchor;
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
  if (state_.cursorValid) {
    // The cursor stays on the cell it pointed at and moves with the content.
    const int pos = state_.cursorPos + 4 * (value - state_.topRow);
    if (pos < 0) state_.cursorValid = false;
    state_.setCursorPos(pos);
  }
  state_.topRow = value;
  host_.redrawCanvas();
}

void MouseEditor::placeArrow() {
  if (!PlaceArrow(chart(), state_.cursorCol, state_.cursorPos, state_.currentDivide)) return;
  state_.cursorLook = kLookSolid;
  edited();
}

void MouseEditor::eraseArrow() {
  if (state_.cursorPos < 0 || state_.cursorMeasure >= kStepMeasures) return;  // never edit beyond the tables
  // Even on an empty cell an erase counts as an edit.
  EraseArrow(chart(), state_.cursorCol, state_.cursorPos, state_.currentDivide);
  state_.cursorLook = kLookHidden;
  edited();
}

void MouseEditor::placeFreeze() {
  if (state_.anchorPos > state_.cursorPos) {
    // A drag upward lays the same hold as one downward.
    const int anchor = state_.anchorPos;
    state_.anchorPos = state_.cursorPos;
    state_.setCursorPos(anchor);
  }
  if (!PlaceFreeze(chart(), state_.cursorCol, state_.anchorPos, state_.cursorPos)) return;
  state_.anchorCol = kNoAnchor;
  host_.redrawCanvas();
}

void MouseEditor::edited() {
  // The gesture's step is committed, and Modified set, when the buttons are released.
  host_.redrawCanvas();
}

}  // namespace tarveno
