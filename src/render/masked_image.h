#pragma once

#include <QImage>
#include <QRgb>

namespace tarveno {

// Image lists hold pictures on a mask colour that stands for "transparent". Our pictures are
// painted antialiased onto a transparent canvas first; these helpers turn them into that
// one-bit form and back.

// A canvas of the given size, fully transparent, ready for QPainter.
QImage transparentCanvas(int width, int height);

// Every pixel at least half covered becomes opaque in its own colour, the rest the mask
// colour. An opaque pixel that happens to equal the mask colour is nudged off it, so the
// picture never loses pixels to the mask.
QImage flattenOnMask(const QImage& painted, QRgb mask);

// The mask colour as real transparency (for icons and QPainter users).
QImage maskToAlpha(const QImage& masked, QRgb mask);

}  // namespace tarveno
