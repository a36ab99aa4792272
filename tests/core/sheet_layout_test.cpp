#include "core/sheet/sheet_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "core/sheet/sheet_text.h"
#include "support/test_paths.h"

namespace tarveno {
namespace {

// Song indices of the fixture's catalogue.
enum Song { k19, k16, k99, k120, k471, k420, kNoMeasures, kTooLong, kAfterEnd = 9 };

class SheetLayoutTest : public ::testing::Test {
 protected:
  SheetLayoutTest() {
    const std::tuple<const char*, int16_t> songs[] = {
        {"よぞらのパレード", 19}, {"Tin Kite", 16},          {"Ninety Nine Lanterns", 99},
        {"さかみちリレー", 120},  {"Longest Corridor", 471}, {"Four Twenty Steps", 420},
        {"Silent Intro", 0},      {"Endless Hallway", 472},  {"", 0},  // the catalogue ends here
        {"Hidden Track", 10}};
    for (size_t i = 0; i < std::size(songs); ++i) {
      const int16_t code = i == 8 ? 0 : static_cast<int16_t>(11 + i);
      catalogue.SongList[i] = SongRecord{std::get<0>(songs[i]), code, 150, std::get<1>(songs[i]), 1, 1, 0};
    }
    chart.SongIndex = k19;
  }

  Result<SheetLayout> layout(double tpp = 15) const { return layoutSheet(chart, catalogue, settings, tpp); }
  SheetLayout ok(double tpp = 15) const {
    Result<SheetLayout> r = layout(tpp);
    EXPECT_TRUE(r.ok()) << "refused: " << (r.ok() ? 0 : static_cast<int>(r.error().code));
    return r.ok() ? *r : SheetLayout{};
  }
  ErrorCode refusal(double tpp = 15) const {
    Result<SheetLayout> r = layout(tpp);
    if (r.ok()) return ErrorCode::FileOpen;  // never a layout error
    EXPECT_TRUE(r.error().text.has_value()) << "an error without words";
    return r.error().code;
  }

  Catalogue catalogue;
  Chart chart;
  ViewSettings settings;
};

// The layout as text: the sheet, then each header line, column frame and measure.
std::string describe(const SheetLayout& s) {
  std::ostringstream out;
  out << "sheet " << s.sheetWidth << "x" << s.sheetHeight << ", " << s.columnCount << " columns " << s.columnWidth
      << " wide, " << s.measureCount << " measures " << s.measureHeight << " high from y " << s.columnsTop
      << ", header " << s.headerLineCount << " lines " << s.headerPitch << " apart, buffer " << s.bufferWidth << "x"
      << s.bufferHeight << " with its top line at " << s.bufferTopLine << ", player line "
      << (s.playerLine ? std::to_string(s.playerLineX) : "none") << ", numbers " << s.showNumbers << "\n";
  for (const HeaderLine& h : s.header) out << "header \"" << h.text << "\" at " << h.x << "," << h.y << "\n";
  for (const ColumnFrame& f : s.frames) {
    out << "frame " << f.column << " at " << f.x << "," << f.top << ", " << f.width << "x" << f.height << "\n";
  }
  for (const MeasurePlacement& m : s.measures) {
    out << "measure " << m.measure << ": column " << m.column << " row " << m.row << " at " << m.x << "," << m.top
        << ", " << m.copyWidth << "x" << m.copyHeight << " from buffer y " << m.bufferY << " to " << m.copyX << ","
        << m.copyY << ", number \"" << m.numberText << "\" at " << m.numberX << "," << m.numberY << "\n";
  }
  return out.str();
}

// Worked sheets, each against its fixture file: 19 measures in columns of 8, numbered; a couple
// chart of 16 measures that fill two columns exactly (double, and the unknown style 3, lay out
// alike) under a template whose empty last line is reserved as well; the same measures in one
// column without a header band.
TEST_F(SheetLayoutTest, WorkedSheetsMatchTheirFixtures) {
  std::tie(chart.Difficulty, chart.EditName) = std::tuple(0x12, "ZX");
  std::tie(settings.ShowNum, settings.NumPos) = std::tuple(1, 5);
  testing::expectFixture(describe(ok()), "sheet-layout/nineteen.txt");
  chart.SongIndex = k16;
  settings = ViewSettings{};
  settings.HeaderStyle = "%T\r\n";
  for (int style : {1, 2, 3}) {
    chart.PlayStyle = static_cast<PlayStyle>(style);
    testing::expectFixture(describe(ok()), "sheet-layout/sixteen-couple.txt");
  }
  chart.PlayStyle = PlayStyle::Single;
  settings.SheetBlocks = 16;
  settings.HeaderStyle.clear();
  testing::expectFixture(describe(ok()), "sheet-layout/sixteen-one-column.txt");
}

TEST_F(SheetLayoutTest, LinePitchRoundsHalvesToEvenAndNumbersAreRightAlignedInTwoOrThree) {
  // Twips per pixel, header font size, header margin, and the pitch: 8.4 + 10; 17.5 up to the
  // even 18, twice (from 12 / 20 x 12.5 too); 20.5 down to 20; -19.5 to the even -20.
  const std::tuple<double, double, int16_t, int> pitches[] = {
      {12, 14, 10, 18}, {15, 10, 10, 18}, {12, 12.5, 10, 18}, {12, 17.5, 10, 20}, {15, 14, -30, -20}};
  for (auto [tpp, size, margin, pitch] : pitches) {
    std::tie(settings.HeaderFont.size, settings.HeaderMargin) = std::tuple(size, margin);
    EXPECT_EQ(ok(tpp).headerPitch, pitch) << size;
  }

  const std::tuple<int16_t, int, const char*> numbers[] = {
      {k99, 0, " 1"}, {k99, 98, "99"}, {k120, 0, "  1"}, {k120, 9, " 10"}, {k120, 119, "120"}};
  for (const auto& [song, measure, text] : numbers) {
    chart.SongIndex = song;
    EXPECT_EQ(ok().measures[static_cast<size_t>(measure)].numberText, text);
  }
}

TEST_F(SheetLayoutTest, EveryMeasureLiesInsideItsColumnFrame) {
  for (int song : {k19, k16, k99, k120, k471}) {
    for (int16_t blocks : {1, 2, 3, 7, 8, 16, 100, 480}) {
      chart.SongIndex = static_cast<int16_t>(song);
      settings.SheetBlocks = blocks;
      Result<SheetLayout> r = layout();
      if (!r.ok() && r.error().code == ErrorCode::OutOfRange) continue;  // too large to draw
      ASSERT_TRUE(r.ok()) << "refused: " << static_cast<int>(r.error().code);
      const SheetLayout& s = *r;
      ASSERT_EQ(static_cast<int>(s.measures.size()), s.measureCount);
      ASSERT_EQ(static_cast<int>(s.frames.size()), s.columnCount);
      for (const MeasurePlacement& m : s.measures) {
        const ColumnFrame& f = s.frames[static_cast<size_t>(m.column)];
        EXPECT_EQ(m.x, f.x);
        EXPECT_GE(m.top, f.top);
        EXPECT_LE(m.top + s.measureHeight, f.top + f.height) << "measure " << m.measure << " blocks " << blocks;
      }
      // Each frame ends at its column's last measure; the sheet leaves room for full columns.
      const ColumnFrame& last = s.frames.back();
      EXPECT_EQ(s.measures.back().column, s.columnCount - 1);
      EXPECT_EQ(last.top + last.height, s.measures.back().top + s.measureHeight);
      EXPECT_LE(s.columnsTop + blocks * s.measureHeight + settings.SheetMarginV + 1, s.sheetHeight);
    }
  }
}

TEST_F(SheetLayoutTest, RefusesWhatItCannotDrawUpToTheLastSixteenBitCoordinate) {
  // 420 x 78 - 10 + 16 + 1 = 32767: the widest sheet there is.
  std::tie(chart.SongIndex, settings.SheetBlocks, settings.SheetMarginH) = std::tuple(k420, 1, 8);
  EXPECT_EQ(ok().sheetWidth, 32767);
  settings.SheetMarginH = 9;
  EXPECT_EQ(refusal(), ErrorCode::OutOfRange);

  chart.SongIndex = k19;
  settings = ViewSettings{};
  settings.SheetBlocks = 511;  // 40 + 20 + 511 x 64 + 1 = 32765
  EXPECT_EQ(ok().sheetHeight, 32765);
  settings.SheetBlocks = 512;
  EXPECT_EQ(refusal(), ErrorCode::OutOfRange);
  settings = ViewSettings{};
  settings.SheetMarginC = -10;  // columns that touch are still drawable
  EXPECT_EQ(ok().sheetWidth, 3 * 58 + 10 + 21);

  // Songs without measures or too long to draw, and indices without a song.
  for (int16_t index : std::initializer_list<int16_t>{kNoMeasures, kTooLong, kAfterEnd, 8, -1, 501, 32767}) {
    chart.SongIndex = index;
    EXPECT_EQ(refusal(), index == kNoMeasures || index == kTooLong ? ErrorCode::BadData : ErrorCode::OutOfRange)
        << index;
  }
  chart.SongIndex = k19;
  // Blocks below 1, font sizes of no pitch or one far beyond 64 bits, nothing left to draw on.
  for (double size : {14.0, 0.0, std::nan(""), 1e6, 1e300}) {
    for (int16_t blocks : {8, 0, -5}) {
      for (int16_t margin : {10, -200}) {
        std::tie(settings.HeaderFont.size, settings.SheetBlocks, settings.SheetMarginH) =
            std::tuple(size, blocks, margin);
        if (size == 14 && blocks == 8 && margin == 10) continue;  // the defaults
        EXPECT_EQ(refusal(), ErrorCode::OutOfRange) << size << " " << blocks << " " << margin;
      }
    }
  }
  settings = ViewSettings{};
  for (double tpp : {0.0, std::nan(""), -15.0}) EXPECT_EQ(refusal(tpp), ErrorCode::OutOfRange) << tpp;
}

// Whether settings can draw depends on the chart: one measure per column draws a short song
// but is 36749 pixels wide for the longest. Settings cannot help a chart without a song.
TEST_F(SheetLayoutTest, SettingsAreCheckedAgainstTheChartTheyWillDraw) {
  settings.SheetBlocks = 1;
  for (auto [song, drawable] : {std::pair(k99, true), std::pair(k471, false), std::pair(kNoMeasures, true)}) {
    chart.SongIndex = song;
    EXPECT_EQ(checkSheetSettings(chart, catalogue, settings, 15).ok(), drawable) << song;
  }
  chart.SongIndex = k471;  // 471 x 78 - 10 + 21 = 36749 wide
  EXPECT_EQ(checkSheetSettings(chart, catalogue, settings, 15).error().text,
            (Message{SheetText::TooLarge, {"471", "36749"}, {Message{SheetText::SizeSheetWidth, {}, {}}}}));
}

}  // namespace
}  // namespace tarveno
