#include "render/sheet_pens_fonts.h"

#include <QList>

#include "render/qt_color.h"

namespace tarveno {

QFont toQFont(const FontSpec& wanted) {
  QFont font(QString::fromUtf8(wanted.name.data(), static_cast<qsizetype>(wanted.name.size())));
  font.setPointSizeF(wanted.size);
  font.setBold(wanted.bold);
  font.setItalic(wanted.italic);
  font.setUnderline(wanted.underline);
  font.setStrikeOut(wanted.strikethrough);
  return font;
}

FontSpec fromQFont(const QFont& font) {
  FontSpec wanted;
  wanted.name = font.family().toStdString();
  // A font given in pixels has no point size (-1); take its size at 96 dpi rather than store a
  // size the settings file refuses.
  wanted.size = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 0.75;
  wanted.bold = font.bold();
  wanted.italic = font.italic();
  wanted.underline = font.underline();
  wanted.strikethrough = font.strikeOut();
  return wanted;
}

QPen sheetPen(int32_t color, LineStyle style) {
  if (style == LineStyle::None) return QPen(Qt::NoPen);
  QPen pen(toQColor(color));
  pen.setWidth(1);
  pen.setCosmetic(true);
  pen.setCapStyle(Qt::FlatCap);
  switch (style) {
    case LineStyle::Dash:
      pen.setDashPattern({18, 6});
      break;
    case LineStyle::Dot:
      pen.setDashPattern({3, 3});
      break;
    case LineStyle::DashDot:
      pen.setDashPattern({9, 6, 3, 6});
      break;
    case LineStyle::DashDotDot:
      pen.setDashPattern({9, 3, 3, 3, 3, 3});
      break;
    default:
      pen.setStyle(Qt::SolidLine);
      break;
  }
  return pen;
}

}  // namespace tarveno
