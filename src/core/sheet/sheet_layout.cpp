#include "core/sheet/sheet_layout.h"

#include <cmath>
#include <optional>
#include <tuple>

#include "core/sheet/header_template.h"
#include "core/sheet/sheet_text.h"
#include "core/text/number.h"

namespace tarveno {

namespace {

// Sheet coordinates and sizes are 16-bit on the drawing side.
constexpr int64_t kCoordinateMin = -32768;
constexpr int64_t kCoordinateMax = 32767;

// Collects the first value that leaves the 16-bit range the drawing side works in. Everything
// is computed in 64 bits first, so nothing wraps before it is checked. The message names the
// chart's length, since settings that draw a short song can be too large for a long one.
Error sheetError(ErrorCode code, SheetText kind, std::vector<std::string> args = {}) {
  return Error{code, Message{kind, std::move(args), {}}};
}

class RangeCheck {
 public:
  explicit RangeCheck(int64_t measures) : measures_(measures) {}

  int64_t operator()(int64_t value, SheetText what) {
    if (!error_ && (value < kCoordinateMin || value > kCoordinateMax)) {
      error_ = Error{
          ErrorCode::OutOfRange,
          Message{SheetText::TooLarge, {std::to_string(measures_), std::to_string(value)}, {Message{what, {}, {}}}}};
    }
    return value;
  }
  const std::optional<Error>& error() const { return error_; }

 private:
  int64_t measures_;
  std::optional<Error> error_;
};

std::string measureNumberText(int measure, int measureCount) {
  std::string digits = std::to_string(measure + 1);
  size_t width = measureCount >= 100 ? 3 : 2;
  return digits.size() < width ? std::string(width - digits.size(), ' ') + digits : digits;
}

// What the settings and the screen must give before anything can be measured.
Status checkDrawingInputs(const ViewSettings& settings, double twipsPerPixel) {
  if (Status blocks = checkSheetBlocks(settings.SheetBlocks); !blocks) return blocks;
  const double fontSize = settings.HeaderFont.size;
  if (!std::isfinite(fontSize) || fontSize <= 0) {
    return sheetError(ErrorCode::OutOfRange, SheetText::BadHeaderFontSize);
  }
  if (!std::isfinite(twipsPerPixel) || twipsPerPixel <= 0) {
    return sheetError(ErrorCode::OutOfRange, SheetText::BadScreenResolution);
  }
  return {};
}

// The sizes every placement is worked out from, in 64 bits.
struct SheetMetrics {
  int64_t measures = 0;
  int64_t blocks = 0;  // measures stacked in one column
  int64_t marginV = 0;
  int64_t marginH = 0;
  int64_t marginC = 0;
  int64_t columnWidth = 0;  // four panel cells per pad
  int64_t measureHeight = 0;
  int64_t columns = 0;
  int64_t headerLines = 0;
  int64_t headerPitch = 0;
  int64_t columnsTop = 0;  // below the header band
  int64_t sheetWidth = 0;
  int64_t sheetHeight = 0;

  int64_t columnX(int64_t column) const { return column * (columnWidth + marginC) + marginH; }
};

// The header's line pitch is the font's height in pixels (points x twips per pixel / 20) plus
// the header margin; multiplying first keeps exact halves exact for the rounding.
Result<SheetMetrics> measureSheet(int64_t measures, bool secondPad, const ViewSettings& settings, double twipsPerPixel,
                                  RangeCheck& check) {
  SheetMetrics m;
  std::tie(m.measures, m.blocks, m.marginV, m.marginH, m.marginC) =
      std::tuple(measures, settings.SheetBlocks, settings.SheetMarginV, settings.SheetMarginH, settings.SheetMarginC);
  m.columnWidth = int64_t{kSheetCellWidth} * 4 * (secondPad ? 2 : 1);
  m.measureHeight = int64_t{kSheetBeatHeight} * kBeatsPerMeasure;
  m.columns = (measures - 1) / m.blocks + 1;
  m.headerLines = check(headerLineCount(settings.HeaderStyle), SheetText::SizeHeaderLineCount);
  m.headerPitch =
      check(roundHalfEven(twipsPerPixel * settings.HeaderFont.size / 20.0 + static_cast<double>(settings.HeaderMargin)),
            SheetText::SizeHeaderPitch);
  if (check.error()) return *check.error();
  m.columnsTop = check(m.headerLines * m.headerPitch + m.marginV, SheetText::SizeHeaderHeight);
  m.sheetWidth =
      check(m.columns * (m.columnWidth + m.marginC) - m.marginC + 2 * m.marginH + 1, SheetText::SizeSheetWidth);
  // Room for full columns, even when the only column is partly filled.
  m.sheetHeight = check(m.columnsTop + m.marginV + m.blocks * m.measureHeight + 1, SheetText::SizeSheetHeight);
  if (check.error()) return *check.error();
  if (m.sheetWidth < 1 || m.sheetHeight < 1) {
    return sheetError(ErrorCode::OutOfRange, SheetText::EmptySheet);
  }
  return m;
}

SheetLayout sheetSizes(const SheetMetrics& m, bool secondPad, const ViewSettings& settings) {
  SheetLayout layout;
  layout.columnWidth = static_cast<int>(m.columnWidth);
  layout.measureHeight = static_cast<int>(m.measureHeight);
  layout.measureCount = static_cast<int>(m.measures);
  layout.columnCount = static_cast<int>(m.columns);
  layout.headerLineCount = static_cast<int>(m.headerLines);
  layout.headerPitch = static_cast<int>(m.headerPitch);
  layout.columnsTop = static_cast<int>(m.columnsTop);
  layout.sheetWidth = static_cast<int>(m.sheetWidth);
  layout.sheetHeight = static_cast<int>(m.sheetHeight);
  layout.bufferWidth = layout.columnWidth;
  layout.bufferHeight = kSheetCellWidth + layout.measureHeight;
  layout.bufferTopLine = kSheetBeatHeight;
  layout.playerLine = secondPad;
  layout.playerLineX = layout.columnWidth / 2;
  layout.showNumbers = settings.ShowNum != 0;
  return layout;
}

void placeHeader(SheetLayout& layout, const SheetMetrics& m, std::vector<std::string> texts, RangeCheck& check) {
  for (size_t i = 0; i < texts.size(); ++i) {
    const int64_t y = check(m.marginV + static_cast<int64_t>(i) * m.headerPitch, SheetText::SizeHeaderLinePosition);
    layout.header.push_back(HeaderLine{std::move(texts[i]), static_cast<int>(m.marginH), static_cast<int>(y)});
  }
}

void placeFrames(SheetLayout& layout, const SheetMetrics& m, RangeCheck& check) {
  for (int64_t column = 0; column < m.columns; ++column) {
    const int64_t x = check(m.columnX(column), SheetText::SizeColumnPosition);
    check(x + m.columnWidth, SheetText::SizeColumnRightEdge);
    // Only the last column can be partly filled; its frame ends below its last measure.
    const int64_t height =
        column >= m.measures / m.blocks ? (m.measures % m.blocks) * m.measureHeight : m.blocks * m.measureHeight;
    check(m.columnsTop + height, SheetText::SizeFrameBottom);
    layout.frames.push_back(ColumnFrame{static_cast<int>(column), static_cast<int>(x), static_cast<int>(m.columnsTop),
                                        static_cast<int>(m.columnWidth), static_cast<int>(height)});
  }
}

MeasurePlacement placeMeasure(const SheetMetrics& m, int64_t measure, int16_t numberOffset) {
  const int64_t column = measure / m.blocks;
  const int64_t row = measure % m.blocks;
  const int64_t x = m.columnX(column);
  const int64_t top = m.columnsTop + row * m.measureHeight;
  MeasurePlacement place;
  std::tie(place.measure, place.column, place.row, place.x, place.top) =
      std::tuple(static_cast<int>(measure), static_cast<int>(column), static_cast<int>(row), static_cast<int>(x),
                 static_cast<int>(top));
  place.copyX = static_cast<int>(x + 1);
  place.copyWidth = static_cast<int>(m.columnWidth - 1);
  // The first measure of a column leaves its top line to the frame.
  const bool first = row == 0;
  place.copyY = static_cast<int>(first ? top + 1 : top);
  place.copyHeight = static_cast<int>(first ? m.measureHeight - 1 : m.measureHeight);
  place.bufferY = first ? kSheetBeatHeight + 1 : kSheetBeatHeight;
  place.numberText = measureNumberText(place.measure, static_cast<int>(m.measures));
  // Numbers stand in the gap left of their column.
  place.numberX = static_cast<int>(x - m.marginC + numberOffset);
  place.numberY = place.top;
  return place;
}

void placeMeasures(SheetLayout& layout, const SheetMetrics& m, int16_t numberOffset, RangeCheck& check) {
  for (int64_t measure = 0; measure < m.measures; ++measure) {
    const int64_t top = check(m.columnsTop + (measure % m.blocks) * m.measureHeight, SheetText::SizeMeasurePosition);
    check(top + m.measureHeight, SheetText::SizeMeasureBottom);
    // The numbers' place only matters when they are drawn.
    if (layout.showNumbers)
      check(m.columnX(measure / m.blocks) - m.marginC + numberOffset, SheetText::SizeNumberPosition);
    layout.measures.push_back(placeMeasure(m, measure, numberOffset));
  }
}

}  // namespace

Result<int> sheetMeasureCount(const Chart& chart, const Catalogue& catalogue) {
  if (!catalogue.isValidIndex(chart.SongIndex)) {
    return sheetError(ErrorCode::OutOfRange, SheetText::NoSongChosen, {std::to_string(chart.SongIndex)});
  }
  const int n = catalogue.SongList[static_cast<size_t>(chart.SongIndex)].Measures;
  if (n < 1) return sheetError(ErrorCode::BadData, SheetText::NoMeasures);
  if (n > kStepMeasures) {
    return sheetError(ErrorCode::BadData, SheetText::TooManyMeasures,
                      {std::to_string(n), std::to_string(kStepMeasures)});
  }
  return n;
}

Result<SheetLayout> layoutSheet(const Chart& chart, const Catalogue& catalogue, const ViewSettings& settings,
                                double twipsPerPixel) {
  Result<int> measures = sheetMeasureCount(chart, catalogue);
  if (!measures) return measures.error();
  if (Status inputs = checkDrawingInputs(settings, twipsPerPixel); !inputs) return inputs.error();
  RangeCheck check(*measures);
  const bool secondPad = hasSecondPad(chart.PlayStyle);
  Result<SheetMetrics> metrics = measureSheet(*measures, secondPad, settings, twipsPerPixel, check);
  if (!metrics) return metrics.error();
  SheetLayout layout = sheetSizes(*metrics, secondPad, settings);
  placeHeader(layout, *metrics, expandHeaderTemplate(settings.HeaderStyle, chart, catalogue), check);
  placeFrames(layout, *metrics, check);
  placeMeasures(layout, *metrics, settings.NumPos, check);
  if (check.error()) return *check.error();
  return layout;
}

Status checkSheetSettings(const Chart& chart, const Catalogue& catalogue, const ViewSettings& settings,
                          double twipsPerPixel) {
  if (!sheetMeasureCount(chart, catalogue)) return {};  // no sheet to draw, whatever the settings
  Result<SheetLayout> layout = layoutSheet(chart, catalogue, settings, twipsPerPixel);
  if (!layout) return layout.error();
  return {};
}

}  // namespace tarveno
