// Any bytes must read without harm, and a file this program wrote must come back the same when
// opened and saved again.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/chart/chart.h"
#include "core/chart/krun.h"

namespace {

// The song is as long as the chart the input fills, so every row read is written again, and a
// short input costs a short file rather than all 471 measures.
int filledMeasures(const tarveno::Chart& chart) {
  int measures = 0;
  for (int m = 0; m < tarveno::kStepMeasures; ++m) {
    if (chart.StepData[static_cast<size_t>(m)] != tarveno::MeasureBytes{}) measures = m + 1;
  }
  return measures;
}

std::string openAndSave(std::string_view bytes, tarveno::Catalogue& catalogue, bool fitSong) {
  tarveno::Chart chart;
  tarveno::ReadKrunChart(bytes, chart);
  if (fitSong) catalogue.SongList[0].Measures = static_cast<int16_t>(filledMeasures(chart));
  tarveno::recalcAllBeatTypes(chart, catalogue);
  return tarveno::WriteKrunChart(chart, catalogue, tarveno::Date{2003, 5, 7});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static tarveno::Catalogue catalogue = [] {
    tarveno::Catalogue c;
    c.SongList[0].Code = 1;
    return c;
  }();
  const std::string first = openAndSave(std::string_view(reinterpret_cast<const char*>(data), size), catalogue, true);
  const std::string second = openAndSave(first, catalogue, false);
  if (first != second) __builtin_trap();
  return 0;
}
