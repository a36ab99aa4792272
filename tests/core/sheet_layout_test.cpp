#include "core/sheet/sheet_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace tarveno {
namespace {

// Song indices of the fixture's catalogue.
enum Song { k19, k16, k99, k120, k471, k420, kNoMeasures, kTooLong, kAfterEnd = 9 };

class SheetLayoutTest : public ::testing::Test {
 protected:
  SheetLayoutTest() {
    auto add = [&](int index, const char* title, int16_t code, int16_t measures) {
      catalogue.SongList[static_cast<size_t>(index)] = SongRecord{title, code, 150, measures, 1, 1, 0};
    };
    add(k19, "よぞらのパレード", 11, 19);
    add(k16, "Tin Kite", 12, 16);
    add(k99, "Ninety Nine Lanterns", 13, 99);
    add(k120, "さかみちリレー", 14, 120);
    add(k471, "Longest Corridor", 15, 471);
    add(k420, "Four Twenty Steps", 16, 420);
    add(kNoMeasures, "Silent Intro", 17, 0);
    add(kTooLong, "Endless Hallway", 18, 472);
    add(8, "", 0, 0);  // the catalogue ends here
    add(kAfterEnd, "Hidden Track", 19, 10);
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
    EXPECT_FALSE(r.ok());
    if (r.ok()) return ErrorCode::FileOpen;  // never a layout error
    EXPECT_FALSE(r.error().message.empty());
    return r.error().code;
  }

  Catalogue catalogue;
  Chart chart;
  ViewSettings settings;
};

TEST_F(SheetLayoutTest, NineteenMeasuresInColumnsOfEight) {
  const SheetLayout s = ok();
  EXPECT_EQ(s.columnWidth, 68);
  EXPECT_EQ(s.measureHeight, 64);
  EXPECT_EQ(s.measureCount, 19);
  EXPECT_EQ(s.columnCount, 3);
  EXPECT_EQ(s.headerLineCount, 2);
  EXPECT_EQ(s.headerPitch, 20);  // 15 / 20 x 14 = 10.5, + 10, half to even
  EXPECT_EQ(s.columnsTop, 50);
  EXPECT_EQ(s.sheetWidth, 245);   // 3 x 78 - 10 + 20 + 1
  EXPECT_EQ(s.sheetHeight, 573);  // 40 + 20 + 8 x 64 + 1: as high as a full column
  EXPECT_EQ(s.bufferWidth, 68);
  EXPECT_EQ(s.bufferHeight, 81);
  EXPECT_EQ(s.bufferTopLine, 16);
  EXPECT_FALSE(s.playerLine);

  ASSERT_EQ(s.frames.size(), 3u);
  const int xs[] = {10, 88, 166};
  const int heights[] = {512, 512, 192};
  for (int c = 0; c < 3; ++c) {
    EXPECT_EQ(s.frames[c].x, xs[c]);
    EXPECT_EQ(s.columnX(c), xs[c]);
    EXPECT_EQ(s.frames[c].top, 50);
    EXPECT_EQ(s.frames[c].height, heights[c]);
  }
  ASSERT_EQ(s.measures.size(), 19u);
  EXPECT_EQ(s.measures[18].column, 2);
  EXPECT_EQ(s.measures[18].row, 2);
  EXPECT_EQ(s.measures[18].top, 178);
}

TEST_F(SheetLayoutTest, CopiesHeaderLinesAndNumbersFallInPlace) {
  chart.Difficulty = 0x12;
  chart.EditName = "ZX";
  settings.ShowNum = 1;
  settings.NumPos = 5;
  const SheetLayout s = ok();
  // The first measure of a column leaves its top line to the frame's top edge.
  const MeasurePlacement& first = s.measures[8];
  EXPECT_EQ(first.copyX, 89);
  EXPECT_EQ(first.copyWidth, 67);
  EXPECT_EQ(first.bufferY, 17);
  EXPECT_EQ(first.copyY, 51);
  EXPECT_EQ(first.copyHeight, 63);
  const MeasurePlacement& second = s.measures[9];
  EXPECT_EQ(second.bufferY, 16);
  EXPECT_EQ(second.copyY, 114);
  EXPECT_EQ(second.copyHeight, 64);
  // Numbers stand in the gap left of their column, at the measure's top.
  EXPECT_EQ(s.measures[0].numberX, 5);  // 10 - 10 + 5
  EXPECT_EQ(second.numberX, 83);        // 88 - 10 + 5
  EXPECT_EQ(second.numberY, 114);

  ASSERT_EQ(s.header.size(), 2u);
  EXPECT_EQ(s.header[0].text, "よぞらのパレード");
  EXPECT_EQ(s.header[0].x, 10);
  EXPECT_EQ(s.header[0].y, 10);
  EXPECT_EQ(s.header[1].text, "EDIT[ZX]   SINGLE  BASIC-2");
  EXPECT_EQ(s.header[1].y, 30);
}

TEST_F(SheetLayoutTest, FullColumnsWhenTheSongFillsThemExactly) {
  chart.SongIndex = k16;
  SheetLayout s = ok();
  ASSERT_EQ(s.columnCount, 2);
  EXPECT_EQ(s.frames[0].height, 512);
  EXPECT_EQ(s.frames[1].height, 512);

  settings.SheetBlocks = 16;
  s = ok();
  ASSERT_EQ(s.columnCount, 1);
  EXPECT_EQ(s.frames[0].height, 1024);
  EXPECT_EQ(s.sheetHeight, 40 + 20 + 1024 + 1);

  settings.SheetBlocks = 40;  // one partly filled column: framed short, sheet still full height
  s = ok();
  ASSERT_EQ(s.columnCount, 1);
  EXPECT_EQ(s.frames[0].height, 16 * 64);
  EXPECT_EQ(s.sheetHeight, 40 + 20 + 40 * 64 + 1);
}

TEST_F(SheetLayoutTest, CoupleAndDoubleColumnsAreTwiceAsWideWithAPlayerLine) {
  for (uint8_t style : {1, 2, 3}) {
    chart.PlayStyle = style;
    const SheetLayout s = ok();
    EXPECT_EQ(s.columnWidth, 136) << int{style};
    EXPECT_EQ(s.sheetWidth, 449) << int{style};  // 3 x 146 - 10 + 20 + 1
    EXPECT_EQ(s.frames[2].x, 302);
    EXPECT_EQ(s.measures[0].copyWidth, 135);
    EXPECT_TRUE(s.playerLine);
    EXPECT_EQ(s.playerLineX, 68);
  }
}

TEST_F(SheetLayoutTest, LinePitchFollowsTwipsPerPixelAndRoundsHalvesToEven) {
  EXPECT_EQ(ok(12).headerPitch, 18);  // 8.4 + 10
  EXPECT_EQ(ok(12).columnsTop, 46);
  EXPECT_EQ(ok(12).sheetHeight, 569);
  settings.HeaderFont.size = 10;
  EXPECT_EQ(ok(15).headerPitch, 18);  // 17.5 goes up to the even 18
  settings.HeaderFont.size = 12.5;
  EXPECT_EQ(ok(12).headerPitch, 18);  // 17.5 again, from 12 / 20 x 12.5
  settings.HeaderFont.size = 17.5;
  EXPECT_EQ(ok(12).headerPitch, 20);  // 20.5 goes down to 20
  settings.HeaderMargin = -30;
  settings.HeaderFont.size = 14;
  EXPECT_EQ(ok(15).headerPitch, -20);  // -19.5 to the even -20
}

TEST_F(SheetLayoutTest, EmptyTemplateHasNoHeaderBand) {
  settings.HeaderStyle.clear();
  const SheetLayout s = ok();
  EXPECT_EQ(s.headerLineCount, 0);
  EXPECT_EQ(s.columnsTop, 10);
  EXPECT_EQ(s.frames[0].top, 10);
  EXPECT_EQ(s.measures[1].top, 74);
  EXPECT_EQ(s.sheetHeight, 20 + 512 + 1);
  ASSERT_EQ(s.header.size(), 1u);  // the one empty line, which draws nothing
  EXPECT_EQ(s.header[0].text, "");
}

TEST_F(SheetLayoutTest, TemplateEndingInCrLfReservesItsEmptyLastLine) {
  settings.HeaderStyle = "%T\r\n";
  const SheetLayout s = ok();
  EXPECT_EQ(s.headerLineCount, 2);
  EXPECT_EQ(s.columnsTop, 50);
  ASSERT_EQ(s.header.size(), 2u);
  EXPECT_EQ(s.header[1].text, "");
  EXPECT_EQ(s.header[1].y, 30);
}

TEST_F(SheetLayoutTest, MeasureNumbersAreRightAlignedInTwoOrThreeCharacters) {
  chart.SongIndex = k99;
  SheetLayout s = ok();
  EXPECT_EQ(s.measures[0].numberText, " 1");
  EXPECT_EQ(s.measures[9].numberText, "10");
  EXPECT_EQ(s.measures[98].numberText, "99");

  chart.SongIndex = k120;
  s = ok();
  EXPECT_EQ(s.measures[0].numberText, "  1");
  EXPECT_EQ(s.measures[9].numberText, " 10");
  EXPECT_EQ(s.measures[119].numberText, "120");
}

TEST_F(SheetLayoutTest, EveryMeasureLiesInsideItsColumnFrame) {
  for (int song : {k19, k16, k99, k120, k471}) {
    for (int16_t blocks : {1, 2, 3, 7, 8, 16, 100, 480}) {
      chart.SongIndex = static_cast<int16_t>(song);
      settings.SheetBlocks = blocks;
      Result<SheetLayout> r = layout();
      if (!r.ok()) {
        EXPECT_EQ(r.error().code, ErrorCode::OutOfRange);
        continue;
      }
      const SheetLayout& s = *r;
      ASSERT_EQ(static_cast<int>(s.measures.size()), s.measureCount);
      ASSERT_EQ(static_cast<int>(s.frames.size()), s.columnCount);
      int lastColumn = 0;
      for (const MeasurePlacement& m : s.measures) {
        const ColumnFrame& f = s.frames[static_cast<size_t>(m.column)];
        EXPECT_EQ(m.x, f.x);
        EXPECT_GE(m.top, f.top);
        EXPECT_LE(m.top + s.measureHeight, f.top + f.height) << "measure " << m.measure << " blocks " << blocks;
        lastColumn = m.column;
      }
      // Each frame ends at its column's last measure; the sheet leaves room for full columns.
      const ColumnFrame& last = s.frames.back();
      EXPECT_EQ(lastColumn, s.columnCount - 1);
      EXPECT_EQ(last.top + last.height, s.measures.back().top + s.measureHeight);
      EXPECT_EQ(s.sheetWidth, last.x + last.width + settings.SheetMarginH + 1);
      EXPECT_LE(s.columnsTop + blocks * s.measureHeight + settings.SheetMarginV + 1, s.sheetHeight);
    }
  }
}

TEST_F(SheetLayoutTest, RefusesSheetsBeyondSixteenBitCoordinates) {
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
  settings.HeaderFont.size = 1e6;
  EXPECT_EQ(refusal(), ErrorCode::OutOfRange);
  settings.HeaderFont.size = 1e300;  // the pitch itself is far beyond 64 bits
  EXPECT_EQ(refusal(), ErrorCode::OutOfRange);

  settings = ViewSettings{};
  settings.SheetMarginH = -200;  // nothing left to draw on
  EXPECT_EQ(refusal(), ErrorCode::OutOfRange);
  settings.SheetMarginH = 10;
  settings.SheetMarginC = -10;  // columns that touch are still drawable
  EXPECT_EQ(ok().sheetWidth, 3 * 58 + 10 + 21);
}

TEST_F(SheetLayoutTest, RefusesSongsItCannotLayOut) {
  chart.SongIndex = kNoMeasures;
  EXPECT_EQ(refusal(), ErrorCode::BadData);
  chart.SongIndex = kTooLong;
  EXPECT_EQ(refusal(), ErrorCode::BadData);
  for (int16_t index : {int16_t{kAfterEnd}, int16_t{8}, int16_t{-1}, int16_t{501}, int16_t{32767}}) {
    chart.SongIndex = index;
    EXPECT_EQ(refusal(), ErrorCode::OutOfRange) << index;
  }
}

TEST_F(SheetLayoutTest, RefusesSettingsItCannotDrawWith) {
  settings.SheetBlocks = 0;
  EXPECT_EQ(refusal(), ErrorCode::OutOfRange);
  settings.SheetBlocks = -5;
  EXPECT_EQ(refusal(), ErrorCode::OutOfRange);
  settings = ViewSettings{};
  settings.HeaderFont.size = 0;
  EXPECT_EQ(refusal(), ErrorCode::OutOfRange);
  settings.HeaderFont.size = std::nan("");
  EXPECT_EQ(refusal(), ErrorCode::OutOfRange);
  settings = ViewSettings{};
  EXPECT_EQ(refusal(0), ErrorCode::OutOfRange);
  EXPECT_EQ(refusal(std::nan("")), ErrorCode::OutOfRange);
  EXPECT_EQ(refusal(-15), ErrorCode::OutOfRange);
}

}  // namespace
}  // namespace tarveno
