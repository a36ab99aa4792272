#include <gtest/gtest.h>
#include <numeric>
#include <vector>

#include "render/arrow_images.h"
#include "render/masked_image.h"
#include "render/note_icons.h"
#include "render/toolbar_images.h"

namespace tarveno {
namespace {

bool isMask(const QImage& image, int x, int y, QRgb mask) {
  return (image.pixel(x, y) | 0xFF000000u) == mask;
}

// Every picture has its size and some pixels of its own, and differs from every other one, so
// no index shows another's picture.
template <class Image>
void expectDistinctPictures(const std::vector<int>& indices, int size, QRgb mask, const Image& image) {
  for (size_t n = 0; n < indices.size(); ++n) {
    const QImage& a = image(indices[n]);
    EXPECT_EQ(a.size(), QSize(size, size)) << indices[n];
    int own = 0;
    for (int p = 0; p < size * size; ++p) own += !isMask(a, p % size, p / size, mask);
    EXPECT_GT(own, size) << indices[n];
    EXPECT_LT(own, size * size) << indices[n];
    for (size_t m = 0; m < n; ++m) EXPECT_NE(a, image(indices[m])) << indices[n] << " and " << indices[m];
  }
}

std::vector<int> oneTo(int count) {
  std::vector<int> indices(static_cast<size_t>(count));
  std::iota(indices.begin(), indices.end(), 1);
  return indices;
}

TEST(RenderImageListsTest, EveryPictureIsItsOwn) {
  const ArrowImages arrows;
  std::vector<int> arrowIndices = oneTo(kArrowImageCount);
  // A hold's body looks the same whichever way its arrow points; only its head differs.
  std::erase_if(arrowIndices, [](int i) { return i > freezeBodyIndex(0) && (i - freezeHeadIndex(0)) % 3 != 0; });
  expectDistinctPictures(arrowIndices, 32, kArrowMaskColor, [&](int i) -> const QImage& { return arrows.image(i); });
  const ToolbarImages toolbar;
  expectDistinctPictures(oneTo(kToolbarImageCount), 16, kToolbarMaskColor,
                         [&](int i) -> const QImage& { return toolbar.image(i); });

  // The four note symbols differ from each other and from a blank square.
  std::vector<QImage> notes;
  for (int k = 0; k < kNoteValueCount; ++k) notes.push_back(noteValueIcon(static_cast<NoteValue>(k), 24));
  notes.push_back(QImage(notes[0].size(), notes[0].format()));
  notes.back().fill(Qt::transparent);
  for (size_t i = 0; i < notes.size(); ++i) {
    for (size_t j = 0; j < i; ++j) EXPECT_NE(notes[i], notes[j]) << i << " and " << j;
  }

  EXPECT_EQ(ToolbarImages::key(kImgSelStart1), QStringLiteral("selstart1"));
  EXPECT_EQ(ToolbarImages::key(kImgSelStart2), QStringLiteral("selstart2"));
  EXPECT_EQ(ToolbarImages::key(kImgSelEnd1), QStringLiteral("selend1"));
  EXPECT_EQ(ToolbarImages::key(kImgSelEnd2), QStringLiteral("selend2"));
  EXPECT_TRUE(ToolbarImages::key(kImgDisk).isEmpty());
}

TEST(RenderImageListsTest, ArrowsPointTheirWay) {
  const ArrowImages images;
  // The tip stands 2 pixels inside the edge it points at; the wings of the head tell it from
  // the shaft's end, and the corners beside the tip stay clear.
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

TEST(RenderImageListsTest, TransparentDrawSkipsOnlyTheMaskAndClips) {
  const ArrowImages images;
  QImage target(40, 40, QImage::Format_RGB32);
  target.fill(0xFF123456u);
  images.draw(target, arrowImageIndex(1, 2), 4, 4);
  EXPECT_EQ(target.pixel(4, 4), 0xFF123456u);  // a mask corner
  EXPECT_EQ(target.pixel(20, 20), images.image(arrowImageIndex(1, 2)).pixel(16, 16));
  for (int at : {-20, 30, 100}) images.draw(target, 1, at, at);  // within memory at every edge

  // A painted pixel that happens to be the mask colour is kept, nudged off it.
  QImage painted = transparentCanvas(2, 1);
  painted.setPixel(0, 0, kArrowMaskColor);
  const QImage flat = flattenOnMask(painted, kArrowMaskColor);
  EXPECT_FALSE(isMask(flat, 0, 0, kArrowMaskColor));
  EXPECT_TRUE(isMask(flat, 1, 0, kArrowMaskColor));
  const QImage alpha = maskToAlpha(flat, kArrowMaskColor);
  EXPECT_EQ(std::pair(qAlpha(alpha.pixel(0, 0)), qAlpha(alpha.pixel(1, 0))), std::pair(255, 0));
}

}  // namespace
}  // namespace tarveno
