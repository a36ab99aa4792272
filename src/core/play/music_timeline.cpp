#include "core/play/music_timeline.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "core/play/wav.h"

namespace tarveno {

namespace {

// Decoders round their times: a buffer this close to the end of the one before follows on.
constexpr int64_t kFollowOnUs = 1000;

int64_t frameAt(int64_t us) {
  return static_cast<int64_t>(std::llround(static_cast<double>(us) * kMixRate / 1e6));
}

Error tooLong() {
  return {ErrorCode::OutOfRange, Message{PlayText::MusicTooLong, {}, {}}};
}

}  // namespace

int64_t MusicTimeline::Run::endUs() const {
  const auto frames = static_cast<int64_t>(samples.size()) / channels;
  return startUs + static_cast<int64_t>(std::llround(static_cast<double>(frames) * 1e6 / rate));
}

void MusicTimeline::add(int64_t startUs, int channels, int rate, std::span<const float> interleaved) {
  if (error_ || interleaved.empty()) return;
  if (channels <= 0 || !mixableRate(rate)) {
    error_ = Error{ErrorCode::Unsupported, channels <= 0 ? Message{PlayText::NoChannels, {}, {}} : unmixableRate(rate)};
    return;
  }
  const bool sameFormat = channels == run_.channels && rate == run_.rate;
  const bool followsOn = startUs < 0 || (!run_.samples.empty() && std::abs(startUs - run_.endUs()) <= kFollowOnUs);
  if (!(sameFormat && followsOn)) {
    const int64_t start = startUs >= 0 ? startUs : run_.samples.empty() ? 0 : run_.endUs();
    place();
    run_ = Run{start, channels, rate, {}};
  }
  run_.samples.insert(run_.samples.end(), interleaved.begin(), interleaved.end());
  // A wrong time or an endless stream must not take all memory.
  if (frameAt(run_.endUs()) > kMaxFrames) {
    error_ = tooLong();
    run_ = Run{};
  }
}

// Converts the run and copies it to its place, growing the music as far as it reaches.
void MusicTimeline::place() {
  if (run_.samples.empty() || error_) return;
  auto converted = toMixPcm(run_.samples, run_.channels, run_.rate);
  run_.samples = {};
  if (!converted) {
    error_ = converted.error();
    return;
  }
  const int64_t at = frameAt(run_.startUs);
  const int64_t end = at + converted->frames();
  if (end > kMaxFrames) {
    error_ = tooLong();
    return;
  }
  if (end <= 0) return;
  if (end > music_.frames()) music_.samples.resize(static_cast<size_t>(end) * kMixChannels);
  const int64_t skip = std::max<int64_t>(0, -at);  // before the music's start
  std::copy(converted->samples.begin() + skip * kMixChannels, converted->samples.end(),
            music_.samples.begin() + (at + skip) * kMixChannels);
}

Result<MusicPcm> MusicTimeline::finish() {
  place();
  run_ = Run{};
  if (error_) return *std::exchange(error_, std::nullopt);
  if (music_.frames() == 0) return Error{ErrorCode::BadData, Message{PlayText::NoSound, {}, {}}};
  return std::exchange(music_, MusicPcm{});
}

}  // namespace tarveno
