#pragma once

#include <QColor>
#include <cstdint>

namespace tarveno {

// View-setting colours hold red in the lowest byte.
inline QColor toQColor(int32_t value) {
  return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

inline int32_t fromQColor(const QColor& color) {
  return color.red() | (color.green() << 8) | (color.blue() << 16);
}

}  // namespace tarveno
