#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/chart/simfile.h"
#include "core/result.h"

namespace tarveno {

// Where the parts of one "#NAME:part:...;" parameter lie in a simfile's own bytes, so that one
// chart can be replaced while every other byte stays as the author left it (line ends, comments,
// encoding, the other charts).
struct MsdSpan {
  size_t begin = 0;  // the "#"
  size_t end = 0;    // just past the ";" (or where the next parameter starts when it has none)
  std::string name;  // upper-cased
  std::vector<std::pair<size_t, size_t>> parts;  // [begin, end) of each part after the name
};

// The parameters of a simfile's bytes, found by the same rules as parseMsd (comments, escapes, a
// "#" first on a line starting a new parameter), but on the bytes as stored: UTF-8 with or
// without BOM, CP932 (whose second bytes may look like "\") and CR LF line ends alike.
std::vector<MsdSpan> scanMsdSpans(std::string_view bytes);

// The .sm text with chart `index` (numbered as readSimfile numbers a .sm's charts) replaced by
// the chart: its steps type, description, difficulty, meter and notes are written in place of
// the old ones; every other byte is kept, the radar values of the block included. The new text
// follows the file's line ends and, when the file is not UTF-8, its CP932 encoding. The report
// is the chart's own, as a whole-file export gives it.
Result<SimfileText> spliceSimfileChart(std::string_view original, size_t index, const Chart& chart,
                                       const Catalogue& catalogue);

// spliceSimfileChart on the file itself, replacing it only once the new file is complete.
Result<SimfileReport> WriteSimfileChartInPlace(const std::filesystem::path& path, size_t index, const Chart& chart,
                                               const Catalogue& catalogue);

// True when a save to `target` goes back into the chart's own place: the chart came from a .sm
// file (not a .ssc, which is never written) and the target is that same file, by whatever name.
bool writesBackInto(const DocumentOrigin& origin, const std::filesystem::path& target);

}  // namespace tarveno
