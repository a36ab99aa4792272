// Feeds arbitrary bytes to the simfile reader. Every readable chart, snapped where it must be,
// is written as .sm; that file must read back without snapping, and when the writer reported
// nothing lost the chart must come back exactly. The chart goes to the shortest song that holds
// its measures, so that a short input costs a short round trip.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/chart/simfile.h"

namespace {

constexpr int16_t kSongLengths[] = {3, 12, 48, 200, tarveno::kStepMeasures};

tarveno::Catalogue fuzzCatalogue() {
  tarveno::Catalogue c;
  for (size_t i = 0; i < std::size(kSongLengths); ++i) {
    // The first song has no tempo, so the writer's assumed tempo is exercised too.
    c.SongList[i] = tarveno::SongRecord{"Fuzz " + std::to_string(kSongLengths[i]),
                                        static_cast<int16_t>(i + 1),
                                        i == 0 ? int16_t{-1} : int16_t{150},
                                        kSongLengths[i],
                                        1,
                                        1,
                                        0};
  }
  return c;
}

// The shortest song as long as the chart's note data (measures are separated by commas).
int16_t songFor(const tarveno::SimfileChart& chart) {
  const auto measures = std::count(chart.notes.begin(), chart.notes.end(), ',') + 1;
  int16_t index = 0;
  while (index + 1 < static_cast<int16_t>(std::size(kSongLengths)) && kSongLengths[index] < measures) ++index;
  return index;
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
    const int16_t index = songFor(song->charts[i]);
    if (!tarveno::importSimfileChart(*song, i, {index}, catalogue, chart)) continue;
    const auto written = tarveno::WriteSimfile(chart, catalogue, std::nullopt);
    if (!written) __builtin_trap();
    const auto again = tarveno::readSimfile(written->bytes);
    if (!again) __builtin_trap();
    tarveno::Chart back;
    const auto read = tarveno::importSimfileChart(*again, 0, {chart.SongIndex}, catalogue, back);
    if (!read || read->needsSnapping()) __builtin_trap();
    if (writerLostNothing(written->report) && !(back == chart)) __builtin_trap();
  }
  return 0;
}
