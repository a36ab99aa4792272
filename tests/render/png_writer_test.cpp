#include <gtest/gtest.h>

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

// `count` distinct random colours (translucent ones too when `alpha`), in runs of random length
// as in flat pictures, every colour at least once.
QImage randomPicture(QSize size, int count, bool alpha) {
  std::mt19937 random(static_cast<uint32_t>(count));
  std::set<QRgb> distinct;
  while (static_cast<int>(distinct.size()) < count) distinct.insert(random() | (alpha ? 0u : 0xFF000000u));
  const std::vector<QRgb> colours(distinct.begin(), distinct.end());
  QImage image(size, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  image.setDotsPerMeterX(3780);
  image.setDotsPerMeterY(2000);
  for (int i = 0, left = 0, c = 0; i < size.width() * size.height(); ++i) {
    if (i < count || left-- <= 0) std::tie(c, left) = std::pair(i < count ? i : random() % count, random() % 12);
    image.setPixel(i % size.width(), i / size.width(), colours[static_cast<size_t>(c)]);
  }
  return image;
}

TEST(PngWriterTest, RandomPicturesOfOneTo300ColoursDecodeToTheSamePixelsWithEveryOption) {
  // colours -> IHDR bit depth and colour type: a palette (3) up to 256 colours at the smallest
  // depth that holds them, truecolour (2, or 6 with alpha) beyond.
  const std::pair<int, std::pair<int, int>> cases[] = {{1, {1, 3}},   {2, {1, 3}},   {3, {2, 3}},  {4, {2, 3}},
                                                       {5, {4, 3}},   {16, {4, 3}},  {17, {8, 3}}, {200, {8, 3}},
                                                       {256, {8, 3}}, {257, {8, 2}}, {300, {8, 2}}};
  for (const auto& [count, format] : cases) {
    for (const QSize size : {QSize(1, 300), QSize(7, 43), QSize(33, 17), QSize(61, 29)}) {
      for (const bool alpha : {false, true}) {
        const QImage image = randomPicture(size, count, alpha);
        const QImage::Format pixels = alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32;
        for (const PngOption option : kOptions) {
          Result<QByteArray> png = encodePng(image, option);
          ASSERT_TRUE(png.ok());
          const QImage decoded = QImage::fromData(*png, "PNG");
          const std::string what = std::to_string(count) + " colours, width " + std::to_string(size.width()) +
                                   (alpha ? " with alpha" : "") + ", option " + std::to_string(int(option));
          EXPECT_EQ(decoded.convertToFormat(pixels), image) << what;
          const std::pair<int, int> expected(format.first, format.second == 2 && alpha ? 6 : format.second);
          const std::pair<int, int> written(uchar(png->at(24)), uchar(png->at(25)));
          EXPECT_EQ(written, expected) << what;
          EXPECT_EQ(std::pair(decoded.dotsPerMeterX(), decoded.dotsPerMeterY()), std::pair(3780, 2000)) << what;
        }
      }
    }
  }
}

// A real sheet large enough to be compressed in parts, read back by Qt and by ImageMagick
// (when installed), which share no code with this writer.
TEST(PngWriterTest, ASheetReadsBackExactlyThroughTwoDecoders) {
  Catalogue catalogue = testing::oneSongCatalogue(300);
  Chart chart;
  chart.PlayStyle = PlayStyle::Double;
  std::mt19937 random(5);
  for (auto& measure : chart.StepData) measure[random() % 16] = random() & 0xFF;
  recalcAllBeatTypes(chart, catalogue);
  ViewSettings settings;
  std::tie(settings.ShowNum, settings.SheetBlocks) = std::tuple(1, 32);
  Result<QImage> sheet = renderChartSheet(chart, catalogue, settings, kHeadlessTwipsPerPixel, SheetImages());
  ASSERT_TRUE(sheet.ok());
  ASSERT_GT(sheet->width() * sheet->height() / 2, 512 * 1024) << "too small to be compressed in parts";
  const QImage expected = sheet->convertToFormat(QImage::Format_RGB888);
  testing::TempDir dir;
  for (const PngOption option : kOptions) {
    Result<QByteArray> png = encodePng(*sheet, option);
    ASSERT_TRUE(png.ok());
    EXPECT_EQ(QImage::fromData(*png, "PNG").convertToFormat(QImage::Format_RGB888), expected) << int(option);
    testing::writeAll(dir / "sheet.png", png->toStdString());
    testing::writeAll(dir / "sheet.rgb", "");
    const std::string command = "convert '" + (dir / "sheet.png").string() +
                                "' -depth 8 'rgb:" + (dir / "sheet.rgb").string() + "' 2>/dev/null";
    if (std::system(command.c_str()) != 0) GTEST_SKIP() << "ImageMagick's convert is not available";
    const std::string decoded = testing::readAll(dir / "sheet.rgb");
    std::string pixels;  // the rows without their padding to whole words
    for (int y = 0; y < expected.height(); ++y)
      pixels.append(expected.constScanLine(y), expected.constScanLine(y) + expected.width() * 3);
    EXPECT_EQ(decoded == pixels, true) << "ImageMagick decodes option " << int(option) << " differently";
  }
}

}  // namespace
}  // namespace tarveno
