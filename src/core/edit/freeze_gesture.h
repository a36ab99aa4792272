#pragma once

#include "core/chart/chart.h"

namespace tarveno {

// A freeze arrow laid by one gesture, the same with the mouse (press, drag, release) and the
// keys (a column key, moves, the same key or Enter). It starts on a cell that takes an arrow and
// stays in its column while the cursor extends it, on the grid it started on. Ended in its own
// column it lays the freeze arrow between the two cells, either way round, or a plain arrow when
// it never left its start; ended in another column, or cancelled, it lays nothing.
class FreezeGesture {
 public:
  // Columns are 0..7; this one marks no gesture under way.
  static constexpr int kNone = 10;

  bool active() const { return column_ < 8; }
  int column() const { return column_; }
  int anchor() const { return anchor_; }

  // At grid position `pos` (measure * 16 + slot): false, and nothing under way, where the cell
  // refuses an arrow.
  bool start(const Chart& chart, int column, int pos);
  // Ends the gesture at the cursor; true when the chart changed. `divide` is the grid in force,
  // which places the plain arrow as a click would.
  bool finish(Chart& chart, int column, int pos, int divide);
  void cancel() { column_ = kNone; }

 private:
  int column_ = kNone;
  int anchor_ = 0;
};

}  // namespace tarveno
