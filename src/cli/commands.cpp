#include "cli/commands.h"

#include <ostream>
#include <string>

#include "cli/chart_input.h"
#include "cli/chart_json.h"
#include "cli/sync_command.h"
#include "core/chart/chart_files.h"
#include "core/chart/header_input.h"
#include "core/chart/stats.h"
#include "words/messages.h"

namespace tarveno {

namespace {

int runDumpOrStats(const Request& request, const Catalogue& catalogue, std::ostream& out, Diagnostics& diagnostics) {
  auto song = selectedSong(request, catalogue, diagnostics);
  if (!song) return kExitBadInput;
  auto document = openAsEditor(request.input, *song, catalogue, diagnostics, request);
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
      diagnostics.error(*name + ": " + describe(chartText(ChartText::UnsupportedFormat)).toStdString());
      return kExitBadInput;
    }
  }
  auto song = selectedSong(request, catalogue, diagnostics);
  if (!song) return kExitBadInput;
  if (request.editName && !isValidEditName(*request.editName)) {
    diagnostics.error(describe(chartText(ChartText::EditNameRule)).toStdString());
    return kExitBadInput;
  }
  if (const auto refused = request.title ? firstUnkeptKrunCharacter(*request.title) : std::nullopt) {
    diagnostics.error(describe(krunTextMessage(kKrunTitleField, *refused)).toStdString());
    return kExitBadInput;
  }

  auto document = openAsEditor(request.input, *song, catalogue, diagnostics, request);
  if (!document) return kExitBadInput;
  Chart& chart = document->chart;
  if (request.songCode) chart.SongIndex = *song;  // a card names its own song; the option overrides it
  if (request.editName) chart.EditName = *request.editName;
  if (request.title) chart.KrunTitle = *request.title;
  if (request.style) chart.PlayStyle = static_cast<PlayStyle>(*request.style);
  if (request.difficulty) chart.Difficulty = *request.difficulty;
  return saveChecked(chart, request.output, catalogue, diagnostics, request.bpm, document->origin);
}

}  // namespace

int runRequest(const Request& request, const Catalogue& catalogue, std::ostream& out, Diagnostics& diagnostics,
               const AppPaths& paths) {
  switch (request.kind) {
    case Request::Kind::Convert:
      return runConvert(request, catalogue, diagnostics);
    case Request::Kind::Edit:
      return runEdit(request, catalogue, out, diagnostics);
    case Request::Kind::Render:
      return runRender(request, catalogue, diagnostics, paths);
    case Request::Kind::Charts:
      return runCharts(request, out, diagnostics);
    case Request::Kind::Sync:
      return runSync(request, catalogue, out, diagnostics);
    default:
      return runDumpOrStats(request, catalogue, out, diagnostics);
  }
}

}  // namespace tarveno
