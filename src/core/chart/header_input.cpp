#include "core/chart/header_input.h"

#include <cstdio>

#include "core/text/cp932.h"
#include "core/text/number.h"
#include "core/text/utf8.h"

namespace tarveno {

namespace {

bool isControlCharacter(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// Refuses a KRUN text holding a character that cannot be kept, naming the first one.
Status checkKrunText(ChartText field, std::string_view text) {
  if (auto refused = firstUnkeptKrunCharacter(text)) return Error{ErrorCode::BadData, krunTextMessage(field, *refused)};
  return {};
}

}  // namespace

std::optional<char32_t> firstUnkeptKrunCharacter(std::string_view utf8) {
  for (size_t i = 0; i < utf8.size();) {
    const Utf8Character c = utf8CharacterAt(utf8, i);
    if (!c.valid || isControlCharacter(c.codePoint) || !isCp932Encodable(utf8.substr(i, c.length))) {
      return c.codePoint;
    }
    i += c.length;
  }
  return std::nullopt;
}

Message krunTextMessage(ChartText field, char32_t refused) {
  if (isControlCharacter(refused)) {
    // A control character has no face of its own: name it by its number.
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(refused));
    return chartText(ChartText::KrunControlCharacter, {code}, {chartText(field)});
  }
  return chartText(ChartText::KrunUnkeptCharacter, {utf32ToUtf8(std::u32string(1, refused))}, {chartText(field)});
}

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
  if (!(level >= 0 && level <= 15)) return Error{ErrorCode::OutOfRange, chartText(ChartText::FootLevelRange)};
  if (!isValidEditName(input.editName)) return Error{ErrorCode::BadData, chartText(ChartText::EditNameRule)};
  if (Status title = checkKrunText(kKrunTitleField, input.krunTitle); !title) return title.error();

  // Width and height are 16-bit header fields; wrapping a typed 40000 into a negative number
  // would write a nonsense header, so such input is refused like a bad foot level.
  auto width = toInt16(leadingNumber(input.krunWidth));
  if (!width) return Error{ErrorCode::OutOfRange, chartText(ChartText::KrunWidthRange)};
  auto height = toInt16(leadingNumber(input.krunHeight));
  if (!height) return Error{ErrorCode::OutOfRange, chartText(ChartText::KrunHeightRange)};
  if (Status comment = checkKrunText(kKrunCommentField, input.krunComment); !comment) return comment.error();

  OptionsNumbers numbers;
  numbers.footLevel = static_cast<uint8_t>(roundHalfEven(level));
  numbers.krunWidth = *width;
  numbers.krunHeight = *height;
  return numbers;
}

}  // namespace tarveno
