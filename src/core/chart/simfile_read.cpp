#include <algorithm>
#include <cctype>
#include <cmath>

#include "core/chart/chart_text.h"
#include "core/chart/simfile.h"
#include "core/chart/simfile_msd.h"
#include "core/text/number.h"

namespace tarveno {

namespace {

// Free text may hold an unescaped ":" that split it into parts; put it back together.
std::string joined(const std::vector<std::string>& parts, size_t from = 0, size_t to = std::string::npos) {
  std::string text;
  for (size_t i = from; i < parts.size() && i < to; ++i) text += (i > from ? ":" : "") + parts[i];
  return std::string(trimBlanks(text));
}

// A byte-order mark, or text whose every other byte is zero, as UTF-16 files begin.
bool isUtf16(std::string_view bytes) {
  if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) return true;
  return bytes.size() >= 4 && (bytes[0] == '\0') != (bytes[1] == '\0') && (bytes[2] == '\0') != (bytes[3] == '\0');
}

// The value of the first "beat=value" entry of #BPMS.
std::optional<double> firstTempo(const std::string& value) {
  const size_t eq = value.find('=');
  if (eq == std::string::npos) return std::nullopt;
  return leadingValue(std::string_view(value).substr(eq + 1));
}

void readSongTag(const MsdParam& param, SimfileSong& song) {
  if (param.name == "TITLE") song.title = joined(param.parts);
  if (param.name == "OFFSET") song.offset = leadingValue(joined(param.parts));
  if (param.name == "MUSIC") song.music = joined(param.parts);
  if (param.name == "BPMS" && !song.firstBpm) song.firstBpm = firstTempo(joined(param.parts));
}

// A .sm chart from its six parts; with fewer it is listed as unreadable, the others still read.
SimfileChart smChart(const MsdParam& param, const std::vector<double>& songTiming) {
  const auto& p = param.parts;
  SimfileChart chart;
  chart.line = param.line;
  if (p.size() < 6) {
    if (!p.empty()) chart.stepsType = trimBlanks(p[0]);
    chart.unreadable = chartText(ChartText::SimfileTooFewParts, {std::to_string(p.size())});
    return chart;
  }
  chart.stepsType = trimBlanks(p[0]);
  chart.description = joined(p, 1, p.size() - 4);
  chart.difficulty = trimBlanks(p[p.size() - 4]);
  chart.meter = trimBlanks(p[p.size() - 3]);
  chart.notes = p.back();
  chart.timingAt = songTiming;
  return chart;
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
  if (block.chart.notes.empty()) block.chart.unreadable = chartText(ChartText::SimfileNoNotes);
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
  return style().has_value() && !unreadable;
}

SimfileMeter simfileMeter(std::string_view text) {
  const std::string_view t = trimBlanks(text);
  const bool numeric =
      !t.empty() && (std::isdigit(static_cast<unsigned char>(t[0])) || t[0] == '+' || t[0] == '-' || t[0] == '.');
  const double value = numeric ? leadingValue(t) : 0.0;
  if (!numeric || !std::isfinite(value)) return {0, false};
  const double level = std::clamp(value, 0.0, 15.0);
  return {static_cast<int>(roundHalfEven(level)), level == value};
}

Result<SimfileSong> readSimfile(std::string_view bytes) {
  if (isUtf16(bytes)) return Error{ErrorCode::Unsupported, chartText(ChartText::SimfileUtf16)};
  const std::vector<MsdParam> params = parseMsd(decodeSimfileText(bytes));
  SimfileSong song;
  std::vector<double> songTiming;
  std::vector<SscBlock> blocks;
  std::vector<const MsdParam*> smNotes;
  for (const MsdParam& param : params) {
    if (param.name == "NOTEDATA") {
      blocks.emplace_back();
      blocks.back().chart.line = param.line;
    } else if (!blocks.empty()) {
      applyToBlock(param, blocks.back());
    } else if (param.name == "NOTES") {
      smNotes.push_back(&param);
    } else {
      readSongTag(param, song);
      if (isTimingTag(param.name)) addTimingBeats(param, songTiming);
    }
  }
  // The .sm charts stand before any .ssc block, so file order is kept.
  for (const MsdParam* param : smNotes) song.charts.push_back(smChart(*param, songTiming));
  for (SscBlock& block : blocks) song.charts.push_back(finishBlock(std::move(block), songTiming));
  if (song.charts.empty()) return Error{ErrorCode::BadData, chartText(ChartText::SimfileNoChart)};
  return song;
}

Result<size_t> pickSimfileChart(const SimfileSong& song, std::optional<int> number) {
  if (number) {
    if (*number < 1 || static_cast<size_t>(*number) > song.charts.size()) {
      return Error{ErrorCode::OutOfRange, chartText(ChartText::SimfileChartMissing,
                                                    {std::to_string(*number), std::to_string(song.charts.size())})};
    }
    const SimfileChart& chart = song.charts[static_cast<size_t>(*number - 1)];
    if (chart.unreadable) {
      return Error{ErrorCode::BadData,
                   chartText(ChartText::SimfileChartUnreadable, {std::to_string(*number), std::to_string(chart.line)},
                             {*chart.unreadable})};
    }
    if (!chart.supported()) {
      return Error{ErrorCode::Unsupported,
                   chartText(ChartText::SimfileChartUnsupported, {std::to_string(*number), chart.stepsType})};
    }
    return static_cast<size_t>(*number - 1);
  }
  const auto found = std::find_if(song.charts.begin(), song.charts.end(), [](const auto& c) { return c.supported(); });
  if (found == song.charts.end()) {
    return Error{ErrorCode::Unsupported, chartText(ChartText::SimfileNoSupportedChart)};
  }
  return static_cast<size_t>(found - song.charts.begin());
}

}  // namespace tarveno
