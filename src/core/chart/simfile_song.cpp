#include <algorithm>
#include <cmath>

#include "core/chart/simfile.h"
#include "core/chart/simfile_msd.h"
#include "core/chart/simfile_notes.h"

namespace tarveno {

namespace {

std::optional<int16_t> byTitle(const SimfileSong& song, const Catalogue& catalogue) {
  const std::string title = lowerAscii(trimBlanks(song.title));
  for (int i = 0; i < catalogue.validCount() && !title.empty(); ++i) {
    if (lowerAscii(catalogue.SongList[static_cast<size_t>(i)].Title) == title) return static_cast<int16_t>(i);
  }
  return std::nullopt;
}

// Songs are compared by the measures a chart may use: at most the step table's.
int capacity(const SongRecord& record) {
  return std::clamp<int>(record.Measures, 0, kStepMeasures);
}

// The catalogue's tempo is whole beats a minute; a file's written as 140.000 is the same tempo.
bool sameTempo(const SongRecord& record, std::optional<double> bpm) {
  return bpm && record.Bpm > 0 && std::abs(*bpm - record.Bpm) < 0.0005;
}

}  // namespace

int simfileChartMeasures(const SimfileChart& chart) {
  if (!chart.supported()) return 0;
  SimfileReport unused;
  const auto notes = parseNoteData(chart.notes, *chart.style() == PlayStyle::Single ? 4 : 8, unused);
  if (!notes) return 0;
  int measures = 0;
  for (const SimfileNote& n : *notes) {
    measures = std::max(measures, n.at.measure + 1);
    // A tail on the first row of a measure ends with the measure before it.
    if (n.head) measures = std::max(measures, n.tail.measure + (n.tail.row == 0 ? 0 : 1));
  }
  return measures;
}

SimfileSongUse chooseSimfileSong(const SimfileSong& song, size_t chart, const SimfileSongChoice& choice,
                                 const Catalogue& catalogue) {
  using Why = SimfileSongUse::Why;
  if (choice.given) return {*choice.given, Why::Given};
  if (const auto titled = byTitle(song, catalogue)) return {*titled, Why::Title};
  const int needed = chart < song.charts.size() ? simfileChartMeasures(song.charts[chart]) : 0;
  const auto first = [&](auto&& fits) -> std::optional<int16_t> {
    for (int i = 0; i < catalogue.validCount(); ++i) {
      const SongRecord& record = catalogue.SongList[static_cast<size_t>(i)];
      if (capacity(record) >= needed && fits(record)) return static_cast<int16_t>(i);
    }
    return std::nullopt;
  };
  if (const auto timed = first([&](const SongRecord& r) { return sameTempo(r, song.firstBpm); }))
    return {*timed, Why::Tempo};
  if (const auto longEnough = first([](const SongRecord&) { return true; })) return {*longEnough, Why::Length};
  int16_t longest = 0;
  for (int i = 1; i < catalogue.validCount(); ++i) {
    if (capacity(catalogue.SongList[static_cast<size_t>(i)]) >
        capacity(catalogue.SongList[static_cast<size_t>(longest)]))
      longest = static_cast<int16_t>(i);
  }
  return {longest, Why::Longest};
}

}  // namespace tarveno
