#include <algorithm>
#include <array>
#include <charconv>

#include "core/chart/simfile.h"
#include "core/chart/simfile_msd.h"
#include "core/chart/slot_time.h"
#include "core/io/files.h"

namespace tarveno {

namespace {

constexpr int kUnitsPerMeasure = 48;  // a time unit is a 48th of a measure
constexpr int kFreezeSlots = 16 * kFreezeMeasures;

// One character of a written row.
struct Mark {
  int unit = 0;  // from the start of the chart
  int column = 0;
  char c = '1';
  int slot = -1;  // a note's global slot index
};

const char* stepsTypeOf(PlayStyle style) {
  switch (style) {
    case PlayStyle::Couple:
      return "dance-couple";
    case PlayStyle::Double:
      return "dance-double";
    default:
      return "dance-single";
  }
}

const char* difficultyNameOf(uint8_t difficulty) {
  static constexpr std::array<const char*, 4> kNames = {"Edit", "Easy", "Medium", "Hard"};
  return (difficulty >> 4) < 4 ? kNames[difficulty >> 4] : "Edit";
}

struct Writer {
  const Chart& chart;
  int measures = 0;  // the song's, at most the table's
  uint8_t panels = 0xFF;
  SimfileReport report;
  std::vector<Mark> marks;
  std::array<std::vector<int>, 8> noteUnits;  // per column, the times of its notes in order
  std::array<std::vector<bool>, 8> covered;   // per column, the freeze slots written as holds

  // The arrows standing at a global slot index; a triplet marker holds none.
  uint8_t notesAt(int g) const {
    const bool marker = g % 4 == 0 && isTripletBeat(chart, (g % 16) / 4, g / 16);
    return marker ? 0 : chart.stepAt(g % 16, g / 16);
  }
  bool freezeAt(int g, int column) const { return (chart.freezeAt(g % 16, g / 16) >> column) & 1; }

  void collectNotes() {
    for (int m = 0; m < kStepMeasures; ++m) {
      if (chart.StepData[static_cast<size_t>(m)] == MeasureBytes{}) continue;  // most of the table
      for (int b = 0; b < 4; ++b) {
        const bool triplet = isTripletBeat(chart, b, m);
        for (int k = 0; k < 4; ++k) {
          if (const auto twelfth = twelfthOfSlot(triplet, k))
            addNotes(kUnitsPerMeasure * m + kTwelfthsPerBeat * b + *twelfth, 16 * m + 4 * b + k);
        }
      }
    }
  }

  void addNotes(int unit, int g) {
    if (notesAt(g) == 0) return;
    const SimfileBeat at{g / 16, (g % 16) / 4};
    for (int k = 0; k < 8; ++k) {
      if (!((notesAt(g) >> k) & 1)) continue;
      if (g / 16 >= measures) {
        report.add(SimfileEvent::StepsPastSongEnd, at);
      } else if (!((panels >> k) & 1)) {
        report.add(SimfileEvent::SecondPadInSingle, at);
      } else {
        noteUnits[static_cast<size_t>(k)].push_back(unit);
        marks.push_back({unit, k, '1', g});
      }
    }
  }

  // A note with a freeze bit on its slot is a head: its run goes up to the next head of the
  // column, and its tail gets a time that reads back as that run.
  void writeHold(size_t index) {
    const Mark head = marks[index];
    const int g = head.slot;
    if (g >= kFreezeSlots || !freezeAt(g, head.column)) return;
    const int end = std::min(16 * measures, kFreezeSlots);
    int last = g;
    while (last + 1 < end && freezeAt(last + 1, head.column) && !((notesAt(last + 1) >> head.column) & 1)) ++last;
    for (int i = g; i <= last; ++i) covered[static_cast<size_t>(head.column)][static_cast<size_t>(i)] = true;
    const auto& units = noteUnits[static_cast<size_t>(head.column)];
    const auto next = std::upper_bound(units.begin(), units.end(), head.unit);
    const int songEnd = kUnitsPerMeasure * measures;
    const int bound = next == units.end() ? songEnd : std::min(*next, songEnd);
    const int tail = std::min(3 * (last + 1), bound - 1);
    if (tail <= 3 * last) report.add(SimfileEvent::FreezeShortened, {g / 16, (g % 16) / 4});
    marks[index].c = '2';
    marks.push_back({tail, head.column, '3'});
  }

  // Freeze bits no head reached (or past the song's end), one entry per run.
  void reportLooseFreeze() {
    std::array<bool, 8> inRun{};
    for (int m = 0; m < kFreezeMeasures; ++m) {
      if (chart.FreezeData[static_cast<size_t>(m)] == MeasureBytes{}) {
        inRun = {};  // an empty measure ends every run
        continue;
      }
      for (int g = 16 * m; g < 16 * (m + 1); ++g) {
        for (int k = 0; k < 8; ++k) {
          const bool loose = freezeAt(g, k) && !covered[static_cast<size_t>(k)][static_cast<size_t>(g)];
          if (loose && !inRun[static_cast<size_t>(k)])
            report.add(SimfileEvent::FreezeNotWritten, {g / 16, (g % 16) / 4});
          inRun[static_cast<size_t>(k)] = loose;
        }
      }
    }
  }

  // The measures' rows, each measure with the fewest rows that place its marks.
  std::string noteData(int columns) {
    std::stable_sort(marks.begin(), marks.end(), [](const Mark& a, const Mark& b) { return a.unit < b.unit; });
    std::string out;
    size_t i = 0;
    for (int m = 0; m < measures; ++m) {
      const size_t first = i;
      while (i < marks.size() && marks[i].unit < kUnitsPerMeasure * (m + 1)) ++i;
      int rows = 4;
      for (int n : {4, 8, 12, 16, 24, 48}) {
        rows = n;
        const int step = kUnitsPerMeasure / n;
        if (std::all_of(marks.begin() + static_cast<long>(first), marks.begin() + static_cast<long>(i),
                        [&](const Mark& k) { return k.unit % step == 0; })) {
          break;
        }
      }
      std::vector<std::string> text(static_cast<size_t>(rows), std::string(static_cast<size_t>(columns), '0'));
      for (size_t k = first; k < i; ++k) {
        const int row = (marks[k].unit - kUnitsPerMeasure * m) / (kUnitsPerMeasure / rows);
        text[static_cast<size_t>(row)][static_cast<size_t>(marks[k].column)] = marks[k].c;
      }
      if (m > 0) out += ",\n";
      for (const auto& row : text) out += row + "\n";
    }
    return out;
  }
};

void noteHeader(const Chart& chart, const SongRecord& song, bool tempoAssumed, SimfileReport& report) {
  if (tempoAssumed) report.note(chartText(ChartText::TempoAssumed, {song.Title}), true);
  if ((chart.Difficulty >> 4) > 3) {
    report.note(chartText(ChartText::DifficultyAsEdit, {std::to_string(chart.Difficulty >> 4)}), true);
  }
  if (!chart.KrunTitle.empty() || !chart.KrunComment.empty() || chart.KrunWidth != 0 || chart.KrunHeight != 0) {
    report.note(chartText(ChartText::KrunHeaderDropped), true);
  }
}

// The card pads an edit name with blanks, which are not part of it; a name of blanks only is
// no name. Readers trim the description, so a name that would come back otherwise is told.
std::string descriptionOf(const std::string& editName, SimfileReport& report) {
  std::string written = editName;
  while (!written.empty() && written.back() == ' ') written.pop_back();
  if (trimBlanks(written) != editName) {
    report.note(chartText(ChartText::EditNameTrimmed, {editName, std::string(trimBlanks(written))}), true);
  }
  return trimBlanks(written).empty() ? std::string() : written;
}

std::string secondsText(double seconds) {
  if (seconds == 0) seconds = 0;  // no "-0.000"
  char buffer[32];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, seconds, std::chars_format::fixed, 3).ptr;
  return std::string(buffer, end);
}

}  // namespace

Result<SimfileText> WriteSimfile(const Chart& chart, const Catalogue& catalogue, std::optional<int> bpm,
                                 const SimfileMusic& music) {
  if (!catalogue.isValidIndex(chart.SongIndex)) {
    return Error{ErrorCode::Unsupported, chartText(ChartText::ExportNoSong)};
  }
  const SongRecord& song = *catalogue.song(chart.SongIndex);
  Writer w{chart, std::clamp<int>(song.Measures, 0, kStepMeasures), stylePanels(chart.PlayStyle), {}, {}, {}, {}};
  for (auto& column : w.covered) column.assign(kFreezeSlots, false);
  const PlayTempo songBpm = songTempo(catalogue, chart.SongIndex);
  noteHeader(chart, song, !bpm && songBpm.assumed, w.report);
  w.collectNotes();
  const size_t notes = w.marks.size();
  for (size_t i = 0; i < notes; ++i) w.writeHold(i);
  w.reportLooseFreeze();

  const int tempo = bpm.value_or(static_cast<int>(songBpm.bpm));
  std::string out = "#TITLE:" + escapeMsd(song.Title) + ";\n#MUSIC:" + escapeMsd(music.file) +
                    ";\n#OFFSET:" + secondsText(-music.offsetMs / 1000.0) + ";\n#BPMS:0.000=" + std::to_string(tempo) +
                    ".000;\n";
  const std::string description = descriptionOf(chart.EditName, w.report);
  out += std::string("#NOTES:\n     ") + stepsTypeOf(chart.PlayStyle) + ":\n     " + escapeMsd(description) +
         ":\n     " + difficultyNameOf(chart.Difficulty) + ":\n     " + std::to_string(chart.Difficulty & 0x0F) +
         ":\n     :\n";
  out += w.noteData(hasSecondPad(chart.PlayStyle) ? 8 : 4) + ";\n";
  return SimfileText{std::move(out), std::move(w.report)};
}

Result<SimfileReport> WriteSimfileFile(const std::filesystem::path& path, const Chart& chart,
                                       const Catalogue& catalogue, std::optional<int> bpm,
                                       const SimfilePlayback& playback) {
  SimfileMusic music{{}, playback.offsetMs};
  std::optional<std::string> away;
  if (!playback.music.empty()) {
    std::error_code ec;
    const auto folder = std::filesystem::weakly_canonical(std::filesystem::absolute(path, ec).parent_path(), ec);
    const auto musicFolder =
        std::filesystem::weakly_canonical(std::filesystem::absolute(playback.music, ec).parent_path(), ec);
    if (folder == musicFolder) {
      music.file = playback.music.filename().string();
    } else {
      away = playback.music.filename().string();
    }
  }
  auto text = WriteSimfile(chart, catalogue, bpm, music);
  if (!text) return text.error();
  Status written = writeFileAtomically(path, text->bytes);
  if (!written) return written.error();
  if (away) text->report.note(chartText(ChartText::MusicElsewhere, {*away}), true);
  return std::move(text->report);
}

}  // namespace tarveno
