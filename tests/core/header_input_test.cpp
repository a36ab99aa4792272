#include <gtest/gtest.h>

#include <variant>

#include "core/chart/header_input.h"

namespace tarveno {
namespace {

// The numbers stored, or what the refusal says.
using Verdict = std::variant<std::string, Message>;

Verdict verdict(const std::string& level, const std::string& name = "", const std::string& width = "",
                const std::string& height = "", const std::string& title = "", const std::string& comment = "") {
  auto r = checkOptionsInput({level, name, width, height, title, comment});
  if (!r) return r.error().text.value_or(Message{});
  return std::to_string(r->footLevel) + " " + std::to_string(r->krunWidth) + " " + std::to_string(r->krunHeight);
}

Verdict stored(const std::string& numbers) {
  return numbers;
}

Verdict refused(ChartText kind, std::vector<std::string> args = {}, std::vector<Message> parts = {}) {
  return chartText(kind, std::move(args), std::move(parts));
}

TEST(OptionsInput, FootLevelIsCheckedBeforeRoundingAndRoundedHalfEven) {
  // The text and the level stored; "1e999" is out of range, so no number, as everywhere.
  const std::pair<const char*, const char*> accepted[] = {{"15", "15"}, {"14.6", "15"}, {"abc", "0"},  {"", "0"},
                                                          {"7.5", "8"}, {"6.5", "6"},   {"  3x", "3"}, {"1e999", "0"}};
  for (auto [text, level] : accepted) EXPECT_EQ(verdict(text), stored(level + std::string(" 0 0"))) << text;
  for (const char* typed : {"15.4", "-0.4", "16", "1e9"}) {
    EXPECT_EQ(verdict(typed), refused(ChartText::FootLevelRange)) << typed;
  }
}

// At most 8 characters from blank to "}" (an empty one is FormCheck's to refuse); checked after
// the foot level.
TEST(OptionsInput, EditNameAllowsEightCharactersFromSpaceToClosingBrace) {
  for (const char* good : {"", "}", " {A|}z ", "ABCDEFGH", "!\"#$%&'("}) EXPECT_TRUE(isValidEditName(good)) << good;
  for (const char* bad : {"~", "ABCDEFGHI", "ダンス", "A\tB", "\x7f", "caf\xC3\xA9"}) {
    EXPECT_FALSE(isValidEditName(bad)) << bad;
  }
  EXPECT_EQ(verdict("1", "A b}{0|"), stored("1 0 0"));
  EXPECT_EQ(verdict("1", "AB~"), refused(ChartText::EditNameRule));
  EXPECT_EQ(verdict("99", "~"), refused(ChartText::FootLevelRange));
}

TEST(OptionsInput, KrunWidthAndHeightMustFitSixteenBits) {
  EXPECT_EQ(verdict("1", "", "32767.4", "-32768"), stored("1 32767 -32768"));
  EXPECT_EQ(verdict("1", "", "2.5", "3.5"), stored("1 2 4"));
  EXPECT_EQ(verdict("1", "", "32767.5"), refused(ChartText::KrunWidthRange));  // rounds to 32768
  EXPECT_EQ(verdict("1", "", "", "40000"), refused(ChartText::KrunHeightRange));
  EXPECT_EQ(verdict("1", "", "", "-32769"), refused(ChartText::KrunHeightRange));
}

// Title and comment are written on one keyword line in Shift-JIS; the refusal names the first
// character that would be lost, a control character by its number.
TEST(OptionsInput, KrunTextsMustKeepEveryCharacterOnOneShiftJisLine) {
  const std::pair<const char*, std::optional<char32_t>> cases[] = {{"夜の港 ~ Harbor ｱ～①", std::nullopt},
                                                                   {"", std::nullopt},
                                                                   {"Café ☃", U'é'},
                                                                   {"a\r\n#double", U'\r'},
                                                                   {"tab\there", U'\t'},
                                                                   {"\x7f", 0x7F},
                                                                   {"\xC2\x85", 0x85},
                                                                   {"ok\xFF", 0xFFFD},
                                                                   {"♪🎵", 0x1F3B5}};
  for (auto [text, first] : cases) EXPECT_EQ(firstUnkeptKrunCharacter(text), first) << text;
  EXPECT_EQ(verdict("1", "", "", "", "Café ☃"),
            refused(ChartText::KrunUnkeptCharacter, {"é"}, {chartText(ChartText::FieldKrunTitle)}));
  EXPECT_EQ(verdict("1", "", "", "", "", "a\tb"),
            refused(ChartText::KrunControlCharacter, {"U+0009"}, {chartText(ChartText::FieldKrunComment)}));
}

}  // namespace
}  // namespace tarveno
