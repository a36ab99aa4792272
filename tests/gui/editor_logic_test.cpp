#include <gtest/gtest.h>

#include "gui/editor/canvas_renderer.h"
#include "gui/editor/editor_geometry.h"
#include "gui/gui_test_helpers.h"

namespace tarveno::testing {
namespace {

TEST(EditorGeometryTest, CanvasIsCentredLeftOfTheScrollBarWhichStopsAtTheTables) {
  EditorLayout single = computeEditorLayout(400, 520, 30, 20, 16, 0, 120);
  EXPECT_EQ(single.canvasTop, 14);
  EXPECT_EQ(single.canvasLeft, 128);  // (400 - 16 - 128) / 2
  EXPECT_EQ(single.scrollBar, QRect(384, 30, 16, 470));
  EXPECT_EQ(computeEditorLayout(401, 520, 30, 20, 16, 1, 120).canvasLeft, 64);  // 64.5 rounds to the even 64
  EXPECT_EQ(computeEditorLayout(403, 520, 30, 20, 16, 2, 120).canvasLeft, 66);  // 65.5 rounds to the even 66
  // Song measures against the scroll maximum: never below row 3, never past the 471 table measures.
  for (auto [measures, maximum] :
       {std::pair{0, 3}, {4, 3}, {5, 7}, {120, 4 * 120 - 13}, {471, 4 * 471 - 13}, {30000, 4 * 471 - 13}}) {
    EXPECT_EQ(computeEditorLayout(400, 520, 30, 20, 16, 0, measures).scrollMaximum, maximum) << measures;
  }
}

TEST(EditorStatusTextTest, ColumnNamesAndTheGridLineWithinTheMeasure) {
  EXPECT_EQ(columnName(0), QStringLiteral("1P Left "));
  EXPECT_EQ(columnName(5), QStringLiteral("2P Back "));
  EXPECT_EQ(columnName(7), QStringLiteral("2P Right"));

  const Catalogue catalogue = testCatalogue();
  Chart chart;
  EditorState st;
  const MeterSegs segs{};
  const CanvasScene scene{chart, catalogue, segs, st};
  auto text = [&](int divide, int pos) {
    st.currentDivide = divide;
    st.setCursorPos(pos);
    return positionText(scene).toStdString();
  };
  EXPECT_EQ(text(4, 96 + 12), "007:4/4");
  EXPECT_EQ(text(16, 96 + 15), "007:16/16");
  EXPECT_EQ(text(12, 96 + 4 + 3), "007:6/12");  // beat 1, third triplet note
  EXPECT_EQ(text(12, 96 + 1), "007:1/12");
}

}  // namespace
}  // namespace tarveno::testing
