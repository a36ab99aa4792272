#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "core/play/mix.h"
#include "core/play/schedule.h"
#include "core/play/stretch.h"

namespace tarveno {
namespace {

// Frames of a block that are not digital zero on the left side.
std::vector<int64_t> soundingFrames(const MixPlan& plan) {
  std::vector<int16_t> pcm(static_cast<size_t>(plan.totalFrames) * 2);
  renderMix(plan, 0, pcm);
  std::vector<int64_t> frames;
  for (size_t i = 0; i < pcm.size(); i += 2) {
    if (pcm[i] != 0) frames.push_back(static_cast<int64_t>(i / 2));
  }
  return frames;
}

// The first frame of each run of sound after at least `gap` silent frames.
std::vector<int64_t> onsets(const std::vector<int64_t>& sounding, int64_t gap) {
  std::vector<int64_t> starts;
  for (size_t i = 0; i < sounding.size(); ++i) {
    if (i == 0 || sounding[i] - sounding[i - 1] > gap) starts.push_back(sounding[i]);
  }
  return starts;
}

TEST(PlaySpeed, AtHalfSpeedTicksTheMusicAndTheEndComeAtTwiceTheirTimes) {
  Schedule schedule;  // 120 BPM from beat 2 to beat 8: three seconds of the song
  schedule.startBeat = 2, schedule.endBeat = 8;
  schedule.events = {{0.25, PlaySound::Tick}, {1.0, PlaySound::Tick}, {2.4, PlaySound::Tick}};
  const MixPlan ticks = planMix(schedule, MixSettings{}, nullptr, 0, 0.5);
  for (const int64_t expected : {24000, 96000, 230400}) {
    const auto heard = onsets(soundingFrames(ticks), 4800);
    const auto near = std::find_if(heard.begin(), heard.end(), [&](int64_t f) { return std::abs(f - expected) <= 1; });
    EXPECT_NE(near, heard.end()) << "no tick within a sample of frame " << expected;
  }
  EXPECT_EQ(ticks.songEndFrame, 6 * 48000);

  // The stretched music has a click at its frame 150000. Beat 0 lies 250 ms into the song's
  // music, so 500 ms into the stretched one; frame 0 is second 1 of the song, heard two
  // seconds after beat 0: the stretched music's frame 120000.
  auto music = std::make_shared<MusicPcm>();
  music->samples.assign(2 * 400000, 0);
  music->samples[2 * 150000] = 1000;
  const MixPlan placed = planMix(schedule, MixSettings{false}, music, 250, 0.5);
  EXPECT_EQ(soundingFrames(placed), std::vector<int64_t>{30000});
}

// A second of A (440 Hz) at half level, stereo.
MusicPcm sine() {
  MusicPcm music;
  for (int i = 0; i < 48000; ++i) {
    const auto v = static_cast<int16_t>(std::lround(16384 * std::sin(2 * std::numbers::pi * 440 * i / 48000.0)));
    music.samples.insert(music.samples.end(), {v, v});
  }
  return music;
}

TEST(PlaySpeed, StretchedMusicLastsTwiceAsLongAtTheSamePitch) {
  const MusicPcm slow = stretchMusic(sine(), 0.5);
  ASSERT_EQ(slow.frames(), 96000);
  int64_t lastLoud = 0;
  for (int64_t i = 0; i < slow.frames(); ++i) {
    if (std::abs(slow.samples[static_cast<size_t>(i) * 2]) > 4000) lastLoud = i;
  }
  EXPECT_GE(lastLoud, 96000 - 2400) << "the music's sound ends over 50 ms early, padded with silence";
  // Upward zero crossings of the left side over the middle 80 %, away from the edges.
  int crossings = 0;
  for (size_t i = 9600; i < 86400; ++i) {
    crossings += slow.samples[2 * i] < 0 && slow.samples[2 * i + 2] >= 0;
  }
  const double hz = crossings / (76800 / 48000.0);
  EXPECT_NEAR(hz, 440, 4.4);
  EXPECT_EQ(stretchMusic(sine(), 1).samples, sine().samples);
}

// Four seconds of a tone gliding from 200 to 2000 Hz: its pitch tells the moment it was
// taken from.
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

TEST(PlaySpeed, EachMomentOfTheMusicIsHeardAtItsTimeOverTheSpeed) {
  for (const double speed : {0.5, 0.75}) {
    const MusicPcm slow = stretchMusic(glide(), speed);
    // The pitch over a tenth of a second around each sampled moment, as the glide's time;
    // single readings are coarse, their mean tells a steady lead or lag.
    double sum = 0;
    int count = 0;
    for (int64_t at = 24000; at + 2400 < static_cast<int64_t>(4 * 48000 / speed) - 24000; at += 600) {
      int crossings = 0;
      for (int64_t i = at - 2400; i < at + 2400; ++i) {
        crossings += slow.samples[static_cast<size_t>(i) * 2] < 0 && slow.samples[static_cast<size_t>(i) * 2 + 2] >= 0;
      }
      const double taken = (crossings * 10.0 - 200) / 1800 * 4;
      sum += taken - at / 48000.0 * speed, ++count;
    }
    EXPECT_NEAR(sum / count * 1000, 0, 4) << "milliseconds the music runs ahead at speed " << speed;
  }
}

}  // namespace
}  // namespace tarveno
