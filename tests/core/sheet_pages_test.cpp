#include "core/sheet/sheet_pages.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace tarveno {
namespace {

// Random sheets and papers: every measure lands on exactly one page, inside it, and no page
// could have taken the next row (rows are all the same height, so that gives the fewest pages).
TEST(SheetPages, RandomLayoutsArePagedWholeAndTightly) {
  std::mt19937 random(2026);
  auto pick = [&random](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
  for (int trial = 0; trial < 2000; ++trial) {
    const int measures = pick(1, 471);
    const int perColumn = pick(1, 40);
    SheetBands bands;
    bands.columnCount = (measures - 1) / perColumn + 1;
    bands.columnGap = pick(0, 60);
    bands.columnPitch = (pick(0, 1) ? 68 : 136) + bands.columnGap;
    bands.sideMargin = pick(0, 60);
    bands.pageTopMargin = pick(0, 40);
    bands.headerHeight = bands.pageTopMargin + pick(0, 8) * pick(10, 30);
    bands.rowHeight = perColumn * 64 + 1 + bands.pageTopMargin;
    const double width = pick(200, 1200) + 0.5, height = pick(200, 1600) + 0.25;
    SCOPED_TRACE(testing::Message() << "trial " << trial << ": " << measures << " measures, " << perColumn
                                    << " a column, paper " << width << "x" << height);

    const SheetPagePlan plan = planSheetPages(bands, width, height);
    ASSERT_GT(plan.scale, 0);
    EXPECT_LE(plan.scale, 1.0);
    EXPECT_LE(plan.rowWidth * plan.scale, width + 1e-6);
    std::vector<int> seen(static_cast<size_t>(measures), 0);
    for (size_t p = 0; p < plan.pages.size(); ++p) {
      const SheetPage& page = plan.pages[p];
      EXPECT_EQ(page.header, p == 0);
      ASSERT_FALSE(page.rows.empty()) << "page " << p + 1 << " is empty";
      for (const SheetRow& row : page.rows) {
        EXPECT_LE((row.top + bands.rowHeight) * plan.scale, height + 1e-6) << "a row runs off page " << p + 1;
        if (page.header) {
          EXPECT_GE(row.top, bands.headerHeight);
        }
        for (int m = 0; m < measures; ++m) {
          const int column = m / perColumn;
          if (column >= row.firstColumn && column < row.firstColumn + row.columnCount) ++seen[static_cast<size_t>(m)];
        }
      }
      if (p + 1 < plan.pages.size()) {
        const double nextBottom = page.rows.back().top + 2.0 * bands.rowHeight;
        EXPECT_GT(nextBottom * plan.scale, height) << "page " << p + 1 << " had room for the next row";
      }
    }
    for (int m = 0; m < measures; ++m) EXPECT_EQ(seen[static_cast<size_t>(m)], 1) << "measure " << m + 1;
    // The scale stops below 100% only where the width or the height left no room.
    if (plan.scale < 1.0) {
      const bool widthBound = plan.rowWidth * plan.scale > width - 1e-6;
      const bool heightBound = (bands.headerHeight + bands.rowHeight) * plan.scale > height - 1e-6;
      EXPECT_TRUE(widthBound || heightBound) << "scale " << plan.scale << " smaller than needed";
    }
    if (plan.columnsPerRow < bands.columnCount) {
      EXPECT_GT(bands.rowWidth(plan.columnsPerRow + 1) * plan.scale, width) << "a row had room for another column";
    }
  }
}

}  // namespace
}  // namespace tarveno
