#pragma once

#include <string>
#include <string_view>

namespace tarveno {

inline constexpr size_t kCardNameBytes = 8;
inline constexpr size_t kCardTitleBytes = 64;

// The 8 CP932 bytes of the edit name as a card save stores it: the name, then blanks, cut to
// 8 bytes. A double-byte character that the cut would split loses its lead byte to a blank,
// so the field never ends in half a character.
std::string cardEditNameBytes(std::string_view editName);

// EditName (UTF-8) from the 8 stored bytes, blanks included. A zero byte ends the name:
// the console pads with zeros, and a name must not carry control characters into the UI.
std::string cardEditNameFromBytes(std::string_view stored);

// The 64-byte CP932 save title: the edition label padded to 16 full-width characters,
// "ＥＤＩＴ", two ideographic spaces, "「", the stored name in full-width form padded to 8
// characters, "」". Every character is double-byte, so the length never varies.
std::string cardSaveTitle(std::string_view labelUtf8, std::string_view nameBytes);

}  // namespace tarveno
