#pragma once

#include "gui/editor/cursor_cells.h"

namespace tarveno {

// Mouse editing, range selection, the wheel and the scroll bar's change. Coordinates are client
// coordinates; buttons are kLeftButton etc. A point on the canvas becomes a grid position of
// the cursor, the same positions the keys move over.
class MouseEditor {
 public:
  explicit MouseEditor(CursorCells& cells) : cells_(cells), state_(cells.state()), host_(cells.host()) {}

  void mouseMove(int x, int y);
  void mouseDown(int button);
  void mouseUp(int button);
  // rotation: 120 per notch, positive toward the start of the chart. Touchpads and fine
  // wheels send parts of a notch; they add up until a whole notch scrolls one beat.
  void wheel(int rotation);
  // VScroll1's change (and thumb-drag) event with its new value: the cursor keeps its place on
  // the screen, so it moves with the view.
  void scrollChanged(int value);

 private:
  void cursorFromPoint(int y, int row);
  void selectionClick(int button);

  CursorCells& cells_;
  EditorState& state_;
  EditorHost& host_;
  int wheelRest_ = 0;  // rotation not yet scrolled, under one notch
};

}  // namespace tarveno
