#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/result.h"

namespace tarveno {

// The header texts of the properties dialog as typed (UTF-8).
struct OptionsInput {
  std::string footLevel;
  std::string editName;
  std::string krunWidth;
  std::string krunHeight;
};

// The numbers the dialog stores once the input is accepted.
struct OptionsNumbers {
  uint8_t footLevel = 0;  // 0..15, rounded halves to even
  int16_t krunWidth = 0;
  int16_t krunHeight = 0;
};

inline constexpr const char* kFootLevelMessage = "難易度は0～15の整数で指定して下さい。";
inline constexpr const char* kEditNameMessage = "EDIT名は半角英数字８文字以内にして下さい。";
inline constexpr const char* kKrunWidthMessage = "列数は-32768～32767の範囲で指定して下さい。";
inline constexpr const char* kKrunHeightMessage = "高さは-32768～32767の範囲で指定して下さい。";

// The checks of OK, in order: foot level (by its unrounded leading number, so 15.4 fails and
// 14.6 passes as 15), edit name (space to "}" only), then KRUN width and height, which must fit
// their 16-bit fields once rounded. The error message is the one to show.
Result<OptionsNumbers> checkOptionsInput(const OptionsInput& input);

// The edit-name rule: at most 8 characters, each between space and "}" (so no "~", no control
// or non-ASCII character). Works on UTF-8: any byte of a multi-byte character fails.
bool isValidEditName(std::string_view name);

}  // namespace tarveno
