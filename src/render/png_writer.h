#pragma once

#include <QByteArray>
#include <QImage>
#include <cstdint>

#include "core/result.h"

namespace tarveno {

// The PNG options of the export dialog, by their position in it.
enum class PngOption : uint8_t { Standard = 0, Speed = 1, Smallest = 2 };

// The complete PNG file of `image`, pixel for pixel. A picture of at most 256 colours is stored
// with a palette at the smallest bit depth that holds them (1, 2, 4 or 8), any other as 8-bit
// truecolour (with alpha when the image has an alpha channel). The resolution is kept. The
// option trades time for size only; every option decodes to the same pixels.
Result<QByteArray> encodePng(const QImage& image, PngOption option);

}  // namespace tarveno
