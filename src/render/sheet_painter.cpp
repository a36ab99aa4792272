#include "render/sheet_painter.h"

#include <QFontMetricsF>
#include <array>
#include <cmath>

#include "render/masked_image.h"
#include "render/qt_color.h"
#include "render/sheet_images.h"
#include "render/sheet_pens_fonts.h"

namespace tarveno {

namespace {

constexpr int kFreezeClass = 3;

// The arrow pictures with their mask colour turned into real transparency, made once a paint.
using ArrowPictures = std::array<QImage, kSheetImageCount + 1>;

ArrowPictures arrowPictures(const SheetImages& images) {
  ArrowPictures pictures;
  for (int i = 1; i <= kSheetImageCount; ++i)
    pictures[static_cast<size_t>(i)] = maskToAlpha(images.image(i), kSheetMaskColor);
  return pictures;
}

// The screen's one-pixel pens as lines of one sheet pixel, scaled with everything else.
QPen paperPen(int32_t color, LineStyle style) {
  QPen pen = sheetPen(color, style);
  pen.setCosmetic(false);
  pen.setWidthF(1.0);
  return pen;
}

// A screen line at whole pixel y covers the pixel row below it: a paper line runs through its
// middle.
void horizontalLine(QPainter& painter, double x0, double x1, double y) {
  painter.drawLine(QLineF(x0, y + 0.5, x1, y + 0.5));
}

// A font whose size, after the painter's scaling, is what the sheet shows at sheetDpi.
QFont sheetFont(const FontSpec& spec, const QPainter& painter, double sheetDpi) {
  QFont font = toQFont(spec);
  const double deviceDpi = painter.device() ? painter.device()->logicalDpiY() : sheetDpi;
  font.setPointSizeF(spec.size * sheetDpi / deviceDpi);
  return font;
}

void drawTextLine(QPainter& painter, double x, double y, const QString& text) {
  painter.drawText(QPointF(x, y + QFontMetricsF(painter.font(), painter.device()).ascent()), text);
}

// A measure's background: beat bands, the measure line, beat lines and the line between the
// pads, in the measure's own coordinates (its top line at y = 0).
void paintMeasureGround(QPainter& painter, const SheetLayout& layout, const ViewSettings& settings) {
  const int b = layout.beatHeight;
  const int w = layout.bufferWidth;
  for (int k = 0; k < kBeatsPerMeasure; ++k) {
    const int32_t color = k % 2 == 0 ? settings.Beat13Color : settings.Beat24Color;
    painter.fillRect(QRectF(0, b * k, w, b), toQColor(color));
  }
  painter.setPen(paperPen(settings.MeasureLineColor, settings.MeasureLineStyle));
  horizontalLine(painter, 0, w, 0);
  painter.setPen(paperPen(settings.BeatLineColor, settings.BeatLineStyle));
  for (int k = 1; k < kBeatsPerMeasure; ++k) horizontalLine(painter, 0, w, b * k);
  if (layout.playerLine) {
    painter.setPen(paperPen(settings.PlayerLineColor, settings.PlayerLineStyle));
    const double x = layout.playerLineX + 0.5;
    painter.drawLine(QLineF(x, 1, x, layout.bufferHeight - layout.bufferTopLine));
  }
}

void drawArrow(QPainter& painter, const ArrowPictures& pictures, int index, int x, int y) {
  painter.drawImage(QPointF(x, y), pictures[static_cast<size_t>(index)]);
}

// The arrows of the measure's beats and of the beat before it, lowest first, in the measure's
// coordinates; the same order as the picture, so that higher rows cover lower ones alike.
void paintMeasureArrows(QPainter& painter, const SheetLayout& layout, const Chart& chart, int m,
                        const ArrowPictures& pictures) {
  const int b = layout.beatHeight;
  const int slotHeight = b / 4;
  for (int g = 4 * m + 3; g >= 4 * m - 1 && g >= 0; --g) {
    const int measure = g / 4;
    const int k = g % 4;
    const int yb = b * (g - 4 * m) + 1;
    if (chart.stepAt(4 * k, measure) != kTripletMark) {
      for (int j = 3; j >= 0; --j) {
        const uint8_t steps = chart.stepAt(4 * k + j, measure);
        const uint8_t freeze = chart.freezeAt(4 * k + j, measure);
        for (int p = 0; p < 8; ++p) {
          const int x = layout.cellWidth * p;
          const int y = yb + slotHeight * j;
          if (steps & (1u << p))
            drawArrow(painter, pictures, sheetImageIndex(kSlotNoteValue[static_cast<size_t>(j)], p % 4), x, y);
          if (freeze & (1u << p)) drawArrow(painter, pictures, sheetImageIndex(kFreezeClass, p % 4), x, y);
        }
      }
    } else {
      for (int j = 2; j >= 0; --j) {
        const uint8_t steps = chart.stepAt(4 * k + 1 + j, measure);
        const int y = yb + static_cast<int>(std::lround(b * j / 3.0));
        for (int p = 0; p < 8; ++p) {
          if (steps & (1u << p))
            drawArrow(painter, pictures, sheetImageIndex(kTripletNoteValue[static_cast<size_t>(j)], p % 4),
                      layout.cellWidth * p, y);
        }
      }
    }
  }
}

void paintMeasureNumber(QPainter& painter, const MeasurePlacement& place) {
  const QString text = QString::fromStdString(place.numberText);
  const QString digits = text.trimmed();
  const QFontMetricsF metrics(painter.font(), painter.device());
  const double field = metrics.horizontalAdvance(QString(text.size(), QLatin1Char('0')));
  drawTextLine(painter, place.numberX + field - metrics.horizontalAdvance(digits), place.numberY, digits);
}

// One measure, clipped to the block the picture copies for it.
void paintMeasure(QPainter& painter, const SheetLayout& layout, const Chart& chart, const ViewSettings& settings,
                  const MeasurePlacement& place, const ArrowPictures& pictures) {
  painter.save();
  painter.setClipRect(QRectF(place.copyX, place.copyY, place.copyWidth, place.copyHeight), Qt::IntersectClip);
  painter.translate(place.copyX, place.copyY - place.bufferY + layout.bufferTopLine);
  paintMeasureGround(painter, layout, settings);
  paintMeasureArrows(painter, layout, chart, place.measure, pictures);
  painter.restore();
}

bool inPart(const SheetPart& part, int column) {
  return column >= part.firstColumn && column < part.firstColumn + part.columnCount;
}

}  // namespace

void paintSheetPart(QPainter& painter, const SheetLayout& layout, const Chart& chart, const ViewSettings& settings,
                    const SheetImages& images, const SheetPart& part, double sheetDpi) {
  const ArrowPictures pictures = arrowPictures(images);
  if (part.header) {
    painter.setFont(sheetFont(settings.HeaderFont, painter, sheetDpi));
    painter.setPen(toQColor(settings.HeaderColor));
    for (const HeaderLine& line : layout.header)
      drawTextLine(painter, line.x, line.y, QString::fromStdString(line.text));
  }
  const QFont numberFont = sheetFont(settings.NumberFont, painter, sheetDpi);
  for (auto place = layout.measures.rbegin(); place != layout.measures.rend(); ++place) {
    if (!inPart(part, place->column)) continue;
    paintMeasure(painter, layout, chart, settings, *place, pictures);
    if (layout.showNumbers) {
      painter.setFont(numberFont);
      painter.setPen(toQColor(settings.NumberColor));
      paintMeasureNumber(painter, *place);
    }
  }
  painter.setPen(paperPen(settings.FrameColor, settings.FrameStyle));
  painter.setBrush(Qt::NoBrush);
  for (const ColumnFrame& frame : layout.frames) {
    if (inPart(part, frame.column)) painter.drawRect(QRectF(frame.x + 0.5, frame.top + 0.5, frame.width, frame.height));
  }
}

}  // namespace tarveno
