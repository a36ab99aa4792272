#pragma once

#include <QImage>
#include <QRgb>
#include <array>

namespace tarveno {

// The toolbar's image list: 19 pictures of 16x16 pixels on the mask colour, 1-based.
inline constexpr int kToolbarImageCount = 19;
inline constexpr int kToolbarImageSize = 16;
inline constexpr QRgb kToolbarMaskColor = 0xFFC0C0C0u;  // RGB(192,192,192)

enum ToolbarImage : int {
  kImgPointer = 1,
  kImgQuarter = 2,
  kImgEighth = 3,
  kImgSixteenth = 4,
  kImgTriplet = 5,
  kImgNewPage = 6,
  kImgOpenFolder = 7,
  kImgDisk = 8,
  kImgScissors = 9,
  kImgCopy = 10,
  kImgPaste = 11,
  kImgSelStart1 = 12,  // red marker
  kImgSelStart2 = 13,  // red marker with a white edge
  kImgSelEnd1 = 14,    // blue marker
  kImgSelEnd2 = 15,    // blue marker with a white edge
  kImgCharSet = 16,    // 設
  kImgCharAll = 17,    // 全
  kImgCharInfo = 18,   // 情
  kImgFreeze = 19,     // green freeze arrow
};

// Drawn once at start-up (text glyphs need a QGuiApplication).
class ToolbarImages {
 public:
  ToolbarImages();

  // Format_RGB32 with kToolbarMaskColor where the picture is transparent.
  const QImage& image(int index) const { return images_.at(static_cast<size_t>(index - 1)); }
  // The same with real transparency, for icons and labels.
  QImage transparent(int index) const;

 private:
  std::array<QImage, kToolbarImageCount> images_;
};

}  // namespace tarveno
