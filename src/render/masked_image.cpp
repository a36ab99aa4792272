#include "render/masked_image.h"

namespace tarveno {

QImage transparentCanvas(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

QImage flattenOnMask(const QImage& painted, QRgb mask) {
  const QImage source = painted.convertToFormat(QImage::Format_ARGB32);
  QImage out(source.size(), QImage::Format_RGB32);
  const QRgb nudged = qRgb(qRed(mask) ^ 1, qGreen(mask), qBlue(mask));
  for (int y = 0; y < source.height(); ++y) {
    const QRgb* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < source.width(); ++x) {
      const QRgb p = in[x];
      if (qAlpha(p) < 128) {
        line[x] = mask | 0xFF000000u;
      } else {
        const QRgb opaque = qRgb(qRed(p), qGreen(p), qBlue(p));
        line[x] = (opaque == (mask | 0xFF000000u)) ? nudged : opaque;
      }
    }
  }
  return out;
}

QImage maskToAlpha(const QImage& masked, QRgb mask) {
  QImage out = masked.convertToFormat(QImage::Format_ARGB32);
  const QRgb key = mask | 0xFF000000u;
  for (int y = 0; y < out.height(); ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      if ((line[x] | 0xFF000000u) == key) line[x] = 0;
    }
  }
  return out;
}

}  // namespace tarveno
