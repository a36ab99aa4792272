#include <gtest/gtest.h>
#include <functional>

#include "core/chart/card.h"
#include "core/chart/open.h"
#include "core/sheet/view_settings.h"
#include "gui/app/app_context.h"
#include "gui/app/document_commands.h"
#include "gui/app/qt_prompts.h"
#include "gui/gui_test_helpers.h"
#include "support/scripted_prompts.h"
#include "support/test_paths.h"

namespace tarveno {
namespace {

using testing::readAll;
using testing::ScriptedPrompts;
using testing::TempDir;
using testing::writeAll;
using Answer = Prompts::Answer;
using Choice = Prompts::FileChoice;

QString q(const std::filesystem::path& p) {
  return QString::fromStdString(p.string());
}

// The fixture stands in for the main window: ResetChart and FinishOpening as the real window
// does them to the document, the properties dialog replaced by a scripted action.
class DocumentCommandsTest : public ::testing::Test, public testing::AppParts, public DocumentHost {
 protected:
  DocumentCommandsTest() {
    catalogue.SongList[0] = {"Doc Song", 5, 120, 8, 1, 0, 0};
    catalogue.SongList[1] = {"Other Song", 6, 140, 10, 1, 0, 0};
    catalogue.folder = dir.path();

    // A file on disk to open: song 1, one arrow, a KRUN title.
    Chart onDisk;
    onDisk.SongIndex = 1;
    onDisk.EditName = "DISKEDIT";
    onDisk.KrunTitle = "From file";
    onDisk.StepData[2][0] = 2;
    EXPECT_TRUE(saveChartFile(kruFile, ChartFileKind::Krun, onDisk, catalogue));
    EXPECT_TRUE(saveChartFile(mcFile, ChartFileKind::Card, onDisk, catalogue));
  }

  // A chart the user has been working on.
  void editSomething() {
    Chart& c = document.chart;
    std::tie(c.SongIndex, c.EditName, c.KrunTitle) = std::make_tuple(0, "WORKEDIT", "Work title");
    c.StepData[1][4] = 8;
    document.Modified = true;
  }
  bool stillTheEditedChart() const {
    return document.chart.StepData[1][4] == 8 && document.chart.EditName == "WORKEDIT" && document.Modified;
  }
  void expectMessage(size_t i, const char* title, const char* text, Prompts::Buttons buttons, Prompts::Icon icon) {
    ASSERT_GT(prompts.shown.size(), i);
    EXPECT_EQ(prompts.shown[i].title, QString::fromUtf8(title));
    EXPECT_EQ(prompts.shown[i].text, QString::fromUtf8(text));
    EXPECT_EQ(prompts.shown[i].buttons, buttons);
    EXPECT_EQ(prompts.shown[i].icon, icon);
  }
  void expectFileError(size_t i, const std::filesystem::path& file) {
    ASSERT_GT(prompts.shown.size(), i);
    EXPECT_EQ(prompts.shown[i].title, "Error");
    EXPECT_EQ(prompts.shown[i].buttons, Prompts::Buttons::Ok);
    EXPECT_EQ(prompts.shown[i].icon, Prompts::Icon::Exclamation);
    EXPECT_TRUE(prompts.shown[i].text.contains(q(file))) << prompts.shown[i].text.toStdString();
  }
  QWidget* dialogParent() override { return nullptr; }
  void resetChart() override {
    ++resets;
    ResetChartData(document.chart);
    document.Modified = false;
  }
  void finishOpening() override {
    ++finishes;
    document.Modified = false;
  }
  void openSettingsDialog() override {
    ++settings;
    if (onSettings) onSettings();
  }
  void closeStatistics() override { ++statisticsClosed; }

  void saveAs(const std::filesystem::path& file, int filter) {
    prompts.answerSave(Choice{q(file), filter});
    commands.save();
  }

  TempDir dir;
  DocumentCommands commands{context, *this};
  std::function<void()> onSettings;
  int resets = 0, finishes = 0, settings = 0, statisticsClosed = 0;
  std::filesystem::path kruFile = dir / "disk.kru";
  std::filesystem::path mcFile = dir / "disk.mc";
};

// ---- the unsaved-changes check, for every command that discards the chart ----

enum class Command { New, Open, Drop, Close };
enum class Outcome { Cancel, YesButSaveCancelled, YesAndSaved, No };

class DocumentUnsavedCheck : public DocumentCommandsTest,
                             public ::testing::WithParamInterface<std::tuple<Command, Outcome>> {};

TEST_P(DocumentUnsavedCheck, GoesOnOnlyAfterNoOrACompletedSave) {
  const auto [command, outcome] = GetParam();
  editSomething();
  const std::filesystem::path savedTo = dir / "saved.mc";
  const Answer answers[] = {Answer::Cancel, Answer::Yes, Answer::Yes, Answer::No};
  prompts.answerMessage(answers[static_cast<int>(outcome)]);
  if (outcome == Outcome::YesButSaveCancelled) prompts.answerSave(std::nullopt);
  if (outcome == Outcome::YesAndSaved) prompts.answerSave(Choice{q(savedTo), 1});
  const bool goesOn = outcome == Outcome::No || outcome == Outcome::YesAndSaved;
  if (command == Command::Open && goesOn) prompts.answerOpen(Choice{q(kruFile), 2});

  bool closeAllowed = false;
  if (command == Command::New) commands.newChart();
  if (command == Command::Open) commands.open();
  if (command == Command::Drop) commands.dropFiles({q(kruFile)});
  if (command == Command::Close) closeAllowed = commands.closeQuery();

  expectMessage(0, "ファイルの保存", "データが変更されています。ファイルに保存しますか？",
                Prompts::Buttons::YesNoCancel, Prompts::Icon::Question);
  EXPECT_EQ(prompts.unexpected, 0);
  EXPECT_TRUE(prompts.allAnswersUsed());
  EXPECT_EQ(std::filesystem::exists(savedTo), outcome == Outcome::YesAndSaved);
  if (outcome == Outcome::YesAndSaved) {
    EXPECT_EQ(readAll(savedTo).size(), kCardFileSize);
  }

  if (!goesOn) {
    EXPECT_TRUE(stillTheEditedChart());
    EXPECT_EQ(resets + finishes + settings + statisticsClosed, 0);
    EXPECT_FALSE(closeAllowed);
    // Only the save dialog may have been shown, never the open dialog.
    EXPECT_EQ(prompts.fileDialogs.size(), outcome == Outcome::YesButSaveCancelled ? 1u : 0u);
  } else if (command == Command::New) {
    EXPECT_EQ(resets, 1);
    EXPECT_EQ(settings, 1);
    EXPECT_EQ(document.chart.StepData[1][4], 0);
  } else if (command == Command::Close) {
    EXPECT_TRUE(closeAllowed);
    EXPECT_EQ(statisticsClosed, 1);
  } else {
    EXPECT_EQ(finishes, 1);
    EXPECT_EQ(document.chart.KrunTitle, "From file");
    EXPECT_EQ(document.chart.StepData[2][0], 2);
    EXPECT_EQ(document.chart.StepData[1][4], 0);
    EXPECT_FALSE(document.Modified);
  }
}

std::string pathName(const ::testing::TestParamInfo<std::tuple<Command, Outcome>>& info) {
  static const char* const commands[] = {"New", "Open", "Drop", "Close"};
  static const char* const outcomes[] = {"Cancel", "YesButSaveCancelled", "YesAndSaved", "No"};
  return std::string(commands[static_cast<int>(std::get<0>(info.param))]) +
         outcomes[static_cast<int>(std::get<1>(info.param))];
}

INSTANTIATE_TEST_SUITE_P(DocumentEveryPath, DocumentUnsavedCheck,
                         ::testing::Combine(::testing::Values(Command::New, Command::Open, Command::Drop,
                                                              Command::Close),
                                            ::testing::Values(Outcome::Cancel, Outcome::YesButSaveCancelled,
                                                              Outcome::YesAndSaved, Outcome::No)),
                         pathName);

TEST_F(DocumentCommandsTest, AnUnchangedChartIsDiscardedWithoutAsking) {
  EXPECT_TRUE(commands.closeQuery());
  EXPECT_EQ(statisticsClosed, 1);
  commands.newChart();
  EXPECT_EQ(resets, 1);
  EXPECT_TRUE(prompts.shown.empty());
}

// ---- Save ----

TEST_F(DocumentCommandsTest, AnIncompleteHeaderAsksUntilFixedOrDeclined) {
  editSomething();
  document.chart.KrunTitle.clear();
  prompts.answerMessage(Answer::No);
  saveAs(dir / "t.kru", 2);
  ASSERT_EQ(prompts.shown.size(), 1u);
  expectMessage(0, "設定に不備があります", "・KRUNタイトルが未記入です。\r\r今すぐ修正しますか？",
                Prompts::Buttons::YesNo, Prompts::Icon::None);
  EXPECT_FALSE(commands.saveDone);
  EXPECT_TRUE(document.Modified);
  EXPECT_EQ(settings, 0);
  EXPECT_FALSE(std::filesystem::exists(dir / "t.kru"));

  // Each Yes opens the settings and checks again.
  document.chart.EditName.clear();
  int round = 0;
  onSettings = [&] {
    if (++round == 2) document.chart.EditName = "FIXED";
  };
  prompts.answerMessage(Answer::Yes);
  prompts.answerMessage(Answer::Yes);
  saveAs(dir / "e.mc", 1);
  ASSERT_EQ(prompts.shown.size(), 3u);
  EXPECT_EQ(prompts.shown[2].text, "・EDIT名が未記入です。\r\r今すぐ修正しますか？");
  EXPECT_EQ(settings, 2);
  EXPECT_TRUE(commands.saveDone);
  EXPECT_FALSE(document.Modified);
  EXPECT_EQ(readAll(dir / "e.mc").size(), kCardFileSize);
}

TEST_F(DocumentCommandsTest, TheFilterEntryNotTheNameDecidesTheKindAndDialogsShareTheirState) {
  editSomething();
  saveAs(dir / "x.kru", 1);
  EXPECT_EQ(readAll(dir / "x.kru").size(), kCardFileSize);
  saveAs(dir / "y.mc", 2);
  const std::string text = readAll(dir / "y.mc");
  EXPECT_NE(text.size(), kCardFileSize);
  EXPECT_NE(text.find("Work title"), std::string::npos);

  // Reading back goes by the filter entry too.
  document = Document{};
  prompts.answerOpen(Choice{q(dir / "x.kru"), 1});
  commands.open();
  EXPECT_EQ(document.chart.EditName, "WORKEDIT");
  EXPECT_EQ(document.chart.StepData[1][4], 8);
  prompts.answerOpen(Choice{q(dir / "y.mc"), 2});
  commands.open();
  EXPECT_EQ(document.chart.KrunTitle, "Work title");
  EXPECT_EQ(finishes, 2);

  // Open and save share one dialog state: each starts with the name last chosen in either.
  saveAs(dir / "z.mc", 1);
  prompts.answerOpen(std::nullopt);
  commands.open();  // cancelled: changes nothing
  std::vector<QString> initials;
  for (const auto& d : prompts.fileDialogs) {
    initials.push_back(d.initialPath);
    EXPECT_EQ(d.filter, "memorycard image(*.mc)|*.mc|KRUN Data (*.kru)|*.kru");
  }
  EXPECT_EQ(initials, (std::vector<QString>{"", q(dir / "x.kru"), q(dir / "y.mc"), q(dir / "x.kru"), q(dir / "y.mc"),
                                            q(dir / "z.mc")}));
  EXPECT_EQ(document.chart.KrunTitle, "Work title");
  EXPECT_EQ(finishes, 2);
  EXPECT_EQ(prompts.unexpected, 0);
}

TEST_F(DocumentCommandsTest, AFailedWriteKeepsTheOldFileAndModified) {
  editSomething();
  const std::filesystem::path old = dir / "old.mc", missingFolder = dir / "gone" / "new.kru";
  writeAll(old, "previous content");
  struct Case {
    std::filesystem::path file;
    int filter;
    int16_t song;  // the card writer needs a song; without one nothing may reach the disk
  };
  const Case cases[] = {{old, 1, -1}, {missingFolder, 2, 0}, {dir.path(), 1, 0} /* a folder as the target */};
  for (size_t i = 0; i < std::size(cases); ++i) {
    document.chart.SongIndex = cases[i].song;
    saveAs(cases[i].file, cases[i].filter);
    expectFileError(i, cases[i].file);
    EXPECT_FALSE(commands.saveDone) << i;
    EXPECT_TRUE(document.Modified) << i;
  }
  EXPECT_EQ(readAll(old), "previous content");
  EXPECT_TRUE(std::filesystem::is_directory(dir.path()));
}

// ---- Open, drop and the command line ----

TEST_F(DocumentCommandsTest, AFailedReadLeavesTheChartAndModifiedAsTheyWere) {
  std::filesystem::create_directory(dir / "folder.kru");
  writeAll(dir / "short.mc", std::string(100, '\x01'));
  const std::pair<std::filesystem::path, int> files[] = {
      {dir / "missing.kru", 2}, {dir / "folder.kru", 2}, {dir / "short.mc", 1}};
  editSomething();
  for (const auto& [file, filter] : files) {
    for (bool drop : {false, true}) {
      prompts.shown.clear();
      prompts.answerMessage(Answer::No);
      if (drop) {
        commands.dropFiles({q(file)});
      } else {
        prompts.answerOpen(Choice{q(file), filter});
        commands.open();
      }
      expectFileError(1, file);
      EXPECT_TRUE(stillTheEditedChart()) << file << drop;
      EXPECT_EQ(document.chart.KrunTitle, "Work title");
      EXPECT_EQ(finishes, 0);
    }
  }
  EXPECT_EQ(prompts.unexpected, 0);
}

TEST_F(DocumentCommandsTest, CardErrorsAreShownAndTheOpeningStillFinishes) {
  Catalogue elsewhere;
  elsewhere.SongList[0] = {"Unknown Here", 99, 120, 8, 1, 0, 0};
  Chart foreign;
  foreign.EditName = "ALIENEDT";
  foreign.StepData[1][0] = 1;
  ASSERT_TRUE(WriteCardSaveFile(dir / "foreign.mc", foreign, elsewhere));

  editSomething();
  document.Modified = false;
  commands.dropFiles({q(dir / "foreign.mc")});
  ASSERT_EQ(prompts.shown.size(), 1u);
  expectMessage(0, "Error(Code102)", "不正なデータです", Prompts::Buttons::Ok, Prompts::Icon::None);
  EXPECT_EQ(finishes, 1);
  EXPECT_EQ(document.chart.EditName, "ALIENEDT");
  EXPECT_EQ(document.chart.StepData[1][4], 0);
  EXPECT_FALSE(document.Modified);
}

TEST_F(DocumentCommandsTest, EachFormatLeavesTheFieldsItDoesNotCarry) {
  editSomething();
  document.Modified = false;
  document.chart.FreezeData[1][0] = 1;
  commands.dropFiles({q(kruFile)});
  EXPECT_EQ(document.chart.EditName, "WORKEDIT");
  EXPECT_EQ(document.chart.SongIndex, 0);
  EXPECT_EQ(document.chart.FreezeData[1][0], 0) << "a text chart has no freeze arrows";

  Chart& c = document.chart;
  std::tie(c.KrunTitle, c.KrunWidth, c.KrunHeight, c.KrunComment) = std::make_tuple("Kept", 3, 4, "Kept comment");
  commands.dropFiles({q(mcFile)});
  EXPECT_EQ(std::tie(c.EditName, c.SongIndex, c.KrunTitle, c.KrunWidth, c.KrunHeight, c.KrunComment),
            std::make_tuple("DISKEDIT", 1, "Kept", 3, 4, "Kept comment"));
}

TEST_F(DocumentCommandsTest, DropTakesTheFirstFileByItsEnding) {
  commands.dropFiles({});
  EXPECT_TRUE(prompts.shown.empty());
  commands.dropFiles({q(kruFile), q(dir / "not-there.mc")});
  EXPECT_EQ(finishes, 1);
  EXPECT_TRUE(prompts.shown.empty()) << "the second file is never read";

  // Dropping an unsupported file after answering No keeps the chart, still modified.
  editSomething();
  for (const char* name : {"notes.txt", "DISK.MC", "chart.kru.bak"}) {
    prompts.shown.clear();
    prompts.answerMessage(Answer::No);
    commands.dropFiles({q(dir / name), q(kruFile)});
    ASSERT_EQ(prompts.shown.size(), 2u) << name;
    expectMessage(1, "Error", "対応していない形式です", Prompts::Buttons::Ok, Prompts::Icon::None);
    EXPECT_TRUE(stillTheEditedChart()) << name;
  }
  EXPECT_EQ(finishes, 1);
}

TEST_F(DocumentCommandsTest, CommandLineFilesAreReportedByNameAndTheOpeningFinishes) {
  commands.openCommandLine(q(dir / "absent.kru"));
  expectFileError(0, dir / "absent.kru");
  EXPECT_EQ(finishes, 1);

  commands.openCommandLine(QStringLiteral("\"") + q(kruFile) + QStringLiteral("\""));
  EXPECT_EQ(prompts.shown.back().text, "対応していない形式です");
  EXPECT_EQ(finishes, 2);

  commands.openCommandLine(q(kruFile));
  EXPECT_EQ(document.chart.KrunTitle, "From file");
  EXPECT_EQ(finishes, 3);
}

// A name typed without an extension is saved under the chosen type's extension, so it can be
// opened again by its name.
TEST(FileDialogs, ABareNameGetsTheExtensionOfTheChosenType) {
  const QString charts = QString::fromUtf8(DocumentCommands::kFileFilter);
  EXPECT_EQ(defaultSuffixOf(charts, 1), "mc");
  EXPECT_EQ(defaultSuffixOf(charts, 2), "kru");
  EXPECT_EQ(defaultSuffixOf(QStringLiteral("JPEG(*.jpg; *.jpeg)|*.jpg;*.jpeg"), 1), "jpg");
  EXPECT_EQ(defaultSuffixOf(charts, 3), "");
}

}  // namespace
}  // namespace tarveno
