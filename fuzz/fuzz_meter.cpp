// Feeds arbitrary bytes to the meter file reader: a damaged file leaves the list as it was,
// an accepted one ends with the end marker within the table.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/songs/catalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tarveno::MeterSegs segs{};
  segs.fill(tarveno::MeterSeg{7, 3});
  const tarveno::MeterSegs before = segs;
  const tarveno::Status parsed =
      tarveno::parseMeterSegs(std::string_view(reinterpret_cast<const char*>(data), size), segs);
  if (!parsed.ok()) {
    for (size_t i = 0; i < segs.size(); ++i) {
      if (segs[i].FirstMeasure != before[i].FirstMeasure || segs[i].BeatsPerMeasure != before[i].BeatsPerMeasure) {
        __builtin_trap();
      }
    }
    return 0;
  }
  bool ended = false;
  for (const auto& seg : segs) ended = ended || seg.FirstMeasure == tarveno::kMeterListEnd;
  if (!ended) __builtin_trap();
  return 0;
}
