#include "core/sheet/view_settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "support/test_paths.h"

namespace tarveno {
namespace {

using namespace std::string_literals;

// Text from pieces that survive CP932 both ways, at most `maxBytes` bytes once encoded.
std::string randomText(std::mt19937& rng, size_t maxBytes) {
  static const std::pair<const char*, size_t> pieces[] = {{"a", 1},  {"Z", 1},  {"7", 1},    {" ", 1},
                                                          {"%", 1},  {"[", 1},  {"\r\n", 2}, {"あ", 2},
                                                          {"ヴ", 2}, {"譜", 2}, {"ｶ", 1},    {"ﾟ", 1}};
  std::string text;
  size_t bytes = 0;
  const size_t want = std::uniform_int_distribution<size_t>(0, maxBytes)(rng);
  for (;;) {
    const auto& [utf8, cp932Bytes] = pieces[std::uniform_int_distribution<size_t>(0, std::size(pieces) - 1)(rng)];
    if (bytes + cp932Bytes > want) return text;
    text += utf8;
    bytes += cp932Bytes;
  }
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
  EXPECT_TRUE(bytes.ok()) << (bytes.ok() ? "" : bytes.error().message);
  return bytes.ok() ? *bytes : std::string();
}

TEST(ViewSettingsFile, RandomSettingsRoundTripWithoutUnderlineOrStrikethrough) {
  for (int round = 0; round < 300; ++round) {
    const ViewSettings s = randomSettings(std::mt19937(20240611 + round));
    // Underline and strikethrough last until the program ends; the file does not keep them.
    ViewSettings styled = s;
    styled.HeaderFont.underline = round % 2 == 0;
    styled.NumberFont.strikethrough = round % 3 == 0;
    const std::string file = serialized(styled);
    ASSERT_EQ(file.size(), 3712u);
    Result<ViewSettings> back = decodeViewSettings(file);
    ASSERT_TRUE(back.ok()) << back.error().message;
    ASSERT_EQ(*back, s) << "round " << round;
  }
}

TEST(ViewSettingsFile, RecordsHoldTheirValuesAtFixedOffsetsWithZeroFiller) {
  ViewSettings s;  // defaults, with a distinctive background colour
  s.SheetBackColor = rgb(0x12, 0x34, 0x56);
  s.HeaderFont.bold = true;
  s.ShowNum = 1;
  s.NumPos = 7;
  const std::string file = serialized(s);
  ASSERT_EQ(file.size(), 3712u);
  const std::pair<size_t, std::string> expected[] = {
      {0, "\x0A\x00"s},             // record 1: SheetMarginV 10
      {256, "\x08\x00"s},           // record 3: SheetBlocks 8
      {512, "\x12\x34\x56\x00"s},   // record 5: red lowest
      {640, "\x00\xFF\xFF\x00"s},   // record 6: 0,255,255
      {1408, "\x00\x00\xFF\x00"s},  // record 12: blue
      {1536, "\x02\x00\x00\x00"s},  // record 13: dotted beat lines
      {2176, "\xFF\xFF"s},          // record 18: bold, -1
      {2304, "\x00\x00"s},          // record 19: not italic
      // Record 20: 15 bytes of "ＭＳ Ｐゴシック" in CP932.
      {2432, "\x0F\x00\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E"s},
      {2560, "\x00\x00\x60\x41"s},                 // record 21: 14.0f
      {2688, "\x15\x00%T\r\nEDIT[%E]   %M  %L"s},  // record 22: CR LF kept as the bytes 13, 10
      {3328, "\x00\x00\x20\x41"s},                 // record 27: 10.0f
      {3456, "\x01"s},                             // record 28: ShowNum
      {3584, "\x07\x00"s},                         // record 29: NumPos
      // Everything after a record's value is zero, including the padding of the last record.
      {2, std::string(126, '\0')},
      {2449, std::string(111, '\0')},
      {3586, std::string(126, '\0')},
  };
  for (const auto& [offset, bytes] : expected) EXPECT_EQ(file.substr(offset, bytes.size()), bytes) << offset;
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

  const std::pair<size_t, std::vector<std::string>> damages[] = {
      {2 * 128, {"\x00\x00"s, "\xFF\xFF"s}},                                        // SheetBlocks 0, -1
      {4 * 128, {"\x00\x00\x00\x01"s}},                                             // colour with a top byte
      {8 * 128, {"\x06\x00\x00\x00"s}},                                             // FrameStyle 6
      {10 * 128, {"\xFF\xFF\xFF\xFF"s}},                                            // MeasureLineStyle -1
      {12 * 128, {"\x00\x01\x00\x00"s}},                                            // BeatLineStyle 256
      {15 * 128, {"\x06\x00\x00\x00"s}},                                            // PlayerLineStyle 6
      {19 * 128, {"\x7F\x00"s}},                                                    // header font name of 127 bytes
      {20 * 128, {"\x00\x00\x00\x00"s, "\x00\x00\x60\xC1"s, "\x00\x00\xC0\x7F"s}},  // header size 0, -14, NaN
      {21 * 128, {"\xFF\xFF"s}},                                                    // template of 65535 bytes
      {25 * 128, {"\x7F\x00"s}},                                                    // number font name of 127 bytes
      {26 * 128, {"\x00\x00\x80\x7F"s}},                                            // number size infinite
      {27 * 128, {"\x02"s, "\xFF"s}},                                               // ShowNum 2, 255
      {28 * 128, {"\x15\x00"s, "\xFF\xFF"s}},                                       // NumPos 21, -1
  };
  for (const auto& [offset, values] : damages) {
    for (const std::string& bytes : values) {
      std::string file = good;
      file.replace(offset, bytes.size(), bytes);
      SCOPED_TRACE(std::to_string(offset) + ": " + ::testing::PrintToString(bytes));
      Result<ViewSettings> decoded = decodeViewSettings(file);
      ASSERT_FALSE(decoded.ok());
      EXPECT_EQ(decoded.error().code, ErrorCode::BadData);
      EXPECT_FALSE(decoded.error().message.empty());
      EXPECT_EQ(parseViewSettings(file), ViewSettings{});
    }
  }
}

TEST(ViewSettingsWriter, RefusesWhatDoesNotFitOrWouldReadAsDamage) {
  std::string wide;  // 63 two-byte characters: 126 CP932 bytes, which still fit
  for (int i = 0; i < 63; ++i) wide += "あ";
  ViewSettings s;
  s.HeaderStyle = std::string(124, 'x') + "\r\n";
  s.HeaderFont.name = wide;
  const std::string file = serialized(s);
  EXPECT_EQ(file.substr(2432, 2), "\x7E\x00"s);
  EXPECT_EQ(parseViewSettings(file), s);

  // The writer's error for the defaults with one change, if it refuses them.
  auto refusal = [](auto change) -> std::optional<Error> {
    ViewSettings v;
    change(v);
    Result<std::string> r = serializeViewSettings(v);
    return r.ok() ? std::nullopt : std::optional<Error>(r.error());
  };
  auto refuses = [&](auto change) { return refusal(change).has_value(); };
  const Error tooLong = refusal([](ViewSettings& v) { v.HeaderStyle = std::string(127, 'x'); }).value_or(Error{});
  EXPECT_EQ(tooLong.code, ErrorCode::OutOfRange);
  EXPECT_NE(tooLong.message.find("127"), std::string::npos);
  // No CP932 form: it would come back as "?".
  EXPECT_EQ(refusal([](ViewSettings& v) { v.HeaderFont.name = "한글"; }).value_or(Error{}).code,
            ErrorCode::Unsupported);
  // One more byte: 127 in CP932 although far fewer characters.
  EXPECT_TRUE(refuses([&](ViewSettings& v) { v.NumberFont.name = wide + "A"; }));
  EXPECT_TRUE(refuses([](ViewSettings& v) { v.SheetBlocks = 0; }));
  EXPECT_TRUE(refuses([](ViewSettings& v) { v.NumPos = 21; }));
  EXPECT_TRUE(refuses([](ViewSettings& v) { v.ShowNum = 2; }));
  EXPECT_TRUE(refuses([](ViewSettings& v) { v.FrameStyle = static_cast<LineStyle>(6); }));
  EXPECT_TRUE(refuses([](ViewSettings& v) { v.NumberColor = -1; }));
  EXPECT_TRUE(refuses([](ViewSettings& v) { v.HeaderFont.size = 0; }));
  EXPECT_TRUE(refuses([](ViewSettings& v) { v.NumberFont.size = 1e300; }));  // infinite as a single
  EXPECT_TRUE(refuses([](ViewSettings& v) { v.NumberFont.size = 1e-50; }));  // zero as a single
  EXPECT_FALSE(refuses([](ViewSettings& v) { v.SheetMarginC = -32768; }));   // margins are free
}

TEST(ViewSettingsFile, LoadGivesDefaultsWhenMissingAndSaveKeepsTheFileWhenRefused) {
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
