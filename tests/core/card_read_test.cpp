#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <tuple>

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
  CardImage& text(size_t off, std::string_view t) {
    bytes_.replace(off, t.size(), t);
    return *this;
  }
  // Row r of the step block of the first layout.
  CardImage& row(int r, int slot, int v) { return u8(784 + static_cast<size_t>(r * 16 + slot), v); }
  CardImage& layoutB() { return u16(784, 256).u16(788, 252).u16(792, 1); }
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
  Chart chart{.PlayStyle = 2,
              .Difficulty = 0x35,
              .SongIndex = 0,
              .EditName = "OLD",
              .KrunTitle = "Lanterns",
              .KrunWidth = 3,
              .KrunHeight = 4,
              .KrunComment = "kept",
              .HasFreeze = 0};
  chart.FreezeData[2][3] = 0x11;
  return chart;
}

MeterSegs sentinelSegs() {
  MeterSegs segs{};
  segs.fill(MeterSeg{123, 7});
  return segs;
}

// Reads an image that must be accepted and returns the chart it leaves.
Chart readCard(const std::string& bytes, Chart chart = {}, const Catalogue& catalogue = songs()) {
  MeterSegs segs{};
  EXPECT_TRUE(ReadCardSave(bytes, chart, catalogue, segs).ok());
  return chart;
}

// Expects table[measure][slot] == value for each listed cell.
template <typename Table>
void expectCells(const Table& table, std::initializer_list<std::array<int, 3>> cells) {
  for (auto [m, s, v] : cells) EXPECT_EQ(table[m][s], v) << "measure " << m << " slot " << s;
}

auto header(const Chart& c) {
  return std::tie(c.EditName, c.SongIndex, c.PlayStyle, c.Difficulty, c.HasFreeze, c.KrunTitle, c.KrunWidth,
                  c.KrunHeight, c.KrunComment);
}

void expectNotice(const Notice& notice, int code) {
  EXPECT_EQ(std::tie(notice.code, notice.title, notice.text),
            std::make_tuple(code, "Error(Code" + std::to_string(code) + ")", "不正なデータです"));
}

TEST(CardRead, ReadsHeaderStepsAndNameBlanksIncluded) {
  Chart chart = previousChart();
  MeterSegs segs = sentinelSegs();
  CardImage image;
  image.text(22, "AB      ").row(1, 0, 0x11).row(1, 4, 0xFF).row(1, 5, 0x82).row(470, 15, 0x09);
  auto read = ReadCardSave(image.bytes(), chart, songs(), segs);
  ASSERT_TRUE(read.ok());
  EXPECT_TRUE(read->empty());
  EXPECT_EQ(header(chart), std::make_tuple("AB      ", 1, 1, 0x23, 0, "Lanterns", 3, 4, "kept"));
  EXPECT_EQ(chart.StepData[1], (MeasureBytes{0x11, 0, 0, 0, 0xFF, 0x82}));
  EXPECT_EQ(chart.StepData[470][15], 0x09);
  EXPECT_EQ(chart.FreezeData, FreezeTable{});  // erased even without freeze rows
  EXPECT_EQ(segs[0].FirstMeasure, 123);        // the song has no meter file

  // The name decodes CP932 and stops at a zero byte.
  EXPECT_EQ(readCard(CardImage().text(22, "\xB1\xB2\x82\xA0    ").bytes()).EditName, "ｱｲあ    ");
  EXPECT_EQ(readCard(CardImage().text(22, std::string("AB\0\0CD\0\0", 8)).bytes()).EditName, "AB");
}

TEST(CardRead, LayoutBReadsTheStepBlockFrom1040AndFreezeRowsAtTheSameFileOffsets) {
  // A 20-measure song: freeze measure m sits in file row 21 + m, which is block row 5 + m here.
  CardImage image;
  image.layoutB().u16(708, 77).u16(704, (20 + 2) * 16).u8(779, 1);
  image.u8(1040 + 16 * 1 + 2, 0x24);   // step measure 1
  image.u8(1040 + 16 * 4 + 15, 0x81);  // step measure 4
  image.row(21, 0, 0x03);              // freeze measure 0
  image.row(23, 7, 0x40);              // freeze measure 2
  const Chart chart = readCard(image.bytes());
  // The layout words are not steps; the freeze rows are moved out of the step table.
  expectCells(chart.StepData, {{0, 0, 0}, {1, 2, 0x24}, {4, 15, 0x81}, {5, 0, 0}, {7, 7, 0}});
  expectCells(chart.FreezeData, {{0, 0, 0x03}, {2, 7, 0x40}});

  // Past the end of an ordinary file it reads zeros, but a longer file is read.
  const Chart exact = readCard(CardImage().layoutB().bytes());
  expectCells(exact.StepData, {{454, 15, 0}, {470, 15, 0}});  // 454 is at file offset 8319
  const Chart longer = readCard(CardImage(1040 + 7536).layoutB().u8(1040 + 7535, 0x12).u8(8319, 0x34).bytes());
  expectCells(longer.StepData, {{470, 15, 0x12}, {454, 15, 0x34}});
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
    expectNotice((*read)[0], 102);

    EXPECT_EQ(header(chart), std::make_tuple("NAME    ", 0, 2, 0x35, 0, "Lanterns", 3, 4, "kept"));
    EXPECT_EQ(chart.StepData, StepTable{});
    EXPECT_EQ(chart.FreezeData, FreezeTable{});
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
  expectNotice((*read)[0], 103);
  EXPECT_EQ(header(chart), std::make_tuple("NAME    ", 2, 2, 0x35, 0, "Lanterns", 3, 4, "kept"));
  EXPECT_EQ(std::make_tuple(segs[0].FirstMeasure, segs[1].BeatsPerMeasure, segs[2].FirstMeasure, segs[3].FirstMeasure),
            std::make_tuple(0, 3, 999, 123));
  EXPECT_EQ(chart.StepData, StepTable{});
  EXPECT_EQ(chart.FreezeData, FreezeTable{});

  // Without the meter file the song's error is reported and the read goes on.
  std::filesystem::remove(dir / "4Ds.dat");
  chart = Chart{};
  segs = sentinelSegs();
  read = ReadCardSave(CardImage().u16(708, 77).row(2, 2, 0x44).bytes(), chart, catalogue, segs);
  ASSERT_TRUE(read.ok());
  ASSERT_EQ(read->size(), 1u);
  EXPECT_EQ(std::tie((*read)[0].code, (*read)[0].title), std::make_tuple(0, "Error"));
  EXPECT_FALSE((*read)[0].text.empty());
  EXPECT_EQ(segs[0].FirstMeasure, 123);
  EXPECT_EQ(chart.SongIndex, 2);
  EXPECT_EQ(chart.StepData[2][2], 0x44);
}

TEST(CardRead, TheLaterOfTwoRecordsWithTheSameCodeWins) {
  Catalogue catalogue = songs();
  catalogue.SongList[3] = SongRecord{"Copper Kite (long)", 26, 150, 6, 0, 0, 0};
  EXPECT_EQ(readCard(CardImage().bytes(), {}, catalogue).SongIndex, 3);
  // The walk covers every record up to index 500.
  for (int i = 0; i < kSongListSize; ++i) catalogue.SongList[static_cast<size_t>(i)].Code = static_cast<int16_t>(i + 1);
  EXPECT_EQ(readCard(CardImage().u16(708, 501).bytes(), {}, catalogue).SongIndex, 500);
}

TEST(CardRead, SingleStyleClearsHighNibblesButKeepsTripletMarkers) {
  CardImage image;
  image.u8(710, 0).row(1, 0, 0x55).row(1, 4, 0xFF).row(1, 5, 0x88).row(1, 6, 0x30).row(1, 7, 0xFF).row(300, 8, 0xFF);
  image.u8(779, 1).row(4, 0, 0xFF).row(4, 1, 0xFF).row(5, 2, 0x33);  // freeze rows
  const Chart chart = readCard(image.bytes());
  // Off the beat 255 is four arrows of the pad written twice, not a marker.
  EXPECT_EQ(chart.StepData[1], (MeasureBytes{0x05, 0, 0, 0, 0xFF, 0x08, 0x00, 0x0F}));
  EXPECT_EQ(chart.StepData[300][8], 0xFF);
  // Freeze bytes have no marker: only the pad counts.
  expectCells(chart.FreezeData, {{0, 0, 0x0F}, {0, 1, 0x0F}, {1, 2, 0x03}});

  EXPECT_EQ(readCard(CardImage().row(1, 0, 0x55).bytes()).StepData[1][0], 0x55);
}

TEST(CardRead, FreezeRowsMoveIntoTheFreezeTableAndBadLengthsAreClipped) {
  CardImage image;  // 3-measure song, n = 80: rows 4..8 are freeze measures 0..4
  image.u8(779, 1).row(2, 1, 0x02).row(4, 0, 0x01).row(6, 15, 0x80).row(8, 3, 0x10).row(9, 0, 0x77);
  Chart chart = readCard(image.bytes());
  EXPECT_EQ(chart.HasFreeze, 1);
  expectCells(chart.FreezeData, {{0, 0, 0x01}, {2, 15, 0x80}, {4, 3, 0x10}});
  // Row 9 is past 2M + 2: left alone.
  expectCells(chart.StepData, {{2, 1, 0x02}, {4, 0, 0}, {6, 15, 0}, {8, 3, 0}, {9, 0, 0x77}});

  for (int flag : {0, 2}) {
    chart = readCard(image.u8(779, flag).bytes(), chart);
    EXPECT_EQ(chart.HasFreeze, flag);
    EXPECT_EQ(chart.FreezeData, FreezeTable{});
    EXPECT_EQ(chart.StepData[4][0], 0x01);
  }

  // A length that does not fit is clipped.
  for (int n : {-16, -32768, 0}) {
    const Chart clipped = readCard(CardImage().u16(704, n).u8(779, 1).row(0, 0, 0x01).row(1, 0, 0x02).bytes());
    EXPECT_EQ(clipped.FreezeData, FreezeTable{}) << n;
    expectCells(clipped.StepData, {{0, 0, 0x01}, {1, 0, 0x02}});
  }
  const Chart huge = readCard(CardImage().u16(704, 32767).u8(779, 1).row(470, 15, 0x01).bytes());
  EXPECT_EQ(huge.FreezeData, FreezeTable{});
  EXPECT_EQ(huge.StepData[470][15], 0x01);

  // n = 438 * 16: freeze measure m comes from row 437 + m, up to the table's row 470.
  const Chart late =
      readCard(CardImage().u16(704, 438 * 16).u8(779, 1).row(437, 0, 0x01).row(470, 3, 0x02).row(436, 0, 0x04).bytes());
  expectCells(late.FreezeData, {{0, 0, 0x01}, {33, 3, 0x02}});
  EXPECT_EQ(late.FreezeData[34], MeasureBytes{});
  EXPECT_EQ(late.StepData[436][0], 0x04);

  // A length that is not a whole number of rows starts inside a row.
  const Chart inside = readCard(CardImage().u16(704, 5 * 16 + 8).u8(779, 1).row(4, 8, 0x01).row(5, 7, 0x02).bytes());
  expectCells(inside.FreezeData, {{0, 0, 0x01}, {0, 15, 0x02}});
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
  expectCells(chart.FreezeData, {{2, 3, 0x11}});
  expectCells(chart.StepData, {{3, 3, 0x09}});

  // 784 bytes hold the whole header: the step block reads as zeros.
  chart = readCard(full.bytes().substr(0, 784), chart);
  EXPECT_EQ(chart.SongIndex, 1);
  expectCells(chart.StepData, {{0, 0, 0}, {3, 3, 0}});
  EXPECT_EQ(readCard(full.bytes().substr(0, 785)).StepData[0][0], 0x01);
}

}  // namespace
}  // namespace tarveno
