#pragma once

#include <string>

#include "core/chart/chart.h"
#include "core/chart/stats.h"
#include "core/songs/catalogue.h"

namespace tarveno {

// The dump line: the header, then every non-zero step, freeze and beat-type entry of the
// whole tables (not only the song's measures, since a file may hold rows beyond its song),
// sorted by measure then slot or beat. No trailing newline.
std::string chartToJson(const Chart& chart, const Catalogue& catalogue);

// The stats line. No trailing newline.
std::string statsToJson(const ChartStats& stats);

}  // namespace tarveno
