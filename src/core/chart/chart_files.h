#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/chart/chart.h"
#include "core/chart/chart_text.h"
#include "core/result.h"

namespace tarveno {

// Kind by the name's extension, in any case (".mc", ".kru", ".sm", ".ssc"); nullopt otherwise.
std::optional<ChartFileKind> chartFileKindFromName(const std::string& name);

// Opens a chart file into the document the way every opening path does: the file is read
// first, and when it cannot be read at all the document is untouched and the error comes
// back. Otherwise StepData and FreezeData are erased, the reader of the kind runs (its
// notices come back, e.g. "#msdstyle" or an unknown song code) and the beat types of the whole
// song are recomputed. Modified is cleared and the origin names the file. A simfile opens its
// first supported chart under the song chooseSimfileSong finds, refused when it needs
// snapping; its report comes back as one notice. Callers that let the user choose use
// simfile_open.h.
Result<std::vector<Notice>> openChartFile(const std::filesystem::path& path, ChartFileKind kind, Document& document,
                                          const Catalogue& catalogue);

// The readers of the formats table, one per kind (see openChartFile).
Result<std::vector<Notice>> openCardFile(const std::filesystem::path& path, Document& document,
                                         const Catalogue& catalogue);
Result<std::vector<Notice>> openKrunFile(const std::filesystem::path& path, Document& document,
                                         const Catalogue& catalogue);
Result<std::vector<Notice>> openSimfileFirstChart(const std::filesystem::path& path, Document& document,
                                                  const Catalogue& catalogue);

// Writes the chart in the given kind, replacing the file only once the new one is complete.
// A simfile is written whole with the song's tempo; its report is dropped here, so callers that
// show it write with WriteSimfileFile (simfile.h).
Status saveChartFile(const std::filesystem::path& path, ChartFileKind kind, const Chart& chart,
                     const Catalogue& catalogue);

}  // namespace tarveno
