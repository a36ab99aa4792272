#include "core/chart/card_name.h"

#include <array>

#include "core/text/cp932.h"
#include "core/text/utf8.h"

namespace tarveno {

namespace {

constexpr char32_t kIdeographicSpace = 0x3000;
constexpr std::string_view kIdeographicSpaceCp932 = "\x81\x40";
constexpr size_t kLabelChars = 16;
constexpr size_t kNameChars = 8;

// Half-width katakana 0xA1..0xDF in CP932 order, each as its full-width character.
constexpr std::array<char32_t, 63> kWideKana = {
    0x3002, 0x300C, 0x300D, 0x3001, 0x30FB, 0x30F2, 0x30A1, 0x30A3, 0x30A5, 0x30A7, 0x30A9, 0x30E3, 0x30E5,
    0x30E7, 0x30C3, 0x30FC, 0x30A2, 0x30A4, 0x30A6, 0x30A8, 0x30AA, 0x30AB, 0x30AD, 0x30AF, 0x30B1, 0x30B3,
    0x30B5, 0x30B7, 0x30B9, 0x30BB, 0x30BD, 0x30BF, 0x30C1, 0x30C4, 0x30C6, 0x30C8, 0x30CA, 0x30CB, 0x30CC,
    0x30CD, 0x30CE, 0x30CF, 0x30D2, 0x30D5, 0x30D8, 0x30DB, 0x30DE, 0x30DF, 0x30E0, 0x30E1, 0x30E2, 0x30E4,
    0x30E6, 0x30E8, 0x30E9, 0x30EA, 0x30EB, 0x30EC, 0x30ED, 0x30EF, 0x30F3, 0x309B, 0x309C,
};

bool isLeadByte(unsigned char b) {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// The full-width form of one half-width byte: ASCII 0x21..0x7E to U+FF01..U+FF5E, half-width
// katakana to katakana, anything else (blank, control bytes) to U+3000.
char32_t fullWidth(unsigned char halfWidth) {
  if (halfWidth >= 0x21 && halfWidth <= 0x7E) return 0xFF01 + (halfWidth - 0x21);
  if (halfWidth >= 0xA1 && halfWidth <= 0xDF) return kWideKana[halfWidth - 0xA1];
  return kIdeographicSpace;
}

// One character as two CP932 bytes; anything that does not come out double-byte becomes an
// ideographic space so the title keeps its fixed width.
std::string doubleByte(char32_t c) {
  std::string bytes = utf8ToCp932(utf32ToUtf8(std::u32string(1, c)));
  return bytes.size() == 2 && isLeadByte(static_cast<unsigned char>(bytes[0])) ? bytes
                                                                               : std::string(kIdeographicSpaceCp932);
}

// Appends the characters of CP932 text as double-byte characters, at most maxChars of them,
// then pads with ideographic spaces to maxChars.
void appendWide(std::string& out, std::string_view cp932, size_t maxChars) {
  size_t chars = 0;
  size_t i = 0;
  while (i < cp932.size() && chars < maxChars) {
    unsigned char b = static_cast<unsigned char>(cp932[i]);
    if (isLeadByte(b) && i + 1 < cp932.size()) {
      std::string pair(cp932.substr(i, 2));
      // A pair iconv does not know would show as garbage on the console; use a blank.
      out += cp932ToUtf8(pair).find(kReplacementCharacterUtf8) == std::string::npos
                 ? pair
                 : std::string(kIdeographicSpaceCp932);
      i += 2;
    } else {
      out += doubleByte(fullWidth(b));
      i += 1;
    }
    ++chars;
  }
  for (; chars < maxChars; ++chars) out += kIdeographicSpaceCp932;
}

}  // namespace

std::string cardEditNameBytes(std::string_view editName) {
  std::string bytes = utf8ToCp932(editName) + std::string(kCardNameBytes, ' ');
  bytes.resize(kCardNameBytes);
  size_t i = 0;
  while (i < kCardNameBytes) {
    if (isLeadByte(static_cast<unsigned char>(bytes[i]))) {
      if (i + 1 == kCardNameBytes) bytes[i] = ' ';
      i += 2;
    } else {
      i += 1;
    }
  }
  return bytes;
}

std::string cardEditNameFromBytes(std::string_view stored) {
  stored = stored.substr(0, kCardNameBytes);
  size_t end = stored.find('\0');
  if (end != std::string_view::npos) stored = stored.substr(0, end);
  return cp932ToUtf8(stored);
}

std::string cardSaveTitle(std::string_view labelUtf8, std::string_view nameBytes) {
  std::string title;
  title.reserve(kCardTitleBytes);
  appendWide(title, utf8ToCp932(labelUtf8), kLabelChars);
  appendWide(title, utf8ToCp932("ＥＤＩＴ　　「"), 7);
  appendWide(title, nameBytes.substr(0, kCardNameBytes), kNameChars);
  appendWide(title, utf8ToCp932("」"), 1);
  return title;
}

}  // namespace tarveno
