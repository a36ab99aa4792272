#include "gui/editor/canvas_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "gui/editor/editor_state.h"

namespace tarveno {

int editorButton(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return kLeftButton;
    case Qt::RightButton:
      return kRightButton;
    case Qt::MiddleButton:
      return kMiddleButton;
    default:
      return 0;
  }
}

CanvasWidget::CanvasWidget(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("ClientArea"));
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setContextMenuPolicy(Qt::PreventContextMenu);  // the right button erases
}

QImage& CanvasWidget::frame() {
  if (frame_.size() != size() * scale_) {
    frame_ = QImage(size() * scale_, QImage::Format_RGB32);
    frame_.setDevicePixelRatio(scale_);
    frame_.fill(Qt::black);
  }
  return frame_;
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRect area = event->rect();
  if (frame_.size() != size() * scale_) painter.fillRect(area, palette().window());
  painter.drawImage(area, frame_, QRect(area.topLeft() * scale_, area.size() * scale_));
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event) {
  if (input_) input_->canvasMouseMove(event->position().toPoint().x(), event->position().toPoint().y());
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
  const int button = editorButton(event->button());
  if (input_ && button != 0) input_->canvasMouseDown(button);
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event) {
  const int button = editorButton(event->button());
  if (input_ && button != 0) input_->canvasMouseUp(button);
}

void CanvasWidget::wheelEvent(QWheelEvent* event) {
  if (input_) input_->canvasWheel(event->angleDelta().y());
  event->accept();
}

void CanvasWidget::leaveEvent(QEvent* event) {
  if (input_) input_->canvasLeft();
  QWidget::leaveEvent(event);
}

void CanvasWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  emit resized();
}

}  // namespace tarveno
