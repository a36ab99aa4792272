#pragma once

#include <vector>

#include "core/sheet/sheet_layout.h"

namespace tarveno {

// One pixel of the sheet is three quarters of a point on paper, as on a 96 dpi screen.
inline constexpr double kSheetPointsPerPixel = 0.75;

// The sheet's sizes that paging works from, in sheet pixels. Paper shows the sheet's columns
// wrapped into rows of columns; each row looks like a narrower sheet of its own.
struct SheetBands {
  int columnCount = 1;
  int columnPitch = 1;    // from one column's left edge to the next
  int columnGap = 0;      // the space between two columns
  int sideMargin = 0;     // left of the first column and right of the last
  int headerHeight = 0;   // everything above the columns, shown on the first page only
  int rowHeight = 1;      // one row of columns with the space below it
  int pageTopMargin = 0;  // above the first row of every later page

  // The width of a row holding `columns` columns, margins included.
  int rowWidth(int columns) const { return 2 * sideMargin + columns * columnPitch - columnGap + 1; }
};

// The bands of a laid-out sheet.
SheetBands sheetBands(const SheetLayout& layout);

struct SheetRow {
  int firstColumn = 0;
  int columnCount = 0;
  double top = 0;  // on its page, in sheet pixels before scaling
};

struct SheetPage {
  bool header = false;  // the header band stands above the rows
  std::vector<SheetRow> rows;
};

struct SheetPagePlan {
  double scale = 1;  // paper size of one sheet pixel, as a share of its screen size
  int columnsPerRow = 1;
  int rowWidth = 0;  // in sheet pixels, before scaling
  std::vector<SheetPage> pages;
};

// Pages for a printable area of pageWidth x pageHeight sheet pixels at 100%. The scale is the
// largest at most 1 at which a row of at least one column fits the width and the header with
// one row fits the height; each row then takes as many columns as fit. Pages break only
// between rows, and each page takes as many rows as fit, which gives the fewest pages.
SheetPagePlan planSheetPages(const SheetBands& bands, double pageWidth, double pageHeight);

}  // namespace tarveno
