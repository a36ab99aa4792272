#include <gtest/gtest.h>
#include <QApplication>

#include "gui/gui_test_helpers.h"

// Keyboard editing goes through the same rules as the mouse: each key sequence must leave the
// chart, the selection and the view exactly as the same gesture with the mouse does.
namespace tarveno::testing {
namespace {

using Keys = std::vector<QKeyCombination>;
using Gesture = std::function<void(MainWindowHarness&)>;

void type(MainWindowHarness& h, const Keys& keys) {
  for (const QKeyCombination key : keys) {
    QApplication::setActiveWindow(&h.window());
    QTest::keyClick(h.window().canvas(), key.key(), key.keyboardModifiers());
  }
}

constexpr QKeyCombination kDown(Qt::Key_Down), kRight(Qt::Key_Right), kOne(Qt::Key_1), kTwo(Qt::Key_2),
    kFour(Qt::Key_4), kShiftDown(Qt::SHIFT | Qt::Key_Down), kPageDown(Qt::Key_PageDown), kEnter(Qt::Key_Return);

TEST(KeyEditing, KeysMakeWhatTheSameMouseGestureMakes) {
  const Gesture none = [](MainWindowHarness&) {};
  const Gesture presetArrow = [](MainWindowHarness& h) { setSteps(h.chart(), 1, 4, 2); };
  const Gesture triplets = [](MainWindowHarness& h) { h.action("M_Divide12")->trigger(); };
  const Gesture freezeMode = [](MainWindowHarness& h) { h.action("M_FAmode")->trigger(); };
  // Row 8 in eighths, reached by scrolling from the second triplet note of a plain beat.
  const Gesture tripletsAboveEighths = [](MainWindowHarness& h) {
    h.action("M_Divide12")->trigger();
    setSteps(h.chart(), 2, 0, 2);
    setSteps(h.chart(), 2, 2, 8);
  };
  auto down = [](int n) { return Keys(static_cast<size_t>(n), kDown); };
  auto join = [](Keys a, const Keys& b) { return a.insert(a.end(), b.begin(), b.end()), a; };
  // The first key only shows the cursor on row 4, the first row wholly in view, in column 0.
  const std::tuple<const char*, Gesture, Keys, Gesture> cases[] = {
      {"place", none, join(down(2), {kTwo}), [](auto& h) { h.click(h.cellPoint(1, 5)); }},
      {"erase", presetArrow, join(down(2), {kTwo}), [](auto& h) { h.click(h.cellPoint(1, 5), Qt::RightButton); }},
      {"triplet note", triplets, join(down(2), {kFour}),
       [](auto& h) { h.click(h.canvasPoint(32 * 3 + 16, h.rowY(4) + 16)); }},
      {"freeze", freezeMode, join(join(down(2), {kOne}), join(down(3), {kOne})),
       [](auto& h) {
         h.moveTo(h.cellPoint(0, 5));
         h.press(Qt::LeftButton);
         h.moveTo(h.cellPoint(0, 8));
         h.release(Qt::LeftButton);
       }},
      {"freeze ended by Enter",
       freezeMode,
       {kDown, kRight, kTwo, kDown, kEnter},
       [](auto& h) {
         h.moveTo(h.cellPoint(1, 4));
         h.press(Qt::LeftButton);
         h.moveTo(h.cellPoint(1, 5));
         h.release(Qt::LeftButton);
       }},
      {"select", none, join(down(2), {kShiftDown, kShiftDown}),
       [](auto& h) {
         h.click(h.marginPoint(5));
         h.click(h.marginPoint(7));
       }},
      {"view follows the cursor", none, join(down(15), {kOne}),
       [](auto& h) {
         h.wheel(-120);
         h.click(h.cellPoint(0, 18));
       }},
      {"scrolled onto eighths",
       tripletsAboveEighths,
       {kOne, kDown, kPageDown, kOne},
       [](auto& h) {
         for (int notch = 0; notch < 4; ++notch) h.wheel(-120);
         h.click(h.canvasPoint(16, h.rowY(8) + 11));  // where the second triplet note was drawn
       }},
      {"page down",
       none,
       {kPageDown, kPageDown},
       [](auto& h) {
         for (int notch = 0; notch < 8; ++notch) h.wheel(-120);
       }},
  };
  for (const auto& [name, setup, keys, gesture] : cases) {
    MainWindowHarness byKeys, byMouse;
    for (MainWindowHarness* h : {&byKeys, &byMouse}) h->start(), setup(*h);
    type(byKeys, keys);
    gesture(byMouse);
    EXPECT_EQ(byKeys.chart().StepData, byMouse.chart().StepData) << name;
    EXPECT_EQ(byKeys.chart().FreezeData, byMouse.chart().FreezeData) << name;
    auto view = [](MainWindowHarness& h) {
      return std::tuple(h.state().selStart, h.state().selEnd, h.state().topRow, h.history.undoCount());
    };
    EXPECT_EQ(view(byKeys), view(byMouse)) << name;
  }
}

TEST(KeyEditing, EscCancelsAFreezeThenClearsTheSelectionAndCtrlEndGoesToTheLastRow) {
  MainWindowHarness h;
  h.start();
  h.action("M_FAmode")->trigger();
  type(h, {kDown, kDown, kOne, kDown, QKeyCombination(Qt::Key_Escape), kOne});
  EXPECT_EQ(h.chart().FreezeData[1], MeasureBytes{}) << "cancelled; the next press starts anew";
  EXPECT_EQ(h.state().freeze.column(), 0);
  type(h, {QKeyCombination(Qt::Key_Escape), kShiftDown, QKeyCombination(Qt::Key_Escape)});
  EXPECT_EQ(std::pair(h.state().selStart, h.action("M_Cut")->isEnabled()), std::pair(kUnset, false));
  type(h, {QKeyCombination(Qt::CTRL | Qt::Key_End)});
  const int last = h.window().findChild<QScrollBar*>(QStringLiteral("VScroll1"))->maximum();
  EXPECT_EQ(std::pair(h.state().topRow, h.state().cursor.row()), std::pair(last, last + 4)) << "row 7 moves along";
}

TEST(KeyEditing, TheFirstKeyShowsTheCursorClearOfTheToolbar) {
  MainWindowHarness h;
  h.start();
  type(h, {kDown});
  const int toolbarBottom = h.window().findChild<QWidget*>(QStringLiteral("Toolbar1"))->geometry().bottom() + 1;
  const int rowTop = h.canvasPoint(0, h.rowY(h.state().cursor.row())).y();
  EXPECT_GE(rowTop, toolbarBottom) << "the cursor's row starts under the toolbar";
  EXPECT_LT(rowTop - 32, toolbarBottom) << "a row above it was wholly in view";
}

// Held down, a key that toggles acts once; a key that moves goes on moving.
TEST(KeyEditing, AHeldToggleKeyActsOnceAndAHeldArrowKeyRepeats) {
  MainWindowHarness h;
  h.start();
  type(h, {kDown});
  const int row = h.state().cursor.row();
  auto hold = [&h](Qt::Key key, const QString& text, int repeats) {
    QApplication::setActiveWindow(&h.window());
    QWidget* canvas = h.window().canvas();
    for (int i = 0; i <= repeats; ++i) QTest::simulateEvent(canvas, true, key, Qt::NoModifier, text, i > 0);
    QTest::simulateEvent(canvas, false, key, Qt::NoModifier, text, false);
  };
  hold(Qt::Key_1, QStringLiteral("1"), 5);
  hold(Qt::Key_Return, QStringLiteral("\r"), 5);
  hold(Qt::Key_1, QStringLiteral("1"), 5);
  hold(Qt::Key_Down, QString(), 3);
  EXPECT_EQ(h.history.undoCount(), 3u) << "one step a press";
  EXPECT_EQ(h.chart().StepData[static_cast<size_t>(row / 4)][static_cast<size_t>(4 * (row % 4))], 1);
  EXPECT_EQ(h.state().cursor.row(), row + 4);
}

// A double chart goes back to single play while the cursor stands in the second pad.
TEST(KeyEditing, TheCursorFollowsTheStyleIntoItsLanes) {
  MainWindowHarness h;
  h.start();
  const Snapshot single{h.chart(), h.document.meterSegs};
  h.chart().PlayStyle = PlayStyle::Double;
  h.history.commit(single, Snapshot{h.chart(), h.document.meterSegs});
  h.window().layoutEditor();
  type(h, Keys(7, kRight));
  ASSERT_EQ(h.state().cursor.column, 6);
  type(h, {QKeyCombination(Qt::CTRL | Qt::Key_Z), kEnter});
  ASSERT_EQ(h.chart().PlayStyle, PlayStyle::Single);
  const int row = h.state().cursor.row();
  EXPECT_EQ(h.chart().StepData[static_cast<size_t>(row / 4)][static_cast<size_t>(4 * (row % 4))], 8)
      << "Enter puts the arrow in the last lane of single play";
}

}  // namespace
}  // namespace tarveno::testing
