#include <gtest/gtest.h>

#include "core/chart/header_input.h"
#include "core/songs/catalogue.h"
#include "core/songs/song_filter.h"

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

TEST(OptionsSongFilter, EachEditionEntryListsItsSongs) {
  Catalogue c = editionCatalogue();
  struct Case {
    int entry;
    bool newOnly;
    std::vector<int> songs;
  };
  // Gamma Line was already in the first edition, so it is not new in the second; the first
  // edition has nothing older; console entries ignore "new only".
  const Case cases[] = {{0, true, {0, 1, 2, 3, 4}}, {3, false, {1, 2}}, {3, true, {1}},
                        {1, false, {3, 4}},         {1, true, {4}},     {2, false, {0, 2, 3}},
                        {2, true, {0, 2, 3}},       {9, true, {0}},     {10, true, {1}},
                        {11, false, {3}},           {6, false, {}},     {12, false, {}}};
  for (const Case& k : cases) EXPECT_EQ(FilterSongs(c, k.entry, k.newOnly, 0).indices, k.songs) << k.entry;

  EXPECT_FALSE(FilterSongs(c, 0, true, 3).newOnlyEnabled.has_value());
  EXPECT_EQ(FilterSongs(c, 5, false, 0).newOnlyEnabled, std::optional<bool>(true));
  EXPECT_EQ(FilterSongs(c, 11, false, 0).newOnlyEnabled, std::optional<bool>(false));

  c.SongList[2].Code = 0;  // the catalogue ends here
  EXPECT_EQ(FilterSongs(c, 0, false, 0).indices, (std::vector<int>{0, 1}));
}

TEST(OptionsSongFilter, PreviousSongStaysSelectedElseTheFirstEntry) {
  Catalogue c = editionCatalogue();
  EXPECT_EQ(FilterSongs(c, 0, true, 3).selected, 3);
  EXPECT_EQ(FilterSongs(c, 3, false, 2).selected, 1);
  EXPECT_EQ(FilterSongs(c, 3, false, 0).selected, 0);
  EXPECT_EQ(FilterSongs(c, 6, false, 2).selected, -1);   // no song of that edition
  EXPECT_EQ(FilterSongs(c, 0, false, 400).selected, 0);  // past the catalogue's end
}

TEST(OptionsSongDetails, CodeTempoAndTheComposedTitle) {
  EXPECT_EQ(songCodeText(10), "000A");
  EXPECT_EQ(songCodeText(499), "01F3");
  EXPECT_EQ(songBpmText(-1), "???");
  EXPECT_EQ(songBpmText(150), "150");
  EXPECT_EQ(autoKrunTitle("ABC", "XY"), "ABC EDIT [XY]");
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
  EXPECT_EQ(check("99", "~").error().message, kFootLevelMessage) << "the foot level is checked first";
}

TEST(OptionsInput, KrunWidthAndHeightMustFitSixteenBits) {
  auto ok = check("1", "", "32767.4", "-32768");
  ASSERT_TRUE(ok);
  EXPECT_EQ(ok->krunWidth, 32767);
  EXPECT_EQ(ok->krunHeight, -32768);
  auto halves = check("1", "", "2.5", "abc");
  ASSERT_TRUE(halves);
  EXPECT_EQ(halves->krunWidth, 2);
  EXPECT_EQ(halves->krunHeight, 0);
  EXPECT_EQ(check("1", "", "", "3.5")->krunHeight, 4);

  EXPECT_EQ(check("1", "", "32767.5").error().message, kKrunWidthMessage);  // rounds to 32768
  EXPECT_EQ(check("1", "", "", "40000").error().message, kKrunHeightMessage);
  EXPECT_EQ(check("1", "", "", "-32769").error().message, kKrunHeightMessage);
}

}  // namespace
}  // namespace tarveno
