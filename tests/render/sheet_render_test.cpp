#include <gtest/gtest.h>
#include <QSet>

#include "core/sheet/sheet_layout.h"
#include "gui/gui_test_helpers.h"
#include "render/sheet_images.h"
#include "render/sheet_renderer.h"
#include "support/test_catalogue.h"

namespace tarveno {
namespace {

using testing::frameShows;
using testing::makeTriplet;
using testing::setSteps;

TEST(SheetImagesTest, SixteenArrowsFilledWithTheirClassColourOnSilver) {
  const SheetImages images;
  const QRgb fills[4] = {qRgb(247, 0, 0), qRgb(0, 0, 255), qRgb(255, 255, 0), qRgb(0, 255, 0)};
  for (int i = 1; i <= kSheetImageCount; ++i) {
    QSet<QRgb> seen;
    for (int p = 0; p < 16 * 16; ++p) seen.insert(images.image(i).pixel(p % 16, p / 16));
    EXPECT_TRUE(seen == QSet<QRgb>({qRgb(0, 0, 0), fills[(i - 1) / 4], kSheetMaskColor})) << i;
  }
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
    EXPECT_TRUE(sheet.ok()) << (sheet.ok() ? "" : sheet.error().message);
    return sheet.ok() ? *sheet : QImage();
  }
  QRgb qrgb(int32_t color) { return qRgb(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF); }

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
      {X[2], T + 300, settings.SheetBackColor},   {244, 572, settings.SheetBackColor}};
  for (auto [x, y, color] : probes) EXPECT_EQ(sheet.pixel(x, y), qrgb(color)) << x << "," << y;
  for (int x = X[0] + 1; x < X[0] + 68; ++x) ASSERT_EQ(sheet.pixel(x, T + 64), qrgb(settings.MeasureLineColor)) << x;
  // The header text is drawn in some installed font even though the default name is missing.
  int headerPixels = 0;
  for (int y = 0; y < T; ++y) {
    for (int x = 0; x < sheet.width(); ++x) headerPixels += sheet.pixel(x, y) == qrgb(settings.HeaderColor);
  }
  EXPECT_GT(headerPixels, 50);
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

}  // namespace
}  // namespace tarveno
