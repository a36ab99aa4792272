#include "render/sheet_renderer.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "render/qt_color.h"
#include "render/sheet_images.h"
#include "render/sheet_pens_fonts.h"
#include "render/text_stamps.h"

namespace tarveno {

namespace {

constexpr int kFreezeClass = 3;

void fillRows(QImage& image, int y0, int y1, QRgb color) {
  for (int y = y0; y <= y1 && y < image.height(); ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    std::fill(line, line + image.width(), color);
  }
}

// A measure without its arrows: background, beat bands, measure line, beat lines and the line
// between the pads. These pixels are the same for every measure, so they are drawn once and
// each measure starts from a copy.
QImage blankMeasure(const SheetLayout& layout, const ViewSettings& settings) {
  QImage buffer(layout.bufferWidth, layout.bufferHeight, QImage::Format_RGB32);
  if (buffer.isNull()) return buffer;
  const int b = layout.beatHeight;
  const int top = layout.bufferTopLine;
  const int w = layout.bufferWidth;
  buffer.fill(toQColor(settings.SheetBackColor));
  for (int k = 0; k < kBeatsPerMeasure; ++k) {
    const int32_t color = k % 2 == 0 ? settings.Beat13Color : settings.Beat24Color;
    fillRows(buffer, top + b * k, top + b * (k + 1) - 1, toQColor(color).rgb());
  }
  QPainter painter(&buffer);
  painter.setPen(sheetPen(settings.MeasureLineColor, settings.MeasureLineStyle));
  painter.drawLine(0, top, w, top);
  painter.setPen(sheetPen(settings.BeatLineColor, settings.BeatLineStyle));
  for (int k = 1; k < kBeatsPerMeasure; ++k) painter.drawLine(0, top + b * k, w, top + b * k);
  if (layout.playerLine) {
    painter.setPen(sheetPen(settings.PlayerLineColor, settings.PlayerLineStyle));
    painter.drawLine(layout.playerLineX, top + 1, layout.playerLineX, layout.bufferHeight - 1);
  }
  return buffer;
}

// The arrows of the measure's four beats and of the beat before it (whose arrows reach down
// into this measure), the lowest beat first so that rows nearer the top cover the rows below.
// Positions are the measure buffer's, moved by `offset` into `target`.
void drawMeasureArrows(QImage& target, QPoint offset, const SheetLayout& layout, const Chart& chart, int m,
                       const SheetImages& images) {
  const int b = layout.beatHeight;
  const int slotHeight = b / 4;
  for (int g = 4 * m + 3; g >= 4 * m - 1 && g >= 0; --g) {
    const int measure = g / 4;
    const int k = g % 4;
    const int yb = b * (g - 4 * m + 1) + 1;
    if (chart.stepAt(4 * k, measure) != kTripletMark) {
      for (int j = 3; j >= 0; --j) {
        const uint8_t steps = chart.stepAt(4 * k + j, measure);
        const uint8_t freeze = chart.freezeAt(4 * k + j, measure);
        for (int p = 0; p < 8; ++p) {
          const int x = layout.cellWidth * p + offset.x();
          const int y = yb + slotHeight * j + offset.y();
          if (steps & (1u << p))
            images.draw(target, sheetImageIndex(kSlotNoteValue[static_cast<size_t>(j)], p % 4), x, y);
          if (freeze & (1u << p)) images.draw(target, sheetImageIndex(kFreezeClass, p % 4), x, y);
        }
      }
    } else {
      for (int j = 2; j >= 0; --j) {
        const uint8_t steps = chart.stepAt(4 * k + 1 + j, measure);
        // Thirds of a beat fall between pixels: 0, 5 1/3, 10 2/3 go to the nearest row.
        const int y = yb + static_cast<int>(std::lround(b * j / 3.0)) + offset.y();
        for (int p = 0; p < 8; ++p) {
          if (steps & (1u << p))
            images.draw(target, sheetImageIndex(kTripletNoteValue[static_cast<size_t>(j)], p % 4),
                        layout.cellWidth * p + offset.x(), y);
        }
      }
    }
  }
}

// One measure straight into the sheet: the block of the blank measure that the layout places
// there, copied row by row, then the arrows drawn through a view of just that block of the
// sheet, which clips them exactly as a scratch copy of the measure would.
void drawMeasure(QImage& sheet, const QImage& blank, const SheetLayout& layout, const MeasurePlacement& place,
                 const Chart& chart, const SheetImages& images) {
  const QPoint shift(place.copyX, place.copyY - place.bufferY);  // buffer to sheet
  const QRect source = QRect(0, place.bufferY, place.copyWidth, place.copyHeight) & blank.rect();
  const QRect target = source.translated(shift) & sheet.rect();
  if (target.isEmpty()) return;
  const qsizetype stride = sheet.bytesPerLine();
  uchar* origin = sheet.bits() + target.y() * stride + target.x() * 4;
  for (int row = 0; row < target.height(); ++row) {
    const uchar* from = blank.constScanLine(target.y() - shift.y() + row) + (target.x() - shift.x()) * 4;
    std::copy(from, from + target.width() * 4, origin + row * stride);
  }
  QImage view(origin, target.width(), target.height(), stride, QImage::Format_RGB32);
  drawMeasureArrows(view, shift - target.topLeft(), layout, chart, place.measure, images);
}

QFont crispFont(const FontSpec& spec) {
  QFont font = toQFont(spec);
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

// Text at the top-left of its cell, as the screen draws a text line; transparent background.
void drawTextLine(QPainter& painter, int x, int y, const QString& text) {
  painter.drawText(QPoint(x, y + painter.fontMetrics().ascent()), text);
}

// The number font's measures, taken once for the hundreds of measure numbers: each question
// to the font shapes a text.
struct NumberFont {
  explicit NumberFont(const QFontMetrics& m) : metrics(m), ascent(m.ascent()) {
    for (int n = 0; n < kCachedFields; ++n) fields[n] = m.horizontalAdvance(QString(n, QLatin1Char('0')));
  }
  int field(qsizetype characters) const {
    return characters < kCachedFields ? fields[characters]
                                      : metrics.horizontalAdvance(QString(characters, QLatin1Char('0')));
  }
  static constexpr int kCachedFields = 4;
  QFontMetrics metrics;
  int ascent;
  int fields[kCachedFields];
};

// "m + 1" right-aligned in a field of 2 or 3 characters. The field is measured in digits, so a
// proportional substitute for the monospaced default font still lines the numbers up.
void drawMeasureNumber(QImage& sheet, TextStamps& stamps, const NumberFont& font, const MeasurePlacement& place) {
  const QString text = QString::fromStdString(place.numberText);
  const QString digits = text.trimmed();
  stamps.draw(sheet, digits, place.numberX + font.field(text.size()) - stamps.width(digits),
              place.numberY + font.ascent);
}

}  // namespace

Result<QImage> renderSheet(const SheetLayout& layout, const Chart& chart, const ViewSettings& settings,
                           double twipsPerPixel, const SheetImages& images) {
  QImage sheet(layout.sheetWidth, layout.sheetHeight, QImage::Format_RGB32);
  const QImage blank = blankMeasure(layout, settings);
  if (sheet.isNull() || blank.isNull()) {
    return Error{ErrorCode::OutOfRange, "全体ビュー（" + std::to_string(layout.sheetWidth) + "×" +
                                            std::to_string(layout.sheetHeight) +
                                            "ピクセル）を描くためのメモリが足りません。"};
  }
  // Font sizes in points become pixels at the screen's resolution, as on the window.
  const int dotsPerMeter = static_cast<int>(std::lround(1440.0 / twipsPerPixel / 0.0254));
  sheet.setDotsPerMeterX(dotsPerMeter);
  sheet.setDotsPerMeterY(dotsPerMeter);
  sheet.fill(toQColor(settings.SheetBackColor));

  QPainter painter(&sheet);
  // Crisp text like the lines: the sheet stays a handful of flat colours, which PNG export
  // stores with a small palette.
  painter.setRenderHint(QPainter::TextAntialiasing, false);
  painter.setFont(crispFont(settings.HeaderFont));
  painter.setPen(toQColor(settings.HeaderColor));
  for (const HeaderLine& line : layout.header) drawTextLine(painter, line.x, line.y, QString::fromStdString(line.text));

  painter.setFont(crispFont(settings.NumberFont));
  painter.setPen(toQColor(settings.NumberColor));
  const NumberFont numberFont(painter.fontMetrics());
  TextStamps numbers(painter.font(), toQColor(settings.NumberColor).rgb(), dotsPerMeter);
  for (auto place = layout.measures.rbegin(); place != layout.measures.rend(); ++place) {
    drawMeasure(sheet, blank, layout, *place, chart, images);
    if (layout.showNumbers) drawMeasureNumber(sheet, numbers, numberFont, *place);
  }

  painter.setPen(sheetPen(settings.FrameColor, settings.FrameStyle));
  painter.setBrush(Qt::NoBrush);
  for (const ColumnFrame& frame : layout.frames) painter.drawRect(QRect(frame.x, frame.top, frame.width, frame.height));
  painter.end();
  return sheet;
}

Result<QImage> renderChartSheet(const Chart& chart, const Catalogue& catalogue, const ViewSettings& settings,
                                double twipsPerPixel, const SheetImages& images) {
  Result<SheetLayout> layout = layoutSheet(chart, catalogue, settings, twipsPerPixel);
  if (!layout) return layout.error();
  return renderSheet(*layout, chart, settings, twipsPerPixel, images);
}

}  // namespace tarveno
