#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "core/play/mix.h"
#include "core/result.h"

namespace tarveno {

// A canonical WAV file of the mix format: 44-byte header, 48 kHz, 16-bit PCM, stereo.
std::string encodeWav(std::span<const int16_t> interleavedStereo);

// Renders the whole mix and writes it as a WAV file (through the atomic writer).
Status writeMixWav(const MixPlan& plan, const std::filesystem::path& path);

// Reads uncompressed WAV content (integer PCM of 8, 16, 24 or 32 bits, or 32/64-bit float,
// in the plain or extensible header, any rate and channel count) as music for the mix.
Result<MusicPcm> decodeWav(std::string_view bytes);
Result<MusicPcm> readWavFile(const std::filesystem::path& path);

// Music in any rate and channel count, samples interleaved in full scale +-1, brought to the
// mix format: the first channel for both sides when mono, the first two otherwise; other rates
// resampled by linear interpolation.
MusicPcm toMixPcm(std::span<const float> interleaved, int channels, int rate);

}  // namespace tarveno
