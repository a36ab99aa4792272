#include "core/chart/krun_rows.h"

#include <algorithm>

#include "core/chart/measure_numbers.h"
#include "core/text/number.h"
#include "core/text/utf8.h"

namespace tarveno {

namespace {

constexpr int kRowMeasureDigits = 3;
constexpr size_t kMeasureNumberEnd = 3;  // index of the ':' after the measure number
constexpr int kHighestRowNumber = kStepMeasures;

// A 48-character row never shrinks below this: shorter rows are read back on the twelfth
// grid, where every on-beat value would turn its beat into a triplet beat and drag the
// other pad's sixteenths of that beat into triplet slots.
constexpr size_t kShortestMixedRow = 24;
constexpr size_t kShortestRow = 4;

// The panel bits of a data character; anything but a hex digit carries none.
uint8_t nibbleOf(char32_t c) {
  if (c >= U'0' && c <= U'9') return static_cast<uint8_t>(c - U'0');
  if (c >= U'A' && c <= U'F') return static_cast<uint8_t>(c - U'A' + 10);
  if (c >= U'a' && c <= U'f') return static_cast<uint8_t>(c - U'a' + 10);
  return 0;
}

// Any character but '0' marks a position as used, even one that carries no panel bits:
// on the twelfth grid that alone makes its beat a triplet beat.
bool isUsed(char32_t c) {
  return c != U'0';
}

uint8_t panelBits(char32_t c, KrunPad pad) {
  const uint8_t nibble = nibbleOf(c);
  return pad == KrunPad::First ? nibble : static_cast<uint8_t>(nibble << 4);
}

// An arrow already standing on the beat becomes the triplet's first note.
void makeTripletBeat(MeasureBytes& measure, int beat) {
  const size_t onBeat = static_cast<size_t>(4 * beat);
  if (measure[onBeat] == kTripletMark) return;
  measure[onBeat + 1] |= measure[onBeat];
  measure[onBeat] = kTripletMark;
}

void placeTripletNote(MeasureBytes& measure, int twelfth, uint8_t bits) {
  const int beat = twelfth / 3;
  makeTripletBeat(measure, beat);
  measure[static_cast<size_t>(4 * beat + 1 + twelfth % 3)] |= bits;
}

// A value on the beat of a triplet beat is its first triplet note.
void placeSlotValue(MeasureBytes& measure, int slot, uint8_t bits) {
  const size_t s = static_cast<size_t>(slot);
  if (slot % 4 == 0 && measure[s] == kTripletMark) {
    measure[s + 1] |= bits;
  } else {
    measure[s] |= bits;
  }
}

enum class RowGrid { None, Sixteenth, Twelfth, Mixed };

RowGrid gridOf(size_t length) {
  switch (length) {
    case 1:
    case 2:
    case 4:
    case 8:
    case 16:
      return RowGrid::Sixteenth;
    case 3:
    case 6:
    case 12:
      return RowGrid::Twelfth;
    case 24:
    case 48:
      return RowGrid::Mixed;
    default:
      return RowGrid::None;
  }
}

void decodeMixed(std::u32string_view data, KrunPad pad, MeasureBytes& measure) {
  const size_t length = data.size();
  // Triplets first, so the on-beat values read next go straight to the first triplet note.
  // The other order can lose that note: the other pad's on-beat bits plus these may add up to
  // 255, which the triplet pass would then take for a marker already in place.
  for (int twelfth = 0; twelfth < 12; ++twelfth) {
    if (twelfth % 3 == 0) continue;
    const char32_t c = data[static_cast<size_t>(twelfth) * length / 12];
    if (isUsed(c)) placeTripletNote(measure, twelfth, panelBits(c, pad));
  }
  for (size_t i = 0; i < length / 3; ++i) {
    const char32_t c = data[3 * i];
    if (isUsed(c)) placeSlotValue(measure, static_cast<int>(i * 48 / length), panelBits(c, pad));
  }
}

bool allZero(std::string_view digits) {
  return std::all_of(digits.begin(), digits.end(), [](char c) { return c == '0'; });
}

bool oddPositionsZero(std::string_view digits) {
  for (size_t i = 1; i < digits.size(); i += 2) {
    if (digits[i] != '0') return false;
  }
  return true;
}

char hexDigit(uint8_t nibble) {
  return "0123456789ABCDEF"[nibble & 15];
}

uint8_t padNibble(uint8_t value, KrunPad pad) {
  return pad == KrunPad::First ? static_cast<uint8_t>(value & 15) : static_cast<uint8_t>(value >> 4);
}

}  // namespace

std::optional<KrunRowText> parseKrunRowText(std::u32string_view text) {
  const std::string written = utf32ToUtf8(text.substr(0, kRowMeasureDigits));
  const int64_t number = leadingNumber(written);
  // Only the form the writer writes counts: " 01", "1e1" or "+01" are not measure numbers.
  if (measureCaption(number) != written) return std::nullopt;
  if (number < 1 || number > kHighestRowNumber) return std::nullopt;
  if (text.size() <= kMeasureNumberEnd || text[kMeasureNumberEnd] != U':') return std::nullopt;
  return KrunRowText{static_cast<int>(number - 1), text.substr(kMeasureNumberEnd + 1)};
}

bool decodeKrunRow(std::u32string_view data, KrunPad pad, MeasureBytes& measure) {
  const size_t length = data.size();
  switch (gridOf(length)) {
    case RowGrid::None:
      return false;
    case RowGrid::Sixteenth:
      for (size_t i = 0; i < length; ++i) {
        if (isUsed(data[i])) placeSlotValue(measure, static_cast<int>(i * 16 / length), panelBits(data[i], pad));
      }
      return true;
    case RowGrid::Twelfth:
      // Every position counts, the first note of a beat too: a row with only on-beat values
      // makes one-note triplet beats, which the recompute after opening turns back.
      for (size_t i = 0; i < length; ++i) {
        if (isUsed(data[i])) placeTripletNote(measure, static_cast<int>(i * 12 / length), panelBits(data[i], pad));
      }
      return true;
    case RowGrid::Mixed:
      decodeMixed(data, pad, measure);
      return true;
  }
  return false;
}

TwelfthBytes splitKrunTriplets(MeasureBytes& measure) {
  TwelfthBytes triplets{};
  for (size_t beat = 0; beat < kBeatsPerMeasure; ++beat) {
    const size_t onBeat = 4 * beat;
    if (measure[onBeat] != kTripletMark) continue;
    measure[onBeat] = measure[onBeat + 1];
    triplets[3 * beat + 1] = measure[onBeat + 2];
    triplets[3 * beat + 2] = measure[onBeat + 3];
    measure[onBeat + 1] = 0;
    measure[onBeat + 2] = 0;
    measure[onBeat + 3] = 0;
  }
  return triplets;
}

std::string encodeKrunRow(const MeasureBytes& measure, const TwelfthBytes& triplets, KrunPad pad) {
  std::string sixteenths;
  for (uint8_t value : measure) sixteenths.push_back(hexDigit(padNibble(value, pad)));
  std::string twelfths;
  for (uint8_t value : triplets) twelfths.push_back(hexDigit(padNibble(value, pad)));

  std::string data;
  size_t shortest = kShortestRow;
  if (allZero(twelfths)) {
    data = sixteenths;
  } else if (allZero(sixteenths)) {
    data = twelfths;
  } else {
    data.assign(48, '0');
    for (size_t q = 0; q < data.size(); ++q) {
      if (q % 3 == 0) {
        data[q] = sixteenths[q / 3];
      } else if (q % 4 == 0) {
        data[q] = twelfths[q / 4];
      }
    }
    shortest = kShortestMixedRow;
  }
  if (allZero(data)) return {};

  while (data.size() > shortest && oddPositionsZero(data)) {
    std::string half;
    for (size_t i = 0; i < data.size(); i += 2) half.push_back(data[i]);
    data = std::move(half);
  }
  return data;
}

}  // namespace tarveno
