#include "core/text/number.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace tarveno {

namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}

double radixValue(std::string_view digits, int radix) {
  // Radix numbers are 16-bit (or 32-bit with more digits) two's-complement words, so
  // "&HFFFF" reads as -1 just like the 16-bit word it denotes.
  uint64_t v = 0;
  size_t n = 0;
  for (char c : digits) {
    int d;
    if (c >= '0' && c <= '9')
      d = c - '0';
    else if (c >= 'a' && c <= 'f')
      d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
      d = c - 'A' + 10;
    else
      break;
    if (d >= radix) break;
    v = v * static_cast<uint64_t>(radix) + static_cast<uint64_t>(d);
    if (v > 0xFFFFFFFFull) return 0;  // overflow: not a number we can take
    ++n;
  }
  if (n == 0) return 0;
  bool fits16 = radix == 16 ? n <= 4 : v <= 0xFFFF;
  if (fits16) return static_cast<double>(static_cast<int16_t>(static_cast<uint16_t>(v)));
  return static_cast<double>(static_cast<int32_t>(static_cast<uint32_t>(v)));
}

}  // namespace

double leadingValue(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && isBlank(text[i])) ++i;
  std::string_view rest = text.substr(i);
  if (rest.size() >= 2 && rest[0] == '&') {
    char r = static_cast<char>(std::toupper(static_cast<unsigned char>(rest[1])));
    if (r == 'H') return radixValue(rest.substr(2), 16);
    if (r == 'O') return radixValue(rest.substr(2), 8);
    return 0;
  }
  // Longest prefix: [sign] digits [. digits] [(e|E|d|D) [sign] digits]
  size_t j = 0;
  std::string number;
  bool negative = false;
  if (j < rest.size() && (rest[j] == '+' || rest[j] == '-')) negative = rest[j++] == '-';
  size_t mantissaDigits = 0;
  while (j < rest.size() && std::isdigit(static_cast<unsigned char>(rest[j]))) {
    number.push_back(rest[j++]);
    ++mantissaDigits;
  }
  if (j < rest.size() && rest[j] == '.') {
    number.push_back(rest[j++]);
    while (j < rest.size() && std::isdigit(static_cast<unsigned char>(rest[j]))) {
      number.push_back(rest[j++]);
      ++mantissaDigits;
    }
  }
  if (mantissaDigits == 0) return 0;
  if (j < rest.size() && (rest[j] == 'e' || rest[j] == 'E' || rest[j] == 'd' || rest[j] == 'D')) {
    size_t k = j + 1;
    std::string exponent = "e";
    if (k < rest.size() && (rest[k] == '+' || rest[k] == '-')) exponent.push_back(rest[k++]);
    size_t expDigits = 0;
    while (k < rest.size() && std::isdigit(static_cast<unsigned char>(rest[k]))) {
      exponent.push_back(rest[k++]);
      ++expDigits;
    }
    if (expDigits > 0) number += exponent;
  }
  // from_chars never looks at the C locale, which the GUI toolkit sets from the environment:
  // under a decimal-comma locale strtod would stop at the point.
  double v = 0;
  const std::from_chars_result parsed = std::from_chars(number.data(), number.data() + number.size(), v);
  if (parsed.ec != std::errc() || !std::isfinite(v)) return 0;
  return negative ? -v : v;
}

int64_t roundHalfEven(double value) {
  if (std::isnan(value)) return 0;
  constexpr double kMax = 9.2e18;
  if (value >= kMax) return std::numeric_limits<int64_t>::max();
  if (value <= -kMax) return std::numeric_limits<int64_t>::min();
  return static_cast<int64_t>(std::nearbyint(value));  // default rounding mode: to nearest, ties to even
}

int64_t leadingNumber(std::string_view text) {
  return roundHalfEven(leadingValue(text));
}

std::optional<int16_t> toInt16(int64_t value) {
  if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max()) return std::nullopt;
  return static_cast<int16_t>(value);
}

}  // namespace tarveno
