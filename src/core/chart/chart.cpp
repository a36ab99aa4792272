#include "core/chart/chart.h"

#include <algorithm>
#include <bit>

#include "core/chart/chart_text.h"

namespace tarveno {

void RecalcBeatType(Chart& chart, int beat, int measure) {
  if (measure < 0 || measure >= kStepMeasures || beat < 0 || beat >= kBeatsPerMeasure) return;
  auto& steps = chart.StepData[static_cast<size_t>(measure)];
  uint8_t& type = chart.BeatType[static_cast<size_t>(measure)][static_cast<size_t>(beat)];
  const size_t s0 = static_cast<size_t>(4 * beat);
  if (steps[s0] != kTripletMark) {
    // Measures past the freeze table hold no freeze bits.
    bool freeze = false;
    if (measure < kFreezeMeasures) {
      const auto& bits = chart.FreezeData[static_cast<size_t>(measure)];
      freeze = (bits[s0] | bits[s0 + 1] | bits[s0 + 2] | bits[s0 + 3]) != 0;
    }
    if (freeze || steps[s0 + 1] != 0 || steps[s0 + 2] != 0 || steps[s0 + 3] != 0) {
      type = static_cast<uint8_t>(BeatKind::Sixteenth);
    } else {
      type = static_cast<uint8_t>(BeatKind::Plain);
    }
    return;
  }
  if (steps[s0 + 2] != 0 || steps[s0 + 3] != 0) {
    type = static_cast<uint8_t>(BeatKind::Triplet);
    return;
  }
  steps[s0] = steps[s0 + 1];
  steps[s0 + 1] = 0;
  type = static_cast<uint8_t>(BeatKind::Plain);
}

namespace {

// The panels one player may be on together with `column`: its pad, or both in the double style.
unsigned placementGroup(PlayStyle style, int column) {
  if (style == PlayStyle::Double) return 0xFF;
  return column < 4 ? 0x0F : 0xF0;
}

}  // namespace

uint8_t placeableArrows(uint8_t arrows, PlayStyle style) {
  unsigned kept = 0;
  for (int k = 0; k < 8; ++k) {
    if (((arrows >> k) & 1u) && std::popcount(kept & placementGroup(style, k)) < 2) kept |= 1u << k;
  }
  return static_cast<uint8_t>(kept);
}

bool CanPlaceArrow(const Chart& chart, int column, int slot, int measure) {
  if (measure <= 0 || measure >= kStepMeasures || column < 0 || column > 7 || slot < 0 || slot > 15) return false;
  const unsigned occupied = static_cast<unsigned>(chart.stepAt(slot, measure) | chart.freezeAt(slot, measure));
  const int count = std::popcount(occupied & placementGroup(chart.PlayStyle, column));
  const bool own = (occupied >> column) & 1u;
  return !own && count <= 1;
}

void recalcAllBeatTypes(Chart& chart, const Catalogue& catalogue) {
  const int measures = std::min(catalogue.measures(chart.SongIndex), kStepMeasures);
  for (int g = 0; g < 4 * measures; ++g) RecalcBeatType(chart, g % 4, g / 4);
}

void resetChartData(Chart& chart) {
  chart.eraseSteps();
  chart.eraseFreeze();
  chart.eraseBeatTypes();
  chart.PlayStyle = PlayStyle::Single;
  chart.Difficulty = 1;
  chart.EditName.clear();
  chart.KrunTitle.clear();
}

std::optional<Message> FormCheck(const Chart& chart, ChartFileKind kind) {
  if (chart.KrunTitle.empty() && kind == ChartFileKind::Krun) return chartText(ChartText::KrunTitleMissing);
  if (chart.EditName.empty() && kind == ChartFileKind::Card) return chartText(ChartText::EditNameMissing);
  return std::nullopt;
}

}  // namespace tarveno
