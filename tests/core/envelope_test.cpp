#include "core/play/envelope.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <random>

namespace tarveno {
namespace {

std::shared_ptr<MusicPcm> stereo(const std::vector<int16_t>& left, const std::vector<int16_t>& right) {
  auto pcm = std::make_shared<MusicPcm>();
  for (size_t i = 0; i < left.size(); ++i) {
    pcm->samples.push_back(left[i]);
    pcm->samples.push_back(right[i]);
  }
  return pcm;
}

// One second of the same signal on both sides.
std::shared_ptr<MusicPcm> mono(double (*signal)(int)) {
  std::vector<int16_t> samples(kMixRate);
  for (int i = 0; i < kMixRate; ++i) samples[static_cast<size_t>(i)] = static_cast<int16_t>(std::lround(signal(i)));
  return stereo(samples, samples);
}

double tone(int frame, double hz) {
  return 10000 * std::sin(2 * std::numbers::pi * hz * frame / kMixRate);
}

TEST(Envelope, MinimumAndMaximumPerChannelOverAStretchClippedToTheMusic) {
  const Envelope env(stereo({3, -7, 2, 9, -1}, {0, 4, -4, 1, 1}));
  const EnvelopeSpan middle = env.span(1, 4);
  EXPECT_EQ(std::tuple(middle.minLeft, middle.maxLeft, middle.minRight, middle.maxRight), std::tuple(-7, 9, -4, 4));
  EXPECT_EQ(std::pair(env.span(4, 100).minLeft, env.span(-10, 1).maxLeft), std::pair(int16_t{-1}, int16_t{3}));
  EXPECT_TRUE(env.span(5, 9).empty);
  EXPECT_TRUE(env.span(3, 3).empty);
}

TEST(Envelope, LowBandPassesBassAndDirectCurrentButNotHighTones) {
  auto settled = [](double (*signal)(int)) { return Envelope(mono(signal)).span(kMixRate / 2, kMixRate).low; };
  EXPECT_NEAR(settled([](int) { return 1000.0; }), 1000, 10);
  // A kick's 50 Hz loses about a tenth, a 1 kHz tone over 97 %, the highest tone everything.
  EXPECT_NEAR(settled([](int i) { return tone(i, 50); }), 9000, 500);
  EXPECT_LT(settled([](int i) { return tone(i, 1000); }), 300);
  EXPECT_LT(settled([](int i) { return i % 2 ? 10000.0 : -10000.0; }), 10);
}

// Any stretch agrees with the samples read one by one, and its low band with the finest
// blocks it touches; whatever the stretch's length, alignment and overlap with the ends.
TEST(Envelope, AnyStretchAgreesWithTheSamples) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> sample(-32768, 32767);
  const int frames = 100003;
  std::vector<int16_t> left(frames);
  std::vector<int16_t> right(frames);
  for (int i = 0; i < frames; ++i) {
    // Loud only now and then, so that the extremes differ from stretch to stretch.
    const int scale = (i / 5000) % 7 + 1;
    left[static_cast<size_t>(i)] = static_cast<int16_t>(sample(random) / scale);
    right[static_cast<size_t>(i)] = static_cast<int16_t>(sample(random) / (8 - scale));
  }
  const Envelope env(stereo(left, right));
  std::uniform_int_distribution<int> start(-200, frames + 100);
  std::uniform_int_distribution<int> length(0, 3);
  for (int n = 0; n < 400; ++n) {
    const int begin = start(random);
    const int end =
        begin + std::uniform_int_distribution<int>(0, std::array{3, 200, 5000, frames}[length(random)])(random);
    const int from = std::max(begin, 0);
    const int to = std::min(end, frames);
    const EnvelopeSpan got = env.span(begin, end);
    SCOPED_TRACE(testing::Message() << "frames " << begin << ".." << end);
    ASSERT_EQ(got.empty, from >= to);
    if (got.empty) continue;
    EXPECT_EQ(got.minLeft, *std::min_element(left.begin() + from, left.begin() + to));
    EXPECT_EQ(got.maxLeft, *std::max_element(left.begin() + from, left.begin() + to));
    EXPECT_EQ(got.minRight, *std::min_element(right.begin() + from, right.begin() + to));
    EXPECT_EQ(got.maxRight, *std::max_element(right.begin() + from, right.begin() + to));
    int16_t low = 0;
    for (int b = from / 64; b * 64 < to; ++b) low = std::max(low, env.span(b * 64, b * 64 + 64).low);
    EXPECT_EQ(got.low, low);
  }
}

}  // namespace
}  // namespace tarveno
