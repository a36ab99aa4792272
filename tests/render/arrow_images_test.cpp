#include <gtest/gtest.h>

#include "render/arrow_images.h"
#include "render/masked_image.h"
#include "render/toolbar_images.h"

namespace tarveno {
namespace {

bool isMask(const QImage& image, int x, int y, QRgb mask) {
  return (image.pixel(x, y) | 0xFF000000u) == mask;
}

// Number of pixels that are (or, with `equal` false, are not) the given colour.
int countPixels(const QImage& image, QRgb color, bool equal) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) n += isMask(image, x, y, color) == equal;
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

TEST(RenderArrowImagesTest, FortyFourPicturesInTheirGroupColours) {
  const ArrowImages images;
  for (int i = 1; i <= kArrowImageCount; ++i) {
    const QImage& image = images.image(i);
    EXPECT_EQ(image.size(), QSize(32, 32)) << i;
    EXPECT_TRUE(isMask(image, 0, 0, kArrowMaskColor)) << i;
    EXPECT_GT(countPixels(image, kArrowMaskColor, false), 40) << i;
  }
  auto mean = [&](int index) { return meanColor(images.image(index), kArrowMaskColor); };
  for (int d = 0; d < 4; ++d) {
    SCOPED_TRACE(d);
    const QColor red = mean(arrowImageIndex(0, d)), blue = mean(arrowImageIndex(1, d));
    const QColor yellow = mean(arrowImageIndex(2, d)), green = mean(arrowImageIndex(3, d));
    EXPECT_GT(red.red(), red.green() + 60);
    EXPECT_GT(blue.blue(), blue.red() + 60);
    EXPECT_GT(yellow.green(), yellow.blue() + 60);
    EXPECT_GT(yellow.red(), yellow.blue() + 60);
    EXPECT_GT(green.green(), green.red() + 60);
    EXPECT_GT(mean(ghostImageIndex(0, d)).green(), 150);  // ghosts are mostly white
    // Preview bodies are yellow, placed bodies green.
    const QColor preview = mean(freezePreviewIndex(d)), body = mean(freezeBodyIndex(d));
    EXPECT_GT(preview.red(), preview.blue() + 60);
    EXPECT_GT(body.green(), body.red() + 60);
  }
}

TEST(RenderArrowImagesTest, ArrowsPointTheirWay) {
  const ArrowImages images;
  // The tip stands 2 pixels inside the edge it points at; the opposite edge's middle is the
  // shaft's end, 2 pixels inside too, and the corners beside the tip stay transparent.
  struct Probe {
    int direction, x, y;
    bool drawn;
  };
  const Probe probes[] = {{2, 16, 3, true}, {2, 3, 28, false}, {2, 3, 4, false},  {1, 16, 28, true},
                          {1, 3, 3, false}, {1, 6, 18, true},  {1, 6, 13, false}, {0, 3, 16, true},
                          {0, 14, 6, true}, {0, 28, 3, false}, {3, 28, 16, true}, {3, 3, 3, false}};
  for (const Probe& p : probes) {
    const QImage& image = images.image(arrowImageIndex(0, p.direction));
    EXPECT_EQ(isMask(image, p.x, p.y, kArrowMaskColor), !p.drawn) << p.direction << " " << p.x << "," << p.y;
  }
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
    EXPECT_GT(countPixels(image, kToolbarMaskColor, false), 10) << i;
    EXPECT_LT(countPixels(image, kToolbarMaskColor, false), 256) << i;
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
  auto whites = [&](int index) { return countPixels(images.image(index), 0xFFFFFFFFu, true); };
  EXPECT_GT(whites(kImgSelStart2), whites(kImgSelStart1) + 5);
  EXPECT_GT(whites(kImgSelEnd2), whites(kImgSelEnd1) + 5);
}

}  // namespace
}  // namespace tarveno
