#pragma once

#include <QFrame>
#include <cstdint>
#include <functional>

namespace tarveno {

// A picColor swatch: a sunken box filled with a view-setting colour; a click runs onClick.
class ColorSwatch : public QFrame {
 public:
  explicit ColorSwatch(QWidget* parent);

  int32_t color() const { return color_; }
  void setColor(int32_t color);

  std::function<void()> onClick;

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  int32_t color_ = 0;
};

}  // namespace tarveno
