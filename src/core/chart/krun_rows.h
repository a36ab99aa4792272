#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/chart/chart.h"

namespace tarveno {

// Which pad a KRUN row line describes: '#' rows carry the low nibble, '$' rows the high one.
enum class KrunPad { First, Second };

// The triplet notes a measure's triplet beats hold besides their first note, on the twelfth
// grid: entry 3b+1 and 3b+2 for beat b. Entry 3b stays 0 because the first note is written on
// the beat in the sixteenth row.
using TwelfthBytes = std::array<uint8_t, 12>;

// A row line without its prefix: "001:1000" gives measure 0 and the data "1000". The measure
// number must be written with exactly three digits and lie within 001..471; nullopt otherwise.
struct KrunRowText {
  int measure = 0;
  std::u32string_view data;
};
std::optional<KrunRowText> parseKrunRowText(std::u32string_view text);

// ORs one row's data into the measure, turning beats into triplet beats where the data asks
// for it. Returns false (measure untouched) when the data length has no grid.
bool decodeKrunRow(std::u32string_view data, KrunPad pad, MeasureBytes& measure);

// Moves the triplet notes of a measure out of their beats: each triplet beat keeps its first
// note on the on-beat slot and its other two notes go to the twelfth buffer.
TwelfthBytes splitKrunTriplets(MeasureBytes& measure);

// The data of one pad's row for a measure already split by splitKrunTriplets; empty when the
// pad has no arrows in the measure.
std::string encodeKrunRow(const MeasureBytes& measure, const TwelfthBytes& triplets, KrunPad pad);

}  // namespace tarveno
