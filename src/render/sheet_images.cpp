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
  for (int cls = 0; cls < 4; ++cls) {
    for (int d = 0; d < 4; ++d) {
      const size_t i = static_cast<size_t>(sheetImageIndex(cls, d) - 1);
      images_[i] = paintArrow(d, kClassFill[cls]);
      const QImage& image = images_[i];
      for (int y = 0; y < kSheetImageSize; ++y) {
        for (int x = 0; x < kSheetImageSize;) {
          if (image.pixel(x, y) == kSheetMaskColor) {
            ++x;
            continue;
          }
          const int start = x;
          while (x < kSheetImageSize && image.pixel(x, y) != kSheetMaskColor) ++x;
          runs_[i].push_back({y, start, x});
        }
      }
    }
  }
}

void SheetImages::draw(QImage& target, int index, int x, int y) const {
  const int width = target.width();
  const int height = target.height();
  if (x >= width || y >= height || x + kSheetImageSize <= 0 || y + kSheetImageSize <= 0) return;
  const size_t i = static_cast<size_t>(index - 1);
  const QImage& source = images_.at(i);
  for (const Run& run : runs_[i]) {
    const int ty = y + run.y;
    if (ty < 0 || ty >= height) continue;
    const int from = std::max(run.x0, -x);
    const int to = std::min(run.x1, width - x);
    if (from >= to) continue;
    const QRgb* in = reinterpret_cast<const QRgb*>(source.constScanLine(run.y));
    QRgb* out = reinterpret_cast<QRgb*>(target.scanLine(ty)) + x;
    std::copy(in + from, in + to, out + from);
  }
}

}  // namespace tarveno
