#include <gtest/gtest.h>
#include <sys/stat.h>
#include <QPainter>

#include "render/image_export.h"
#include "support/test_paths.h"

namespace tarveno {
namespace {

using testing::readAll;
using testing::TempDir;
using testing::writeAll;

// A sheet-like picture: bands and boxes in a couple of hundred flat colours.
QImage samplePicture() {
  QImage image(400, 300, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  for (int y = 0; y < 300; y += 32) painter.fillRect(0, y, 400, 16, QColor(0, 255, 255));
  for (int i = 0; i < 300; ++i) painter.fillRect((i * 37) % 390, (i * 91) % 290, 9, 9, QColor((i * 53) % 200, 0, 200));
  painter.end();
  return image;
}

bool hasMarker(const QByteArray& bytes, uchar second) {
  return bytes.contains(QByteArray("\xFF", 1) + char(second));
}

TEST(SheetImageExportTest, PngOptionsChangeTheSizeNotThePixelsAndJpegIsProgressiveOnlyWhenAsked) {
  const QImage image = samplePicture();
  qsizetype sizes[3] = {};
  for (int option = 0; option < 3; ++option) {
    Result<QByteArray> bytes = encodeImage(image, {ImageType::Png, static_cast<PngOption>(option)});
    ASSERT_TRUE(bytes.ok());
    sizes[option] = bytes->size();
    EXPECT_EQ(QImage::fromData(*bytes, "PNG").convertToFormat(QImage::Format_RGB32), image) << option;
  }
  // Smallest < Standard < Speed, each by a clear margin.
  EXPECT_LT(sizes[2] * 5 / 4, sizes[0]);
  EXPECT_LT(sizes[0] * 21 / 20, sizes[1]);

  Result<QByteArray> baseline = encodeImage(image, {ImageType::Jpeg, PngOption::Standard, 80, false});
  Result<QByteArray> progressive = encodeImage(image, {ImageType::Jpeg, PngOption::Standard, 80, true});
  ASSERT_TRUE(baseline.ok() && progressive.ok());
  EXPECT_TRUE(hasMarker(*baseline, 0xC0) && !hasMarker(*baseline, 0xC2));
  EXPECT_TRUE(hasMarker(*progressive, 0xC2));
  Result<QByteArray> low = encodeImage(image, {ImageType::Jpeg, PngOption::Standard, 10, false});
  EXPECT_LT(low->size(), baseline->size());
}

// Saving goes through the safe writer: a read-only file is refused, for root too, and keeps its
// content.
TEST(SheetImageExportTest, RefusesReadOnlyFiles) {
  TempDir dir;
  writeAll(dir / "locked.png", "keep");
  ::chmod((dir / "locked.png").c_str(), 0444);
  EXPECT_FALSE(saveImage(samplePicture(), dir / "locked.png", {}).ok());
  EXPECT_EQ(readAll(dir / "locked.png"), "keep");
}

}  // namespace
}  // namespace tarveno
