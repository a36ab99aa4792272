#include "render/sheet_images.h"

#include <algorithm>

namespace tarveno {

namespace {

const QRgb kClassFill[4] = {qRgb(247, 0, 0), qRgb(0, 0, 255), qRgb(255, 255, 0), qRgb(0, 255, 0)};
const QRgb kOutline = qRgb(0, 0, 0);

// The arrow pointing up, in cell coordinates (u across, v down from the tip): a head whose
// rows widen by one pixel on each side down to the full width, over a six-pixel shaft. Worked
// out per pixel rather than painted, so the four turns are exact mirror images of each other.
bool insideUpArrow(int u, int v) {
  if (u < 0 || v < 0 || u >= kSheetImageSize || v >= kSheetImageSize) return false;
  constexpr int kHeadRows = 8;
  constexpr int kShaftLeft = 5;
  constexpr int kShaftRight = 10;
  if (v < kHeadRows) return u >= 7 - v && u <= 8 + v;
  return u >= kShaftLeft && u <= kShaftRight;
}

// Maps a pixel of the picture for `direction` to the up arrow's cell coordinates.
bool inside(int direction, int x, int y) {
  constexpr int last = kSheetImageSize - 1;
  switch (direction) {
    case 0:
      return insideUpArrow(y, x);  // left: the tip at x = 0
    case 1:
      return insideUpArrow(x, last - y);  // down
    case 2:
      return insideUpArrow(x, y);  // up
    default:
      return insideUpArrow(y, last - x);  // right
  }
}

QImage paintArrow(int direction, QRgb fill) {
  QImage image(kSheetImageSize, kSheetImageSize, QImage::Format_RGB32);
  image.fill(kSheetMaskColor);
  for (int y = 0; y < kSheetImageSize; ++y) {
    for (int x = 0; x < kSheetImageSize; ++x) {
      if (!inside(direction, x, y)) continue;
      // A pixel of the shape next to the outside (or the cell edge) is outline.
      const bool edge = !inside(direction, x - 1, y) || !inside(direction, x + 1, y) || !inside(direction, x, y - 1) ||
                        !inside(direction, x, y + 1);
      image.setPixel(x, y, edge ? kOutline : fill);
    }
  }
  return image;
}

}  // namespace

SheetImages::SheetImages() {
  std::vector<QImage> images(kSheetImageCount);
  for (int cls = 0; cls < 4; ++cls) {
    for (int d = 0; d < 4; ++d)
      images[static_cast<size_t>(sheetImageIndex(cls, d) - 1)] = paintArrow(d, kClassFill[cls]);
  }
  list_ = ImageList(std::move(images), kSheetMaskColor);
}

}  // namespace tarveno
