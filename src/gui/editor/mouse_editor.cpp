#include "gui/editor/mouse_editor.h"

#include "core/text/number.h"
#include "gui/editor/editor_geometry.h"

namespace tarveno {

namespace {

uint8_t& stepCell(Chart& chart, int pos) {
  return chart.StepData[static_cast<size_t>(pos / 16)][static_cast<size_t>(pos & 15)];
}
uint8_t& freezeCell(Chart& chart, int pos) {
  return chart.FreezeData[static_cast<size_t>(pos / 16)][static_cast<size_t>(pos & 15)];
}

}  // namespace

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
  const int type = chart().beatTypeAt(row % 4, row / 4);
  const int user = state_.userDivide;
  state_.autoSwitching = true;
  if ((user == 8 || user == 16) && type == 2) {
    if (state_.currentDivide != 12) modes_.divide(12);
  } else if (type == 1 && user == 12) {
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
  } else if (chart().beatTypeAt(row % 4, row / 4) != 2) {
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
  const int slot = state_.cursorSlot;
  const int measure = state_.cursorMeasure;
  if (!CanPlaceArrow(chart(), state_.cursorCol, slot, measure)) return;
  const uint8_t bit = static_cast<uint8_t>(1u << state_.cursorCol);
  const int b = slot / 4;
  auto& steps = chart().StepData[static_cast<size_t>(measure)];
  const size_t s0 = static_cast<size_t>(4 * b);
  if (steps[s0] == kTripletMark || state_.currentDivide != 12) {
    steps[static_cast<size_t>(slot)] |= bit;
  } else if (slot % 4 == 1) {
    steps[s0] |= bit;  // the first triplet note falls on the beat: the beat stays plain
  } else {
    // A later triplet note: the on-beat notes become the first triplet note.
    steps[static_cast<size_t>(slot)] |= bit;
    steps[s0 + 1] = steps[s0];
    steps[s0] = kTripletMark;
  }
  RecalcBeatType(chart(), b, measure);
  state_.cursorLook = kLookSolid;
  edited();
}

void MouseEditor::eraseArrow() {
  const int slot = state_.cursorSlot;
  const int measure = state_.cursorMeasure;
  if (measure < 0 || measure >= kStepMeasures) return;  // never edit beyond the tables
  const uint8_t keep = static_cast<uint8_t>(~(1u << state_.cursorCol));
  const int b = slot / 4;
  auto& steps = chart().StepData[static_cast<size_t>(measure)];
  const size_t s0 = static_cast<size_t>(4 * b);
  if (steps[s0] == kTripletMark) {
    // The marker slot itself holds no arrows; clearing a bit there would turn it into seven.
    if (static_cast<size_t>(slot) != s0) {
      steps[static_cast<size_t>(slot)] &= keep;
      if (slot % 4 >= 2 && steps[s0 + 2] == 0 && steps[s0 + 3] == 0) {
        steps[s0] = steps[s0 + 1];
        steps[s0 + 1] = 0;
      }
    }
  } else if (state_.currentDivide == 12 && slot % 4 == 1) {
    steps[s0] &= keep;
  } else {
    steps[static_cast<size_t>(slot)] &= keep;
  }
  // Erasing inside a freeze arrow cuts it from here to its end.
  const uint8_t bit = static_cast<uint8_t>(~keep);
  for (int p = state_.cursorPos; p / 16 < kFreezeMeasures && (freezeCell(chart(), p) & bit); ++p) {
    freezeCell(chart(), p) &= keep;
    RecalcBeatType(chart(), (p & 15) / 4, p / 16);
  }
  RecalcBeatType(chart(), b, measure);
  state_.cursorLook = kLookHidden;
  edited();
}

void MouseEditor::placeFreeze() {
  if (state_.anchorPos > state_.cursorPos) {
    const int anchor = state_.anchorPos;
    state_.anchorPos = state_.cursorPos;
    state_.setCursorPos(anchor);
  }
  const int from = state_.anchorPos;
  const int to = state_.cursorPos;
  const int column = state_.cursorCol;
  // All or nothing; a hold cannot reach past the freeze table.
  for (int p = from; p <= to; ++p) {
    if (p / 16 >= kFreezeMeasures || !CanPlaceArrow(chart(), column, p & 15, p / 16)) return;
  }
  const uint8_t bit = static_cast<uint8_t>(1u << column);
  for (int p = from; p <= to; ++p) {
    freezeCell(chart(), p) |= bit;
    if (stepCell(chart(), p) != kTripletMark) stepCell(chart(), p) &= static_cast<uint8_t>(~bit);
  }
  stepCell(chart(), from) |= bit;  // the head is a normal step
  for (int row = from / 4; row <= to / 4; ++row) RecalcBeatType(chart(), row % 4, row / 4);
  document_.Modified = true;
  state_.anchorCol = kNoAnchor;
  host_.redrawCanvas();
}

void MouseEditor::edited() {
  host_.redrawCanvas();
  document_.Modified = true;
}

}  // namespace tarveno
