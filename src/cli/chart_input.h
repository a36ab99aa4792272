#pragma once

#include <optional>
#include <string>

#include "cli/diagnostics.h"
#include "cli/request.h"
#include "core/chart/chart.h"
#include "core/io/app_paths.h"
#include "core/songs/catalogue.h"

namespace tarveno {

// The chart as the editor holds it after opening the file at start-up: an empty chart of
// the given song, then the reader of the file's kind and the recompute of the beat types.
// A simfile's chart is picked, snapped and given its song as the request says.
// Reports and returns nullopt when the file cannot be used.
std::optional<Document> openAsEditor(const std::string& path, int16_t songIndex, const Catalogue& catalogue,
                                     Diagnostics& diagnostics, const Request& request);

// openAsEditor for a simfile, its report written one line per kind.
std::optional<Document> openSimfileAsEditor(const std::string& path, int16_t songIndex, const Catalogue& catalogue,
                                            Diagnostics& diagnostics, const Request& request);

// The song index a --song option selects (record 0 without one); nullopt after reporting an
// unknown code.
std::optional<int16_t> selectedSong(const Request& request, const Catalogue& catalogue, Diagnostics& diagnostics);

// Writes the chart in the kind of the output's name after the check every save makes (the
// name's kind is checked by the caller before anything is read). A simfile is written with the
// given tempo, else the song's, and its report; written to the .sm the chart came from, only
// the chart's own block is replaced. Returns the exit status.
int saveChecked(Chart& chart, const std::string& output, const Catalogue& catalogue, Diagnostics& diagnostics,
                std::optional<int> bpm = std::nullopt, const DocumentOrigin& origin = {});

// Writes a .sm and its report, one line per kind. Returns the exit status.
int saveSimfileReported(const Chart& chart, const std::string& output, const Catalogue& catalogue,
                        Diagnostics& diagnostics, std::optional<int> bpm);

// Writes chart `index` back into the .sm it came from and the chart's report, one line per kind.
int saveSimfileInPlace(const Chart& chart, const std::string& output, size_t index, const Catalogue& catalogue,
                       Diagnostics& diagnostics);

// charts: every chart of a simfile as one line of JSON.
int runCharts(const Request& request, std::ostream& out, Diagnostics& diagnostics);

// edit: the words applied in order with one clipboard, then the dump line or a saved file.
int runEdit(const Request& request, const Catalogue& catalogue, std::ostream& out, Diagnostics& diagnostics);

// render: the chart's sheet at 96 dpi written as a picture.
int runRender(const Request& request, const Catalogue& catalogue, Diagnostics& diagnostics, const AppPaths& paths);

}  // namespace tarveno
