#include <gtest/gtest.h>
#include <QAction>
#include <QScrollBar>
#include <QToolButton>
#include <vector>

#include "gui/app/main_window.h"
#include "gui/gui_test_helpers.h"

namespace tarveno::testing {
namespace {

using V = std::vector<int>;

// Canvas y of sixteenth position pos, 2 pixels inside its slot (measure 1 starts at view y 32).
int posY(int pos) {
  return 8 * (pos - 12) + 2;
}

class EditorMouseTest : public ::testing::Test {
 protected:
  void SetUp() override { h.start(); }

  uint8_t step(int measure, int slot) { return h.chart().StepData[measure][slot]; }
  // Steps or freeze bits of a measure from slot `from` to slot `to`.
  V steps(int measure, int from, int to) { return between(h.chart().StepData[measure], from, to); }
  V freezes(int measure, int from, int to) { return between(h.chart().FreezeData[measure], from, to); }
  static V between(const MeasureBytes& bytes, int from, int to) {
    return V(bytes.begin() + from, bytes.begin() + to + 1);
  }
  uint8_t beatType(int measure, int beat) { return h.chart().BeatType[measure][beat]; }
  EditorState& st() { return h.window().editorState(); }
  QScrollBar* scrollBar() { return h.window().findChild<QScrollBar*>(QStringLiteral("VScroll1")); }
  // Client point of canvas pixel row y (0 = top of the first visible row), column k.
  QPoint at(int column, int y) { return h.canvasPoint(32 * column + 16, y); }
  void menu(const char* name) { h.action(QString::fromLatin1(name))->trigger(); }
  // Presses a button at the first point, moves through the others and releases at the last.
  void drag(Qt::MouseButton button, std::initializer_list<QPoint> path) {
    h.moveTo(*path.begin());
    h.press(button);
    for (auto it = path.begin() + 1; it != path.end(); ++it) h.moveTo(*it);
    h.release(button);
  }

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

TEST_F(EditorMouseTest, ClicksPlaceAndEraseOnTheGridButNotInMeasureZero) {
  h.click(at(0, 3));  // row 3: the last beat of measure 0
  EXPECT_EQ(step(0, 12), 0);
  EXPECT_FALSE(h.document.Modified);

  h.click(at(1, 32 + 3));
  EXPECT_EQ(step(1, 0), 2);
  EXPECT_TRUE(h.document.Modified);
  EXPECT_EQ(st().cursorLook, kLookSolid);
  h.click(at(1, 32 + 3), Qt::RightButton);
  EXPECT_EQ(step(1, 0), 0);
  EXPECT_EQ(st().cursorLook, kLookHidden);

  menu("M_Divide8");
  h.click(at(0, 32 + 27));  // lower half of the beat: the second eighth, slot 2
  EXPECT_EQ(steps(1, 2, 3), (V{1, 0}));
  EXPECT_EQ(beatType(1, 0), 1);
}

TEST_F(EditorMouseTest, DragsPaintAndEraseEveryNewCellButNotWithBothButtons) {
  h.button(QStringLiteral("Divide16"))->click();
  drag(Qt::LeftButton, {at(0, 32 + 2), at(0, 32 + 10), at(0, 32 + 18), at(1, 32 + 18)});
  EXPECT_EQ(steps(1, 0, 2), (V{1, 1, 3}));
  drag(Qt::RightButton, {at(0, 32 + 2), at(0, 32 + 10)});
  EXPECT_EQ(steps(1, 0, 2), (V{0, 0, 3}));

  h.chart().eraseSteps();
  h.moveTo(at(0, 32 + 2));
  h.press(Qt::LeftButton);
  h.press(Qt::RightButton);
  h.moveTo(at(0, 32 + 10));
  h.moveTo(at(0, 32 + 18));
  EXPECT_EQ(steps(1, 0, 2), (V{1, 0, 0}));  // from the first press only
  EXPECT_EQ(st().cursorPos, 18);            // the moves still happened
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
  EXPECT_EQ(steps(2, 0, 2), (V{kTripletMark, 1, 8}));
  EXPECT_EQ(beatType(2, 0), 2);
  h.click(at(3, 160 + 14), Qt::RightButton);  // and back, with the arrow on the beat
  EXPECT_EQ(steps(2, 0, 2), (V{1, 0, 0}));
  EXPECT_EQ(beatType(2, 0), 0);
  h.click(at(0, 160 + 2), Qt::RightButton);  // the first note erases on the beat
  EXPECT_EQ(step(2, 0), 0);

  makeTriplet(h.chart(), 2, 0, 1, 0, 2);  // erasing the first note keeps a triplet of two
  h.click(at(0, 160 + 2), Qt::RightButton);
  EXPECT_EQ(steps(2, 0, 3), (V{kTripletMark, 0, 0, 2}));
  EXPECT_EQ(beatType(2, 0), 2);
}

TEST_F(EditorMouseTest, DivisionFollowsTheBeatUnderTheMouseExceptOnTheQuarterGrid) {
  makeTriplet(h.chart(), 2, 0, 1, 2, 0);
  setSteps(h.chart(), 3, 1, 1);  // row 12 (view row 9): a sixteenth-level beat
  h.window().redrawCanvas();
  h.moveTo(at(1, 160 + 20));
  EXPECT_EQ(st().currentDivide, 4);
  EXPECT_EQ(st().cursorPos, 33);  // the first triplet note
  h.click(at(1, 160 + 20));
  EXPECT_EQ(step(2, 1), 3);

  menu("M_Divide16");
  menu("M_FAmode");
  h.moveTo(at(0, 160 + 20));  // over the triplet beat
  EXPECT_EQ(st().currentDivide, 12);
  EXPECT_EQ(st().freezeMode, 0);
  EXPECT_EQ(st().userDivide, 16);
  EXPECT_EQ(st().userFreezeMode, 1);
  EXPECT_TRUE(h.button("Divide12")->isChecked());
  EXPECT_FALSE(h.button("FAmode")->isChecked());
  EXPECT_EQ(st().cursorPos, 34);  // the second of the three bands: the second note
  h.moveTo(at(0, 192 + 5));       // a plain beat: the user's choice comes back
  EXPECT_EQ(st().currentDivide, 16);
  EXPECT_EQ(st().freezeMode, 1);
  EXPECT_TRUE(h.button("Divide16")->isChecked());
  EXPECT_TRUE(h.button("FAmode")->isChecked());

  menu("M_Divide12");
  EXPECT_EQ(st().freezeMode, 0);
  h.moveTo(at(0, 288 + 5));  // the sixteenth-level beat cannot be edited on the triplet grid
  EXPECT_EQ(st().currentDivide, 16);
  EXPECT_EQ(st().userDivide, 12);
  h.moveTo(at(0, 256 + 5));
  EXPECT_EQ(st().currentDivide, 12);
}

TEST_F(EditorMouseTest, FreezeDragsNeedFreeSlotsTheSameColumnAndTheFreezeTable) {
  h.button("Divide16")->click();
  h.button("FAmode")->click();
  // The freeze head at measure 1, slot 4: its arrow and its hold bit.
  auto head = [&] { return std::pair<int, int>(step(1, 4), h.chart().FreezeData[1][4]); };
  setSteps(h.chart(), 1, 8, 1);  // an arrow on the column inside the range
  drag(Qt::LeftButton, {at(0, posY(20)), at(0, posY(26))});
  EXPECT_EQ(head(), std::pair(0, 0));
  setSteps(h.chart(), 1, 8, 0);
  setSteps(h.chart(), 1, 9, 2 | 4);  // two arrows on the player's side
  drag(Qt::LeftButton, {at(0, posY(20)), at(0, posY(26))});
  EXPECT_EQ(head(), std::pair(0, 0));
  EXPECT_FALSE(h.document.Modified);
  setSteps(h.chart(), 1, 9, 0);
  drag(Qt::LeftButton, {at(0, posY(20)), at(1, posY(26))});  // released in another column: nothing
  EXPECT_EQ(head(), std::pair(0, 0));
  drag(Qt::LeftButton, {at(0, posY(20)), at(0, posY(20))});  // released on the press cell: a normal arrow
  EXPECT_EQ(head(), std::pair(1, 0));

  for (bool upward : {false, true}) {  // either way, the same freeze
    h.chart().eraseSteps();
    h.chart().eraseFreeze();
    drag(Qt::LeftButton, {at(0, posY(upward ? 26 : 20)), at(0, posY(upward ? 20 : 26))});
    EXPECT_EQ(steps(1, 4, 10), (V{1, 0, 0, 0, 0, 0, 0})) << upward;
    EXPECT_EQ(freezes(1, 3, 11), (V{0, 1, 1, 1, 1, 1, 1, 1, 0}));
    EXPECT_EQ(beatType(1, 1), 1);
    EXPECT_EQ(beatType(1, 2), 1);
    EXPECT_EQ(st().anchorCol, kNoAnchor);
    EXPECT_TRUE(h.document.Modified);
  }

  h.button("FAmode")->click();  // erasing cuts the hold from there to its end
  h.click(at(0, posY(23)), Qt::RightButton);
  EXPECT_EQ(step(1, 4), 1);
  EXPECT_EQ(freezes(1, 4, 10), (V{1, 1, 1, 0, 0, 0, 0}));
  h.click(at(0, posY(20)), Qt::RightButton);
  EXPECT_EQ(step(1, 4), 0);
  EXPECT_EQ(freezes(1, 4, 6), (V{0, 0, 0}));
  EXPECT_EQ(beatType(1, 1), 0);

  h.button("FAmode")->click();  // holds never reach past the freeze table
  h.chart().SongIndex = 2;      // 300 measures
  h.window().layoutEditor();
  scrollBar()->setValue(4 * 200);
  // Row 803 is measure 200, beat 3: the last beat with freeze storage.
  const int from = 16 * 200 + 12;
  drag(Qt::LeftButton, {at(0, 8 * (from - 4 * 800) + 2), at(0, 8 * (from + 6 - 4 * 800) + 2)});
  EXPECT_EQ(h.chart().StepData[200][12], 0);
  EXPECT_EQ(h.chart().FreezeData[200][12], 0);
}

TEST_F(EditorMouseTest, MarginHoverAndClicksSelectInEitherOrder) {
  h.moveTo(h.canvasPoint(-10, 64 + 3));
  EXPECT_EQ(st().hoverRow, 5);
  h.moveTo(h.canvasPoint(200, 64 + 3));  // right of the canvas: kept
  EXPECT_EQ(st().hoverRow, 5);
  h.moveTo(at(0, 64 + 3));
  EXPECT_EQ(st().hoverRow, kUnset);

  auto line = [&](int row) { return h.canvasPoint(-10, 32 * (row - st().topRow) + 3); };
  auto selection = [&] { return std::pair(st().selStart, st().selEnd); };
  h.click(line(8));
  EXPECT_EQ(selection(), std::pair(8, kUnset));
  h.click(line(4));
  EXPECT_EQ(selection(), std::pair(4, 8));
  h.click(line(6));  // a third click starts over
  EXPECT_EQ(selection(), std::pair(6, kUnset));
  h.click(line(6));  // the same line again changes nothing
  EXPECT_EQ(selection(), std::pair(6, kUnset));
  h.click(line(10));
  EXPECT_EQ(selection(), std::pair(6, 10));
  h.click(line(7), Qt::RightButton);
  EXPECT_EQ(selection(), std::pair(kUnset, kUnset));
}

TEST_F(EditorMouseTest, WheelScrollsOneBeatANotchWithinTheEndsCarryingTheCursor) {
  QScrollBar* bar = scrollBar();
  h.moveTo(at(0, 32 + 3));
  EXPECT_EQ(st().cursorPos, 16);
  h.wheel(-120);
  EXPECT_EQ(st().topRow, 4);
  EXPECT_EQ(st().cursorPos, 20);  // the cursor moves with the content
  EXPECT_EQ(st().cursorSlot, 4);
  EXPECT_TRUE(st().cursorValid);
  // Notches are rounded half to even one by one: 0.25 and 0.5 to 0, 1.5 to 2; none scrolls above the top.
  for (auto [rotation, top] : {std::pair{120, 3}, {120, 3}, {-120, 4}, {30, 4}, {-30, 4}, {-60, 4}, {-180, 6}}) {
    h.wheel(rotation);
    EXPECT_EQ(st().topRow, top) << rotation;
  }
  // A touchpad sends small parts of a notch: they add up to one beat per whole notch.
  h.wheel(-120);  // a whole notch starts the count afresh
  for (int i = 1; i <= 10; ++i) {
    h.wheel(-24);
    EXPECT_EQ(st().topRow, 7 + i / 5) << i;
  }
  bar->setValue(bar->maximum() - 1);
  h.wheel(-240);  // would pass the end: no partial scroll
  EXPECT_EQ(st().topRow, bar->maximum() - 1);
  h.wheel(-120);
  EXPECT_EQ(st().topRow, bar->maximum());

  h.chart().SongIndex = 3;  // a short song never scrolls above row three
  h.window().layoutEditor();
  EXPECT_EQ(bar->minimum(), 3);
  EXPECT_EQ(bar->maximum(), 3);
  h.wheel(-120);
  EXPECT_EQ(st().topRow, 3);
}

}  // namespace
}  // namespace tarveno::testing
