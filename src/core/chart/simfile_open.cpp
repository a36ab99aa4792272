#include "core/chart/simfile_open.h"

#include "core/io/files.h"

namespace tarveno {

Result<SimfileSong> readSimfileFile(const std::filesystem::path& path) {
  auto bytes = readFileBytes(path);
  if (!bytes) return bytes.error();
  auto song = readSimfile(*bytes);
  if (!song) return withFileName(song.error(), displayName(path));
  return song;
}

Result<SimfileReport> openSimfileChart(const SimfileSong& song, size_t index, const SimfileSongChoice& songChoice,
                                       bool snap, Document& document, const Catalogue& catalogue) {
  Chart chart = document.chart;
  auto report = importSimfileChart(song, index, songChoice, catalogue, chart);
  if (!report) return report.error();
  if (report->needsSnapping() && !snap) return Error{ErrorCode::BadData, report->snapRefusal()};
  document.chart = std::move(chart);
  Status loaded = LoadMeterSegs(catalogue, document.chart.SongIndex, document.meterSegs);
  if (!loaded) report->note(textOf(loaded.error()), true);
  document.Modified = false;
  return report;
}

std::optional<Message> simfileReportText(const SimfileReport& report) {
  if (!report.changedAnything()) return std::nullopt;
  return chartText(ChartText::ReportLines, {}, report.lines());
}

}  // namespace tarveno
