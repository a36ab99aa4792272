#include "gui/editor/editor_geometry.h"

#include <algorithm>

#include "core/chart/chart.h"
#include "core/text/number.h"

namespace tarveno {

EditorLayout computeEditorLayout(int clientWidth, int clientHeight, int toolbarHeight, int statusBarHeight,
                                 int scrollBarWidth, PlayStyle style, int songMeasures) {
  EditorLayout layout;
  layout.canvasTop = toolbarHeight - geometry::kToolbarOverlap;
  const int secondPad = hasSecondPad(style) ? geometry::kPadWidth : 0;
  layout.canvasLeft =
      static_cast<int>(roundHalfEven((clientWidth - scrollBarWidth - geometry::kPadWidth - secondPad) / 2.0));
  layout.scrollBar = QRect(clientWidth - scrollBarWidth, toolbarHeight, scrollBarWidth,
                           std::max(0, clientHeight - toolbarHeight - statusBarHeight));
  const int measures = std::clamp(songMeasures, 0, kStepMeasures);
  layout.scrollMaximum = std::max(geometry::kScrollMinimum, 4 * measures - 13);
  return layout;
}

}  // namespace tarveno
