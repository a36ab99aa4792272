#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/play/mix.h"
#include "core/result.h"

namespace tarveno {

// Music that a decoder hands over in buffers, put together in the mix format. Each buffer
// lands at its own start time: a gap between buffers becomes silence, a later buffer that
// overlaps an earlier one replaces it there. Buffers that follow on in one format are
// resampled as one run, so that no seam clicks; a change of rate or channels starts a new run,
// converted like the first.
class MusicTimeline {
 public:
  // A buffer of `interleaved` samples (full scale +-1) starting startUs microseconds into the
  // music; a negative time (not known) continues the buffer before. The first error sticks.
  void add(int64_t startUs, int channels, int rate, std::span<const float> interleaved);
  // The music; an error when a buffer could not be converted or nothing was heard.
  Result<MusicPcm> finish();

  // The longest music kept: half an hour (about 350 MB in the mix format), far more than a
  // song, yet a bound on what a broken stream can take.
  static constexpr int64_t kMaxFrames = int64_t{1800} * kMixRate;

 private:
  struct Run {
    int64_t startUs = 0;
    int channels = 0;
    int rate = 0;
    std::vector<float> samples;

    int64_t endUs() const;
  };
  void place();

  MusicPcm music_;
  Run run_;
  std::optional<Error> error_;
};

}  // namespace tarveno
