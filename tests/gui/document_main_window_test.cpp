#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include "core/chart/open.h"
#include "gui/app/main_window.h"
#include "gui/gui_test_helpers.h"
#include "support/test_paths.h"

namespace tarveno::testing {
namespace {

using Answer = Prompts::Answer;

class DocumentMainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { h.start(); }

  // Places an arrow with a real click on measure 1, beat 0 of the canvas (view row 1).
  void clickArrow(int column) { h.click(h.canvasPoint(32 * column + 16, 32 + 3)); }
  QString statistic(const char* name) {
    auto* label = h.window().statisticsWindow()->findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QString();
  }
  // A drag entering the window, then the drop, as the window system delivers them; the drop
  // reaches only the widget that accepted the drag. Returns whether the drag was accepted.
  bool dragAndDrop(QMimeData& data) {
    QDragEnterEvent enter(QPoint(50, 80), Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, &data, Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(&h.window(), &enter);
    const bool accepted = enter.isAccepted();
    if (accepted) {
      EXPECT_EQ(enter.dropAction(), Qt::CopyAction);
    }
    QDropEvent drop(QPointF(50, 80), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&h.window(), &drop);
    return accepted;
  }

  MainWindowHarness h;
  TempDir dir;
};

TEST_F(DocumentMainWindowTest, DroppingAFileOpensIt) {
  Chart onDisk;
  onDisk.SongIndex = 0;
  onDisk.KrunTitle = "Dropped";
  onDisk.StepData[2][4] = 4;
  const auto file = dir / "dropped.kru";
  ASSERT_TRUE(saveChartFile(file, ChartFileKind::Krun, onDisk, h.catalogue));

  clickArrow(1);
  h.prompts.answerMessage(Answer::No);
  QMimeData files;
  files.setUrls(
      {QUrl::fromLocalFile(QString::fromStdString(file.string())), QUrl::fromLocalFile(QStringLiteral("/x.mc"))});
  EXPECT_TRUE(dragAndDrop(files));
  EXPECT_EQ(h.chart().KrunTitle, "Dropped");
  EXPECT_EQ(h.chart().StepData[2][4], 4);
  EXPECT_EQ(h.chart().StepData[1][0], 0);
  EXPECT_FALSE(h.document.Modified);

  // Anything but a file list is refused at the door.
  QMimeData text;
  text.setText(QStringLiteral("not a file"));
  EXPECT_FALSE(dragAndDrop(text));
  EXPECT_EQ(h.chart().KrunTitle, "Dropped");
  EXPECT_EQ(h.prompts.shown.size(), 1u);
}

TEST_F(DocumentMainWindowTest, StatisticsFollowEditsWhileOpenAndClosingAsksFirst) {
  h.button("inf")->click();
  ASSERT_NE(h.window().statisticsWindow(), nullptr);
  EXPECT_TRUE(h.window().statisticsWindow()->isVisible());
  EXPECT_EQ(statistic("lblTotalAllow"), "0");
  clickArrow(0);
  clickArrow(3);
  EXPECT_EQ(statistic("lblTotalAllow"), "2");
  EXPECT_EQ(statistic("lblTotalStep"), "1");

  h.window().statisticsWindow()->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
  h.click(h.canvasPoint(32 * 3 + 16, 32 + 3), Qt::RightButton);
  EXPECT_EQ(h.chart().StepData[1][0], 1);
  EXPECT_EQ(statistic("lblTotalAllow"), "2") << "closed: not recounted";
  h.action("M_EditInfo")->trigger();
  EXPECT_EQ(statistic("lblTotalAllow"), "1");

  // Closing the window with unsaved changes asks first; the statistics go with it.
  ASSERT_TRUE(h.document.Modified);
  h.prompts.answerMessage(Answer::Cancel);
  EXPECT_FALSE(h.window().close());
  EXPECT_TRUE(h.window().isVisible());
  EXPECT_TRUE(h.window().statisticsWindow()->isVisible());
  ASSERT_EQ(h.prompts.shown.size(), 1u);
  EXPECT_EQ(h.prompts.shown[0].title, "ファイルの保存");
  h.prompts.answerMessage(Answer::No);
  EXPECT_TRUE(h.window().close());
  EXPECT_FALSE(h.window().isVisible());
  EXPECT_FALSE(h.window().statisticsWindow()->isVisible());
  EXPECT_EQ(h.prompts.unexpected, 0);
}

TEST_F(DocumentMainWindowTest, NewOpensThePropertiesDialogAndOkMarksTheChart) {
  bool dialogSeen = false;
  QTimer::singleShot(0, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog || dialog->objectName() != "frmOptions") return;
    dialogSeen = true;
    dialog->findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(QStringLiteral("FRESH"));
    dialog->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
  });
  h.action("M_New")->trigger();
  EXPECT_TRUE(dialogSeen);
  EXPECT_EQ(h.chart().EditName, "FRESH");
  EXPECT_TRUE(h.document.Modified);

  // Saved from the toolbar, then reopened from the menu: the same chart comes back.
  const auto file = dir / "fresh.mc";
  h.prompts.answerSave(Prompts::FileChoice{QString::fromStdString(file.string()), 1});
  h.button("Save")->click();
  EXPECT_FALSE(h.document.Modified);
  h.chart().EditName = "CHANGED";
  h.prompts.answerOpen(Prompts::FileChoice{QString::fromStdString(file.string()), 1});
  h.action("M_Open")->trigger();
  EXPECT_EQ(h.chart().EditName.substr(0, 5), "FRESH");
  EXPECT_EQ(h.prompts.unexpected, 0);
}

}  // namespace
}  // namespace tarveno::testing
