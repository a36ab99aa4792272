#pragma once

#include <QImage>

#include "core/chart/chart.h"
#include "core/result.h"
#include "core/sheet/sheet_layout.h"
#include "core/sheet/view_settings.h"
#include "core/songs/catalogue.h"

namespace tarveno {

class SheetImages;

// Twips per pixel where there is no screen to ask (96 dpi).
inline constexpr double kHeadlessTwipsPerPixel = 15.0;

// The screen's horizontal twips per pixel from its logical dots per inch (15 at 96 dpi).
inline double twipsPerPixelFromDpi(double logicalDpiX) {
  return logicalDpiX > 0 ? 1440.0 / logicalDpiX : kHeadlessTwipsPerPixel;
}

// RenderSheet's drawing: the whole sheet of a laid-out chart as a Format_RGB32 image of exactly
// sheetWidth x sheetHeight, its fonts sized at 1440 / twipsPerPixel dots per inch. Fails only
// when the image cannot be allocated.
Result<QImage> renderSheet(const SheetLayout& layout, const Chart& chart, const ViewSettings& settings,
                           double twipsPerPixel, const SheetImages& images);

// Layout and drawing in one: the sheet of the chart's song, or the layout's refusal (no song,
// SheetBlocks below 1, a sheet beyond 16-bit coordinates) as a Japanese message.
Result<QImage> renderChartSheet(const Chart& chart, const Catalogue& catalogue, const ViewSettings& settings,
                                double twipsPerPixel, const SheetImages& images);

}  // namespace tarveno
