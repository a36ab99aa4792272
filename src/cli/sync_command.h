#pragma once

#include <iosfwd>

#include "cli/diagnostics.h"
#include "cli/request.h"
#include "core/songs/catalogue.h"

namespace tarveno {

// sync: where the beats of a PCM WAV file lie at the given tempo (--bpm, or the song's), and the
// music's own tempo, as one line of JSON. Returns the exit status.
int runSync(const Request& request, const Catalogue& catalogue, std::ostream& out, Diagnostics& diagnostics);

}  // namespace tarveno
