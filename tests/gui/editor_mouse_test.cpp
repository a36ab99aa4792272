#include <gtest/gtest.h>
#include <QAction>
#include <QScrollBar>
#include <QToolButton>

#include "gui/app/main_window.h"
#include "gui/gui_test_helpers.h"

namespace tarveno::testing {
namespace {

class EditorMouseTest : public ::testing::Test {
 protected:
  void SetUp() override { h.start(); }

  uint8_t step(int measure, int slot) { return h.chart().StepData[measure][slot]; }
  uint8_t freeze(int measure, int slot) { return h.chart().FreezeData[measure][slot]; }
  uint8_t beatType(int measure, int beat) { return h.chart().BeatType[measure][beat]; }
  EditorState& st() { return h.window().editorState(); }
  // Client point of canvas pixel row y (0 = top of the first visible row), column k.
  QPoint at(int column, int y) { return h.canvasPoint(32 * column + 16, y); }
  void menu(const char* name) { h.action(QString::fromLatin1(name))->trigger(); }

  MainWindowHarness h;
};

TEST_F(EditorMouseTest, SnapsToTheGridOfEachDivision) {
  struct Case {
    const char* menu;
    int y;
    int pos;
  };
  // Row 1 of the view is row 4 (measure 1, beat 0), sixteenth positions 16..19.
  const Case cases[] = {
      {"M_Divide4", 59, 16},  {"M_Divide8", 47, 16},  {"M_Divide8", 52, 18},  {"M_Divide16", 52, 18},
      {"M_Divide16", 59, 19}, {"M_Divide12", 40, 17}, {"M_Divide12", 52, 18}, {"M_Divide12", 59, 19},
  };
  for (const Case& c : cases) {
    menu(c.menu);
    h.moveTo(at(2, c.y));
    EXPECT_EQ(st().cursorPos, c.pos) << c.menu << " y " << c.y;
    EXPECT_EQ(st().cursorCol, 2);
    EXPECT_TRUE(st().cursorValid);
    h.moveTo(h.canvasPoint(-5, 0));  // leave, so the next case is a new cell
  }
}

TEST_F(EditorMouseTest, LeftClickPlacesRightClickErases) {
  h.click(at(1, 32 + 3));
  EXPECT_EQ(step(1, 0), 2);
  EXPECT_TRUE(h.document.Modified);
  EXPECT_EQ(st().cursorLook, kLookSolid);
  h.click(at(1, 32 + 3), Qt::RightButton);
  EXPECT_EQ(step(1, 0), 0);
  EXPECT_EQ(st().cursorLook, kLookHidden);
}

TEST_F(EditorMouseTest, MeasureZeroAcceptsNothing) {
  h.click(at(0, 3));  // row 3: the last beat of measure 0
  EXPECT_EQ(step(0, 12), 0);
  EXPECT_FALSE(h.document.Modified);
}

TEST_F(EditorMouseTest, EightPlacesOnlyOnTheEighths) {
  menu("M_Divide8");
  h.click(at(0, 32 + 27));  // lower half of the beat: the second eighth, slot 2
  EXPECT_EQ(step(1, 2), 1);
  EXPECT_EQ(step(1, 3), 0);
  EXPECT_EQ(beatType(1, 0), 1);
}

TEST_F(EditorMouseTest, DragsPaintAndEraseEveryNewCell) {
  h.button(QStringLiteral("Divide16"))->click();
  h.moveTo(at(0, 32 + 2));
  h.press(Qt::LeftButton);
  h.moveTo(at(0, 32 + 10));
  h.moveTo(at(0, 32 + 18));
  h.moveTo(at(1, 32 + 18));
  h.release(Qt::LeftButton);
  EXPECT_EQ(step(1, 0), 1);
  EXPECT_EQ(step(1, 1), 1);
  EXPECT_EQ(step(1, 2), 3);

  h.moveTo(at(0, 32 + 2));
  h.press(Qt::RightButton);
  h.moveTo(at(0, 32 + 10));
  h.release(Qt::RightButton);
  EXPECT_EQ(step(1, 0), 0);
  EXPECT_EQ(step(1, 1), 0);
  EXPECT_EQ(step(1, 2), 3);
}

TEST_F(EditorMouseTest, BothButtonsNeitherPaintNorErase) {
  h.button(QStringLiteral("Divide16"))->click();
  h.moveTo(at(0, 32 + 2));
  h.press(Qt::LeftButton);
  h.press(Qt::RightButton);
  EXPECT_EQ(st().mouseButton, 3);
  h.moveTo(at(0, 32 + 10));
  h.moveTo(at(0, 32 + 18));
  EXPECT_EQ(step(1, 0), 1);  // from the first press only
  EXPECT_EQ(step(1, 1), 0);
  EXPECT_EQ(step(1, 2), 0);
  EXPECT_EQ(st().cursorPos, 18);  // the moves still happened
  h.release(Qt::RightButton);
  h.release(Qt::LeftButton);
  EXPECT_EQ(st().mouseButton, 0);
}

TEST_F(EditorMouseTest, PlayerSideTakesAtMostTwoArrows) {
  h.chart().PlayStyle = 1;
  h.window().layoutEditor();
  h.click(at(0, 32 + 3));
  h.click(at(3, 32 + 3));
  h.click(at(1, 32 + 3));  // a third arrow on the first pad: refused
  h.click(at(5, 32 + 3));  // the second player's pad still takes one
  EXPECT_EQ(step(1, 0), 1 | 8 | 32);
}

TEST_F(EditorMouseTest, TripletsAreMadeAndUndoneThroughTheMouse) {
  menu("M_Divide12");
  // Row 8 (measure 2, beat 0) is view row 5, y 160..191.
  h.click(at(0, 160 + 2));  // first triplet note of a plain beat: the on-beat slot
  EXPECT_EQ(step(2, 0), 1);
  EXPECT_EQ(beatType(2, 0), 0);
  h.click(at(3, 160 + 14));  // second note: the beat becomes a triplet beat
  EXPECT_EQ(step(2, 0), kTripletMark);
  EXPECT_EQ(step(2, 1), 1);
  EXPECT_EQ(step(2, 2), 8);
  EXPECT_EQ(beatType(2, 0), 2);
  h.click(at(3, 160 + 14), Qt::RightButton);  // and back, with the arrow on the beat
  EXPECT_EQ(step(2, 0), 1);
  EXPECT_EQ(step(2, 1), 0);
  EXPECT_EQ(step(2, 2), 0);
  EXPECT_EQ(beatType(2, 0), 0);
  h.click(at(0, 160 + 2), Qt::RightButton);  // the first note erases on the beat
  EXPECT_EQ(step(2, 0), 0);
}

TEST_F(EditorMouseTest, ErasingTheFirstNoteKeepsATripletOfTwo) {
  makeTriplet(h.chart(), 2, 0, 1, 0, 2);
  menu("M_Divide12");
  h.click(at(0, 160 + 2), Qt::RightButton);
  EXPECT_EQ(step(2, 0), kTripletMark);
  EXPECT_EQ(step(2, 1), 0);
  EXPECT_EQ(step(2, 3), 2);
  EXPECT_EQ(beatType(2, 0), 2);
}

TEST_F(EditorMouseTest, DivisionFollowsTheBeatUnderTheMouse) {
  makeTriplet(h.chart(), 2, 0, 1, 2, 0);
  setSteps(h.chart(), 3, 1, 1);  // row 12 (view row 9): a sixteenth-level beat
  h.window().redrawCanvas();

  menu("M_Divide16");
  menu("M_FAmode");
  h.moveTo(at(0, 160 + 20));  // over the triplet beat
  EXPECT_EQ(st().currentDivide, 12);
  EXPECT_EQ(st().freezeMode, 0);
  EXPECT_EQ(st().userDivide, 16);
  EXPECT_EQ(st().userFreezeMode, 1);
  EXPECT_TRUE(h.action("M_Divide12")->isChecked());
  EXPECT_TRUE(h.button("Divide12")->isChecked());
  EXPECT_FALSE(h.button("FAmode")->isChecked());
  EXPECT_EQ(st().cursorPos, 34);  // the second of the three bands: the second note
  h.moveTo(at(0, 192 + 5));       // a plain beat: the user's choice comes back
  EXPECT_EQ(st().currentDivide, 16);
  EXPECT_EQ(st().freezeMode, 1);
  EXPECT_TRUE(h.button("Divide16")->isChecked());
  EXPECT_TRUE(h.action("M_FAmode")->isChecked());

  menu("M_Divide12");
  EXPECT_EQ(st().freezeMode, 0);
  h.moveTo(at(0, 288 + 5));  // the sixteenth-level beat cannot be edited on the triplet grid
  EXPECT_EQ(st().currentDivide, 16);
  EXPECT_EQ(st().userDivide, 12);
  h.moveTo(at(0, 256 + 5));
  EXPECT_EQ(st().currentDivide, 12);
}

TEST_F(EditorMouseTest, QuarterGridIsNeverSwitched) {
  makeTriplet(h.chart(), 2, 0, 1, 2, 0);
  h.moveTo(at(1, 160 + 20));
  EXPECT_EQ(st().currentDivide, 4);
  EXPECT_EQ(st().cursorPos, 33);  // the first triplet note
  h.click(at(1, 160 + 20));
  EXPECT_EQ(step(2, 1), 3);
}

class EditorFreezeTest : public EditorMouseTest {
 protected:
  void SetUp() override {
    EditorMouseTest::SetUp();
    h.button("Divide16")->click();
    h.button("FAmode")->click();
  }
  // Freeze drag in column 0 between sixteenth positions (measure 1 starts at view y 32).
  void drag(int fromPos, int toPos, int toColumn = 0) {
    h.moveTo(at(0, 8 * (fromPos - 12) + 2));
    h.press(Qt::LeftButton);
    h.moveTo(at(toColumn, 8 * (toPos - 12) + 2));
    h.release(Qt::LeftButton);
  }
};

TEST_F(EditorFreezeTest, DragDownOrUpPlacesTheSameFreeze) {
  for (bool upward : {false, true}) {
    h.chart().eraseSteps();
    h.chart().eraseFreeze();
    if (upward) {
      drag(26, 20);
    } else {
      drag(20, 26);
    }
    EXPECT_EQ(step(1, 4), 1) << upward;
    for (int s = 5; s <= 10; ++s) EXPECT_EQ(step(1, s), 0) << s;
    for (int s = 4; s <= 10; ++s) EXPECT_EQ(freeze(1, s), 1) << s;
    EXPECT_EQ(freeze(1, 3), 0);
    EXPECT_EQ(freeze(1, 11), 0);
    EXPECT_EQ(beatType(1, 1), 1);
    EXPECT_EQ(beatType(1, 2), 1);
    EXPECT_EQ(st().anchorCol, kNoAnchor);
    EXPECT_TRUE(h.document.Modified);
  }
}

TEST_F(EditorFreezeTest, RefusedWhenAnySlotIsTaken) {
  setSteps(h.chart(), 1, 8, 1);  // an arrow on the column inside the range
  drag(20, 26);
  EXPECT_EQ(step(1, 4), 0);
  EXPECT_EQ(freeze(1, 4), 0);
  setSteps(h.chart(), 1, 8, 0);
  setSteps(h.chart(), 1, 9, 2 | 4);  // two arrows on the player's side
  drag(20, 26);
  EXPECT_EQ(step(1, 4), 0);
  EXPECT_EQ(freeze(1, 4), 0);
  EXPECT_FALSE(h.document.Modified);
}

TEST_F(EditorFreezeTest, ReleaseElsewhereOrOnThePressCell) {
  drag(20, 26, 1);  // another column: nothing
  EXPECT_EQ(step(1, 4), 0);
  EXPECT_EQ(freeze(1, 4), 0);
  drag(20, 20);  // the press cell: a normal arrow
  EXPECT_EQ(step(1, 4), 1);
  EXPECT_EQ(freeze(1, 4), 0);
}

TEST_F(EditorFreezeTest, ErasingCutsTheHoldFromThereToItsEnd) {
  drag(20, 26);
  h.button("FAmode")->click();
  h.click(at(0, 8 * (23 - 12) + 2), Qt::RightButton);
  EXPECT_EQ(step(1, 4), 1);
  for (int s = 4; s <= 6; ++s) EXPECT_EQ(freeze(1, s), 1) << s;
  for (int s = 7; s <= 10; ++s) EXPECT_EQ(freeze(1, s), 0) << s;
  h.click(at(0, 8 * (20 - 12) + 2), Qt::RightButton);
  EXPECT_EQ(step(1, 4), 0);
  for (int s = 4; s <= 6; ++s) EXPECT_EQ(freeze(1, s), 0) << s;
  EXPECT_EQ(beatType(1, 1), 0);
}

TEST_F(EditorFreezeTest, HoldsNeverReachPastTheFreezeTable) {
  h.chart().SongIndex = 2;  // 300 measures
  h.window().layoutEditor();
  h.window().findChild<QScrollBar*>(QStringLiteral("VScroll1"))->setValue(4 * 200);
  // Row 803 is measure 200, beat 3: the last beat with freeze storage.
  const int from = 16 * 200 + 12;
  h.moveTo(at(0, 8 * (from - 4 * 800) + 2));
  h.press(Qt::LeftButton);
  h.moveTo(at(0, 8 * (from + 6 - 4 * 800) + 2));
  h.release(Qt::LeftButton);
  EXPECT_EQ(h.chart().StepData[200][12], 0);
  EXPECT_EQ(h.chart().FreezeData[200][12], 0);
}

TEST_F(EditorMouseTest, MarginClicksSelectInEitherOrder) {
  auto line = [&](int row) { return h.canvasPoint(-10, 32 * (row - st().topRow) + 3); };
  h.click(line(8));
  EXPECT_EQ(st().selStart, 8);
  EXPECT_EQ(st().selEnd, kUnset);
  h.click(line(4));
  EXPECT_EQ(st().selStart, 4);
  EXPECT_EQ(st().selEnd, 8);
  h.click(line(6));  // a third click starts over
  EXPECT_EQ(st().selStart, 6);
  EXPECT_EQ(st().selEnd, kUnset);
  h.click(line(6));  // the same line again changes nothing
  EXPECT_EQ(st().selEnd, kUnset);
  h.click(line(10));
  EXPECT_EQ(st().selStart, 6);
  EXPECT_EQ(st().selEnd, 10);
  h.click(line(7), Qt::RightButton);
  EXPECT_EQ(st().selStart, kUnset);
  EXPECT_EQ(st().selEnd, kUnset);
}

TEST_F(EditorMouseTest, HoverRowFollowsTheMarginOnly) {
  h.moveTo(h.canvasPoint(-10, 64 + 3));
  EXPECT_EQ(st().hoverRow, 5);
  h.moveTo(h.canvasPoint(200, 64 + 3));  // right of the canvas: kept
  EXPECT_EQ(st().hoverRow, 5);
  h.moveTo(at(0, 64 + 3));
  EXPECT_EQ(st().hoverRow, kUnset);
}

TEST_F(EditorMouseTest, WheelScrollsOneBeatANotchWithinTheEnds) {
  auto* bar = h.window().findChild<QScrollBar*>(QStringLiteral("VScroll1"));
  EXPECT_EQ(bar->minimum(), 3);
  EXPECT_EQ(bar->maximum(), 4 * 120 - 13);
  h.wheel(120);  // at the top: nothing
  EXPECT_EQ(st().topRow, 3);
  h.wheel(-120);
  EXPECT_EQ(st().topRow, 4);
  h.wheel(30);
  h.wheel(-30);
  h.wheel(-60);  // half a notch rounds to the even 0
  EXPECT_EQ(st().topRow, 4);
  h.wheel(-180);  // 1.5 rounds to 2
  EXPECT_EQ(st().topRow, 6);
  bar->setValue(bar->maximum() - 1);
  h.wheel(-240);  // would pass the end: no partial scroll
  EXPECT_EQ(st().topRow, bar->maximum() - 1);
  h.wheel(-120);
  EXPECT_EQ(st().topRow, bar->maximum());
}

TEST_F(EditorMouseTest, ScrollingCarriesTheCursorWithTheContent) {
  h.moveTo(at(0, 32 + 3));
  EXPECT_EQ(st().cursorPos, 16);
  h.wheel(-120);
  EXPECT_EQ(st().cursorPos, 20);
  EXPECT_EQ(st().cursorSlot, 4);
  EXPECT_TRUE(st().cursorValid);
}

TEST_F(EditorMouseTest, ShortSongNeverScrollsAboveRowThree) {
  h.chart().SongIndex = 3;
  h.window().layoutEditor();
  auto* bar = h.window().findChild<QScrollBar*>(QStringLiteral("VScroll1"));
  EXPECT_EQ(bar->minimum(), 3);
  EXPECT_EQ(bar->maximum(), 3);
  h.wheel(-120);
  EXPECT_EQ(st().topRow, 3);
}

}  // namespace
}  // namespace tarveno::testing
