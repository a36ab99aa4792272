#include <gtest/gtest.h>

#include "gui/editor/canvas_renderer.h"
#include "gui/editor/edit_command_state.h"
#include "gui/editor/editor_geometry.h"
#include "gui/editor/row_to_measure.h"
#include "gui/gui_test_helpers.h"

namespace tarveno::testing {
namespace {

TEST(EditorRowToMeasureTest, RowsWalkTheMeterSegmentsOrFourBeatsAMeasure) {
  const Catalogue catalogue = testCatalogue();
  auto at = [&](int row, int song, const MeterSegs& segs) {
    const MeasurePos m = RowToMeasure(row, catalogue, song, segs);
    return std::pair{m.Measure, m.Beat};
  };
  const MeterSegs none{};
  EXPECT_EQ(at(3, 0, none), std::pair(1, 3));
  EXPECT_EQ(at(25, 0, none), std::pair(7, 1));
  EXPECT_EQ(at(25, 700, none).first, 7);  // no song at all

  MeterSegs segs{};
  segs[0] = {1, 4};  // rows 0..7: measures 1, 2
  segs[1] = {3, 3};  // rows 8..13: measures 3, 4
  segs[2] = {5, 2};  // from row 14: measures 5, 6, ...
  segs[3] = {kMeterListEnd, 0};
  EXPECT_EQ(at(0, 1, segs), std::pair(1, 0));
  EXPECT_EQ(at(7, 1, segs), std::pair(2, 3));
  EXPECT_EQ(at(8, 1, segs), std::pair(3, 0));  // a row on a boundary starts the next segment
  EXPECT_EQ(at(13, 1, segs), std::pair(4, 2));
  EXPECT_EQ(at(14, 1, segs), std::pair(5, 0));
  EXPECT_EQ(at(17, 1, segs), std::pair(6, 1));
  EXPECT_EQ(at(17, 0, segs).first, 5);  // the list is ignored for a song without the flag

  // Damaged lists fall back to four beats a measure.
  MeterSegs zeroBeats{};
  zeroBeats[0] = {1, 0};
  zeroBeats[1] = {kMeterListEnd, 0};
  EXPECT_EQ(at(9, 1, zeroBeats).first, 3);
  MeterSegs noEnd{};
  for (auto& s : noEnd) s = {1, 4};  // no end marker, no growth: never contains the row
  EXPECT_EQ(at(9, 1, noEnd).first, 3);

  EXPECT_EQ(measureCaption(7), QStringLiteral("007"));
  EXPECT_EQ(measureCaption(123), QStringLiteral("123"));
  EXPECT_EQ(measureCaption(1234), QStringLiteral("234"));
}

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
