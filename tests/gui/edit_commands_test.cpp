#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "core/chart/open.h"
#include "gui/app/main_window.h"
#include "gui/gui_test_helpers.h"
#include "support/test_paths.h"

namespace tarveno::testing {
namespace {

// The modal dialog that a command opens, handed to `answer` once it is up.
void withDialog(const std::function<void()>& command, const std::function<void(QWidget&)>& answer) {
  bool seen = false;
  QTimer::singleShot(0, [&] {
    if (QWidget* dialog = QApplication::activeModalWidget()) {
      seen = true;
      answer(*dialog);
    }
  });
  command();
  EXPECT_TRUE(seen);
}

void fill(QWidget& dialog, const char* name, const char* text) {
  dialog.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromUtf8(text));
}
void press(QWidget& dialog, const char* name) {
  dialog.findChild<QPushButton*>(QString::fromLatin1(name))->click();
}

class EditCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override { h.start(); }
  EditorState& st() { return h.window().editorState(); }
  void trigger(const char* name) { h.action(QString::fromLatin1(name))->trigger(); }
  // Two clicks on beat lines in the margin (one for a start line only).
  void select(int from, int to = kUnset) {
    auto line = [&](int row) { return h.canvasPoint(-10, 32 * (row - st().topRow) + 2); };
    h.click(line(0 + st().topRow), Qt::RightButton);
    h.click(line(from));
    if (to != kUnset) h.click(line(to));
  }
  void key(int keyCode, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
    QApplication::setActiveWindow(&h.window());
    QTest::keyClick(h.window().canvas(), static_cast<Qt::Key>(keyCode), modifiers);
  }
  void clickCell(int column, int row, Qt::MouseButton button = Qt::LeftButton) {
    h.click(h.canvasPoint(32 * column + 16, 32 * (row - st().topRow) + 3), button);
  }

  MainWindowHarness h;
};

TEST_F(EditCommandsTest, CopyThenANewStartLineEnablesPasteWhichWritesTheBeats) {
  Chart& c = h.chart();
  c.StepData[1][0] = 1;
  c.StepData[1][6] = 2;
  select(4, 6);  // beats 0 and 1 of measure 1
  const QImage before = h.frame();
  trigger("M_Copy");
  EXPECT_FALSE(h.document.Modified);
  EXPECT_EQ(h.frame(), before) << "copy does not redraw";
  EXPECT_FALSE(h.action("M_Paste")->isEnabled()) << "until the next selection click";
  select(10);
  ASSERT_TRUE(h.button("Paste")->isEnabled());
  h.button("Paste")->click();
  EXPECT_EQ(c.StepData[2][8], 1);
  EXPECT_EQ(c.StepData[2][14], 2);
  EXPECT_EQ(c.BeatType[2][3], 1);
  EXPECT_TRUE(h.document.Modified);
  EXPECT_EQ(st().selStart, 10) << "the selection stays";

  select(8, 12);
  trigger("M_Cut");
  EXPECT_EQ(c.StepData[2], MeasureBytes{});
  EXPECT_EQ(h.clipboard.ClipBeats, 4);
}

TEST_F(EditCommandsTest, MeasureDialogsRefuseSilentlyAndCancelChangesNothing) {
  Chart& c = h.chart();
  c.StepData[5][0] = 4;
  for (auto [first, count] : {std::pair{"0", "2"}, {"3", "0"}, {"300", "200"}, {"40000", "1"}}) {
    withDialog([&] { trigger("M_Ins"); },
               [&](QWidget& d) {
                 EXPECT_EQ(d.objectName(), "frmInsert");
                 EXPECT_EQ(d.findChild<QLineEdit*>("txtStart")->text(), "") << "empty at every opening";
                 fill(d, "txtStart", first);
                 fill(d, "txtLength", count);
                 press(d, "cmdOK");
                 EXPECT_TRUE(d.isVisible()) << first << " " << count;
                 press(d, "cmdCancel");
               });
  }
  EXPECT_FALSE(h.document.Modified);
  EXPECT_EQ(c.StepData[5][0], 4);

  withDialog([&] { trigger("M_Ins"); },
             [&](QWidget& d) {
               fill(d, "txtStart", " 2.5x");  // halves to even: measure 2
               fill(d, "txtLength", "3");
               press(d, "cmdOK");
             });
  EXPECT_EQ(c.StepData[8][0], 4);
  EXPECT_TRUE(h.document.Modified);

  withDialog([&] { trigger("M_Del"); },
             [&](QWidget& d) {
               EXPECT_EQ(d.objectName(), "frmDelete");
               fill(d, "txtStart", "5");
               fill(d, "txtEnd", "4");  // the last before the first: refused
               press(d, "cmdOK");
               EXPECT_TRUE(d.isVisible());
               fill(d, "txtEnd", "8");
               d.findChild<QCheckBox*>("chkPush")->setChecked(true);
               press(d, "cmdOK");
             });
  EXPECT_EQ(c.StepData[4][0], 4) << "measure 9 moved to measure 5";
}

TEST_F(EditCommandsTest, TransformsMarkTheChartButRedrawOnlyAtTheNextMove) {
  h.chart().StepData[1][0] = 1;  // left
  select(4, 5);
  const QImage before = h.frame();
  trigger("M_Mirror");
  EXPECT_EQ(h.chart().StepData[1][0], 8);
  EXPECT_TRUE(h.document.Modified);
  EXPECT_EQ(h.frame(), before);
  h.moveTo(h.canvasPoint(40, 200));
  EXPECT_NE(h.frame(), before);
}

TEST_F(EditCommandsTest, EveryActionIsOneUndoStepRestoredByteForByte) {
  auto state = [&] { return Snapshot{h.chart(), h.document.meterSegs}; };
  std::vector<Snapshot> states{state()};
  auto step = [&](const std::function<void()>& edit) {
    edit();
    states.push_back(state());
  };
  step([&] { clickCell(0, 4); });
  step([&] {  // a painting drag is one step however many cells it touched
    h.moveTo(h.canvasPoint(16 + 32, 32 + 3));
    h.press(Qt::LeftButton);
    for (int y : {40, 48, 56, 64, 72}) h.moveTo(h.canvasPoint(16 + 32, y));
    h.release(Qt::LeftButton);
  });
  clickCell(0, 3);  // measure 0 takes no arrows: no step
  select(4, 6);
  trigger("M_Copy");  // not a step
  step([&] {
    select(12);
    trigger("M_Paste");
  });
  withDialog([&] { trigger("M_Ins"); }, [&](QWidget& d) { press(d, "cmdCancel"); });  // no change, no step
  step([&] {
    select(4, 8);
    trigger("M_TurnLeft");
  });
  step([&] {
    withDialog([&] { trigger("M_Setting"); },
               [&](QWidget& d) {
                 fill(d, "txtName", "UNDO");
                 press(d, "cmdOK");
               });
  });
  ASSERT_EQ(h.history.undoCount(), states.size() - 1);

  for (size_t i = states.size() - 1; i-- > 0;) {
    key(Qt::Key_Z);
    EXPECT_TRUE(state() == states[i]) << i;
    EXPECT_TRUE(h.document.Modified);
  }
  for (size_t i = 1; i < states.size(); ++i) {
    key(i % 2 ? Qt::Key_Y : Qt::Key_Z, i % 2 ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(state() == states[i]) << i;
  }
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

  withDialog([&] { trigger("M_Ins"); },
             [&](QWidget& d) {
               key(Qt::Key_Z);  // the main window's keys sleep while the dialog is up
               EXPECT_EQ(h.chart().StepData[2][0], 1);
               press(d, "cmdCancel");
             });
  key(Qt::Key_Z);
  EXPECT_EQ(h.chart().StepData[2][0], 0);
}

TEST_F(EditCommandsTest, OpeningAFileClearsTheHistoryAndTheClipboardStays) {
  TempDir dir;
  Chart onDisk;
  onDisk.KrunTitle = "Other";
  ASSERT_TRUE(saveChartFile(dir / "other.kru", ChartFileKind::Krun, onDisk, h.catalogue));
  clickCell(0, 4);
  select(4, 5);
  trigger("M_Copy");
  ASSERT_TRUE(h.history.canUndo());
  h.prompts.answerMessage(Prompts::Answer::No);
  h.prompts.answerOpen(Prompts::FileChoice{QString::fromStdString((dir / "other.kru").string()), 2});
  trigger("M_Open");
  EXPECT_EQ(h.chart().KrunTitle, "Other");
  EXPECT_FALSE(h.history.canUndo());
  EXPECT_EQ(h.clipboard.ClipBeats, 1);
}

}  // namespace
}  // namespace tarveno::testing
