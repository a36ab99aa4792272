#include <gtest/gtest.h>
#include <array>
#include <tuple>
#include <vector>

#include "render/arrow_images.h"
#include "render/masked_image.h"
#include "render/note_icons.h"
#include "render/sheet_images.h"
#include "render/toolbar_images.h"

namespace tarveno {
namespace {

bool isMask(const QImage& image, int x, int y, QRgb mask) {
  return image.pixel(x, y) == mask;
}

// Every picture has its size and some pixels of its own, and differs from every other one, so
// no index shows another's picture.
void expectDistinctPictures(const std::vector<QImage>& pictures, int size, QRgb mask) {
  for (size_t n = 0; n < pictures.size(); ++n) {
    int own = 0;
    for (int p = 0; p < size * size; ++p) own += !isMask(pictures[n], p % size, p / size, mask);
    EXPECT_EQ(std::tuple(pictures[n].size(), own > size, own < size * size), std::tuple(QSize(size, size), true, true))
        << n;
    for (size_t m = 0; m < n; ++m) EXPECT_NE(pictures[n], pictures[m]) << n << " and " << m;
  }
}

TEST(RenderImageListsTest, EveryPictureIsItsOwnArrowsPointTheirWayAndTheDrawSkipsOnlyTheMask) {
  const ArrowImages arrows;
  const ToolbarImages toolbar;
  const SheetImages sheetImages;
  std::vector<QImage> arrowPictures, toolbarPictures, notes, sheetPictures;
  for (int i = 1; i <= kArrowImageCount; ++i) {
    // A hold's body looks the same whichever way its arrow points; only its head differs.
    if (i <= freezeBodyIndex(0) || (i - freezeHeadIndex(0)) % 3 == 0) arrowPictures.push_back(arrows.image(i));
  }
  for (int i = 1; i <= kToolbarImageCount; ++i) toolbarPictures.push_back(toolbar.image(i));
  for (int k = 0; k < kNoteValueCount; ++k) notes.push_back(noteValueIcon(static_cast<NoteValue>(k), 24));
  // The sheet's: a class filled red, blue, yellow or green (by hue) in the middle of every arrow.
  for (int i = 1; i <= kSheetImageCount; ++i) {
    sheetPictures.push_back(sheetImages.image(i));
    EXPECT_EQ(QColor(sheetImages.image(i).pixel(8, 8)).hue(), (std::array{0, 240, 60, 120})[(i - 1) / 4]) << i;
  }
  expectDistinctPictures(sheetPictures, 16, kSheetMaskColor);
  expectDistinctPictures(arrowPictures, 32, kArrowMaskColor);
  expectDistinctPictures(toolbarPictures, 16, kToolbarMaskColor);
  expectDistinctPictures(notes, 24, 0u);  // on real transparency

  // The tip stands 2 pixels inside the edge it points at; the wings of the head tell it from
  // the shaft's end, and the corners beside the tip stay clear.
  const std::tuple<int, int, int, bool> probes[] = {
      // direction, x, y, drawn
      {2, 16, 3, true},  {2, 3, 28, false}, {2, 3, 4, false}, {1, 16, 28, true}, {1, 3, 3, false},  {1, 6, 18, true},
      {1, 6, 13, false}, {0, 3, 16, true},  {0, 14, 6, true}, {0, 28, 3, false}, {3, 28, 16, true}, {3, 3, 3, false}};
  for (const auto& [direction, x, y, drawn] : probes) {
    EXPECT_EQ(isMask(arrows.image(arrowImageIndex(0, direction)), x, y, kArrowMaskColor), !drawn)
        << direction << " " << x << "," << y;
  }

  QImage target(40, 40, QImage::Format_RGB32);
  target.fill(0xFF123456u);
  arrows.draw(target, arrowImageIndex(1, 2), 4, 4);
  EXPECT_EQ(target.pixel(4, 4), 0xFF123456u);  // a mask corner
  EXPECT_EQ(target.pixel(20, 20), arrows.image(arrowImageIndex(1, 2)).pixel(16, 16));
  for (int at : {-20, 30, 100}) arrows.draw(target, 1, at, at);  // within memory at every edge

  // A painted pixel that happens to be the mask colour is kept, nudged off it.
  QImage painted = transparentCanvas(2, 1);
  painted.setPixel(0, 0, kArrowMaskColor);
  const QImage flat = flattenOnMask(painted, kArrowMaskColor);
  const QImage alpha = maskToAlpha(flat, kArrowMaskColor);
  EXPECT_EQ(std::tuple(isMask(flat, 0, 0, kArrowMaskColor), isMask(flat, 1, 0, kArrowMaskColor),
                       qAlpha(alpha.pixel(0, 0)), qAlpha(alpha.pixel(1, 0))),
            std::tuple(false, true, 255, 0));
}

}  // namespace
}  // namespace tarveno
