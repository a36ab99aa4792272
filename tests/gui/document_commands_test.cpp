#include <gtest/gtest.h>
#include <functional>

#include "core/chart/card.h"
#include "core/chart/chart_files.h"
#include "gui/app/document_commands.h"
#include "gui/app/qt_prompts.h"
#include "gui/gui_test_helpers.h"
#include "gui/sheet/sheet_export.h"
#include "support/test_paths.h"

namespace tarveno::testing {
namespace {

using Answer = Prompts::Answer;
using Choice = Prompts::FileChoice;
using Buttons = Prompts::Buttons;
using Icon = Prompts::Icon;

QString q(const std::filesystem::path& p) {
  return QString::fromStdString(p.string());
}

// The fixture stands in for the main window: its ResetChart and FinishOpening reduced to what
// they do to the document, the properties dialog replaced by a scripted action.
class DocumentCommandsTest : public ::testing::Test, public AppParts, public DocumentHost {
 protected:
  DocumentCommandsTest() {
    catalogue.SongList[0] = {"Doc Song", 5, 120, 8, 1, 0, 0};
    Chart onDisk;
    onDisk.KrunTitle = "From file";
    EXPECT_TRUE(saveChartFile(kruFile, ChartFileKind::Krun, onDisk, catalogue));
  }

  // A chart the user has been working on.
  void editSomething() {
    Chart& c = document.chart;
    std::tie(c.EditName, c.KrunTitle, c.StepData[1][4], document.Modified) =
        std::tuple("WORKEDIT", "Work title", 8, true);
  }
  bool stillTheEditedChart() const {
    return document.chart.StepData[1][4] == 8 && document.chart.KrunTitle == "Work title" && document.Modified;
  }
  void expectMessage(size_t i, const char* title, const char* text, Buttons buttons, Icon icon) {
    const auto& m = prompts.shown.at(i);
    EXPECT_EQ(std::tuple(m.title, m.text, m.buttons, m.icon),
              std::tuple(QString::fromUtf8(title), QString::fromUtf8(text), buttons, icon));
  }
  // A file that could not be read or written is reported by name.
  void expectFileError(size_t i, const std::filesystem::path& file) {
    const auto& m = prompts.shown.at(i);
    EXPECT_EQ(m.title, "Error");
    EXPECT_TRUE(m.text.contains(q(file))) << m.text.toStdString();
  }
  void saveAs(const std::filesystem::path& file, int filter) {
    prompts.answerSave(Choice{q(file), filter});
    commands.save();
  }

  QWidget* dialogParent() override { return nullptr; }
  void resetChart() override { ++resets, resetChartData(document.chart), document.Modified = false; }
  void finishOpening(const QString&) override { ++finishes, document.Modified = false; }
  void documentSaved(const QString&, bool kept) override { document.Modified = !kept; }
  void openSettingsDialog(int tab) override { ++settings, settingsTab = tab, onSettings ? onSettings() : void(); }
  void closeStatistics() override { ++statisticsClosed; }

  TempDir dir;
  DocumentCommands commands{context, *this};
  std::function<void()> onSettings;
  int resets = 0, finishes = 0, settings = 0, settingsTab = -1, statisticsClosed = 0;
  std::filesystem::path kruFile = dir / "disk.kru";
};

TEST_F(DocumentCommandsTest, UnsavedChangesCheckGoesOnOnlyAfterNoOrACompletedSave) {
  EXPECT_TRUE(commands.confirmDiscard());
  EXPECT_EQ(prompts.shown.size(), 0u) << "an unchanged chart needs no question";
  // The answer, whether the save dialog then chooses a file, and whether the command goes on.
  const std::tuple<Answer, bool, bool> cases[] = {{Answer::Cancel, false, false},
                                                  {Answer::Yes, false, false},
                                                  {Answer::No, false, true},
                                                  {Answer::Yes, true, true}};
  for (auto [answer, saved, goesOn] : cases) {
    editSomething();
    prompts.shown.clear();
    prompts.answerMessage(answer);
    if (answer == Answer::Yes) prompts.answerSave(saved ? std::optional(Choice{q(dir / "s.mc"), 1}) : std::nullopt);
    EXPECT_EQ(commands.confirmDiscard(), goesOn) << int(answer) << saved;
    expectMessage(0, "ファイルの保存", "データが変更されています。ファイルに保存しますか？", Buttons::YesNoCancel,
                  Icon::Question);
    EXPECT_EQ(std::pair(std::filesystem::exists(dir / "s.mc"), document.Modified), std::pair(saved, !saved));
  }
  EXPECT_TRUE(prompts.allAnswersUsed());
}

TEST_F(DocumentCommandsTest, NewOpenDropAndCloseAskFirst) {
  bool closeAllowed = false;
  // Each command, and how many of its steps run once it may go on.
  const std::tuple<const char*, std::function<void()>, int> commandList[] = {
      {"New", [&] { commands.newChart(); }, 2},  // reset and properties
      {"Open", [&] { commands.open(); }, 1},     // finished opening
      {"Drop", [&] { commands.dropFiles({q(kruFile)}); }, 1},
      {"Close", [&] { closeAllowed = commands.closeQuery(); }, 2}};  // statistics closed, allowed
  for (const auto& [name, run, steps] : commandList) {
    for (Answer answer : {Answer::Cancel, Answer::No}) {
      SCOPED_TRACE(std::string(name) + (answer == Answer::No ? " No" : " Cancel"));
      editSomething();
      resets = finishes = settings = statisticsClosed = closeAllowed = 0;
      prompts.answerMessage(answer);
      if (answer == Answer::No && std::string(name) == "Open") prompts.answerOpen(Choice{q(kruFile), 2});
      run();
      EXPECT_EQ(resets + finishes + settings + statisticsClosed + closeAllowed, answer == Answer::No ? steps : 0);
      EXPECT_TRUE(answer == Answer::No || stillTheEditedChart()) << name;
    }
  }
  // A cancelled Open shows no file dialog.
  EXPECT_EQ(std::pair(prompts.unexpected, prompts.allAnswersUsed()), std::pair(0, true));
}

TEST_F(DocumentCommandsTest, AnIncompleteHeaderAsksUntilFixedOrDeclined) {
  editSomething();
  document.chart.KrunTitle.clear();
  prompts.answerMessage(Answer::No);
  saveAs(dir / "t.kru", 2);
  expectMessage(0, "設定に不備があります", "・KRUNタイトルが未記入です。\r\r今すぐ修正しますか？", Buttons::YesNo,
                Icon::None);
  EXPECT_EQ(std::tuple(commands.saveDone, document.Modified, std::filesystem::exists(dir / "t.kru")),
            std::tuple(false, true, false));

  document.chart.EditName.clear();  // each Yes opens the properties and checks again
  onSettings = [&] { document.chart.EditName = settings == 2 ? "FIXED" : ""; };
  prompts.answerMessage(Answer::Yes);
  prompts.answerMessage(Answer::Yes);
  saveAs(dir / "e.mc", 1);
  EXPECT_EQ(std::tuple(prompts.shown.size(), settings, settingsTab, commands.saveDone, document.Modified),
            std::tuple(3u, 2, 0, true, false));
  EXPECT_EQ(readAll(dir / "e.mc").size(), kCardFileSize);

  document.chart.KrunTitle.clear();  // the properties open on the tab of the missing field
  onSettings = [&] { document.chart.KrunTitle = "Fixed"; };
  prompts.answerMessage(Answer::Yes);
  saveAs(dir / "t.kru", 2);
  EXPECT_EQ(std::pair(settingsTab, std::filesystem::exists(dir / "t.kru")), std::pair(1, true));
}

TEST_F(DocumentCommandsTest, TheNameDecidesTheKindAndSaveProposesTheDocumentsOwnName) {
  editSomething();
  saveAs(dir / "x.KRU", 1);  // a KRUN name with the card type selected
  saveAs(dir / "y", 2);      // a bare name gets the selected type's extension
  EXPECT_EQ(std::tuple(readAll(dir / "x.KRU").size() < kCardFileSize, std::filesystem::exists(dir / "y.kru")),
            std::tuple(true, true));
  // KRUN text has no edit name: each save says so once and the chart stays modified.
  ASSERT_EQ(prompts.shown.size(), 2u);
  EXPECT_TRUE(prompts.shown[1].text.contains(QStringLiteral("\n・EDIT名\n"))) << prompts.shown[1].text.toStdString();
  EXPECT_EQ(std::pair(commands.saveDone, document.Modified), std::pair(true, true));
  saveAs(dir / "z.mc", 3);  // keeps everything: clean again
  EXPECT_EQ(std::pair(prompts.shown.size(), document.Modified), std::pair(size_t{2}, false));

  // Opening goes by the name too: the KRUN file chosen under the card type.
  Chart& c = document.chart;
  c.KrunTitle = "Changed";
  prompts.answerOpen(Choice{q(dir / "x.KRU"), 1});
  commands.open();
  EXPECT_EQ(std::tie(c.EditName, c.KrunTitle), std::make_tuple("WORKEDIT", "Work title"));
  saveAs(dir / "w.kru", 1);

  std::vector<std::pair<QString, int>> proposals;
  for (const auto& d : prompts.fileDialogs) proposals.emplace_back(d.initialPath, d.initialFilterIndex);
  // Save offers what it writes, from the document's own name and type; Open also the .ssc
  // files it only reads, from the name last chosen.
  EXPECT_EQ(
      std::tuple(proposals, prompts.fileDialogs[0].filter, prompts.fileDialogs[3].filter),
      std::tuple(
          std::vector<std::pair<QString, int>>{
              {"", 1}, {q(dir / "x.KRU"), 2}, {q(dir / "y.kru"), 2}, {q(dir / "z.mc"), 1}, {q(dir / "x.KRU"), 2}},
          QStringLiteral("memorycard image(*.mc)|*.mc|KRUN Data (*.kru)|*.kru|StepMania (*.sm)|*.sm"),
          QStringLiteral("memorycard image(*.mc)|*.mc|KRUN Data (*.kru)|*.kru|StepMania (*.sm *.ssc)|*.sm;*.ssc")));

  // A .ssc is never written: the .sm of its name beside it is proposed.
  writeAll(dir / "song.ssc", "#NOTEDATA:;\n#STEPSTYPE:dance-single;\n#NOTES:1000\n;\n");
  withModal([&] { commands.openCommandLine(q(dir / "song.ssc")); }, [](QDialog& d) { click(d, "cmdOK"); });
  prompts.answerSave(std::nullopt);
  commands.save();
  EXPECT_EQ(std::pair(prompts.fileDialogs.back().initialPath, prompts.fileDialogs.back().initialFilterIndex),
            std::pair(q(dir / "song.sm"), 3));
}

TEST_F(DocumentCommandsTest, FailedWritesAndReadsChangeNothingButReaderNoticesLetTheOpeningFinish) {
  editSomething();
  document.chart.SongIndex = -1;  // the card writer needs a song
  saveAs(dir / "nosong.mc", 1);
  expectFileError(0, dir / "nosong.mc");
  EXPECT_EQ(std::pair(commands.saveDone, std::filesystem::exists(dir / "nosong.mc")), std::pair(false, false));

  prompts.answerMessage(Answer::No);
  prompts.answerOpen(Choice{q(dir / "missing.kru"), 2});
  commands.open();
  expectFileError(2, dir / "missing.kru");
  EXPECT_EQ(std::pair(stillTheEditedChart(), finishes), std::pair(true, 0));

  Catalogue elsewhere;
  elsewhere.SongList[0] = {"Unknown Here", 99, 120, 8, 1, 0, 0};
  ASSERT_TRUE(WriteCardSaveFile(dir / "foreign.mc", Chart{}, elsewhere));
  prompts.answerMessage(Answer::No);
  commands.dropFiles({q(dir / "foreign.mc")});
  expectMessage(4, "Error(Code102)", "不正なデータです", Buttons::Ok, Icon::None);
  EXPECT_EQ(finishes, 1);
}

TEST_F(DocumentCommandsTest, DropAndTheCommandLineGoByTheExtensionInAnyCase) {
  commands.dropFiles({});
  commands.dropFiles({q(kruFile), q(dir / "not-there.mc")});
  EXPECT_EQ(std::pair(finishes, prompts.shown.size()), std::pair(1, size_t{0})) << "the second file is never read";
  editSomething();
  for (const char* name : {"notes.txt", "chart.kru.bak"}) {
    prompts.shown.clear();
    prompts.answerMessage(Answer::No);
    commands.dropFiles({q(dir / name), q(kruFile)});
    expectMessage(1, "Error", "対応していない形式です", Buttons::Ok, Icon::None);
    EXPECT_TRUE(stillTheEditedChart()) << name;
  }
  EXPECT_EQ(finishes, 1);
  std::filesystem::copy_file(kruFile, dir / "LOUD.KRU");
  prompts.answerMessage(Answer::No);
  commands.dropFiles({q(dir / "LOUD.KRU")});
  EXPECT_EQ(std::pair(document.chart.KrunTitle, finishes), std::pair(std::string("From file"), 2));

  // The command line opens without asking, and finishes the opening even when it cannot read.
  prompts.shown.clear();
  commands.openCommandLine(q(dir / "absent.kru"));
  expectFileError(0, dir / "absent.kru");
  commands.openCommandLine(QStringLiteral("\"") + q(kruFile) + QStringLiteral("\""));  // quotes hide the ending
  expectMessage(1, "Error", "対応していない形式です", Buttons::Ok, Icon::None);
  EXPECT_EQ(finishes, 4);
  commands.openCommandLine(q(kruFile));
  EXPECT_EQ(std::pair(document.chart.KrunTitle, finishes), std::pair(std::string("From file"), 5));
}

// A name typed without an extension is saved under the chosen type's extension, so it can be
// opened again by its name.
TEST(FileDialogs, ABareNameGetsTheExtensionOfTheChosenType) {
  const QString charts = QString::fromStdString(chartDialogFilter(true));
  EXPECT_EQ(std::tuple(defaultSuffixOf(charts, 1), defaultSuffixOf(charts, 2), defaultSuffixOf(charts, 3),
                       defaultSuffixOf(QString::fromUtf8(kSheetImageFilter), 2)),
            std::tuple(QStringLiteral("mc"), QStringLiteral("kru"), QStringLiteral("sm"), QStringLiteral("jpg")));
}

}  // namespace
}  // namespace tarveno::testing
