#pragma once

#include <cstdint>

#include "core/songs/catalogue.h"

namespace tarveno::testing {

// A catalogue whose record 0 is one ordinary song of the given length and code.
inline Catalogue oneSongCatalogue(int measures, int16_t code = 1) {
  Catalogue catalogue;
  catalogue.SongList[0] = SongRecord{"Paper Lanterns", code, 140, static_cast<int16_t>(measures), 1, 1, 0};
  return catalogue;
}

}  // namespace tarveno::testing
