#include "core/play/schedule.h"

#include <algorithm>

#include "core/chart/measure_numbers.h"

namespace tarveno {

namespace {

// Positions inside a beat are counted in twelfths: a sixteenth slot is 3 of them, a triplet
// note 4, so both lie on whole numbers and the times come from one formula.
constexpr int kTwelfths = 12;

double secondsPerBeat(double tempo) {
  return 60.0 / tempo;
}

// Adds the beat's click and its ticks, `beatsIn` beats after the start.
void addBeat(const Chart& chart, int beat, int beatsIn, bool accent, double tempo, std::vector<PlayEvent>& events) {
  const int measure = beat / kBeatsPerMeasure;
  const int first = kBeatsPerMeasure * (beat % kBeatsPerMeasure);
  const uint8_t panels = stylePanels(chart.PlayStyle);
  const auto at = [&](int twelfth) { return (beatsIn + twelfth / double(kTwelfths)) * secondsPerBeat(tempo); };
  events.push_back({at(0), accent ? PlaySound::AccentClick : PlaySound::Click});
  const bool triplet = chart.stepAt(first, measure) == kTripletMark;
  const int notes = triplet ? 3 : 4;
  for (int n = 0; n < notes; ++n) {
    const int slot = triplet ? first + 1 + n : first + n;
    if ((chart.stepAt(slot, measure) & panels) == 0) continue;
    events.push_back({at(triplet ? 4 * n : 3 * n), PlaySound::Tick});
  }
}

}  // namespace

double Schedule::length() const {
  return std::max(0, endBeat - startBeat) * secondsPerBeat(tempo);
}

double Schedule::startTime() const {
  return startBeat * secondsPerBeat(tempo);
}

double Schedule::beatAt(double seconds) const {
  return startBeat + seconds / secondsPerBeat(tempo);
}

Schedule buildSchedule(const Chart& chart, const Catalogue& catalogue, const MeterSegs& meterSegs, double tempo,
                       int startBeat) {
  Schedule schedule;
  schedule.tempo = tempo > 0 ? tempo : PlayTempo{}.bpm;  // no tempo would put every beat at time 0
  schedule.startBeat = std::max(0, startBeat);
  const int measures = std::min(catalogue.measures(chart.SongIndex), kStepMeasures);
  schedule.endBeat = kBeatsPerMeasure * std::max(0, measures);
  for (int beat = schedule.startBeat; beat < schedule.endBeat; ++beat) {
    const bool accent = RowToMeasure(beat, catalogue, chart.SongIndex, meterSegs).Beat == 0;
    addBeat(chart, beat, beat - schedule.startBeat, accent, schedule.tempo, schedule.events);
  }
  return schedule;
}

}  // namespace tarveno
