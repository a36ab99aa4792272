#pragma once

#include <array>
#include <cstdint>

#include "core/chart/chart.h"

namespace tarveno {

// Wide enough for any chart: a dense double chart of 471 measures holds over 45,000 arrows.
struct ChartStats {
  int objects = 0;
  int steps = 0;
  std::array<int, 8> panels{};      // bit order of the arrow byte
  std::array<int, 4> noteValues{};  // quarter, eighth, sixteenth, triplet
};

// Counts the song's measures only (none when SongIndex is outside 0..500).
ChartStats ComputeChartStats(const Chart& chart, const Catalogue& catalogue);

}  // namespace tarveno
