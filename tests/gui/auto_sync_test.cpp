#include <gtest/gtest.h>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <cmath>
#include <numbers>

#include "gui/gui_test_helpers.h"
#include "gui/play/music_source.h"
#include "gui/play/offset_finder.h"
#include "gui/play/play_settings_dialog.h"

namespace tarveno::testing {
namespace {

// Music already decoded, as the music library hands it over once it has the file.
struct DecodedMusic : MusicSource {
  std::shared_ptr<const MusicPcm> music;
  std::shared_ptr<const MusicPcm> find(int, const QString&) const override { return music; }
  void load(int, const QString&) override {}
};

// Kicks at 120 BPM with beat 0 at 250 ms: a decaying low tone at every half second.
std::shared_ptr<const MusicPcm> kicksAt250Ms() {
  auto pcm = std::make_shared<MusicPcm>();
  const int frames = 12 * kMixRate;
  pcm->samples.resize(static_cast<size_t>(frames) * kMixChannels);
  for (int f = 0; f < frames; ++f) {
    const double sinceBeat = std::fmod(f / double(kMixRate) + 0.25, 0.5);
    const double v = 12000 * std::sin(2 * std::numbers::pi * 60 * sinceBeat) * std::exp(-sinceBeat / 0.04);
    pcm->samples[2 * f] = pcm->samples[2 * f + 1] = static_cast<int16_t>(v);
  }
  return pcm;
}

QString syncedLine(PlaySettingsDialog& dialog) {
  click(dialog, "cmdAutoSync");
  auto* line = dialog.findChild<QLabel*>(QStringLiteral("lblSync"));
  (void)QTest::qWaitFor([line] { return line->text().contains(QStringLiteral("BPM")); }, 20000);
  return line->text();
}

// 自動調整 moves the rough offset onto the music's beat at the song's tempo, and tells a song
// tempo that does not fit the music.
TEST(AutoSync, MovesTheOffsetOntoTheNearestBeatAndWarnsOfAnotherTempo) {
  ScriptedPrompts prompts;
  DecodedMusic music;
  music.music = kicksAt250Ms();
  PlaySettings initial;
  initial.musicFile = QStringLiteral("/music/drums.wav");
  initial.musicOffsetMs = 1310;  // set by ear, a little late, yet nearest the beat at 1250 ms
  OffsetFinder fitting(music, 26, 120.0);
  PlaySettingsDialog dialog(initial, QStringLiteral("Paper Lanterns"), prompts, nullptr, &fitting);
  const QString line = syncedLine(dialog);
  EXPECT_NEAR(dialog.values().musicOffsetMs, 1250, 2);
  EXPECT_TRUE(line.contains(QStringLiteral("120.0 BPM"))) << line.toStdString();
  EXPECT_FALSE(line.contains(QStringLiteral("以上違います"))) << line.toStdString();

  OffsetFinder faster(music, 26, 150.0);
  PlaySettingsDialog other(initial, QStringLiteral("Paper Lanterns"), prompts, nullptr, &faster);
  EXPECT_TRUE(syncedLine(other).contains(QStringLiteral("150.0 BPM と 1% 以上違います")));
}

}  // namespace
}  // namespace tarveno::testing
