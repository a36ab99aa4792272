#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tarveno {

// One character of UTF-8 text: its code point and how many bytes it takes. A byte that does
// not start a well-formed sequence (a stray continuation byte, a cut-off, overlong or surrogate
// sequence, or one beyond U+10FFFF) comes back alone as one invalid byte with the code point
// U+FFFD, so that a caller can replace or skip it and go on with the next byte.
struct Utf8Character {
  char32_t codePoint = 0;
  size_t length = 1;
  bool valid = true;
};

inline constexpr char32_t kReplacementCharacter = 0xFFFD;
inline constexpr std::string_view kReplacementCharacterUtf8 = "\xEF\xBF\xBD";

// The character that starts at text[at]; `at` must be inside the text.
Utf8Character utf8CharacterAt(std::string_view text, size_t at);

// The characters of UTF-8 text as code points, and back.
std::u32string utf8ToUtf32(std::string_view utf8);
std::string utf32ToUtf8(std::u32string_view text);

}  // namespace tarveno
