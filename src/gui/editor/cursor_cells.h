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
  // Beat rows wholly visible below the top row.
  virtual int visibleRows() const = 0;
};

// The edits of the cursor's cell and the grid's automatic switching, the same for the mouse
// and the keys: the chart rules are the core's, this applies them to the cursor and shows them.
class CursorCells {
 public:
  CursorCells(Document& document, const bool& autoDivide, EditorState& state, GridModes& modes, EditorHost& host)
      : document_(document), autoDivide_(autoDivide), state_(state), modes_(modes), host_(host) {}

  // A left click's placement, a right click's erase, and the freeze a drag from the anchor to
  // the cursor lays (either way round).
  void placeArrow();
  void eraseArrow();
  void placeFreeze();
  // The division in force over beat `row`, switched automatically when that is on.
  void switchDivision(int row);
  // Makes `divide` the division in force, as the automatic switching does.
  void takeDivision(int divide);

  bool autoDivide() const { return autoDivide_; }
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
