#include "cli/commands.h"

#include <ostream>
#include <string>

#include "cli/chart_json.h"
#include "core/chart/header_input.h"
#include "core/chart/open.h"
#include "core/chart/stats.h"
#include "core/text/cp932.h"

namespace tarveno {

namespace {

std::string unknownSongText(int code) {
  return "曲コード " + std::to_string(code) + " は曲データにありません。";
}

// The chart as the editor holds it after opening the file at start-up: an empty chart of
// the given song, then the reader of the file's kind and the recompute of the beat types.
// Reports and returns nullopt when the file cannot be used.
std::optional<Document> openAsEditor(const std::string& path, int16_t songIndex, const Catalogue& catalogue,
                                     Diagnostics& diagnostics) {
  auto kind = chartFileKindFromName(path);
  if (!kind) {
    diagnostics.error(path + ": " + kUnsupportedFormatText);
    return std::nullopt;
  }
  Document document;
  ResetChartData(document.chart);
  document.chart.SongIndex = songIndex;
  auto opened = openChartFile(path, *kind, document, catalogue);
  if (!opened) {
    diagnostics.error(opened.error().message);
    return std::nullopt;
  }
  for (const Notice& notice : *opened) {
    // Errors 102/103 leave an empty chart under the previous header: never something to
    // print or convert as if the file had been read.
    if (notice.code == 102 || notice.code == 103) {
      diagnostics.error(path + ": " + notice.title + " " + notice.text);
      return std::nullopt;
    }
    diagnostics.warning(path + ": " + notice.text);
  }
  return document;
}

// The song index a --song option selects (record 0 without one); nullopt after reporting an
// unknown code.
std::optional<int16_t> selectedSong(const Request& request, const Catalogue& catalogue, Diagnostics& diagnostics) {
  if (!request.songCode) return int16_t{0};
  auto index = findSongByCode(catalogue, *request.songCode);
  if (!index) diagnostics.error(unknownSongText(*request.songCode));
  return index;
}

int runDumpOrStats(const Request& request, const Catalogue& catalogue, std::ostream& out, Diagnostics& diagnostics) {
  auto song = selectedSong(request, catalogue, diagnostics);
  if (!song) return kExitBadInput;
  auto document = openAsEditor(request.input, *song, catalogue, diagnostics);
  if (!document) return kExitBadInput;
  if (request.kind == Request::Kind::Dump) {
    out << chartToJson(document->chart, catalogue) << '\n';
  } else {
    out << statsToJson(ComputeChartStats(document->chart, catalogue)) << '\n';
  }
  return kExitOk;
}

int runConvert(const Request& request, const Catalogue& catalogue, Diagnostics& diagnostics) {
  // The output kind is checked before anything is read: a name that could never be
  // written should not cost a read or produce reader warnings first.
  for (const auto* name : {&request.input, &request.output}) {
    if (!chartFileKindFromName(*name)) {
      diagnostics.error(*name + ": " + kUnsupportedFormatText);
      return kExitBadInput;
    }
  }
  const ChartFileKind outKind = *chartFileKindFromName(request.output);
  auto song = selectedSong(request, catalogue, diagnostics);
  if (!song) return kExitBadInput;
  if (request.editName && !isValidEditName(*request.editName)) {
    diagnostics.error(kEditNameMessage);
    return kExitBadInput;
  }
  if (request.title && !isAcceptableKrunTitle(*request.title)) {
    diagnostics.error("KRUNタイトルに使えない文字（改行などの制御文字、またはShift-JISにない文字）があります。");
    return kExitBadInput;
  }

  auto document = openAsEditor(request.input, *song, catalogue, diagnostics);
  if (!document) return kExitBadInput;
  Chart& chart = document->chart;
  if (request.songCode) chart.SongIndex = *song;  // a card names its own song; the option overrides it
  if (request.editName) chart.EditName = *request.editName;
  if (request.title) chart.KrunTitle = *request.title;
  if (request.style) chart.PlayStyle = *request.style;
  if (request.difficulty) chart.Difficulty = *request.difficulty;
  // A longer song brings measures the opening did not recompute; keep every beat type and
  // one-note triplet normalised before anything is written.
  RecalcAllBeatTypes(chart, catalogue);

  if (auto missing = FormCheck(chart, outKind)) {
    diagnostics.error(*missing);
    return kExitBadInput;
  }
  Status saved = saveChartFile(request.output, outKind, chart, catalogue);
  if (!saved) {
    diagnostics.error(saved.error().message);
    return kExitBadInput;
  }
  return kExitOk;
}

}  // namespace

bool isAcceptableKrunTitle(std::string_view utf8) {
  for (char c : utf8) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F) return false;
  }
  return isCp932Encodable(utf8);
}

int runRequest(const Request& request, const Catalogue& catalogue, std::ostream& out, Diagnostics& diagnostics) {
  if (request.kind == Request::Kind::Convert) return runConvert(request, catalogue, diagnostics);
  return runDumpOrStats(request, catalogue, out, diagnostics);
}

}  // namespace tarveno
