#pragma once

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

// Measure numbers are shown with three digits: 7 -> "007", 123 -> "123", 1234 -> "234".
std::string measureCaption(int measure);

}  // namespace tarveno
