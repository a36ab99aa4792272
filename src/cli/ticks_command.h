#pragma once

#include "cli/diagnostics.h"
#include "cli/request.h"
#include "core/songs/catalogue.h"

namespace tarveno {

// ticks: the chart's playback mix (assist ticks, with --metronome the clicks, with --music a
// PCM WAV file under them) from beat --from to the song's end, written as a 48 kHz 16-bit
// stereo WAV file. Returns the exit status.
int runTicks(const Request& request, const Catalogue& catalogue, Diagnostics& diagnostics);

}  // namespace tarveno
