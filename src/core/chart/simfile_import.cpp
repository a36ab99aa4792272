#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <numeric>

#include "core/chart/header_input.h"
#include "core/chart/simfile.h"
#include "core/chart/simfile_msd.h"
#include "core/chart/simfile_notes.h"
#include "core/chart/slot_time.h"
#include "core/text/number.h"

namespace tarveno {

namespace {

enum class Grid { Sixteenth, Triplet };

// Where a note lies within its beat, as a fraction of the beat over the measure's rows.
int64_t withinBeat(const SimfileTime& t) {
  return (4 * t.row) % t.rows;
}
bool onGrid(const SimfileTime& t, Grid grid) {
  return ((grid == Grid::Sixteenth ? 4 : 3) * withinBeat(t)) % t.rows == 0;
}

// The nearest point of the grid within the same beat, the earlier one on a tie.
SimfileTime snapped(const SimfileTime& t, Grid grid) {
  const int64_t g = grid == Grid::Sixteenth ? 4 : 3;
  const int64_t f = withinBeat(t);
  int64_t k = g * f / t.rows;
  if (k + 1 < g && std::llabs(g * f - (k + 1) * t.rows) < std::llabs(g * f - k * t.rows)) ++k;
  return {t.measure, t.beat() * g + k, 4 * g};
}

// The slot of a note in its measure once its beat's grid is known.
int slotOf(const SimfileTime& t, Grid grid) {
  const auto twelfth = static_cast<int>(kTwelfthsPerBeat * withinBeat(t) / t.rows);
  return 4 * t.beat() + slotAtTwelfth(grid == Grid::Triplet, twelfth).value_or(0);
}

// The note value of a position: 4 for a quarter, 12 for a triplet eighth, 32 for a 32nd.
int noteValue(const SimfileTime& t) {
  const int64_t within = withinBeat(t);
  return static_cast<int>(4 * t.rows / std::gcd(within, t.rows));
}

struct Placed {
  SimfileNote note;
  int slot = 0;
};

struct Importer {
  int limit = 0;  // measures the chart holds: the song's, at most the table's
  SimfileReport& report;
  Chart& chart;
  std::vector<SimfileBeat> offGrid;
  std::vector<Placed> placed;
  std::vector<bool> tripletBeat;    // per global beat
  std::map<int, int> snappedKinds;  // note value (16 for a 16th) of each moved note: how many

  // Chooses the beat's grid, snapping the notes when the beat mixes the two.
  void placeBeat(std::vector<SimfileNote>& notes) {
    const auto fits = [&](Grid grid) {
      return std::count_if(notes.begin(), notes.end(), [&](const auto& n) { return onGrid(n.at, grid); });
    };
    const auto on16 = fits(Grid::Sixteenth);
    const auto onTriplet = fits(Grid::Triplet);
    const auto all = static_cast<long>(notes.size());
    Grid grid = onTriplet == all && on16 < all ? Grid::Triplet : Grid::Sixteenth;
    if (on16 < all && onTriplet < all) {
      offGrid.push_back(notes.front().at.place());
      grid = onTriplet > on16 ? Grid::Triplet : Grid::Sixteenth;
    }
    for (SimfileNote& n : notes) {
      if (!onGrid(n.at, grid)) {
        report.add(SimfileEvent::Snapped, n.at.place());
        ++snappedKinds[noteValue(n.at)];
        n.at = snapped(n.at, grid);
      }
      const int measure = n.at.measure;
      const int slot = slotOf(n.at, grid);
      auto& bytes = chart.StepData[static_cast<size_t>(measure)];
      if (grid == Grid::Triplet) {
        bytes[static_cast<size_t>(4 * n.at.beat())] = kTripletMark;
        tripletBeat[static_cast<size_t>(4 * measure + n.at.beat())] = true;
      }
      const auto bit = static_cast<uint8_t>(1u << n.column);
      if (bytes[static_cast<size_t>(slot)] & bit) report.add(SimfileEvent::Merged, n.at.place());
      bytes[static_cast<size_t>(slot)] |= bit;
      placed.push_back({n, slot});
    }
  }

  // The editor's placement rule holds for imported arrows too: a slot keeps the leftmost two
  // arrows of each pad (of both pads together in the double style). It also keeps any on-beat
  // byte of a plain beat from reading as a triplet marker.
  void keepPlacementRule(PlayStyle style) {
    for (int g = 0; g < 16 * limit; ++g) {
      const int measure = g / 16;
      const int slot = g % 16;
      if (slot % 4 == 0 && tripletBeat[static_cast<size_t>(g / 4)]) continue;  // the marker
      uint8_t& bytes = chart.StepData[static_cast<size_t>(measure)][static_cast<size_t>(slot)];
      const uint8_t kept = placeableArrows(bytes, style);
      for (int k = 0; k < 8; ++k) {
        if (((bytes ^ kept) >> k) & 1) report.add(SimfileEvent::OverPlacementLimit, {measure, slot / 4});
      }
      bytes = kept;
    }
  }

  void freeze(const Placed& p) {
    const SimfileNote& n = p.note;
    const auto bit = static_cast<uint8_t>(1u << n.column);
    if (!n.head || !(chart.StepData[static_cast<size_t>(n.at.measure)][static_cast<size_t>(p.slot)] & bit)) return;
    const int64_t head = 16 * int64_t{n.at.measure} + p.slot;
    int64_t last = 16 * int64_t{limit} - 1;
    if (n.tail.measure < limit || (n.tail.measure == limit && n.tail.row == 0)) {
      last = 16 * int64_t{n.tail.measure} + (16 * n.tail.row + n.tail.rows - 1) / n.tail.rows - 1;
    } else {
      report.add(SimfileEvent::HoldCutAtSongEnd, n.at.place());
    }
    last = std::max(last, head);
    if (last >= 16 * int64_t{kFreezeMeasures}) return report.add(SimfileEvent::HoldToTap, n.at.place());
    if (n.roll) report.add(SimfileEvent::RollToFreeze, n.at.place());
    for (int64_t g = head; g <= last; ++g)
      chart.FreezeData[static_cast<size_t>(g / 16)][static_cast<size_t>(g % 16)] |= bit;
  }

  void run(std::vector<SimfileNote> notes) {
    std::erase_if(notes, [&](const SimfileNote& n) {
      if (n.at.measure < limit) return false;
      report.add(SimfileEvent::PastSongEnd, n.at.place());
      return true;
    });
    for (size_t i = 0; i < notes.size();) {
      size_t end = i;
      while (end < notes.size() && notes[end].at.measure == notes[i].at.measure &&
             notes[end].at.beat() == notes[i].at.beat()) {
        ++end;
      }
      std::vector<SimfileNote> beat(notes.begin() + static_cast<long>(i), notes.begin() + static_cast<long>(end));
      placeBeat(beat);
      i = end;
    }
    keepPlacementRule(chart.PlayStyle);
    for (const Placed& p : placed) {
      if (p.note.at.measure == 0) report.add(SimfileEvent::MeasureZero, p.note.at.place());
      freeze(p);
    }
  }
};

std::optional<int> difficultyClass(const std::string& name) {
  const std::string n = lowerAscii(name);
  for (const char* easy : {"beginner", "easy", "basic", "light"})
    if (n == easy) return 1;
  for (const char* medium : {"medium", "another", "trick", "standard"})
    if (n == medium) return 2;
  for (const char* hard : {"hard", "challenge", "maniac", "ssr", "heavy", "smaniac", "oni", "expert"})
    if (n == hard) return 3;
  if (n == "edit") return 0;
  return std::nullopt;
}

Message songLine(const SimfileSong& song, const SimfileSongUse& use, const SongRecord& record) {
  std::vector<std::string> args{record.Title, std::to_string(record.Code)};
  switch (use.why) {
    case SimfileSongUse::Why::Given:
      return chartText(ChartText::SongGiven, std::move(args));
    case SimfileSongUse::Why::Title:
      return chartText(ChartText::SongByTitle, std::move(args));
    default:
      break;
  }
  args.push_back(song.title);
  switch (use.why) {
    case SimfileSongUse::Why::Tempo:
      return chartText(ChartText::SongByTempo, std::move(args));
    case SimfileSongUse::Why::Length:
      return chartText(ChartText::SongByLength, std::move(args));
    default:
      return chartText(ChartText::SongLongest, std::move(args));
  }
}

std::string numberText(double value) {
  char buffer[32];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  return std::string(buffer, end);
}

void readHeader(const SimfileChart& source, Chart& chart, SimfileReport& report) {
  chart.PlayStyle = *source.style();
  const SimfileMeter meter = simfileMeter(source.meter);
  const auto cls = difficultyClass(source.difficulty);
  if (!cls) report.note(chartText(ChartText::UnknownDifficulty, {source.difficulty}), true);
  if (!meter.exact) report.note(chartText(ChartText::MeterChanged, {source.meter, std::to_string(meter.level)}), true);
  chart.Difficulty = static_cast<uint8_t>(cls.value_or(0) << 4 | meter.level);
  chart.EditName = isValidEditName(source.description) ? source.description : std::string();
  if (chart.EditName != source.description) {
    report.note(chartText(ChartText::DescriptionDropped, {source.description}), true);
  }
}

// The file's own timing, which the catalogue song replaces.
void noteFileTiming(const SimfileSong& song, const PlayTempo& tempo, SimfileReport& report) {
  if (song.firstBpm && *song.firstBpm != tempo.bpm) {
    const ChartText kind = tempo.assumed ? ChartText::FileTempoDiffersAssumed : ChartText::FileTempoDiffers;
    report.note(chartText(kind, {numberText(*song.firstBpm), numberText(tempo.bpm)}), true);
  }
  if (song.offset != 0) report.note(chartText(ChartText::FileOffset, {numberText(song.offset)}), true);
}

// Charts of the file that cannot be read at all, so that the user knows they exist.
void noteUnreadable(const SimfileSong& song, SimfileReport& report) {
  for (size_t i = 0; i < song.charts.size(); ++i) {
    const SimfileChart& c = song.charts[i];
    if (!c.unreadable) continue;
    report.note(
        chartText(ChartText::ChartUnreadableNote, {std::to_string(i + 1), std::to_string(c.line)}, {*c.unreadable}),
        true);
  }
}

void noteTiming(const SimfileChart& source, SimfileReport& report) {
  std::vector<double> beats = source.timingAt;
  std::sort(beats.begin(), beats.end());
  for (double beat : beats) {
    const auto whole = static_cast<int>(std::clamp(std::floor(beat), 0.0, 4.0 * kStepMeasures));
    report.add(SimfileEvent::TimingIgnored, {whole / 4, whole % 4});
  }
}

}  // namespace

Result<SimfileReport> importSimfileChart(const SimfileSong& song, size_t index, const SimfileSongChoice& songChoice,
                                         const Catalogue& catalogue, Chart& chart) {
  if (index >= song.charts.size())
    return Error{ErrorCode::BadData, chartText(ChartText::ImportNoChart, {std::to_string(index + 1)})};
  const SimfileChart& source = song.charts[index];
  if (!source.supported())
    return Error{ErrorCode::Unsupported, chartText(ChartText::ImportUnsupported, {source.stepsType})};
  const SimfileSongUse use = chooseSimfileSong(song, index, songChoice, catalogue);
  if (!catalogue.isValidIndex(use.index)) return Error{ErrorCode::BadData, chartText(ChartText::ImportNoSong)};
  const SongRecord& record = *catalogue.song(use.index);

  SimfileReport report;
  report.note(songLine(song, use, record),
              use.why != SimfileSongUse::Why::Given && use.why != SimfileSongUse::Why::Title);
  noteFileTiming(song, songTempo(catalogue, use.index), report);
  noteUnreadable(song, report);
  const int columns = *source.style() == PlayStyle::Single ? 4 : 8;
  auto notes = parseNoteData(source.notes, columns, report);
  if (!notes) return notes.error();

  Chart next = chart;
  next.eraseSteps();
  next.eraseFreeze();
  next.SongIndex = use.index;
  next.PlayStyle = *source.style();
  const int limit = std::clamp<int>(record.Measures, 0, kStepMeasures);
  Importer importer{limit, report, next, {}, {}, std::vector<bool>(static_cast<size_t>(4 * limit), false), {}};
  importer.run(std::move(*notes));
  if (!importer.snappedKinds.empty()) {
    Message kinds = chartText(ChartText::SnappedKinds);
    for (const auto& [value, count] : importer.snappedKinds) {
      kinds.parts.push_back(chartText(ChartText::SnappedKind, {std::to_string(value), std::to_string(count)}));
    }
    report.setSnappedKinds(kinds);
    report.note(chartText(ChartText::MovedNotes, {}, {kinds}), true);
  }
  noteTiming(source, report);
  readHeader(source, next, report);
  recalcAllBeatTypes(next, catalogue);
  chart = std::move(next);
  return report;
}

}  // namespace tarveno
