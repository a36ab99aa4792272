#pragma once

#include <QImage>
#include <QRgb>
#include <vector>

namespace tarveno {

// An image list: pictures on a mask colour that stands for "transparent", drawn by copying
// only their opaque pixels. Those are kept as horizontal runs, so a draw copies spans instead
// of testing every pixel (the editor draws hundreds of arrows a frame, a sheet tens of
// thousands). `scale` device pixels stand for one design pixel of every picture; positions
// are given in design pixels.
class ImageList {
 public:
  ImageList() = default;
  ImageList(std::vector<QImage> images, QRgb mask, int scale = 1);

  int scale() const { return scale_; }
  // 1-based, as the lists are numbered; Format_RGB32 with the mask colour where transparent.
  const QImage& image(int index) const { return images_.at(static_cast<size_t>(index - 1)); }

  // Transparent draw of image `index` into an RGB32 target of the same scale, clipped.
  void draw(QImage& target, int index, int x, int y) const;

 private:
  struct Run {
    int y;
    int x0;
    int x1;  // exclusive
  };
  std::vector<QImage> images_;
  std::vector<std::vector<Run>> runs_;
  int scale_ = 1;
};

}  // namespace tarveno
