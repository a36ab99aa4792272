#include "render/image_list.h"

#include <algorithm>

namespace tarveno {

ImageList::ImageList(std::vector<QImage> images, QRgb mask, int scale)
    : images_(std::move(images)), runs_(images_.size()), scale_(scale) {
  for (size_t i = 0; i < images_.size(); ++i) {
    const QImage& image = images_[i];
    for (int y = 0; y < image.height(); ++y) {
      const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
      for (int x = 0; x < image.width();) {
        if (line[x] == mask) {
          ++x;
          continue;
        }
        const int start = x;
        while (x < image.width() && line[x] != mask) ++x;
        runs_[i].push_back({y, start, x});
      }
    }
  }
}

void ImageList::draw(QImage& target, int index, int x, int y) const {
  const size_t i = static_cast<size_t>(index - 1);
  const QImage& source = images_.at(i);
  const int width = target.width();
  const int height = target.height();
  x *= scale_;
  y *= scale_;
  if (x >= width || y >= height || x + source.width() <= 0 || y + source.height() <= 0) return;
  // The lines are addressed from the first ones: asking each run's line of the target would
  // check for a shared copy every time, which costs more than the copying on small pictures.
  uchar* const targetBits = target.bits();
  const qsizetype targetStride = target.bytesPerLine();
  const uchar* const sourceBits = source.constBits();
  const qsizetype sourceStride = source.bytesPerLine();
  if (x >= 0 && y >= 0 && x + source.width() <= width && y + source.height() <= height) {
    // Wholly inside, the usual case: no run needs clipping.
    uchar* const corner = targetBits + y * targetStride + x * 4;
    for (const Run& run : runs_[i]) {
      const QRgb* in = reinterpret_cast<const QRgb*>(sourceBits + run.y * sourceStride);
      QRgb* out = reinterpret_cast<QRgb*>(corner + run.y * targetStride);
      std::copy(in + run.x0, in + run.x1, out + run.x0);
    }
    return;
  }
  for (const Run& run : runs_[i]) {
    const int ty = y + run.y;
    if (ty < 0 || ty >= height) continue;
    const int from = std::max(run.x0, -x);
    const int to = std::min(run.x1, width - x);
    if (from >= to) continue;
    const QRgb* in = reinterpret_cast<const QRgb*>(sourceBits + run.y * sourceStride);
    QRgb* out = reinterpret_cast<QRgb*>(targetBits + ty * targetStride) + x;
    std::copy(in + from, in + to, out + from);
  }
}

}  // namespace tarveno
