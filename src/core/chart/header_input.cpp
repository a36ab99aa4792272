#include "core/chart/header_input.h"

#include "core/text/number.h"

namespace tarveno {

bool isValidEditName(std::string_view name) {
  if (name.size() > 8) return false;  // only single-byte characters pass, so bytes are characters
  for (char c : name) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u > 0x7D) return false;
  }
  return true;
}

Result<OptionsNumbers> checkOptionsInput(const OptionsInput& input) {
  // The range test looks at the value before rounding, so 15.4 is refused although it would
  // round to 15. Written so that a NaN would be refused too.
  const double level = leadingValue(input.footLevel);
  if (!(level >= 0 && level <= 15)) return Error{ErrorCode::OutOfRange, kFootLevelMessage};
  if (!isValidEditName(input.editName)) return Error{ErrorCode::BadData, kEditNameMessage};

  // Width and height are 16-bit header fields; wrapping a typed 40000 into a negative number
  // would write a nonsense header, so such input is refused like a bad foot level.
  auto width = toInt16(leadingNumber(input.krunWidth));
  if (!width) return Error{ErrorCode::OutOfRange, kKrunWidthMessage};
  auto height = toInt16(leadingNumber(input.krunHeight));
  if (!height) return Error{ErrorCode::OutOfRange, kKrunHeightMessage};

  OptionsNumbers numbers;
  numbers.footLevel = static_cast<uint8_t>(roundHalfEven(level));
  numbers.krunWidth = *width;
  numbers.krunHeight = *height;
  return numbers;
}

}  // namespace tarveno
