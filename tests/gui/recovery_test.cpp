#include <gtest/gtest.h>
#include <QTest>

#include "core/chart/chart_files.h"
#include "core/io/recovery_store.h"
#include "gui/gui_test_helpers.h"
#include "support/test_paths.h"

namespace tarveno::testing {
namespace {

namespace fs = std::filesystem;

// A run killed a little after an edit (its window and store gone without closing), then the
// next start: the chart comes back as edited, modified, under the name of its file.
TEST(Recovery, AnEditIsCopiedSoonAndTheNextStartRestoresItModifiedUnderItsName) {
  TempDir dir;
  Chart onDisk;
  onDisk.KrunTitle = "Kept";
  ASSERT_TRUE(saveChartFile(dir / "song.kru", ChartFileKind::Krun, onDisk, testCatalogue()));
  const QString song = QString::fromStdString((dir / "song.kru").string());
  Chart edited;
  {
    RecoveryStore killed(dir / "recovery");
    MainWindowHarness h(killed);
    h.start(song);
    EXPECT_FALSE(fs::exists(killed.copyFile())) << "nothing unsaved yet";
    h.click(h.cellPoint(2, 4));
    QTRY_VERIFY(fs::exists(killed.copyFile()));
    edited = h.chart();
  }

  RecoveryStore next(dir / "recovery");
  MainWindowHarness h(next);
  h.start();
  h.prompts.answerMessage(Prompts::Answer::Yes);
  h.window().offerRecovery();
  ASSERT_EQ(h.prompts.shown.size(), 1u);
  EXPECT_NE(h.prompts.shown[0].text.indexOf(QStringLiteral("song.kru")), -1) << h.prompts.shown[0].text.toStdString();
  EXPECT_EQ(h.chart(), edited);
  EXPECT_EQ(std::pair(h.window().windowTitle(), h.window().isWindowModified()),
            std::pair(QStringLiteral("song.kru[*] - TARVENO"), true));
  EXPECT_TRUE(next.leftCopies().empty()) << "taken over by this run";

  h.prompts.answerMessage(Prompts::Answer::No);  // closing without saving gives the chart up
  EXPECT_TRUE(h.window().close());
  next.flush();
  EXPECT_FALSE(fs::exists(next.copyFile()));
}

}  // namespace
}  // namespace tarveno::testing
