#include <gtest/gtest.h>
#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QPushButton>
#include <QToolBar>
#include <QUrl>
#include <functional>
#include <tuple>

#include "core/chart/chart_files.h"
#include "gui/app/startup.h"
#include "gui/gui_test_helpers.h"
#include "support/test_paths.h"

// The main window's wiring: its commands, start-up and the windows it opens. What the commands
// do is tested with the commands themselves.
namespace tarveno::testing {
namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { h.start(); }

  QString statistic(const char* name) { return h.window().statisticsWindow()->findChild<QLabel*>(name)->text(); }
  // A drag entering the window, then the drop, as the window system delivers them; the drop
  // reaches only a widget that accepted the drag. Returns whether the drag was accepted.
  bool dragAndDrop(QMimeData& data) {
    QDragEnterEvent enter(QPoint(50, 80), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&h.window(), &enter);
    if (!enter.isAccepted()) return false;
    EXPECT_EQ(enter.dropAction(), Qt::CopyAction);
    QDropEvent drop(QPointF(50, 80), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&h.window(), &drop);
    return true;
  }

  MainWindowHarness h;
  EditorState& st = h.state();
  TempDir dir;
};

TEST_F(MainWindowTest, GridChoicesAndSelectionClicksSetTheChecksAndEnabledStates) {
  // A toolbar key or a menu item; the division and freeze mode then in force, which the user's
  // choice equals; the checks of M_Divide4, 8, 16, 12 and M_FAmode, which the buttons show.
  // Choosing the checked grid again keeps it; triplets turn freeze mode off; freeze mode on the
  // triplet grid moves to sixteenths.
  const std::tuple<const char*, int, int, const char*> choices[] = {
      {"Divide8", 8, 0, "01000"},   {"M_Divide16", 16, 0, "00100"}, {"M_Divide16", 16, 0, "00100"},
      {"M_FAmode", 16, 1, "00101"}, {"M_Divide12", 12, 0, "00010"}, {"FAmode", 16, 1, "00101"}};
  for (const auto& [command, divide, freeze, checks] : choices) {
    command[0] == 'M' ? h.action(command)->trigger() : h.button(command)->click();
    QString checked;
    for (const char* name : {"M_Divide4", "M_Divide8", "M_Divide16", "M_Divide12", "M_FAmode"}) {
      checked += h.action(name)->isChecked() ? '1' : '0';
    }
    EXPECT_EQ(std::tuple(st.currentDivide, st.freezeMode, st.userDivide, st.userFreezeMode, checked),
              std::tuple(divide, freeze, divide, freeze, QString::fromLatin1(checks)))
        << command;
  }

  auto states = [&] {  // Cut, Copy, Paste, MirrorV, MirrorH, TurnLeft, TurnRight, Mirror; the buttons show them
    QString s;
    for (const char* name : {"Cut", "Copy", "Paste", "MirrorV", "MirrorH", "TurnLeft", "TurnRight", "Mirror"}) {
      s += h.action(QStringLiteral("M_") + QLatin1String(name))->isEnabled() ? '1' : '0';
    }
    return s;
  };
  h.clipboard.ClipBeats = 4;
  h.click(h.marginPoint(6));
  EXPECT_EQ(states(), "00100000");  // a start line and a filled clipboard: paste only
  h.chart().PlayStyle = PlayStyle::Double;
  h.click(h.marginPoint(9));
  EXPECT_EQ(states(), "11011001");  // complete, in double play: no quarter turns
  h.click(h.marginPoint(9), Qt::RightButton);
  EXPECT_EQ(states(), "00000000");
}

TEST_F(MainWindowTest, TheDefaultSizeShowsAllRowsAndBothPads) {
  h.chart().PlayStyle = PlayStyle::Couple;
  h.window().layoutEditor();
  const QWidget* client = h.window().canvas();
  const QRect bar = h.window().findChild<QScrollBar*>(QStringLiteral("VScroll1"))->geometry();
  EXPECT_GE(std::min({client->height() - st.canvasTop - 15 * 32, st.canvasLeft - 40, bar.x() - st.canvasLeft - 256}),
            0);
  EXPECT_EQ(bar, QRect(QPoint(bar.x(), h.window().findChild<QToolBar*>(QStringLiteral("Toolbar1"))->height()),
                       QPoint(client->width() - 1, client->height() - 1)));
}

// The canvas keeps its layout when the window grows; what it grew by is no part of the editor.
TEST_F(MainWindowTest, WhatTheWindowGrewByShowsTheWindowsBackground) {
  const QWidget* client = h.window().canvas();
  const QSize laidOut = client->size();
  h.window().resize(h.window().size() + QSize(100, 100));
  QApplication::processEvents();
  ASSERT_GT(client->width(), laidOut.width());
  const QRgb background = h.window().palette().color(QPalette::Window).rgb();
  EXPECT_EQ(h.frame().pixel(client->width() - 2, laidOut.height() / 2), background) << "right of the scroll bar";
  EXPECT_EQ(h.frame().pixel(2, client->height() - 2), background) << "below the laid-out area";
  EXPECT_EQ(h.frame().pixel(2, laidOut.height() - 2), 0xFF000000u) << "the laid-out area stays black";
}

TEST_F(MainWindowTest, TheCommandsReachTheirDialogsAndDocumentCommands) {
  EXPECT_EQ(modalOf([&] { h.action("M_About")->trigger(); }), "frmAbout");
  h.chart().PlayStyle = PlayStyle::Couple;  // the properties dialog is followed by a layout and a redraw
  const int singleLeft = st.canvasLeft;
  EXPECT_EQ(modalOf([&] { h.button("set")->click(); }), "frmOptions");
  EXPECT_EQ(std::pair(st.canvasLeft, h.pixel(128, 100)), std::pair(singleLeft - 64, 0xFFFFFFFFu));  // pad divider
  h.chart().StepData[1][0] = 1;
  h.click(h.marginPoint(4));
  h.click(h.marginPoint(8));
  h.scrollTo(40);
  h.document.Modified = true;
  h.prompts.answerMessage(Prompts::Answer::No);
  EXPECT_EQ(modalOf([&] { h.action("M_New")->trigger(); }), "frmOptions");  // after a reset of chart and view
  EXPECT_EQ(std::tuple(h.chart().StepData[1][0], st.topRow, st.selStart, st.selEnd, h.document.Modified,
                       h.action("M_Cut")->isEnabled()),
            std::tuple(0, 3, kUnset, kUnset, false, false));

  h.chart().EditName = "SAVED";
  const QString saved = QString::fromStdString((dir / "saved.mc").string());
  h.prompts.answerSave(Prompts::FileChoice{saved, 1});
  h.button("Save")->click();
  h.chart().EditName = "CHANGED";
  h.prompts.answerOpen(Prompts::FileChoice{saved, 1});
  h.action("M_Open")->trigger();
  EXPECT_EQ(h.chart().EditName.substr(0, 5), "SAVED");

  Chart onDisk;
  onDisk.KrunTitle = "Dropped";
  ASSERT_TRUE(saveChartFile(dir / "dropped.kru", ChartFileKind::Krun, onDisk, h.catalogue));
  QMimeData files, text;
  files.setUrls({QUrl::fromLocalFile(QString::fromStdString((dir / "dropped.kru").string()))});
  text.setText(QStringLiteral("not a file"));  // anything but a file list is refused at the door
  EXPECT_TRUE(dragAndDrop(files));
  EXPECT_FALSE(dragAndDrop(text));
  EXPECT_EQ(h.chart().KrunTitle, "Dropped");
  EXPECT_EQ(std::pair(h.prompts.shown.size(), h.prompts.unexpected), std::pair(size_t{1}, 0));  // only New asked
}

TEST_F(MainWindowTest, OneModelessStatisticsWindowFollowsEditsWhileOpenAndCloseAsksFirst) {
  h.button("inf")->click();
  EditInfoWindow* info = h.window().statisticsWindow();
  ASSERT_NE(info, nullptr);
  EXPECT_FALSE(info->isModal());
  h.click(h.cellPoint(0, 4));
  h.click(h.cellPoint(3, 4));
  EXPECT_EQ(statistic("lblTotalAllow"), "2");
  info->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
  h.click(h.cellPoint(3, 4), Qt::RightButton);
  EXPECT_EQ(statistic("lblTotalAllow"), "2") << "closed: not recounted";
  h.action("M_EditInfo")->trigger();
  h.button("inf")->click();
  EXPECT_EQ(std::pair(h.window().statisticsWindow(), statistic("lblTotalAllow")), std::pair(info, QStringLiteral("1")));

  h.prompts.answerMessage(Prompts::Answer::Cancel);
  EXPECT_FALSE(h.window().close());
  EXPECT_EQ(std::pair(info->isVisible(), h.prompts.shown.at(0).title),
            std::pair(true, QStringLiteral("ファイルの保存")));
  h.prompts.answerMessage(Prompts::Answer::No);
  h.action("M_End")->trigger();
  EXPECT_EQ(std::pair(h.window().isVisible(), info->isVisible()), std::pair(false, false));
}

// The title names the file; undoing back to the chart as saved leaves nothing to ask at closing.
TEST_F(MainWindowTest, TitleShowsTheFileAndCloseAsksOnlyAwayFromTheStateSaved) {
  auto shown = [&] { return std::pair(h.window().windowTitle(), h.window().isWindowModified()); };
  EXPECT_EQ(shown(), std::pair(QStringLiteral("TARVENO"), false));
  h.chart().EditName = "SAVED";
  h.click(h.cellPoint(0, 4));
  h.prompts.answerSave(Prompts::FileChoice{QString::fromStdString((dir / "saved.mc").string()), 1});
  h.action("M_Save")->trigger();
  h.click(h.cellPoint(1, 4));
  EXPECT_EQ(shown(), std::pair(QStringLiteral("saved.mc[*] - TARVENO"), true));
  h.action("M_Undo")->trigger();
  EXPECT_EQ(shown(), std::pair(QStringLiteral("saved.mc[*] - TARVENO"), false));
  EXPECT_TRUE(h.window().close()) << "back at the chart as saved: no question";
  h.window().show();
  h.action("M_Redo")->trigger();
  h.prompts.answerMessage(Prompts::Answer::Cancel);
  EXPECT_FALSE(h.window().close());
  EXPECT_EQ(h.prompts.shown.size(), 1u);
}

TEST(MainWindowStartupTest, ArgumentsJoinIntoOneNameWhichIsOpened) {
  EXPECT_EQ(std::pair(commandLineFileName({"tarveno"}), commandLineFileName({"tarveno", "My", "Song.kru"})),
            std::pair(QString(), QStringLiteral("My Song.kru")));

  MainWindowHarness h;
  h.start(QString::fromStdString((dataDir() / "examples" / "single.kru").string()));
  EXPECT_EQ(std::tuple(h.prompts.shown.size(), h.chart().KrunTitle.empty(), h.document.Modified),
            std::tuple(size_t{0}, false, false));
}

TEST(MainWindowStartupTest, CatalogueProblemsAreReportedAndStartUpGoesOn) {
  TempDir dir;
  ScriptedPrompts prompts;
  auto load = [&] {  // the songs loaded and the messages shown so far
    const int songs = loadCatalogueAtStartUp(dir / "kruid.dat", prompts, nullptr).validCount();
    return std::pair(songs, prompts.shown.size());
  };
  EXPECT_EQ(load(), std::pair(0, size_t{1}));  // missing
  writeAll(dir / "kruid.dat", "1,\"A\",120,10,1,1,0\r\n2,\"B\",130");
  EXPECT_EQ(load(), std::pair(1, size_t{2}));  // a broken last record
  writeAll(dir / "kruid.dat", "1,\"A\",120,10,1,1,0\r\n");
  EXPECT_EQ(load(), std::pair(1, size_t{2}));
}

}  // namespace
}  // namespace tarveno::testing
