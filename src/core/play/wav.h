#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "core/play/mix.h"
#include "core/play/play_text.h"
#include "core/result.h"

namespace tarveno {

// A canonical WAV file of the mix format: 44-byte header, 48 kHz, 16-bit PCM, stereo.
std::string encodeWav(std::span<const int16_t> interleavedStereo);

// Writes the whole mix as a WAV file (through the atomic writer), rendering it a block at a
// time. A mix longer than a WAV file can hold (its sizes are 32-bit: 4 GiB) is refused before
// anything is written.
Status writeMixWav(const MixPlan& plan, const std::filesystem::path& path);

// The sample rates music may have: any other is refused rather than resampled, which also
// bounds the mix made from a file by the file's own size.
inline constexpr int kMinMusicRate = 8000;
inline constexpr int kMaxMusicRate = 384000;
bool mixableRate(int rate);
// Says why a rate is refused: a sentence of its own, or (RateOutOfRange) a reason inside another.
Message unmixableRate(int rate, PlayText kind = PlayText::UnmixableRate);

// Reads uncompressed WAV content (integer PCM of 8, 16, 24 or 32 bits, or 32/64-bit float,
// in the plain or extensible header, any channel count, a mixable rate) as music for the mix.
// Chunk sizes are trusted only as far as the content reaches: a cut-off file gives what it
// holds, and the last chunk may lack its pad byte. The error is Unsupported when the content is
// not a WAV file or a compressed one (another decoder may read it), BadData otherwise.
Result<MusicPcm> decodeWav(std::string_view bytes);
Result<MusicPcm> readWavFile(const std::filesystem::path& path);

// Music in any channel count and a mixable rate, samples interleaved in full scale +-1,
// brought to the mix format: the first channel for both sides when mono, the first two
// otherwise; other rates resampled by linear interpolation. Other rates are an error.
Result<MusicPcm> toMixPcm(std::span<const float> interleaved, int channels, int rate);

}  // namespace tarveno
