#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>

#include "render/sheet_images.h"
#include "render/sheet_renderer.h"
#include "support/test_catalogue.h"

namespace tarveno {
namespace {

// Every pixel of a picture and its size, folded into one number (64-bit FNV-1a), printed in hex.
std::string fingerprint(const QImage& image) {
  uint64_t hash = 14695981039346656037ull;
  auto fold = [&hash](const uchar* bytes, size_t n) {
    for (size_t i = 0; i < n; ++i) hash = (hash ^ bytes[i]) * 1099511628211ull;
  };
  const int size[2] = {image.width(), image.height()};
  fold(reinterpret_cast<const uchar*>(size), sizeof size);
  for (int y = 0; y < image.height(); ++y) fold(image.constScanLine(y), static_cast<size_t>(image.width()) * 4);
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
  return text;
}

// Random steps on every slot, a triplet beat every third beat, freezes in the first measures.
Chart denseChart(PlayStyle style, int measures, uint32_t seed) {
  Chart chart;
  chart.PlayStyle = style;
  std::mt19937 random(seed);
  const int mask = style == PlayStyle::Single ? 0x0F : 0xFF;
  for (int m = 0; m < measures; ++m) {
    for (int s = 0; s < 16; ++s) chart.StepData[static_cast<size_t>(m)][static_cast<size_t>(s)] = random() & mask;
    for (int b = 0; b < 4; ++b) {
      if ((4 * m + b) % 3 == 0) chart.StepData[static_cast<size_t>(m)][static_cast<size_t>(4 * b)] = kTripletMark;
    }
    if (m < 20) {
      for (int s = 1; s <= 7; ++s) chart.FreezeData[static_cast<size_t>(m)][static_cast<size_t>(s)] = random() & mask;
    }
  }
  return chart;
}

// The fingerprints were taken from the renderer before it was made faster: drawing quicker
// must not move one pixel. (They depend on the installed Japanese font, as the text does.)
TEST(SheetRenderPixelsTest, DenseSheetsKeepEveryPixel) {
  struct Case {
    PlayStyle style;
    int measures;
    int blocks;
    LineStyle beatLines;
    const char* expected;
  };
  const Case cases[] = {{PlayStyle::Double, 471, 32, LineStyle::Dot, "06e728a4c5043cb6"},
                        {PlayStyle::Single, 97, 8, LineStyle::DashDot, "035ee1b8c0312d0c"},
                        {PlayStyle::Couple, 150, 16, LineStyle::Solid, "f6b67bd18946c5c7"}};
  SheetImages images;
  for (const Case& c : cases) {
    Catalogue catalogue = testing::oneSongCatalogue(c.measures);
    Chart chart = denseChart(c.style, c.measures, static_cast<uint32_t>(c.measures));
    recalcAllBeatTypes(chart, catalogue);
    ViewSettings settings;
    settings.SheetBlocks = static_cast<int16_t>(c.blocks);
    settings.ShowNum = 1;
    settings.BeatLineStyle = c.beatLines;
    Result<QImage> sheet = renderChartSheet(chart, catalogue, settings, kHeadlessTwipsPerPixel, images);
    ASSERT_TRUE(sheet.ok());
    EXPECT_EQ(fingerprint(*sheet), c.expected) << c.measures << " measures";
  }
}

}  // namespace
}  // namespace tarveno
