#pragma once

#include <QImage>
#include <QRgb>

#include "render/image_list.h"

namespace tarveno {

// The editor's arrow image list: 44 pictures of 32x32 pixels on the mask colour, 1-based.
//   1..16   normal arrows, colour group g (0 red, 1 blue, 2 yellow, 3 green), direction d:
//           g * 4 + d + 1
//   17..32  the same with a white body, the ghost look of the cursor (normal index + 16)
//   33..44  per direction d: 33 + 3d freeze head, 34 + 3d yellow body (drag preview),
//           35 + 3d green body (placed freeze arrow)
// Directions are 0 left, 1 down, 2 up, 3 right (column Mod 4).
inline constexpr int kArrowImageCount = 44;
inline constexpr int kArrowImageSize = 32;
inline constexpr QRgb kArrowMaskColor = 0xFF808080u;  // RGB(128,128,128)

constexpr int arrowImageIndex(int group, int direction) {
  return group * 4 + direction + 1;
}
constexpr int ghostImageIndex(int group, int direction) {
  return arrowImageIndex(group, direction) + 16;
}
constexpr int freezeHeadIndex(int direction) {
  return 33 + 3 * direction;
}
constexpr int freezePreviewIndex(int direction) {
  return 34 + 3 * direction;
}
constexpr int freezeBodyIndex(int direction) {
  return 35 + 3 * direction;
}

// Drawn once at start-up; the owner hands it to whoever draws arrows (editor, sheet).
// `scale` device pixels stand for one pixel of the 32x32 design, so arrows stay sharp on a
// screen of that device pixel ratio; positions are always given in design pixels.
class ArrowImages {
 public:
  explicit ArrowImages(int scale = 1);

  int scale() const { return list_.scale(); }
  // Format_RGB32 with kArrowMaskColor where the picture is transparent, 32 * scale() wide.
  const QImage& image(int index) const { return list_.image(index); }

  // Transparent draw of image `index` into an RGB32 target of the same scale at (x, y) in
  // design pixels, clipped.
  void draw(QImage& target, int index, int x, int y) const { list_.draw(target, index, x, y); }

 private:
  ImageList list_;
};

}  // namespace tarveno
