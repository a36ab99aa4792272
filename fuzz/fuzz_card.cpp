// Feeds arbitrary bytes to the memory-card reader; whatever it accepts must be writable again
// and must read back to the same song, style and steps.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/chart/card.h"
#include "core/chart/stats.h"

namespace {

tarveno::Catalogue fuzzCatalogue() {
  tarveno::Catalogue c;
  const int16_t codes[] = {26, 135, 231, 297, 414, 26};  // a duplicate code on purpose
  const int16_t measures[] = {3, 120, 236, 300, 471, 5};
  for (size_t i = 0; i < std::size(codes); ++i) {
    c.SongList[i] = tarveno::SongRecord{"Fuzz", codes[i], 120, measures[i], 1, 1, 0};
  }
  c.SongList[2].MeterFlag = 1;  // its meter file is missing: the read must go on
  c.folder = "/nonexistent-tarveno-fuzz";
  return c;
}

bool fullPadOnTheBeat(const tarveno::Chart& chart, const tarveno::Catalogue& catalogue) {
  const int measures = std::min(catalogue.measures(chart.SongIndex), tarveno::kStepMeasures);
  for (int m = 0; chart.PlayStyle == tarveno::PlayStyle::Single && m < measures; ++m) {
    for (size_t slot = 0; slot < tarveno::kSlotsPerMeasure; slot += 4) {
      if (chart.StepData[static_cast<size_t>(m)][slot] == 15) return true;
    }
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const tarveno::Catalogue catalogue = fuzzCatalogue();
  tarveno::Chart chart;
  tarveno::MeterSegs segs{};
  auto read =
      tarveno::ReadCardSave(std::string_view(reinterpret_cast<const char*>(data), size), chart, catalogue, segs);
  if (!read) return 0;
  (void)tarveno::ComputeChartStats(chart, catalogue);
  for (const tarveno::Notice& n : *read) {
    if (fileWasNotRead(n)) return 0;
  }
  auto written = tarveno::WriteCardSave(chart, catalogue);
  // The one chart a card holds but cannot take again: a single chart with a whole pad on the
  // beat (a byte that stored only once) would be written as the triplet marker, and is refused.
  if (!written && !fullPadOnTheBeat(chart, catalogue)) std::abort();
  if (!written) return 0;
  if (written->size() != tarveno::kCardFileSize) std::abort();

  tarveno::Chart back;
  auto again = tarveno::ReadCardSave(*written, back, catalogue, segs);
  if (!again || back.SongIndex != chart.SongIndex || back.PlayStyle != chart.PlayStyle ||
      back.Difficulty != chart.Difficulty) {
    std::abort();
  }
  const int measures = std::min(catalogue.measures(chart.SongIndex), tarveno::kStepMeasures);
  for (int m = 0; m < measures; ++m) {
    if (back.StepData[static_cast<size_t>(m)] != chart.StepData[static_cast<size_t>(m)]) std::abort();
  }
  return 0;
}
