#pragma once

#include <QRect>
#include <QSize>

namespace tarveno {

// The sheet view's scroll bars worked out whenever its size changes: which bars a client area
// needs for a sheet, where they go, and the client size the window should take instead.
struct ScrollLayout {
  // 0 no bar, 1 horizontal bar only, 2 vertical bar only, 3 both bars and the corner square.
  int state = 0;
  QSize client;  // the client size to have; states 0..2 fit the unscrolled direction to the sheet
  QRect hBar;    // geometry of HScroll1 (states 1 and 3)
  QRect vBar;    // geometry of VScroll1 (states 2 and 3)
  QRect blind;   // geometry of picBlind (state 3)
  int hMax = 0;
  int hPage = 0;
  int vMax = 0;
  int vPage = 0;
};

// client: the current client area; barWidth: the vertical bar's width; barHeight: the
// horizontal bar's height. Positions are in the client area at its current size.
ScrollLayout layoutScrollBars(QSize client, QSize sheet, int barWidth, int barHeight);

}  // namespace tarveno
