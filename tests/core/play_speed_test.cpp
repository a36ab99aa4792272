#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "core/play/mix.h"
#include "core/play/schedule.h"
#include "core/play/stretch.h"

namespace tarveno {
namespace {

TEST(PlaySpeed, AtHalfSpeedTicksTheMusicAndTheEndComeAtTwiceTheirTimes) {
  Schedule schedule;  // 120 BPM from beat 2 to beat 8: three seconds of the song
  schedule.startBeat = 2, schedule.endBeat = 8;
  schedule.events = {{0.25, PlaySound::Tick}, {1.0, PlaySound::Tick}, {2.4, PlaySound::Tick}};
  // Beat 0 lies 250 ms into the song's music, so 500 ms into the stretched one; frame 0 is
  // second 1 of the song, heard two seconds after beat 0: the stretched music's frame 120000.
  const MixPlan plan = planMix(schedule, MixSettings{}, std::make_shared<MusicPcm>(MusicPcm{{1, 1}}), 250, 0.5);
  std::vector<int64_t> ticks;
  for (const MixPlan::Onset& onset : plan.onsets) ticks.push_back(onset.frame);
  EXPECT_EQ(ticks, (std::vector<int64_t>{24000, 96000, 230400}));
  EXPECT_EQ(std::pair(plan.songEndFrame, plan.musicFrameAtStart), std::pair(int64_t{6 * 48000}, int64_t{120000}));
}

// Four seconds of a tone gliding from 200 to 2000 Hz: its pitch tells the moment it was taken from.
MusicPcm glide() {
  MusicPcm music;
  double phase = 0;
  for (int i = 0; i < 4 * 48000; ++i) {
    phase += 2 * std::numbers::pi * (200 + 1800.0 * i / (4 * 48000)) / 48000;
    const auto v = static_cast<int16_t>(std::lround(16384 * std::sin(phase)));
    music.samples.insert(music.samples.end(), {v, v});
  }
  return music;
}

// The pitch of the left side over a tenth of a second around a frame, by its upward zero crossings.
double pitchAt(const MusicPcm& music, int64_t frame) {
  int crossings = 0;
  for (auto i = static_cast<size_t>(frame - 2400); i < static_cast<size_t>(frame + 2400); ++i) {
    crossings += music.samples[2 * i] < 0 && music.samples[2 * i + 2] >= 0;
  }
  return crossings * 10.0;
}

TEST(PlaySpeed, StretchedMusicLastsLongerAtItsOwnPitchEachMomentAtItsTimeOverTheSpeed) {
  for (const double speed : {0.5, 0.75}) {
    const MusicPcm slow = stretchMusic(glide(), speed);
    ASSERT_EQ(slow.frames(), std::llround(4 * 48000 / speed));
    // Single readings are coarse (10 Hz); their mean tells a steady lead or lag.
    double lead = 0;
    int count = 0;
    for (int64_t at = 24000; at < slow.frames() - 24000; at += 600, ++count) {
      lead += (pitchAt(slow, at) - 200) / 1800 * 4 - at / 48000.0 * speed;
    }
    EXPECT_NEAR(lead / count * 1000, 0, 4) << "milliseconds the music runs ahead at speed " << speed;
    // Halfway through the song is halfway up the glide: 1100 Hz.
    EXPECT_NEAR(pitchAt(slow, slow.frames() / 2), 1100, 11) << "the pitch moved at speed " << speed;
  }
  EXPECT_EQ(stretchMusic(glide(), 1).samples, glide().samples);
}

}  // namespace
}  // namespace tarveno
