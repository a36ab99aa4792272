#pragma once

#include <QImage>
#include <QWidget>

namespace tarveno {

// Receives the client widget's mouse input, in client coordinates.
class CanvasInput {
 public:
  virtual ~CanvasInput() = default;
  virtual void canvasMouseMove(int x, int y) = 0;
  virtual void canvasMouseDown(int button) = 0;
  virtual void canvasMouseUp(int button) = 0;
  virtual void canvasWheel(int rotation) = 0;
  // The pointer left the client widget (also onto the toolbar or the scroll bar).
  virtual void canvasLeft() = 0;
};

// The main window's client area (see editor_geometry.h): it shows the frame that the last
// RedrawCanvas painted and nothing else; the toolbar, scroll bar, measure numbers and
// selection markers are its children.
class CanvasWidget : public QWidget {
  Q_OBJECT
 public:
  explicit CanvasWidget(QWidget* parent = nullptr);

  void setInput(CanvasInput* input) { input_ = input; }
  // Device pixels per widget pixel of the frame (the arrows are drawn for the same scale).
  void setScale(int scale) { scale_ = scale; }

  // The frame to paint into; sized to the widget times the scale (black when it had to be
  // made anew). Until there is one, the widget shows the window's background.
  QImage& frame();
  const QImage& currentFrame() const { return frame_; }

 signals:
  void resized();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QImage frame_;
  CanvasInput* input_ = nullptr;
  int scale_ = 1;
};

// Qt's button as the editing code counts it (1 left, 2 right, 4 middle; 0 for others).
int editorButton(Qt::MouseButton button);

}  // namespace tarveno
