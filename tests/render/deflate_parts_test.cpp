#include <gtest/gtest.h>
#include <libdeflate.h>

#include <random>

#include "render/deflate_parts.h"

namespace tarveno {
namespace {

// Flat runs, then noise (which the compressor stores raw), then runs: every kind of block ends
// up at some join. Inflated by libdeflate, which knows nothing of the parts.
TEST(DeflatePartsTest, PiecesJoinIntoOneStreamThatInflatesToTheInput) {
  std::mt19937 random(11);
  std::vector<uint8_t> data(2'000'000), back(data.size());
  for (size_t i = 0; i < data.size(); ++i) data[i] = uint8_t((i / 300000) % 3 == 1 ? random() : (i / 97) % 5);
  libdeflate_decompressor* inflater = libdeflate_alloc_decompressor();
  for (const auto& [level, parts] : {std::pair(1, 4), std::pair(7, 2), std::pair(10, 3), std::pair(10, 1)}) {
    const std::optional<std::vector<uint8_t>> stream = compressZlibInParts(data, level, parts);
    ASSERT_TRUE(stream.has_value());
    size_t size = 0;
    EXPECT_EQ(libdeflate_zlib_decompress(inflater, stream->data(), stream->size(), back.data(), back.size(), &size),
              LIBDEFLATE_SUCCESS)
        << "level " << level << ", " << parts << " parts";
    EXPECT_EQ(back == data, true) << "level " << level << ", " << parts << " parts: the data differs";
  }
  libdeflate_free_decompressor(inflater);
}

}  // namespace
}  // namespace tarveno
