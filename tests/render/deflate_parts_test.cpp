#include <gtest/gtest.h>
#include <libdeflate.h>

#include <random>

#include "render/deflate_parts.h"

namespace tarveno {
namespace {

// Long flat runs, then noise (which the compressor stores raw), then runs again: every kind of
// block ends up at some join.
std::vector<uint8_t> mixedData(size_t size) {
  std::mt19937 random(11);
  std::vector<uint8_t> data(size);
  for (size_t i = 0; i < size; ++i) {
    const bool noisy = (i / 300000) % 3 == 1;
    data[i] = noisy ? static_cast<uint8_t>(random()) : static_cast<uint8_t>((i / 97) % 5);
  }
  return data;
}

TEST(DeflatePartsTest, PiecesJoinIntoOneStreamThatInflatesToTheInput) {
  const std::vector<uint8_t> data = mixedData(2'000'000);
  libdeflate_decompressor* inflater = libdeflate_alloc_decompressor();
  for (const int level : {1, 7, 10}) {
    for (const int parts : {1, 2, 3, 4}) {
      const std::optional<std::vector<uint8_t>> stream = compressZlibInParts(data, level, parts);
      ASSERT_TRUE(stream.has_value());
      std::vector<uint8_t> back(data.size());
      size_t size = 0;
      const libdeflate_result result =
          libdeflate_zlib_decompress(inflater, stream->data(), stream->size(), back.data(), back.size(), &size);
      EXPECT_EQ(result, LIBDEFLATE_SUCCESS) << "level " << level << ", " << parts << " parts";
      EXPECT_EQ(back == data, true) << "level " << level << ", " << parts << " parts: the data differs";
    }
  }
  libdeflate_free_decompressor(inflater);
}

}  // namespace
}  // namespace tarveno
