#include <gtest/gtest.h>

#include "render/arrow_images.h"
#include "render/masked_image.h"
#include "render/toolbar_images.h"

namespace tarveno {
namespace {

bool isMask(const QImage& image, int x, int y, QRgb mask) {
  return (image.pixel(x, y) | 0xFF000000u) == mask;
}

int opaqueCount(const QImage& image, QRgb mask) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) n += isMask(image, x, y, mask) ? 0 : 1;
  }
  return n;
}

// Mean colour of the picture's own pixels.
QColor meanColor(const QImage& image, QRgb mask) {
  long r = 0, g = 0, b = 0, n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (isMask(image, x, y, mask)) continue;
      const QRgb p = image.pixel(x, y);
      r += qRed(p);
      g += qGreen(p);
      b += qBlue(p);
      ++n;
    }
  }
  return n ? QColor(int(r / n), int(g / n), int(b / n)) : QColor();
}

TEST(RenderArrowImagesTest, FortyFourPicturesOnTheMaskColour) {
  const ArrowImages images;
  for (int i = 1; i <= kArrowImageCount; ++i) {
    const QImage& image = images.image(i);
    EXPECT_EQ(image.size(), QSize(32, 32)) << i;
    EXPECT_EQ(image.format(), QImage::Format_RGB32) << i;
    EXPECT_TRUE(isMask(image, 0, 0, kArrowMaskColor)) << i;
    EXPECT_GT(opaqueCount(image, kArrowMaskColor), 40) << i;
  }
}

TEST(RenderArrowImagesTest, GroupsHaveTheirColours) {
  const ArrowImages images;
  for (int d = 0; d < 4; ++d) {
    const QColor red = meanColor(images.image(arrowImageIndex(0, d)), kArrowMaskColor);
    const QColor blue = meanColor(images.image(arrowImageIndex(1, d)), kArrowMaskColor);
    const QColor yellow = meanColor(images.image(arrowImageIndex(2, d)), kArrowMaskColor);
    const QColor green = meanColor(images.image(arrowImageIndex(3, d)), kArrowMaskColor);
    EXPECT_GT(red.red(), red.green() + 60);
    EXPECT_GT(blue.blue(), blue.red() + 60);
    EXPECT_GT(yellow.green(), yellow.blue() + 60);
    EXPECT_GT(yellow.red(), yellow.blue() + 60);
    EXPECT_GT(green.green(), green.red() + 60);
    // The ghost of each group is mostly white.
    const QColor ghost = meanColor(images.image(ghostImageIndex(0, d)), kArrowMaskColor);
    EXPECT_GT(ghost.green(), 150) << d;
    // Preview bodies are yellow, placed bodies green.
    const QColor preview = meanColor(images.image(freezePreviewIndex(d)), kArrowMaskColor);
    const QColor body = meanColor(images.image(freezeBodyIndex(d)), kArrowMaskColor);
    EXPECT_GT(preview.red(), preview.blue() + 60);
    EXPECT_GT(body.green(), body.red() + 60);
  }
}

TEST(RenderArrowImagesTest, ArrowsPointTheirWay) {
  const ArrowImages images;
  // The tip stands 2 pixels inside the edge it points at; the opposite edge's middle is the
  // shaft's end, 2 pixels inside too, and the corners beside the tip stay transparent.
  const QImage& left = images.image(arrowImageIndex(0, 0));
  const QImage& down = images.image(arrowImageIndex(0, 1));
  const QImage& up = images.image(arrowImageIndex(0, 2));
  const QImage& right = images.image(arrowImageIndex(0, 3));
  EXPECT_FALSE(isMask(up, 16, 3, kArrowMaskColor));
  EXPECT_TRUE(isMask(up, 3, 28, kArrowMaskColor));
  EXPECT_TRUE(isMask(up, 3, 4, kArrowMaskColor));
  EXPECT_FALSE(isMask(down, 16, 28, kArrowMaskColor));
  EXPECT_TRUE(isMask(down, 3, 3, kArrowMaskColor));
  EXPECT_FALSE(isMask(down, 6, 18, kArrowMaskColor));
  EXPECT_TRUE(isMask(down, 6, 13, kArrowMaskColor));
  EXPECT_FALSE(isMask(left, 3, 16, kArrowMaskColor));
  EXPECT_FALSE(isMask(left, 14, 6, kArrowMaskColor));
  EXPECT_TRUE(isMask(left, 28, 3, kArrowMaskColor));
  EXPECT_FALSE(isMask(right, 28, 16, kArrowMaskColor));
  EXPECT_TRUE(isMask(right, 3, 3, kArrowMaskColor));
}

TEST(RenderArrowImagesTest, TransparentDrawSkipsOnlyTheMask) {
  const ArrowImages images;
  QImage target(40, 40, QImage::Format_RGB32);
  target.fill(0xFF123456u);
  images.draw(target, arrowImageIndex(1, 2), 4, 4);
  EXPECT_EQ(target.pixel(4, 4), 0xFF123456u);  // a mask corner
  EXPECT_EQ(target.pixel(20, 20), images.image(arrowImageIndex(1, 2)).pixel(16, 16));
  // Clipped at every edge without touching memory outside.
  images.draw(target, 1, -20, -20);
  images.draw(target, 1, 30, 30);
  images.draw(target, 1, 100, 100);
  SUCCEED();
}

TEST(RenderMaskedImageTest, FlatteningNeverLosesAPixelToTheMask) {
  QImage painted = transparentCanvas(2, 1);
  painted.setPixel(0, 0, kArrowMaskColor);  // opaque, exactly the mask colour
  const QImage flat = flattenOnMask(painted, kArrowMaskColor);
  EXPECT_NE(flat.pixel(0, 0) | 0xFF000000u, kArrowMaskColor);
  EXPECT_EQ(flat.pixel(1, 0) | 0xFF000000u, kArrowMaskColor);
  const QImage alpha = maskToAlpha(flat, kArrowMaskColor);
  EXPECT_EQ(qAlpha(alpha.pixel(1, 0)), 0);
  EXPECT_EQ(qAlpha(alpha.pixel(0, 0)), 255);
}

TEST(RenderToolbarImagesTest, NineteenPicturesWithTheMarkerKeys) {
  const ToolbarImages images;
  for (int i = 1; i <= kToolbarImageCount; ++i) {
    const QImage& image = images.image(i);
    EXPECT_EQ(image.size(), QSize(16, 16)) << i;
    EXPECT_GT(opaqueCount(image, kToolbarMaskColor), 10) << i;
    EXPECT_LT(opaqueCount(image, kToolbarMaskColor), 256) << i;
  }
  EXPECT_EQ(ToolbarImages::key(kImgSelStart1), QStringLiteral("selstart1"));
  EXPECT_EQ(ToolbarImages::key(kImgSelStart2), QStringLiteral("selstart2"));
  EXPECT_EQ(ToolbarImages::key(kImgSelEnd1), QStringLiteral("selend1"));
  EXPECT_EQ(ToolbarImages::key(kImgSelEnd2), QStringLiteral("selend2"));
  EXPECT_TRUE(ToolbarImages::key(kImgDisk).isEmpty());
  const QColor start = meanColor(images.image(kImgSelStart1), kToolbarMaskColor);
  const QColor end = meanColor(images.image(kImgSelEnd1), kToolbarMaskColor);
  EXPECT_GT(start.red(), start.blue() + 60);
  EXPECT_GT(end.blue(), end.red() + 60);
  // The white-edged markers carry white pixels the plain ones lack.
  auto whites = [&](int index) {
    int n = 0;
    const QImage& image = images.image(index);
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 16; ++x) n += (image.pixel(x, y) | 0xFF000000u) == 0xFFFFFFFFu;
    }
    return n;
  };
  EXPECT_GT(whites(kImgSelStart2), whites(kImgSelStart1) + 5);
  EXPECT_GT(whites(kImgSelEnd2), whites(kImgSelEnd1) + 5);
}

}  // namespace
}  // namespace tarveno
