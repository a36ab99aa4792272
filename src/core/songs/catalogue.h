#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/result.h"
#include "core/songs/song_text.h"

namespace tarveno {

inline constexpr int kSongListSize = 501;
inline constexpr int kMeterSegCount = 21;
inline constexpr int16_t kMeterListEnd = 999;

struct SongRecord {
  std::string Title;  // UTF-8
  int16_t Code = 0;   // below 1 ends the catalogue
  int16_t Bpm = 0;    // -1 when not given
  int16_t Measures = 0;
  uint16_t AcMask = 0;
  uint16_t CsMask = 0;
  uint8_t MeterFlag = 0;
};

// The song catalogue, read once at start-up and never changed afterwards.
struct Catalogue {
  std::array<SongRecord, kSongListSize> SongList{};
  // Folder of kruid.dat; the meter files are looked up there.
  std::filesystem::path folder;

  // Number of records in the valid run: up to, not including, the first Code below 1.
  int validCount() const;
  bool isValidIndex(int index) const { return index >= 0 && index < validCount(); }
  // The record for a SongIndex within 0..500, else nullptr (no song).
  const SongRecord* song(int songIndex) const;
  // Measures of the song, or 0 when songIndex is outside 0..500.
  int measures(int songIndex) const;
};

// The tempo a song is played and exported at: its Bpm, or 120 when it has none (Bpm 0 or
// below, or no song at all); `assumed` says which, so the user can be told.
struct PlayTempo {
  double bpm = 120;
  bool assumed = true;
};
PlayTempo songTempo(const Catalogue& catalogue, int songIndex);

// The index of the song with that code in the valid run, as the memory-card reader finds it:
// a later record with the same code wins. Nothing when no record has the code.
std::optional<int16_t> findSongByCode(const Catalogue& catalogue, int code);

struct CatalogueLoad {
  Catalogue catalogue;
  // What was dropped (a broken last record, records past 501), for the words layer to say.
  std::vector<Message> warnings;
};

// Parses kruid.dat content (CP932 bytes). Never fails; problems become warnings.
CatalogueLoad parseSongList(std::string_view bytes);

// LoadSongList: reads kruid.dat. A missing or unreadable file is an error value.
Result<CatalogueLoad> LoadSongList(const std::filesystem::path& kruidDat);

struct MeterSeg {
  int16_t FirstMeasure = 0;
  uint8_t BeatsPerMeasure = 0;

  bool operator==(const MeterSeg&) const = default;
};
using MeterSegs = std::array<MeterSeg, kMeterSegCount>;

// "1As.dat" for code 26: upper-case hex, no leading zeros.
std::string meterFileName(int16_t code);

// Applies meter file content to segs: entries from the file first, then an entry with
// FirstMeasure 999; entries after that keep their content. At most 20 pairs are taken.
// Returns a warning text when the content was damaged (segs unchanged then).
Status parseMeterSegs(std::string_view bytes, MeterSegs& segs);

// LoadMeterSegs: when the song's MeterFlag is 0 nothing happens. A missing or broken meter
// file is an error value and leaves segs as they were.
Status LoadMeterSegs(const Catalogue& catalogue, int songIndex, MeterSegs& segs);

}  // namespace tarveno
