#pragma once

#include <cstdint>
#include <string_view>

namespace tarveno {

// What a card save carries about the game release its song belongs to. The console game
// checks these words, so they are written exactly as each release wrote them.
struct CardEdition {
  int label = 1;       // title label row 1..7
  uint32_t wordA = 0;  // offset 640
  uint32_t wordB = 0;  // offset 644
  uint16_t wordC = 0;  // offset 648
  int16_t wordD = 0;   // offset 688; 0 means not written
};

// The release data for a song code.
CardEdition cardEditionForCode(int code);

// The edition label of a title label row 1..7 (UTF-8, at most 16 full-width characters).
// Rows outside 1..7 give row 1.
std::string_view cardTitleLabel(int label);

inline constexpr int kCardTitleLabelCount = 7;

}  // namespace tarveno
