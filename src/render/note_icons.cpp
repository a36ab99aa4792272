#include "render/note_icons.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace tarveno {

QImage noteValueIcon(NoteValue value, int size, QColor ink, qreal devicePixelRatio) {
  const int pixels = static_cast<int>(std::ceil(size * devicePixelRatio));
  QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(devicePixelRatio);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  // Drawn on a 24-unit grid so every size keeps the same proportions.
  p.scale(size / 24.0, size / 24.0);
  p.setPen(Qt::NoPen);
  p.setBrush(ink);

  // The head: a filled oval tilted like a printed note, its stem rising from its right side.
  const bool triplet = value == NoteValue::Triplet;
  const double headX = triplet ? 7.5 : 9.0;
  const double headY = 19.0;
  p.save();
  p.translate(headX, headY);
  p.rotate(-22);
  p.drawEllipse(QPointF(0, 0), 4.2, 2.9);
  p.restore();

  const double stemX = headX + 3.6;
  const double stemTop = triplet ? 9.0 : 2.0;
  p.setPen(QPen(ink, 1.5, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(QPointF(stemX, headY - 1.0), QPointF(stemX, stemTop));

  int flags = 0;
  if (value == NoteValue::Eighth || value == NoteValue::Triplet) flags = 1;
  if (value == NoteValue::Sixteenth) flags = 2;
  p.setPen(Qt::NoPen);
  for (int i = 0; i < flags; ++i) {
    // Thin flags spaced well apart, so the two of a sixteenth stay apart at 24 pixels.
    const double y = stemTop + 5.5 * i;
    QPainterPath flag;
    flag.moveTo(stemX, y);
    flag.cubicTo(stemX + 1.0, y + 3.0, stemX + 6.0, y + 4.0, stemX + 5.0, y + 8.0);
    flag.cubicTo(stemX + 5.0, y + 5.5, stemX + 2.5, y + 4.5, stemX, y + 3.0);
    flag.closeSubpath();
    p.drawPath(flag);
  }

  if (triplet) {
    QFont font;
    font.setPixelSize(9);
    font.setBold(true);
    p.setFont(font);
    p.setPen(ink);
    p.drawText(QRectF(12.0, 0.0, 12.0, 10.0), Qt::AlignCenter, QStringLiteral("3"));
  }
  p.end();
  return image;
}

}  // namespace tarveno
