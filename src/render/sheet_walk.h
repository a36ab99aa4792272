#pragma once

#include "core/chart/chart.h"
#include "core/sheet/sheet_layout.h"

namespace tarveno {

// Which part of the sheet to paint: a run of columns, with or without the header band.
struct SheetPart {
  int firstColumn = 0;
  int columnCount = 0;
  bool header = true;

  // Every column and the header: the whole picture.
  static SheetPart whole();
};

// Where the walk's drawing goes. The walk decides what is drawn and where; a canvas only knows
// how to put it on its device, so the picture and the pages cannot draw different sheets.
class SheetCanvas {
 public:
  virtual ~SheetCanvas() = default;
  virtual void headerLine(const HeaderLine& line) = 0;
  // The measure's ground (bands, measure, beat and player lines) in the measure buffer's
  // coordinates, clipped to the block the layout places; arrows follow until endMeasure.
  virtual void beginMeasure(const MeasurePlacement& place) = 0;
  // An arrow picture at measure buffer coordinates.
  virtual void arrow(int imageIndex, int x, int y) = 0;
  virtual void endMeasure() = 0;
  virtual void measureNumber(const MeasurePlacement& place) = 0;
  virtual void frame(const ColumnFrame& frame) = 0;
};

// One pass over the layout: header lines, then the measures from the last to the first (so
// that each measure's arrows reaching into the one below are covered by it), each with its
// number, and the column frames on top.
void walkSheet(const SheetLayout& layout, const Chart& chart, const SheetPart& part, SheetCanvas& canvas);

}  // namespace tarveno
