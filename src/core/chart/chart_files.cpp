#include "core/chart/chart_files.h"

#include "core/chart/card.h"
#include "core/chart/krun.h"
#include "core/chart/simfile_open.h"
#include "core/io/files.h"

namespace tarveno {

namespace {

// A cut-off save still opens (what is missing reads as empty), but the user must learn that
// arrows may be missing before saving over anything.
Notice shortCardNotice(const std::filesystem::path& path, size_t size) {
  return Notice{NoticeKind::Warning, "警告",
                "メモリーカードイメージ（" + std::to_string(kCardFileSize) + " バイト）より短いファイルです（" +
                    std::to_string(size) +
                    " バイト）。\nファイルにある部分だけを読み込み、足りない部分は空として扱いました。\n" +
                    displayName(path)};
}

Result<std::vector<Notice>> openSimfileDefault(const std::filesystem::path& path, Document& document,
                                               const Catalogue& catalogue) {
  auto song = readSimfileFile(path);
  if (!song) return song.error();
  auto index = pickSimfileChart(*song, std::nullopt);
  if (!index) return Error{index.error().code, index.error().message + "\n" + displayName(path)};
  auto report = openSimfileChart(*song, *index, {}, false, document, catalogue);
  if (!report) return Error{report.error().code, report.error().message + "\n" + displayName(path)};
  std::vector<Notice> notices;
  if (auto text = simfileReportText(*report)) notices.push_back(Notice{NoticeKind::Warning, "StepMania", *text});
  return notices;
}

}  // namespace

std::optional<ChartFileKind> chartFileKindFromName(const std::string& name) {
  auto endsWith = [&](std::string_view tail) {
    return name.size() >= tail.size() && name.compare(name.size() - tail.size(), tail.size(), tail) == 0;
  };
  if (endsWith(".mc")) return ChartFileKind::Card;
  if (endsWith(".kru")) return ChartFileKind::Krun;
  if (endsWith(".sm") || endsWith(".ssc")) return ChartFileKind::Simfile;
  return std::nullopt;
}

Result<std::vector<Notice>> openChartFile(const std::filesystem::path& path, ChartFileKind kind, Document& document,
                                          const Catalogue& catalogue) {
  if (kind == ChartFileKind::Simfile) return openSimfileDefault(path, document, catalogue);
  auto bytes = readFileBytes(path);
  if (!bytes) return bytes.error();
  std::vector<Notice> notices;
  if (kind == ChartFileKind::Card) {
    if (bytes->size() < kCardMinimumSize) {
      return Error{ErrorCode::BadData, "不正なデータです\n" + displayName(path)};
    }
    Chart next = document.chart;
    next.eraseSteps();
    auto read = ReadCardSave(*bytes, next, catalogue, document.meterSegs);
    if (!read) return Error{read.error().code, read.error().message + "\n" + displayName(path)};
    notices = std::move(*read);
    document.chart = std::move(next);
    if (bytes->size() < kCardFileSize && notices.empty()) notices.push_back(shortCardNotice(path, bytes->size()));
  } else {
    document.chart.eraseSteps();
    document.chart.eraseFreeze();
    notices = ReadKrunChart(*bytes, document.chart);
  }
  recalcAllBeatTypes(document.chart, catalogue);
  document.Modified = false;
  return notices;
}

Status saveChartFile(const std::filesystem::path& path, ChartFileKind kind, const Chart& chart,
                     const Catalogue& catalogue) {
  if (kind == ChartFileKind::Card) return WriteCardSaveFile(path, chart, catalogue);
  if (kind == ChartFileKind::Simfile) {
    auto written = WriteSimfileFile(path, chart, catalogue, std::nullopt);
    return written ? Status() : Status(written.error());
  }
  return WriteKrunChartFile(path, chart, catalogue, currentDate());
}

}  // namespace tarveno
