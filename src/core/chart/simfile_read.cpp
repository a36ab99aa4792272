#include <algorithm>

#include "core/chart/simfile.h"
#include "core/chart/simfile_msd.h"
#include "core/text/number.h"

namespace tarveno {

namespace {

constexpr const char* kNoChartText = "StepMania ファイルに譜面がありません。";

// Free text may hold an unescaped ":" that split it into parts; put it back together.
std::string joined(const std::vector<std::string>& parts, size_t from = 0, size_t to = std::string::npos) {
  std::string text;
  for (size_t i = from; i < parts.size() && i < to; ++i) text += (i > from ? ":" : "") + parts[i];
  return std::string(trimBlanks(text));
}

bool isTimingTag(const std::string& name) {
  return name == "BPMS" || name == "STOPS" || name == "DELAYS" || name == "WARPS";
}

// Beats of "beat=value" entries that change the timing: every tempo after the first that
// differs from the one before, every stop, delay and warp that is not zero.
void addTimingBeats(const MsdParam& param, std::vector<double>& beats) {
  const std::string value = joined(param.parts);
  double previous = 0;
  bool first = true;
  size_t start = 0;
  while (start <= value.size()) {
    size_t end = value.find(',', start);
    if (end == std::string::npos) end = value.size();
    const std::string_view entry = trimBlanks(std::string_view(value).substr(start, end - start));
    const size_t eq = entry.find('=');
    if (eq != std::string_view::npos) {
      const double beat = leadingValue(entry.substr(0, eq));
      const double amount = leadingValue(entry.substr(eq + 1));
      const bool tempo = param.name == "BPMS";
      if (tempo ? (!first && amount != previous) : amount != 0) beats.push_back(beat);
      previous = amount;
      first = false;
    }
    start = end + 1;
  }
}

struct SscBlock {
  SimfileChart chart;
  std::string chartName;
  std::vector<double> ownTiming;
  bool hasOwnTiming = false;
};

void applyToBlock(const MsdParam& param, SscBlock& block) {
  const std::string value = joined(param.parts);
  if (param.name == "STEPSTYPE") block.chart.stepsType = value;
  if (param.name == "DESCRIPTION") block.chart.description = value;
  if (param.name == "CHARTNAME") block.chartName = value;
  if (param.name == "DIFFICULTY") block.chart.difficulty = value;
  if (param.name == "METER") block.chart.meter = value;
  if (param.name == "NOTES" || param.name == "NOTES2") block.chart.notes = joined(param.parts);
  if (isTimingTag(param.name)) {
    block.hasOwnTiming = true;
    addTimingBeats(param, block.ownTiming);
  }
}

SimfileChart finishBlock(SscBlock block, const std::vector<double>& songTiming) {
  if (block.chart.description.empty()) block.chart.description = block.chartName;
  block.chart.timingAt = block.hasOwnTiming ? block.ownTiming : songTiming;
  return std::move(block.chart);
}

}  // namespace

std::optional<PlayStyle> SimfileChart::style() const {
  const std::string type = lowerAscii(stepsType);
  if (type == "dance-single") return PlayStyle::Single;
  if (type == "dance-couple") return PlayStyle::Couple;
  if (type == "dance-double") return PlayStyle::Double;
  return std::nullopt;
}

bool SimfileChart::supported() const {
  return style().has_value();
}

Result<SimfileSong> readSimfile(std::string_view bytes) {
  const std::vector<MsdParam> params = parseMsd(decodeSimfileText(bytes));
  SimfileSong song;
  std::vector<double> songTiming;
  std::vector<SscBlock> blocks;
  std::vector<const MsdParam*> smNotes;
  for (const MsdParam& param : params) {
    if (param.name == "NOTEDATA") {
      blocks.emplace_back();
    } else if (!blocks.empty()) {
      applyToBlock(param, blocks.back());
    } else if (param.name == "TITLE") {
      song.title = joined(param.parts);
    } else if (isTimingTag(param.name)) {
      addTimingBeats(param, songTiming);
    } else if (param.name == "NOTES") {
      if (param.parts.size() < 6) return Error{ErrorCode::BadData, "#NOTES に 6 つの項目がありません。"};
      smNotes.push_back(&param);
    }
  }
  // The .sm charts stand before any .ssc block, so file order is kept.
  for (const MsdParam* param : smNotes) {
    const auto& p = param->parts;
    song.charts.push_back({std::string(trimBlanks(p[0])), joined(p, 1, p.size() - 4),
                           std::string(trimBlanks(p[p.size() - 4])), std::string(trimBlanks(p[p.size() - 3])), p.back(),
                           songTiming});
  }
  for (SscBlock& block : blocks) song.charts.push_back(finishBlock(std::move(block), songTiming));
  if (song.charts.empty()) return Error{ErrorCode::BadData, kNoChartText};
  return song;
}

Result<size_t> pickSimfileChart(const SimfileSong& song, std::optional<int> number) {
  if (number) {
    if (*number < 1 || static_cast<size_t>(*number) > song.charts.size()) {
      return Error{ErrorCode::OutOfRange, "譜面 " + std::to_string(*number) + " はありません（このファイルの譜面は " +
                                              std::to_string(song.charts.size()) + " 個です）。"};
    }
    const SimfileChart& chart = song.charts[static_cast<size_t>(*number - 1)];
    if (!chart.supported()) {
      return Error{ErrorCode::Unsupported,
                   "譜面 " + std::to_string(*number) + " の種類 " + chart.stepsType + " には対応していません。"};
    }
    return static_cast<size_t>(*number - 1);
  }
  const auto found = std::find_if(song.charts.begin(), song.charts.end(), [](const auto& c) { return c.supported(); });
  if (found == song.charts.end()) {
    return Error{ErrorCode::Unsupported, "対応している譜面（dance-single、dance-couple、dance-double）がありません。"};
  }
  return static_cast<size_t>(found - song.charts.begin());
}

SimfileSongUse simfileSongFor(const SimfileSong& song, const SimfileSongChoice& choice, const Catalogue& catalogue) {
  if (choice.given) return {*choice.given, SimfileSongUse::Why::Given};
  const std::string title = lowerAscii(trimBlanks(song.title));
  for (int i = 0; i < catalogue.validCount() && !title.empty(); ++i) {
    if (lowerAscii(catalogue.SongList[static_cast<size_t>(i)].Title) == title) {
      return {static_cast<int16_t>(i), SimfileSongUse::Why::Title};
    }
  }
  return {choice.fallback, SimfileSongUse::Why::Fallback};
}

}  // namespace tarveno
