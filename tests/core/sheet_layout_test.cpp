#include "core/sheet/sheet_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

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
    EXPECT_TRUE(r.ok()) << (r.ok() ? "" : r.error().message);
    return r.ok() ? *r : SheetLayout{};
  }
  ErrorCode refusal(double tpp = 15) const {
    Result<SheetLayout> r = layout(tpp);
    EXPECT_TRUE(!r.ok() && !r.error().message.empty());
    return r.ok() ? ErrorCode::FileOpen : r.error().code;  // FileOpen: never a layout error
  }

  Catalogue catalogue;
  Chart chart;
  ViewSettings settings;
};

TEST_F(SheetLayoutTest, NineteenMeasuresInColumnsOfEight) {
  const SheetLayout s = ok();
  EXPECT_EQ(std::tie(s.columnWidth, s.measureHeight, s.measureCount, s.columnCount), std::tuple(68, 64, 19, 3));
  // Header pitch 15 / 20 x 14 = 10.5, + 10, half to even: two lines of 20 above the columns.
  EXPECT_EQ(std::tie(s.headerLineCount, s.headerPitch, s.columnsTop), std::tuple(2, 20, 50));
  // 3 x 78 - 10 + 20 + 1 wide; 40 + 20 + 8 x 64 + 1 high: as high as a full column.
  EXPECT_EQ(std::tie(s.sheetWidth, s.sheetHeight), std::tuple(245, 573));
  EXPECT_EQ(std::tie(s.bufferWidth, s.bufferHeight, s.bufferTopLine), std::tuple(68, 81, 16));
  EXPECT_FALSE(s.playerLine);

  ASSERT_EQ(s.frames.size(), 3u);
  const int xs[] = {10, 88, 166};
  const int heights[] = {512, 512, 192};
  for (int c = 0; c < 3; ++c) {
    EXPECT_EQ(std::tie(s.frames[c].x, s.frames[c].top, s.frames[c].height), std::tuple(xs[c], 50, heights[c]));
    EXPECT_EQ(s.columnX(c), xs[c]);
  }
  ASSERT_EQ(s.measures.size(), 19u);
  EXPECT_EQ(std::tie(s.measures[18].column, s.measures[18].row, s.measures[18].top), std::tuple(2, 2, 178));
}

TEST_F(SheetLayoutTest, CopiesHeaderLinesAndNumbersFallInPlace) {
  chart.Difficulty = 0x12;
  chart.EditName = "ZX";
  settings.ShowNum = 1;
  settings.NumPos = 5;
  const SheetLayout s = ok();
  // The first measure of a column leaves its top line to the frame's top edge.
  const MeasurePlacement& first = s.measures[8];
  EXPECT_EQ(std::tie(first.copyX, first.copyWidth, first.bufferY, first.copyY, first.copyHeight),
            std::tuple(89, 67, 17, 51, 63));
  const MeasurePlacement& second = s.measures[9];
  EXPECT_EQ(std::tie(second.bufferY, second.copyY, second.copyHeight), std::tuple(16, 114, 64));
  // Numbers stand in the gap left of their column (10 - 10 + 5, 88 - 10 + 5), at the measure's top.
  EXPECT_EQ(std::tie(s.measures[0].numberX, second.numberX, second.numberY), std::tuple(5, 83, 114));

  ASSERT_EQ(s.header.size(), 2u);
  EXPECT_EQ(std::tie(s.header[0].text, s.header[0].x, s.header[0].y), std::tuple("よぞらのパレード", 10, 10));
  EXPECT_EQ(std::tie(s.header[1].text, s.header[1].y), std::tuple("EDIT[ZX]   SINGLE  BASIC-2", 30));
}

TEST_F(SheetLayoutTest, FullColumnsWhenTheSongFillsThemExactly) {
  chart.SongIndex = k16;
  SheetLayout s = ok();
  ASSERT_EQ(s.columnCount, 2);
  EXPECT_EQ(std::tie(s.frames[0].height, s.frames[1].height), std::tuple(512, 512));
  settings.SheetBlocks = 16;
  s = ok();
  ASSERT_EQ(s.columnCount, 1);
  EXPECT_EQ(std::tie(s.frames[0].height, s.sheetHeight), std::tuple(1024, 40 + 20 + 1024 + 1));
  settings.SheetBlocks = 40;  // one partly filled column: framed short, sheet still full height
  s = ok();
  ASSERT_EQ(s.columnCount, 1);
  EXPECT_EQ(std::tie(s.frames[0].height, s.sheetHeight), std::tuple(16 * 64, 40 + 20 + 40 * 64 + 1));
}

TEST_F(SheetLayoutTest, CoupleAndDoubleColumnsAreTwiceAsWideWithAPlayerLine) {
  for (uint8_t style : {1, 2, 3}) {
    chart.PlayStyle = style;
    const SheetLayout s = ok();
    // 3 x 146 - 10 + 20 + 1 wide.
    EXPECT_EQ(std::tie(s.columnWidth, s.sheetWidth, s.frames[2].x, s.measures[0].copyWidth, s.playerLineX),
              std::tuple(136, 449, 302, 135, 68))
        << int{style};
    EXPECT_TRUE(s.playerLine);
  }
}

TEST_F(SheetLayoutTest, LinePitchFollowsTwipsPerPixelAndRoundsHalvesToEven) {
  // Twips per pixel, header font size, header margin, and the pitch: 8.4 + 10; 17.5 up to the
  // even 18, twice (from 12 / 20 x 12.5 too); 20.5 down to 20; -19.5 to the even -20.
  const std::tuple<double, double, int16_t, int> pitches[] = {
      {12, 14, 10, 18}, {15, 10, 10, 18}, {12, 12.5, 10, 18}, {12, 17.5, 10, 20}, {15, 14, -30, -20}};
  for (auto [tpp, size, margin, pitch] : pitches) {
    std::tie(settings.HeaderFont.size, settings.HeaderMargin) = std::tuple(size, margin);
    EXPECT_EQ(ok(tpp).headerPitch, pitch) << size;
  }
}

TEST_F(SheetLayoutTest, HeaderBandHoldsEveryTemplateLine) {
  settings.HeaderStyle = "%T\r\n";  // the empty last line is reserved as well
  SheetLayout s = ok();
  EXPECT_EQ(std::tie(s.headerLineCount, s.columnsTop), std::tuple(2, 50));
  ASSERT_EQ(s.header.size(), 2u);
  EXPECT_EQ(std::tie(s.header[1].text, s.header[1].y), std::tuple("", 30));

  settings.HeaderStyle.clear();  // no band at all
  s = ok();
  EXPECT_EQ(std::tie(s.headerLineCount, s.columnsTop, s.frames[0].top, s.measures[1].top, s.sheetHeight),
            std::tuple(0, 10, 10, 74, 20 + 512 + 1));
  ASSERT_EQ(s.header.size(), 1u);  // the one empty line, which draws nothing
  EXPECT_EQ(s.header[0].text, "");
}

TEST_F(SheetLayoutTest, MeasureNumbersAreRightAlignedInTwoOrThreeCharacters) {
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
      ASSERT_TRUE(r.ok()) << r.error().message;
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

TEST_F(SheetLayoutTest, SheetsReachTheLastSixteenBitCoordinateAndNoFurther) {
  chart.SongIndex = k471;
  settings.SheetBlocks = 1;
  EXPECT_EQ(refusal(), ErrorCode::OutOfRange);  // 471 x 78 - 10 + 21 = 36749 wide
  chart.SongIndex = k420;
  settings.SheetMarginH = 8;  // 420 x 78 - 10 + 16 + 1 = 32767: the widest sheet there is
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
}

TEST_F(SheetLayoutTest, RefusesSongsAndSettingsItCannotDraw) {
  for (int16_t index : {int16_t{kNoMeasures}, int16_t{kTooLong}}) {
    chart.SongIndex = index;
    EXPECT_EQ(refusal(), ErrorCode::BadData) << index;
  }
  for (int16_t index : {int16_t{kAfterEnd}, int16_t{8}, int16_t{-1}, int16_t{501}, int16_t{32767}}) {
    chart.SongIndex = index;
    EXPECT_EQ(refusal(), ErrorCode::OutOfRange) << index;
  }
  chart.SongIndex = k19;
  const std::function<void(ViewSettings&)> changes[] = {
      [](ViewSettings& s) { s.SheetBlocks = 0; },
      [](ViewSettings& s) { s.SheetBlocks = -5; },
      [](ViewSettings& s) { s.HeaderFont.size = 0; },
      [](ViewSettings& s) { s.HeaderFont.size = std::nan(""); },
      [](ViewSettings& s) { s.HeaderFont.size = 1e6; },
      [](ViewSettings& s) { s.HeaderFont.size = 1e300; },  // the pitch itself is far beyond 64 bits
      [](ViewSettings& s) { s.SheetMarginH = -200; },      // nothing left to draw on
  };
  for (size_t i = 0; i < std::size(changes); ++i) {
    settings = ViewSettings{};
    changes[i](settings);
    EXPECT_EQ(refusal(), ErrorCode::OutOfRange) << "change " << i;
  }
  settings = ViewSettings{};
  for (double tpp : {0.0, std::nan(""), -15.0}) EXPECT_EQ(refusal(tpp), ErrorCode::OutOfRange) << tpp;
}

}  // namespace
}  // namespace tarveno
