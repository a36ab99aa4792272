#include <gtest/gtest.h>
#include <QApplication>
#include <QSettings>
#include <QSignalSpy>
#include <QSlider>

#include "core/play/mix.h"
#include "gui/gui_test_helpers.h"
#include "gui/play/audio_output.h"
#include "gui/play/play_settings_dialog.h"
#include "gui/play/playback_controller.h"
#include "support/fake_audio_output.h"
#include "support/test_paths.h"

namespace tarveno::testing {
namespace {

class PlaybackTest : public ::testing::Test {
 protected:
  PlaybackTest() {
    schedule.tempo = 120, schedule.startBeat = 8, schedule.endBeat = 12;  // two seconds
    schedule.events = {{0.0, PlaySound::Tick}, {1.99, PlaySound::Tick}};
  }
  bool start() { return controller.start(schedule, planMix(schedule, MixSettings{}, nullptr, 0)); }

  Schedule schedule;
  FakeAudioOutput output;
  PlaybackController controller{output};
  QSignalSpy stopped{&controller, &PlaybackController::stopped};
  QSignalSpy moved{&controller, &PlaybackController::positionChanged};
};

TEST_F(PlaybackTest, PlaysFromTheStartBeatFollowsTheOutputAndStopsOnRequest) {
  ASSERT_TRUE(start());
  ASSERT_NE(output.cursor, nullptr);
  std::vector<int16_t> block(2 * 4800);
  EXPECT_EQ(output.cursor->read(block), 4800);  // the output pulls the mix
  output.played = 0.75;
  controller.refresh();
  EXPECT_EQ(std::tuple(controller.isPlaying(), moved.last().at(0).toDouble()), std::tuple(true, 9.5));
  controller.stop();
  controller.stop();
  EXPECT_EQ(std::tuple(controller.isPlaying(), output.cursor, stopped.count()),
            std::tuple(false, static_cast<MixCursor*>(nullptr), 1));
}

TEST_F(PlaybackTest, StopsByItselfWhenTheLastSoundHasPlayed) {
  ASSERT_TRUE(start());
  output.played = 2.0;  // the song's end; the tick at the end rings on for a moment
  controller.refresh();
  EXPECT_EQ(std::tuple(controller.isPlaying(), controller.beat()), std::tuple(true, 12.0));
  output.played = 2.1;
  controller.refresh();
  EXPECT_EQ(std::tuple(controller.isPlaying(), controller.beat(), stopped.count()), std::tuple(false, 12.0, 1));
}

TEST_F(PlaybackTest, WithoutADeviceNothingPlaysAndTheUserIsToldOnce) {
  output.hasDevice = false;
  QSignalSpy unavailable(&controller, &PlaybackController::audioUnavailable);
  EXPECT_FALSE(start());
  EXPECT_FALSE(start());
  EXPECT_EQ(std::tuple(controller.isPlaying(), unavailable.count(), stopped.count()), std::tuple(false, 1, 0));
}

TEST(PlaySettingsDialogTest, ShowsAndHandsBackTheValuesWhichAreKeptPerSong) {
  ScriptedPrompts prompts;
  PlaySettings initial;
  initial.musicFile = QStringLiteral("/music/old.ogg");
  PlaySettingsDialog dialog(initial, QStringLiteral("Paper Lanterns"), prompts, nullptr);
  EXPECT_EQ(dialog.values(), initial);
  click(dialog, "chkTicks");
  click(dialog, "chkMetronome");
  child<QSlider>(dialog, "sldMetronome")->setValue(35);
  prompts.answerOpen(Prompts::FileChoice{QStringLiteral("/music/夜の港.mp3")});
  click(dialog, "cmdMusic");
  type(dialog, "txtOffset", " -120.5ms");  // leading number, halves to even
  PlaySettings expected;
  expected.mix = {false, true, 100, 35};
  expected.musicFile = QStringLiteral("/music/夜の港.mp3");
  expected.musicOffsetMs = -120;
  EXPECT_EQ(dialog.values(), expected);

  TempDir folder;
  {
    QSettings store(playSettingsPath(QString::fromStdString(folder.path().string())), QSettings::IniFormat);
    savePlaySettings(store, 26, expected);
  }
  QSettings store(playSettingsPath(QString::fromStdString(folder.path().string())), QSettings::IniFormat);
  EXPECT_EQ(loadPlaySettings(store, 26), expected);
  PlaySettings otherSong = expected;
  otherSong.musicFile.clear(), otherSong.musicOffsetMs = 0;
  EXPECT_EQ(loadPlaySettings(store, 27), otherSong) << "the mix is shared, the music is the song's own";
}

// The window's wiring: M_Sound, Space and Esc start and stop playback from the first beat in
// view, the view follows the playhead, and nothing edits the chart while it plays.
TEST(PlaybackWiring, SoundSpaceAndEscStartAndStopAndTheChartStaysStill) {
  FakeAudioOutput output;  // outlives the window, which stops it when closing
  MainWindowHarness h;
  h.context.audio = &output;
  h.start();
  auto key = [&](Qt::Key k) {
    QApplication::setActiveWindow(&h.window());
    QTest::keyClick(h.window().canvas(), k);
  };
  auto playing = [&] { return output.cursor != nullptr; };
  h.action("M_Sound")->trigger();
  EXPECT_EQ(std::pair(playing(), h.state().playhead), std::pair(true, 3.0));
  key(Qt::Key_Space);
  EXPECT_EQ(std::pair(playing(), h.state().playhead), std::pair(false, kNoPlayhead));
  key(Qt::Key_Space);
  key(Qt::Key_Escape);
  EXPECT_FALSE(playing());

  h.action("M_Sound")->trigger();
  output.played = 4;  // 150 BPM: beat 13, past the middle of the 15 rows in view
  QTest::qWait(50);
  EXPECT_EQ(h.state().topRow, 7);
  key(Qt::Key_Down), key(Qt::Key_1);
  h.click(h.cellPoint(0, 10));
  EXPECT_EQ(std::tuple(playing(), h.chart().StepData, h.history.undoCount()), std::tuple(false, StepTable{}, size_t{0}))
      << "keys do nothing and a click only stops";
}

// A button held down when playback starts: what it painted stays, one step; moving on paints
// nothing, and its release ends nothing.
TEST(PlaybackWiring, StartingPlaybackEndsTheGestureUnderWay) {
  FakeAudioOutput output;  // outlives the window, which stops it when closing
  MainWindowHarness h;
  h.context.audio = &output;
  h.start();
  h.moveTo(h.cellPoint(0, 5));
  h.press(Qt::LeftButton);
  QApplication::setActiveWindow(&h.window());
  QTest::keyClick(h.window().canvas(), Qt::Key_Space);
  h.moveTo(h.cellPoint(0, 6));
  h.release(Qt::LeftButton);
  StepTable painted{};
  painted[1][4] = 1;
  EXPECT_EQ(h.chart().StepData, painted);
  EXPECT_EQ(std::pair(h.history.undoCount(), output.cursor != nullptr), std::pair(size_t{1}, true));
}

}  // namespace
}  // namespace tarveno::testing
