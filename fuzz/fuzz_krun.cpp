#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/chart/chart.h"
#include "core/chart/krun.h"

namespace {

// A song as long as the step table, so that every row the reader can fill is written again.
tarveno::Catalogue fullLengthSong() {
  tarveno::Catalogue catalogue;
  catalogue.SongList[0].Code = 1;
  catalogue.SongList[0].Measures = tarveno::kStepMeasures;
  return catalogue;
}

std::string openAndSave(std::string_view bytes, const tarveno::Catalogue& catalogue) {
  tarveno::Chart chart;
  tarveno::ReadKrunChart(bytes, chart);
  tarveno::recalcAllBeatTypes(chart, catalogue);
  return tarveno::WriteKrunChart(chart, catalogue, tarveno::Date{2003, 5, 7});
}

}  // namespace

// Any bytes must read without harm, and a file this program wrote must come back the same
// when opened and saved again.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const tarveno::Catalogue catalogue = fullLengthSong();
  const std::string first = openAndSave(std::string_view(reinterpret_cast<const char*>(data), size), catalogue);
  const std::string second = openAndSave(first, catalogue);
  if (first != second) __builtin_trap();
  return 0;
}
