#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "core/chart/simfile_report.h"
#include "core/result.h"

namespace tarveno {

// A time in a simfile: row `row` of `rows` in a measure, the fraction reduced.
struct SimfileTime {
  int measure = 0;
  int64_t row = 0;
  int64_t rows = 1;
  int beat() const { return static_cast<int>(4 * row / rows); }
  SimfileBeat place() const { return {measure, beat()}; }
};

// A note the chart can hold: a tap, or the head of a hold or roll with its tail when it has one.
struct SimfileNote {
  SimfileTime at;
  int column = 0;
  bool roll = false;
  bool head = false;  // a hold or roll head (a head without a tail has head false: a tap)
  SimfileTime tail;   // when head
};

// Reads note data of `columns` columns: measures split by ",", one row per non-blank line.
// Heads and tails are paired per column; what cannot be kept is counted in the report. A row
// with another number of columns is an error naming it.
Result<std::vector<SimfileNote>> parseNoteData(std::string_view data, int columns, SimfileReport& report);

}  // namespace tarveno
