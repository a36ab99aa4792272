#include "render/toolbar_images.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <functional>

#include "render/masked_image.h"

namespace tarveno {

namespace {

using Painting = std::function<void(QPainter&)>;

QImage paint(const Painting& body) {
  QImage canvas = transparentCanvas(kToolbarImageSize, kToolbarImageSize);
  QPainter painter(&canvas);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  body(painter);
  painter.end();
  return flattenOnMask(canvas, kToolbarMaskColor);
}

void noteHead(QPainter& p, double x, double y) {
  p.save();
  p.translate(x, y);
  p.rotate(-25);
  p.drawEllipse(QRectF(-2.8, -2, 5.6, 4));
  p.restore();
}

// A note with its stem up at x, head centred at (x - 2.5, 12.5), with `flags` flags.
void note(QPainter& p, double x, int flags) {
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  noteHead(p, x - 2.5, 12.5);
  p.setPen(QPen(Qt::black, 1.2));
  p.drawLine(QPointF(x, 12), QPointF(x, 1.5));
  for (int f = 0; f < flags; ++f) {
    QPainterPath flag;
    const double y = 1.5 + 3 * f;
    flag.moveTo(x, y);
    flag.cubicTo(x + 1, y + 2, x + 5, y + 3, x + 3.5, y + 7);
    p.setBrush(Qt::NoBrush);
    p.drawPath(flag);
  }
}

void triplet(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  noteHead(p, 4, 13);
  noteHead(p, 11.5, 13);
  p.setPen(QPen(Qt::black, 1.2));
  p.drawLine(QPointF(6.4, 12.5), QPointF(6.4, 6));
  p.drawLine(QPointF(13.9, 12.5), QPointF(13.9, 6));
  p.setPen(QPen(Qt::black, 2));
  p.drawLine(QPointF(6.4, 6.5), QPointF(13.9, 6.5));
  QFont font;
  font.setPixelSize(7);
  font.setBold(true);
  p.setFont(font);
  p.setPen(QColor(0, 0, 160));
  p.drawText(QRectF(0, -1, 16, 7), Qt::AlignCenter, QStringLiteral("3"));
}

void page(QPainter& p, double x, double y, double w, double h) {
  QPainterPath sheet;
  sheet.moveTo(x, y);
  sheet.lineTo(x + w - 3, y);
  sheet.lineTo(x + w, y + 3);
  sheet.lineTo(x + w, y + h);
  sheet.lineTo(x, y + h);
  sheet.closeSubpath();
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::white);
  p.drawPath(sheet);
}

void newPage(QPainter& p) {
  page(p, 3.5, 1.5, 9, 13);
}

void openFolder(QPainter& p) {
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(QColor(240, 200, 80));
  p.drawRect(QRectF(1.5, 4.5, 11, 9));
  QPainterPath lid;
  lid.moveTo(3.5, 7.5);
  lid.lineTo(15, 7.5);
  lid.lineTo(12.5, 13.5);
  lid.lineTo(1.5, 13.5);
  lid.closeSubpath();
  p.setBrush(QColor(255, 230, 130));
  p.drawPath(lid);
}

void disk(QPainter& p) {
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(QColor(40, 60, 160));
  p.drawRect(QRectF(1.5, 1.5, 13, 13));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(4.5, 1.5, 7, 5));
  p.setBrush(QColor(200, 200, 210));
  p.drawRect(QRectF(4.5, 9.5, 7, 5));
}

void scissors(QPainter& p) {
  p.setPen(QPen(Qt::black, 1.2));
  p.drawLine(QPointF(4, 1), QPointF(11, 10));
  p.drawLine(QPointF(12, 1), QPointF(5, 10));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(160, 0, 0), 1.5));
  p.drawEllipse(QRectF(1.5, 10, 4.5, 4.5));
  p.drawEllipse(QRectF(10, 10, 4.5, 4.5));
}

void copyPages(QPainter& p) {
  page(p, 1.5, 1.5, 8, 10);
  page(p, 6.5, 4.5, 8, 10);
}

void paste(QPainter& p) {
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(QColor(170, 120, 60));
  p.drawRect(QRectF(1.5, 2.5, 10, 12));
  p.setBrush(QColor(200, 200, 200));
  p.drawRect(QRectF(4.5, 1.5, 4, 3));
  page(p, 7.5, 6.5, 7, 8);
}

void pointer(QPainter& p) {
  QPainterPath arrow;
  arrow.moveTo(3, 1);
  arrow.lineTo(3, 13);
  arrow.lineTo(6, 10);
  arrow.lineTo(8.5, 15);
  arrow.lineTo(10.5, 14);
  arrow.lineTo(8, 9.5);
  arrow.lineTo(12, 9.5);
  arrow.closeSubpath();
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::white);
  p.drawPath(arrow);
}

// A triangle pointing right, as the selection markers beside the canvas.
Painting marker(QColor fill, bool whiteEdge) {
  return [fill, whiteEdge](QPainter& p) {
    QPainterPath tri;
    tri.moveTo(2, 1.5);
    tri.lineTo(14.5, 8);
    tri.lineTo(2, 14.5);
    tri.closeSubpath();
    p.setPen(whiteEdge ? QPen(Qt::white, 2) : QPen(fill.darker(150), 1));
    p.setBrush(fill);
    p.drawPath(tri);
  };
}

Painting glyph(const QString& text, QColor color) {
  return [text, color](QPainter& p) {
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(14);
    font.setBold(true);
    p.setFont(font);
    p.setPen(color);
    p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, text);
  };
}

void freezeArrow(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 200, 70));
  p.drawRect(QRectF(6, 7, 4, 8));
  QPainterPath head;
  head.moveTo(8, 0.5);
  head.lineTo(15, 7.5);
  head.lineTo(1, 7.5);
  head.closeSubpath();
  p.setPen(QPen(QColor(0, 100, 20), 1));
  p.setBrush(QColor(120, 255, 120));
  p.drawPath(head);
}

}  // namespace

ToolbarImages::ToolbarImages() {
  const Painting paintings[kToolbarImageCount] = {
      pointer,
      [](QPainter& p) { note(p, 9, 0); },
      [](QPainter& p) { note(p, 7, 1); },
      [](QPainter& p) { note(p, 7, 2); },
      triplet,
      newPage,
      openFolder,
      disk,
      scissors,
      copyPages,
      paste,
      marker(QColor(230, 20, 20), false),
      marker(QColor(230, 20, 20), true),
      marker(QColor(30, 60, 240), false),
      marker(QColor(30, 60, 240), true),
      glyph(QStringLiteral("設"), QColor(0, 0, 128)),
      glyph(QStringLiteral("全"), QColor(0, 0, 128)),
      glyph(QStringLiteral("情"), QColor(0, 0, 128)),
      freezeArrow,
  };
  for (int i = 0; i < kToolbarImageCount; ++i) images_[static_cast<size_t>(i)] = paint(paintings[i]);
}

QImage ToolbarImages::transparent(int index) const {
  return maskToAlpha(image(index), kToolbarMaskColor);
}

}  // namespace tarveno
