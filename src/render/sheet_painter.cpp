#include "render/sheet_painter.h"

#include <QFontMetricsF>
#include <array>
#include <cmath>

#include "render/masked_image.h"
#include "render/qt_color.h"
#include "render/sheet_images.h"
#include "render/sheet_pens_fonts.h"
#include "render/sheet_walk.h"

namespace tarveno {

namespace {

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
// pads, in the measure buffer's coordinates (its top line at bufferTopLine).
void paintMeasureGround(QPainter& painter, const SheetLayout& layout, const ViewSettings& settings) {
  const int b = layout.beatHeight;
  const int w = layout.bufferWidth;
  const int top = layout.bufferTopLine;
  for (int k = 0; k < kBeatsPerMeasure; ++k) {
    const int32_t color = k % 2 == 0 ? settings.Beat13Color : settings.Beat24Color;
    painter.fillRect(QRectF(0, top + b * k, w, b), toQColor(color));
  }
  painter.setPen(paperPen(settings.MeasureLineColor, settings.MeasureLineStyle));
  horizontalLine(painter, 0, w, top);
  painter.setPen(paperPen(settings.BeatLineColor, settings.BeatLineStyle));
  for (int k = 1; k < kBeatsPerMeasure; ++k) horizontalLine(painter, 0, w, top + b * k);
  if (layout.playerLine) {
    painter.setPen(paperPen(settings.PlayerLineColor, settings.PlayerLineStyle));
    const double x = layout.playerLineX + 0.5;
    painter.drawLine(QLineF(x, top + 1, x, layout.bufferHeight));
  }
}

// The pages' back end: shapes, text and the arrow pictures on any painter, each measure in
// its buffer's coordinates and clipped to the block the picture copies for it.
class VectorCanvas final : public SheetCanvas {
 public:
  VectorCanvas(QPainter& painter, const SheetLayout& layout, const ViewSettings& settings, const SheetImages& images,
               double sheetDpi)
      : painter_(painter),
        layout_(layout),
        settings_(settings),
        pictures_(arrowPictures(images)),
        headerFont_(sheetFont(settings.HeaderFont, painter, sheetDpi)),
        numberFont_(sheetFont(settings.NumberFont, painter, sheetDpi)) {}

  void headerLine(const HeaderLine& line) override {
    painter_.setFont(headerFont_);
    painter_.setPen(toQColor(settings_.HeaderColor));
    drawTextLine(painter_, line.x, line.y, QString::fromStdString(line.text));
  }

  void beginMeasure(const MeasurePlacement& place) override {
    painter_.save();
    painter_.setClipRect(QRectF(place.copyX, place.copyY, place.copyWidth, place.copyHeight), Qt::IntersectClip);
    painter_.translate(place.copyX, place.copyY - place.bufferY);
    paintMeasureGround(painter_, layout_, settings_);
  }

  void arrow(int imageIndex, int x, int y) override {
    painter_.drawImage(QPointF(x, y), pictures_[static_cast<size_t>(imageIndex)]);
  }

  void endMeasure() override { painter_.restore(); }

  void measureNumber(const MeasurePlacement& place) override {
    painter_.setFont(numberFont_);
    painter_.setPen(toQColor(settings_.NumberColor));
    const QString text = QString::fromStdString(place.numberText);
    const QString digits = text.trimmed();
    const QFontMetricsF metrics(painter_.font(), painter_.device());
    const double field = metrics.horizontalAdvance(QString(text.size(), QLatin1Char('0')));
    drawTextLine(painter_, place.numberX + field - metrics.horizontalAdvance(digits), place.numberY, digits);
  }

  void frame(const ColumnFrame& frame) override {
    painter_.setPen(paperPen(settings_.FrameColor, settings_.FrameStyle));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(QRectF(frame.x + 0.5, frame.top + 0.5, frame.width, frame.height));
  }

 private:
  QPainter& painter_;
  const SheetLayout& layout_;
  const ViewSettings& settings_;
  ArrowPictures pictures_;
  QFont headerFont_;
  QFont numberFont_;
};

}  // namespace

void paintSheetPart(QPainter& painter, const SheetLayout& layout, const Chart& chart, const ViewSettings& settings,
                    const SheetImages& images, const SheetPart& part, double sheetDpi) {
  VectorCanvas canvas(painter, layout, settings, images, sheetDpi);
  walkSheet(layout, chart, part, canvas);
}

}  // namespace tarveno
