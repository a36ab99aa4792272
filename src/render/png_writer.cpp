#include "render/png_writer.h"

#include <libdeflate.h>
#include <QCoreApplication>

#include "render/deflate_parts.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

namespace tarveno {

namespace {

using Bytes = std::vector<uint8_t>;

// What each option asks of the compressor. Sheets are a few flat colours stored with a palette,
// where unfiltered rows compress best, so libdeflate's level (1..12) is the one real lever.
// Measured on the largest sheet: 1 is the fastest by far and still a third smaller than zlib's
// fastest; 7 is the last level before the time climbs steeply, and already smaller than zlib's
// strongest; 10 is the first of the near-optimal levels, within a fraction of a percent of 12
// in two thirds of its time.
struct PngSettings {
  int level;
  bool chooseFilters;  // truecolour only: per-row adaptive filter instead of none
};

PngSettings settingsFor(PngOption option) {
  switch (option) {
    case PngOption::Speed:
      return {1, false};
    case PngOption::Smallest:
      return {10, true};
    case PngOption::Standard:
      break;
  }
  return {7, true};
}

// Colours seen so far and their palette positions: open addressing in a table four times the
// largest palette, so a probe rarely passes more than one slot.
class ColourTable {
 public:
  // The colour's palette index, or -1 when the palette is already full.
  int indexOf(uint32_t colour) {
    uint32_t slot = (colour * 2654435761u) >> (32 - kBits);
    for (;;) {
      if (!used_[slot]) {
        if (colours.size() == 256) return -1;
        used_[slot] = true;
        keys_[slot] = colour;
        values_[slot] = static_cast<uint8_t>(colours.size());
        colours.push_back(colour);
        return values_[slot];
      }
      if (keys_[slot] == colour) return values_[slot];
      slot = (slot + 1) & (kSize - 1);
    }
  }

  std::vector<uint32_t> colours;

 private:
  static constexpr int kBits = 10;
  static constexpr uint32_t kSize = 1u << kBits;
  std::array<bool, kSize> used_{};
  std::array<uint32_t, kSize> keys_{};
  std::array<uint8_t, kSize> values_{};
};

struct Indexed {
  std::vector<uint32_t> colours;
  Bytes indices;  // one per pixel, row after row
};

// The palette and every pixel's index, or nothing when the picture has more than 256 colours.
std::optional<Indexed> indexPixels(const QImage& image, uint32_t opaque) {
  ColourTable table;
  Indexed out;
  out.indices.resize(static_cast<size_t>(image.width()) * static_cast<size_t>(image.height()));
  uint8_t* index = out.indices.data();
  const int width = image.width();
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const uint32_t*>(image.constScanLine(y));
    // Flat pictures repeat the previous pixel most of the time; skip the lookup then.
    uint32_t last = ~(line[0] | opaque);
    int lastIndex = 0;
    for (int x = 0; x < width; ++x) {
      const uint32_t colour = line[x] | opaque;
      if (colour != last) {
        lastIndex = table.indexOf(colour);
        if (lastIndex < 0) return std::nullopt;
        last = colour;
      }
      *index++ = static_cast<uint8_t>(lastIndex);
    }
  }
  out.colours = std::move(table.colours);
  return out;
}

int bitDepthFor(size_t colours) {
  if (colours <= 2) return 1;
  if (colours <= 4) return 2;
  if (colours <= 16) return 4;
  return 8;
}

// The filtered image data: each row a filter byte then the indices packed most significant
// bits first. Palette rows stay unfiltered: differences of indices mean nothing, and the runs
// of a flat picture already suit the compressor.
Bytes paletteRows(const Indexed& indexed, int width, int height, int depth) {
  const size_t rowBytes = (static_cast<size_t>(width) * static_cast<size_t>(depth) + 7) / 8;
  Bytes raw(static_cast<size_t>(height) * (rowBytes + 1), 0);
  const int perByte = 8 / depth;
  for (int y = 0; y < height; ++y) {
    uint8_t* row = raw.data() + static_cast<size_t>(y) * (rowBytes + 1) + 1;
    const uint8_t* in = indexed.indices.data() + static_cast<size_t>(y) * static_cast<size_t>(width);
    if (depth == 8) {
      std::copy(in, in + width, row);
      continue;
    }
    // Whole bytes first, then the last one padded with zero bits.
    const int full = width / perByte;
    for (int b = 0; b < full; ++b, in += perByte) {
      unsigned value = 0;
      for (int k = 0; k < perByte; ++k) value = (value << depth) | in[k];
      row[b] = static_cast<uint8_t>(value);
    }
    if (const int rest = width - full * perByte; rest > 0) {
      unsigned value = 0;
      for (int k = 0; k < perByte; ++k) value = (value << depth) | (k < rest ? in[k] : 0u);
      row[full] = static_cast<uint8_t>(value);
    }
  }
  return raw;
}

uint8_t paeth(int a, int b, int c) {
  const int p = a + b - c;
  const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
  if (pa <= pb && pa <= pc) return static_cast<uint8_t>(a);
  return static_cast<uint8_t>(pb <= pc ? b : c);
}

// Row `cur` filtered by `type` (1 sub, 2 up, 3 average, 4 Paeth) against the row above.
void filterRow(int type, const uint8_t* cur, const uint8_t* up, size_t n, size_t bpp, uint8_t* out) {
  for (size_t i = 0; i < n; ++i) {
    const int a = i >= bpp ? cur[i - bpp] : 0;
    const int b = up[i];
    const int c = i >= bpp ? up[i - bpp] : 0;
    int predicted = 0;
    if (type == 1) predicted = a;
    if (type == 2) predicted = b;
    if (type == 3) predicted = (a + b) / 2;
    if (type == 4) predicted = paeth(a, b, c);
    out[i] = static_cast<uint8_t>(cur[i] - predicted);
  }
}

// The usual rule for truecolour: per row, the filter whose output has the smallest sum of
// absolute values (as signed bytes), which favours runs of zeros.
size_t filterCost(const uint8_t* data, size_t n) {
  size_t sum = 0;
  for (size_t i = 0; i < n; ++i) sum += static_cast<size_t>(std::abs(static_cast<int8_t>(data[i])));
  return sum;
}

Bytes truecolourRows(const QImage& image, bool alpha, bool chooseFilters) {
  const size_t bpp = alpha ? 4 : 3;
  const size_t width = static_cast<size_t>(image.width());
  const size_t rowBytes = width * bpp;
  Bytes raw(static_cast<size_t>(image.height()) * (rowBytes + 1), 0);
  Bytes previous(rowBytes, 0), current(rowBytes), candidate(rowBytes);
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const uint32_t*>(image.constScanLine(y));
    for (size_t x = 0; x < width; ++x) {
      uint8_t* p = current.data() + x * bpp;
      p[0] = static_cast<uint8_t>(line[x] >> 16);
      p[1] = static_cast<uint8_t>(line[x] >> 8);
      p[2] = static_cast<uint8_t>(line[x]);
      if (alpha) p[3] = static_cast<uint8_t>(line[x] >> 24);
    }
    uint8_t* row = raw.data() + static_cast<size_t>(y) * (rowBytes + 1);
    std::copy(current.begin(), current.end(), row + 1);
    if (chooseFilters) {
      size_t best = filterCost(current.data(), rowBytes);
      for (int type = 1; type <= 4; ++type) {
        filterRow(type, current.data(), previous.data(), rowBytes, bpp, candidate.data());
        if (const size_t cost = filterCost(candidate.data(), rowBytes); cost < best) {
          best = cost;
          row[0] = static_cast<uint8_t>(type);
          std::copy(candidate.begin(), candidate.end(), row + 1);
        }
      }
    }
    std::swap(previous, current);
  }
  return raw;
}

void putBigEndian(QByteArray& out, uint32_t value) {
  const char bytes[4] = {static_cast<char>(value >> 24), static_cast<char>(value >> 16), static_cast<char>(value >> 8),
                         static_cast<char>(value)};
  out.append(bytes, 4);
}

void putChunk(QByteArray& out, const char type[4], const uint8_t* data, size_t size) {
  putBigEndian(out, static_cast<uint32_t>(size));
  out.append(type, 4);
  if (size > 0) out.append(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  uint32_t crc = libdeflate_crc32(0, type, 4);
  // (A null buffer would restart the checksum, as in zlib.)
  if (size > 0) crc = libdeflate_crc32(crc, data, size);
  putBigEndian(out, crc);
}

void putHeader(QByteArray& out, const QImage& image, int depth, int colourType) {
  out.append("\x89PNG\r\n\x1A\n", 8);
  Bytes header(13, 0);
  const auto w = static_cast<uint32_t>(image.width()), h = static_cast<uint32_t>(image.height());
  for (int i = 0; i < 4; ++i) {
    header[static_cast<size_t>(i)] = static_cast<uint8_t>(w >> (24 - 8 * i));
    header[static_cast<size_t>(4 + i)] = static_cast<uint8_t>(h >> (24 - 8 * i));
  }
  header[8] = static_cast<uint8_t>(depth);
  header[9] = static_cast<uint8_t>(colourType);
  putChunk(out, "IHDR", header.data(), header.size());
}

void putPalette(QByteArray& out, const std::vector<uint32_t>& colours) {
  Bytes rgb, alpha;
  for (const uint32_t c : colours) {
    rgb.insert(rgb.end(), {static_cast<uint8_t>(c >> 16), static_cast<uint8_t>(c >> 8), static_cast<uint8_t>(c)});
    alpha.push_back(static_cast<uint8_t>(c >> 24));
  }
  putChunk(out, "PLTE", rgb.data(), rgb.size());
  // Only up to the last colour that is not opaque; the rest default to opaque.
  while (!alpha.empty() && alpha.back() == 0xFF) alpha.pop_back();
  if (!alpha.empty()) putChunk(out, "tRNS", alpha.data(), alpha.size());
}

void putResolution(QByteArray& out, const QImage& image) {
  if (image.dotsPerMeterX() <= 0 || image.dotsPerMeterY() <= 0) return;
  Bytes phys(9, 0);
  const auto x = static_cast<uint32_t>(image.dotsPerMeterX()), y = static_cast<uint32_t>(image.dotsPerMeterY());
  for (int i = 0; i < 4; ++i) {
    phys[static_cast<size_t>(i)] = static_cast<uint8_t>(x >> (24 - 8 * i));
    phys[static_cast<size_t>(4 + i)] = static_cast<uint8_t>(y >> (24 - 8 * i));
  }
  phys[8] = 1;  // per metre
  putChunk(out, "pHYs", phys.data(), phys.size());
}

}  // namespace

Result<QByteArray> encodePng(const QImage& image, PngOption option) {
  if (image.isNull())
    return Error{ErrorCode::FileWrite, QCoreApplication::translate("PngWriter", "画像がありません。").toStdString()};
  const PngSettings settings = settingsFor(option);
  const bool alpha = image.hasAlphaChannel();
  const QImage pixels = image.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  QByteArray out;
  Bytes raw;
  if (std::optional<Indexed> indexed = indexPixels(pixels, alpha ? 0u : 0xFF000000u)) {
    const int depth = bitDepthFor(indexed->colours.size());
    raw = paletteRows(*indexed, pixels.width(), pixels.height(), depth);
    putHeader(out, pixels, depth, 3);
    putPalette(out, indexed->colours);
  } else {
    raw = truecolourRows(pixels, alpha, settings.chooseFilters);
    putHeader(out, pixels, 8, alpha ? 6 : 2);
  }
  putResolution(out, pixels);
  // Both cores where the machine has them: the picture compresses in independent parts.
  const int threads = static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 4u));
  const std::optional<Bytes> data = compressZlibInParts(raw, settings.level, threads);
  if (!data)
    return Error{ErrorCode::FileWrite,
                 QCoreApplication::translate("PngWriter", "画像を圧縮できませんでした。").toStdString()};
  putChunk(out, "IDAT", data->data(), data->size());
  putChunk(out, "IEND", nullptr, 0);
  return out;
}

}  // namespace tarveno
