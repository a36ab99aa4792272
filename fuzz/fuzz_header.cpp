// Feeds arbitrary text to the sheet header template: expansion must never fail, and no line
// it produces may hold a line break (each is drawn as one line of the header).
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/sheet/header_template.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const tarveno::Catalogue catalogue = [] {
    tarveno::Catalogue c;
    c.SongList[0] = tarveno::SongRecord{"Fuzz %T Song", 1, 120, 8, 1, 1, 0};
    return c;
  }();
  tarveno::Chart chart;
  chart.EditName = "%E%L";
  chart.PlayStyle = static_cast<tarveno::PlayStyle>(size % 4);
  chart.Difficulty = static_cast<uint8_t>(size * 37);
  const std::string text(reinterpret_cast<const char*>(data), size);
  const auto lines = tarveno::expandHeaderTemplate(text, chart, catalogue);
  if (lines.empty() || tarveno::headerLineCount(text) < 0) __builtin_trap();
  for (const std::string& line : lines) {
    if (line.find_first_of("\r\n") != std::string::npos) __builtin_trap();
  }
  return 0;
}
