#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/chart/chart_text.h"
#include "core/result.h"

namespace tarveno {

// The header texts of the properties dialog as typed (UTF-8).
struct OptionsInput {
  std::string footLevel;
  std::string editName;
  std::string krunWidth;
  std::string krunHeight;
  std::string krunTitle;
  std::string krunComment;
};

// The numbers the dialog stores once the input is accepted.
struct OptionsNumbers {
  uint8_t footLevel = 0;  // 0..15, rounded halves to even
  int16_t krunWidth = 0;
  int16_t krunHeight = 0;
};

// The checks of OK, in order: foot level (by its unrounded leading number, so 15.4 fails and
// 14.6 passes as 15), edit name (space to "}" only), KRUN title, KRUN width and height (which
// must fit their 16-bit fields once rounded), KRUN comment. The error message is the one to show.
Result<OptionsNumbers> checkOptionsInput(const OptionsInput& input);

// A KRUN title or comment is written on one keyword line in Shift-JIS. A line break would end
// that line early and let the rest be read back as further keyword or row lines, no other
// control character belongs in a one-line text, and a character without a CP932 form would be
// written as "?". Gives the first character that cannot be kept (U+FFFD for a byte that is not
// UTF-8), or nothing when the whole text can.
std::optional<char32_t> firstUnkeptKrunCharacter(std::string_view utf8);

// The refusal of a KRUN text, naming the field (FieldKrunTitle, FieldKrunComment) and the
// character (a control character by its code point, which has no face of its own).
Message krunTextMessage(ChartText field, char32_t refused);

inline constexpr ChartText kKrunTitleField = ChartText::FieldKrunTitle;
inline constexpr ChartText kKrunCommentField = ChartText::FieldKrunComment;

// The edit-name rule: at most 8 characters, each between space and "}" (so no "~", no control
// or non-ASCII character). Works on UTF-8: any byte of a multi-byte character fails.
bool isValidEditName(std::string_view name);

}  // namespace tarveno
