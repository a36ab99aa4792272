#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace tarveno {

// The zlib stream of `data` at libdeflate's `level`, compressed in up to `parts` pieces at once
// on as many threads. Each piece is an independent deflate stream; all but the last have their
// final flag cleared and end with an empty stored block, which brings the next one to a byte
// boundary, so the pieces join into one valid stream (a little larger: no match reaches back
// across a join). Small inputs are compressed in one piece. Nothing when compression fails.
std::optional<std::vector<uint8_t>> compressZlibInParts(const std::vector<uint8_t>& data, int level, int parts);

}  // namespace tarveno
