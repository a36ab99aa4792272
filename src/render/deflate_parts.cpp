#include "render/deflate_parts.h"

#include <libdeflate.h>

#include <algorithm>
#include <array>
#include <memory>
#include <thread>

namespace tarveno {

namespace {

// Pieces smaller than this cost more in lost matches and thread start than they save.
constexpr size_t kMinimumPiece = 256 * 1024;

struct CompressorDeleter {
  void operator()(libdeflate_compressor* c) const { libdeflate_free_compressor(c); }
};
using Compressor = std::unique_ptr<libdeflate_compressor, CompressorDeleter>;

class BitReader {
 public:
  BitReader(const uint8_t* data, size_t size) : data_(data), bits_(size * 8) {}
  // Fails (returns false) past the end; the value is then meaningless.
  bool read(int count, unsigned& value) {
    value = 0;
    if (position_ + static_cast<size_t>(count) > bits_) return false;
    for (int i = 0; i < count; ++i, ++position_) value |= ((data_[position_ / 8] >> (position_ % 8)) & 1u) << i;
    return true;
  }
  void alignToByte() { position_ = (position_ + 7) / 8 * 8; }
  bool skipBytes(size_t n) {
    position_ += n * 8;
    return position_ <= bits_;
  }
  size_t position() const { return position_; }

 private:
  const uint8_t* data_;
  size_t bits_;
  size_t position_ = 0;
};

// A canonical Huffman code by its code lengths: decoded one bit at a time, which is plenty for
// walking over a stream once.
class HuffmanCode {
 public:
  explicit HuffmanCode(const uint8_t* lengths, int symbols) {
    for (int s = 0; s < symbols; ++s) ++counts_[lengths[s]];
    std::array<int, 16> offsets{};
    for (int len = 1; len < 15; ++len)
      offsets[static_cast<size_t>(len + 1)] = offsets[static_cast<size_t>(len)] + counts_[static_cast<size_t>(len)];
    symbols_.resize(static_cast<size_t>(symbols));
    for (int s = 0; s < symbols; ++s) {
      if (lengths[s] != 0) symbols_[static_cast<size_t>(offsets[lengths[s]]++)] = s;
    }
  }
  int decode(BitReader& in) const {
    int code = 0, first = 0, index = 0;
    for (size_t len = 1; len <= 15; ++len) {
      unsigned bit;
      if (!in.read(1, bit)) return -1;
      code |= static_cast<int>(bit);
      const int count = counts_[len];
      if (code - count < first) return symbols_[static_cast<size_t>(index + code - first)];
      index += count;
      first = (first + count) << 1;
      code <<= 1;
    }
    return -1;
  }

 private:
  std::array<int, 16> counts_{};
  std::vector<int> symbols_;
};

// Skips the symbols of one compressed block up to its end-of-block code.
bool skipSymbols(BitReader& in, const HuffmanCode& literals, const HuffmanCode& distances) {
  for (unsigned extra;;) {
    const int symbol = literals.decode(in);
    if (symbol < 0 || symbol > 285) return false;
    if (symbol == 256) return true;
    if (symbol < 256) continue;
    const int length = symbol - 257;
    if (!in.read(length < 8 || symbol == 285 ? 0 : (length - 4) / 4, extra)) return false;
    const int distance = distances.decode(in);
    if (distance < 0 || distance > 29 || !in.read(distance < 4 ? 0 : (distance - 2) / 2, extra)) return false;
  }
}

bool skipDynamicBlock(BitReader& in) {
  unsigned literalCount, distanceCount, lengthCount;
  if (!in.read(5, literalCount) || !in.read(5, distanceCount) || !in.read(4, lengthCount)) return false;
  constexpr int kOrder[19] = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};
  uint8_t lengthLengths[19] = {};
  for (unsigned i = 0; i < lengthCount + 4; ++i) {
    unsigned value;
    if (!in.read(3, value)) return false;
    lengthLengths[kOrder[i]] = static_cast<uint8_t>(value);
  }
  const HuffmanCode lengthCode(lengthLengths, 19);
  const size_t total = literalCount + 257 + distanceCount + 1;
  std::vector<uint8_t> lengths;
  while (lengths.size() < total) {
    const int symbol = lengthCode.decode(in);
    unsigned repeat;
    if (symbol < 0) return false;
    if (symbol < 16) {
      lengths.push_back(static_cast<uint8_t>(symbol));
    } else if (symbol == 16) {
      if (lengths.empty() || !in.read(2, repeat)) return false;
      lengths.insert(lengths.end(), repeat + 3, lengths.back());
    } else {
      if (!in.read(symbol == 17 ? 3 : 7, repeat)) return false;
      lengths.insert(lengths.end(), repeat + (symbol == 17 ? 3 : 11), 0);
    }
  }
  if (lengths.size() != total) return false;
  return skipSymbols(in, HuffmanCode(lengths.data(), static_cast<int>(literalCount + 257)),
                     HuffmanCode(lengths.data() + literalCount + 257, static_cast<int>(distanceCount + 1)));
}

bool skipFixedBlock(BitReader& in) {
  uint8_t lengths[288 + 30];
  std::fill(lengths, lengths + 144, 8);
  std::fill(lengths + 144, lengths + 256, 9);
  std::fill(lengths + 256, lengths + 280, 7);
  std::fill(lengths + 280, lengths + 288, 8);
  std::fill(lengths + 288, lengths + 318, 5);
  return skipSymbols(in, HuffmanCode(lengths, 288), HuffmanCode(lengths + 288, 30));
}

struct StreamEnd {
  size_t finalHeaderBit;  // where the last block's final flag is
  size_t endBit;          // just past its end-of-block code
};

// Walks a raw deflate stream's blocks to its end.
std::optional<StreamEnd> findStreamEnd(const std::vector<uint8_t>& stream) {
  BitReader in(stream.data(), stream.size());
  for (;;) {
    const size_t header = in.position();
    unsigned final, type;
    if (!in.read(1, final) || !in.read(2, type)) return std::nullopt;
    bool ok = false;
    if (type == 0) {
      in.alignToByte();
      unsigned length, complement;
      ok = in.read(16, length) && in.read(16, complement) && in.skipBytes(length);
    } else if (type == 1) {
      ok = skipFixedBlock(in);
    } else if (type == 2) {
      ok = skipDynamicBlock(in);
    }
    if (!ok) return std::nullopt;
    if (final) return StreamEnd{header, in.position()};
  }
}

// Appends a piece that is not the last: its bits up to the end with the final flag cleared,
// then an empty stored block (three zero bits, padding, length 0 and its complement).
bool appendOpenPiece(std::vector<uint8_t>& out, const std::vector<uint8_t>& piece) {
  const std::optional<StreamEnd> end = findStreamEnd(piece);
  if (!end) return false;
  const size_t base = out.size();
  const size_t whole = end->endBit / 8;
  const int rest = static_cast<int>(end->endBit % 8);
  out.insert(out.end(), piece.begin(), piece.begin() + static_cast<std::ptrdiff_t>(whole));
  if (rest > 0) out.push_back(static_cast<uint8_t>(piece[whole] & ((1u << rest) - 1)));
  out[base + end->finalHeaderBit / 8] &= static_cast<uint8_t>(~(1u << (end->finalHeaderBit % 8)));
  if (rest == 0 || rest > 5) out.push_back(0);  // the stored block's header did not fit
  out.insert(out.end(), {0x00, 0x00, 0xFF, 0xFF});
  return true;
}

std::optional<std::vector<uint8_t>> compressPiece(const uint8_t* data, size_t size, int level) {
  Compressor compressor(libdeflate_alloc_compressor(level));
  if (!compressor) return std::nullopt;
  std::vector<uint8_t> out(libdeflate_deflate_compress_bound(compressor.get(), size));
  const size_t written = libdeflate_deflate_compress(compressor.get(), data, size, out.data(), out.size());
  if (written == 0) return std::nullopt;
  out.resize(written);
  return out;
}

}  // namespace

std::optional<std::vector<uint8_t>> compressZlibInParts(const std::vector<uint8_t>& data, int level, int parts) {
  const size_t count = std::clamp<size_t>(data.size() / kMinimumPiece, 1, static_cast<size_t>(std::max(parts, 1)));
  std::vector<std::optional<std::vector<uint8_t>>> pieces(count);
  const size_t step = data.size() / count;
  auto work = [&](size_t i) {
    const size_t from = i * step;
    const size_t to = i + 1 == count ? data.size() : from + step;
    pieces[i] = compressPiece(data.data() + from, to - from, level);
  };
  std::vector<std::thread> threads;
  for (size_t i = 1; i < count; ++i) threads.emplace_back(work, i);
  work(0);
  for (std::thread& t : threads) t.join();

  // zlib header: deflate with a 32 KiB window; the level field only informs.
  std::vector<uint8_t> out = {0x78, 0xDA};
  for (size_t i = 0; i < count; ++i) {
    if (!pieces[i]) return std::nullopt;
    if (i + 1 < count) {
      if (!appendOpenPiece(out, *pieces[i])) return std::nullopt;
    } else {
      out.insert(out.end(), pieces[i]->begin(), pieces[i]->end());
    }
  }
  const uint32_t adler = libdeflate_adler32(1, data.data(), data.size());
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(adler >> shift));
  return out;
}

}  // namespace tarveno
