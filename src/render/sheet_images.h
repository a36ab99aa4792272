#pragma once

#include <QImage>
#include <QRgb>

#include "render/image_list.h"

namespace tarveno {

// The sheet's arrow image list: 16 pictures of 16x16 pixels on silver, 1-based.
// Image 4 * class + direction + 1; class 0 red (on the beat, first triplet note), 1 blue
// (eighths), 2 yellow (sixteenths), 3 green (later triplet notes and freeze bits); direction
// 0 left, 1 down, 2 up, 3 right.
inline constexpr int kSheetImageCount = 16;
inline constexpr int kSheetImageSize = 16;
inline constexpr QRgb kSheetMaskColor = 0xFFC0C0C0u;  // RGB(192,192,192)

constexpr int sheetImageIndex(int arrowClass, int direction) {
  return 4 * arrowClass + direction + 1;
}

// Drawn once by whoever renders sheets and handed to every render; the pictures never change.
class SheetImages {
 public:
  SheetImages();

  // Format_RGB32 with kSheetMaskColor where the picture is transparent.
  const QImage& image(int index) const { return list_.image(index); }

  // Transparent draw of image `index` into an RGB32 target at (x, y), clipped to the target.
  void draw(QImage& target, int index, int x, int y) const { list_.draw(target, index, x, y); }

 private:
  ImageList list_;
};

}  // namespace tarveno
