#include <gtest/gtest.h>
#include <QSettings>
#include <QTest>

#include "core/play/wav.h"
#include "gui/editor/waveform_strip.h"
#include "gui/gui_test_helpers.h"
#include "gui/play/music_library.h"
#include "support/test_paths.h"

namespace tarveno::testing {
namespace {

// "Test Song" (150 BPM: 0.4 s a beat, 12.5 ms a pixel row) with a music file that is silent
// but for one loud click of 5 ms at 2.5 s.
struct WaveformTest : ::testing::Test {
  WaveformTest() {
    std::vector<int16_t> music(2 * 4 * kMixRate, 0);
    std::fill(music.begin() + 2 * 120000, music.begin() + 2 * 120240, int16_t{30000});
    writeAll(dir / "click.wav", encodeWav(music));
    h.context.playSettingsFile = dir / "playback.ini";
    h.context.music = &library;
    set(QStringLiteral("songs/1/music"), QString::fromStdString((dir / "click.wav").string()));
  }
  void set(const QString& key, const QVariant& value) {
    QSettings(QString::fromStdString(h.context.playSettingsFile.string()), QSettings::IniFormat).setValue(key, value);
  }
  // Canvas rows where the strip shows sound: its pixel 10 from the left differs from the one at
  // its edge (the lines and the background run across the whole strip alike).
  std::vector<int> soundRows() {
    const int x = canvasWidth(h.chart().PlayStyle) + WaveformStrip::kGap;
    std::vector<int> rows;
    for (int y = 0; y < geometry::kVisibleRows * geometry::kRowHeight; ++y) {
      if (h.pixel(x + 10, y) != h.pixel(x + 1, y)) rows.push_back(y);
    }
    return rows;
  }

  TempDir dir;
  MusicLibrary library{MusicDecoderFactory{}};
  MainWindowHarness h;
};

// Beat 6.25 (2.5 s) lies 3.25 beats below the top row 3: canvas row 104.
TEST_F(WaveformTest, AClickShowsOnThePixelRowOfItsTimeAtTheOffsetAndScroll) {
  h.start();
  h.action("M_Waveform")->trigger();
  auto* strip = h.window().findChild<WaveformStrip*>();
  ASSERT_TRUE(QTest::qWaitFor([&] { return strip->status() == WaveformStrip::Status::Ready; }, 5000));
  EXPECT_EQ(soundRows(), std::vector<int>{104});
  h.scrollTo(4);
  EXPECT_EQ(soundRows(), std::vector<int>{72});
  // Beat 0 half a second before the music: the click 3 s (7.5 beats) after it, 3.5 below row 4.
  set(QStringLiteral("songs/1/offset"), -500);
  h.action("M_Waveform")->trigger();
  h.action("M_Waveform")->trigger();
  EXPECT_EQ(soundRows(), std::vector<int>{112});
}

TEST_F(WaveformTest, TheMenuItemWidensTheWindowAndIsRemembered) {
  h.start();
  const int narrow = h.window().width();
  const int left = h.state().canvasLeft;
  auto shownInANewWindow = [&] {
    MainWindowHarness next;
    next.context.playSettingsFile = h.context.playSettingsFile;
    next.start();
    return next.action("M_Waveform")->isChecked();
  };
  h.action("M_Waveform")->trigger();
  EXPECT_EQ(std::pair(h.window().width(), h.state().canvasLeft), std::pair(narrow + WaveformStrip::kWidth, left));
  EXPECT_TRUE(shownInANewWindow());
  h.action("M_Waveform")->trigger();
  EXPECT_EQ(h.window().width(), narrow);
  EXPECT_FALSE(shownInANewWindow());
}

}  // namespace
}  // namespace tarveno::testing
