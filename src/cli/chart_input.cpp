#include "cli/chart_input.h"

#include <QCoreApplication>

#include "core/chart/chart_files.h"
#include "core/chart/simfile_splice.h"
#include "words/messages.h"

namespace tarveno {

namespace {

std::string unknownSongText(int code) {
  return QCoreApplication::translate("Cli", "曲コード %1 は曲データにありません。").arg(code).toStdString();
}

}  // namespace

std::optional<Document> openAsEditor(const std::string& path, int16_t songIndex, const Catalogue& catalogue,
                                     Diagnostics& diagnostics, const Request& request) {
  auto kind = chartFileKindFromName(path);
  if (!kind) {
    diagnostics.error(path + ": " + describe(chartText(ChartText::UnsupportedFormat)).toStdString());
    return std::nullopt;
  }
  if (*kind == ChartFileKind::Simfile) return openSimfileAsEditor(path, songIndex, catalogue, diagnostics, request);
  Document document;
  resetChartData(document.chart);
  document.chart.SongIndex = songIndex;
  auto opened = openChartFile(path, *kind, document, catalogue);
  if (!opened) {
    diagnostics.error(opened.error());
    return std::nullopt;
  }
  for (const Notice& notice : *opened) {
    if (fileWasNotRead(notice)) {
      diagnostics.error(path + ": " + describe(notice.title).toStdString() + " " + describe(notice.text).toStdString());
      return std::nullopt;
    }
    diagnostics.warning(path + ": " + describe(notice.text).toStdString());
  }
  return document;
}

std::optional<int16_t> selectedSong(const Request& request, const Catalogue& catalogue, Diagnostics& diagnostics) {
  if (!request.songCode) return int16_t{0};
  auto index = findSongByCode(catalogue, *request.songCode);
  if (!index) diagnostics.error(unknownSongText(*request.songCode));
  return index;
}

int saveChecked(Chart& chart, const std::string& output, const Catalogue& catalogue, Diagnostics& diagnostics,
                std::optional<int> bpm, const DocumentOrigin& origin) {
  // A longer song brings measures the opening did not recompute; keep every beat type and
  // one-note triplet normalised before anything is written.
  recalcAllBeatTypes(chart, catalogue);
  const ChartFileKind kind = *chartFileKindFromName(output);
  if (auto missing = FormCheck(chart, kind)) {
    diagnostics.error(describe(*missing).toStdString());
    return kExitBadInput;
  }
  if (writesBackInto(origin, output)) {
    return saveSimfileInPlace(chart, output, static_cast<size_t>(origin.simfileChart), catalogue, diagnostics);
  }
  if (kind == ChartFileKind::Simfile) return saveSimfileReported(chart, output, catalogue, diagnostics, bpm);
  Status saved = saveChartFile(output, kind, chart, catalogue);
  if (!saved) {
    diagnostics.error(saved.error());
    return kExitBadInput;
  }
  return kExitOk;
}

}  // namespace tarveno
