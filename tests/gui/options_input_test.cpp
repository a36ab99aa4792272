#include <gtest/gtest.h>

#include "core/songs/catalogue.h"
#include "gui/songs/options_input.h"
#include "gui/songs/song_filter.h"

namespace tarveno {
namespace {

// Five songs across the editions: arcade bits 0-1 are the first edition, 2-3 the second,
// bit 11 the newest; console bits 2, 5 and 7 belong to the three console filters.
Catalogue editionCatalogue() {
  Catalogue c;
  auto& s = c.SongList;
  s[0] = {"Alpha Run", 10, 120, 60, 0b11, 0b100, 0};
  s[1] = {"Beta Step", 499, -1, 80, 0b100, 0b100000, 0};
  s[2] = {"Gamma Line", 32, 150, 100, 0b101, 0, 1};
  s[3] = {"Delta Wave", 48, 140, 90, 2048 | 1, 128, 0};
  s[4] = {"Echo New", 64, 160, 70, 2048, 0, 0};
  return c;
}

std::vector<int> list(const SongFilterResult& r) {
  return r.indices;
}

TEST(OptionsSongFilter, AllListsEveryValidSongAndKeepsTheNewOnlyState) {
  Catalogue c = editionCatalogue();
  auto r = FilterSongs(c, 0, true, 3);
  EXPECT_EQ(list(r), (std::vector<int>{0, 1, 2, 3, 4}));
  EXPECT_EQ(r.selected, 3);
  EXPECT_FALSE(r.newOnlyEnabled.has_value());

  c.SongList[2].Code = 0;  // the catalogue ends here
  EXPECT_EQ(list(FilterSongs(c, 0, false, 0)), (std::vector<int>{0, 1}));
}

TEST(OptionsSongFilter, ArcadeEditionsUseSelectAndOlderMasks) {
  Catalogue c = editionCatalogue();
  EXPECT_EQ(list(FilterSongs(c, 3, false, 0)), (std::vector<int>{1, 2}));
  // Gamma Line was already in the first edition, so it is not new in the second.
  EXPECT_EQ(list(FilterSongs(c, 3, true, 0)), (std::vector<int>{1}));
  EXPECT_EQ(list(FilterSongs(c, 1, false, 0)), (std::vector<int>{3, 4}));
  EXPECT_EQ(list(FilterSongs(c, 1, true, 0)), (std::vector<int>{4}));
  // The first edition has nothing older, so "new only" changes nothing.
  EXPECT_EQ(list(FilterSongs(c, 2, false, 0)), list(FilterSongs(c, 2, true, 0)));
  EXPECT_EQ(list(FilterSongs(c, 2, true, 0)), (std::vector<int>{0, 2, 3}));
  EXPECT_EQ(FilterSongs(c, 5, false, 0).newOnlyEnabled, std::optional<bool>(true));
}

TEST(OptionsSongFilter, ConsoleEditionsIgnoreNewOnlyAndDisableIt) {
  Catalogue c = editionCatalogue();
  EXPECT_EQ(list(FilterSongs(c, 9, true, 0)), (std::vector<int>{0}));
  EXPECT_EQ(list(FilterSongs(c, 10, true, 0)), (std::vector<int>{1}));
  EXPECT_EQ(list(FilterSongs(c, 11, false, 0)), (std::vector<int>{3}));
  EXPECT_EQ(FilterSongs(c, 11, false, 0).newOnlyEnabled, std::optional<bool>(false));
}

TEST(OptionsSongFilter, PreviousSongStaysSelectedElseTheFirstEntry) {
  Catalogue c = editionCatalogue();
  EXPECT_EQ(FilterSongs(c, 3, false, 2).selected, 1);
  EXPECT_EQ(FilterSongs(c, 3, false, 0).selected, 0);
  // No song of that edition: nothing to select.
  auto none = FilterSongs(c, 6, false, 2);
  EXPECT_TRUE(none.indices.empty());
  EXPECT_EQ(none.selected, -1);
  EXPECT_TRUE(FilterSongs(c, 12, false, 0).indices.empty());
  // A previous song past the catalogue's end falls back to the first entry.
  EXPECT_EQ(FilterSongs(c, 0, false, 400).selected, 0);
}

TEST(OptionsSongFilter, EditionTextsAndLabelCaptions) {
  const auto& f = editionFilters();
  EXPECT_STREQ(f[0].text, "ALL");
  for (int i = 1; i <= 8; ++i) EXPECT_EQ(std::string(f[static_cast<size_t>(i)].text).rfind("AC ", 0), 0u) << i;
  for (int i = 9; i <= 11; ++i) EXPECT_EQ(std::string(f[static_cast<size_t>(i)].text).rfind("CS ", 0), 0u) << i;
  EXPECT_EQ(arcadeEditionCaptions().size(), 12u);
  EXPECT_EQ(consoleEditionCaptions().size(), 11u);
}

TEST(OptionsSongFilter, SongDetailTexts) {
  EXPECT_EQ(songCodeText(10), "000A");
  EXPECT_EQ(songCodeText(499), "01F3");
  EXPECT_EQ(songCodeText(0x7ABC), "7ABC");
  EXPECT_EQ(songBpmText(-1), "???");
  EXPECT_EQ(songBpmText(155), "155");
  EXPECT_EQ(autoKrunTitle("ABC", "XY"), "ABC EDIT [XY]");
  EXPECT_EQ(autoKrunTitle("ABC", ""), "ABC EDIT []");
}

Result<OptionsNumbers> check(const std::string& level, const std::string& name = "", const std::string& width = "",
                             const std::string& height = "") {
  return checkOptionsInput({level, name, width, height});
}

TEST(OptionsInput, FootLevelIsCheckedBeforeRoundingAndRoundedHalfEven) {
  struct Case {
    const char* text;
    int stored;  // -1: refused
  };
  for (Case c : {Case{"15", 15}, Case{"14.6", 15}, Case{"15.4", -1}, Case{"-0.4", -1}, Case{"16", -1}, Case{"abc", 0},
                 Case{"", 0}, Case{"7.5", 8}, Case{"6.5", 6}, Case{"  3x", 3}, Case{"1e9", -1},
                 Case{"1e999", 0} /* out of double range: no number, as everywhere */}) {
    auto r = check(c.text);
    if (c.stored < 0) {
      ASSERT_FALSE(r) << c.text;
      EXPECT_EQ(r.error().message, "難易度は0～15の整数で指定して下さい。");
    } else {
      ASSERT_TRUE(r) << c.text;
      EXPECT_EQ(r->footLevel, c.stored) << c.text;
    }
  }
}

TEST(OptionsInput, EditNameAllowsSpaceToClosingBraceOnly) {
  EXPECT_TRUE(check("1", "A b}{0|"));
  EXPECT_TRUE(check("1", ""));
  for (const char* bad : {"AB~", "名前", "a\tb", "\x7f", "caf\xC3\xA9"}) {
    auto r = check("1", bad);
    ASSERT_FALSE(r) << bad;
    EXPECT_EQ(r.error().message, "EDIT名は半角英数字８文字以内にして下さい。");
  }
  // The foot level is checked first.
  EXPECT_EQ(check("99", "~").error().message, kFootLevelMessage);
}

TEST(OptionsInput, KrunWidthAndHeightMustFitSixteenBits) {
  auto ok = check("1", "", "32767.4", "-32768");
  ASSERT_TRUE(ok);
  EXPECT_EQ(ok->krunWidth, 32767);
  EXPECT_EQ(ok->krunHeight, -32768);
  auto empty = check("1", "", "", "abc");
  ASSERT_TRUE(empty);
  EXPECT_EQ(empty->krunWidth, 0);
  EXPECT_EQ(empty->krunHeight, 0);
  EXPECT_EQ(check("1", "", "2.5", "3.5")->krunWidth, 2);
  EXPECT_EQ(check("1", "", "2.5", "3.5")->krunHeight, 4);

  EXPECT_EQ(check("1", "", "32767.5").error().message, kKrunWidthMessage);  // rounds to 32768
  EXPECT_EQ(check("1", "", "", "40000").error().message, kKrunHeightMessage);
  EXPECT_EQ(check("1", "", "", "-32769").error().message, kKrunHeightMessage);
}

}  // namespace
}  // namespace tarveno
