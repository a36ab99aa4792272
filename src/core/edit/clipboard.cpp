#include "core/edit/clipboard.h"

#include <algorithm>

#include "core/edit/beats.h"

namespace tarveno {

namespace {

// The end of the selection within the step table, or -1 for no selection. The editor shows one
// row past the table's last beat, so a selection may end (or even start) beyond the table; like
// the transforms, copy and cut then take only the beats the table holds.
int endInTable(int selStart, int selEnd) {
  if (selStart < 0 || selStart > selEnd) return -1;
  return std::max(selStart, std::min(selEnd, kStepBeats));
}

}  // namespace

void copyBeats(const Chart& chart, int selStart, int selEnd, Clipboard& clipboard) {
  selEnd = endInTable(selStart, selEnd);
  if (selEnd < 0) return;
  static constexpr uint8_t kNoFreeze[4] = {};
  for (int g = selStart; g < selEnd; ++g) {
    const int i = g - selStart;
    std::copy_n(beatBytes(chart.StepData, g), 4, beatBytes(clipboard.ClipSteps, i));
    if (i >= kFreezeBeats) continue;
    const uint8_t* freeze = g < kFreezeBeats ? beatBytes(chart.FreezeData, g) : kNoFreeze;
    std::copy_n(freeze, 4, beatBytes(clipboard.ClipFreeze, i));
  }
  clipboard.ClipBeats = selEnd - selStart;
}

void cutBeats(Chart& chart, int selStart, int selEnd, Clipboard& clipboard) {
  selEnd = endInTable(selStart, selEnd);
  if (selEnd < 0) return;
  copyBeats(chart, selStart, selEnd, clipboard);
  for (int g = selStart; g < selEnd; ++g) {
    std::fill_n(beatBytes(chart.StepData, g), 4, uint8_t{0});
    if (g < kFreezeBeats) std::fill_n(beatBytes(chart.FreezeData, g), 4, uint8_t{0});
    recalcBeat(chart, g);
  }
}

void pasteBeats(Chart& chart, int selStart, const Clipboard& clipboard) {
  if (selStart < 0 || selStart >= kStepBeats) return;
  const int beats = std::min(clipboard.ClipBeats, kStepBeats - selStart);
  for (int i = 0; i < beats; ++i) {
    const int g = selStart + i;
    std::copy_n(beatBytes(clipboard.ClipSteps, i), 4, beatBytes(chart.StepData, g));
    // i <= g, so a beat with freeze storage always has a clipboard beat with freeze bits; the
    // clipboard beats past 803 land above measure 200, where nothing is written.
    if (g < kFreezeBeats) std::copy_n(beatBytes(clipboard.ClipFreeze, i), 4, beatBytes(chart.FreezeData, g));
    recalcBeat(chart, g);
  }
}

}  // namespace tarveno
