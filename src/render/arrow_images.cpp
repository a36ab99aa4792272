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

ArrowImages::ArrowImages(int scale) {
  scale = std::max(scale, 1);
  std::vector<QImage> images(kArrowImageCount);
  auto at = [&images](int index) -> QImage& { return images[static_cast<size_t>(index - 1)]; };
  for (int group = 0; group < 4; ++group) {
    const QColor color = kGroupColors[group];
    for (int d = 0; d < 4; ++d) {
      at(arrowImageIndex(group, d)) = paintArrow(scale, d, shadedBrush(color), color.darker(260), 2);
      at(ghostImageIndex(group, d)) = paintArrow(scale, d, QBrush(Qt::white), color, 2.5);
    }
  }
  const QImage previewBody = paintBody(scale, kPreviewBodyColor);
  const QImage placedBody = paintBody(scale, kFreezeBodyColor);
  for (int d = 0; d < 4; ++d) {
    at(freezeHeadIndex(d)) = paintArrow(scale, d, shadedBrush(kFreezeHeadColor), Qt::white, 2.5);
    at(freezePreviewIndex(d)) = previewBody;
    at(freezeBodyIndex(d)) = placedBody;
  }
  list_ = ImageList(std::move(images), kArrowMaskColor, scale);
}

}  // namespace tarveno
