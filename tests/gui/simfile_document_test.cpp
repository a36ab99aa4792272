#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QDropEvent>
#include <QListWidget>
#include <QMimeData>
#include <QSettings>
#include <QUrl>

#include "gui/gui_test_helpers.h"
#include "gui/play/play_settings.h"
#include "support/test_paths.h"

namespace tarveno::testing {
namespace {

using Answer = Prompts::Answer;

// Two readable charts and one that is not; in the double chart (48 rows) beat 0 mixes a 16th
// and a triplet note, so reading it moves one note.
std::string twoCharts() {
  std::string rows;
  for (int row = 0; row < 48; ++row)
    rows += row == 0 ? "10000000\n" : row == 3 ? "01000000\n" : row == 4 ? "00100000\n" : "00000000\n";
  return "#TITLE:short SONG;\n#NOTES:dance-single::Easy:2::1000\n;\n#NOTES:pump-single::Hard:5::00000\n;\n"
         "#NOTES:dance-double:TWO:Hard:7::\n" +
         rows + ";\n";
}

// The editor opens a dropped simfile through the chart choice and the snap question, each of
// which can leave the chart alone, and saves the StepMania type as .sm.
TEST(SimfileDocument, DropChoosesAChartAsksBeforeSnappingAndSavesSm) {
  MainWindowHarness h;
  h.start();
  TempDir dir;
  writeAll(dir / "two.sm", twoCharts());
  const auto drop = [&] {
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(QString::fromStdString((dir / "two.sm").string()))});
    // The drop reaches only a window that accepted the drag.
    QDragEnterEvent enter(QPoint(50, 80), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&h.window(), &enter);
    QDropEvent event(QPointF(50, 80), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&h.window(), &event);
  };
  // The song list starts on the song the title matches.
  const auto pickDouble = [](QDialog& d) {
    child<QListWidget>(d, QStringLiteral("lstCharts"))->setCurrentRow(1);
    EXPECT_EQ(child<QComboBox>(d, QStringLiteral("cmbTitle"))->currentData().toInt(), 3);
    click(d, "cmdOK");
  };

  withModal(drop, [](QDialog& d) { d.reject(); });
  h.prompts.answerMessage(Answer::No);
  withModal(drop, pickDouble);
  EXPECT_EQ(std::tuple(h.chart().PlayStyle, h.chart().StepData[0][0], h.prompts.shown.size()),
            std::tuple(PlayStyle::Single, uint8_t{0}, size_t{1}))
      << "Cancel and No leave the chart";
  EXPECT_TRUE(h.prompts.shown[0].text.contains(QStringLiteral("1 個のノート")))
      << h.prompts.shown[0].text.toStdString();

  h.prompts.answerMessage(Answer::Yes);
  withModal(drop, pickDouble);
  const Chart& c = h.chart();
  EXPECT_EQ(std::tuple(c.PlayStyle, c.SongIndex, c.Difficulty, c.EditName, c.StepData[0][0], c.StepData[0][1]),
            std::tuple(PlayStyle::Double, int16_t{3}, uint8_t{0x37}, std::string("TWO"), uint8_t{1}, uint8_t{6}));
  ASSERT_EQ(h.prompts.shown.size(), 3u);
  EXPECT_EQ(h.prompts.shown[2].title, QStringLiteral("StepMania")) << "the report of the move";

  h.prompts.answerSave(Prompts::FileChoice{QString::fromStdString((dir / "out.sm").string()), 3});
  h.action("M_Save")->trigger();
  EXPECT_TRUE(readAll(dir / "out.sm").starts_with("#TITLE:Short Song;")) << readAll(dir / "out.sm");
  EXPECT_EQ(std::tuple(h.document.Modified, h.prompts.shown.size(), h.prompts.unexpected), std::tuple(false, 3u, 0));

  // Saved onto the file it came from, only the chart's own block changes.
  h.prompts.answerMessage(Answer::Yes);
  withModal(drop, pickDouble);
  h.document.chart.EditName = "REWORK";
  const std::string before = readAll(dir / "two.sm");
  h.prompts.answerSave(Prompts::FileChoice{QString::fromStdString((dir / "two.sm").string()), 3});
  h.action("M_Save")->trigger();
  const std::string after = readAll(dir / "two.sm");
  const size_t block = before.find("#NOTES:dance-double");
  EXPECT_EQ(after.substr(0, block), before.substr(0, block)) << "header and the other charts";
  EXPECT_NE(after, before);
  EXPECT_EQ(h.prompts.fileDialogs.back().initialPath, QString::fromStdString((dir / "two.sm").string()));
}

// The file's #MUSIC, lying beside it, becomes the music of a song that has none yet, at the
// file's offset, and the report says so; music the user chose is never replaced.
TEST(SimfileDocument, MusicBesideTheFileIsChosenForASongWithoutMusic) {
  MainWindowHarness h;
  TempDir dir;
  h.context.playSettingsFile = dir / "play.ini";
  h.start();
  writeAll(dir / "tune.wav", "RIFF");
  writeAll(dir / "one.sm",
           "#TITLE:Short Song;\n#MUSIC:tune.wav;\n#OFFSET:-0.25;\n#NOTES:dance-single::Easy:2::0000\n;\n");
  const auto open = [&] {
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(QString::fromStdString((dir / "one.sm").string()))});
    QDragEnterEvent enter(QPoint(50, 80), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&h.window(), &enter);
    QDropEvent event(QPointF(50, 80), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&h.window(), &event);
  };
  const auto stored = [&] {
    QSettings store(QString::fromStdString(h.context.playSettingsFile.string()), QSettings::IniFormat);
    const PlaySettings values = loadPlaySettings(store, 4);
    return std::pair(values.musicFile.toStdString(), values.musicOffsetMs);
  };
  withModal(open, [](QDialog& d) { click(d, "cmdOK"); });
  EXPECT_EQ(stored(), std::pair((dir / "tune.wav").string(), 250));
  ASSERT_FALSE(h.prompts.shown.empty());
  EXPECT_TRUE(h.prompts.shown.back().text.contains(QStringLiteral("tune.wav")))
      << h.prompts.shown.back().text.toStdString();

  writeAll(dir / "one.sm", "#TITLE:Short Song;\n#MUSIC:tune.wav;\n#OFFSET:-1;\n#NOTES:dance-single::Easy:2::0000\n;\n");
  withModal(open, [](QDialog& d) { click(d, "cmdOK"); });
  EXPECT_EQ(stored(), std::pair((dir / "tune.wav").string(), 250)) << "the music chosen stays";
}

}  // namespace
}  // namespace tarveno::testing
