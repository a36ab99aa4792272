#include <algorithm>
#include <cmath>

#include "core/chart/header_input.h"
#include "core/chart/simfile.h"
#include "core/chart/simfile_msd.h"
#include "core/chart/simfile_notes.h"
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
  const int64_t f = withinBeat(t);
  if (grid == Grid::Sixteenth) return 4 * t.beat() + static_cast<int>(4 * f / t.rows);
  return 4 * t.beat() + 1 + static_cast<int>(3 * f / t.rows);
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
  std::vector<bool> tripletBeat;  // per global beat

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

  // A byte of all eight panels on the beat of a plain beat would read as a triplet marker.
  void keepMarkersApart() {
    for (int g = 0; g < 4 * limit; ++g) {
      uint8_t& onBeat = chart.StepData[static_cast<size_t>(g / 4)][static_cast<size_t>(4 * (g % 4))];
      if (onBeat != kTripletMark || tripletBeat[static_cast<size_t>(g)]) continue;
      onBeat &= 0x7F;
      report.add(SimfileEvent::AllPanels, {g / 4, g % 4});
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
    keepMarkersApart();
    for (const Placed& p : placed) freeze(p);
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

std::string songLine(const SimfileSong& song, const SimfileSongUse& use, const SongRecord& record) {
  std::string line = "曲: 「" + record.Title + "」（曲コード " + std::to_string(record.Code);
  switch (use.why) {
    case SimfileSongUse::Why::Given:
      return line + "、指定どおり）";
    case SimfileSongUse::Why::Title:
      return line + "、#TITLE と一致）";
    default:
      return line + "）: #TITLE「" + song.title + "」と一致する曲がないため";
  }
}

void readHeader(const SimfileChart& source, Chart& chart, SimfileReport& report) {
  chart.PlayStyle = *source.style();
  const auto level = leadingNumber(source.meter);
  const auto cls = difficultyClass(source.difficulty);
  if (!cls) report.note("難易度名「" + source.difficulty + "」は不明なため、難易度を None（Edit）にしました", true);
  if (level < 0 || level > 15) {
    report.note("難易度の数値（#METER）" + std::to_string(level) + " を 0～15 に収めました", true);
  }
  chart.Difficulty = static_cast<uint8_t>(cls.value_or(0) << 4 | std::clamp<int64_t>(level, 0, 15));
  chart.EditName = isValidEditName(source.description) ? source.description : std::string();
  if (chart.EditName != source.description) {
    report.note("説明「" + source.description + "」は EDIT 名（半角 8 文字まで）にできないため空にしました", true);
  }
}

}  // namespace

Result<SimfileReport> importSimfileChart(const SimfileSong& song, size_t index, const SimfileSongChoice& songChoice,
                                         bool snap, const Catalogue& catalogue, Chart& chart) {
  if (index >= song.charts.size())
    return Error{ErrorCode::BadData, "譜面 " + std::to_string(index + 1) + " はありません。"};
  const SimfileChart& source = song.charts[index];
  if (!source.supported()) return Error{ErrorCode::Unsupported, source.stepsType + " の譜面には対応していません。"};
  const SimfileSongUse use = simfileSongFor(song, songChoice, catalogue);
  if (!catalogue.isValidIndex(use.index)) return Error{ErrorCode::BadData, "読み込み先の曲がありません。"};
  const SongRecord& record = *catalogue.song(use.index);

  SimfileReport report;
  report.note(songLine(song, use, record), use.why == SimfileSongUse::Why::Fallback);
  const int columns = *source.style() == PlayStyle::Single ? 4 : 8;
  auto notes = parseNoteData(source.notes, columns, report);
  if (!notes) return notes.error();

  Chart next = chart;
  next.eraseSteps();
  next.eraseFreeze();
  next.SongIndex = use.index;
  const int limit = std::clamp<int>(record.Measures, 0, kStepMeasures);
  Importer importer{limit, report, next, {}, {}, std::vector<bool>(static_cast<size_t>(4 * limit), false)};
  importer.run(std::move(*notes));
  if (!importer.offGrid.empty() && !snap) {
    return Error{ErrorCode::OutOfRange, "16分と3連符が同じ拍に混ざっているため、そのままでは読み込めません（小節:拍 " +
                                            report.positions(SimfileEvent::Snapped) + "）。スナップすると " +
                                            std::to_string(report.count(SimfileEvent::Snapped)) +
                                            " 個のノートが動きます。"};
  }
  for (double beat : source.timingAt) {
    const auto whole = static_cast<int>(std::clamp(std::floor(beat), 0.0, 4.0 * kStepMeasures));
    report.add(SimfileEvent::TimingIgnored, {whole / 4, whole % 4});
  }
  readHeader(source, next, report);
  recalcAllBeatTypes(next, catalogue);
  chart = std::move(next);
  return report;
}

}  // namespace tarveno
