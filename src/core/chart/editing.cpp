#include "core/chart/editing.h"

namespace tarveno {

namespace {

uint8_t& stepCell(Chart& chart, int pos) {
  return chart.StepData[static_cast<size_t>(pos / kSlotsPerMeasure)][static_cast<size_t>(pos % kSlotsPerMeasure)];
}
uint8_t& freezeCell(Chart& chart, int pos) {
  return chart.FreezeData[static_cast<size_t>(pos / kSlotsPerMeasure)][static_cast<size_t>(pos % kSlotsPerMeasure)];
}
bool inSteps(int pos) {
  return pos >= 0 && pos / kSlotsPerMeasure < kStepMeasures;
}

}  // namespace

bool PlaceArrow(Chart& chart, int column, int pos, int divide) {
  const int measure = pos / kSlotsPerMeasure;
  const int slot = pos % kSlotsPerMeasure;
  if (!inSteps(pos) || !CanPlaceArrow(chart, column, slot, measure)) return false;
  const auto bit = static_cast<uint8_t>(1u << column);
  const int b = slot / 4;
  auto& steps = chart.StepData[static_cast<size_t>(measure)];
  const auto s0 = static_cast<size_t>(4 * b);
  if (steps[s0] == kTripletMark || divide != 12) {
    steps[static_cast<size_t>(slot)] |= bit;
  } else if (slot % 4 == 1) {
    steps[s0] |= bit;  // the first triplet note falls on the beat: the beat stays plain
  } else {
    // A later triplet note: the on-beat notes become the first triplet note.
    steps[static_cast<size_t>(slot)] |= bit;
    steps[s0 + 1] = steps[s0];
    steps[s0] = kTripletMark;
  }
  RecalcBeatType(chart, b, measure);
  return true;
}

void EraseArrow(Chart& chart, int column, int pos, int divide) {
  if (!inSteps(pos)) return;
  const int measure = pos / kSlotsPerMeasure;
  const int slot = pos % kSlotsPerMeasure;
  const auto keep = static_cast<uint8_t>(~(1u << column));
  const int b = slot / 4;
  auto& steps = chart.StepData[static_cast<size_t>(measure)];
  const auto s0 = static_cast<size_t>(4 * b);
  if (steps[s0] == kTripletMark) {
    // The marker slot itself holds no arrows; clearing a bit there would turn it into seven.
    if (static_cast<size_t>(slot) != s0) {
      steps[static_cast<size_t>(slot)] &= keep;
      if (slot % 4 >= 2 && steps[s0 + 2] == 0 && steps[s0 + 3] == 0) {
        steps[s0] = steps[s0 + 1];
        steps[s0 + 1] = 0;
      }
    }
  } else if (divide == 12 && slot % 4 == 1) {
    steps[s0] &= keep;
  } else {
    steps[static_cast<size_t>(slot)] &= keep;
  }
  // Erasing inside a freeze arrow cuts it from here to its end.
  const auto bit = static_cast<uint8_t>(~keep);
  for (int p = pos; p / kSlotsPerMeasure < kFreezeMeasures && (freezeCell(chart, p) & bit); ++p) {
    freezeCell(chart, p) &= keep;
    RecalcBeatType(chart, (p % kSlotsPerMeasure) / 4, p / kSlotsPerMeasure);
  }
  RecalcBeatType(chart, b, measure);
}

bool PlaceFreeze(Chart& chart, int column, int from, int to) {
  if (from < 0 || from > to) return false;
  // A hold cannot reach past the freeze table.
  for (int p = from; p <= to; ++p) {
    if (p / kSlotsPerMeasure >= kFreezeMeasures ||
        !CanPlaceArrow(chart, column, p % kSlotsPerMeasure, p / kSlotsPerMeasure)) {
      return false;
    }
  }
  const auto bit = static_cast<uint8_t>(1u << column);
  for (int p = from; p <= to; ++p) {
    freezeCell(chart, p) |= bit;
    if (stepCell(chart, p) != kTripletMark) stepCell(chart, p) &= static_cast<uint8_t>(~bit);
  }
  stepCell(chart, from) |= bit;  // the head is a normal step
  for (int row = from / 4; row <= to / 4; ++row) RecalcBeatType(chart, row % 4, row / 4);
  return true;
}

}  // namespace tarveno
