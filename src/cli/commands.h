#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "cli/diagnostics.h"
#include "cli/request.h"
#include "core/io/app_paths.h"
#include "core/songs/catalogue.h"

namespace tarveno {

// Runs a checked request against the loaded catalogue; returns the exit status.
// paths: where the program's files are (render reads the editor's view.dat).
int runRequest(const Request& request, const Catalogue& catalogue, std::ostream& out, Diagnostics& diagnostics,
               const AppPaths& paths);

// A KRUN title must stay on its line and survive the trip to Shift-JIS: a line break would
// end the "#title" line early and let the rest be read as further keyword or row lines,
// and a character without a CP932 form would be written as "?".
bool isAcceptableKrunTitle(std::string_view utf8);

}  // namespace tarveno
