#include <gtest/gtest.h>

#include <QPainter>
#include <cstdio>
#include <random>
#include <set>

#include "render/png_writer.h"
#include "render/sheet_images.h"
#include "render/sheet_renderer.h"
#include "support/test_catalogue.h"
#include "support/test_paths.h"

namespace tarveno {
namespace {

constexpr PngOption kOptions[] = {PngOption::Standard, PngOption::Speed, PngOption::Smallest};

// `count` distinct random colours (random alpha too when `alpha`), in runs of random length so
// that the picture is partly flat like a sheet; every colour appears at least once.
QImage randomPicture(int width, int height, int count, bool alpha, uint32_t seed) {
  std::mt19937 random(seed);
  std::set<QRgb> distinct;
  while (static_cast<int>(distinct.size()) < count) {
    const QRgb c = random();
    distinct.insert(alpha ? c : (c | 0xFF000000u));
  }
  const std::vector<QRgb> colours(distinct.begin(), distinct.end());
  QImage image(width, height, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  image.setDotsPerMeterX(3780);
  image.setDotsPerMeterY(2000);
  int left = 0;
  QRgb current = colours[0];
  for (int i = 0; i < width * height; ++i) {
    if (i < count) {
      current = colours[static_cast<size_t>(i)];
    } else if (left-- <= 0) {
      current = colours[random() % colours.size()];
      left = static_cast<int>(random() % 12);
    }
    image.setPixel(i % width, i / width, current);
  }
  return image;
}

// The bit depth and colour type of the IHDR chunk, which always comes first.
std::pair<int, int> depthAndType(const QByteArray& png) {
  return {static_cast<uchar>(png.at(24)), static_cast<uchar>(png.at(25))};
}

TEST(PngWriterTest, RandomPicturesOfOneTo300ColoursDecodeToTheSamePixelsWithEveryOption) {
  // colours -> {bit depth, colour type}: palette (3) up to 256 colours at the smallest depth that
  // holds them, truecolour (2) beyond.
  const std::pair<int, std::pair<int, int>> cases[] = {{1, {1, 3}},   {2, {1, 3}},   {3, {2, 3}},  {4, {2, 3}},
                                                       {5, {4, 3}},   {16, {4, 3}},  {17, {8, 3}}, {200, {8, 3}},
                                                       {256, {8, 3}}, {257, {8, 2}}, {300, {8, 2}}};
  const QSize sizes[] = {{1, 300}, {7, 43}, {33, 17}, {61, 29}};
  for (const auto& [count, format] : cases) {
    for (const QSize size : sizes) {
      if (size.width() * size.height() < count) continue;
      const QImage image = randomPicture(size.width(), size.height(), count, false, static_cast<uint32_t>(count));
      for (const PngOption option : kOptions) {
        Result<QByteArray> png = encodePng(image, option);
        ASSERT_TRUE(png.ok());
        const QImage decoded = QImage::fromData(*png, "PNG");
        EXPECT_EQ(decoded.convertToFormat(QImage::Format_RGB32), image)
            << count << " colours, " << size.width() << "x" << size.height() << ", option " << int(option);
        EXPECT_EQ(depthAndType(*png), format) << count << " colours";
        EXPECT_EQ(std::pair(decoded.dotsPerMeterX(), decoded.dotsPerMeterY()), std::pair(3780, 2000));
      }
    }
  }
}

TEST(PngWriterTest, TranslucentPicturesKeepTheirAlphaWithAndWithoutAPalette) {
  for (const int count : {3, 40, 300}) {
    const QImage image = randomPicture(37, 23, count, true, 7u + static_cast<uint32_t>(count));
    for (const PngOption option : kOptions) {
      Result<QByteArray> png = encodePng(image, option);
      ASSERT_TRUE(png.ok());
      EXPECT_EQ(QImage::fromData(*png, "PNG").convertToFormat(QImage::Format_ARGB32), image)
          << count << " colours, option " << int(option);
    }
  }
}

// A real sheet, read back by Qt and by ImageMagick (when installed), which share no code with
// this writer. It is large enough to be compressed in parts.
TEST(PngWriterTest, ASheetReadsBackExactlyThroughTwoDecoders) {
  Catalogue catalogue = testing::oneSongCatalogue(300);
  Chart chart;
  chart.PlayStyle = PlayStyle::Double;
  std::mt19937 random(5);
  for (int m = 0; m < 300; ++m) {
    for (int s = 0; s < 16; s += 2) chart.StepData[static_cast<size_t>(m)][static_cast<size_t>(s)] = random() & 0xFF;
  }
  recalcAllBeatTypes(chart, catalogue);
  ViewSettings settings;
  settings.ShowNum = 1;
  settings.SheetBlocks = 32;
  SheetImages images;
  Result<QImage> sheet = renderChartSheet(chart, catalogue, settings, kHeadlessTwipsPerPixel, images);
  ASSERT_TRUE(sheet.ok());
  ASSERT_GT(sheet->width() * sheet->height() / 2, 512 * 1024) << "too small to be compressed in parts";
  const QImage expected = sheet->convertToFormat(QImage::Format_RGB888);
  testing::TempDir dir;
  for (const PngOption option : kOptions) {
    Result<QByteArray> png = encodePng(*sheet, option);
    ASSERT_TRUE(png.ok());
    EXPECT_EQ(QImage::fromData(*png, "PNG").convertToFormat(QImage::Format_RGB888), expected) << int(option);
    const std::filesystem::path file = dir / "sheet.png";
    testing::writeAll(file, png->toStdString());
    FILE* pipe = ::popen(("convert '" + file.string() + "' -depth 8 rgb:- 2>/dev/null").c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string decoded;
    char buffer[65536];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) decoded.append(buffer, n);
    if (::pclose(pipe) != 0) GTEST_SKIP() << "ImageMagick's convert is not available";
    std::string pixels;
    for (int y = 0; y < expected.height(); ++y) {
      pixels.append(reinterpret_cast<const char*>(expected.constScanLine(y)),
                    static_cast<size_t>(expected.width()) * 3);
    }
    EXPECT_EQ(decoded == pixels, true) << "ImageMagick decodes option " << int(option) << " differently";
  }
}

}  // namespace
}  // namespace tarveno
