#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "core/chart/card.h"
#include "support/test_paths.h"

namespace tarveno {
namespace {

// A card image assembled field by field, so each test states only what it reads.
class CardImage {
 public:
  explicit CardImage(size_t size = 8320) : bytes_(size, '\0') {
    text(22, "NAME    ");
    u16(704, 80);  // a 3-measure song
    u16(708, 26);
    u8(710, 1);
    u8(711, 0x23);
  }
  CardImage& u8(size_t off, int v) {
    bytes_.at(off) = static_cast<char>(v);
    return *this;
  }
  CardImage& u16(size_t off, int v) { return u8(off, v & 0xFF).u8(off + 1, (v >> 8) & 0xFF); }
  CardImage& u32(size_t off, uint32_t v) {
    return u16(off, static_cast<int>(v & 0xFFFF)).u16(off + 2, static_cast<int>(v >> 16));
  }
  CardImage& text(size_t off, std::string_view t) {
    bytes_.replace(off, t.size(), t);
    return *this;
  }
  // Row r of the step block of the first layout.
  CardImage& row(int r, int slot, int v) { return u8(784 + static_cast<size_t>(r * 16 + slot), v); }
  CardImage& layoutB() { return u32(784, 256).u32(788, 252).u32(792, 1); }
  const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

Catalogue songs() {
  Catalogue c;
  c.SongList[0] = SongRecord{"Glass Harbour", 10, 128, 40, 1, 1, 0};
  c.SongList[1] = SongRecord{"Copper Kite", 26, 150, 3, 2, 2, 0};
  c.SongList[2] = SongRecord{"Night Orchard", 77, 96, 20, 4, 4, 1};
  return c;
}

// A chart with a header and freeze bits that a read may or may not replace.
Chart previousChart() {
  Chart chart;
  chart.SongIndex = 0;
  chart.PlayStyle = 2;
  chart.Difficulty = 0x35;
  chart.EditName = "OLD";
  chart.KrunTitle = "Lanterns";
  chart.KrunWidth = 3;
  chart.KrunHeight = 4;
  chart.KrunComment = "kept";
  chart.HasFreeze = 0;
  chart.FreezeData[2][3] = 0x11;
  return chart;
}

bool sameTables(const StepTable& a, const StepTable& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}
bool freezeEmpty(const Chart& chart) {
  return chart.FreezeData == FreezeTable{};
}

MeterSegs sentinelSegs() {
  MeterSegs segs{};
  for (auto& s : segs) s = MeterSeg{123, 7};
  return segs;
}

TEST(CardRead, ReadsHeaderStepsAndNameBlanksIncluded) {
  Chart chart = previousChart();
  MeterSegs segs = sentinelSegs();
  CardImage image;
  image.text(22, "AB      ").row(1, 0, 0x11).row(1, 4, 0xFF).row(1, 5, 0x82).row(470, 15, 0x09);
  auto read = ReadCardSave(image.bytes(), chart, songs(), segs);
  ASSERT_TRUE(read.ok());
  EXPECT_TRUE(read->empty());
  EXPECT_EQ(chart.EditName, "AB      ");
  EXPECT_EQ(chart.SongIndex, 1);
  EXPECT_EQ(chart.PlayStyle, 1);
  EXPECT_EQ(chart.Difficulty, 0x23);
  EXPECT_EQ(chart.HasFreeze, 0);
  EXPECT_EQ(chart.StepData[1][0], 0x11);
  EXPECT_EQ(chart.StepData[1][4], 0xFF);
  EXPECT_EQ(chart.StepData[1][5], 0x82);
  EXPECT_EQ(chart.StepData[470][15], 0x09);
  EXPECT_TRUE(freezeEmpty(chart));  // erased even without freeze rows
  EXPECT_EQ(chart.KrunTitle, "Lanterns");
  EXPECT_EQ(chart.KrunWidth, 3);
  EXPECT_EQ(chart.KrunHeight, 4);
  EXPECT_EQ(chart.KrunComment, "kept");
  EXPECT_EQ(segs[0].FirstMeasure, 123);  // the song has no meter file
}

TEST(CardRead, EditNameDecodesCp932AndStopsAtAZeroByte) {
  Chart chart;
  MeterSegs segs{};
  ASSERT_TRUE(ReadCardSave(CardImage().text(22, "\xB1\xB2\x82\xA0    ").bytes(), chart, songs(), segs).ok());
  EXPECT_EQ(chart.EditName, "ｱｲあ    ");
  ASSERT_TRUE(ReadCardSave(CardImage().text(22, std::string("AB\0\0CD\0\0", 8)).bytes(), chart, songs(), segs).ok());
  EXPECT_EQ(chart.EditName, "AB");
}

TEST(CardRead, LayoutBReadsTheStepBlockFrom1040AndFreezeRowsAtTheSameFileOffsets) {
  // A 20-measure song: freeze measure m sits in file row 21 + m, which is block row 5 + m here.
  Chart chart;
  MeterSegs segs{};
  CardImage image;
  image.layoutB().u16(708, 77).u16(704, (20 + 2) * 16).u8(779, 1);
  image.u8(1040 + 16 * 1 + 2, 0x24);   // step measure 1
  image.u8(1040 + 16 * 4 + 15, 0x81);  // step measure 4
  image.row(21, 0, 0x03);              // freeze measure 0
  image.row(23, 7, 0x40);              // freeze measure 2
  auto read = ReadCardSave(image.bytes(), chart, songs(), segs);
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(chart.StepData[0][0], 0);  // the layout words are not steps
  EXPECT_EQ(chart.StepData[1][2], 0x24);
  EXPECT_EQ(chart.StepData[4][15], 0x81);
  EXPECT_EQ(chart.FreezeData[0][0], 0x03);
  EXPECT_EQ(chart.FreezeData[2][7], 0x40);
  EXPECT_EQ(chart.StepData[5][0], 0);  // moved out of the step table
  EXPECT_EQ(chart.StepData[7][7], 0);
}

TEST(CardRead, LayoutBPastTheEndOfAnOrdinaryFileReadsZerosButALongerFileIsRead) {
  Chart chart;
  MeterSegs segs{};
  CardImage exact;
  exact.layoutB();
  ASSERT_TRUE(ReadCardSave(exact.bytes(), chart, songs(), segs).ok());
  EXPECT_EQ(chart.StepData[454][15], 0);  // file offset 8319
  EXPECT_EQ(chart.StepData[470][15], 0);

  CardImage longer(1040 + 7536);
  longer.layoutB().u8(1040 + 7535, 0x12).u8(8319, 0x34);
  ASSERT_TRUE(ReadCardSave(longer.bytes(), chart, songs(), segs).ok());
  EXPECT_EQ(chart.StepData[470][15], 0x12);
  EXPECT_EQ(chart.StepData[454][15], 0x34);
}

TEST(CardRead, UnknownSongIsError102AndLeavesOnlyTheNameAndAnEmptyFreezeTable) {
  Catalogue catalogue = songs();
  catalogue.SongList[3] = SongRecord{"", 0, 0, 0, 0, 0, 0};
  catalogue.SongList[4] = SongRecord{"Behind The End", 99, 100, 8, 0, 0, 0};  // hidden by the end record
  for (int code : {99, 0, -5, 1000}) {
    Chart chart = previousChart();
    MeterSegs segs = sentinelSegs();
    CardImage image;
    image.u16(708, code).u8(779, 1).row(1, 0, 0x11).row(4, 0, 0x01);
    auto read = ReadCardSave(image.bytes(), chart, catalogue, segs);
    ASSERT_TRUE(read.ok());
    ASSERT_EQ(read->size(), 1u) << code;
    EXPECT_EQ((*read)[0].code, 102);
    EXPECT_EQ((*read)[0].title, "Error(Code102)");
    EXPECT_EQ((*read)[0].text, "不正なデータです");

    Chart expected = previousChart();
    expected.eraseFreeze();
    expected.EditName = "NAME    ";
    EXPECT_TRUE(sameTables(chart.StepData, expected.StepData));
    EXPECT_TRUE(freezeEmpty(chart));
    EXPECT_EQ(chart.EditName, expected.EditName);
    EXPECT_EQ(chart.SongIndex, expected.SongIndex);
    EXPECT_EQ(chart.PlayStyle, expected.PlayStyle);
    EXPECT_EQ(chart.Difficulty, expected.Difficulty);
    EXPECT_EQ(chart.HasFreeze, expected.HasFreeze);
    EXPECT_EQ(chart.KrunTitle, expected.KrunTitle);
    EXPECT_EQ(segs[0].FirstMeasure, 123);
  }
}

TEST(CardRead, BadStyleIsError103AfterTheSongAndItsMetersWereTaken) {
  testing::TempDir dir;
  testing::writeAll(dir / "4Ds.dat", "0,4\r\n8,3\r\n");
  Catalogue catalogue = songs();
  catalogue.folder = dir.path();
  Chart chart = previousChart();
  MeterSegs segs = sentinelSegs();
  CardImage image;
  image.u16(708, 77).u8(710, 3).u8(711, 0x12).u8(779, 1).row(1, 0, 0x11);
  auto read = ReadCardSave(image.bytes(), chart, catalogue, segs);
  ASSERT_TRUE(read.ok());
  ASSERT_EQ(read->size(), 1u);
  EXPECT_EQ((*read)[0].code, 103);
  EXPECT_EQ((*read)[0].title, "Error(Code103)");
  EXPECT_EQ((*read)[0].text, "不正なデータです");
  EXPECT_EQ(chart.SongIndex, 2);
  EXPECT_EQ(segs[0].FirstMeasure, 0);
  EXPECT_EQ(segs[1].BeatsPerMeasure, 3);
  EXPECT_EQ(segs[2].FirstMeasure, 999);
  EXPECT_EQ(segs[3].FirstMeasure, 123);
  EXPECT_EQ(chart.EditName, "NAME    ");
  EXPECT_EQ(chart.PlayStyle, 2);
  EXPECT_EQ(chart.Difficulty, 0x35);
  EXPECT_EQ(chart.HasFreeze, 0);
  EXPECT_TRUE(sameTables(chart.StepData, StepTable{}));
  EXPECT_TRUE(freezeEmpty(chart));
}

TEST(CardRead, AMissingMeterFileIsReportedAndTheReadGoesOn) {
  testing::TempDir dir;
  Catalogue catalogue = songs();
  catalogue.folder = dir.path();
  Chart chart;
  MeterSegs segs = sentinelSegs();
  auto read = ReadCardSave(CardImage().u16(708, 77).row(2, 2, 0x44).bytes(), chart, catalogue, segs);
  ASSERT_TRUE(read.ok());
  ASSERT_EQ(read->size(), 1u);
  EXPECT_EQ((*read)[0].code, 0);
  EXPECT_EQ((*read)[0].title, "Error");
  EXPECT_FALSE((*read)[0].text.empty());
  EXPECT_EQ(segs[0].FirstMeasure, 123);
  EXPECT_EQ(chart.SongIndex, 2);
  EXPECT_EQ(chart.StepData[2][2], 0x44);
}

TEST(CardRead, TheLaterOfTwoRecordsWithTheSameCodeWins) {
  Catalogue catalogue = songs();
  catalogue.SongList[3] = SongRecord{"Copper Kite (long)", 26, 150, 6, 0, 0, 0};
  Chart chart;
  MeterSegs segs{};
  ASSERT_TRUE(ReadCardSave(CardImage().bytes(), chart, catalogue, segs).ok());
  EXPECT_EQ(chart.SongIndex, 3);

  // The walk covers every record up to index 500.
  for (int i = 0; i < kSongListSize; ++i) catalogue.SongList[static_cast<size_t>(i)].Code = static_cast<int16_t>(i + 1);
  ASSERT_TRUE(ReadCardSave(CardImage().u16(708, 501).bytes(), chart, catalogue, segs).ok());
  EXPECT_EQ(chart.SongIndex, 500);
}

TEST(CardRead, SingleStyleClearsHighNibblesButKeepsTripletMarkers) {
  Chart chart;
  MeterSegs segs{};
  CardImage image;
  image.u8(710, 0).row(1, 0, 0x55).row(1, 4, 0xFF).row(1, 5, 0x88).row(1, 6, 0x30).row(1, 7, 0xFF).row(300, 8, 0xFF);
  ASSERT_TRUE(ReadCardSave(image.bytes(), chart, songs(), segs).ok());
  EXPECT_EQ(chart.StepData[1][0], 0x05);
  EXPECT_EQ(chart.StepData[1][4], 0xFF);
  EXPECT_EQ(chart.StepData[1][5], 0x08);
  EXPECT_EQ(chart.StepData[1][6], 0x00);
  // Off the beat 255 is four arrows of the pad written twice, not a marker.
  EXPECT_EQ(chart.StepData[1][7], 0x0F);
  EXPECT_EQ(chart.StepData[300][8], 0xFF);

  CardImage couple;
  couple.row(1, 0, 0x55);
  ASSERT_TRUE(ReadCardSave(couple.bytes(), chart, songs(), segs).ok());
  EXPECT_EQ(chart.StepData[1][0], 0x55);
}

TEST(CardRead, FreezeRowsMoveIntoTheFreezeTable) {
  Chart chart;
  MeterSegs segs{};
  CardImage image;  // 3-measure song, n = 80: rows 4..8 are freeze measures 0..4
  image.u8(779, 1).row(2, 1, 0x02).row(4, 0, 0x01).row(6, 15, 0x80).row(8, 3, 0x10).row(9, 0, 0x77);
  ASSERT_TRUE(ReadCardSave(image.bytes(), chart, songs(), segs).ok());
  EXPECT_EQ(chart.HasFreeze, 1);
  EXPECT_EQ(chart.StepData[2][1], 0x02);
  EXPECT_EQ(chart.FreezeData[0][0], 0x01);
  EXPECT_EQ(chart.FreezeData[2][15], 0x80);
  EXPECT_EQ(chart.FreezeData[4][3], 0x10);
  EXPECT_EQ(chart.StepData[4][0], 0);
  EXPECT_EQ(chart.StepData[6][15], 0);
  EXPECT_EQ(chart.StepData[8][3], 0);
  EXPECT_EQ(chart.StepData[9][0], 0x77);  // past 2M + 2: left alone

  for (int flag : {0, 2}) {
    image.u8(779, flag);
    ASSERT_TRUE(ReadCardSave(image.bytes(), chart, songs(), segs).ok());
    EXPECT_EQ(chart.HasFreeze, flag);
    EXPECT_TRUE(freezeEmpty(chart));
    EXPECT_EQ(chart.StepData[4][0], 0x01);
  }
}

TEST(CardRead, SingleStyleFreezeBytesKeepOnlyThePad) {
  Chart chart;
  MeterSegs segs{};
  CardImage image;
  image.u8(710, 0).u8(779, 1).row(4, 0, 0xFF).row(4, 1, 0xFF).row(5, 2, 0x33);
  ASSERT_TRUE(ReadCardSave(image.bytes(), chart, songs(), segs).ok());
  EXPECT_EQ(chart.FreezeData[0][0], 0x0F);
  EXPECT_EQ(chart.FreezeData[0][1], 0x0F);
  EXPECT_EQ(chart.FreezeData[1][2], 0x03);
}

TEST(CardRead, FreezeLengthThatDoesNotFitIsClipped) {
  MeterSegs segs{};
  for (int n : {-16, -32768, 0}) {
    Chart chart;
    CardImage image;
    image.u16(704, n).u8(779, 1).row(0, 0, 0x01).row(1, 0, 0x02);
    ASSERT_TRUE(ReadCardSave(image.bytes(), chart, songs(), segs).ok()) << n;
    EXPECT_TRUE(freezeEmpty(chart)) << n;
    EXPECT_EQ(chart.StepData[0][0], 0x01);
    EXPECT_EQ(chart.StepData[1][0], 0x02);
  }
  {
    Chart chart;
    CardImage image;
    image.u16(704, 32767).u8(779, 1).row(470, 15, 0x01);
    ASSERT_TRUE(ReadCardSave(image.bytes(), chart, songs(), segs).ok());
    EXPECT_TRUE(freezeEmpty(chart));
    EXPECT_EQ(chart.StepData[470][15], 0x01);
  }
  {
    // n = 438 * 16: freeze measure m comes from row 437 + m, up to the table's row 470.
    Chart chart;
    CardImage image;
    image.u16(704, 438 * 16).u8(779, 1).row(437, 0, 0x01).row(470, 3, 0x02).row(436, 0, 0x04);
    ASSERT_TRUE(ReadCardSave(image.bytes(), chart, songs(), segs).ok());
    EXPECT_EQ(chart.FreezeData[0][0], 0x01);
    EXPECT_EQ(chart.FreezeData[33][3], 0x02);
    EXPECT_EQ(chart.FreezeData[34], MeasureBytes{});
    EXPECT_EQ(chart.StepData[436][0], 0x04);
  }
  {
    // A length that is not a whole number of rows starts inside a row.
    Chart chart;
    CardImage image;
    image.u16(704, 5 * 16 + 8).u8(779, 1).row(4, 8, 0x01).row(5, 7, 0x02);
    ASSERT_TRUE(ReadCardSave(image.bytes(), chart, songs(), segs).ok());
    EXPECT_EQ(chart.FreezeData[0][0], 0x01);
    EXPECT_EQ(chart.FreezeData[0][15], 0x02);
  }
}

TEST(CardRead, ShortFiles) {
  MeterSegs segs = sentinelSegs();
  Chart chart = previousChart();
  chart.StepData[3][3] = 0x09;
  CardImage full;
  full.row(0, 0, 0x01);
  auto refused = ReadCardSave(full.bytes().substr(0, 783), chart, songs(), segs);
  ASSERT_FALSE(refused.ok());
  EXPECT_EQ(refused.error().code, ErrorCode::BadData);
  EXPECT_EQ(refused.error().message, "不正なデータです");
  EXPECT_EQ(chart.EditName, "OLD");
  EXPECT_EQ(chart.FreezeData[2][3], 0x11);
  EXPECT_EQ(chart.StepData[3][3], 0x09);
  EXPECT_FALSE(ReadCardSave("", chart, songs(), segs).ok());

  // 784 bytes hold the whole header: the step block reads as zeros.
  ASSERT_TRUE(ReadCardSave(full.bytes().substr(0, 784), chart, songs(), segs).ok());
  EXPECT_EQ(chart.SongIndex, 1);
  EXPECT_EQ(chart.StepData[0][0], 0);
  EXPECT_EQ(chart.StepData[3][3], 0);

  ASSERT_TRUE(ReadCardSave(full.bytes().substr(0, 785), chart, songs(), segs).ok());
  EXPECT_EQ(chart.StepData[0][0], 0x01);
}

}  // namespace
}  // namespace tarveno
