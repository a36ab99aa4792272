#include <gtest/gtest.h>

#include "gui/editor/canvas_renderer.h"
#include "gui/editor/edit_command_state.h"
#include "gui/editor/editor_geometry.h"
#include "gui/editor/row_to_measure.h"
#include "gui/gui_test_helpers.h"

namespace tarveno::testing {
namespace {

TEST(EditorRowToMeasureTest, FourBeatsAMeasureWithoutAMeterTable) {
  const Catalogue catalogue = testCatalogue();
  const MeterSegs segs{};
  EXPECT_EQ(RowToMeasure(0, catalogue, 0, segs).Measure, 1);
  EXPECT_EQ(RowToMeasure(3, catalogue, 0, segs).Beat, 3);
  EXPECT_EQ(RowToMeasure(25, catalogue, 0, segs).Measure, 7);
  EXPECT_EQ(RowToMeasure(25, catalogue, 0, segs).Beat, 1);
  EXPECT_EQ(RowToMeasure(25, catalogue, 700, segs).Measure, 7);  // no song at all
}

TEST(EditorRowToMeasureTest, MeterSegmentsWalkToTheRowsSegment) {
  const Catalogue catalogue = testCatalogue();
  MeterSegs segs{};
  segs[0] = {1, 4};  // rows 0..7: measures 1, 2
  segs[1] = {3, 3};  // rows 8..13: measures 3, 4
  segs[2] = {5, 2};  // from row 14: measures 5, 6, ...
  segs[3] = {kMeterListEnd, 0};
  auto at = [&](int row) {
    const MeasurePos m = RowToMeasure(row, catalogue, 1, segs);
    return std::pair{m.Measure, m.Beat};
  };
  EXPECT_EQ(at(0), std::pair(1, 0));
  EXPECT_EQ(at(7), std::pair(2, 3));
  EXPECT_EQ(at(8), std::pair(3, 0));  // a row on a boundary starts the next segment
  EXPECT_EQ(at(13), std::pair(4, 2));
  EXPECT_EQ(at(14), std::pair(5, 0));
  EXPECT_EQ(at(17), std::pair(6, 1));
  // The same song number list is ignored for a song without the flag.
  EXPECT_EQ(RowToMeasure(17, catalogue, 0, segs).Measure, 5);
}

TEST(EditorRowToMeasureTest, DamagedMeterListsFallBackToFourBeats) {
  const Catalogue catalogue = testCatalogue();
  MeterSegs zeroBeats{};
  zeroBeats[0] = {1, 0};
  zeroBeats[1] = {kMeterListEnd, 0};
  EXPECT_EQ(RowToMeasure(9, catalogue, 1, zeroBeats).Measure, 3);
  MeterSegs noEnd{};
  for (auto& s : noEnd) s = {1, 4};  // no end marker, no growth: never contains the row
  EXPECT_EQ(RowToMeasure(9, catalogue, 1, noEnd).Measure, 3);
}

TEST(EditorRowToMeasureTest, MeasureCaptionsKeepThreeDigits) {
  EXPECT_EQ(measureCaption(7), QStringLiteral("007"));
  EXPECT_EQ(measureCaption(123), QStringLiteral("123"));
  EXPECT_EQ(measureCaption(1234), QStringLiteral("234"));
}

TEST(EditorGeometryTest, CanvasIsCentredLeftOfTheScrollBar) {
  EditorLayout single = computeEditorLayout(400, 520, 30, 20, 16, 0, 120);
  EXPECT_EQ(single.canvasTop, 14);
  EXPECT_EQ(single.canvasLeft, 128);  // (400 - 16 - 128) / 2
  EXPECT_EQ(single.scrollBar, QRect(384, 30, 16, 470));
  EXPECT_EQ(single.scrollMaximum, 4 * 120 - 13);
  EditorLayout couple = computeEditorLayout(401, 520, 30, 20, 16, 1, 120);
  EXPECT_EQ(couple.canvasLeft, 64);  // 64.5 rounds to the even 64
  EditorLayout odd = computeEditorLayout(403, 520, 30, 20, 16, 2, 120);
  EXPECT_EQ(odd.canvasLeft, 66);  // 65.5 rounds to the even 66
}

TEST(EditorGeometryTest, ScrollMaximumStaysWithinRowThreeAndTheTables) {
  EXPECT_EQ(computeEditorLayout(400, 520, 30, 20, 16, 0, 0).scrollMaximum, 3);
  EXPECT_EQ(computeEditorLayout(400, 520, 30, 20, 16, 0, 4).scrollMaximum, 3);
  EXPECT_EQ(computeEditorLayout(400, 520, 30, 20, 16, 0, 5).scrollMaximum, 7);
  EXPECT_EQ(computeEditorLayout(400, 520, 30, 20, 16, 0, 471).scrollMaximum, 4 * 471 - 13);
  EXPECT_EQ(computeEditorLayout(400, 520, 30, 20, 16, 0, 30000).scrollMaximum, 4 * 471 - 13);
}

TEST(EditorCommandStateTest, RulesLeaveSomeStatesAsTheyWere) {
  EditCommandStates all{true, true, true, true, true, true, true, true};
  EXPECT_EQ(updatedEditCommands(all, kUnset, kUnset, 5, 0), EditCommandStates{});
  // A start line with an empty clipboard leaves paste as it was.
  EXPECT_TRUE(updatedEditCommands(all, 3, kUnset, 0, 0).paste);
  EXPECT_FALSE(updatedEditCommands(EditCommandStates{}, 3, kUnset, 0, 0).paste);
  EXPECT_TRUE(updatedEditCommands(EditCommandStates{}, 3, kUnset, 2, 0).paste);
  const EditCommandStates doubles = updatedEditCommands(all, 3, 7, 0, 2);
  EXPECT_TRUE(doubles.turnLeft);  // kept from before
  EXPECT_FALSE(doubles.paste);
  const EditCommandStates doublesOff = updatedEditCommands(EditCommandStates{}, 3, 7, 0, 2);
  EXPECT_FALSE(doublesOff.turnRight);
  EXPECT_TRUE(doublesOff.mirror);
  EXPECT_TRUE(doublesOff.cut);
}

TEST(EditorStatusTextTest, ColumnNamesKeepTheirBlanks) {
  EXPECT_EQ(columnName(0), QStringLiteral("1P Left "));
  EXPECT_EQ(columnName(2), QStringLiteral("1P Front"));
  EXPECT_EQ(columnName(5), QStringLiteral("2P Back "));
  EXPECT_EQ(columnName(7), QStringLiteral("2P Right"));
}

TEST(EditorStatusTextTest, GridLineNumberWithinTheMeasure) {
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
  EXPECT_EQ(text(8, 102), "007:4/8");
  EXPECT_EQ(text(4, 96 + 12), "007:4/4");
  EXPECT_EQ(text(16, 96 + 15), "007:16/16");
  EXPECT_EQ(text(12, 96 + 4 + 3), "007:6/12");  // beat 1, third triplet note
  EXPECT_EQ(text(12, 96 + 1), "007:1/12");
}

}  // namespace
}  // namespace tarveno::testing
