#include <gtest/gtest.h>
#include <functional>

#include "core/chart/card.h"
#include "core/chart/open.h"
#include "core/sheet/view_settings.h"
#include "gui/app/app_context.h"
#include "gui/app/document_commands.h"
#include "support/scripted_prompts.h"
#include "support/test_paths.h"

namespace tarveno {
namespace {

using testing::readAll;
using testing::ScriptedPrompts;
using testing::TempDir;
using testing::writeAll;
using Answer = Prompts::Answer;

// The main window as the commands see it: ResetChart and FinishOpening as the real window
// does them to the document, the properties dialog replaced by a scripted action.
class FakeHost : public DocumentHost {
 public:
  explicit FakeHost(Document& document) : document_(document) {}
  QWidget* dialogParent() override { return nullptr; }
  void resetChart() override {
    ++resets;
    ResetChartData(document_.chart);
    document_.Modified = false;
  }
  void finishOpening() override {
    ++finishes;
    document_.Modified = false;
  }
  void openSettingsDialog() override {
    ++settings;
    if (onSettings) onSettings();
  }
  void closeStatistics() override { ++statisticsClosed; }

  std::function<void()> onSettings;
  int resets = 0;
  int finishes = 0;
  int settings = 0;
  int statisticsClosed = 0;

 private:
  Document& document_;
};

QString q(const std::filesystem::path& p) {
  return QString::fromStdString(p.string());
}

class DocumentCommandsTest : public ::testing::Test {
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
    kruFile = dir / "disk.kru";
    mcFile = dir / "disk.mc";
    EXPECT_TRUE(saveChartFile(kruFile, ChartFileKind::Krun, onDisk, catalogue));
    EXPECT_TRUE(saveChartFile(mcFile, ChartFileKind::Card, onDisk, catalogue));
  }

  // A chart the user has been working on.
  void editSomething() {
    Chart& c = document.chart;
    c.SongIndex = 0;
    c.EditName = "WORKEDIT";
    c.KrunTitle = "Work title";
    c.StepData[1][4] = 8;
    document.Modified = true;
  }
  bool stillTheEditedChart() const {
    return document.chart.StepData[1][4] == 8 && document.chart.EditName == "WORKEDIT" && document.Modified;
  }
  void expectSavePrompt(size_t i) {
    ASSERT_GT(prompts.shown.size(), i);
    EXPECT_EQ(prompts.shown[i].title, "ファイルの保存");
    EXPECT_EQ(prompts.shown[i].text, "データが変更されています。ファイルに保存しますか？");
    EXPECT_EQ(prompts.shown[i].buttons, Prompts::Buttons::YesNoCancel);
    EXPECT_EQ(prompts.shown[i].icon, Prompts::Icon::Question);
  }
  void expectFileError(size_t i, const std::filesystem::path& file) {
    ASSERT_GT(prompts.shown.size(), i);
    EXPECT_EQ(prompts.shown[i].title, "Error");
    EXPECT_EQ(prompts.shown[i].buttons, Prompts::Buttons::Ok);
    EXPECT_EQ(prompts.shown[i].icon, Prompts::Icon::Exclamation);
    EXPECT_TRUE(prompts.shown[i].text.contains(q(file))) << prompts.shown[i].text.toStdString();
  }

  TempDir dir;
  Catalogue catalogue;
  Document document;
  ViewSettings view;
  ScriptedPrompts prompts;
  AppContext context{document, catalogue, view, prompts};
  FakeHost host{document};
  DocumentCommands commands{context, host};
  std::filesystem::path kruFile;
  std::filesystem::path mcFile;
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
  prompts.answerMessage(outcome == Outcome::Cancel ? Answer::Cancel
                        : outcome == Outcome::No   ? Answer::No
                                                   : Answer::Yes);
  if (outcome == Outcome::YesButSaveCancelled) prompts.answerSave(std::nullopt);
  if (outcome == Outcome::YesAndSaved) prompts.answerSave(Prompts::FileChoice{q(savedTo), 1});
  const bool goesOn = outcome == Outcome::No || outcome == Outcome::YesAndSaved;
  if (command == Command::Open && goesOn) prompts.answerOpen(Prompts::FileChoice{q(kruFile), 2});

  bool closeAllowed = false;
  switch (command) {
    case Command::New:
      commands.newChart();
      break;
    case Command::Open:
      commands.open();
      break;
    case Command::Drop:
      commands.dropFiles({q(kruFile)});
      break;
    case Command::Close:
      closeAllowed = commands.closeQuery();
      break;
  }

  expectSavePrompt(0);
  EXPECT_EQ(prompts.unexpected, 0);
  EXPECT_TRUE(prompts.allAnswersUsed());
  EXPECT_EQ(std::filesystem::exists(savedTo), outcome == Outcome::YesAndSaved);
  if (outcome == Outcome::YesAndSaved) {
    EXPECT_EQ(readAll(savedTo).size(), kCardFileSize);
  }

  if (!goesOn) {
    EXPECT_TRUE(stillTheEditedChart());
    EXPECT_EQ(host.resets + host.finishes + host.settings + host.statisticsClosed, 0);
    EXPECT_FALSE(closeAllowed);
    // Only the save dialog may have been shown, never the open dialog.
    EXPECT_EQ(prompts.fileFilters.size(), outcome == Outcome::YesButSaveCancelled ? 1u : 0u);
    return;
  }
  switch (command) {
    case Command::New:
      EXPECT_EQ(host.resets, 1);
      EXPECT_EQ(host.settings, 1);
      EXPECT_EQ(document.chart.StepData[1][4], 0);
      break;
    case Command::Open:
    case Command::Drop:
      EXPECT_EQ(host.finishes, 1);
      EXPECT_EQ(document.chart.KrunTitle, "From file");
      EXPECT_EQ(document.chart.StepData[2][0], 2);
      EXPECT_EQ(document.chart.StepData[1][4], 0);
      EXPECT_FALSE(document.Modified);
      break;
    case Command::Close:
      EXPECT_TRUE(closeAllowed);
      EXPECT_EQ(host.statisticsClosed, 1);
      break;
  }
}

INSTANTIATE_TEST_SUITE_P(DocumentEveryPath, DocumentUnsavedCheck,
                         ::testing::Combine(::testing::Values(Command::New, Command::Open, Command::Drop,
                                                              Command::Close),
                                            ::testing::Values(Outcome::Cancel, Outcome::YesButSaveCancelled,
                                                              Outcome::YesAndSaved, Outcome::No)));

TEST_F(DocumentCommandsTest, AnUnchangedChartIsDiscardedWithoutAsking) {
  EXPECT_TRUE(commands.closeQuery());
  EXPECT_EQ(host.statisticsClosed, 1);
  commands.newChart();
  EXPECT_EQ(host.resets, 1);
  EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(DocumentCommandsTest, DecliningToFixTheSettingsCancelsTheCommandThatAsked) {
  editSomething();
  document.chart.EditName.clear();
  prompts.answerMessage(Answer::Yes);  // save first
  prompts.answerSave(Prompts::FileChoice{q(dir / "x.mc"), 1});
  prompts.answerMessage(Answer::No);  // do not fix the edit name
  EXPECT_FALSE(commands.closeQuery());
  EXPECT_FALSE(std::filesystem::exists(dir / "x.mc"));
  EXPECT_TRUE(document.Modified);
  EXPECT_EQ(host.statisticsClosed, 0);
}

// ---- Save ----

TEST_F(DocumentCommandsTest, MissingKrunTitleAnsweredNoWritesNothing) {
  editSomething();
  document.chart.KrunTitle.clear();
  prompts.answerSave(Prompts::FileChoice{q(dir / "t.kru"), 2});
  prompts.answerMessage(Answer::No);
  commands.save();
  ASSERT_EQ(prompts.shown.size(), 1u);
  EXPECT_EQ(prompts.shown[0].title, "設定に不備があります");
  EXPECT_EQ(prompts.shown[0].text, "・KRUNタイトルが未記入です。\r\r今すぐ修正しますか？");
  EXPECT_EQ(prompts.shown[0].buttons, Prompts::Buttons::YesNo);
  EXPECT_EQ(prompts.shown[0].icon, Prompts::Icon::None);
  EXPECT_FALSE(commands.saveDone);
  EXPECT_TRUE(document.Modified);
  EXPECT_EQ(host.settings, 0);
  EXPECT_FALSE(std::filesystem::exists(dir / "t.kru"));
}

TEST_F(DocumentCommandsTest, MissingKrunTitleAnsweredYesOpensTheSettingsThenSaves) {
  editSomething();
  document.chart.KrunTitle.clear();
  host.onSettings = [&] { document.chart.KrunTitle = "Fixed Title"; };
  prompts.answerSave(Prompts::FileChoice{q(dir / "t.kru"), 2});
  prompts.answerMessage(Answer::Yes);
  commands.save();
  EXPECT_EQ(host.settings, 1);
  EXPECT_TRUE(commands.saveDone);
  EXPECT_FALSE(document.Modified);
  EXPECT_NE(readAll(dir / "t.kru").find("Fixed Title"), std::string::npos);
}

TEST_F(DocumentCommandsTest, MissingEditNameAsksAgainUntilFixedOrDeclined) {
  editSomething();
  document.chart.EditName.clear();
  int round = 0;
  host.onSettings = [&] {
    if (++round == 2) document.chart.EditName = "FIXED";
  };
  prompts.answerSave(Prompts::FileChoice{q(dir / "e.mc"), 1});
  prompts.answerMessage(Answer::Yes);
  prompts.answerMessage(Answer::Yes);
  commands.save();
  ASSERT_EQ(prompts.shown.size(), 2u);
  EXPECT_EQ(prompts.shown[1].text, "・EDIT名が未記入です。\r\r今すぐ修正しますか？");
  EXPECT_EQ(host.settings, 2);
  EXPECT_TRUE(commands.saveDone);
  EXPECT_EQ(readAll(dir / "e.mc").size(), kCardFileSize);

  // Answered No: nothing written, still modified.
  document.chart.EditName.clear();
  document.Modified = true;
  prompts.shown.clear();
  prompts.answerSave(Prompts::FileChoice{q(dir / "f.mc"), 1});
  prompts.answerMessage(Answer::No);
  commands.save();
  EXPECT_EQ(prompts.shown.size(), 1u);
  EXPECT_FALSE(commands.saveDone);
  EXPECT_TRUE(document.Modified);
  EXPECT_FALSE(std::filesystem::exists(dir / "f.mc"));
}

TEST_F(DocumentCommandsTest, EachKindAsksOnlyForItsOwnField) {
  editSomething();
  document.chart.KrunTitle.clear();
  prompts.answerSave(Prompts::FileChoice{q(dir / "a.mc"), 1});
  commands.save();
  EXPECT_TRUE(commands.saveDone);

  document.chart.KrunTitle = "Title";
  document.chart.EditName.clear();
  prompts.answerSave(Prompts::FileChoice{q(dir / "a.kru"), 2});
  commands.save();
  EXPECT_TRUE(commands.saveDone);
  EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(DocumentCommandsTest, TheFilterEntryNotTheNameDecidesTheKind) {
  editSomething();
  prompts.answerSave(Prompts::FileChoice{q(dir / "x.kru"), 1});
  commands.save();
  const std::string card = readAll(dir / "x.kru");
  EXPECT_EQ(card.size(), kCardFileSize);

  prompts.answerSave(Prompts::FileChoice{q(dir / "y.mc"), 2});
  commands.save();
  const std::string text = readAll(dir / "y.mc");
  EXPECT_NE(text.size(), kCardFileSize);
  EXPECT_NE(text.find("Work title"), std::string::npos);

  // Reading back goes by the filter entry too.
  document = Document{};
  prompts.answerOpen(Prompts::FileChoice{q(dir / "x.kru"), 1});
  commands.open();
  EXPECT_EQ(document.chart.EditName, "WORKEDIT");
  EXPECT_EQ(document.chart.StepData[1][4], 8);
  prompts.answerOpen(Prompts::FileChoice{q(dir / "y.mc"), 2});
  commands.open();
  EXPECT_EQ(document.chart.KrunTitle, "Work title");
  EXPECT_EQ(prompts.unexpected, 0);
}

TEST_F(DocumentCommandsTest, OpenAndSaveShareOneFileDialogState) {
  editSomething();
  prompts.answerSave(Prompts::FileChoice{q(dir / "shared.mc"), 1});
  commands.save();
  prompts.answerOpen(std::nullopt);
  commands.open();
  ASSERT_EQ(prompts.fileInitials.size(), 2u);
  EXPECT_EQ(prompts.fileInitials[1], q(dir / "shared.mc"));
  for (const QString& f : prompts.fileFilters) EXPECT_EQ(f, "memorycard image(*.mc)|*.mc|KRUN Data (*.kru)|*.kru");
  // A cancelled open dialog changes nothing.
  EXPECT_EQ(document.chart.EditName, "WORKEDIT");
  EXPECT_EQ(host.finishes, 0);
}

TEST_F(DocumentCommandsTest, AFailedWriteKeepsTheOldFileAndModified) {
  editSomething();
  const std::filesystem::path old = dir / "old.mc";
  writeAll(old, "previous content");

  // The card writer needs a song; without one nothing may reach the disk.
  document.chart.SongIndex = -1;
  prompts.answerSave(Prompts::FileChoice{q(old), 1});
  commands.save();
  expectFileError(0, old);
  EXPECT_FALSE(commands.saveDone);
  EXPECT_TRUE(document.Modified);
  EXPECT_EQ(readAll(old), "previous content");

  document.chart.SongIndex = 0;
  const std::filesystem::path missingFolder = dir / "gone" / "new.kru";
  prompts.answerSave(Prompts::FileChoice{q(missingFolder), 2});
  commands.save();
  expectFileError(1, missingFolder);
  EXPECT_FALSE(commands.saveDone);
  EXPECT_TRUE(document.Modified);

  prompts.answerSave(Prompts::FileChoice{q(dir.path()), 1});  // a folder as the target
  commands.save();
  expectFileError(2, dir.path());
  EXPECT_TRUE(std::filesystem::is_directory(dir.path()));
  EXPECT_TRUE(document.Modified);

  // A failed save inside the unsaved-changes check cancels the command.
  prompts.answerMessage(Answer::Yes);
  prompts.answerSave(Prompts::FileChoice{q(missingFolder), 1});
  EXPECT_FALSE(commands.closeQuery());
  EXPECT_EQ(host.statisticsClosed, 0);
}

// ---- Open, drop and the command line ----

TEST_F(DocumentCommandsTest, AFailedReadLeavesTheChartAndModifiedAsTheyWere) {
  std::filesystem::create_directory(dir / "folder.kru");
  writeAll(dir / "short.mc", std::string(100, '\x01'));
  struct Case {
    std::filesystem::path file;
    int filter;
  };
  for (const Case& k : {Case{dir / "missing.kru", 2}, Case{dir / "folder.kru", 2}, Case{dir / "short.mc", 1}}) {
    for (bool modified : {false, true}) {
      editSomething();
      document.Modified = modified;
      prompts.shown.clear();
      if (modified) prompts.answerMessage(Answer::No);
      prompts.answerOpen(Prompts::FileChoice{q(k.file), k.filter});
      commands.open();
      expectFileError(modified ? 1 : 0, k.file);
      EXPECT_EQ(document.chart.StepData[1][4], 8) << k.file;
      EXPECT_EQ(document.chart.KrunTitle, "Work title");
      EXPECT_EQ(document.Modified, modified);
      EXPECT_EQ(host.finishes, 0);

      prompts.shown.clear();
      if (modified) prompts.answerMessage(Answer::No);
      commands.dropFiles({q(k.file)});
      expectFileError(modified ? 1 : 0, k.file);
      EXPECT_EQ(document.chart.StepData[1][4], 8);
      EXPECT_EQ(document.Modified, modified);
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
  EXPECT_EQ(prompts.shown[0].title, "Error(Code102)");
  EXPECT_EQ(prompts.shown[0].text, "不正なデータです");
  EXPECT_EQ(prompts.shown[0].icon, Prompts::Icon::None);
  EXPECT_EQ(host.finishes, 1);
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

  document.chart.KrunTitle = "Kept";
  document.chart.KrunWidth = 3;
  document.chart.KrunHeight = 4;
  document.chart.KrunComment = "Kept comment";
  commands.dropFiles({q(mcFile)});
  EXPECT_EQ(document.chart.EditName, "DISKEDIT");
  EXPECT_EQ(document.chart.SongIndex, 1);
  EXPECT_EQ(document.chart.KrunTitle, "Kept");
  EXPECT_EQ(document.chart.KrunWidth, 3);
  EXPECT_EQ(document.chart.KrunHeight, 4);
  EXPECT_EQ(document.chart.KrunComment, "Kept comment");
}

TEST_F(DocumentCommandsTest, DropTakesTheFirstFileByItsEnding) {
  commands.dropFiles({});
  EXPECT_TRUE(prompts.shown.empty());

  commands.dropFiles({q(kruFile), q(dir / "not-there.mc")});
  EXPECT_EQ(host.finishes, 1);
  EXPECT_TRUE(prompts.shown.empty()) << "the second file is never read";

  // Dropping an unsupported file after answering No keeps the chart, still modified.
  editSomething();
  for (const char* name : {"notes.txt", "DISK.MC", "chart.kru.bak"}) {
    prompts.shown.clear();
    prompts.answerMessage(Answer::No);
    commands.dropFiles({q(dir / name), q(kruFile)});
    ASSERT_EQ(prompts.shown.size(), 2u) << name;
    EXPECT_EQ(prompts.shown[1].title, "Error");
    EXPECT_EQ(prompts.shown[1].text, "対応していない形式です");
    EXPECT_EQ(prompts.shown[1].icon, Prompts::Icon::None);
    EXPECT_TRUE(stillTheEditedChart()) << name;
  }
  EXPECT_EQ(host.finishes, 1);
}

TEST_F(DocumentCommandsTest, CommandLineFilesAreReportedByNameAndTheOpeningFinishes) {
  commands.openCommandLine(q(dir / "absent.kru"));
  expectFileError(0, dir / "absent.kru");
  EXPECT_EQ(host.finishes, 1);

  commands.openCommandLine(QStringLiteral("\"") + q(kruFile) + QStringLiteral("\""));
  EXPECT_EQ(prompts.shown.back().text, "対応していない形式です");
  EXPECT_EQ(host.finishes, 2);

  commands.openCommandLine(q(kruFile));
  EXPECT_EQ(document.chart.KrunTitle, "From file");
  EXPECT_EQ(host.finishes, 3);
}

}  // namespace
}  // namespace tarveno
