#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "core/play/schedule.h"
#include "core/play/sounds.h"

namespace tarveno {

// The slowest and fastest playback speeds, as shares of the song's own tempo.
inline constexpr double kMinPlaySpeed = 0.5;
inline constexpr double kMaxPlaySpeed = 1.0;

// Which sounds play and how loud. Volumes are 0..100, a linear share of the sound's level.
struct MixSettings {
  bool ticks = true;
  bool metronome = false;
  int tickVolume = 100;
  int metronomeVolume = 100;

  bool operator==(const MixSettings&) const = default;
};

// A song's music as playback mixes it: interleaved stereo 16-bit samples at kMixRate.
struct MusicPcm {
  std::vector<int16_t> samples;

  int64_t frames() const { return static_cast<int64_t>(samples.size()) / kMixChannels; }
};

// Everything needed to produce the mix at any frame: where each audible sound starts, the
// music and where it stands at frame 0, and how long the whole thing lasts. Frame 0 is the
// start of the schedule's first beat.
struct MixPlan {
  struct Onset {
    int64_t frame = 0;
    PlaySound sound = PlaySound::Tick;
    float gain = 1;
  };
  std::vector<Onset> onsets;  // by frame
  SoundBank sounds;
  std::shared_ptr<const MusicPcm> music;  // may be null
  int64_t musicFrameAtStart = 0;          // music frame heard at frame 0; negative before it starts
  int64_t songEndFrame = 0;               // the song's end
  int64_t totalFrames = 0;                // the song's end, or later when the last sound rings on
  double speed = 1;                       // the share of the song's tempo it plays at

  double seconds() const { return static_cast<double>(totalFrames) / kMixRate; }
};

// The schedule's sounds that the settings let through, each on frame round(time / speed *
// kMixRate), and the music with beat 0 of the song at offsetMs into it. Slower playback
// stretches time: the music must come already stretched to the same speed (stretchMusic),
// and beat 0 lies offsetMs / speed into it; the song's end moves out likewise. The music plays
// as it is and is cut at the mix's end. Speed is clamped to kMinPlaySpeed..kMaxPlaySpeed.
MixPlan planMix(const Schedule& schedule, const MixSettings& settings, std::shared_ptr<const MusicPcm> music,
                int offsetMs, double speed = 1);

// Mix frames that `ms` milliseconds of the song's own time last at `speed`.
int64_t musicFrames(double ms, double speed);

// Fills `out` (interleaved stereo, out.size() / 2 frames) with the mix from firstFrame on.
// Frames outside 0..totalFrames are silent. Where nothing sounds the samples are exactly zero.
// musicShift is added to the plan's musicFrameAtStart: a positive one plays the music further
// on, as a larger offset would.
void renderMix(const MixPlan& plan, int64_t firstFrame, std::span<float> out, int64_t musicShift = 0);
// The same as 16-bit samples (full scale 32768, clipped).
void renderMix(const MixPlan& plan, int64_t firstFrame, std::span<int16_t> out, int64_t musicShift = 0);

// Reads a plan's mix from its start in blocks of any size, as an audio device pulls it.
class MixCursor {
 public:
  explicit MixCursor(std::shared_ptr<const MixPlan> plan) : plan_(std::move(plan)) {}

  // Fills whole frames of `out` and returns how many; 0 once the mix is over.
  int64_t read(std::span<int16_t> out);
  int64_t position() const { return position_; }
  const MixPlan& plan() const { return *plan_; }

  // Moves the music against the plan from the next read on, by mix frames (renderMix's
  // musicShift), so that its offset can be tuned while it plays. Safe from any thread, as an
  // audio device may pull on one of its own.
  void setMusicShift(int64_t frames) { musicShift_.store(frames, std::memory_order_relaxed); }
  int64_t musicShift() const { return musicShift_.load(std::memory_order_relaxed); }

 private:
  std::shared_ptr<const MixPlan> plan_;
  int64_t position_ = 0;
  std::atomic<int64_t> musicShift_ = 0;
};

}  // namespace tarveno
