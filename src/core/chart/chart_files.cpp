#include "core/chart/chart_files.h"

#include "core/chart/card.h"
#include "core/chart/chart_formats.h"
#include "core/chart/chart_text.h"
#include "core/chart/krun.h"
#include "core/chart/simfile_open.h"
#include "core/io/files.h"

namespace tarveno {

namespace {

// A cut-off save still opens (what is missing reads as empty), but the user must learn that
// arrows may be missing before saving over anything.
Notice shortCardNotice(const std::filesystem::path& path, size_t size) {
  return Notice{
      NoticeKind::Warning, chartText(ChartText::TitleWarning),
      chartText(ChartText::CardShortFile, {std::to_string(kCardFileSize), std::to_string(size), displayName(path)})};
}

void finishPlainOpening(const std::filesystem::path& path, ChartFileKind kind, Document& document,
                        const Catalogue& catalogue) {
  recalcAllBeatTypes(document.chart, catalogue);
  document.Modified = false;
  document.origin = {path.string(), kind, -1};
}

}  // namespace

std::optional<ChartFileKind> chartFileKindFromName(const std::string& name) {
  const ChartFormat* format = chartFormatOfName(name);
  return format ? std::optional(format->kind) : std::nullopt;
}

Result<std::vector<Notice>> openCardFile(const std::filesystem::path& path, Document& document,
                                         const Catalogue& catalogue) {
  auto bytes = readFileBytes(path);
  if (!bytes) return bytes.error();
  if (bytes->size() < kCardMinimumSize)
    return withFileName(Error{ErrorCode::BadData, chartText(ChartText::CardBadData)}, displayName(path));
  Chart next = document.chart;
  next.eraseSteps();
  auto read = ReadCardSave(*bytes, next, catalogue, document.meterSegs);
  if (!read) return withFileName(read.error(), displayName(path));
  std::vector<Notice> notices = std::move(*read);
  document.chart = std::move(next);
  if (bytes->size() < kCardFileSize && notices.empty()) notices.push_back(shortCardNotice(path, bytes->size()));
  finishPlainOpening(path, ChartFileKind::Card, document, catalogue);
  return notices;
}

Result<std::vector<Notice>> openKrunFile(const std::filesystem::path& path, Document& document,
                                         const Catalogue& catalogue) {
  auto bytes = readFileBytes(path);
  if (!bytes) return bytes.error();
  document.chart.eraseSteps();
  document.chart.eraseFreeze();
  std::vector<Notice> notices = ReadKrunChart(*bytes, document.chart);
  finishPlainOpening(path, ChartFileKind::Krun, document, catalogue);
  return notices;
}

Result<std::vector<Notice>> openSimfileFirstChart(const std::filesystem::path& path, Document& document,
                                                  const Catalogue& catalogue) {
  auto song = readSimfileFile(path);
  if (!song) return song.error();
  auto index = pickSimfileChart(*song, std::nullopt);
  if (!index) return withFileName(index.error(), displayName(path));
  auto report = openSimfileChart(*song, *index, {}, false, document, catalogue);
  if (!report) return withFileName(report.error(), displayName(path));
  document.origin = {path.string(), ChartFileKind::Simfile, static_cast<int>(*index)};
  std::vector<Notice> notices;
  if (auto text = simfileReportText(*report)) {
    notices.push_back(Notice{NoticeKind::Warning, chartText(ChartText::TitleStepMania), *text});
  }
  return notices;
}

Result<std::vector<Notice>> openChartFile(const std::filesystem::path& path, ChartFileKind kind, Document& document,
                                          const Catalogue& catalogue) {
  return chartFormat(kind).read(path, document, catalogue);
}

Status saveChartFile(const std::filesystem::path& path, ChartFileKind kind, const Chart& chart,
                     const Catalogue& catalogue) {
  return chartFormat(kind).write(path, chart, catalogue);
}

}  // namespace tarveno
