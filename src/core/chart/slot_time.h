#pragma once

#include <cstdint>
#include <optional>

#include "core/chart/chart.h"

namespace tarveno {

// Where the slots of a beat sound. Times within a beat are counted in twelfths, so that
// sixteenths (3 twelfths apart) and triplet notes (4 apart) both fall on whole numbers; a
// measure's 48ths are its beats' twelfths one after another.
inline constexpr int kTwelfthsPerBeat = 12;

// A beat is a triplet beat when its on-beat slot holds the marker; nowhere else is 255 one.
inline bool isTripletBeat(const Chart& chart, int beat, int measure) {
  return chart.stepAt(kBeatsPerMeasure * beat, measure) == kTripletMark;
}

// The twelfth of its beat at which slot k (0..3 within the beat) sounds: k/4 of a plain or
// sixteenth-level beat, note k-1 of three in a triplet beat. The marker slot sounds nowhere.
std::optional<int> twelfthOfSlot(bool tripletBeat, int slot);

// The inverse: the slot (0..3 within the beat) of a note at that twelfth, when the beat's
// grid has a position there.
std::optional<int> slotAtTwelfth(bool tripletBeat, int twelfth);

}  // namespace tarveno
