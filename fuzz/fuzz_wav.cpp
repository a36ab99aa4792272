// Feeds arbitrary bytes to the WAV reader: it never crashes or asks for more memory than the
// fuzzer allows, and music it accepts is bounded by the file: the lowest rate it reads makes
// kMixRate / kMinMusicRate mix frames of each file frame, which takes at least one byte.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/play/wav.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto music = tarveno::decodeWav(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!music) return 0;
  const auto mostFrames = static_cast<int64_t>(size) * (tarveno::kMixRate / tarveno::kMinMusicRate);
  if (music->frames() > mostFrames) __builtin_trap();
  return 0;
}
