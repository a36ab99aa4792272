#include "render/text_stamps.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace tarveno {

TextStamps::TextStamps(const QFont& font, QRgb color, int dotsPerMeter)
    : font_(font), color_(color), dotsPerMeter_(dotsPerMeter) {}

const TextStamps::Glyph& TextStamps::glyphOf(QChar c) {
  auto found = glyphs_.find(c);
  if (found != glyphs_.end()) return found->second;
  const QString text(c);
  QImage scratch(1, 1, QImage::Format_RGB32);
  scratch.setDotsPerMeterX(dotsPerMeter_);
  scratch.setDotsPerMeterY(dotsPerMeter_);
  Glyph glyph;
  const QFontMetricsF metrics(font_, &scratch);
  glyph.advance = metrics.horizontalAdvance(c);
  // Room around the character's box, cleared to a colour the pen is not.
  const QRect box = metrics.boundingRect(text).toAlignedRect();
  const int margin = static_cast<int>(metrics.height()) + 4;
  scratch = QImage(box.width() + 2 * margin, box.height() + 2 * margin, QImage::Format_RGB32);
  scratch.setDotsPerMeterX(dotsPerMeter_);
  scratch.setDotsPerMeterY(dotsPerMeter_);
  const QRgb clear = (color_ ^ 0x00FFFFFFu) | 0xFF000000u;
  scratch.fill(clear);
  const QPoint origin(margin - box.x(), margin - box.y());
  {
    QPainter painter(&scratch);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font_);
    painter.setPen(QColor::fromRgb(color_));
    painter.drawText(origin, text);
  }
  for (int y = 0; y < scratch.height(); ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
    for (int x = 0; x < scratch.width();) {
      if (line[x] == clear) {
        ++x;
        continue;
      }
      const int start = x;
      while (x < scratch.width() && line[x] != clear) ++x;
      glyph.runs.push_back({y - origin.y(), start - origin.x(), x - origin.x()});
    }
  }
  return glyphs_.emplace(c, std::move(glyph)).first->second;
}

void TextStamps::draw(QImage& target, const QString& text, int x, int baseline) {
  qreal offset = 0;
  for (QChar c : text) {
    const Glyph& glyph = glyphOf(c);
    stamp(target, glyph, x + static_cast<int>(std::floor(offset)), baseline);
    offset += glyph.advance;
  }
}

int TextStamps::width(const QString& text) {
  qreal sum = 0;
  for (QChar c : text) sum += glyphOf(c).advance;
  return qRound(sum);
}

void TextStamps::stamp(QImage& target, const Glyph& glyph, int x, int baseline) const {
  const int width = target.width();
  const int height = target.height();
  const qsizetype stride = target.bytesPerLine();
  uchar* const bits = target.bits();
  for (const Run& run : glyph.runs) {
    const int ty = baseline + run.y;
    const int from = std::max(x + run.x0, 0);
    const int to = std::min(x + run.x1, width);
    if (ty < 0 || ty >= height || from >= to) continue;
    QRgb* line = reinterpret_cast<QRgb*>(bits + ty * stride);
    std::fill(line + from, line + to, color_);
  }
}

}  // namespace tarveno
