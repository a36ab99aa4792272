#include "render/arrow_images.h"

#include <algorithm>

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "render/masked_image.h"

namespace tarveno {

namespace {

const QColor kGroupColors[4] = {QColor(235, 40, 40), QColor(50, 100, 255), QColor(250, 210, 0), QColor(20, 170, 40)};
const QColor kFreezeHeadColor(120, 255, 120);
const QColor kFreezeBodyColor(40, 200, 70);
const QColor kPreviewBodyColor(255, 225, 40);

// An arrow pointing up inside the 32x32 cell; the other directions are this turned about
// the centre, which maps the pixel grid onto itself.
QPainterPath arrowPath() {
  QPainterPath path;
  path.moveTo(16, 1.5);
  path.lineTo(30.5, 16);
  path.lineTo(22, 16);
  path.lineTo(22, 30.5);
  path.lineTo(10, 30.5);
  path.lineTo(10, 16);
  path.lineTo(1.5, 16);
  path.closeSubpath();
  return path;
}

int turnFor(int direction) {
  static const int kDegrees[4] = {270, 180, 0, 90};  // left, down, up, right
  return kDegrees[direction];
}

void turn(QPainter& painter, int direction) {
  painter.translate(16, 16);
  painter.rotate(turnFor(direction));
  painter.translate(-16, -16);
}

QImage paintArrow(int scale, int direction, const QBrush& body, const QColor& edge, double edgeWidth) {
  QImage canvas = transparentCanvas(kArrowImageSize * scale, kArrowImageSize * scale);
  QPainter painter(&canvas);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(scale, scale);
  turn(painter, direction);
  QPen pen(edge, edgeWidth);
  pen.setJoinStyle(Qt::RoundJoin);
  painter.setPen(pen);
  painter.setBrush(body);
  painter.drawPath(arrowPath());
  painter.end();
  return flattenOnMask(canvas, kArrowMaskColor);
}

QBrush shadedBrush(const QColor& color) {
  QLinearGradient gradient(0, 0, 0, 32);
  gradient.setColorAt(0.0, color.lighter(150));
  gradient.setColorAt(0.5, color);
  gradient.setColorAt(1.0, color.darker(140));
  return QBrush(gradient);
}

// A hold bar in the middle of the column, an 8-pixel piece from 16 pixels down. Drawn every
// 8 pixels, the pieces join into one bar without seams, whichever order they are drawn in.
QImage paintBody(int scale, const QColor& color) {
  QImage canvas = transparentCanvas(kArrowImageSize * scale, kArrowImageSize * scale);
  QPainter painter(&canvas);
  painter.scale(scale, scale);
  painter.fillRect(10, 16, 12, 8, color.darker(160));
  painter.fillRect(11, 16, 10, 8, color);
  painter.fillRect(13, 16, 3, 8, color.lighter(140));
  painter.end();
  return flattenOnMask(canvas, kArrowMaskColor);
}

}  // namespace

ArrowImages::ArrowImages(int scale) : scale_(std::max(scale, 1)) {
  for (int group = 0; group < 4; ++group) {
    const QColor color = kGroupColors[group];
    for (int d = 0; d < 4; ++d) {
      images_[static_cast<size_t>(arrowImageIndex(group, d) - 1)] =
          paintArrow(scale_, d, shadedBrush(color), color.darker(260), 2);
      images_[static_cast<size_t>(ghostImageIndex(group, d) - 1)] =
          paintArrow(scale_, d, QBrush(Qt::white), color, 2.5);
    }
  }
  const QImage previewBody = paintBody(scale_, kPreviewBodyColor);
  const QImage placedBody = paintBody(scale_, kFreezeBodyColor);
  for (int d = 0; d < 4; ++d) {
    images_[static_cast<size_t>(freezeHeadIndex(d) - 1)] =
        paintArrow(scale_, d, shadedBrush(kFreezeHeadColor), Qt::white, 2.5);
    images_[static_cast<size_t>(freezePreviewIndex(d) - 1)] = previewBody;
    images_[static_cast<size_t>(freezeBodyIndex(d) - 1)] = placedBody;
  }
  for (size_t i = 0; i < images_.size(); ++i) {
    const QImage& image = images_[i];
    for (int y = 0; y < image.height(); ++y) {
      const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
      for (int x = 0; x < image.width();) {
        if (line[x] == kArrowMaskColor) {
          ++x;
          continue;
        }
        const int start = x;
        while (x < image.width() && line[x] != kArrowMaskColor) ++x;
        runs_[i].push_back({y, start, x});
      }
    }
  }
}

void ArrowImages::draw(QImage& target, int index, int x, int y) const {
  const QImage& source = image(index);
  const int width = target.width();
  const int height = target.height();
  const int size = kArrowImageSize * scale_;
  x *= scale_;
  y *= scale_;
  if (x >= width || y >= height || x + size <= 0 || y + size <= 0) return;
  for (const Run& run : runs_[static_cast<size_t>(index - 1)]) {
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
