#include "core/play/stretch.h"

#include <soundtouch/SoundTouch.h>

#include <algorithm>
#include <cmath>

namespace tarveno {

namespace {

// The stretcher works on float samples; it is fed and drained in blocks of this many frames.
constexpr int64_t kBlockFrames = 8192;

void drain(soundtouch::SoundTouch& stretcher, std::vector<float>& block, std::vector<int16_t>& out) {
  const auto capacity = static_cast<unsigned>(block.size() / kMixChannels);
  while (const unsigned got = stretcher.receiveSamples(block.data(), capacity)) {
    for (size_t i = 0; i < size_t{got} * kMixChannels; ++i) {
      out.push_back(static_cast<int16_t>(std::clamp(std::lrint(block[i] * 32768.0f), -32768L, 32767L)));
    }
  }
}

// The stretcher lays the music out in output sequences, each taken from the input at its own
// start: the middle of each is heard early by half a sequence's worth of the slowing down.
// Music a few tens of milliseconds ahead of the ticks is plainly heard, so the result is
// delayed by that much.
int64_t leadFrames(soundtouch::SoundTouch& stretcher, double speed) {
  const int sequence = stretcher.getSetting(SETTING_NOMINAL_OUTPUT_SEQUENCE);
  return std::llround(0.5 * sequence * (1 - speed) / speed);
}

}  // namespace

MusicPcm stretchMusic(const MusicPcm& music, double speed) {
  speed = std::clamp(speed, kMinPlaySpeed, kMaxPlaySpeed);
  if (speed >= kMaxPlaySpeed || music.frames() == 0) return music;
  const int64_t wanted = std::llround(static_cast<double>(music.frames()) / speed);

  soundtouch::SoundTouch stretcher;
  stretcher.setSampleRate(kMixRate);
  stretcher.setChannels(kMixChannels);
  stretcher.setTempo(speed);
  MusicPcm result;
  result.samples.reserve(static_cast<size_t>(wanted + kBlockFrames) * kMixChannels);
  result.samples.resize(static_cast<size_t>(leadFrames(stretcher, speed)) * kMixChannels, 0);
  std::vector<float> block(static_cast<size_t>(kBlockFrames) * kMixChannels);
  for (int64_t done = 0; done < music.frames(); done += kBlockFrames) {
    const int64_t n = std::min(kBlockFrames, music.frames() - done);
    const int16_t* from = music.samples.data() + done * kMixChannels;
    std::transform(from, from + n * kMixChannels, block.begin(), [](int16_t s) { return s / 32768.0f; });
    stretcher.putSamples(block.data(), static_cast<unsigned>(n));
    drain(stretcher, block, result.samples);
  }
  // The flush makes only as much as the input asks for, minus what the stretcher still holds:
  // silence behind the music brings out the music's own end.
  for (int tail = 2 * stretcher.getSetting(SETTING_INITIAL_LATENCY); tail > 0; tail -= kBlockFrames) {
    std::fill(block.begin(), block.end(), 0.0f);  // drain() leaves the output in the block
    stretcher.putSamples(block.data(), static_cast<unsigned>(std::min<int64_t>(tail, kBlockFrames)));
    drain(stretcher, block, result.samples);
  }
  stretcher.flush();
  drain(stretcher, block, result.samples);
  // The stretcher's own rounding and its flush leave a few frames more or less than the exact
  // length, which the mix's timing relies on.
  result.samples.resize(static_cast<size_t>(wanted) * kMixChannels, 0);
  return result;
}

}  // namespace tarveno
