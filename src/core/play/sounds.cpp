#include "core/play/sounds.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tarveno {

namespace {

struct Voice {
  double pitch;     // Hz
  double level;     // peak, full scale 1
  double decay;     // seconds for the level to fall to 1/e
  double duration;  // seconds; at most 30 ms
};

// A tone that starts at its peak (a cosine) and decays exponentially; the last millisecond
// fades linearly to zero, so the sound ends without a step.
std::vector<float> strike(const Voice& v) {
  const auto frames = static_cast<size_t>(std::lround(v.duration * kMixRate));
  const size_t fade = kMixRate / 1000;
  std::vector<float> samples(frames);
  for (size_t i = 0; i < frames; ++i) {
    const double t = static_cast<double>(i) / kMixRate;
    double value = v.level * std::cos(2 * std::numbers::pi * v.pitch * t) * std::exp(-t / v.decay);
    const size_t left = frames - 1 - i;
    if (left < fade) value *= static_cast<double>(left) / fade;
    samples[i] = static_cast<float>(value);
  }
  return samples;
}

}  // namespace

const std::vector<float>& SoundBank::of(PlaySound sound) const {
  switch (sound) {
    case PlaySound::Click:
      return click;
    case PlaySound::AccentClick:
      return accent;
    default:
      return tick;
  }
}

size_t SoundBank::longest() const {
  return std::max({tick.size(), click.size(), accent.size()});
}

SoundBank makeSoundBank() {
  // The tick is high and dry so it stays apart from the music; the clicks are lower, the
  // accent brighter and louder than the other beats. A tick on an accent stays below full
  // scale, so the two together do not clip.
  return {strike({2400, 0.5, 0.004, 0.020}), strike({1000, 0.3, 0.006, 0.030}), strike({1600, 0.45, 0.008, 0.030})};
}

}  // namespace tarveno
