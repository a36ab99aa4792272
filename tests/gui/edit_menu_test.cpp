#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>

#include "gui/gui_test_helpers.h"
#include "support/test_paths.h"

// The edit commands as the user reaches them; what they do to the chart is the core's.
namespace tarveno::testing {
namespace {

class EditCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override { h.start(); }
  void trigger(const char* name) { h.action(QString::fromLatin1(name))->trigger(); }
  // Clears the selection, then clicks a start line and, when given, an end line.
  void select(int from, int to = kUnset) {
    h.click(h.marginPoint(h.state().topRow), Qt::RightButton);
    h.click(h.marginPoint(from));
    if (to != kUnset) h.click(h.marginPoint(to));
  }
  void key(int keyCode, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
    QApplication::setActiveWindow(&h.window());
    QTest::keyClick(h.window().canvas(), static_cast<Qt::Key>(keyCode), modifiers);
  }

  MainWindowHarness h;
};

TEST_F(EditCommandsTest, CopyPasteCutAndTransformsAsTheUserReachesThem) {
  Chart& c = h.chart();
  std::tie(c.StepData[1][0], c.StepData[1][6]) = std::tuple(1, 2);
  select(4, 6);  // beats 0 and 1 of measure 1
  const QImage before = h.frame();
  trigger("M_Copy");
  EXPECT_FALSE(h.document.Modified);
  EXPECT_EQ(h.frame(), before) << "copy does not redraw";
  EXPECT_FALSE(h.action("M_Paste")->isEnabled()) << "until the next selection click";
  select(10);
  ASSERT_TRUE(h.button("Paste")->isEnabled());
  h.button("Paste")->click();
  EXPECT_EQ(std::tuple(c.StepData[2][8], c.StepData[2][14], h.document.Modified, h.state().selStart),
            std::tuple(1, 2, true, 10));  // the selection stays

  select(8, 12);
  trigger("M_Cut");
  EXPECT_EQ(std::pair(c.StepData[2], h.clipboard.ClipBeats), std::pair(MeasureBytes{}, 4));

  // A transform shows at once.
  select(4, 5);
  const QImage unturned = h.frame();
  trigger("M_Mirror");
  EXPECT_EQ(c.StepData[1][0], 8);
  EXPECT_NE(h.frame(), unturned);
}

TEST_F(EditCommandsTest, MeasureDialogsOpenEmptyRefuseSilentlyAndTakeTheLeadingNumbers) {
  Chart& c = h.chart();
  c.StepData[5][0] = 4;
  for (auto [first, count] : {std::pair{"0", "2"}, {"300", "200"}}) {
    withModal([&] { trigger("M_Ins"); },
              [&](QDialog& d) {
                EXPECT_EQ(std::pair(d.objectName(), child<QLineEdit>(d, "txtStart")->text()),
                          std::pair(QStringLiteral("frmInsert"), QString()));  // empty at every opening
                type(d, "txtStart", first);
                type(d, "txtLength", count);
                click(d, "cmdOK");
                EXPECT_TRUE(d.isVisible()) << first << " " << count;
                click(d, "cmdCancel");
              });
  }
  EXPECT_FALSE(h.document.Modified);

  withModal([&] { trigger("M_Ins"); },
            [&](QDialog& d) {
              type(d, "txtStart", " 2.5x");  // halves to even: measure 2
              type(d, "txtLength", "3");
              click(d, "cmdOK");
            });
  EXPECT_EQ(std::pair(c.StepData[8][0], h.document.Modified), std::pair(uint8_t{4}, true));

  withModal([&] { trigger("M_Del"); },
            [&](QDialog& d) {
              EXPECT_EQ(std::pair(d.objectName(), child<QCheckBox>(d, "chkPush")->text()),
                        std::pair(QStringLiteral("frmDelete"), QStringLiteral("小節を詰める")));
              type(d, "txtStart", "5");
              type(d, "txtEnd", "4");  // the last before the first: refused
              click(d, "cmdOK");
              EXPECT_TRUE(d.isVisible());
              type(d, "txtEnd", "8");
              click(d, "chkPush");
              click(d, "cmdOK");
            });
  EXPECT_EQ(c.StepData[4][0], 4) << "measure 9 moved to measure 5";
}

TEST_F(EditCommandsTest, EveryActionIsOneUndoStepRestoredByteForByteAndOpeningClearsThem) {
  auto state = [&] { return Snapshot{h.chart(), h.document.meterSegs}; };
  std::vector<Snapshot> states{state()};
  auto step = [&](const std::function<void()>& edit) {
    edit();
    states.push_back(state());
  };
  step([&] { h.click(h.cellPoint(0, 4)); });
  step([&] {  // a painting drag is one step however many cells it touched
    h.moveTo(h.canvasPoint(16 + 32, 32 + 3));
    h.press(Qt::LeftButton);
    for (int y : {40, 48, 56, 64, 72}) h.moveTo(h.canvasPoint(16 + 32, y));
    h.release(Qt::LeftButton);
  });
  h.click(h.cellPoint(0, 3));  // measure 0 takes no arrows: no step
  select(4, 6);
  trigger("M_Copy");  // not a step
  step([&] {
    select(12);
    trigger("M_Paste");
  });
  withModal([&] { trigger("M_Ins"); }, [&](QDialog& d) { click(d, "cmdCancel"); });  // no change, no step
  step([&] {
    select(4, 8);
    trigger("M_TurnLeft");
  });
  step([&] {
    withModal([&] { trigger("M_Setting"); },
              [&](QDialog& d) {
                type(d, "txtName", "UNDO");
                click(d, "cmdOK");
              });
  });
  ASSERT_EQ(h.history.undoCount(), states.size() - 1);

  // Back at the chart as it started it is no longer modified, and the menu says what is left.
  for (size_t i = states.size() - 1; i-- > 0;) {
    key(Qt::Key_Z);
    EXPECT_EQ(state(), states[i]) << i;
    EXPECT_EQ(std::tuple(h.document.Modified, h.action("M_Undo")->isEnabled(), h.action("M_Redo")->isEnabled()),
              std::tuple(i != 0, i != 0, true))
        << i;
  }
  for (size_t i = 1; i < states.size(); ++i) {
    key(i % 2 ? Qt::Key_Y : Qt::Key_Z, i % 2 ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(state(), states[i]) << i;
  }
  // While a button is held the gesture is not a step yet: undo waits for its end.
  h.moveTo(h.cellPoint(3, 10));
  h.press(Qt::LeftButton);
  key(Qt::Key_Z);
  EXPECT_EQ(h.chart().StepData[2][8], 8) << "the arrow the pressed button placed stays";
  h.release(Qt::LeftButton);
  trigger("M_Undo");
  EXPECT_EQ(state(), states.back());

  // Opening a file leaves no way back into the chart it replaced; the clipboard stays.
  h.prompts.answerMessage(Prompts::Answer::No);
  h.prompts.answerOpen(
      Prompts::FileChoice{QString::fromStdString((dataDir() / "examples" / "single.kru").string()), 2});
  trigger("M_Open");
  EXPECT_EQ(std::tuple(h.history.canUndo(), h.history.canRedo(), h.clipboard.ClipBeats), std::tuple(false, false, 2));
}

TEST_F(EditCommandsTest, ShortcutsFollowTheCommandsAndNothingRunsUnderAModalDialog) {
  h.chart().StepData[1][0] = 1;
  key(Qt::Key_C);  // disabled copy: nothing
  EXPECT_EQ(h.clipboard.ClipBeats, 0);
  select(4, 5);
  key(Qt::Key_X);
  EXPECT_EQ(h.chart().StepData[1][0], 0);
  select(8);
  key(Qt::Key_V);
  EXPECT_EQ(h.chart().StepData[2][0], 1);

  withModal([&] { trigger("M_Ins"); },
            [&](QDialog& d) {
              key(Qt::Key_Z);  // the main window's keys sleep while the dialog is up
              EXPECT_EQ(h.chart().StepData[2][0], 1);
              click(d, "cmdCancel");
            });
  key(Qt::Key_Z);
  EXPECT_EQ(h.chart().StepData[2][0], 0);
}

}  // namespace
}  // namespace tarveno::testing
