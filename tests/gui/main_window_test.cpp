#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDragEnterEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

#include "gui/app/edit_info_window.h"
#include "gui/app/main_window.h"
#include "gui/gui_test_helpers.h"

namespace tarveno::testing {
namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { h.start(); }
  EditorState& st() { return h.window().editorState(); }
  bool enabled(const char* name) { return h.action(QString::fromLatin1(name))->isEnabled(); }
  bool checked(const char* name) { return h.action(QString::fromLatin1(name))->isChecked(); }

  MainWindowHarness h;
};

TEST_F(MainWindowTest, MenuTreeHasItsCaptionsAndStartStates) {
  struct Item {
    const char* name;
    const char* caption;
    bool enabled;
    bool checked;
  };
  const std::vector<std::pair<const char*, std::vector<Item>>> expected = {
      {"ファイル(&F)",
       {{"M_New", "新規作成(&N)", true, false},
        {"M_Open", "開く(&O)", true, false},
        {"M_Save", "保存(&S)", true, false},
        {"M_Line1", "-", true, false},
        {"M_End", "TARVENOの終了(&X)", true, false}}},
      {"編集(&E)",
       {{"M_Cut", "切り取り(&T)", false, false},
        {"M_Copy", "コピー(&C)", false, false},
        {"M_Paste", "貼り付け(&P)", false, false},
        {"M_Line4", "-", true, false},
        {"M_Ins", "小節挿入(&I)", true, false},
        {"M_Del", "小節削除(&D)", true, false},
        {"M_Line2", "-", true, false},
        {"M_MirrorV", "上下反転(&V)", false, false},
        {"M_MirrorH", "左右反転(&H)", false, false},
        {"M_TurnLeft", "左90゜回転(&L)", false, false},
        {"M_TurnRight", "右90゜回転(&R)", false, false},
        {"M_Mirror", "180゜回転(&M)", false, false},
        {"M_Line5", "-", true, false},
        {"M_Divide4", "４分入力(&4)", true, true},
        {"M_Divide8", "８分入力(&8)", true, false},
        {"M_Divide16", "１６分入力(&1)", true, false},
        {"M_Divide12", "３連符入力(&3)", true, false},
        {"M_FAmode", "フリーズアロー(&F)", true, false},
        {"M_Line3", "-", true, false},
        {"M_Setting", "EDIT設定(&S)", true, false}}},
      {"表示(&V)",
       {{"M_AllView", "全体ビュー(&A)", true, false},
        {"M_EditInfo", "譜面情報(&I)", true, false},
        {"M_Sound", "サウンド再生(&S)", false, false}}},
      {"ヘルプ(&H)", {{"M_About", "バージョン情報(&A)", true, false}}},
  };
  const QList<QAction*> menus = h.window().menuBar()->actions();
  ASSERT_EQ(menus.size(), static_cast<qsizetype>(expected.size()));
  for (size_t m = 0; m < expected.size(); ++m) {
    EXPECT_EQ(menus[m]->text(), QString::fromUtf8(expected[m].first));
    const QList<QAction*> items = menus[m]->menu()->actions();
    ASSERT_EQ(items.size(), static_cast<qsizetype>(expected[m].second.size())) << m;
    for (qsizetype i = 0; i < items.size(); ++i) {
      const Item& e = expected[m].second[static_cast<size_t>(i)];
      SCOPED_TRACE(e.name);
      EXPECT_EQ(items[i]->objectName(), QString::fromLatin1(e.name));
      EXPECT_EQ(items[i]->isSeparator(), QByteArray(e.caption) == "-");
      if (!items[i]->isSeparator()) {
        EXPECT_EQ(items[i]->text(), QString::fromUtf8(e.caption));
      }
      EXPECT_EQ(items[i]->isEnabled(), e.enabled);
      EXPECT_EQ(items[i]->isChecked(), e.checked);
      EXPECT_TRUE(items[i]->shortcut().isEmpty());
      EXPECT_EQ(items[i]->isVisible(), QByteArray(e.name) != "M_Sound");
    }
  }
}

TEST_F(MainWindowTest, ToolbarButtonsCarryKeysTooltipsAndImages) {
  struct Button {
    const char* key;
    const char* tooltip;
    int image;
  };
  const Button expected[] = {
      {"New", "新規作成", 6},
      {"Open", "開く", 7},
      {"Save", "保存", 8},
      {"Cut", "切り取り", 9},
      {"Copy", "コピー", 10},
      {"Paste", "貼り付け", 11},
      {"Divide4", "４分入力", 2},
      {"Divide8", "８分入力", 3},
      {"Divide16", "１６分入力", 4},
      {"Divide12", "３連符入力", 5},
      {"FAmode", "フリーズアロー", 19},
      {"set", "EDIT設定", 16},
      {"all", "全体ビュー", 17},
      {"inf", "譜面情報", 18},
  };
  auto* toolbar = h.window().findChild<QToolBar*>(QStringLiteral("Toolbar1"));
  ASSERT_NE(toolbar, nullptr);
  std::vector<QToolButton*> buttons;
  int separators = 0;
  for (QAction* a : toolbar->actions()) {
    if (a->isSeparator()) {
      ++separators;
    } else if (auto* b = qobject_cast<QToolButton*>(toolbar->widgetForAction(a))) {
      buttons.push_back(b);
    }
  }
  EXPECT_EQ(separators, 4);
  ASSERT_EQ(buttons.size(), std::size(expected));
  for (size_t i = 0; i < buttons.size(); ++i) {
    SCOPED_TRACE(expected[i].key);
    EXPECT_EQ(buttons[i]->objectName(), QString::fromLatin1(expected[i].key));
    EXPECT_EQ(buttons[i]->toolTip(), QString::fromUtf8(expected[i].tooltip));
    EXPECT_EQ(buttons[i]->property("imageIndex").toInt(), expected[i].image);
  }
  EXPECT_FALSE(h.button("Cut")->isEnabled());
  EXPECT_FALSE(h.button("Copy")->isEnabled());
  EXPECT_FALSE(h.button("Paste")->isEnabled());
  EXPECT_TRUE(h.button("Divide4")->isChecked());
  EXPECT_TRUE(h.button("FAmode")->isCheckable());
  EXPECT_FALSE(h.button("FAmode")->isChecked());
  EXPECT_FALSE(h.button("New")->isCheckable());
}

TEST_F(MainWindowTest, StatusBarHasThreePanels) {
  auto* bar = h.window().findChild<QStatusBar*>(QStringLiteral("StatusBar1"));
  ASSERT_NE(bar, nullptr);
  for (const char* name : {"StatusPanel1", "pnlPosX", "pnlPosY"}) {
    auto* panel = bar->findChild<QLabel*>(QString::fromLatin1(name));
    ASSERT_NE(panel, nullptr) << name;
    EXPECT_TRUE(panel->text().isEmpty());
  }
}

TEST_F(MainWindowTest, DivisionButtonsAndMenuChecksMoveTogether) {
  h.button("Divide8")->click();
  EXPECT_EQ(st().currentDivide, 8);
  EXPECT_EQ(st().userDivide, 8);
  EXPECT_TRUE(checked("M_Divide8"));
  EXPECT_FALSE(checked("M_Divide4"));
  EXPECT_FALSE(h.button("Divide4")->isChecked());
  h.action("M_Divide16")->trigger();
  EXPECT_TRUE(h.button("Divide16")->isChecked());
  EXPECT_FALSE(h.button("Divide8")->isChecked());
  h.action("M_Divide16")->trigger();  // choosing the checked one keeps it checked
  EXPECT_TRUE(checked("M_Divide16"));
}

TEST_F(MainWindowTest, TripletsAndFreezeModeExcludeEachOther) {
  h.action("M_FAmode")->trigger();
  EXPECT_EQ(st().freezeMode, 1);
  EXPECT_TRUE(h.button("FAmode")->isChecked());
  EXPECT_TRUE(checked("M_FAmode"));
  h.action("M_Divide12")->trigger();
  EXPECT_EQ(st().currentDivide, 12);
  EXPECT_EQ(st().freezeMode, 0);
  EXPECT_EQ(st().userDivide, 12);
  EXPECT_EQ(st().userFreezeMode, 0);
  EXPECT_FALSE(h.button("FAmode")->isChecked());
  EXPECT_FALSE(checked("M_FAmode"));

  h.button("FAmode")->click();  // freeze mode on the triplet grid moves to sixteenths
  EXPECT_EQ(st().freezeMode, 1);
  EXPECT_EQ(st().currentDivide, 16);
  EXPECT_EQ(st().userDivide, 16);
  EXPECT_EQ(st().userFreezeMode, 1);
  EXPECT_TRUE(h.button("Divide16")->isChecked());
  EXPECT_TRUE(checked("M_Divide16"));
  EXPECT_FALSE(checked("M_Divide12"));
}

class EditCommandsTest : public MainWindowTest {
 protected:
  void select(int start, int end) {
    st().selStart = start;
    st().selEnd = end;
    h.window().updateEditCommands();
  }
  void expectEdit(bool cut, bool copy, bool paste, bool mirrors, bool turns) {
    EXPECT_EQ(enabled("M_Cut"), cut);
    EXPECT_EQ(enabled("M_Copy"), copy);
    EXPECT_EQ(enabled("M_Paste"), paste);
    EXPECT_EQ(enabled("M_MirrorV"), mirrors);
    EXPECT_EQ(enabled("M_MirrorH"), mirrors);
    EXPECT_EQ(enabled("M_Mirror"), mirrors);
    EXPECT_EQ(enabled("M_TurnLeft"), turns);
    EXPECT_EQ(enabled("M_TurnRight"), turns);
    EXPECT_EQ(h.button("Cut")->isEnabled(), cut);
    EXPECT_EQ(h.button("Copy")->isEnabled(), copy);
    EXPECT_EQ(h.button("Paste")->isEnabled(), paste);
  }
  int clipBeats = 0;
};

TEST_F(EditCommandsTest, FollowTheSelectionState) {
  h.window().setClipBeatsSource([this] { return clipBeats; });
  select(4, kUnset);
  expectEdit(false, false, false, false, false);  // empty clipboard: paste stays off
  select(4, 8);
  expectEdit(true, true, false, true, true);
  clipBeats = 4;
  select(6, kUnset);
  expectEdit(false, false, true, false, false);
  select(6, 9);  // completing a selection disables paste even with a full clipboard
  expectEdit(true, true, false, true, true);
  select(kUnset, kUnset);
  expectEdit(false, false, false, false, false);
}

TEST_F(EditCommandsTest, DoublePlayKeepsTheQuarterTurnsOff) {
  h.chart().PlayStyle = 2;
  select(4, 8);
  expectEdit(true, true, false, true, false);
}

TEST_F(EditCommandsTest, MarginClicksUpdateTheCommands) {
  auto line = [&](int row) { return h.canvasPoint(-10, 32 * (row - st().topRow) + 2); };
  h.click(line(4));
  h.click(line(8));
  expectEdit(true, true, false, true, true);
  h.click(line(8), Qt::RightButton);
  expectEdit(false, false, false, false, false);
}

TEST_F(MainWindowTest, ResetChartEmptiesTheChartButKeepsTheSong) {
  Chart& c = h.chart();
  c.SongIndex = 2;
  c.PlayStyle = 1;
  c.Difficulty = 0x35;
  c.EditName = "ABC";
  c.KrunTitle = "T";
  c.KrunWidth = 7;
  c.KrunComment = "note";
  c.StepData[5][0] = 1;
  c.FreezeData[5][0] = 1;
  c.BeatType[5][0] = 1;
  st().selStart = 4;
  st().selEnd = 8;
  h.window().layoutEditor();
  h.window().findChild<QScrollBar*>(QStringLiteral("VScroll1"))->setValue(40);
  h.document.Modified = true;
  h.window().resetChart();
  EXPECT_EQ(c.PlayStyle, 0);
  EXPECT_EQ(c.Difficulty, 1);
  EXPECT_TRUE(c.EditName.empty());
  EXPECT_TRUE(c.KrunTitle.empty());
  EXPECT_EQ(c.SongIndex, 2);
  EXPECT_EQ(c.KrunWidth, 7);
  EXPECT_EQ(c.KrunComment, "note");
  EXPECT_EQ(c.StepData[5][0], 0);
  EXPECT_EQ(c.FreezeData[5][0], 0);
  EXPECT_EQ(c.BeatType[5][0], 0);
  EXPECT_EQ(st().topRow, 3);
  EXPECT_EQ(st().selStart, kUnset);
  EXPECT_EQ(st().selEnd, kUnset);
  EXPECT_FALSE(enabled("M_Cut"));
  EXPECT_FALSE(h.document.Modified);
}

TEST_F(MainWindowTest, DefaultSizeShowsAllRowsAndBothPads) {
  h.chart().PlayStyle = 1;
  h.window().layoutEditor();
  const QWidget* client = h.window().canvas();
  auto* bar = h.window().findChild<QScrollBar*>(QStringLiteral("VScroll1"));
  EXPECT_GE(client->height(), st().canvasTop + 15 * 32);
  EXPECT_GE(st().canvasLeft - 40, 0);
  EXPECT_LE(st().canvasLeft + 256, bar->x());
  EXPECT_EQ(bar->x() + bar->width(), client->width());
  EXPECT_EQ(bar->y(), h.window().findChild<QToolBar*>(QStringLiteral("Toolbar1"))->height());
  EXPECT_EQ(bar->y() + bar->height(), client->height());
}

TEST_F(MainWindowTest, StatisticsWindowIsOneAndModeless) {
  h.action("M_EditInfo")->trigger();
  EditInfoWindow* first = h.window().statisticsWindow();
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(first->isVisible());
  EXPECT_FALSE(first->isModal());
  h.button("inf")->click();
  EXPECT_EQ(h.window().statisticsWindow(), first);
  h.window().closeStatistics();
  EXPECT_FALSE(first->isVisible());
}

TEST_F(MainWindowTest, SettingsDialogIsFollowedByLayoutAndRedraw) {
  h.chart().PlayStyle = 1;  // not laid out yet: the canvas is still single width
  const int singleLeft = st().canvasLeft;
  QString shown;
  QTimer::singleShot(0, [&shown] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      shown = dialog->objectName();
      dialog->reject();
    }
  });
  h.button("set")->click();
  EXPECT_EQ(shown, QStringLiteral("frmOptions"));
  EXPECT_EQ(st().canvasLeft, singleLeft - 64);
  EXPECT_EQ(h.frame().pixel(h.canvasPoint(128, 100)) | 0xFF000000u, 0xFFFFFFFFu);  // the pad divider
}

TEST_F(MainWindowTest, AboutBoxIsModal) {
  QString shown;
  bool modal = false;
  QTimer::singleShot(0, [&] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      shown = dialog->objectName();
      modal = dialog->isModal();
      dialog->reject();
    }
  });
  h.action("M_About")->trigger();
  EXPECT_EQ(shown, QStringLiteral("frmAbout"));
  EXPECT_TRUE(modal);
}

TEST_F(MainWindowTest, EndClosesTheWindow) {
  h.action("M_End")->trigger();
  EXPECT_FALSE(h.window().isVisible());
}

TEST_F(MainWindowTest, FileListsAreAcceptedAsCopyOnly) {
  QMimeData files;
  files.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a.kru"))});
  QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction | Qt::MoveAction, &files, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&h.window(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  EXPECT_EQ(enter.dropAction(), Qt::CopyAction);

  QMimeData text;
  text.setText(QStringLiteral("a.kru"));
  QDragEnterEvent other(QPoint(50, 50), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&h.window(), &other);
  EXPECT_FALSE(other.isAccepted());
}

TEST_F(MainWindowTest, ExtraCommandsAttachByMenuName) {
  int copies = 0;
  h.window().setCommandHandler(QStringLiteral("M_Copy"), [&] { ++copies; });
  h.window().runMenuCommand(QStringLiteral("M_Copy"));
  h.window().toolbarButtonClick(QStringLiteral("Copy"));
  h.window().toolbarButtonClick(QStringLiteral("copy"));  // keys are case-sensitive
  EXPECT_EQ(copies, 2);
}

}  // namespace
}  // namespace tarveno::testing
