#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tarveno {

// The leading number of a text, as every text box and every KRUN number is read:
// leading blanks skipped, then the longest prefix that forms a decimal number (sign, digits,
// point, exponent) or an "&H"/"&O" radix number; 0 when there is none. Not rounded.
double leadingValue(std::string_view text);

// Rounds to the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
// Values beyond the int64 range are clamped.
int64_t roundHalfEven(double value);

// leadingValue rounded halves-to-even: " 3.5abc" -> 4, "&H10" -> 16, "1e2" -> 100, "x" -> 0.
int64_t leadingNumber(std::string_view text);

// Checked narrowing: nullopt when the value does not fit a signed 16-bit field.
std::optional<int16_t> toInt16(int64_t value);

}  // namespace tarveno
