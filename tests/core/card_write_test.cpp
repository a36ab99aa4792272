#include <gtest/gtest.h>

#include "support/test_catalogue.h"

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <tuple>

#include "core/chart/card.h"
#include "core/chart/card_edition.h"
#include "core/chart/card_name.h"
#include "core/text/cp932.h"
#include "support/test_paths.h"

namespace tarveno {
namespace {

// The file written for a chart the writer must accept.
std::string cardOf(const Chart& chart, int16_t code, int16_t measures) {
  return WriteCardSave(chart, testing::oneSongCatalogue(measures, code)).value();
}

uint8_t byteAt(const std::string& file, size_t off) {
  return static_cast<uint8_t>(file.at(off));
}
uint16_t u16At(const std::string& file, size_t off) {
  return static_cast<uint16_t>(byteAt(file, off) | byteAt(file, off + 1) << 8);
}
uint32_t u32At(const std::string& file, size_t off) {
  return u16At(file, off) | static_cast<uint32_t>(u16At(file, off + 2)) << 16;
}

std::string hexBytes(std::initializer_list<int> bytes) {
  std::string s;
  for (int b : bytes) s.push_back(static_cast<char>(b));
  return s;
}

void place(std::string& file, size_t off, const std::string& bytes) {
  file.replace(off, bytes.size(), bytes);
}
void place(std::string& file, size_t off, std::initializer_list<int> bytes) {
  place(file, off, hexBytes(bytes));
}

TEST(CardWrite, CoupleChartWithFreezeMatchesTheHandBuiltImage) {
  Chart chart{.PlayStyle = 1, .Difficulty = 0x23, .EditName = "AB", .KrunTitle = "", .KrunComment = ""};
  chart.StepData[1] = {0x11, 0, 0, 0, 0xFF, 0x02, 0x40, 0x08};  // beat 1 a triplet with three notes
  chart.FreezeData[1] = {0x01, 0x01};
  chart.StepData[5][0] = 0x01;  // beyond the song's 3 measures: never written

  auto written = WriteCardSave(chart, testing::oneSongCatalogue(3, 26));
  ASSERT_TRUE(written.ok()) << written.error().message;

  std::string expected(8320, '\0');
  place(expected, 0, {0x51, 0, 0, 0, 0x00, 0x20, 0, 0, 0xFF, 0xFF});
  place(expected, 10, "BISLPM-40731");
  place(expected, 22, "AB      ");
  place(expected, 127, {0x67});  // 100 xor 'A' xor 'B'
  place(expected, 128, {0x53, 0x43, 0x13, 0x01});
  // "ＫＲＵ　ＦＩＲＳＴ　ＳＴＥＰ" + two U+3000, "ＥＤＩＴ", two U+3000, "「ＡＢ", six U+3000, "」"
  place(expected, 132,
        {0x82, 0x6A, 0x82, 0x71, 0x82, 0x74, 0x81, 0x40, 0x82, 0x65, 0x82, 0x68, 0x82, 0x71, 0x82, 0x72,
         0x82, 0x73, 0x81, 0x40, 0x82, 0x72, 0x82, 0x73, 0x82, 0x64, 0x82, 0x6F, 0x81, 0x40, 0x81, 0x40,
         0x82, 0x64, 0x82, 0x63, 0x82, 0x68, 0x82, 0x73, 0x81, 0x40, 0x81, 0x40, 0x81, 0x75, 0x82, 0x60,
         0x82, 0x61, 0x81, 0x40, 0x81, 0x40, 0x81, 0x40, 0x81, 0x40, 0x81, 0x40, 0x81, 0x40, 0x81, 0x76});
  place(expected, 640, {0x02, 0x02, 0x01, 0x02, 0x01, 0x00, 0x01, 0x00, 0x22, 0x00});
  place(expected, 656, {0x02});
  place(expected, 664, "--KrunKrunPerambulator--");
  place(expected, 704, {0x50, 0x00, 0x00, 0x00, 0x1A, 0x00, 0x01, 0x23});  // n = (3 + 2) * 16, code 26
  place(expected, 768, {0x50, 0x00, 0x00, 0x00, 0x01, 0x03, 0x01, 0x00, 0x1A, 0x00, 0x23, 0x01});
  place(expected, 784 + 16, {0x11, 0, 0, 0, 0xFF, 0x02, 0x40, 0x08});
  place(expected, 784 + 5 * 16, {0x01, 0x01});  // freeze measure 1 sits in row M + 1 + 1

  ASSERT_EQ(written->size(), 8320u);
  // The offset of the first differing byte, 8320 when there is none.
  EXPECT_EQ(std::mismatch(written->begin(), written->end(), expected.begin()).first - written->begin(), 8320);
}

TEST(CardWrite, EditNameAndTitle) {
  // The name is padded, cut, and never ends in half a character (the eighth byte of
  // "ABCDEFGあ" would be a lead byte); the checksum makes the directory frame XOR to zero.
  const std::pair<const char*, const char*> names[] = {{"", "        "},
                                                       {"ABCDEFGHIJ", "ABCDEFGH"},
                                                       {"ｱｲ", "\xB1\xB2      "},
                                                       {"あいう", "\x82\xA0\x82\xA2\x82\xA4  "},
                                                       {"あいうえお", "\x82\xA0\x82\xA2\x82\xA4\x82\xA6"},
                                                       {"ABCDEFGあ", "ABCDEFG "},
                                                       {"Aあいうえ", "A\x82\xA0\x82\xA2\x82\xA4 "}};
  for (auto [name, bytes] : names) {
    EXPECT_EQ(cardEditNameBytes(name), bytes) << name;
    Chart chart;
    chart.EditName = name;
    const std::string written = cardOf(chart, 40, 4);
    uint8_t x = 0;
    for (size_t i = 0; i < 128; ++i) x ^= byteAt(written, i);
    EXPECT_EQ(x, 0) << name;
  }

  // The title shows the name in full width and always takes 64 double-byte bytes.
  auto title = [](std::string_view name) { return cardSaveTitle("ＴＥＳＴ", cardEditNameBytes(name)); };
  auto namePart = [&](std::string_view name) { return title(name).substr(46, 18); };
  const std::string sp = "\x81\x40";
  EXPECT_EQ(namePart("~\\!}"), "\x81\x60\x81\x5F\x81\x49\x81\x70" + sp + sp + sp + sp + "\x81\x76");
  EXPECT_EQ(namePart("ｱﾞｰ"), "\x83\x41\x81\x4A\x81\x5B" + sp + sp + sp + sp + sp + "\x81\x76");
  // Double-byte characters stay as they are and the bracket is padded to eight characters.
  EXPECT_EQ(namePart("あい"), "\x82\xA0\x82\xA2" + sp + sp + sp + sp + sp + sp + "\x81\x76");
  for (std::string_view name : {"", "AB", "あいうえお", "ABCDEFGあ", "ｱｲｳｴｵｶｷｸｹ", "\x01\x7f"}) {
    std::string t = title(name);
    ASSERT_EQ(t.size(), 64u) << name;
    for (size_t i = 0; i < t.size(); i += 2) {
      unsigned char lead = static_cast<unsigned char>(t[i]);
      EXPECT_TRUE((lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC)) << name << " at " << i;
    }
  }

  // The edition labels are seven distinct full-width texts that fit the title.
  std::set<std::string_view> seen;
  for (int row = 1; row <= kCardTitleLabelCount; ++row) {
    std::string_view label = cardTitleLabel(row);
    seen.insert(label);
    EXPECT_LE(utf8Length(label), 16u);
    EXPECT_EQ(utf8ToCp932(label).size(), 2 * utf8Length(label)) << "row " << row << " has a half-width character";
  }
  EXPECT_EQ(seen.size(), 7u);
  EXPECT_EQ(cardTitleLabel(0), cardTitleLabel(1));
  EXPECT_EQ(cardTitleLabel(8), cardTitleLabel(1));
}

TEST(CardWrite, EditionConstantsOnEachSideOfEveryBoundary) {
  const uint32_t a1 = 0x02010202, b1 = 0x00010001, a2 = 0x06010202, b2 = 0x00050001, a3 = 0x0B010202, b3 = 0x000A0001,
                 a4 = 0x0C010202, b4 = 0x000B0001, a5 = 0x0D010202, b5 = 0x000C0001, a6 = 0x0E020202, b6 = 0x000D0001,
                 a7 = 0x11020202, b7 = 0x00100001;
  // Code, label row, words A, B, C and D.
  const std::tuple<int16_t, int, uint32_t, uint32_t, uint16_t, uint16_t> cases[] = {
      {1, 1, a1, b1, 34, 0},          {101, 1, a1, b1, 34, 0},        {102, 2, a2, b2, 32, 0},
      {134, 2, a2, b2, 32, 0},        {135, 1, a1, b1, 34, 0},        {136, 1, a1, b1, 34, 0},
      {137, 2, a2, b2, 32, 0},        {153, 2, a2, b2, 32, 0},        {154, 3, a3, b3, 1024, 0x4DDD},
      {217, 3, a3, b3, 1024, 0x4DDD}, {218, 4, a3, b3, 1024, 0x23B1}, {230, 4, a3, b3, 1024, 0x23B1},
      {231, 4, a3, b3, 1024, 0x4DDD}, {232, 6, a5, b5, 4096, 0x4637}, {296, 6, a5, b5, 4096, 0x4637},
      {297, 5, a4, b4, 2048, 0x4637}, {298, 5, a4, b4, 2048, 0x4637}, {299, 6, a5, b5, 4096, 0x4637},
      {305, 6, a5, b5, 4096, 0x4637}, {306, 6, a5, b5, 4096, 0x3FC2}, {336, 6, a5, b5, 4096, 0x3FC2},
      {337, 7, a6, b6, 4096, 0xC18E}, {413, 7, a6, b6, 4096, 0xC18E}, {414, 7, a7, b7, 4096, 0xC18E},
      {430, 7, a7, b7, 4096, 0xC18E}, {431, 7, a7, b7, 4096, 0xE993}, {32767, 7, a7, b7, 4096, 0xE993},
  };
  for (const auto& [code, label, a, b, c, d] : cases) {
    const std::string f = cardOf(Chart{}, code, 2);
    EXPECT_EQ(std::make_tuple(u32At(f, 640), u32At(f, 644), u16At(f, 648), u16At(f, 688)), std::make_tuple(a, b, c, d))
        << "code " << code;
    EXPECT_EQ(f.substr(132, 32), cardSaveTitle(cardTitleLabel(label), "").substr(0, 32)) << "code " << code;
  }
}

TEST(CardWrite, SingleStyleCopiesThePadNibbleIntoBothHalves) {
  Chart chart;
  // A second pad left over from another style is not the chart's; the triplet marker stays 255.
  chart.StepData[1] = {0x05, 0x31, 0, 0, 0xFF, 0x08};
  chart.FreezeData[1][0] = 0x24;
  const std::string written = cardOf(chart, 26, 3);
  EXPECT_EQ(written.substr(784 + 16, 6), hexBytes({0x55, 0x11, 0, 0, 0xFF, 0x88}));
  EXPECT_EQ(written.substr(784 + 5 * 16, 1), hexBytes({0x44}));
  EXPECT_EQ(byteAt(written, 710), 0);
  EXPECT_EQ(byteAt(written, 772), 0);
}

TEST(CardWrite, FreezeRowsOnlyWhenTheSongHoldsAFreezeBit) {
  Chart chart;
  chart.PlayStyle = 2;
  chart.StepData[2][3] = 0x81;
  chart.FreezeData[4][0] = 0x10;  // measure 4 is past the 4-measure song
  const std::string none = cardOf(chart, 26, 4);
  EXPECT_EQ(byteAt(none, 779), 0);
  EXPECT_EQ(none.substr(784 + 4 * 16), std::string(8320 - 784 - 4 * 16, '\0'));

  chart.FreezeData[3][15] = 0x80;
  const std::string some = cardOf(chart, 26, 4);
  EXPECT_EQ(byteAt(some, 779), 1);
  EXPECT_EQ(byteAt(some, 784 + (4 + 1 + 3) * 16 + 15), 0x80);
  EXPECT_EQ(byteAt(some, 784 + (4 + 1 + 4) * 16), 0);               // measure 4 is not the song's
  EXPECT_EQ(some.substr(784 + 4 * 16, 16), std::string(16, '\0'));  // row M stays empty
}

TEST(CardWrite, LongSongsClipToTheStepTable) {
  Chart chart;
  chart.PlayStyle = 1;
  chart.StepData[470][15] = 0x42;
  chart.FreezeData[180][2] = 0x01;  // row 300 + 1 + 180 would be past row 470
  chart.FreezeData[160][1] = 0x10;  // row 461 still fits
  const std::string written = cardOf(chart, 26, 300);
  EXPECT_EQ(byteAt(written, 779), 1);
  EXPECT_EQ(byteAt(written, 784 + 461 * 16 + 1), 0x10);

  const std::string full = cardOf(chart, 26, 471);
  EXPECT_EQ(byteAt(full, 8319), 0x42);
  EXPECT_EQ(u16At(full, 704), 473 * 16);
  // A catalogue length beyond the table cannot be stored: it is taken as the table's 471.
  EXPECT_EQ(u16At(cardOf(chart, 26, 30000), 704), 473 * 16);
  const std::string negative = cardOf(chart, 26, -3);
  EXPECT_EQ(u16At(negative, 704), 32);
  EXPECT_EQ(byteAt(negative, 779), 0);
}

TEST(CardWrite, RefusesAChartWithoutAStorableSong) {
  Catalogue catalogue = testing::oneSongCatalogue(3, 26);
  catalogue.SongList[2] = SongRecord{"Hidden", 27, 120, 3, 0, 0, 0};  // behind the end record at index 1
  Chart chart;
  for (int16_t index : {-1, 1, 2, 500, 501}) {
    chart.SongIndex = index;
    auto written = WriteCardSave(chart, catalogue);
    ASSERT_FALSE(written.ok()) << index;
    EXPECT_EQ(written.error().code, ErrorCode::OutOfRange);
    EXPECT_FALSE(written.error().message.empty());
  }
  chart.SongIndex = 0;
  chart.PlayStyle = 3;
  EXPECT_FALSE(WriteCardSave(chart, catalogue).ok());
}

TEST(CardWrite, FileIsReplacedOnlyBySuccessfulWrites) {
  testing::TempDir dir;
  const auto path = dir / "edit.mc";
  testing::writeAll(path, "old content");
  Chart chart;
  chart.SongIndex = 7;  // no song there
  EXPECT_FALSE(WriteCardSaveFile(path, chart, testing::oneSongCatalogue(3, 26)).ok());
  EXPECT_EQ(testing::readAll(path), "old content");

  chart.SongIndex = 0;
  ASSERT_TRUE(WriteCardSaveFile(path, chart, testing::oneSongCatalogue(3, 26)).ok());
  EXPECT_EQ(testing::readAll(path), *WriteCardSave(chart, testing::oneSongCatalogue(3, 26)));
}

}  // namespace
}  // namespace tarveno
