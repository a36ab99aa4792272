// Feeds arbitrary bytes to the simfile reader. Every readable chart, snapped where it must be,
// is written as .sm; that file must read back without snapping, and when the writer reported
// nothing lost the chart must come back exactly.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/chart/simfile.h"

namespace {

tarveno::Catalogue fuzzCatalogue() {
  tarveno::Catalogue c;
  c.SongList[0] = tarveno::SongRecord{"Fuzz Short", 1, -1, 3, 1, 1, 0};
  c.SongList[1] = tarveno::SongRecord{"Fuzz Long", 2, 150, tarveno::kStepMeasures, 1, 1, 0};
  return c;
}

bool writerLostNothing(const tarveno::SimfileReport& report) {
  using tarveno::SimfileEvent;
  for (auto e : {SimfileEvent::SecondPadInSingle, SimfileEvent::StepsPastSongEnd, SimfileEvent::FreezeNotWritten,
                 SimfileEvent::FreezeShortened}) {
    if (report.count(e) != 0) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const tarveno::Catalogue catalogue = fuzzCatalogue();
  const auto song = tarveno::readSimfile(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!song) return 0;
  for (size_t i = 0; i < song->charts.size() && i < 4; ++i) {
    tarveno::Chart chart;
    if (!tarveno::importSimfileChart(*song, i, {std::nullopt, 1}, true, catalogue, chart)) continue;
    const auto written = tarveno::WriteSimfile(chart, catalogue, std::nullopt);
    if (!written) __builtin_trap();
    const auto again = tarveno::readSimfile(written->bytes);
    if (!again) __builtin_trap();
    tarveno::Chart back;
    if (!tarveno::importSimfileChart(*again, 0, {std::nullopt, 0}, false, catalogue, back)) __builtin_trap();
    if (writerLostNothing(written->report) && !(back == chart)) __builtin_trap();
  }
  return 0;
}
