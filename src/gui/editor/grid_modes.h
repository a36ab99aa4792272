#pragma once

#include "gui/editor/editor_state.h"

namespace tarveno {

// Shows the division and freeze mode in force: menu checks and pressed toolbar buttons.
class GridModeView {
 public:
  virtual ~GridModeView() = default;
  virtual void showDivide(int divide) = 0;
  virtual void showFreezeMode(bool on) = 0;
};

// The division commands and the freeze-mode toggle. They serve the user (menu, toolbar) and
// the automatic switching of the mouse handler; while autoSwitching is set only the fields
// in force change, so the user's choice can be restored by comparing the two. None redraws.
class GridModes {
 public:
  GridModes(EditorState& state, GridModeView& view) : state_(state), view_(view) {}

  // The grid state a fresh main window starts with.
  void reset();
  // M_Divide4_Click .. M_Divide12_Click: divide is 4, 8, 16 or 12.
  void divide(int divide);
  // M_FAmode_Click.
  void toggleFreezeMode();

 private:
  EditorState& state_;
  GridModeView& view_;
};

}  // namespace tarveno
