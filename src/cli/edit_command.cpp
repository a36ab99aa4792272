#include <ostream>

#include "cli/chart_input.h"
#include "cli/chart_json.h"
#include "core/chart/chart_files.h"
#include "core/edit/clipboard.h"
#include "words/messages.h"

namespace tarveno {

int runEdit(const Request& request, const Catalogue& catalogue, std::ostream& out, Diagnostics& diagnostics) {
  // A name that could never be written should not cost a read first.
  if (!request.output.empty() && !chartFileKindFromName(request.output)) {
    diagnostics.error(request.output + ": " + describe(chartText(ChartText::UnsupportedFormat)).toStdString());
    return kExitBadInput;
  }
  auto song = selectedSong(request, catalogue, diagnostics);
  if (!song) return kExitBadInput;
  auto document = openAsEditor(request.input, *song, catalogue, diagnostics, request);
  if (!document) return kExitBadInput;

  // One clipboard for the whole run, as the editor keeps one for its whole session.
  Clipboard clipboard;
  for (size_t i = 0; i < request.operations.size(); ++i) {
    Status applied = applyEditOperation(document->chart, clipboard, request.operations[i]);
    if (!applied) {
      diagnostics.error(request.words[i] + ": " + words(applied.error()));
      return kExitBadInput;
    }
  }
  if (!request.output.empty()) {
    return saveChecked(document->chart, request.output, catalogue, diagnostics, request.bpm, document->origin);
  }
  out << chartToJson(document->chart, catalogue) << '\n';
  return kExitOk;
}

}  // namespace tarveno
