#include "gui/editor/canvas_renderer.h"

#include <algorithm>
#include <cmath>

#include "core/chart/measure_numbers.h"
#include "core/text/number.h"
#include "render/arrow_images.h"

namespace tarveno {

namespace {

constexpr QRgb kBlack = 0xFF000000u;
constexpr QRgb kWhite = 0xFFFFFFFFu;
constexpr QRgb kRed = 0xFFFF0000u;
constexpr QRgb kSixteenthTint = 0xFF000040u;  // RGB(0,0,64)
constexpr QRgb kTripletTint = 0xFF004000u;    // RGB(0,64,0)
constexpr QRgb kPlayheadColor = 0xFF00E0FFu;  // apart from the red, white and yellow of the grid

// Direct pixel access to the frame, in the canvas's own pixels: on a screen of device pixel
// ratio s every one of them is s x s device pixels. Everything is clipped here so callers may
// pass any coordinates (rows below the client area, the band past its bottom).
class Pixels {
 public:
  Pixels(QImage& frame, int scale)
      : bits_(frame.bits()),
        stride_(frame.bytesPerLine()),
        width_(frame.width()),
        height_(frame.height()),
        scale_(scale) {}

  int height() const { return height_ / scale_; }

  void fill(int x0, int y0, int x1, int y1, QRgb color) {  // inclusive corners
    fillDevice(x0 * scale_, y0 * scale_, (x1 + 1) * scale_ - 1, (y1 + 1) * scale_ - 1, color);
  }

  // Dotted: two pixels on, two off, from x0.
  void hline(int x0, int x1, int y, QRgb color, bool dotted) {
    if (!dotted) return fill(x0, y, x1, y, color);
    for (int x = x0; x <= x1; x += 4) fill(x, y, std::min(x + 1, x1), y, color);
  }

  void vline(int x, int y0, int y1, QRgb color) { fill(x, y0, x, y1, color); }

  // DSTINVERT: every colour bit flipped, [x0, x1) x [y0, y1).
  void invert(int x0, int y0, int x1, int y1) {
    x0 = std::max(x0 * scale_, 0);
    y0 = std::max(y0 * scale_, 0);
    x1 = std::min(x1 * scale_, width_);
    y1 = std::min(y1 * scale_, height_);
    for (int y = y0; y < y1; ++y) {
      QRgb* row = line(y);
      for (int x = x0; x < x1; ++x) row[x] ^= 0x00FFFFFFu;
    }
  }

 private:
  void fillDevice(int x0, int y0, int x1, int y1, QRgb color) {
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, width_ - 1);
    y1 = std::min(y1, height_ - 1);
    for (int y = y0; y <= y1; ++y) std::fill(line(y) + x0, line(y) + x1 + 1, color);
  }

  QRgb* line(int y) { return reinterpret_cast<QRgb*>(bits_ + static_cast<ptrdiff_t>(y) * stride_); }

  uchar* bits_;
  qsizetype stride_;
  int width_;
  int height_;
  int scale_;
};

struct Frame {
  QImage& image;
  const CanvasScene& scene;
  const ArrowImages& images;
  int left;
  int top;
  int width;

  int rowTop(int row) const { return top + geometry::kRowHeight * (row - scene.state.topRow); }
  void arrow(int index, int column, int y) { images.draw(image, index, left + geometry::kColumnWidth * column, y); }
};

void drawRows(Frame& f, Pixels& px, CanvasOutput& out) {
  const EditorState& st = f.scene.state;
  const Chart& chart = f.scene.chart;
  const int lines = st.currentDivide / 4;
  int n = 0;
  for (int i = 0; i < geometry::kVisibleRows; ++i) {
    const int r = st.topRow + i;
    const int y = f.top + geometry::kRowHeight * i;
    const MeasurePos m = RowToMeasure(r, f.scene.catalogue, chart.SongIndex, f.scene.meterSegs);
    const BeatKind type = chart.beatKindAt(r % 4, r / 4);
    if (type == BeatKind::Sixteenth) px.fill(f.left, y + 1, f.left + f.width - 1, y + 32, kSixteenthTint);
    if (type == BeatKind::Triplet) px.fill(f.left, y + 1, f.left + f.width - 1, y + 32, kTripletTint);
    for (int j = 0; j < lines; ++j) {
      // Division 12 puts its lines a fraction apart (10.67 pixels); the nearest pixel row.
      const int ly = y + static_cast<int>(roundHalfEven(j * 128.0 / st.currentDivide));
      if (j > 0) {
        px.hline(f.left, f.left + f.width - 1, ly, kWhite, true);
      } else if (m.Beat != 0) {
        px.hline(f.left, f.left + f.width - 1, ly, kWhite, false);
      } else {
        px.hline(f.left, f.left + f.width - 1, ly, kRed, false);
        // Only five labels exist; a sixth measure start keeps its line but gets no number.
        if (n < geometry::kLabelCount) {
          out.labels[static_cast<size_t>(n)] = {true, QString::fromStdString(measureCaption(m.Measure)),
                                                QPoint(f.left + geometry::kLabelLeft, y + geometry::kLabelTop)};
        }
        ++n;
      }
    }
  }
  for (int k = n; k < geometry::kLabelCount; ++k) out.labels[static_cast<size_t>(k)].visible = false;
}

void drawFreezeBodies(Frame& f) {
  const EditorState& st = f.scene.state;
  for (int r = st.topRow + geometry::kVisibleRows - 1; r >= st.topRow; --r) {
    for (int s = 3; s >= 0; --s) {
      const unsigned bits = f.scene.chart.freezeAt(4 * (r % 4) + s, r / 4);
      if (bits == 0) continue;
      for (int k = 0; k < 8; ++k) {
        if (bits & (1u << k)) f.arrow(freezeBodyIndex(k % 4), k, f.rowTop(r) + 8 * s);
      }
    }
  }
}

void drawArrows(Frame& f) {
  const EditorState& st = f.scene.state;
  const Chart& chart = f.scene.chart;
  for (int r = st.topRow; r < st.topRow + geometry::kVisibleRows; ++r) {
    const int b = r % 4;
    const int measure = r / 4;
    const bool triplet = chart.stepAt(4 * b, measure) == kTripletMark;
    const int notes = triplet ? 3 : 4;
    for (int t = 0; t < notes; ++t) {
      const int slot = 4 * b + t + (triplet ? 1 : 0);
      const unsigned steps = chart.stepAt(slot, measure);
      if (steps == 0) continue;
      const unsigned freeze = chart.freezeAt(slot, measure);
      const int group = triplet ? kTripletNoteValue[static_cast<size_t>(t)] : kSlotNoteValue[static_cast<size_t>(t)];
      const int y = f.rowTop(r) + (triplet ? 11 : 8) * t;
      for (int k = 0; k < 8; ++k) {
        if (!(steps & (1u << k))) continue;
        f.arrow((freeze & (1u << k)) ? freezeHeadIndex(k % 4) : arrowImageIndex(group, k % 4), k, y);
      }
    }
  }
}

void drawCursor(Frame& f, Pixels& px, CanvasOutput& out) {
  const EditorState& st = f.scene.state;
  const Chart& chart = f.scene.chart;
  if (!st.cursor.valid) return;
  if (st.freezeMode == 1 && st.cursor.column == st.freeze.column() && st.cursor.pos != st.freeze.anchor()) {
    const int from = st.freeze.anchor() - 4 * st.topRow;
    const int to = st.cursor.pos - 4 * st.topRow;
    // Only the pieces that can touch the client area; a drag may reach far off the view.
    const int lo = std::max(std::min(from, to), -4);
    const int hi = std::min(std::max(from, to), px.height() / 8 + 1);
    for (int q = lo; q <= hi; ++q) f.arrow(freezePreviewIndex(st.cursor.column % 4), st.cursor.column, f.top + 8 * q);
  } else {
    const bool ok = CanPlaceArrow(chart, st.cursor.column, st.cursor.slot(), st.cursor.measure());
    if (st.cursorLook != kLookHidden && (st.cursorLook != kLookGhost || ok)) {
      const bool tripletNote =
          chart.beatKindAt(st.cursor.slot() / 4, st.cursor.measure()) == BeatKind::Triplet || st.currentDivide == 12;
      int group;
      int y;
      if (tripletNote) {
        group = st.cursor.pos % 4 == 1 ? 0 : 3;
        y = static_cast<int>(
            roundHalfEven(32.0 * (st.cursor.pos / 4) + ((st.cursor.pos % 4) - 1) * 32.0 / 3.0 - 32.0 * st.topRow));
      } else {
        group = kSlotNoteValue[static_cast<size_t>(st.cursor.pos % 4)];
        y = 8 * (st.cursor.pos - 4 * st.topRow);
      }
      const int index = arrowImageIndex(group, st.cursor.column % 4) + (st.cursorLook == kLookGhost ? 16 : 0);
      f.arrow(index, st.cursor.column, f.top + y);
    }
  }
  out.hasPositionTexts = true;
  out.posX = columnName(st.cursor.column);
  out.posY = positionText(f.scene);
}

// The line where playback is, two pixels thick, across the pads.
void drawPlayhead(Frame& f, Pixels& px) {
  const double beat = f.scene.state.playhead;
  if (beat < 0) return;
  const int y = f.top + static_cast<int>(std::floor((beat - f.scene.state.topRow) * geometry::kRowHeight));
  if (y < f.top) return;
  px.fill(f.left, y, f.left + f.width - 1, y + 1, kPlayheadColor);
}

void placeMarkers(Frame& f, Pixels& px, CanvasOutput& out) {
  const EditorState& st = f.scene.state;
  for (auto& m : out.markers) m.visible = false;
  auto show = [&](int index, int row) {
    out.markers[static_cast<size_t>(index)] = {
        true, QPoint(f.left + geometry::kMarkerLeft, f.rowTop(row) + geometry::kMarkerTop)};
  };
  const bool hover = st.hoverRow >= 0;
  if (st.selEnd == kUnset && st.selStart == kUnset) {
    if (hover) show(2, st.hoverRow);
    return;
  }
  if (st.selEnd == kUnset) {
    show(0, st.selStart);
    if (hover && st.hoverRow != st.selStart) show(3, st.hoverRow);
    return;
  }
  show(0, st.selStart);
  show(1, st.selEnd);
  // The band is inverted on the finished picture, so arrows inside show inverted too. It is
  // clipped to the canvas top and the client area's bottom; a band wholly above the view
  // inverts nothing.
  if (st.selEnd < st.topRow) return;
  const int y0 = std::max(f.rowTop(st.selStart), f.top);
  const int y1 = std::min(f.rowTop(st.selEnd), px.height());
  if (y1 > y0) px.invert(f.left, y0, f.left + f.width, y1);
}

}  // namespace

void renderCanvas(QImage& frame, const CanvasScene& scene, const ArrowImages& images, CanvasOutput& out) {
  const EditorState& st = scene.state;
  Frame f{frame, scene, images, st.canvasLeft, st.canvasTop, canvasWidth(scene.chart.PlayStyle)};
  Pixels px(frame, images.scale());
  frame.fill(scene.bareColor);
  px.fill(0, 0, (st.layoutWidth > 0 ? st.layoutWidth : frame.width()) - 1,
          (st.layoutHeight > 0 ? st.layoutHeight : frame.height()) - 1, kBlack);
  out.hasPositionTexts = false;
  drawRows(f, px, out);
  if (hasSecondPad(scene.chart.PlayStyle)) {
    px.vline(f.left + geometry::kPadWidth, f.top, f.top + geometry::kDividerBottom, kWhite);
  }
  drawFreezeBodies(f);
  drawArrows(f);
  drawCursor(f, px, out);
  drawPlayhead(f, px);
  placeMarkers(f, px, out);
}

QString columnName(int column) {
  static const char kNames[] = "1P Left 1P Back 1P Front1P Right2P Left 2P Back 2P Front2P Right";
  if (column < 0 || column > 7) return {};
  return QString::fromLatin1(kNames + 8 * column, 8);
}

QString positionText(const CanvasScene& scene) {
  const EditorState& st = scene.state;
  const MeasurePos m = RowToMeasure(st.cursor.pos / 4, scene.catalogue, scene.chart.SongIndex, scene.meterSegs);
  const int d = st.currentDivide;
  const int g = d == 12 ? (st.cursor.pos % 4) - 1 : (st.cursor.pos % 4) * d / 16;
  const int n = (d / 4) * m.Beat + g + 1;
  return QStringLiteral("%1:%2/%3").arg(QString::fromStdString(measureCaption(m.Measure))).arg(n).arg(d);
}

}  // namespace tarveno
