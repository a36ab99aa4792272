#include <gtest/gtest.h>

#include "core/chart/header_input.h"

namespace tarveno {
namespace {

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
