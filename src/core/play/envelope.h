#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "core/play/mix.h"

namespace tarveno {

// What a stretch of music looks like at a glance: the lowest and highest sample of each
// channel and the level of its low band (below about 150 Hz, where kick drums sit).
struct EnvelopeSpan {
  bool empty = true;  // the stretch holds no music
  int16_t minLeft = 0;
  int16_t maxLeft = 0;
  int16_t minRight = 0;
  int16_t maxRight = 0;
  int16_t low = 0;  // peak of the low band (mono, 0..32767)
};

// A song's music summarised for drawing, so that any stretch of it is summed up in a few
// lookups whatever its length: the waveform beside the grid asks once per pixel row, at
// every scroll.
//
// The table holds blocks of kBlockFrames frames, then blocks of twice that, and so on up to
// one block for the whole music. A stretch is covered by the largest aligned blocks that fit
// (at most two per level), so a lookup costs O(log frames).
//
// Precision: the minimum and maximum are exact for any stretch (the ragged ends, less than a
// block each, are read from the samples). The low band is the peak over the finest blocks
// the stretch touches, so it may reach up to kBlockFrames - 1 frames (1.3 ms) beyond either end.
class Envelope {
 public:
  static constexpr int kBlockFrames = 64;
  // The low band's corner: two one-pole low-passes in a row, each at this frequency.
  static constexpr double kLowCornerHz = 150;

  explicit Envelope(std::shared_ptr<const MusicPcm> music);

  int64_t frames() const { return frames_; }
  // The frames [begin, end) of the music; what lies outside the music is left out.
  EnvelopeSpan span(int64_t begin, int64_t end) const;

 private:
  struct Block {
    int16_t minLeft;
    int16_t maxLeft;
    int16_t minRight;
    int16_t maxRight;
    int16_t low;
  };
  void buildFinest();
  void buildCoarser();
  // Combines the finest blocks [first, last) into `out`, from the coarsest levels that fit.
  void addBlocks(int64_t first, int64_t last, Block& out) const;
  // Only the minimum and maximum of the frames [begin, end), from the samples.
  void addSamples(int64_t begin, int64_t end, Block& out) const;
  int16_t lowOf(int64_t firstBlock, int64_t lastBlock) const;

  std::shared_ptr<const MusicPcm> music_;
  int64_t frames_ = 0;
  std::vector<std::vector<Block>> levels_;  // [0]: kBlockFrames frames a block
};

}  // namespace tarveno
