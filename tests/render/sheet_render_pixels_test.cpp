#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "render/sheet_images.h"
#include "render/sheet_renderer.h"
#include "support/test_catalogue.h"

namespace tarveno {
namespace {

// Every pixel of a sheet and its size folded into one number (64-bit FNV-1a), in hex.
std::string fingerprint(const QImage& image) {
  uint64_t hash = 14695981039346656037ull;
  const int size[2] = {image.width(), image.height()};
  auto fold = [&hash](const void* bytes, size_t n) {
    for (size_t i = 0; i < n; ++i) hash = (hash ^ static_cast<const uchar*>(bytes)[i]) * 1099511628211ull;
  };
  fold(size, sizeof size);
  for (int y = 0; y < image.height(); ++y) fold(image.constScanLine(y), static_cast<size_t>(image.width()) * 4);
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
  return text;
}

// Taken from the renderer before it was made faster: drawing quicker must not move one pixel.
// Random steps on every slot, a triplet every third beat, freezes in the first 20 measures.
// (The text depends on the installed Japanese font.)
TEST(SheetRenderPixelsTest, DenseSheetsKeepEveryPixel) {
  const std::tuple<PlayStyle, int, int, LineStyle, const char*> cases[] = {
      {PlayStyle::Double, 471, 32, LineStyle::Dot, "06e728a4c5043cb6"},
      {PlayStyle::Single, 97, 8, LineStyle::DashDot, "035ee1b8c0312d0c"},
      {PlayStyle::Couple, 150, 16, LineStyle::Solid, "f6b67bd18946c5c7"}};
  for (const auto& [style, measures, blocks, beatLines, expected] : cases) {
    Chart chart;
    chart.PlayStyle = style;
    std::mt19937 random(static_cast<uint32_t>(measures));
    const unsigned mask = style == PlayStyle::Single ? 0x0F : 0xFF;
    for (int m = 0; m < measures; ++m) {
      auto& steps = chart.StepData[static_cast<size_t>(m)];
      for (uint8_t& s : steps) s = static_cast<uint8_t>(random() & mask);
      for (size_t b = 0; b < 4; ++b) steps[4 * b] = (4 * m + b) % 3 == 0 ? kTripletMark : steps[4 * b];
      for (size_t s = 1; s <= 7 && m < 20; ++s) chart.FreezeData[static_cast<size_t>(m)][s] = random() & mask;
    }
    const Catalogue catalogue = testing::oneSongCatalogue(measures);
    recalcAllBeatTypes(chart, catalogue);
    ViewSettings settings;
    std::tie(settings.SheetBlocks, settings.ShowNum, settings.BeatLineStyle) =
        std::tuple(static_cast<int16_t>(blocks), uint8_t{1}, beatLines);
    Result<QImage> sheet = renderChartSheet(chart, catalogue, settings, kHeadlessTwipsPerPixel, SheetImages());
    ASSERT_TRUE(sheet.ok());
    EXPECT_EQ(fingerprint(*sheet), expected) << measures << " measures";
  }
}

}  // namespace
}  // namespace tarveno
