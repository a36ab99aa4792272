#include <gtest/gtest.h>

#include <filesystem>

#include "gui/app/main_window.h"
#include "gui/app/startup.h"
#include "gui/gui_test_helpers.h"
#include "support/test_paths.h"

namespace tarveno::testing {
namespace {

bool chartIsEmpty(const Chart& chart) {
  for (const auto& m : chart.StepData) {
    for (uint8_t b : m) {
      if (b != 0) return false;
    }
  }
  return true;
}

QString q(const std::filesystem::path& path) {
  return QString::fromStdString(path.string());
}

TEST(MainWindowStartupTest, ArgumentsJoinIntoOneNameTakenFromTheLaunchFolder) {
  EXPECT_EQ(commandLineFileName({QStringLiteral("tarveno")}), QString());
  EXPECT_EQ(commandLineFileName({QStringLiteral("tarveno"), QStringLiteral("My"), QStringLiteral("Song.kru")}),
            QStringLiteral("My Song.kru"));
  EXPECT_EQ(commandLineFileName({QStringLiteral("tarveno"), QStringLiteral("\"x.kru\"")}), QStringLiteral("\"x.kru\""));
  const QString home = QStringLiteral("/home/u");
  EXPECT_EQ(resolveCommandLineFile(QStringLiteral("song.kru"), home), QStringLiteral("/home/u/song.kru"));
  EXPECT_EQ(resolveCommandLineFile(QStringLiteral("/abs/song.kru"), home), QStringLiteral("/abs/song.kru"));
  EXPECT_EQ(resolveCommandLineFile(QStringLiteral("\"a b.kru\""), home),
            QStringLiteral("/home/u/\"a b.kru\""));  // still unrecognised by its ending
  EXPECT_EQ(resolveCommandLineFile(QString(), home), QString());
}

TEST(MainWindowStartupTest, NoCommandLineGivesAnEmptyChartOfSongZero) {
  MainWindowHarness h;
  h.chart().Difficulty = 0;
  h.start();
  EXPECT_TRUE(h.prompts.shown.empty());
  EXPECT_EQ(h.chart().SongIndex, 0);
  EXPECT_EQ(h.chart().Difficulty, 1);
  EXPECT_FALSE(h.document.Modified);
  EXPECT_EQ(h.window().editorState().topRow, 3);
  EXPECT_EQ(h.window().editorState().currentDivide, 4);
}

TEST(MainWindowStartupTest, RefusedOrUnreadableFilesAreReportedAndLeaveTheEmptyChart) {
  TempDir dir;
  std::filesystem::create_directory(dir / "folder.kru");
  const QString unreadable[] = {q(dir / "missing.kru"), q(dir / "missing.mc"), q(dir / "folder.kru")};
  const char* refused[] = {"song.MC", "song.Kru", "\"/tmp/a.kru\"", "chart.txt", "a.kru "};  // case-sensitive
  std::vector<QString> names(std::begin(unreadable), std::end(unreadable));
  for (const char* name : refused) names.push_back(QString::fromLatin1(name));
  for (const QString& name : names) {
    SCOPED_TRACE(name.toStdString());
    MainWindowHarness h;
    h.start(name);
    ASSERT_EQ(h.prompts.shown.size(), 1u);
    const auto& shown = h.prompts.shown[0];
    EXPECT_EQ(shown.buttons, Prompts::Buttons::Ok);
    if (name.startsWith(q(dir.path()))) {
      EXPECT_TRUE(shown.text.contains(name)) << shown.text.toStdString();  // named
    } else {
      EXPECT_EQ(shown.title, QStringLiteral("Error"));
      EXPECT_EQ(shown.text, QStringLiteral("対応していない形式です"));
      EXPECT_EQ(shown.icon, Prompts::Icon::None);
    }
    EXPECT_TRUE(chartIsEmpty(h.chart()));
    EXPECT_FALSE(h.document.Modified);
    EXPECT_EQ(h.prompts.unexpected, 0);
  }
}

TEST(MainWindowStartupTest, KrunFileOpensWithEveryBeatTypeCurrent) {
  MainWindowHarness h;
  h.start(q(dataDir() / "examples" / "single.kru"));
  EXPECT_TRUE(h.prompts.shown.empty());
  EXPECT_FALSE(chartIsEmpty(h.chart()));
  EXPECT_FALSE(h.chart().KrunTitle.empty());
  EXPECT_FALSE(h.document.Modified);
  const int measures = h.catalogue.measures(h.chart().SongIndex);
  for (int m = 0; m < measures; ++m) {
    for (int b = 0; b < 4; ++b) {
      if (h.chart().StepData[m][4 * b] == kTripletMark) {
        EXPECT_EQ(h.chart().BeatType[m][b], 2) << m << ":" << b;
      }
    }
  }
}

TEST(MainWindowStartupTest, CardSaveOfAnUnknownSongShowsItsErrorAndStillFinishes) {
  Catalogue catalogue;
  catalogue.SongList[0] = SongRecord{"Lonely Song", 999, 120, 50, 1, 1, 0};
  MainWindowHarness h(catalogue);
  h.start(q(dataDir() / "examples" / "single.mc"));
  ASSERT_FALSE(h.prompts.shown.empty());
  EXPECT_EQ(h.prompts.shown[0].title, QStringLiteral("Error(Code102)"));
  EXPECT_TRUE(chartIsEmpty(h.chart()));
  EXPECT_FALSE(h.document.Modified);
}

TEST(MainWindowStartupTest, CatalogueProblemsAreReportedAndTheEditorStillRuns) {
  TempDir dir;
  ScriptedPrompts prompts;
  Catalogue missing = loadCatalogueAtStartUp(dir / "kruid.dat", prompts, nullptr);
  EXPECT_EQ(missing.validCount(), 0);
  ASSERT_EQ(prompts.shown.size(), 1u);
  EXPECT_EQ(prompts.shown[0].buttons, Prompts::Buttons::Ok);
  writeAll(dir / "kruid.dat", "1,\"A\",120,10,1,1,0\r\n2,\"B\",130");
  EXPECT_EQ(loadCatalogueAtStartUp(dir / "kruid.dat", prompts, nullptr).validCount(), 1);
  EXPECT_EQ(prompts.shown.size(), 2u);
  writeAll(dir / "kruid.dat", "1,\"A\",120,10,1,1,0\r\n");
  Catalogue good = loadCatalogueAtStartUp(dir / "kruid.dat", prompts, nullptr);
  EXPECT_EQ(good.validCount(), 1);
  EXPECT_EQ(good.folder, dir.path());
  EXPECT_EQ(prompts.shown.size(), 2u);

  MainWindowHarness h{Catalogue{}};  // with no songs at all
  h.start();
  h.click(h.canvasPoint(40, 40));
  h.wheel(-120);
  EXPECT_EQ(h.window().editorState().topRow, 3);  // the scroll range is just row 3
  EXPECT_EQ(h.chart().StepData[1][0], 2);         // the tables are still there to edit
}

}  // namespace
}  // namespace tarveno::testing
