#pragma once

#include <iosfwd>

#include "cli/diagnostics.h"
#include "cli/request.h"
#include "core/io/app_paths.h"
#include "core/songs/catalogue.h"

namespace tarveno {

// Runs a checked request against the loaded catalogue; returns the exit status.
// paths: where the program's files are (render reads the editor's view.dat).
int runRequest(const Request& request, const Catalogue& catalogue, std::ostream& out, Diagnostics& diagnostics,
               const AppPaths& paths);

}  // namespace tarveno
