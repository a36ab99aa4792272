#pragma once

#include "core/chart/chart.h"
#include "gui/editor/editor_state.h"
#include "gui/editor/grid_modes.h"

namespace tarveno {

// What the editing code needs from the window around it.
class EditorHost {
 public:
  virtual ~EditorHost() = default;
  virtual void redrawCanvas() = 0;
  // UpdateEditCommands, after a selection change.
  virtual void updateEditCommands() = 0;
  // Empties the "pnlPosX" and "pnlPosY" panels.
  virtual void clearPositionTexts() = 0;
  // VScroll1. Setting a new value must come back through MouseEditor::scrollChanged.
  virtual int scrollValue() const = 0;
  virtual int scrollMinimum() const = 0;
  virtual int scrollMaximum() const = 0;
  virtual void setScrollValue(int value) = 0;
  // Beat rows from the top row down to the last one wholly visible.
  virtual int visibleRows() const = 0;
  // The top rows the toolbar covers in part: the first row wholly in view lies this far below
  // the top row.
  virtual int rowsUnderToolbar() const = 0;
};

// The edits of the cursor's cell and the grid's automatic switching, the same for the mouse
// and the keys: the chart rules are the core's, this applies them to the cursor and shows them.
class CursorCells {
 public:
  CursorCells(Document& document, const bool& autoDivide, EditorState& state, GridModes& modes, EditorHost& host)
      : document_(document), autoDivide_(autoDivide), state_(state), modes_(modes), host_(host) {}

  // A left click's placement and a right click's erase.
  void placeArrow();
  void eraseArrow();
  // The freeze gesture at the cursor's cell: started there, or ended there.
  void startFreeze();
  void finishFreeze();
  // The division in force over beat `row`, switched automatically when that is on.
  void switchDivision(int row);
  // The view scrolled by `rows` beats and a shown cursor moves with it, keeping its place on
  // the screen: on its new beat the division is switched as a move there would switch it, so
  // the next click or key acts on the grid that beat is shown with. While a freeze is drawn
  // its division stays.
  void carryCursor(int rows);
  // Makes `divide` the division in force, as the automatic switching does.
  void takeDivision(int divide);

  // Whether the grid follows the beats now: the user's choice, but never while a freeze is
  // drawn, which stays on the grid it started on.
  bool autoDivide() const { return autoDivide_ && !state_.freezeDragging(); }
  BeatKind beatKind(int row) const { return document_.chart.beatKindAt(row % 4, row / 4); }
  Chart& chart() { return document_.chart; }
  EditorState& state() { return state_; }
  EditorHost& host() { return host_; }

 private:
  Document& document_;
  const bool& autoDivide_;
  EditorState& state_;
  GridModes& modes_;
  EditorHost& host_;
};

}  // namespace tarveno
