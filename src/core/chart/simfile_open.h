#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "core/chart/simfile.h"

namespace tarveno {

// readSimfile on a file; errors name the file.
Result<SimfileSong> readSimfileFile(const std::filesystem::path& path);

// Reads chart `index` into the document as every opening does: beat types recomputed, the
// song's meter segments loaded (a missing meter file becomes a report line), not modified.
// With snap false a chart that needs snapping is refused. On an error the document is
// untouched.
Result<SimfileReport> openSimfileChart(const SimfileSong& song, size_t index, const SimfileSongChoice& songChoice,
                                       bool snap, Document& document, const Catalogue& catalogue);

// The report as the lines of one message, or nothing when it holds no change to tell.
std::optional<Message> simfileReportText(const SimfileReport& report);

}  // namespace tarveno
