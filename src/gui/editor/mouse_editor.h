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
  // UpdateEditCommands, after a selection click.
  virtual void updateEditCommands() = 0;
  // Empties the "pnlPosX" and "pnlPosY" panels.
  virtual void clearPositionTexts() = 0;
  // VScroll1. Setting a new value must come back through MouseEditor::scrollChanged.
  virtual int scrollValue() const = 0;
  virtual int scrollMinimum() const = 0;
  virtual int scrollMaximum() const = 0;
  virtual void setScrollValue(int value) = 0;
};

// Mouse editing, range selection, the wheel and the scroll bar's change, on the document
// and the editor state. Coordinates are client coordinates; buttons are kLeftButton etc.
class MouseEditor {
 public:
  MouseEditor(Document& document, const bool& autoDivide, EditorState& state, GridModes& modes, EditorHost& host)
      : document_(document), autoDivide_(autoDivide), state_(state), modes_(modes), host_(host) {}

  void mouseMove(int x, int y);
  void mouseDown(int button);
  void mouseUp(int button);
  // rotation: 120 per notch, positive toward the start of the chart. Touchpads and fine
  // wheels send parts of a notch; they add up until a whole notch scrolls one beat.
  void wheel(int rotation);
  // VScroll1's change (and thumb-drag) event with its new value.
  void scrollChanged(int value);

  // The cursor-cell operations (also used by the mouse handlers above).
  void placeArrow();
  void eraseArrow();
  void placeFreeze();

 private:
  void switchDivision(int row);
  void cursorFromPoint(int x, int y);
  void selectionClick(int button);
  void edited();

  Chart& chart() { return document_.chart; }

  Document& document_;
  const bool& autoDivide_;
  EditorState& state_;
  GridModes& modes_;
  EditorHost& host_;
  int wheelRest_ = 0;  // rotation not yet scrolled, under one notch
};

}  // namespace tarveno
