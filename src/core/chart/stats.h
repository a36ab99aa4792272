#pragma once

#include <array>
#include <cstdint>

#include "core/chart/chart.h"

namespace tarveno {

struct ChartStats {
  int16_t objects = 0;
  int16_t steps = 0;
  std::array<int16_t, 8> panels{};      // bit order of the arrow byte
  std::array<int16_t, 4> noteValues{};  // quarter, eighth, sixteenth, triplet
};

// Counts the song's measures only (none when SongIndex is outside 0..500).
ChartStats ComputeChartStats(const Chart& chart, const Catalogue& catalogue);

}  // namespace tarveno
