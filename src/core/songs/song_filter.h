#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/songs/catalogue.h"

namespace tarveno {

// One entry of the edition filter list (cmbVer): which mask of the record it tests, the bits
// of that edition, and the bits of every edition before it (used by "新曲のみ").
struct EditionFilter {
  enum class Field { All, Arcade, Console };
  Field field = Field::All;
  uint16_t selectMask = 0;
  uint16_t olderMask = 0;
  const char* text = "";  // entry text as listed, UTF-8
};

inline constexpr int kEditionFilterCount = 12;
inline constexpr int kArcadeEditionBits = 12;
inline constexpr int kConsoleEditionBits = 11;

// Entry 0 lists everything; 1 is the newest arcade edition, 2..8 the arcade editions from the
// oldest onward; 9..11 console editions. Lower bits are earlier editions.
const std::array<EditionFilter, kEditionFilterCount>& editionFilters();

// Captions of the per-bit edition labels, bit 0 first.
const std::array<const char*, kArcadeEditionBits>& arcadeEditionCaptions();
const std::array<const char*, kConsoleEditionBits>& consoleEditionCaptions();

struct SongFilterResult {
  std::vector<int> indices;  // catalogue indices in list order
  int selected = -1;         // position in `indices`, -1 when nothing is selected
  // New enabled state of "新曲のみ"; nullopt leaves it as it was (the "ALL" entry).
  std::optional<bool> newOnlyEnabled;
};

// FilterSongs: the song list for a cmbVer entry. `previous` is the catalogue index of the song
// selected before; it stays selected when the new list holds it, else the first entry is
// selected. An entry outside 0..11 gives an empty list.
SongFilterResult FilterSongs(const Catalogue& catalogue, int editionEntry, bool newOnly, int previous);

// lblCode: four upper-case hexadecimal digits with leading zeros (10 -> "000A").
std::string songCodeText(int16_t code);

// lblBpm: "???" when the tempo is not given (-1).
std::string songBpmText(int16_t bpm);

// cmdAutoTitle: "<song> EDIT [<edit name>]".
std::string autoKrunTitle(const std::string& songTitle, const std::string& editName);

}  // namespace tarveno
