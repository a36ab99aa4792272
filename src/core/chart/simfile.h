#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/chart/chart.h"
#include "core/chart/chart_text.h"
#include "core/chart/simfile_report.h"
#include "core/result.h"

namespace tarveno {

// StepMania simfiles: .sm and .ssc are read, .sm is written. How a simfile chart and our chart
// map onto each other, both ways:
//
// Steps type and style. dance-single is SINGLE (4 columns), dance-couple COUPLE, dance-double
//   DOUBLE (8 columns each). Simfile column k is panel bit k of the arrow byte: left, down, up,
//   right of the first pad, then of the second. Other steps types are listed, never read.
// Time. Table measure m is simfile measure m, 4 beats each; meter segments only renumber
//   measures on screen. Slot s of a plain or sixteenth-level beat lies at s/4 of its beat, the
//   note t of a triplet beat (slot 4b+1+t) at t/3. A time unit below is a 48th of a measure.
// Taps are "1". A freeze arrow (head bit plus FreezeData bits on global 16th slots p..q from the
//   head's slot index on) is written as a head "2" at the head's time and a tail "3" at the time
//   of global slot q+1. When a note of the same column stands there, or the song ends there,
//   the tail goes one unit earlier, which reads back the same. Should even that meet the next
//   note, the freeze is shortened (reported). A head inside another freeze's run starts a new
//   freeze; freeze bits no head reaches are not written (reported).
// Reading a hold from time T to U sets the head like a tap at T and freeze bits from the head's
//   slot index to q = ceil(4U) - 1 in global 16th slots, at least the head's slot. Rolls ("4")
//   become freezes; holds needing freeze storage past measure 200 become taps; holds running
//   past the song's end are cut there. A head without a tail is a tap, a tail without a head is
//   dropped; a new note in the column of an open hold leaves that hold without its tail.
// Dropped on reading: mines, lifts, fakes, keysounds and attacks, "{...}"/"[...]" annotations,
//   unknown characters, notes at or past the song's measure count (and past measure 470),
//   tempo changes and stops (the song's own tempo rules in the game).
// Positions. A beat whose notes are all on 16th positions or all on triplet positions reads
//   exactly (notes on the beat fit both; such a beat stays plain). Any other beat needs
//   snapping: the grid keeping most of its notes in place (16th on a tie), every other note to
//   the nearest point of that grid within the beat (the earlier on a tie); notes meeting on one
//   slot and panel merge. Without permission to snap, reading is refused.
//   A plain beat cannot hold all eight panels at once (that byte marks a triplet beat): the
//   second pad's right arrow is dropped there.
// Header. Difficulty class 0 is Edit, 1 Easy, 2 Medium, 3 Hard, higher classes Edit; reading
//   takes Beginner/Easy as 1, Medium 2, Hard/Challenge 3, Edit 0, and the old names (Basic and
//   Light as Easy, Another, Trick and Standard as Medium, Maniac, SSR and Heavy as Hard, Smaniac,
//   Oni and Expert as Challenge); any other name gives 0 (reported). The meter is the foot
//   level, clamped to 0..15 on reading. The description is the edit name, kept on reading only
//   when it is a valid edit name (.ssc: #DESCRIPTION, else #CHARTNAME). #TITLE is the song's
//   catalogue title; #BPMS is "0.000=" and the song's tempo (120 when it has none, reported)
//   or the tempo asked for; #MUSIC and #OFFSET come from the song's playback settings (none and 0
//   when unset). The song's measures 0 .. Measures-1 are written, each
//   with the fewest of 4, 8, 12, 16, 24 and 48 rows that place its notes exactly.
// Song on reading: the one asked for; else the catalogue song whose title equals #TITLE,
//   compared with ASCII letters case-insensitive (the first such song); else the first song
//   long enough for every note whose tempo is the file's first #BPMS; else the first song long
//   enough; else the longest song (the first of them).
// Text. UTF-8 with or without BOM, else CP932; LF written. Free text escapes ":", ";", "\",
//   "#" and "//".

// One chart of a simfile, as written there (trimmed).
struct SimfileChart {
  std::string stepsType;
  std::string description;
  std::string difficulty;
  std::string meter;
  std::string notes;                  // the note data, untouched
  std::vector<double> timingAt;       // beats of tempo changes and stops the chart cannot keep
  std::optional<Message> unreadable;  // why the chart cannot be read at all; nothing when it can
  int line = 0;                       // the line its #NOTES or #NOTEDATA starts on, from 1
  bool supported() const;
  std::optional<PlayStyle> style() const;
};

struct SimfileSong {
  std::string title;
  std::optional<double> firstBpm;  // the first #BPMS value, when there is one
  double offset = 0;               // #OFFSET in seconds
  std::string music;               // #MUSIC as written
  std::vector<SimfileChart> charts;
};

// Reads .sm and .ssc content alike (the .ssc "#NOTEDATA" blocks or the six-part .sm "#NOTES").
// A .sm "#NOTES" with fewer than six parts is listed as unreadable; a file without any chart,
// or in UTF-16, is an error.
Result<SimfileSong> readSimfile(std::string_view bytes);

// The foot level a #METER gives: its leading number within 0..15; 0 when it is not a finite
// number. `exact` is false when the level is not the number written.
struct SimfileMeter {
  int level = 0;
  bool exact = true;
};
SimfileMeter simfileMeter(std::string_view text);

// The index of the chart to read: the given 1-based number (which must name a supported chart),
// or the first supported chart. The error says why none can be read.
Result<size_t> pickSimfileChart(const SimfileSong& song, std::optional<int> number);

// Which song an import uses: the one asked for, else the one chooseSimfileSong finds.
struct SimfileSongChoice {
  std::optional<int16_t> given;
};

// The song a chart of this file is read under, and why (see "Song on reading" above).
struct SimfileSongUse {
  int16_t index = 0;
  enum class Why { Given, Title, Tempo, Length, Longest } why = Why::Given;
};
SimfileSongUse chooseSimfileSong(const SimfileSong& song, size_t chart, const SimfileSongChoice& choice,
                                 const Catalogue& catalogue);

// The measures a chart needs to hold all its notes and hold tails; 0 when it cannot be read.
int simfileChartMeasures(const SimfileChart& chart);

// Reads chart `index` of the song into `chart`: StepData, FreezeData, BeatType, PlayStyle,
// Difficulty, SongIndex and EditName; the KRUN fields and HasFreeze stay. Notes off both grids
// are snapped; the report says so (needsSnapping), for the caller to ask or refuse. The chart
// changes only on success.
Result<SimfileReport> importSimfileChart(const SimfileSong& song, size_t index, const SimfileSongChoice& songChoice,
                                         const Catalogue& catalogue, Chart& chart);

struct SimfileText {
  std::string bytes;
  SimfileReport report;
};

// The music of a written file: #MUSIC names `file` (empty: none), and #OFFSET is where beat 0
// lies, as the song's playback offset gives it (#OFFSET = -offsetMs / 1000 seconds).
struct SimfileMusic {
  std::string file;
  int offsetMs = 0;
};

// The chart as a .sm file (UTF-8, LF). Needs a song; bpm replaces the song's tempo.
Result<SimfileText> WriteSimfile(const Chart& chart, const Catalogue& catalogue, std::optional<int> bpm,
                                 const SimfileMusic& music = {});

// The song's playback settings: its music file (empty: none) and offset.
struct SimfilePlayback {
  std::filesystem::path music;
  int offsetMs = 0;
};

// WriteSimfile to a file, replacing it only once the new file is complete. The music is named
// only when it lies in the file's folder (reported otherwise).
Result<SimfileReport> WriteSimfileFile(const std::filesystem::path& path, const Chart& chart,
                                       const Catalogue& catalogue, std::optional<int> bpm,
                                       const SimfilePlayback& playback = {});

}  // namespace tarveno
