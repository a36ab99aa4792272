#include "core/songs/song_filter.h"

#include <cstdio>

namespace tarveno {

namespace {

using Field = EditionFilter::Field;

// The edition names are this program's own; the masks follow the catalogue's bit layout:
// arcade bits 0-1 are the first edition (with its revision), 2-3 the second, 4-5 the third,
// 6-7 the fourth, then one bit per edition up to bit 11, the newest.
constexpr std::array<EditionFilter, kEditionFilterCount> kFilters{{
    {Field::All, 0, 0, "ALL"},
    {Field::Arcade, 2048, 2047, "AC 8th Edition"},
    {Field::Arcade, 3, 0, "AC 1st Edition"},
    {Field::Arcade, 12, 3, "AC 2nd Edition"},
    {Field::Arcade, 48, 15, "AC 3rd Edition"},
    {Field::Arcade, 192, 63, "AC 4th Edition"},
    {Field::Arcade, 256, 255, "AC 5th Edition"},
    {Field::Arcade, 512, 511, "AC 6th Edition"},
    {Field::Arcade, 1024, 1023, "AC 7th Edition"},
    {Field::Console, 12, 0, "CS Home 3rd/4th"},
    {Field::Console, 32, 0, "CS Home 6th"},
    {Field::Console, 128, 0, "CS Home 8th"},
}};

constexpr std::array<const char*, kArcadeEditionBits> kArcadeCaptions{"1st", "1st+", "2nd", "2nd+", "3rd", "3rd+",
                                                                      "4th", "4th+", "5th", "6th",  "7th", "8th"};

constexpr std::array<const char*, kConsoleEditionBits> kConsoleCaptions{"1st", "2nd", "3rd", "4th",  "5th", "6th",
                                                                        "7th", "8th", "9th", "10th", "11th"};

}  // namespace

const std::array<EditionFilter, kEditionFilterCount>& editionFilters() {
  return kFilters;
}
const std::array<const char*, kArcadeEditionBits>& arcadeEditionCaptions() {
  return kArcadeCaptions;
}
const std::array<const char*, kConsoleEditionBits>& consoleEditionCaptions() {
  return kConsoleCaptions;
}

SongFilterResult FilterSongs(const Catalogue& catalogue, int editionEntry, bool newOnly, int previous) {
  SongFilterResult result;
  if (editionEntry < 0 || editionEntry >= kEditionFilterCount) return result;
  const EditionFilter& filter = kFilters[static_cast<size_t>(editionEntry)];
  const int count = catalogue.validCount();
  for (int i = 0; i < count; ++i) {
    const SongRecord& r = catalogue.SongList[static_cast<size_t>(i)];
    bool take = true;
    if (filter.field == Field::Arcade) {
      take = (r.AcMask & filter.selectMask) != 0 && (!newOnly || (r.AcMask & filter.olderMask) == 0);
    } else if (filter.field == Field::Console) {
      take = (r.CsMask & filter.selectMask) != 0;
    }
    if (!take) continue;
    if (i == previous) result.selected = static_cast<int>(result.indices.size());
    result.indices.push_back(i);
  }
  // With "ALL" the position equals the index, so the search above is the plain "select entry
  // `previous`". A song no longer in the list falls back to the first entry rather than to no
  // selection, which would leave OK without a song to store.
  if (result.selected < 0 && !result.indices.empty()) result.selected = 0;
  if (filter.field == Field::Arcade) result.newOnlyEnabled = true;
  if (filter.field == Field::Console) result.newOnlyEnabled = false;
  return result;
}

std::string songCodeText(int16_t code) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%04X", static_cast<unsigned>(static_cast<uint16_t>(code)));
  return buf;
}

std::string songBpmText(int16_t bpm) {
  return bpm == -1 ? "???" : std::to_string(bpm);
}

std::string autoKrunTitle(const std::string& songTitle, const std::string& editName) {
  return songTitle + " EDIT [" + editName + "]";
}

}  // namespace tarveno
