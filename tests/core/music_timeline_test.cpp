#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/play/music_timeline.h"

namespace tarveno {
namespace {

// The music as runs of one sample value: (value, frames), both sides alike.
std::vector<std::pair<int, int64_t>> runsOf(const MusicPcm& music) {
  std::vector<std::pair<int, int64_t>> runs;
  for (int64_t i = 0; i < music.frames(); ++i) {
    const int left = music.samples[static_cast<size_t>(i) * 2];
    if (music.samples[static_cast<size_t>(i) * 2 + 1] != left) return {{left, -1}};  // sides differ
    if (runs.empty() || runs.back().first != left) runs.emplace_back(left, 0);
    ++runs.back().second;
  }
  return runs;
}

std::vector<float> level(float value, size_t samples) {
  return std::vector<float>(samples, value);
}

TEST(MusicTimeline, BuffersLandAtTheirTimesGapsAreSilentAndFormatChangesAreConverted) {
  MusicTimeline timeline;
  timeline.add(0, 2, 48000, level(0.25f, 2 * 4800));      // 0..100 ms
  timeline.add(200000, 2, 48000, level(0.5f, 2 * 2400));  // 200..250 ms, after 100 ms of nothing
  timeline.add(-1, 2, 48000, level(0.75f, 2 * 2400));     // time unknown: follows on, to 300 ms
  timeline.add(300000, 1, 24000, level(-0.5f, 1200));     // mono at half the rate: 300..350 ms
  auto music = timeline.finish();
  ASSERT_TRUE(music.ok()) << music.error().message;
  const std::vector<std::pair<int, int64_t>> expected = {
      {8192, 4800}, {0, 4800}, {16384, 2400}, {24576, 2400}, {-16384, 2400}};
  EXPECT_EQ(runsOf(*music), expected);
}

std::string refusal(Result<MusicPcm> music) {
  return music ? "(" + std::to_string(music->frames()) + " frames)" : music.error().message;
}

TEST(MusicTimeline, RefusesUnmixableRatesAndMusicLongerThanItKeeps) {
  MusicTimeline slow;
  slow.add(0, 1, 1, level(0.5f, 10));
  EXPECT_EQ(refusal(slow.finish()), "サンプリング周波数 1 Hz は 8000〜384000 Hz の範囲外です。");
  MusicTimeline late;  // a buffer stamped an hour in would need gigabytes of silence before it
  late.add(int64_t{3600} * 1000000, 2, 48000, level(0.5f, 2));
  EXPECT_EQ(refusal(late.finish()), "音楽が 30 分より長いため使えません。");
  EXPECT_EQ(refusal(MusicTimeline().finish()), "音声がありません。");
}

}  // namespace
}  // namespace tarveno
