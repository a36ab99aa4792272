#pragma once

#include <vector>

#include "core/play/schedule.h"

namespace tarveno {

inline constexpr int kMixRate = 48000;  // frames a second of everything playback produces
inline constexpr int kMixChannels = 2;

// The three short sounds of playback, synthesised once: mono samples at kMixRate, each
// starting at its full level on its first sample (a percussive attack, no fade-in) and dying
// away to exactly zero within 30 ms, so that nothing is heard between sounds.
struct SoundBank {
  std::vector<float> tick;
  std::vector<float> click;
  std::vector<float> accent;

  const std::vector<float>& of(PlaySound sound) const;
  // The longest of the three, in frames.
  size_t longest() const;
};

SoundBank makeSoundBank();

}  // namespace tarveno
