#include "render/arrow_images.h"

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

QImage paintArrow(int direction, const QBrush& body, const QColor& edge, double edgeWidth) {
  QImage canvas = transparentCanvas(kArrowImageSize, kArrowImageSize);
  QPainter painter(&canvas);
  painter.setRenderHint(QPainter::Antialiasing);
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
QImage paintBody(const QColor& color) {
  QImage canvas = transparentCanvas(kArrowImageSize, kArrowImageSize);
  QPainter painter(&canvas);
  painter.fillRect(10, 16, 12, 8, color.darker(160));
  painter.fillRect(11, 16, 10, 8, color);
  painter.fillRect(13, 16, 3, 8, color.lighter(140));
  painter.end();
  return flattenOnMask(canvas, kArrowMaskColor);
}

}  // namespace

ArrowImages::ArrowImages() {
  for (int group = 0; group < 4; ++group) {
    const QColor color = kGroupColors[group];
    for (int d = 0; d < 4; ++d) {
      images_[static_cast<size_t>(arrowImageIndex(group, d) - 1)] =
          paintArrow(d, shadedBrush(color), color.darker(260), 2);
      images_[static_cast<size_t>(ghostImageIndex(group, d) - 1)] = paintArrow(d, QBrush(Qt::white), color, 2.5);
    }
  }
  const QImage previewBody = paintBody(kPreviewBodyColor);
  const QImage placedBody = paintBody(kFreezeBodyColor);
  for (int d = 0; d < 4; ++d) {
    images_[static_cast<size_t>(freezeHeadIndex(d) - 1)] = paintArrow(d, shadedBrush(kFreezeHeadColor), Qt::white, 2.5);
    images_[static_cast<size_t>(freezePreviewIndex(d) - 1)] = previewBody;
    images_[static_cast<size_t>(freezeBodyIndex(d) - 1)] = placedBody;
  }
}

void ArrowImages::draw(QImage& target, int index, int x, int y) const {
  drawMasked(target, image(index), x, y, kArrowMaskColor);
}

}  // namespace tarveno
