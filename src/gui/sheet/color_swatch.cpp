#include "gui/sheet/color_swatch.h"

#include <QMouseEvent>

#include "render/qt_color.h"

namespace tarveno {

ColorSwatch::ColorSwatch(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(1);
  setAutoFillBackground(true);
  setFixedSize(36, 18);
  setCursor(Qt::PointingHandCursor);
  setColor(0);
}

void ColorSwatch::setColor(int32_t color) {
  color_ = color;
  QPalette p = palette();
  p.setColor(QPalette::Window, toQColor(color));
  setPalette(p);
}

void ColorSwatch::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClick) onClick();
  QFrame::mouseReleaseEvent(event);
}

}  // namespace tarveno
