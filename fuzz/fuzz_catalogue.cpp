// Feeds arbitrary bytes to the song catalogue reader: it must never fail or run past its 501
// records, and every record it keeps must lie in the valid run it reports.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/songs/catalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const tarveno::CatalogueLoad load =
      tarveno::parseSongList(std::string_view(reinterpret_cast<const char*>(data), size));
  const int valid = load.catalogue.validCount();
  if (valid < 0 || valid > tarveno::kSongListSize) __builtin_trap();
  for (int i = 0; i < valid; ++i) {
    if (load.catalogue.song(i) == nullptr || load.catalogue.SongList[static_cast<size_t>(i)].Code < 1) __builtin_trap();
  }
  return 0;
}
