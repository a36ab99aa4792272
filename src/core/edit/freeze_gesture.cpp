#include "core/edit/freeze_gesture.h"

#include <algorithm>

#include "core/chart/editing.h"

namespace tarveno {

bool FreezeGesture::start(const Chart& chart, int column, int pos) {
  const bool takes = CanPlaceArrow(chart, column, pos % kSlotsPerMeasure, pos / kSlotsPerMeasure);
  column_ = takes ? column : kNone;
  anchor_ = pos;
  return takes;
}

bool FreezeGesture::finish(Chart& chart, int column, int pos, int divide) {
  const bool own = column == column_;
  const int anchor = anchor_;
  cancel();
  if (!own) return false;
  if (pos == anchor) return PlaceArrow(chart, column, pos, divide);
  return PlaceFreeze(chart, column, std::min(anchor, pos), std::max(anchor, pos));
}

}  // namespace tarveno
