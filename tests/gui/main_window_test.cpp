#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <functional>
#include <tuple>

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
  // Runs a command that opens a modal dialog; returns the dialog's name and whether it was modal.
  std::pair<QString, bool> modalOpenedBy(const std::function<void()>& command) {
    std::pair<QString, bool> seen;
    QTimer::singleShot(0, [&seen] {
      if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        seen = {dialog->objectName(), dialog->isModal()};
        dialog->reject();
      }
    });
    command();
    return seen;
  }

  MainWindowHarness h;
};

TEST_F(MainWindowTest, MenuTreeHasItsCaptionsAndStartStates) {
  struct Item {
    const char* name;
    const char* caption;
    bool enabled = true;
    bool checked = false;
  };
  // clang-format off
  const std::vector<std::pair<const char*, std::vector<Item>>> expected = {
      {"ファイル(&F)", {{"M_New", "新規作成(&N)"}, {"M_Open", "開く(&O)"}, {"M_Save", "保存(&S)"}, {"M_Line1", "-"},
                       {"M_End", "TARVENOの終了(&X)"}}},
      {"編集(&E)", {{"M_Cut", "切り取り(&T)", false}, {"M_Copy", "コピー(&C)", false}, {"M_Paste", "貼り付け(&P)", false},
                   {"M_Line4", "-"}, {"M_Ins", "小節挿入(&I)"}, {"M_Del", "小節削除(&D)"}, {"M_Line2", "-"},
                   {"M_MirrorV", "上下反転(&V)", false}, {"M_MirrorH", "左右反転(&H)", false},
                   {"M_TurnLeft", "左90゜回転(&L)", false}, {"M_TurnRight", "右90゜回転(&R)", false},
                   {"M_Mirror", "180゜回転(&M)", false}, {"M_Line5", "-"}, {"M_Divide4", "４分入力(&4)", true, true},
                   {"M_Divide8", "８分入力(&8)"}, {"M_Divide16", "１６分入力(&1)"}, {"M_Divide12", "３連符入力(&3)"},
                   {"M_FAmode", "フリーズアロー(&F)"}, {"M_Line3", "-"}, {"M_Setting", "EDIT設定(&S)"}}},
      {"表示(&V)", {{"M_AllView", "全体ビュー(&A)"}, {"M_EditInfo", "譜面情報(&I)"},
                   {"M_Sound", "サウンド再生(&S)", false}}},
      {"ヘルプ(&H)", {{"M_About", "バージョン情報(&A)"}}},
  };
  // clang-format on
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

TEST_F(MainWindowTest, ToolbarButtonsAndStatusPanels) {
  struct Button {
    const char* key;
    const char* tooltip;
    int image;
  };
  // clang-format off
  const Button expected[] = {
      {"New", "新規作成", 6}, {"Open", "開く", 7}, {"Save", "保存", 8}, {"Cut", "切り取り", 9},
      {"Copy", "コピー", 10}, {"Paste", "貼り付け", 11}, {"Divide4", "４分入力", 2}, {"Divide8", "８分入力", 3},
      {"Divide16", "１６分入力", 4}, {"Divide12", "３連符入力", 5}, {"FAmode", "フリーズアロー", 19},
      {"set", "EDIT設定", 16}, {"all", "全体ビュー", 17}, {"inf", "譜面情報", 18}};
  // clang-format on
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
  for (const char* key : {"Cut", "Copy", "Paste"}) EXPECT_FALSE(h.button(key)->isEnabled()) << key;
  EXPECT_TRUE(h.button("Divide4")->isChecked());
  EXPECT_FALSE(h.button("New")->isCheckable());

  auto* bar = h.window().findChild<QStatusBar*>(QStringLiteral("StatusBar1"));
  ASSERT_NE(bar, nullptr);
  for (const char* name : {"StatusPanel1", "pnlPosX", "pnlPosY"}) {
    auto* panel = bar->findChild<QLabel*>(QString::fromLatin1(name));
    ASSERT_NE(panel, nullptr) << name;
    EXPECT_TRUE(panel->text().isEmpty());
  }
}

TEST_F(MainWindowTest, DivisionAndFreezeChoicesMoveMenuAndToolbarTogether) {
  // A toolbar key or a menu name, then the grid and freeze mode in force and chosen; the division
  // button and menu item of the grid in force carry the check. Choosing the checked grid again
  // keeps it checked, triplets turn freeze mode off, and freeze mode on the triplet grid moves to
  // sixteenths.
  struct Choice {
    const char* command;
    int divide, freeze, userDivide, userFreeze;
  };
  const Choice choices[] = {{"Divide8", 8, 0, 8, 0},    {"M_Divide16", 16, 0, 16, 0}, {"M_Divide16", 16, 0, 16, 0},
                            {"M_FAmode", 16, 1, 16, 1}, {"M_Divide12", 12, 0, 12, 0}, {"FAmode", 16, 1, 16, 1}};
  for (const Choice& c : choices) {
    SCOPED_TRACE(c.command);
    const QString command = QString::fromLatin1(c.command);
    if (command.startsWith(QStringLiteral("M_"))) {
      h.action(command)->trigger();
    } else {
      h.button(command)->click();
    }
    EXPECT_EQ(std::tuple(st().currentDivide, st().freezeMode, st().userDivide, st().userFreezeMode),
              std::tuple(c.divide, c.freeze, c.userDivide, c.userFreeze));
    for (int d : {4, 8, 16, 12}) {
      EXPECT_EQ(h.button(QStringLiteral("Divide%1").arg(d))->isChecked(), d == c.divide) << d;
      EXPECT_EQ(checked(QStringLiteral("M_Divide%1").arg(d).toLatin1().constData()), d == c.divide) << d;
    }
    EXPECT_EQ(h.button("FAmode")->isChecked(), c.freeze == 1);
    EXPECT_EQ(checked("M_FAmode"), c.freeze == 1);
  }
}

TEST_F(MainWindowTest, EditCommandsFollowSelectionClipboardAndPlayStyle) {
  const int keep = -2;  // leaves the selection as the clicks made it
  auto expectEdit = [&](int start, int end, bool cut, bool copy, bool paste, bool mirrors, bool turns) {
    if (start != keep) {
      st().selStart = start;
      st().selEnd = end;
      h.window().updateEditCommands();
    }
    const std::pair<const char*, bool> actions[] = {
        {"M_Cut", cut},         {"M_Copy", copy},      {"M_Paste", paste},    {"M_MirrorV", mirrors},
        {"M_MirrorH", mirrors}, {"M_Mirror", mirrors}, {"M_TurnLeft", turns}, {"M_TurnRight", turns}};
    for (auto [name, on] : actions) EXPECT_EQ(enabled(name), on) << name << " " << start << ".." << end;
    EXPECT_EQ(h.button("Cut")->isEnabled(), cut);
    EXPECT_EQ(h.button("Copy")->isEnabled(), copy);
    EXPECT_EQ(h.button("Paste")->isEnabled(), paste);
  };
  expectEdit(4, kUnset, false, false, false, false, false);  // empty clipboard: paste stays off
  expectEdit(4, 8, true, true, false, true, true);
  h.clipboard.ClipBeats = 4;
  expectEdit(6, kUnset, false, false, true, false, false);
  expectEdit(6, 9, true, true, false, true, true);  // a complete selection disables paste even with a full clipboard

  auto line = [&](int row) { return h.canvasPoint(-10, 32 * (row - st().topRow) + 2); };
  h.click(line(4));
  h.click(line(8));
  expectEdit(keep, 0, true, true, false, true, true);
  h.click(line(8), Qt::RightButton);
  expectEdit(keep, 0, false, false, false, false, false);

  h.chart().PlayStyle = 2;  // double play keeps the quarter turns off
  expectEdit(4, 8, true, true, false, true, false);
}

TEST_F(MainWindowTest, ResetChartEmptiesTheChartAndTheViewButKeepsTheSong) {
  Chart& c = h.chart();
  c.SongIndex = 2;
  c.PlayStyle = 1;
  c.StepData[5][0] = 1;
  st().selStart = 4;
  st().selEnd = 8;
  h.window().updateEditCommands();
  h.window().layoutEditor();
  h.window().findChild<QScrollBar*>(QStringLiteral("VScroll1"))->setValue(40);
  h.document.Modified = true;
  h.window().resetChart();
  EXPECT_EQ(c.PlayStyle, 0);
  EXPECT_EQ(c.SongIndex, 2);
  EXPECT_EQ(c.StepData[5][0], 0);
  EXPECT_EQ(st().topRow, 3);
  EXPECT_EQ(std::pair(st().selStart, st().selEnd), std::pair(kUnset, kUnset));
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

TEST_F(MainWindowTest, WindowsAndDialogsTheCommandsOpen) {
  h.action("M_EditInfo")->trigger();
  EditInfoWindow* first = h.window().statisticsWindow();
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(first->isVisible());
  EXPECT_FALSE(first->isModal());
  h.button("inf")->click();
  EXPECT_EQ(h.window().statisticsWindow(), first);  // only one
  h.window().closeStatistics();
  EXPECT_FALSE(first->isVisible());

  EXPECT_EQ(modalOpenedBy([&] { h.action("M_About")->trigger(); }), std::pair(QStringLiteral("frmAbout"), true));

  // The settings dialog is followed by a layout and a redraw.
  h.chart().PlayStyle = 1;  // not laid out yet: the canvas is still single width
  const int singleLeft = st().canvasLeft;
  EXPECT_EQ(modalOpenedBy([&] { h.button("set")->click(); }).first, QStringLiteral("frmOptions"));
  EXPECT_EQ(st().canvasLeft, singleLeft - 64);
  EXPECT_EQ(h.frame().pixel(h.canvasPoint(128, 100)) | 0xFF000000u, 0xFFFFFFFFu);  // the pad divider

  h.action("M_End")->trigger();
  EXPECT_FALSE(h.window().isVisible());
}

}  // namespace
}  // namespace tarveno::testing
