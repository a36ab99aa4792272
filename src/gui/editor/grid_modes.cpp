#include "gui/editor/grid_modes.h"

namespace tarveno {

void GridModes::reset() {
  state_.currentDivide = 4;
  state_.userDivide = 4;
  state_.freezeMode = 0;
  state_.userFreezeMode = 0;
  state_.autoSwitching = false;
  state_.freeze.cancel();
  view_.showDivide(4);
  view_.showFreezeMode(false);
}

void GridModes::divide(int divide) {
  state_.currentDivide = divide;
  if (!state_.autoSwitching) state_.userDivide = divide;
  view_.showDivide(divide);
  // Triplets and freeze arrows exclude each other.
  if (divide == 12 && state_.freezeMode == 1) toggleFreezeMode();
}

void GridModes::toggleFreezeMode() {
  state_.freezeMode = 1 - state_.freezeMode;
  if (!state_.autoSwitching) state_.userFreezeMode = state_.freezeMode;
  view_.showFreezeMode(state_.freezeMode == 1);
  if (state_.currentDivide == 12 && state_.freezeMode == 1) divide(16);
}

}  // namespace tarveno
