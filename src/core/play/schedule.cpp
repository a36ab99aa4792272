#include "core/play/schedule.h"

#include <algorithm>

#include "core/chart/measure_numbers.h"
#include "core/chart/slot_time.h"

namespace tarveno {

namespace {

double secondsPerBeat(double tempo) {
  return 60.0 / tempo;
}

// Adds the beat's click and its ticks, `beatsIn` beats after the start.
void addBeat(const Chart& chart, int beat, int beatsIn, bool accent, double tempo, std::vector<PlayEvent>& events) {
  const int measure = beat / kBeatsPerMeasure;
  const int first = kBeatsPerMeasure * (beat % kBeatsPerMeasure);
  const uint8_t panels = stylePanels(chart.PlayStyle);
  const auto at = [&](int twelfth) { return (beatsIn + twelfth / double(kTwelfthsPerBeat)) * secondsPerBeat(tempo); };
  events.push_back({at(0), accent ? PlaySound::AccentClick : PlaySound::Click});
  const bool triplet = isTripletBeat(chart, beat % kBeatsPerMeasure, measure);
  for (int k = 0; k < 4; ++k) {
    const auto twelfth = twelfthOfSlot(triplet, k);
    if (!twelfth || (chart.stepAt(first + k, measure) & panels) == 0) continue;
    events.push_back({at(*twelfth), PlaySound::Tick});
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
