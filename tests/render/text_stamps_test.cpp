#include "render/text_stamps.h"

#include <gtest/gtest.h>

#include <QPainter>

#include "core/sheet/view_settings.h"
#include "render/sheet_pens_fonts.h"

namespace tarveno {
namespace {

// Stamped digits must land on the very pixels the painter gives the whole text, at sizes whose
// advances fall between pixels as well as on them, bold too, for every measure number.
TEST(TextStampsTest, NumbersMatchThePainterPixelForPixel) {
  const int dotsPerMeter = 3780;  // 96 dpi
  for (const double points : {7.0, 9.0, 10.5, 13.0}) {
    for (const bool bold : {false, true}) {
      QFont font = toQFont(FontSpec{ViewSettings{}.NumberFont.name, points, bold});
      font.setStyleStrategy(QFont::NoAntialias);
      QImage painted(64, 48, QImage::Format_RGB32), stamped = painted;
      painted.setDotsPerMeterX(dotsPerMeter), painted.setDotsPerMeterY(dotsPerMeter);
      TextStamps stamps(font, 0xFF102030u, dotsPerMeter);
      for (int n = 1; n <= 999; ++n) {
        painted.fill(Qt::white), stamped.fill(Qt::white);
        QPainter painter(&painted);
        painter.setFont(font), painter.setPen(QColor(0x10, 0x20, 0x30));
        painter.drawText(QPoint(5, 30), QString::number(n));
        painter.end();
        stamps.draw(stamped, QString::number(n), 5, 30);
        ASSERT_EQ(stamped, painted) << n << " at " << points << " pt, bold " << bold;
        ASSERT_EQ(stamps.width(QString::number(n)), QFontMetrics(font, &painted).horizontalAdvance(QString::number(n)));
      }
    }
  }
}

}  // namespace
}  // namespace tarveno
