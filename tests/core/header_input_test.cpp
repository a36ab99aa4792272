#include <gtest/gtest.h>
#include <tuple>

#include "core/chart/header_input.h"
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

// The numbers stored, or the message of the refusal.
std::string verdict(const std::string& level, const std::string& name = "", const std::string& width = "",
                    const std::string& height = "") {
  auto r = checkOptionsInput({level, name, width, height});
  if (!r) return r.error().message;
  return std::to_string(r->footLevel) + " " + std::to_string(r->krunWidth) + " " + std::to_string(r->krunHeight);
}

TEST(OptionsInput, FootLevelIsCheckedBeforeRoundingAndRoundedHalfEven) {
  // The text and the level stored; "1e999" is out of range, so no number, as everywhere.
  const std::pair<const char*, const char*> accepted[] = {{"15", "15"}, {"14.6", "15"}, {"abc", "0"},  {"", "0"},
                                                          {"7.5", "8"}, {"6.5", "6"},   {"  3x", "3"}, {"1e999", "0"}};
  for (auto [text, stored] : accepted) EXPECT_EQ(verdict(text), stored + std::string(" 0 0")) << text;
  for (const char* refused : {"15.4", "-0.4", "16", "1e9"}) EXPECT_EQ(verdict(refused), kFootLevelMessage) << refused;
}

// At most 8 characters from blank to "}" (an empty one is FormCheck's to refuse); checked after
// the foot level.
TEST(OptionsInput, EditNameAllowsEightCharactersFromSpaceToClosingBrace) {
  for (const char* good : {"", "}", " {A|}z ", "ABCDEFGH", "!\"#$%&'("}) EXPECT_TRUE(isValidEditName(good)) << good;
  for (const char* bad : {"~", "ABCDEFGHI", "ダンス", "A\tB", "\x7f", "caf\xC3\xA9"}) {
    EXPECT_FALSE(isValidEditName(bad)) << bad;
  }
  EXPECT_EQ(verdict("1", "A b}{0|"), "1 0 0");
  EXPECT_EQ(verdict("1", "AB~"), kEditNameMessage);
  EXPECT_EQ(verdict("99", "~"), kFootLevelMessage);
}

TEST(OptionsInput, KrunWidthAndHeightMustFitSixteenBits) {
  EXPECT_EQ(verdict("1", "", "32767.4", "-32768"), "1 32767 -32768");
  EXPECT_EQ(verdict("1", "", "2.5", "3.5"), "1 2 4");
  EXPECT_EQ(verdict("1", "", "32767.5"), kKrunWidthMessage);  // rounds to 32768
  EXPECT_EQ(verdict("1", "", "", "40000"), kKrunHeightMessage);
  EXPECT_EQ(verdict("1", "", "", "-32769"), kKrunHeightMessage);
}

}  // namespace
}  // namespace tarveno
