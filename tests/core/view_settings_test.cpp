#include "core/sheet/view_settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include "support/test_paths.h"

namespace tarveno {
namespace {

// A value other than its default in every stored field.
ViewSettings unusualSettings() {
  ViewSettings s;
  s.SheetMarginV = -3;
  s.SheetMarginH = 300;
  s.SheetBlocks = 5;
  s.SheetMarginC = 22;
  s.SheetBackColor = rgb(0x12, 0x34, 0x56);
  s.Beat13Color = rgb(1, 2, 3);
  s.Beat24Color = rgb(4, 5, 6);
  s.FrameColor = rgb(7, 8, 9);
  s.FrameStyle = LineStyle::DashDotDot;
  s.MeasureLineColor = rgb(10, 11, 12);
  s.MeasureLineStyle = LineStyle::None;
  s.BeatLineColor = rgb(13, 14, 15);
  s.BeatLineStyle = LineStyle::DashDot;
  s.PlayerLineColor = rgb(16, 17, 18);
  s.PlayerLineStyle = LineStyle::Dash;
  s.HeaderColor = rgb(19, 20, 21);
  s.HeaderFont = FontSpec{"こもれび明朝", 10.5, true, false};
  s.HeaderStyle = "曲: %T\r\n[%E] %M\r\n難易度 %l";
  s.HeaderMargin = -4;
  s.NumberColor = rgb(250, 251, 252);
  s.NumberFont = FontSpec{"ｶﾀｶﾅ角ゴ", 9, false, true};
  s.ShowNum = 1;
  s.NumPos = 20;
  return s;
}

std::string serialized(const ViewSettings& s) {
  Result<std::string> bytes = serializeViewSettings(s);
  EXPECT_TRUE(bytes.ok()) << (bytes.ok() ? "" : bytes.error().message);
  return bytes.ok() ? *bytes : std::string();
}

TEST(ViewSettingsFile, WritesAndReadsBackEveryField) {
  const ViewSettings s = unusualSettings();
  const std::string file = serialized(s);
  ASSERT_EQ(file.size(), 3712u);
  Result<ViewSettings> back = decodeViewSettings(file);
  ASSERT_TRUE(back.ok()) << back.error().message;
  EXPECT_EQ(*back, s);
  EXPECT_EQ(back->HeaderStyle, "曲: %T\r\n[%E] %M\r\n難易度 %l");

  // Underline and strikethrough last until the program ends; the file does not keep them.
  ViewSettings styled = s;
  styled.HeaderFont.underline = true;
  styled.NumberFont.strikethrough = true;
  EXPECT_EQ(parseViewSettings(serialized(styled)), s);
}

TEST(ViewSettingsFile, RecordsHoldTheirValuesAtFixedOffsetsWithZeroFiller) {
  ViewSettings s;  // defaults, with a distinctive background colour
  s.SheetBackColor = rgb(0x12, 0x34, 0x56);
  s.HeaderFont.bold = true;
  s.ShowNum = 1;
  s.NumPos = 7;
  const std::string file = serialized(s);
  ASSERT_EQ(file.size(), 3712u);

  EXPECT_EQ(file.substr(0, 2), std::string("\x0A\x00", 2));             // record 1: SheetMarginV 10
  EXPECT_EQ(file.substr(256, 2), std::string("\x08\x00", 2));           // record 3: SheetBlocks 8
  EXPECT_EQ(file.substr(512, 4), std::string("\x12\x34\x56\x00", 4));   // record 5: red lowest
  EXPECT_EQ(file.substr(640, 4), std::string("\x00\xFF\xFF\x00", 4));   // record 6: 0,255,255
  EXPECT_EQ(file.substr(1536, 4), std::string("\x02\x00\x00\x00", 4));  // record 13: dotted beat lines
  EXPECT_EQ(file.substr(1408, 4), std::string("\x00\x00\xFF\x00", 4));  // record 12: blue
  EXPECT_EQ(file.substr(2176, 2), std::string("\xFF\xFF", 2));          // record 18: bold, -1
  EXPECT_EQ(file.substr(2304, 2), std::string("\x00\x00", 2));          // record 19: not italic
  // Record 20: 15 bytes of "ＭＳ Ｐゴシック" in CP932.
  EXPECT_EQ(file.substr(2432, 17),
            std::string("\x0F\x00\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E", 17));
  EXPECT_EQ(file.substr(2560, 4), std::string("\x00\x00\x60\x41", 4));  // record 21: 14.0f
  // Record 22: the template keeps its CR LF as the bytes 13, 10.
  EXPECT_EQ(file.substr(2688, 2 + 21), std::string("\x15\x00%T\r\nEDIT[%E]   %M  %L", 23));
  EXPECT_EQ(file.substr(3328, 4), std::string("\x00\x00\x20\x41", 4));  // record 27: 10.0f
  EXPECT_EQ(file.substr(3456, 1), "\x01");                              // record 28: ShowNum
  EXPECT_EQ(file.substr(3584, 2), std::string("\x07\x00", 2));          // record 29: NumPos

  // Everything after a record's value is zero, including the padding of the last record.
  EXPECT_EQ(file.substr(2, 126), std::string(126, '\0'));
  EXPECT_EQ(file.substr(2432 + 17, 128 - 17), std::string(128 - 17, '\0'));
  EXPECT_EQ(file.substr(3586), std::string(126, '\0'));
}

TEST(ViewSettingsFile, MissingFileGivesDefaults) {
  testing::TempDir dir;
  EXPECT_EQ(LoadViewSettings(dir / "view.dat"), ViewSettings{});
  EXPECT_EQ(LoadViewSettings(dir.path()), ViewSettings{});  // a folder is not a file
}

TEST(ViewSettingsFile, ShortFilesGiveDefaultsUnlessOnlyTheLastPaddingIsMissing) {
  const std::string file = serialized(unusualSettings());
  EXPECT_EQ(parseViewSettings(file.substr(0, 28 * 128)), ViewSettings{});
  EXPECT_EQ(parseViewSettings(file.substr(0, 3585)), ViewSettings{});
  EXPECT_EQ(parseViewSettings(""), ViewSettings{});
  Result<ViewSettings> shortest = decodeViewSettings(file.substr(0, 3586));
  ASSERT_TRUE(shortest.ok()) << shortest.error().message;
  EXPECT_EQ(*shortest, unusualSettings());
  EXPECT_EQ(decodeViewSettings(file.substr(0, 3584)).error().code, ErrorCode::BadData);
  // Bytes after the last record are ignored.
  EXPECT_EQ(parseViewSettings(file + "trailing"), unusualSettings());
}

TEST(ViewSettingsFile, AnyDamagedValueGivesEveryDefault) {
  const std::string good = serialized(unusualSettings());
  struct Damage {
    const char* what;
    size_t offset;
    std::string bytes;
  };
  const Damage damages[] = {
      {"SheetBlocks 0", 2 * 128, std::string("\x00\x00", 2)},
      {"SheetBlocks -1", 2 * 128, std::string("\xFF\xFF", 2)},
      {"FrameStyle 6", 8 * 128, std::string("\x06\x00\x00\x00", 4)},
      {"MeasureLineStyle -1", 10 * 128, std::string("\xFF\xFF\xFF\xFF", 4)},
      {"BeatLineStyle 256", 12 * 128, std::string("\x00\x01\x00\x00", 4)},
      {"PlayerLineStyle 6", 15 * 128, std::string("\x06\x00\x00\x00", 4)},
      {"colour with a top byte", 4 * 128, std::string("\x00\x00\x00\x01", 4)},
      {"header name 127 bytes", 19 * 128, std::string("\x7F\x00", 2)},
      {"template 65535 bytes", 21 * 128, std::string("\xFF\xFF", 2)},
      {"number name 127 bytes", 25 * 128, std::string("\x7F\x00", 2)},
      {"header size 0", 20 * 128, std::string("\x00\x00\x00\x00", 4)},
      {"header size -14", 20 * 128, std::string("\x00\x00\x60\xC1", 4)},
      {"header size NaN", 20 * 128, std::string("\x00\x00\xC0\x7F", 4)},
      {"number size infinite", 26 * 128, std::string("\x00\x00\x80\x7F", 4)},
      {"ShowNum 2", 27 * 128, "\x02"},
      {"ShowNum 255", 27 * 128, "\xFF"},
      {"NumPos 21", 28 * 128, std::string("\x15\x00", 2)},
      {"NumPos -1", 28 * 128, std::string("\xFF\xFF", 2)},
  };
  for (const Damage& d : damages) {
    std::string file = good;
    file.replace(d.offset, d.bytes.size(), d.bytes);
    Result<ViewSettings> decoded = decodeViewSettings(file);
    ASSERT_FALSE(decoded.ok()) << d.what;
    EXPECT_EQ(decoded.error().code, ErrorCode::BadData) << d.what;
    EXPECT_FALSE(decoded.error().message.empty()) << d.what;
    EXPECT_EQ(parseViewSettings(file), ViewSettings{}) << d.what;
  }
}

TEST(ViewSettingsFile, ATextOf126BytesFitsTheRecord) {
  ViewSettings s;
  s.HeaderStyle = std::string(124, 'x') + "\r\n";
  s.HeaderFont.name.clear();
  for (int i = 0; i < 63; ++i) s.HeaderFont.name += "あ";  // 126 CP932 bytes
  const std::string file = serialized(s);
  EXPECT_EQ(file.substr(2432, 2), std::string("\x7E\x00", 2));
  EXPECT_EQ(parseViewSettings(file), s);
}

// Text from pieces that survive CP932 both ways, at most `maxBytes` bytes once encoded.
std::string randomText(std::mt19937& rng, size_t maxBytes) {
  struct Piece {
    const char* utf8;
    size_t cp932Bytes;
  };
  static const Piece pieces[] = {{"a", 1},    {"Z", 1},  {"7", 1},  {" ", 1},  {"%", 1}, {"[", 1},
                                 {"\r\n", 2}, {"あ", 2}, {"ヴ", 2}, {"譜", 2}, {"ｶ", 1}, {"ﾟ", 1}};
  std::string text;
  size_t bytes = 0;
  size_t want = std::uniform_int_distribution<size_t>(0, maxBytes)(rng);
  for (;;) {
    const Piece& p = pieces[std::uniform_int_distribution<size_t>(0, std::size(pieces) - 1)(rng)];
    if (bytes + p.cp932Bytes > want) break;
    text += p.utf8;
    bytes += p.cp932Bytes;
  }
  return text;
}

TEST(ViewSettingsFile, RandomSettingsRoundTrip) {
  std::mt19937 rng(20240611);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  for (int round = 0; round < 300; ++round) {
    ViewSettings s;
    s.SheetMarginV = static_cast<int16_t>(pick(-32768, 32767));
    s.SheetMarginH = static_cast<int16_t>(pick(-32768, 32767));
    s.SheetBlocks = static_cast<int16_t>(pick(1, 32767));
    s.SheetMarginC = static_cast<int16_t>(pick(-32768, 32767));
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
    s.HeaderMargin = static_cast<int16_t>(pick(-32768, 32767));
    s.ShowNum = static_cast<uint8_t>(pick(0, 1));
    s.NumPos = static_cast<int16_t>(pick(0, 20));
    const std::string file = serialized(s);
    ASSERT_EQ(file.size(), 3712u);
    Result<ViewSettings> back = decodeViewSettings(file);
    ASSERT_TRUE(back.ok()) << back.error().message;
    ASSERT_EQ(*back, s) << "round " << round;
  }
}

TEST(ViewSettingsWriter, RefusesTextThatDoesNotFitInsteadOfCuttingIt) {
  ViewSettings s;
  s.HeaderStyle = std::string(127, 'x');
  Result<std::string> tooLong = serializeViewSettings(s);
  ASSERT_FALSE(tooLong.ok());
  EXPECT_EQ(tooLong.error().code, ErrorCode::OutOfRange);
  EXPECT_NE(tooLong.error().message.find("127"), std::string::npos);

  // 63 two-byte characters and one more byte: 127 in CP932 although far fewer characters.
  ViewSettings font;
  font.NumberFont.name.clear();
  for (int i = 0; i < 63; ++i) font.NumberFont.name += "ア";
  font.NumberFont.name += "A";
  EXPECT_FALSE(serializeViewSettings(font).ok());

  ViewSettings foreign;
  foreign.HeaderFont.name = "한글";  // no CP932 form: it would come back as "?"
  Result<std::string> refused = serializeViewSettings(foreign);
  ASSERT_FALSE(refused.ok());
  EXPECT_EQ(refused.error().code, ErrorCode::Unsupported);
}

TEST(ViewSettingsWriter, RefusesValuesTheReaderWouldTakeForDamage) {
  auto refuses = [](auto change) {
    ViewSettings s;
    change(s);
    return !serializeViewSettings(s).ok();
  };
  EXPECT_TRUE(refuses([](ViewSettings& s) { s.SheetBlocks = 0; }));
  EXPECT_TRUE(refuses([](ViewSettings& s) { s.NumPos = 21; }));
  EXPECT_TRUE(refuses([](ViewSettings& s) { s.ShowNum = 2; }));
  EXPECT_TRUE(refuses([](ViewSettings& s) { s.FrameStyle = static_cast<LineStyle>(6); }));
  EXPECT_TRUE(refuses([](ViewSettings& s) { s.NumberColor = -1; }));
  EXPECT_TRUE(refuses([](ViewSettings& s) { s.HeaderFont.size = 0; }));
  EXPECT_TRUE(refuses([](ViewSettings& s) { s.NumberFont.size = 1e300; }));  // infinite as a single
  EXPECT_TRUE(refuses([](ViewSettings& s) { s.NumberFont.size = 1e-50; }));  // zero as a single
  EXPECT_FALSE(refuses([](ViewSettings& s) { s.SheetMarginC = -32768; }));   // margins are free
}

TEST(ViewSettingsWriter, SaveReplacesTheFileAndKeepsItWhenRefused) {
  testing::TempDir dir;
  const auto path = dir / "view.dat";
  ASSERT_TRUE(SaveViewSettings(path, unusualSettings()).ok());
  EXPECT_EQ(std::filesystem::file_size(path), 3712u);
  EXPECT_EQ(LoadViewSettings(path), unusualSettings());

  const std::string before = testing::readAll(path);
  ViewSettings bad = unusualSettings();
  bad.HeaderStyle = std::string(200, 'y');
  EXPECT_FALSE(SaveViewSettings(path, bad).ok());
  EXPECT_EQ(testing::readAll(path), before);

  Status noFolder = SaveViewSettings(dir / "missing" / "view.dat", ViewSettings{});
  ASSERT_FALSE(noFolder.ok());
  EXPECT_EQ(noFolder.error().code, ErrorCode::FileWrite);
}

}  // namespace
}  // namespace tarveno
