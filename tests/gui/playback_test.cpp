#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QSettings>
#include <QSignalSpy>
#include <QSlider>

#include "core/play/mix.h"
#include "core/play/wav.h"
#include "gui/gui_test_helpers.h"
#include "gui/play/audio_output.h"
#include "gui/play/music_library.h"
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

// Music whose every sample tells its frame (modulo 30000).
std::shared_ptr<const MusicPcm> counting(int64_t frames) {
  auto music = std::make_shared<MusicPcm>();
  for (int64_t i = 0; i < frames; ++i) music->samples.insert(music->samples.end(), 2, static_cast<int16_t>(i % 30000));
  return music;
}

TEST_F(PlaybackTest, AtHalfSpeedThePlayheadKeepsTheSongsTimeAndTheMusicMovesWithoutAPause) {
  schedule.startBeat = 0, schedule.endBeat = 4;  // two seconds of the song, four of the mix
  ASSERT_TRUE(controller.start(schedule, planMix(schedule, MixSettings{false}, counting(200000), 0, 0.5)));
  std::vector<int16_t> block(2 * 4800);
  output.cursor->read(block);
  EXPECT_EQ(std::pair(block[0], block[2 * 4799]), std::pair(int16_t{0}, int16_t{4799}));
  // 10 ms more offset is 10 ms further into the music, which at half speed is 20 ms of mix.
  EXPECT_TRUE(controller.shiftMusic(10));
  output.cursor->read(block);
  EXPECT_EQ(block[0], 4800 + 960) << "the music did not move by 960 frames";
  output.played = 1.0;
  controller.refresh();
  EXPECT_EQ(controller.beat(), 1.0) << "a second of the mix is half a second, a beat, of the song";
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
  child<QComboBox>(dialog, "cboSpeed")->setCurrentIndex(2);
  prompts.answerOpen(Prompts::FileChoice{QStringLiteral("/music/夜の港.mp3")});
  click(dialog, "cmdMusic");
  type(dialog, "txtOffset", " -120.5ms");  // leading number, halves to even
  PlaySettings expected;
  expected.mix = {false, true, 100, 35};
  expected.musicFile = QStringLiteral("/music/夜の港.mp3");
  expected.musicOffsetMs = -120;
  expected.speedPercent = 50;
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
  store.setValue(QStringLiteral("mix/speed"), 60);
  EXPECT_EQ(loadPlaySettings(store, 26).speedPercent, 100) << "a speed the dialog does not offer";
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

// With music at half speed, playback waits for the stretched music; ] and Shift+[ then move the
// offset while it plays, store it and show it; they do nothing while nothing plays.
TEST(PlaybackWiring, BracketsNudgeTheOffsetOfTheSlowedMusicWhileItPlays) {
  TempDir dir;
  writeAll(dir / "song.wav", encodeWav(std::vector<int16_t>(2 * 48000, 1000)));
  FakeAudioOutput output;  // outlives the window, which stops it when closing
  MusicLibrary library(nullptr);
  MainWindowHarness h;
  h.context.playSettingsFile = dir / "playback.ini";
  const QString file = QString::fromStdString(h.context.playSettingsFile.string());
  QSettings(file, QSettings::IniFormat).setValue(QStringLiteral("mix/speed"), 50);
  QSettings(file, QSettings::IniFormat)
      .setValue(QStringLiteral("songs/1/music"), QString::fromStdString((dir / "song.wav").string()));
  QSettings(file, QSettings::IniFormat).setValue(QStringLiteral("songs/1/offset"), 100);
  h.context.audio = &output, h.context.music = &library;
  h.start();
  auto key = [&](Qt::Key k, Qt::KeyboardModifiers modifiers = {}) {
    QApplication::setActiveWindow(&h.window());
    QTest::keyClick(h.window().canvas(), k, modifiers);
  };
  auto offset = [&] { return QSettings(file, QSettings::IniFormat).value(QStringLiteral("songs/1/offset")).toInt(); };
  key(Qt::Key_BracketRight);
  EXPECT_EQ(offset(), 100) << "moved while nothing played";
  h.action("M_Sound")->trigger();
  for (int wait = 0; wait < 500 && !output.cursor; ++wait) QTest::qWait(10);
  ASSERT_NE(output.cursor, nullptr) << "playback did not start after the stretch";
  EXPECT_EQ(output.cursor->plan().music->frames(), 96000);
  key(Qt::Key_BracketRight);
  key(Qt::Key_BracketLeft, Qt::ShiftModifier);
  const auto* panel = h.window().findChild<QLabel*>(QStringLiteral("StatusPanel1"));
  EXPECT_EQ(std::tuple(offset(), output.cursor->musicShift(), panel->text()),
            std::tuple(91, musicFrames(-9, 0.5), QStringLiteral("オフセット: 91 ms")));
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
