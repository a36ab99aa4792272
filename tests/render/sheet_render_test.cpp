#include <gtest/gtest.h>
#include <QPainter>
#include <string>
#include <vector>

#include "core/sheet/sheet_layout.h"
#include "render/qt_color.h"
#include "render/sheet_images.h"
#include "render/sheet_pens_fonts.h"
#include "render/sheet_renderer.h"
#include "support/chart_steps.h"
#include "support/frame_shows.h"
#include "support/test_catalogue.h"
#include "words/messages.h"

namespace tarveno {
namespace {

using testing::frameShows;
using testing::makeTriplet;
using testing::setSteps;

QRgb opaque(int32_t color) {
  return toQColor(color).rgb();
}

// Where a colour stands in a rectangle of the sheet: its leftmost x (-1 when nowhere) and its
// number of pixels.
std::pair<int, int> find(const QImage& sheet, QRect area, QRgb color) {
  std::pair<int, int> found(-1, 0);
  for (int x = area.right(); x >= area.left(); --x) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
      if (sheet.pixel(x, y) == color) found = {x, found.second + 1};
    }
  }
  return found;
}

// A line drawn across 72 pixels in a style, as its dashes: L for one longer than a dot, S else.
std::string dashesOf(LineStyle style) {
  QImage line(72, 1, QImage::Format_RGB32);
  line.fill(Qt::white);
  QPainter painter(&line);
  painter.setPen(sheetPen(rgb(0, 0, 0), style));
  painter.drawLine(0, 0, 71, 0);
  painter.end();
  std::string dashes;
  for (int x = 0, run = 0; x <= 72; ++x) {
    const bool drawn = x < 72 && line.pixel(x, 0) == qRgb(0, 0, 0);
    if (!drawn && run > 0) dashes += run > 3 ? 'L' : 'S';
    run = drawn ? run + 1 : 0;
  }
  return dashes;
}

TEST(SheetPens, EachLineStyleDrawsItsOwnDashes) {
  EXPECT_EQ(std::tuple(dashesOf(LineStyle::Solid), dashesOf(LineStyle::None), dashesOf(LineStyle::Dash).substr(0, 3),
                       dashesOf(LineStyle::Dot).substr(0, 4), dashesOf(LineStyle::DashDot).substr(0, 4),
                       dashesOf(LineStyle::DashDotDot).substr(0, 6)),
            std::tuple(std::string("L"), std::string(), std::string("LLL"), std::string("SSSS"), std::string("LSLS"),
                       std::string("LSSLSS")));
}

// A single chart of 19 measures, 8 to a column: three columns, the third holding 3 measures.
// Default header (2 lines, pitch 0.75 x 14 + 10 = 20.5 -> 20), so the columns start at y 50 and
// the columns' left edges are at x 10, 88, 166.
class SheetRenderTest : public ::testing::Test {
 protected:
  SheetRenderTest() : catalogue(testing::oneSongCatalogue(19)) {
    std::tie(settings.Beat13Color, settings.Beat24Color, settings.SheetBackColor, settings.FrameColor,
             settings.MeasureLineColor, settings.HeaderColor) =
        std::tuple(rgb(200, 200, 255), rgb(255, 255, 255), rgb(250, 250, 240), rgb(10, 20, 30), rgb(90, 0, 90),
                   rgb(255, 0, 128));
  }
  QImage render() {
    Result<QImage> sheet = renderChartSheet(chart, catalogue, settings, kHeadlessTwipsPerPixel, images);
    EXPECT_TRUE(sheet.ok()) << (sheet.ok() ? QString() : describe(sheet.error())).toStdString();
    return sheet.ok() ? *sheet : QImage();
  }

  static constexpr int T = 50;
  static constexpr int X[3] = {10, 88, 166};
  Catalogue catalogue;
  Chart chart;
  ViewSettings settings;
  SheetImages images;
};

TEST_F(SheetRenderTest, BandsLinesFramesAndHeaderWhereTheLayoutPutsThem) {
  const QImage sheet = render();
  ASSERT_EQ(sheet.size(), QSize(245, 573));
  // Beats 1 and 2 of measure 1, beat 3 of measure 10; frames of full columns down to 8 measures,
  // the last one to its 3 measures only.
  const std::tuple<int, int, int32_t> probes[] = {
      {X[0] + 5, T + 5, settings.Beat13Color},    {X[0] + 5, T + 24, settings.Beat24Color},
      {X[1] + 30, T + 104, settings.Beat13Color}, {X[0], T + 300, settings.FrameColor},
      {X[0] + 68, T + 512, settings.FrameColor},  {X[2] + 30, T + 192, settings.FrameColor},
      {X[2], T + 300, settings.SheetBackColor}};
  for (auto [x, y, color] : probes) EXPECT_EQ(sheet.pixel(x, y), opaque(color)) << x << "," << y;
  EXPECT_EQ(sheet.pixel(244, 572), qRgb(250, 250, 240));  // the background, red in the lowest byte
  for (int x = X[0] + 1; x < X[0] + 68; ++x) ASSERT_EQ(sheet.pixel(x, T + 64), opaque(settings.MeasureLineColor)) << x;
  // The header text is drawn in some installed font even though the default name is missing.
  EXPECT_GT(find(sheet, QRect(0, 0, sheet.width(), T), opaque(settings.HeaderColor)).second, 50);
}

TEST_F(SheetRenderTest, ArrowsFreezeAndTripletsAtTheirSlots) {
  // Measure 1 (second row of column 0, top line at T + 64): an eighth on beat 1, a sixteenth on
  // beat 2, a freeze head on beat 3 (panel 2), a triplet on beat 4 with one note per panel.
  setSteps(chart, 1, 2, 0b0001);
  setSteps(chart, 1, 5, 0b0010);
  setSteps(chart, 1, 8, 0b0100);
  chart.FreezeData[1][8] = 0b0100;
  makeTriplet(chart, 1, 3, 0b0001, 0b0010, 0b0100);
  // Slot 15 of measure 7, the last of column 0: its tail continues at the top of column 1.
  setSteps(chart, 7, 15, 0b1000);
  const QImage sheet = render();
  const int top1 = T + 64;
  // Triplet notes at 0, 5 1/3 and 10 2/3 below the beat's first row, to the nearest pixel.
  const std::tuple<int, int, int> drawn[] = {
      {sheetImageIndex(1, 0), X[0] + 1, top1 + 1 + 8},   {sheetImageIndex(2, 1), X[0] + 1 + 17, top1 + 17 + 4},
      {sheetImageIndex(3, 2), X[0] + 1 + 34, top1 + 33}, {sheetImageIndex(0, 0), X[0] + 1, top1 + 49},
      {sheetImageIndex(3, 1), X[0] + 18, top1 + 49 + 5}, {sheetImageIndex(3, 2), X[0] + 35, top1 + 49 + 11}};
  for (auto [index, x, y] : drawn)
    EXPECT_TRUE(frameShows(sheet, images.image(index), kSheetMaskColor, {x, y})) << index;
  // Slot 15 starts 12 rows into measure 7's last beat; measure 7's block ends at the frame,
  // measure 8's block starts one row below the frame's top edge.
  const QImage& right = images.image(sheetImageIndex(2, 3));
  const int slot15 = T + 7 * 64 + 48 + 1 + 12;
  EXPECT_TRUE(frameShows(sheet, right, kSheetMaskColor, {X[0] + 1 + 51, slot15}, QRect(0, 0, 245, T + 512)));
  EXPECT_TRUE(frameShows(sheet, right, kSheetMaskColor, {X[1] + 1 + 51, slot15 - 512}, QRect(0, T + 1, 245, 573)));
}

// Measure 9, the first of column 1, is numbered " 9" in the gap left of it, shifted by the offset
// (from 2, clear of the frame). Couple charts divide the pads with a line 69 pixels into each
// column (136 wide, 146 apart) below every measure line; single charts have none.
TEST_F(SheetRenderTest, MeasureNumbersAndThePlayerLine) {
  std::tie(settings.NumberColor, settings.PlayerLineColor, settings.NumPos) =
      std::tuple(rgb(0, 128, 0), rgb(0, 128, 64), 2);
  const QRgb number = qRgb(0, 128, 0), line = qRgb(0, 128, 64);
  const QRect gap(X[1] - 10, T, 30, 16);
  const QImage plain = render();
  settings.ShowNum = 1;
  const int digit = find(render(), gap, number).first;
  settings.NumPos = 9;
  EXPECT_EQ(std::tuple(find(plain, gap, number).first, digit > X[1] - 6, find(render(), gap, number).first,
                       find(plain, plain.rect(), line).first),
            std::tuple(-1, true, digit + 7, -1));
  chart.PlayStyle = PlayStyle::Couple;
  const QImage couple = render();
  auto on = [&](int x) { return find(couple, QRect(x, 0, 1, couple.height()), line).second; };
  EXPECT_EQ(std::tuple(on(10 + 69), on(156 + 69), on(302 + 69), find(couple, couple.rect(), line).second),
            std::tuple(8 * 63, 8 * 63, 3 * 63, 19 * 63));
}

}  // namespace
}  // namespace tarveno
