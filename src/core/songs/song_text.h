#pragma once

#include <cstdint>

#include "core/message.h"

namespace tarveno {

// What reading the song list (kruid.dat) and the meter files tells the user.
enum class SongText : uint16_t {
  SongCutShort,        // arg 0: the record's number, from 1
  TooManySongs,        // args: the most songs the list holds, how many more the file has
  CannotReadSongList,  // part 0: why
  MeterCutShort,
  MeterTooManySegments,
  MeterBadValue,
  CannotReadMeter,  // part 0: why
  MeterDamaged,     // arg 0: the meter file's name, part 0: what is wrong
};

}  // namespace tarveno
