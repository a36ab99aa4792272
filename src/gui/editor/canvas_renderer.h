#pragma once

#include <QImage>
#include <QPoint>
#include <QString>
#include <array>

#include "core/chart/chart.h"
#include "core/songs/catalogue.h"
#include "gui/editor/editor_geometry.h"
#include "gui/editor/editor_state.h"

namespace tarveno {

class ArrowImages;

// What one redraw decides besides the pixels: the margin labels and markers (positions in
// client coordinates) and the two position texts of the status bar.
struct CanvasOutput {
  struct Label {
    bool visible = false;
    QString caption;
    QPoint pos;
  };
  struct Marker {
    bool visible = false;
    QPoint pos;
  };
  std::array<Label, geometry::kLabelCount> labels;
  std::array<Marker, geometry::kMarkerCount> markers;
  bool hasPositionTexts = false;  // only while the cursor is on the canvas
  QString posX;
  QString posY;
};

// The chart and view a redraw reads.
struct CanvasScene {
  const Chart& chart;
  const Catalogue& catalogue;
  const MeterSegs& meterSegs;
  const EditorState& state;
  // Shown where the window grew past the laid-out client area: the window's own background.
  QRgb bareColor = 0xFF000000u;
};

// RedrawCanvas's painting: the whole client area into `frame` (Format_RGB32), from scratch: the
// laid-out part black under the chart, the rest in the scene's bare colour.
// The frame holds images.scale() device pixels per canvas pixel; coordinates stay the canvas's.
void renderCanvas(QImage& frame, const CanvasScene& scene, const ArrowImages& images, CanvasOutput& out);

// The 8-character panel name of a column ("1P Left ", "2P Front", ...).
QString columnName(int column);

// "007:4/8": measure, grid line within the measure, division.
QString positionText(const CanvasScene& scene);

}  // namespace tarveno
