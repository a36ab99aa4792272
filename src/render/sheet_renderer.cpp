#include "render/sheet_renderer.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "render/qt_color.h"
#include "render/sheet_images.h"
#include "render/sheet_pens_fonts.h"
#include "render/sheet_walk.h"
#include "render/text_stamps.h"

namespace tarveno {

namespace {

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

// The picture's back end: each measure starts as a copy of the blank measure's block, its
// arrows are blitted through a view of just that block of the sheet (which clips them exactly as
// a scratch copy of the measure would), and the numbers are stamped from ready digit masks.
class RasterCanvas final : public SheetCanvas {
 public:
  RasterCanvas(QImage& sheet, QPainter& painter, const QImage& blank, const SheetImages& images,
               const ViewSettings& settings, int dotsPerMeter)
      : sheet_(sheet),
        painter_(painter),
        blank_(blank),
        images_(images),
        settings_(settings),
        headerFont_(crispFont(settings.HeaderFont)),
        numberFont_(QFontMetrics(crispFont(settings.NumberFont), &sheet)),
        stamps_(QFont(crispFont(settings.NumberFont), &sheet), toQColor(settings.NumberColor).rgb(), dotsPerMeter) {}

  void headerLine(const HeaderLine& line) override {
    painter_.setFont(headerFont_);
    painter_.setPen(toQColor(settings_.HeaderColor));
    drawTextLine(painter_, line.x, line.y, QString::fromStdString(line.text));
  }

  void beginMeasure(const MeasurePlacement& place) override {
    offset_ = QPoint(place.copyX, place.copyY - place.bufferY);  // buffer to sheet
    const QRect source = QRect(0, place.bufferY, place.copyWidth, place.copyHeight) & blank_.rect();
    const QRect target = source.translated(offset_) & sheet_.rect();
    view_ = QImage();
    if (target.isEmpty()) return;
    const qsizetype stride = sheet_.bytesPerLine();
    uchar* origin = sheet_.bits() + target.y() * stride + target.x() * 4;
    for (int row = 0; row < target.height(); ++row) {
      const uchar* from = blank_.constScanLine(target.y() - offset_.y() + row) + (target.x() - offset_.x()) * 4;
      std::copy(from, from + target.width() * 4, origin + row * stride);
    }
    view_ = QImage(origin, target.width(), target.height(), stride, QImage::Format_RGB32);
    offset_ -= target.topLeft();
  }

  void arrow(int imageIndex, int x, int y) override {
    if (!view_.isNull()) images_.draw(view_, imageIndex, x + offset_.x(), y + offset_.y());
  }

  void endMeasure() override { view_ = QImage(); }

  // "m + 1" right-aligned in a field of 2 or 3 characters. The field is measured in digits, so
  // a proportional substitute for the monospaced default font still lines the numbers up.
  void measureNumber(const MeasurePlacement& place) override {
    const QString text = QString::fromStdString(place.numberText);
    const QString digits = text.trimmed();
    stamps_.draw(sheet_, digits, place.numberX + numberFont_.field(text.size()) - stamps_.width(digits),
                 place.numberY + numberFont_.ascent);
  }

  void frame(const ColumnFrame& frame) override {
    painter_.setPen(sheetPen(settings_.FrameColor, settings_.FrameStyle));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(QRect(frame.x, frame.top, frame.width, frame.height));
  }

 private:
  QImage& sheet_;
  QPainter& painter_;
  const QImage& blank_;
  const SheetImages& images_;
  const ViewSettings& settings_;
  QFont headerFont_;
  NumberFont numberFont_;
  TextStamps stamps_;
  QImage view_;
  QPoint offset_;
};

}  // namespace

Result<QImage> renderSheet(const SheetLayout& layout, const Chart& chart, const ViewSettings& settings,
                           double twipsPerPixel, const SheetImages& images) {
  QImage sheet(layout.sheetWidth, layout.sheetHeight, QImage::Format_RGB32);
  const QImage blank = blankMeasure(layout, settings);
  if (sheet.isNull() || blank.isNull()) {
    return Error{
        ErrorCode::OutOfRange,
        QCoreApplication::translate("SheetRenderer", "全体ビュー（%1×%2ピクセル）を描くためのメモリが足りません。")
            .arg(layout.sheetWidth)
            .arg(layout.sheetHeight)
            .toStdString()};
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
  RasterCanvas canvas(sheet, painter, blank, images, settings, dotsPerMeter);
  walkSheet(layout, chart, SheetPart::whole(), canvas);
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
