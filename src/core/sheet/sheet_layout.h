#pragma once

#include <string>
#include <vector>

#include "core/chart/chart.h"
#include "core/result.h"
#include "core/sheet/view_settings.h"
#include "core/songs/catalogue.h"

namespace tarveno {

inline constexpr int kSheetCellWidth = 17;   // one panel column
inline constexpr int kSheetBeatHeight = 16;  // one beat

// Where one measure goes. The measure is drawn into a scratch buffer (a column wide, 81 high,
// its top line at y = 16) and a block of it is copied onto the sheet.
struct MeasurePlacement {
  int measure = 0;
  int column = 0;  // measure / SheetBlocks
  int row = 0;     // measure % SheetBlocks
  int x = 0;       // left edge of the column frame
  int top = 0;     // the measure's top line
  // The block copied from the buffer: the first measure of a column leaves out its top line,
  // which the frame's top edge stands in for.
  int copyX = 0;
  int copyY = 0;
  int copyWidth = 0;
  int copyHeight = 0;
  int bufferY = 0;
  // m + 1 right-aligned in 2 characters (3 when the song has 100 measures or more).
  std::string numberText;
  int numberX = 0;
  int numberY = 0;
};

// The outline of one column, from (x, top) to (x + width, top + height).
struct ColumnFrame {
  int column = 0;
  int x = 0;
  int top = 0;
  int width = 0;
  int height = 0;  // full, or only the measures the last column holds
};

struct HeaderLine {
  std::string text;  // UTF-8, already expanded
  int x = 0;
  int y = 0;
};

// Every number the sheet renderer needs, worked out once and checked to be drawable.
struct SheetLayout {
  int cellWidth = kSheetCellWidth;
  int beatHeight = kSheetBeatHeight;
  int columnWidth = 0;    // 68 single, 136 couple and double
  int measureHeight = 0;  // four beats
  int measureCount = 0;   // the song's measures
  int columnCount = 0;
  int headerLineCount = 0;  // lines reserved above the columns
  int headerPitch = 0;      // from one header line to the next
  int columnsTop = 0;       // y of the columns' top, below the header
  int sheetWidth = 0;
  int sheetHeight = 0;
  int bufferWidth = 0;      // one column
  int bufferHeight = 0;     // a measure and one panel cell above it
  int bufferTopLine = 0;    // y of the measure's top line in the buffer
  bool playerLine = false;  // couple and double divide the two pads
  int playerLineX = 0;      // within a column (and the buffer)
  bool showNumbers = false;
  std::vector<HeaderLine> header;
  std::vector<MeasurePlacement> measures;  // in measure order
  std::vector<ColumnFrame> frames;
};

// The number of measures the chart's sheet shows: its song's length. Refused with a Japanese
// message when there is no song, or one without measures or too long for the step table.
Result<int> sheetMeasureCount(const Chart& chart, const Catalogue& catalogue);

// Lays out the whole sheet of the chart's song. twipsPerPixel is the screen's horizontal
// twips per pixel (15 at 96 dpi). Refused with a Japanese message: the song refusals above,
// SheetBlocks below 1, a bad font size or twips value, and any size or coordinate that does
// not fit 16 bits.
Result<SheetLayout> layoutSheet(const Chart& chart, const Catalogue& catalogue, const ViewSettings& settings,
                                double twipsPerPixel);

// The settings dialog's check: refuses, saying why, settings that cannot draw this chart's
// sheet (a layout that fits a short song may not fit a long one). A chart without a sheet to
// draw passes, since no setting would change that.
Status checkSheetSettings(const Chart& chart, const Catalogue& catalogue, const ViewSettings& settings,
                          double twipsPerPixel);

}  // namespace tarveno
