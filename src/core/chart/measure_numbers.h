#pragma once

#include <cstdint>
#include <string>

#include "core/songs/catalogue.h"

namespace tarveno {

// A beat row as the user counts it: measure number (from 1) and 0-based beat in it.
struct MeasurePos {
  int Measure = 0;
  int Beat = 0;
};

// RowToMeasure: four beats a measure, or the song's meter segments when it has them.
MeasurePos RowToMeasure(int row, const Catalogue& catalogue, int songIndex, const MeterSegs& meterSegs);

// A measure number as the editor shows it and KRUN row lines write it: the last three
// characters of "00" and the decimal number, so 7 -> "007", 123 -> "123", 1234 -> "234".
std::string measureCaption(int64_t measure);

}  // namespace tarveno
