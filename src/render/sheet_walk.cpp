#include "render/sheet_walk.h"

#include <cmath>
#include <limits>

#include "render/sheet_images.h"

namespace tarveno {

namespace {

constexpr int kFreezeClass = 3;

// One beat's arrows, its lowest row first, with the beat's top edge at buffer row yb.
void walkBeat(const SheetLayout& layout, const Chart& chart, int measure, int k, int yb, SheetCanvas& canvas) {
  const int b = layout.beatHeight;
  if (chart.stepAt(4 * k, measure) != kTripletMark) {
    for (int j = 3; j >= 0; --j) {
      const uint8_t steps = chart.stepAt(4 * k + j, measure);
      const uint8_t freeze = chart.freezeAt(4 * k + j, measure);
      const int y = yb + b / 4 * j;
      for (int p = 0; p < 8; ++p) {
        const int x = layout.cellWidth * p;
        if (steps & (1u << p)) canvas.arrow(sheetImageIndex(kSlotNoteValue[static_cast<size_t>(j)], p % 4), x, y);
        if (freeze & (1u << p)) canvas.arrow(sheetImageIndex(kFreezeClass, p % 4), x, y);
      }
    }
    return;
  }
  for (int j = 2; j >= 0; --j) {
    const uint8_t steps = chart.stepAt(4 * k + 1 + j, measure);
    // Thirds of a beat fall between pixels: 0, 5 1/3, 10 2/3 go to the nearest row.
    const int y = yb + static_cast<int>(std::lround(b * j / 3.0));
    for (int p = 0; p < 8; ++p) {
      if (steps & (1u << p))
        canvas.arrow(sheetImageIndex(kTripletNoteValue[static_cast<size_t>(j)], p % 4), layout.cellWidth * p, y);
    }
  }
}

// The arrows of the measure's four beats and of the beat before it (whose arrows reach down
// into this measure), the lowest beat first so that rows nearer the top cover the rows below.
void walkMeasureArrows(const SheetLayout& layout, const Chart& chart, int m, SheetCanvas& canvas) {
  for (int g = 4 * m + 3; g >= 4 * m - 1 && g >= 0; --g) {
    const int yb = layout.bufferTopLine + layout.beatHeight * (g - 4 * m) + 1;
    walkBeat(layout, chart, g / 4, g % 4, yb, canvas);
  }
}

bool inPart(const SheetPart& part, int column) {
  return column >= part.firstColumn && column - part.firstColumn < part.columnCount;
}

}  // namespace

SheetPart SheetPart::whole() {
  return SheetPart{0, std::numeric_limits<int>::max(), true};
}

void walkSheet(const SheetLayout& layout, const Chart& chart, const SheetPart& part, SheetCanvas& canvas) {
  if (part.header) {
    for (const HeaderLine& line : layout.header) canvas.headerLine(line);
  }
  for (auto place = layout.measures.rbegin(); place != layout.measures.rend(); ++place) {
    if (!inPart(part, place->column)) continue;
    canvas.beginMeasure(*place);
    walkMeasureArrows(layout, chart, place->measure, canvas);
    canvas.endMeasure();
    if (layout.showNumbers) canvas.measureNumber(*place);
  }
  for (const ColumnFrame& frame : layout.frames) {
    if (inPart(part, frame.column)) canvas.frame(frame);
  }
}

}  // namespace tarveno
