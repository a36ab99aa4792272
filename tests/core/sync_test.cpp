#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <random>

#include "core/play/beat_sync.h"

namespace tarveno {
namespace {

constexpr double kRate = kMixRate;

// A made-up dance track: a kick (decaying low sine, starting from zero) on every beat, hats
// (noise bursts) between, a quiet held chord, a noise floor and a few accents off the beat.
// Beat 0 lies offsetMs into the music; beats before it play too.
struct SyntheticSong {
  double tempo = 120;
  double offsetMs = 0;
  double seconds = 20;
  double silentMs = 0;  // nothing at all before this
};

// White noise in -1..1 from a plain congruential generator: a million samples a song through
// the standard distributions would cost more than the searches under test.
struct Noise {
  uint32_t state;
  double operator()() {
    state = state * 1664525u + 1013904223u;
    return (state >> 8) * (2.0 / (1 << 24)) - 1;
  }
};

MusicPcm makeMusic(const SyntheticSong& song, std::mt19937& random) {
  const auto frames = static_cast<size_t>(song.seconds * kRate);
  std::vector<double> mono(frames, 0.0);
  Noise unit{static_cast<uint32_t>(random())};
  const double period = kRate * 60 / song.tempo;
  const double kickHz = 55 + 30 * std::abs(unit());
  auto burst = [&](double start, double length, auto&& sound) {
    const auto first = static_cast<size_t>(std::max(0.0, std::ceil(start)));
    for (size_t i = first; i < frames && i < start + length; ++i) mono[i] += sound(i - start);
  };
  const double silent = song.silentMs * kRate / 1000;
  double beat = std::fmod(song.offsetMs * kRate / 1000, period);
  for (; beat < frames; beat += period) {
    if (beat < silent) continue;
    burst(beat, 0.15 * kRate, [&](double t) {
      return 0.5 * std::sin(2 * std::numbers::pi * kickHz * t / kRate) * std::exp(-t / (0.05 * kRate));
    });
    burst(beat + period / 2, 0.03 * kRate, [&](double t) { return 0.12 * unit() * std::exp(-t / 400); });
  }
  for (int i = 0; i < 5; ++i) {
    const double at = (std::floor(std::abs(unit()) * song.seconds * song.tempo / 60) + 0.75) * period;
    if (at >= silent) burst(at, 0.05 * kRate, [&](double t) { return 0.25 * unit() * std::exp(-t / 800); });
  }
  // The chord's tones turn as phasors: a sine a sample for each would slow the test down.
  std::vector<std::complex<double>> tones, turns;
  for (double hz : {220.0, 277.2, 329.6}) {
    tones.emplace_back(0.0, 0.03);
    turns.push_back(std::polar(1.0, 2 * std::numbers::pi * hz / kRate));
  }
  MusicPcm music;
  music.samples.resize(2 * frames);
  for (size_t i = 0; i < frames; ++i) {
    double v = mono[i] + 0.01 * unit();
    for (size_t t = 0; t < tones.size(); ++t) {
      if (i >= silent) v += tones[t].imag();
      tones[t] *= turns[t];
    }
    music.samples[2 * i] = music.samples[2 * i + 1] = static_cast<int16_t>(std::clamp(v, -1.0, 1.0) * 32767);
  }
  return music;
}

TEST(BeatSync, FindsOffsetAndTempoOfSyntheticMusic) {
  std::mt19937 random(24);
  std::uniform_real_distribution<double> tempos(80, 220), offsets(0, 2000), nudge(-0.4, 0.4);
  for (int n = 0; n < 50; ++n) {
    SyntheticSong song;
    song.tempo = tempos(random);
    song.offsetMs = offsets(random);
    const OnsetStrength music = onsetStrength(makeMusic(song, random));
    const double beatMs = 60000 / song.tempo;
    const double truth = song.offsetMs + std::floor(offsets(random) / 200) * beatMs;
    SCOPED_TRACE("tempo " + std::to_string(song.tempo) + ", beat at " + std::to_string(truth) + " ms");

    const BeatOffset offset = findOffset(music, song.tempo, truth + nudge(random) * beatMs);
    EXPECT_NEAR(offset.offsetMs, truth, 2.0);
    EXPECT_GT(offset.confidence, 0.3);
    const BeatTempo tempo = findTempo(music, 60, 300, std::round(song.tempo));
    EXPECT_NEAR(tempo.tempo, song.tempo, 0.2);
    EXPECT_GT(tempo.confidence, 0.3);
  }
}

// Music that starts with a silence: with no beat to be near, the first kick is the beat.
TEST(BeatSync, WithoutANearBeatTakesTheFirstBeatHeard) {
  std::mt19937 random(3);
  for (double silentMs : {0.0, 1234.5, 2900.0}) {
    const SyntheticSong song{137.25, 410, 20, silentMs};
    const double beatMs = 60000 / song.tempo;
    const double firstKick = song.offsetMs + std::ceil((silentMs - song.offsetMs) / beatMs) * beatMs;
    EXPECT_NEAR(findOffset(makeMusic(song, random), song.tempo).offsetMs, firstKick, 2.0) << silentMs;
  }
}

// Kicks on every beat fit half the tempo just as well, so the hint decides; twice the tempo
// would put every other tooth on the quiet hats, which the hint cannot make up for.
TEST(BeatSync, HintChoosesOnlyAmongTempiThatFitAsWell) {
  std::mt19937 random(5);
  const SyntheticSong song{151.3, 200, 20};
  const OnsetStrength strength = onsetStrength(makeMusic(song, random));
  EXPECT_NEAR(findTempo(strength, 60, 300, 75).tempo, song.tempo / 2, 0.1);
  EXPECT_NEAR(findTempo(strength, 60, 300, 300).tempo, song.tempo, 0.2);
  EXPECT_NEAR(findTempo(strength, 60, 300).tempo, song.tempo, 0.2);
}

TEST(BeatSync, NoiseAloneGivesLittleConfidence) {
  std::mt19937 random(7);
  std::normal_distribution<double> noise(0, 3000);
  MusicPcm music;
  music.samples.resize(2 * 20 * kMixRate);
  for (auto& s : music.samples) s = static_cast<int16_t>(noise(random));
  const OnsetStrength strength = onsetStrength(music);
  EXPECT_LT(findOffset(strength, 128).confidence, 0.3);
  EXPECT_LT(findTempo(strength, 60, 300, 128).confidence, 0.3);
}

}  // namespace
}  // namespace tarveno
