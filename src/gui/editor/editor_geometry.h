#pragma once

#include <QRect>

#include "core/chart/chart.h"

namespace tarveno {

// Where the editor's pieces stand, in client coordinates.
//
// The client area is the part of the main window below its menu bar, down to and including
// the status bar; its origin is the top-left corner of the editor's client widget. The
// toolbar is the client widget's child at its top edge, the scroll bar its child at the
// right, and the status bar lies just below the client widget. So a client point is a point
// of the client widget, and the client height is the client widget's height plus the status
// bar's. The canvas origin (column 0 of the first visible row) lies at (canvasLeft,
// canvasTop); canvasTop = toolbar height - 16 puts the first visible row partly under the
// toolbar on purpose.
namespace geometry {
inline constexpr int kRowHeight = 32;
inline constexpr int kColumnWidth = 32;
inline constexpr int kVisibleRows = 15;
inline constexpr int kPadWidth = 128;  // one pad: four columns
inline constexpr int kToolbarOverlap = 16;
inline constexpr int kLabelLeft = -40;  // measure numbers, canvas coordinates
inline constexpr int kLabelTop = -6;
inline constexpr int kLabelCount = 5;
inline constexpr int kMarkerLeft = -20;  // selection markers, centred on a row's top line
inline constexpr int kMarkerTop = -8;
inline constexpr int kMarkerCount = 4;
inline constexpr int kMarkerSize = 16;
inline constexpr int kDividerBottom = 450;  // the line between the pads ends here
inline constexpr int kScrollMinimum = 3;
inline constexpr int kScrollSmallChange = 1;
inline constexpr int kScrollLargeChange = 12;
}  // namespace geometry

// 128 pixels for single play, 256 for couple and double.
inline int canvasWidth(PlayStyle style) {
  return hasSecondPad(style) ? 2 * geometry::kPadWidth : geometry::kPadWidth;
}

struct EditorLayout {
  int canvasLeft = 0;
  int canvasTop = 0;
  QRect scrollBar;  // client coordinates
  int scrollMaximum = geometry::kScrollMinimum;
};

// LayoutEditor's arithmetic. clientHeight includes the status bar (see above). A song too
// short for a full view (or no song at all) gets the maximum 3, so the view can never
// scroll above row 3; the maximum never reaches past the table's last measure.
EditorLayout computeEditorLayout(int clientWidth, int clientHeight, int toolbarHeight, int statusBarHeight,
                                 int scrollBarWidth, PlayStyle style, int songMeasures);

}  // namespace tarveno
