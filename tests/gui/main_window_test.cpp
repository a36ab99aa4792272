#include <gtest/gtest.h>
#include <QApplication>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <functional>
#include <tuple>

#include "core/chart/open.h"
#include "gui/app/startup.h"
#include "gui/gui_test_helpers.h"
#include "support/test_paths.h"

// The main window's wiring: its commands, start-up and the windows it opens. What the commands
// do is tested with the commands themselves.
namespace tarveno::testing {
namespace {

using Answer = Prompts::Answer;

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { h.start(); }

  // Runs a command that opens a modal dialog and lets `answer` close it (reject by default);
  // returns the dialog's name, empty when no modal dialog came up.
  QString withModal(const std::function<void()>& command, const std::function<void(QDialog&)>& answer = {}) {
    QString seen;
    QTimer::singleShot(0, [&] {
      if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        seen = dialog->objectName();
        answer ? answer(*dialog) : dialog->reject();
      }
    });
    command();
    return seen;
  }
  QPoint line(int row) { return h.canvasPoint(-10, h.rowY(row) + 2); }
  // A click on measure 1, beat 0 of the given column.
  void clickCell(int column, Qt::MouseButton button = Qt::LeftButton) {
    h.click(h.canvasPoint(32 * column + 16, h.rowY(4) + 3), button);
  }
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

TEST_F(MainWindowTest, DivisionAndFreezeChoicesMoveMenuAndToolbarTogether) {
  // Choosing the checked grid again keeps it; triplets turn freeze mode off; freeze mode on the
  // triplet grid moves to sixteenths. A user's choice is also the one to come back to.
  const std::tuple<const char*, int, int> choices[] = {{"Divide8", 8, 0},     {"M_Divide16", 16, 0},
                                                       {"M_Divide16", 16, 0}, {"M_FAmode", 16, 1},
                                                       {"M_Divide12", 12, 0}, {"FAmode", 16, 1}};
  for (const auto& [command, divide, freeze] : choices) {
    command[0] == 'M' ? h.action(command)->trigger() : h.button(command)->click();
    EXPECT_EQ(std::tuple(st.currentDivide, st.freezeMode, st.userDivide, st.userFreezeMode),
              std::tuple(divide, freeze, divide, freeze))
        << command;
    QString checked;  // the menu items' and the buttons' checks
    for (const char* key : {"Divide4", "Divide8", "Divide16", "Divide12", "FAmode"}) {
      checked += QString::number(h.action(QStringLiteral("M_") + QLatin1String(key))->isChecked()) +
                 QString::number(h.button(key)->isChecked());
    }
    QString want;
    for (bool on : {divide == 4, divide == 8, divide == 16, divide == 12, freeze == 1}) want += on ? "11" : "00";
    EXPECT_EQ(checked, want) << command;
  }
}

TEST_F(MainWindowTest, SelectionClicksSetTheEditCommandsAndTheirButtons) {
  // Cut, Copy, Paste, MirrorV, MirrorH, TurnLeft, TurnRight, Mirror, then the three buttons.
  auto states = [&] {
    QString s;
    for (const char* name : {"Cut", "Copy", "Paste", "MirrorV", "MirrorH", "TurnLeft", "TurnRight", "Mirror"}) {
      s += h.action(QStringLiteral("M_") + QLatin1String(name))->isEnabled() ? '1' : '0';
    }
    for (const char* key : {"Cut", "Copy", "Paste"}) s += h.button(key)->isEnabled() ? '1' : '0';
    return s;
  };
  h.clipboard.ClipBeats = 4;
  h.click(line(6));
  EXPECT_EQ(states(), "00100000001");  // a start line and a filled clipboard: paste only
  h.chart().PlayStyle = 2;
  h.click(line(9));
  EXPECT_EQ(states(), "11011001110");  // complete, in double play: no quarter turns
  h.click(line(9), Qt::RightButton);
  EXPECT_EQ(states(), "00000000000");
}

TEST_F(MainWindowTest, ResetChartEmptiesTheChartSelectionAndView) {
  EXPECT_TRUE(h.prompts.shown.empty()) << "no command line, nothing to open";
  h.chart().StepData[5][0] = 1;
  h.click(line(4));
  h.click(line(8));
  h.scrollTo(40);
  h.document.Modified = true;
  h.window().resetChart();
  EXPECT_EQ(std::tuple(h.chart().StepData[5][0], st.topRow, st.selStart, st.selEnd, h.document.Modified),
            std::tuple(0, 3, kUnset, kUnset, false));
  EXPECT_FALSE(h.action("M_Cut")->isEnabled());
}

TEST_F(MainWindowTest, DefaultSizeShowsAllRowsAndBothPads) {
  h.chart().PlayStyle = 1;
  h.window().layoutEditor();
  const QWidget* client = h.window().canvas();
  const QRect bar = h.window().findChild<QScrollBar*>(QStringLiteral("VScroll1"))->geometry();
  EXPECT_GE(client->height(), st.canvasTop + 15 * 32);
  EXPECT_GE(st.canvasLeft - 40, 0);
  EXPECT_LE(st.canvasLeft + 256, bar.x());
  EXPECT_EQ(bar, QRect(QPoint(bar.x(), h.window().findChild<QToolBar*>(QStringLiteral("Toolbar1"))->height()),
                       QPoint(client->width() - 1, client->height() - 1)));
}

TEST_F(MainWindowTest, AboutAndPropertiesAreModalAndThePropertiesAreFollowedByALayout) {
  EXPECT_EQ(withModal([&] { h.action("M_About")->trigger(); }), "frmAbout");
  h.chart().PlayStyle = 1;
  const int singleLeft = st.canvasLeft;
  EXPECT_EQ(withModal([&] { h.button("set")->click(); }), "frmOptions");
  EXPECT_EQ(st.canvasLeft, singleLeft - 64);
  EXPECT_EQ(h.pixel(128, 100), 0xFFFFFFFFu);  // the pad divider: redrawn too
}

TEST_F(MainWindowTest, NewSaveOpenAndDropReachTheDocumentCommands) {
  withModal([&] { h.action("M_New")->trigger(); },
            [](QDialog& d) {
              d.findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(QStringLiteral("FRESH"));
              d.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
            });
  EXPECT_EQ(std::pair(h.chart().EditName, h.document.Modified), std::pair(std::string("FRESH"), true));
  const QString saved = QString::fromStdString((dir / "fresh.mc").string());
  h.prompts.answerSave(Prompts::FileChoice{saved, 1});
  h.button("Save")->click();
  EXPECT_FALSE(h.document.Modified);
  h.chart().EditName = "CHANGED";
  h.prompts.answerOpen(Prompts::FileChoice{saved, 1});
  h.action("M_Open")->trigger();
  EXPECT_EQ(h.chart().EditName.substr(0, 5), "FRESH");

  Chart onDisk;
  onDisk.KrunTitle = "Dropped";
  ASSERT_TRUE(saveChartFile(dir / "dropped.kru", ChartFileKind::Krun, onDisk, h.catalogue));
  QMimeData files;
  files.setUrls({QUrl::fromLocalFile(QString::fromStdString((dir / "dropped.kru").string()))});
  EXPECT_TRUE(dragAndDrop(files));
  EXPECT_EQ(h.chart().KrunTitle, "Dropped");
  QMimeData text;  // anything but a file list is refused at the door
  text.setText(QStringLiteral("not a file"));
  EXPECT_FALSE(dragAndDrop(text));
  EXPECT_TRUE(h.prompts.shown.empty());
  EXPECT_EQ(h.prompts.unexpected, 0);
}

TEST_F(MainWindowTest, OneModelessStatisticsWindowFollowsEditsWhileOpenAndCloseAsksFirst) {
  h.button("inf")->click();
  EditInfoWindow* info = h.window().statisticsWindow();
  ASSERT_NE(info, nullptr);
  EXPECT_FALSE(info->isModal());
  clickCell(0);
  clickCell(3);
  EXPECT_EQ(statistic("lblTotalAllow"), "2");
  info->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
  clickCell(3, Qt::RightButton);
  EXPECT_EQ(statistic("lblTotalAllow"), "2") << "closed: not recounted";
  h.action("M_EditInfo")->trigger();
  h.button("inf")->click();
  EXPECT_EQ(std::pair(h.window().statisticsWindow(), statistic("lblTotalAllow")), std::pair(info, QStringLiteral("1")));

  h.prompts.answerMessage(Answer::Cancel);
  EXPECT_FALSE(h.window().close());
  EXPECT_TRUE(info->isVisible());
  EXPECT_EQ(h.prompts.shown.at(0).title, "ファイルの保存");
  h.prompts.answerMessage(Answer::No);
  h.action("M_End")->trigger();
  EXPECT_EQ(std::pair(h.window().isVisible(), info->isVisible()), std::pair(false, false));
}

TEST(MainWindowStartupTest, ArgumentsJoinIntoOneNameTakenFromTheLaunchFolder) {
  EXPECT_EQ(commandLineFileName({QStringLiteral("tarveno")}), QString());
  EXPECT_EQ(commandLineFileName({QStringLiteral("tarveno"), QStringLiteral("My"), QStringLiteral("Song.kru")}),
            QStringLiteral("My Song.kru"));
  const QString home = QStringLiteral("/home/u");
  EXPECT_EQ(resolveCommandLineFile(QStringLiteral("song.kru"), home), QStringLiteral("/home/u/song.kru"));
  EXPECT_EQ(resolveCommandLineFile(QStringLiteral("/abs/song.kru"), home), QStringLiteral("/abs/song.kru"));
  EXPECT_EQ(resolveCommandLineFile(QString(), home), QString());
}

TEST(MainWindowStartupTest, ACommandLineFileOpensWithEveryBeatTypeCurrent) {
  MainWindowHarness h;
  h.start(QString::fromStdString((dataDir() / "examples" / "single.kru").string()));
  EXPECT_TRUE(h.prompts.shown.empty());
  EXPECT_FALSE(h.chart().KrunTitle.empty());
  EXPECT_FALSE(h.document.Modified);
  int triplets = 0;
  for (int m = 0; m < h.catalogue.measures(h.chart().SongIndex); ++m) {
    for (int b = 0; b < 4; ++b) {
      if (h.chart().StepData[m][4 * b] != kTripletMark) continue;
      ++triplets;
      EXPECT_EQ(h.chart().BeatType[m][b], 2) << m << ":" << b;
    }
  }
  EXPECT_GT(triplets, 0);
}

TEST(MainWindowStartupTest, CatalogueProblemsAreReportedAndStartUpGoesOn) {
  TempDir dir;
  ScriptedPrompts prompts;
  EXPECT_EQ(loadCatalogueAtStartUp(dir / "kruid.dat", prompts, nullptr).validCount(), 0);
  EXPECT_EQ(prompts.shown.size(), 1u);
  writeAll(dir / "kruid.dat", "1,\"A\",120,10,1,1,0\r\n2,\"B\",130");  // a broken last record
  EXPECT_EQ(loadCatalogueAtStartUp(dir / "kruid.dat", prompts, nullptr).validCount(), 1);
  EXPECT_EQ(prompts.shown.size(), 2u);
  writeAll(dir / "kruid.dat", "1,\"A\",120,10,1,1,0\r\n");
  const Catalogue good = loadCatalogueAtStartUp(dir / "kruid.dat", prompts, nullptr);
  EXPECT_EQ(good.folder, dir.path());
  EXPECT_EQ(prompts.shown.size(), 2u);
}

}  // namespace
}  // namespace tarveno::testing
