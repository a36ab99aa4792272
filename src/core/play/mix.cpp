#include "core/play/mix.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tarveno {

namespace {

float gainOf(int volume) {
  return static_cast<float>(std::clamp(volume, 0, 100)) / 100.0f;
}

bool audible(PlaySound sound, const MixSettings& settings) {
  return sound == PlaySound::Tick ? settings.ticks && settings.tickVolume > 0
                                  : settings.metronome && settings.metronomeVolume > 0;
}

void addMusic(const MixPlan& plan, int64_t firstFrame, std::span<float> out, int64_t musicShift) {
  if (!plan.music) return;
  const int64_t frames = static_cast<int64_t>(out.size()) / kMixChannels;
  const int64_t first = plan.musicFrameAtStart + musicShift + firstFrame;  // music frame of out's first
  const int64_t from = std::max<int64_t>(0, -first);
  const int64_t to = std::min(frames, plan.music->frames() - first);
  for (int64_t i = from; i < to; ++i) {
    const auto m = static_cast<size_t>(first + i) * kMixChannels;
    for (size_t c = 0; c < kMixChannels; ++c) {
      out[static_cast<size_t>(i) * kMixChannels + c] += plan.music->samples[m + c] / 32768.0f;
    }
  }
}

void addSounds(const MixPlan& plan, int64_t firstFrame, std::span<float> out) {
  const int64_t frames = static_cast<int64_t>(out.size()) / kMixChannels;
  const auto reach = static_cast<int64_t>(plan.sounds.longest());
  auto onset = std::lower_bound(plan.onsets.begin(), plan.onsets.end(), firstFrame - reach,
                                [](const MixPlan::Onset& o, int64_t frame) { return o.frame < frame; });
  for (; onset != plan.onsets.end() && onset->frame < firstFrame + frames; ++onset) {
    const std::vector<float>& sound = plan.sounds.of(onset->sound);
    const int64_t shift = onset->frame - firstFrame;  // sound sample k lands on block frame shift + k
    const int64_t from = std::max<int64_t>(0, shift);
    const int64_t to = std::min(frames, shift + static_cast<int64_t>(sound.size()));
    for (int64_t i = from; i < to; ++i) {
      const float value = sound[static_cast<size_t>(i - shift)] * onset->gain;
      out[static_cast<size_t>(i) * kMixChannels] += value;
      out[static_cast<size_t>(i) * kMixChannels + 1] += value;
    }
  }
}

}  // namespace

int64_t musicFrames(double ms, double speed) {
  return std::llround(ms * (kMixRate / 1000.0) / speed);
}

MixPlan planMix(const Schedule& schedule, const MixSettings& settings, std::shared_ptr<const MusicPcm> music,
                int offsetMs, double speed) {
  MixPlan plan;
  plan.speed = std::clamp(speed, kMinPlaySpeed, kMaxPlaySpeed);
  const double framesPerSecond = kMixRate / plan.speed;  // of the song's own time
  plan.sounds = makeSoundBank();
  plan.songEndFrame = std::llround(schedule.length() * framesPerSecond);
  plan.totalFrames = plan.songEndFrame;
  for (const PlayEvent& event : schedule.events) {
    if (!audible(event.sound, settings)) continue;
    const float gain = gainOf(event.sound == PlaySound::Tick ? settings.tickVolume : settings.metronomeVolume);
    const int64_t frame = std::llround(event.time * framesPerSecond);
    plan.onsets.push_back({frame, event.sound, gain});
    plan.totalFrames = std::max(plan.totalFrames, frame + static_cast<int64_t>(plan.sounds.of(event.sound).size()));
  }
  if (music && music->frames() > 0) {
    plan.music = std::move(music);
    plan.musicFrameAtStart = std::llround(schedule.startTime() * framesPerSecond) + musicFrames(offsetMs, plan.speed);
  }
  return plan;
}

void renderMix(const MixPlan& plan, int64_t firstFrame, std::span<float> out, int64_t musicShift) {
  std::fill(out.begin(), out.end(), 0.0f);
  const int64_t frames = static_cast<int64_t>(out.size()) / kMixChannels;
  // Only the part of the block inside the mix sounds.
  const int64_t from = std::clamp<int64_t>(-firstFrame, 0, frames);
  const int64_t to = std::clamp<int64_t>(plan.totalFrames - firstFrame, from, frames);
  if (to <= from) return;
  const std::span<float> inside =
      out.subspan(static_cast<size_t>(from) * kMixChannels, static_cast<size_t>(to - from) * kMixChannels);
  addMusic(plan, firstFrame + from, inside, musicShift);
  addSounds(plan, firstFrame + from, inside);
  for (float& sample : inside) sample = std::clamp(sample, -1.0f, 1.0f);
}

void renderMix(const MixPlan& plan, int64_t firstFrame, std::span<int16_t> out, int64_t musicShift) {
  std::array<float, 4096> block;
  const int64_t frames = static_cast<int64_t>(out.size()) / kMixChannels;
  constexpr int64_t kBlockFrames = block.size() / kMixChannels;
  for (int64_t done = 0; done < frames; done += kBlockFrames) {
    const int64_t n = std::min(kBlockFrames, frames - done);
    const std::span<float> part(block.data(), static_cast<size_t>(n) * kMixChannels);
    renderMix(plan, firstFrame + done, part, musicShift);
    int16_t* target = out.data() + done * kMixChannels;
    for (const float sample : part) {
      *target++ = static_cast<int16_t>(std::clamp(std::lrint(sample * 32768.0f), -32768L, 32767L));
    }
  }
}

int64_t MixCursor::read(std::span<int16_t> out) {
  const int64_t frames = std::min(static_cast<int64_t>(out.size()) / kMixChannels, plan_->totalFrames - position_);
  if (frames <= 0) return 0;
  renderMix(*plan_, position_, out.first(static_cast<size_t>(frames) * kMixChannels), musicShift());
  position_ += frames;
  return frames;
}

}  // namespace tarveno
