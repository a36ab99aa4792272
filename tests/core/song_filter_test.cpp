#include <gtest/gtest.h>
#include <tuple>

#include "core/songs/catalogue.h"
#include "core/songs/song_filter.h"
#include "support/test_catalogue.h"

namespace tarveno {
namespace {

using testing::editionCatalogue;

TEST(OptionsSongFilter, EachEditionEntryListsItsSongs) {
  Catalogue c = editionCatalogue();
  // Gamma Line was already in the first edition, so it is not new in the second; the first
  // edition has nothing older; console entries ignore "new only".
  const std::tuple<int, bool, std::vector<int>> cases[] = {
      {0, true, {0, 1, 2, 3, 4}}, {3, false, {1, 2}}, {3, true, {1}},
      {1, false, {3, 4}},         {1, true, {4}},     {2, false, {0, 2, 3}},
      {2, true, {0, 2, 3}},       {9, true, {0}},     {10, true, {1}},
      {11, false, {3}},           {6, false, {}},     {12, false, {}}};
  for (const auto& [entry, newOnly, songs] : cases)
    EXPECT_EQ(FilterSongs(c, entry, newOnly, 0).indices, songs) << entry;

  EXPECT_FALSE(FilterSongs(c, 0, true, 3).newOnlyEnabled.has_value());
  EXPECT_EQ(FilterSongs(c, 5, false, 0).newOnlyEnabled, std::optional<bool>(true));
  EXPECT_EQ(FilterSongs(c, 11, false, 0).newOnlyEnabled, std::optional<bool>(false));
  c.SongList[2].Code = 0;  // the catalogue ends here
  EXPECT_EQ(FilterSongs(c, 0, false, 0).indices, (std::vector<int>{0, 1}));
}

// The previous song stays selected, else the first entry; nothing in an empty list.
TEST(OptionsSongFilter, PreviousSongStaysSelectedElseTheFirstEntry) {
  const Catalogue c = editionCatalogue();
  EXPECT_EQ(std::tuple(FilterSongs(c, 0, true, 3).selected, FilterSongs(c, 3, false, 2).selected,
                       FilterSongs(c, 3, false, 0).selected, FilterSongs(c, 6, false, 2).selected,
                       FilterSongs(c, 0, false, 400).selected),
            std::tuple(3, 1, 0, -1, 0));
}

TEST(OptionsSongDetails, CodeTempoAndTheComposedTitle) {
  EXPECT_EQ(std::tuple(songCodeText(10), songCodeText(499), songBpmText(-1), songBpmText(150)),
            std::tuple("000A", "01F3", "???", "150"));
  EXPECT_EQ(autoKrunTitle("ABC", "XY"), "ABC EDIT [XY]");
}

}  // namespace
}  // namespace tarveno
