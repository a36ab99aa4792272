#pragma once

#include <cstdint>

#include "core/edit/freeze_gesture.h"
#include "core/edit/grid_cursor.h"

namespace tarveno {

inline constexpr int kNoLastCol = 255;     // lastCol while no cell has been handled
inline constexpr int kUnset = -1;          // selStart, selEnd, hoverRow when not set
inline constexpr double kNoPlayhead = -1;  // playhead while nothing plays

// Mouse buttons as the editing code counts them (bit 0 left, bit 1 right, bit 2 middle).
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

// How the cursor arrow is shown.
inline constexpr int kLookGhost = 0;   // ghost image, only where an arrow may be placed
inline constexpr int kLookSolid = 1;   // after an arrow was placed
inline constexpr int kLookHidden = 2;  // after an erase

// The main window's view and editing fields. Positions: a row is a beat (global beat
// index), the cursor's pos, the freeze's anchor and lastPos are grid positions (measure * 16 +
// slot).
struct EditorState {
  // Canvas origin in client coordinates, set by LayoutEditor.
  int canvasLeft = 0;
  int canvasTop = 0;
  // The client widget's size when LayoutEditor last ran (0 before it has): the window may have
  // grown since, and what lies beyond is no part of the editor.
  int layoutWidth = 0;
  int layoutHeight = 0;
  int topRow = 3;

  int currentDivide = 4;
  int userDivide = 4;
  int freezeMode = 0;
  int userFreezeMode = 0;
  bool autoSwitching = false;

  // The cell the mouse points at or the keys moved to.
  GridCursor cursor;
  int cursorLook = kLookGhost;
  int lastCol = kNoLastCol;
  int lastPos = 0;

  // A freeze arrow being drawn, by the mouse or by the keys.
  FreezeGesture freeze;

  int selStart = kUnset;
  int selEnd = kUnset;
  int hoverRow = kUnset;

  int mouseButton = 0;

  // Where playback is, in beats with their fraction (kNoPlayhead while nothing plays).
  double playhead = kNoPlayhead;

  bool freezeDragging() const { return freeze.active() && freezeMode == 1; }
};

}  // namespace tarveno
