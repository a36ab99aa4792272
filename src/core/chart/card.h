#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/chart/chart.h"
#include "core/result.h"

namespace tarveno {

inline constexpr size_t kCardFileSize = 8320;
inline constexpr size_t kCardMinimumSize = 784;  // shorter files cannot hold the header fields

// WriteCardSave as the 8320 bytes of the file. Needs a SongIndex within 0..500; otherwise an error.
Result<std::string> WriteCardSave(const Chart& chart, const Catalogue& catalogue);

// WriteCardSave to a file, replacing it only once the new file is complete.
Status WriteCardSaveFile(const std::filesystem::path& path, const Chart& chart, const Catalogue& catalogue);

// ReadCardSave on file content. A file under 784 bytes is refused as bad data and the
// chart is untouched. Otherwise erases FreezeData and reads EditName, SongIndex, PlayStyle,
// Difficulty, HasFreeze, StepData and FreezeData, loading the song's meter segments.
// An unknown song code or a bad play style ends the read with a Notice of its kind (shown as
// "Error(Code102)" and "Error(Code103)"); the chart keeps what was read up to there.
Result<std::vector<Notice>> ReadCardSave(std::string_view bytes, Chart& chart, const Catalogue& catalogue,
                                         MeterSegs& meterSegs);

}  // namespace tarveno
