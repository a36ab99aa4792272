#include "core/play/envelope.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tarveno {

namespace {

// A block no sample has been added to: every combination with it gives the other.
constexpr int16_t kLowest = INT16_MIN;
constexpr int16_t kHighest = INT16_MAX;

void merge(const auto& from, auto& into) {
  into.minLeft = std::min(into.minLeft, from.minLeft);
  into.maxLeft = std::max(into.maxLeft, from.maxLeft);
  into.minRight = std::min(into.minRight, from.minRight);
  into.maxRight = std::max(into.maxRight, from.maxRight);
  into.low = std::max(into.low, from.low);
}

}  // namespace

Envelope::Envelope(std::shared_ptr<const MusicPcm> music) : music_(std::move(music)) {
  frames_ = music_ ? music_->frames() : 0;
  buildFinest();
  buildCoarser();
}

void Envelope::buildFinest() {
  const int64_t blocks = (frames_ + kBlockFrames - 1) / kBlockFrames;
  std::vector<Block>& finest = levels_.emplace_back(static_cast<size_t>(blocks));
  const double a = 1 - std::exp(-2 * std::numbers::pi * kLowCornerHz / kMixRate);
  double first = 0;
  double second = 0;
  const int16_t* s = music_ ? music_->samples.data() : nullptr;
  for (int64_t b = 0; b < blocks; ++b) {
    Block block{kHighest, kLowest, kHighest, kLowest, 0};
    double peak = 0;
    const int64_t end = std::min(frames_, (b + 1) * kBlockFrames);
    for (int64_t f = b * kBlockFrames; f < end; ++f) {
      const int16_t left = s[2 * f];
      const int16_t right = s[2 * f + 1];
      block.minLeft = std::min(block.minLeft, left);
      block.maxLeft = std::max(block.maxLeft, left);
      block.minRight = std::min(block.minRight, right);
      block.maxRight = std::max(block.maxRight, right);
      first += a * ((left + right) * 0.5 - first);
      second += a * (first - second);
      peak = std::max(peak, std::abs(second));
    }
    block.low = static_cast<int16_t>(std::min(std::lround(peak), long{kHighest}));
    finest[static_cast<size_t>(b)] = block;
  }
}

void Envelope::buildCoarser() {
  while (levels_.back().size() > 1) {
    const std::vector<Block>& below = levels_.back();
    std::vector<Block> level((below.size() + 1) / 2);
    for (size_t i = 0; i < level.size(); ++i) {
      level[i] = below[2 * i];
      if (2 * i + 1 < below.size()) merge(below[2 * i + 1], level[i]);
    }
    levels_.push_back(std::move(level));
  }
}

void Envelope::addBlocks(int64_t first, int64_t last, Block& out) const {
  while (first < last) {
    // The largest block that starts here and ends within the stretch.
    size_t level = 0;
    while (level + 1 < levels_.size() && (first & ((int64_t{2} << level) - 1)) == 0 &&
           first + (int64_t{2} << level) <= last) {
      ++level;
    }
    merge(levels_[level][static_cast<size_t>(first >> level)], out);
    first += int64_t{1} << level;
  }
}

void Envelope::addSamples(int64_t begin, int64_t end, Block& out) const {
  const int16_t* s = music_->samples.data();
  for (int64_t f = begin; f < end; ++f) {
    out.minLeft = std::min(out.minLeft, s[2 * f]);
    out.maxLeft = std::max(out.maxLeft, s[2 * f]);
    out.minRight = std::min(out.minRight, s[2 * f + 1]);
    out.maxRight = std::max(out.maxRight, s[2 * f + 1]);
  }
}

int16_t Envelope::lowOf(int64_t firstBlock, int64_t lastBlock) const {
  Block block{kHighest, kLowest, kHighest, kLowest, 0};
  addBlocks(firstBlock, lastBlock, block);
  return block.low;
}

EnvelopeSpan Envelope::span(int64_t begin, int64_t end) const {
  begin = std::max<int64_t>(begin, 0);
  end = std::min(end, frames_);
  if (begin >= end) return {};
  Block block{kHighest, kLowest, kHighest, kLowest, 0};
  // Whole blocks inside the stretch come from the table, the rest from the samples.
  const int64_t firstWhole = (begin + kBlockFrames - 1) / kBlockFrames;
  const int64_t lastWhole = end == frames_ ? (end + kBlockFrames - 1) / kBlockFrames : end / kBlockFrames;
  if (firstWhole < lastWhole) {
    addBlocks(firstWhole, lastWhole, block);
    addSamples(begin, firstWhole * kBlockFrames, block);
    addSamples(std::min(end, lastWhole * kBlockFrames), end, block);
  } else {
    addSamples(begin, end, block);
  }
  const int16_t low = lowOf(begin / kBlockFrames, (end + kBlockFrames - 1) / kBlockFrames);
  return {false, block.minLeft, block.maxLeft, block.minRight, block.maxRight, low};
}

}  // namespace tarveno
