#include "core/sheet/sheet_layout.h"

#include <cmath>
#include <optional>

#include "core/sheet/header_template.h"
#include "core/text/number.h"

namespace tarveno {

namespace {

constexpr int64_t kCoordinateMin = -32768;

// Collects the first value that leaves the 16-bit range the drawing side works in. Everything
// is computed in 64 bits first, so nothing wraps before it is checked.
class RangeCheck {
 public:
  int64_t operator()(int64_t value, const char* what) {
    if (!error_ && (value < kCoordinateMin || value > kSheetCoordinateMax)) {
      error_ = Error{ErrorCode::OutOfRange, std::string("全体ビューが大きすぎて描けません（") + what + "が " +
                                                std::to_string(value) +
                                                " になり、-32768～32767 に収まりません）。"
                                                "１行の小節数や余白、フォントサイズを見直してください。"};
    }
    return value;
  }
  const std::optional<Error>& error() const { return error_; }

 private:
  std::optional<Error> error_;
};

std::string measureNumberText(int measure, int measureCount) {
  std::string digits = std::to_string(measure + 1);
  size_t width = measureCount >= 100 ? 3 : 2;
  return digits.size() < width ? std::string(width - digits.size(), ' ') + digits : digits;
}

}  // namespace

Result<SheetLayout> layoutSheet(const Chart& chart, const Catalogue& catalogue, const ViewSettings& settings,
                                double twipsPerPixel) {
  if (!catalogue.isValidIndex(chart.SongIndex)) {
    return Error{ErrorCode::OutOfRange,
                 "曲が選ばれていません（曲番号 " + std::to_string(chart.SongIndex) + " は曲リストにありません）。"};
  }
  const int64_t n = catalogue.SongList[static_cast<size_t>(chart.SongIndex)].Measures;
  if (n < 1) return Error{ErrorCode::BadData, "曲の小節数が 0 以下のため全体ビューを作れません。"};
  if (n > kStepMeasures) {
    return Error{ErrorCode::BadData, "曲の小節数 " + std::to_string(n) + " が譜面に収まる " +
                                         std::to_string(kStepMeasures) + " 小節を超えています。"};
  }
  if (settings.SheetBlocks < 1) return Error{ErrorCode::OutOfRange, "１行の小節数は1以上にしてください。"};
  const double fontSize = settings.HeaderFont.size;
  if (!std::isfinite(fontSize) || fontSize <= 0) {
    return Error{ErrorCode::OutOfRange, "ヘッダのフォントサイズが正しくありません。"};
  }
  if (!std::isfinite(twipsPerPixel) || twipsPerPixel <= 0) {
    return Error{ErrorCode::OutOfRange, "画面の解像度（1ピクセルあたりのtwip数）が正しくありません。"};
  }

  RangeCheck check;
  const int64_t blocks = settings.SheetBlocks;
  const int64_t marginV = settings.SheetMarginV;
  const int64_t marginH = settings.SheetMarginH;
  const int64_t marginC = settings.SheetMarginC;
  const int64_t w = int64_t{kSheetCellWidth} * 4 * (hasSecondPad(chart.PlayStyle) ? 2 : 1);
  const int64_t h = int64_t{kSheetBeatHeight} * 4;
  const int64_t c = (n - 1) / blocks + 1;
  const int64_t lines = check(headerLineCount(settings.HeaderStyle), "ヘッダの行数");
  // TPP / 20 x S points in pixels; multiplying first keeps exact halves exact.
  const int64_t q = check(roundHalfEven(twipsPerPixel * fontSize / 20.0 + static_cast<double>(settings.HeaderMargin)),
                          "ヘッダの行間");
  if (check.error()) return *check.error();
  const int64_t t = check(lines * q + marginV, "ヘッダの高さ");
  const int64_t sheetWidth = check(c * (w + marginC) - marginC + 2 * marginH + 1, "全体の幅");
  const int64_t sheetHeight = check(lines * q + 2 * marginV + blocks * h + 1, "全体の高さ");
  if (check.error()) return *check.error();
  if (sheetWidth < 1 || sheetHeight < 1) {
    return Error{ErrorCode::OutOfRange, "全体ビューの幅か高さが 0 以下になります。余白を見直してください。"};
  }

  SheetLayout layout;
  layout.columnWidth = static_cast<int>(w);
  layout.measureHeight = static_cast<int>(h);
  layout.measureCount = static_cast<int>(n);
  layout.columnCount = static_cast<int>(c);
  layout.headerLineCount = static_cast<int>(lines);
  layout.headerPitch = static_cast<int>(q);
  layout.columnsTop = static_cast<int>(t);
  layout.sheetWidth = static_cast<int>(sheetWidth);
  layout.sheetHeight = static_cast<int>(sheetHeight);
  layout.bufferWidth = static_cast<int>(w);
  layout.bufferHeight = kSheetCellWidth + static_cast<int>(h);
  layout.bufferTopLine = kSheetBeatHeight;
  layout.playerLine = hasSecondPad(chart.PlayStyle);
  layout.playerLineX = static_cast<int>(w / 2);
  layout.showNumbers = settings.ShowNum != 0;

  std::vector<std::string> texts = expandHeaderTemplate(settings.HeaderStyle, chart, catalogue);
  for (size_t i = 0; i < texts.size(); ++i) {
    int64_t y = check(marginV + static_cast<int64_t>(i) * q, "ヘッダの行の位置");
    layout.header.push_back(HeaderLine{std::move(texts[i]), static_cast<int>(marginH), static_cast<int>(y)});
  }

  auto columnX = [&](int64_t column) { return column * (w + marginC) + marginH; };
  for (int64_t col = 0; col < c; ++col) {
    const int64_t x = check(columnX(col), "列の位置");
    check(x + w, "列の右端");
    // Only the last column can be partly filled; its frame ends below its last measure.
    const int64_t frameHeight = col >= n / blocks ? (n % blocks) * h : blocks * h;
    check(t + frameHeight, "枠の下端");
    layout.frames.push_back(ColumnFrame{static_cast<int>(col), static_cast<int>(x), static_cast<int>(t),
                                        static_cast<int>(w), static_cast<int>(frameHeight)});
  }

  for (int64_t m = 0; m < n; ++m) {
    const int64_t col = m / blocks;
    const int64_t row = m % blocks;
    const int64_t x = columnX(col);
    const int64_t top = check(t + row * h, "小節の位置");
    check(top + h, "小節の下端");
    MeasurePlacement place;
    place.measure = static_cast<int>(m);
    place.column = static_cast<int>(col);
    place.row = static_cast<int>(row);
    place.x = static_cast<int>(x);
    place.top = static_cast<int>(top);
    place.copyX = static_cast<int>(x + 1);
    place.copyWidth = static_cast<int>(w - 1);
    if (row != 0) {
      place.copyY = static_cast<int>(top);
      place.copyHeight = static_cast<int>(h);
      place.bufferY = kSheetBeatHeight;
    } else {
      place.copyY = static_cast<int>(t + 1);
      place.copyHeight = static_cast<int>(h - 1);
      place.bufferY = kSheetBeatHeight + 1;
    }
    place.numberText = measureNumberText(static_cast<int>(m), static_cast<int>(n));
    // Numbers stand in the gap left of their column; only checked when they are drawn.
    const int64_t numberX = x - marginC + settings.NumPos;
    if (layout.showNumbers) check(numberX, "小節番号の位置");
    place.numberX = static_cast<int>(numberX);
    place.numberY = static_cast<int>(top);
    layout.measures.push_back(std::move(place));
  }
  if (check.error()) return *check.error();
  return layout;
}

}  // namespace tarveno
