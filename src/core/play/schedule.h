#pragma once

#include <cstdint>
#include <vector>

#include "core/chart/chart.h"
#include "core/songs/catalogue.h"

namespace tarveno {

// The sounds of playback: an assist tick where arrows stand, a metronome click on every beat,
// accented on the first beat of a measure as the measure numbers count them.
enum class PlaySound : uint8_t { Tick, Click, AccentClick };

struct PlayEvent {
  double time = 0;  // seconds after the start of the first beat played
  PlaySound sound = PlaySound::Tick;

  bool operator==(const PlayEvent&) const = default;
};

// What plays from a start beat to the song's end, in time order (at one instant the click
// comes before the tick). Beat g starts at g * 60 / tempo seconds of the song.
struct Schedule {
  double tempo = 120;  // beats a minute
  int startBeat = 0;   // global beat at time 0
  int endBeat = 0;     // global beat where the song ends (4 * Measures)
  std::vector<PlayEvent> events;

  // Seconds from the start beat to the song's end; 0 when the start lies at or past it.
  double length() const;
  // Where beat 0 of the song lies before time 0, in seconds.
  double startTime() const;
  // The global beat, with its fraction, reached after `seconds` of playback (for the playhead).
  double beatAt(double seconds) const;
};

// Every tick and click from startBeat to the end of the chart's song (the chart's SongIndex
// in the catalogue; meterSegs count the measures when the song has a meter table). A slot with
// arrows on the panels the play style shows gives one tick, freeze heads included; a plain or
// sixteenth-level beat's slot s lies s/4 into the beat, a triplet note t (0..2) t/3 into it.
Schedule buildSchedule(const Chart& chart, const Catalogue& catalogue, const MeterSegs& meterSegs, double tempo,
                       int startBeat);

}  // namespace tarveno
