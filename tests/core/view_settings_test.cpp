#include "core/sheet/view_settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "core/sheet/sheet_text.h"
#include "core/text/cp932.h"
#include "core/text/number.h"
#include "support/test_paths.h"

namespace tarveno {
namespace {

using namespace std::string_literals;

// Text from pieces that survive CP932 both ways, at most `maxBytes` bytes once encoded.
std::string randomText(std::mt19937& rng, size_t maxBytes) {
  static const char* const pieces[] = {"a", "Z", "7", " ", "%", "[", "\r\n", "あ", "ヴ", "譜", "ｶ", "ﾟ"};
  std::string text;
  for (const size_t want = std::uniform_int_distribution<size_t>(0, maxBytes)(rng);;) {
    const std::string next = text + pieces[std::uniform_int_distribution<size_t>(0, std::size(pieces) - 1)(rng)];
    if (utf8ToCp932(next).size() > want) return text;
    text = next;
  }
}

// The "offset bytes what" lines of a view.dat fixture file.
std::vector<std::pair<size_t, std::string>> bytesAt(const char* name) {
  auto entries = testing::parseHexFixture(testing::readAll(testing::fixturesDir() / "view-dat" / name)).entries;
  EXPECT_FALSE(entries.empty()) << name;
  return entries;
}

// Every stored field drawn from the whole range the file can hold.
ViewSettings randomSettings(std::mt19937 rng) {
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  ViewSettings s;
  for (int16_t* v : {&s.SheetMarginV, &s.SheetMarginH, &s.SheetMarginC, &s.HeaderMargin}) {
    *v = static_cast<int16_t>(pick(-32768, 32767));
  }
  s.SheetBlocks = static_cast<int16_t>(pick(1, 32767));
  for (int32_t* c : {&s.SheetBackColor, &s.Beat13Color, &s.Beat24Color, &s.FrameColor, &s.MeasureLineColor,
                     &s.BeatLineColor, &s.PlayerLineColor, &s.HeaderColor, &s.NumberColor}) {
    *c = pick(0, 0xFFFFFF);
  }
  for (LineStyle* l : {&s.FrameStyle, &s.MeasureLineStyle, &s.BeatLineStyle, &s.PlayerLineStyle}) {
    *l = static_cast<LineStyle>(pick(0, 5));
  }
  for (FontSpec* f : {&s.HeaderFont, &s.NumberFont}) {
    f->name = randomText(rng, 126);
    f->size = pick(1, 4000) / 4.0;  // exact as a single
    f->bold = pick(0, 1) == 1;
    f->italic = pick(0, 1) == 1;
  }
  s.HeaderStyle = randomText(rng, 126);
  s.ShowNum = static_cast<uint8_t>(pick(0, 1));
  s.NumPos = static_cast<int16_t>(pick(0, 20));
  return s;
}

const ViewSettings kUnusual = randomSettings(std::mt19937(7));

std::string serialized(const ViewSettings& s) {
  Result<std::string> bytes = serializeViewSettings(s);
  EXPECT_TRUE(bytes.ok()) << "refused: " << (bytes.ok() ? 0 : static_cast<int>(bytes.error().code));
  return bytes.ok() ? *bytes : std::string();
}

TEST(ViewSettingsFile, RandomSettingsRoundTripWithoutUnderlineOrStrikethrough) {
  for (int round = 0; round < 300; ++round) {
    const ViewSettings s = randomSettings(std::mt19937(20240611 + round));
    // Underline and strikethrough last until the program ends; the file does not keep them.
    ViewSettings styled = s;
    std::tie(styled.HeaderFont.underline, styled.NumberFont.strikethrough) = std::tuple(round % 2 == 0, round % 3 == 0);
    const std::string file = serialized(styled);
    ASSERT_EQ(file.size(), 3712u);
    Result<ViewSettings> back = decodeViewSettings(file);
    ASSERT_TRUE(back.ok()) << back.error().message;
    ASSERT_EQ(*back, s) << "round " << round;
  }
}

TEST(ViewSettingsFile, RecordsHoldTheirValuesAtFixedOffsetsWithZeroFiller) {
  ViewSettings s;
  std::tie(s.SheetBackColor, s.HeaderFont.bold) = std::tuple(rgb(0x12, 0x34, 0x56), true);
  std::tie(s.ShowNum, s.NumPos) = std::tuple(1, 7);
  const std::string file = serialized(s);
  ASSERT_EQ(file.size(), 3712u);
  for (const auto& [offset, bytes] : bytesAt("records.txt")) {
    EXPECT_EQ(file.substr(offset, bytes.size()), bytes) << offset;
  }
}

TEST(ViewSettingsFile, ShortOrDamagedFilesGiveEveryDefault) {
  const ViewSettings& s = kUnusual;
  const std::string good = serialized(s);
  EXPECT_EQ(parseViewSettings(good.substr(0, 3585)), ViewSettings{});
  EXPECT_EQ(parseViewSettings(""), ViewSettings{});
  EXPECT_EQ(decodeViewSettings(good.substr(0, 3584)).error().code, ErrorCode::BadData);
  // Only the last record's padding may be missing; bytes after the last record are ignored.
  Result<ViewSettings> shortest = decodeViewSettings(good.substr(0, 3586));
  ASSERT_TRUE(shortest.ok()) << shortest.error().message;
  EXPECT_EQ(*shortest, s);
  EXPECT_EQ(parseViewSettings(good + "trailing"), s);

  for (const auto& [offset, bytes] : bytesAt("damages.txt")) {
    std::string file = good;
    file.replace(offset, bytes.size(), bytes);
    SCOPED_TRACE(std::to_string(offset) + ": " + ::testing::PrintToString(bytes));
    Result<ViewSettings> decoded = decodeViewSettings(file);
    ASSERT_FALSE(decoded.ok());
    EXPECT_EQ(decoded.error().code, ErrorCode::BadData) << decoded.error().message;
  }
}

TEST(ViewSettingsWriter, RefusesWhatDoesNotFitOrWouldReadAsDamageKeepingTheFile) {
  std::string wide;  // 63 two-byte characters: 126 CP932 bytes, which still fit
  for (int i = 0; i < 63; ++i) wide += "あ";
  ViewSettings s;
  std::tie(s.HeaderStyle, s.HeaderFont.name) = std::tuple(std::string(124, 'x') + "\r\n", wide);
  const std::string file = serialized(s);
  EXPECT_EQ(file.substr(2432, 2), "\x7E\x00"s);
  EXPECT_EQ(parseViewSettings(file), s);

  // The writer's error code for the defaults with one change, nothing when it writes them.
  auto refusal = [](const std::function<void(ViewSettings&)>& change) {
    ViewSettings v;
    change(v);
    Result<std::string> r = serializeViewSettings(v);
    return r.ok() ? std::optional<ErrorCode>() : r.error().code;
  };
  ViewSettings tooLong;
  tooLong.HeaderStyle = std::string(127, 'x');
  const Error error = serializeViewSettings(tooLong).error();
  EXPECT_EQ(error.code, ErrorCode::OutOfRange);
  EXPECT_EQ(error.text, (Message{SheetText::TextTooLong, {"127"}, {Message{SheetText::NameHeaderStyle, {}, {}}}}));
  // No CP932 form: it would come back as "?". One more byte: 127 in CP932 although far fewer
  // characters. Sizes infinite or zero as a single. Margins are free.
  EXPECT_EQ(refusal([](ViewSettings& v) { v.HeaderFont.name = "한글"; }), ErrorCode::Unsupported);
  EXPECT_EQ(refusal([&](ViewSettings& v) { v.NumberFont.name = wide + "A"; }), ErrorCode::OutOfRange);
  EXPECT_EQ(refusal([](ViewSettings& v) { v.SheetBlocks = 0; }), ErrorCode::OutOfRange);
  EXPECT_EQ(refusal([](ViewSettings& v) { v.NumPos = 21; }), ErrorCode::OutOfRange);
  EXPECT_EQ(refusal([](ViewSettings& v) { v.ShowNum = 2; }), ErrorCode::OutOfRange);
  EXPECT_EQ(refusal([](ViewSettings& v) { v.FrameStyle = static_cast<LineStyle>(6); }), ErrorCode::OutOfRange);
  EXPECT_EQ(refusal([](ViewSettings& v) { v.NumberColor = -1; }), ErrorCode::OutOfRange);
  EXPECT_EQ(refusal([](ViewSettings& v) { v.HeaderFont.size = 0; }), ErrorCode::OutOfRange);
  EXPECT_EQ(refusal([](ViewSettings& v) { v.NumberFont.size = 1e300; }), ErrorCode::OutOfRange);
  EXPECT_EQ(refusal([](ViewSettings& v) { v.NumberFont.size = 1e-50; }), ErrorCode::OutOfRange);
  EXPECT_EQ(refusal([](ViewSettings& v) { v.SheetMarginC = -32768; }), std::nullopt);

  testing::TempDir dir;
  const auto path = dir / "view.dat";
  EXPECT_EQ(LoadViewSettings(path), ViewSettings{});
  EXPECT_EQ(LoadViewSettings(dir.path()), ViewSettings{});  // a folder is not a file

  ASSERT_TRUE(SaveViewSettings(path, kUnusual).ok());
  EXPECT_EQ(std::filesystem::file_size(path), 3712u);
  EXPECT_EQ(LoadViewSettings(path), kUnusual);
  const std::string before = testing::readAll(path);
  ViewSettings bad = kUnusual;
  bad.HeaderStyle = std::string(200, 'y');
  EXPECT_FALSE(SaveViewSettings(path, bad).ok());
  EXPECT_EQ(testing::readAll(path), before);

  // A configuration folder that does not exist yet is made; one that cannot be is reported.
  EXPECT_TRUE(SaveViewSettings(dir / "new" / "view.dat", ViewSettings{}).ok());
  testing::writeAll(dir / "file", "");
  Status noFolder = SaveViewSettings(dir / "file" / "view.dat", ViewSettings{});
  ASSERT_FALSE(noFolder.ok());
  EXPECT_EQ(noFolder.error().code, ErrorCode::FileWrite);
}

}  // namespace
}  // namespace tarveno
