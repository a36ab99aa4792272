#pragma once

#include <QPainter>

#include "core/chart/chart.h"
#include "core/sheet/sheet_layout.h"
#include "core/sheet/view_settings.h"
#include "render/sheet_walk.h"

namespace tarveno {

class SheetImages;

// Paints part of the sheet onto any painter in sheet pixels, as shapes, text and the arrow
// pictures rather than as one picture, so that paper and PDF get sharp lines and searchable
// text. The painter's transform places and scales it; sheetDpi is the resolution the layout
// was made for (fonts keep their size relative to the sheet pixels at any device resolution).
void paintSheetPart(QPainter& painter, const SheetLayout& layout, const Chart& chart, const ViewSettings& settings,
                    const SheetImages& images, const SheetPart& part, double sheetDpi);

}  // namespace tarveno
