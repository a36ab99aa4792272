#include <gtest/gtest.h>
#include <sys/stat.h>
#include <QPainter>

#include "render/image_export.h"
#include "support/test_paths.h"
#include "words/messages.h"

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
  // Smallest < Standard < Speed.
  EXPECT_LT(sizes[2], sizes[0]);
  EXPECT_LT(sizes[0], sizes[1]);

  Result<QByteArray> baseline = encodeImage(image, {ImageType::Jpeg, PngOption::Standard, 80, false});
  Result<QByteArray> progressive = encodeImage(image, {ImageType::Jpeg, PngOption::Standard, 80, true});
  Result<QByteArray> low = encodeImage(image, {ImageType::Jpeg, PngOption::Standard, 10, false});
  ASSERT_TRUE(baseline.ok());
  ASSERT_TRUE(progressive.ok());
  ASSERT_TRUE(low.ok());
  // Start-of-frame markers: C0 baseline, C2 progressive.
  EXPECT_EQ(std::tuple(hasMarker(*baseline, 0xC0), hasMarker(*baseline, 0xC2), hasMarker(*progressive, 0xC2)),
            std::tuple(true, false, true));
  EXPECT_LT(low->size(), baseline->size());
}

// A refused save keeps the old file, and its message names the file once. (A read-only file is
// refused for root too.)
TEST(SheetImageExportTest, AFailedSaveKeepsTheOldFileAndNamesItOnce) {
  TempDir dir;
  writeAll(dir / "locked.png", "keep");
  ::chmod((dir / "locked.png").c_str(), 0444);
  for (const std::filesystem::path& path : {dir / "locked.png", dir / "gone" / "sheet.bmp"}) {
    const Status saved = saveImage(samplePicture(), path, {});
    ASSERT_FALSE(saved.ok()) << path;
    const std::string text = describe(saved.error()).toStdString();
    EXPECT_EQ(std::pair(text.find(path.string()) != std::string::npos, text.find(path.string())),
              std::pair(true, text.rfind(path.string())))
        << text;
  }
  EXPECT_EQ(readAll(dir / "locked.png"), "keep");
}

}  // namespace
}  // namespace tarveno
