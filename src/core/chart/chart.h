#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/message.h"
#include "core/songs/catalogue.h"

namespace tarveno {

inline constexpr int kSlotsPerMeasure = 16;
inline constexpr int kBeatsPerMeasure = 4;
inline constexpr int kStepMeasures = 471;    // StepData measures 0..470
inline constexpr int kFreezeMeasures = 201;  // FreezeData measures 0..200
inline constexpr uint8_t kTripletMark = 255;

// One arrow byte per slot; the 16 slots of a measure are contiguous, measure after measure,
// exactly the block layout of the memory-card save. Indexed [measure][slot].
using MeasureBytes = std::array<uint8_t, kSlotsPerMeasure>;
using StepTable = std::array<MeasureBytes, kStepMeasures>;
using FreezeTable = std::array<MeasureBytes, kFreezeMeasures>;
using BeatTable = std::array<std::array<uint8_t, kBeatsPerMeasure>, kStepMeasures>;

static_assert(sizeof(StepTable) == 7536, "the step block of a card save is 471 x 16 bytes");

enum class BeatKind : uint8_t { Plain = 0, Sixteenth = 1, Triplet = 2 };

// Who plays the chart: one pad, two players on two pads, or one player on both pads. The
// values are those of the card save and the batch tool's --style.
enum class PlayStyle : uint8_t { Single = 0, Couple = 1, Double = 2 };

// Panels of the arrow byte a style uses: the first pad's nibble alone in single play.
inline constexpr uint8_t stylePanels(PlayStyle style) {
  return style == PlayStyle::Single ? 0x0F : 0xFF;
}
// Whether the style shows the second pad.
inline constexpr bool hasSecondPad(PlayStyle style) {
  return style != PlayStyle::Single;
}

// The note value of a position (0 on the beat, 1 eighth, 2 sixteenth, 3 a later triplet note).
// It is counted by the statistics and picks an arrow's colour wherever arrows are drawn.
inline constexpr std::array<int, 4> kSlotNoteValue = {0, 2, 1, 2};  // the four slots of a plain beat
inline constexpr std::array<int, 3> kTripletNoteValue = {0, 3, 3};  // the three notes of a triplet beat

// The one chart being edited: tables and header. A value owned by its document.
struct Chart {
  StepTable StepData{};
  FreezeTable FreezeData{};
  BeatTable BeatType{};

  tarveno::PlayStyle PlayStyle = tarveno::PlayStyle::Single;
  uint8_t Difficulty = 1;  // class in the high nibble, foot level in the low nibble
  int16_t SongIndex = 0;
  std::string EditName;  // UTF-8; at most 8 half-width characters
  std::string KrunTitle;
  int16_t KrunWidth = 0;
  int16_t KrunHeight = 0;
  std::string KrunComment;
  uint8_t HasFreeze = 0;  // set by the card reader and writer only

  // Freeze bits beyond measure 200 read as zero; measures outside the tables too.
  uint8_t freezeAt(int slot, int measure) const {
    return measure >= 0 && measure < kFreezeMeasures
               ? FreezeData[static_cast<size_t>(measure)][static_cast<size_t>(slot)]
               : 0;
  }
  uint8_t stepAt(int slot, int measure) const {
    return measure >= 0 && measure < kStepMeasures ? StepData[static_cast<size_t>(measure)][static_cast<size_t>(slot)]
                                                   : 0;
  }
  // The kind of a beat; beats outside the table are plain.
  BeatKind beatKindAt(int beat, int measure) const {
    return measure >= 0 && measure < kStepMeasures
               ? static_cast<BeatKind>(BeatType[static_cast<size_t>(measure)][static_cast<size_t>(beat)])
               : BeatKind::Plain;
  }

  bool operator==(const Chart&) const = default;

  void eraseSteps() { StepData = {}; }
  void eraseFreeze() { FreezeData = {}; }
  void eraseBeatTypes() { BeatType = {}; }
};

// The chart file kinds: the memory-card save (.mc), the KRUN chart text (.kru) and the
// StepMania simfile (.sm read and written, .ssc read).
enum class ChartFileKind { Card, Krun, Simfile };

// Where the open chart came from: the file it was opened from or last saved to, its kind, and
// for a simfile which of the file's charts it is. Empty for a new chart.
struct DocumentOrigin {
  std::string path;  // UTF-8
  std::optional<ChartFileKind> kind;
  int simfileChart = -1;  // 0-based among the file's charts; -1 when not a simfile chart

  bool operator==(const DocumentOrigin&) const = default;
};

// The open chart with its document state. MeterSegs is the meter list last loaded; it is not
// cleared when a song without one is chosen.
struct Document {
  Chart chart;
  MeterSegs meterSegs{};
  bool Modified = false;
  DocumentOrigin origin;
};

// Recomputes BeatType(beat, measure) and turns a one-note triplet beat back into a plain beat.
// Measures outside 0..470 are ignored.
void RecalcBeatType(Chart& chart, int beat, int measure);

// True when an arrow may be placed on column 0..7 at slot 0..15 of the measure.
bool CanPlaceArrow(const Chart& chart, int column, int slot, int measure);

// The arrows of one slot as the placement rule lets them stand: the leftmost two of each pad,
// of both pads together in the double style.
uint8_t placeableArrows(uint8_t arrows, PlayStyle style);

// The recompute that finishes every opening: every beat of the song's measures
// (none when SongIndex is outside 0..500), limited to the table's 471 measures.
void recalcAllBeatTypes(Chart& chart, const Catalogue& catalogue);

// Resets the header fields a new chart starts with and erases the tables. SongIndex,
// KrunWidth, KrunHeight and KrunComment keep their values.
void resetChartData(Chart& chart);

// The check before a save: nothing when the chart may be saved in that kind, otherwise the
// reason (a KRUN file without its title, a card image without an edit name).
std::optional<Message> FormCheck(const Chart& chart, ChartFileKind kind);

}  // namespace tarveno
