#pragma once

#include "core/play/mix.h"

namespace tarveno {

// The music played at `speed` (clamped to kMinPlaySpeed..kMaxPlaySpeed) of its tempo with its
// pitch kept: exactly round(frames / speed) frames, so that a moment t into the music lies at
// t / speed into the result. At full speed the music comes back as it is. Takes about a second
// for a whole song: callers on a user-interface thread run it in the background.
MusicPcm stretchMusic(const MusicPcm& music, double speed);

}  // namespace tarveno
