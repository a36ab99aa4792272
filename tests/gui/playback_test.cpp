#include <gtest/gtest.h>
#include <QSettings>
#include <QSignalSpy>
#include <QSlider>

#include "core/play/mix.h"
#include "gui/gui_test_helpers.h"
#include "gui/play/audio_output.h"
#include "gui/play/play_settings_dialog.h"
#include "gui/play/playback_controller.h"
#include "support/test_paths.h"

namespace tarveno::testing {
namespace {

// An output that plays nothing: the test says how far the "device" has got.
class FakeOutput : public AudioOutput {
 public:
  std::optional<QString> start(MixCursor& source) override {
    if (!hasDevice) return QStringLiteral("no device");
    cursor = &source;
    return std::nullopt;
  }
  void stop() override { cursor = nullptr; }
  double playedSeconds() override { return played; }

  bool hasDevice = true;
  MixCursor* cursor = nullptr;
  double played = 0;
};

class PlaybackTest : public ::testing::Test {
 protected:
  PlaybackTest() {
    schedule.tempo = 120, schedule.startBeat = 8, schedule.endBeat = 12;  // two seconds
    schedule.events = {{0.0, PlaySound::Tick}, {1.99, PlaySound::Tick}};
  }
  bool start() { return controller.start(schedule, planMix(schedule, MixSettings{}, nullptr, 0)); }

  Schedule schedule;
  FakeOutput output;
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

}  // namespace
}  // namespace tarveno::testing
