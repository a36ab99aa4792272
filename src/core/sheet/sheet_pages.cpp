#include "core/sheet/sheet_pages.h"

#include <algorithm>

namespace tarveno {

SheetBands sheetBands(const SheetLayout& layout) {
  SheetBands bands;
  const int side = layout.frames.empty() ? 0 : layout.frames.front().x;
  const int gap = layout.columnCount > 1 ? layout.frames[1].x - layout.frames[0].x - layout.columnWidth
                                         : layout.sheetWidth - 1 - 2 * side - layout.columnWidth;
  bands.columnCount = std::max(1, layout.columnCount);
  bands.columnGap = std::max(0, gap);
  bands.columnPitch = layout.columnWidth + bands.columnGap;
  bands.sideMargin = side;
  bands.headerHeight = layout.columnsTop;
  bands.rowHeight = std::max(1, layout.sheetHeight - layout.columnsTop);
  // The header band ends with the top margin; later pages keep the same space above.
  const int headerBand = layout.header.empty() ? 0 : layout.headerLineCount * layout.headerPitch;
  bands.pageTopMargin = std::max(0, layout.columnsTop - headerBand);
  return bands;
}

namespace {

// How many columns fit a width at a scale; at least one, at most all.
int columnsThatFit(const SheetBands& bands, double width, double scale) {
  int n = 1;
  while (n < bands.columnCount && bands.rowWidth(n + 1) * scale <= width) ++n;
  return n;
}

}  // namespace

SheetPagePlan planSheetPages(const SheetBands& bands, double pageWidth, double pageHeight) {
  SheetPagePlan plan;
  const int atFull = columnsThatFit(bands, pageWidth, 1.0);
  const double widthFit = pageWidth / bands.rowWidth(atFull);
  const double heightFit = pageHeight / (bands.headerHeight + bands.rowHeight);
  plan.scale = std::min({1.0, widthFit, heightFit});
  plan.columnsPerRow = columnsThatFit(bands, pageWidth, plan.scale);
  plan.rowWidth = bands.rowWidth(plan.columnsPerRow);

  const double room = pageHeight / plan.scale;
  for (int first = 0; first < bands.columnCount; first += plan.columnsPerRow) {
    const int count = std::min(plan.columnsPerRow, bands.columnCount - first);
    double top = 0;
    if (!plan.pages.empty()) {
      const SheetPage& page = plan.pages.back();
      top = page.rows.empty() ? bands.headerHeight : page.rows.back().top + bands.rowHeight;
    }
    if (plan.pages.empty() || top + bands.rowHeight > room + 1e-9) {
      SheetPage page;
      page.header = plan.pages.empty();
      top = page.header ? bands.headerHeight : bands.pageTopMargin;
      plan.pages.push_back(std::move(page));
    }
    plan.pages.back().rows.push_back(SheetRow{first, count, top});
  }
  return plan;
}

}  // namespace tarveno
