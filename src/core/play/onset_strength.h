#pragma once

#include <vector>

#include "core/play/mix.h"

namespace tarveno {

// How strongly new sound starts, one value per hop of the music, and the music itself as one
// channel, both wanted by the beat search.
struct OnsetStrength {
  static constexpr int kWindow = 1024;  // samples analysed at once (21 ms at 48 kHz)
  static constexpr int kHop = 256;      // samples between two values (5.3 ms)

  std::vector<float> mono;    // the music's two sides averaged, full scale +-1
  std::vector<float> values;  // >= 0; larger where sound starts

  // The music sample that value `index` (possibly fractional) stands for.
  static double sampleOf(double index);
  // The inverse: where a music sample lies among the values.
  static double indexOf(double sample);
};

// The rise of the music's energy from one window to the next, less its local average over half a second so that a held
// sound or a steady noise floor leaves nothing, and never negative.
OnsetStrength onsetStrength(const MusicPcm& music);

}  // namespace tarveno
