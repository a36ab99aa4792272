#pragma once

#include <cstdint>

#include "core/message.h"

namespace tarveno {

// What playing and writing sound tells the user.
enum class PlayText : uint16_t {
  MusicTooLong,    // the music runs past the half hour the mix holds
  NoChannels,      // a decoder handed over sound without channels
  NoSound,         // the decoder finished without any sound
  UnmixableRate,   // args: the rate, the lowest and the highest rate the mix takes (a sentence)
  RateOutOfRange,  // the same as a reason inside NotWav
  NotWav,          // part 0: why (RateOutOfRange or one of the Reason* kinds)
  ReasonNoRiffHeader,
  ReasonNoFormatChunk,
  ReasonNotPcm,
  ReasonNoDataChunk,
  InFile,      // arg 0: the file's name, part 0: what is wrong with it
  WavTooLong,  // args: hours and minutes of the mix, hours and minutes a WAV file holds
};

}  // namespace tarveno
