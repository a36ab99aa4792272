#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/chart/chart.h"
#include "core/result.h"

namespace tarveno {

struct Date {
  int year = 0;
  int month = 0;
  int day = 0;
};

// Today's date from the clock, or from SOURCE_DATE_EPOCH (seconds, UTC) when that is set,
// so batch runs and tests write reproducible files.
Date currentDate();

// ReadKrunChart on file content (CP932 bytes): resets the header fields the format carries
// and ORs the rows into StepData. SongIndex, EditName, FreezeData and BeatType are left alone;
// the caller erases the tables before and recomputes the beat types after.
// Returns one Notice per "#msdstyle" line, in file order.
std::vector<Notice> ReadKrunChart(std::string_view bytes, Chart& chart);

// WriteKrunChart as bytes (CP932, CR LF). Only the song's measures are written.
std::string WriteKrunChart(const Chart& chart, const Catalogue& catalogue, const Date& date);

// WriteKrunChart to a file, replacing it only once the new file is complete.
Status WriteKrunChartFile(const std::filesystem::path& path, const Chart& chart, const Catalogue& catalogue,
                          const Date& date);

}  // namespace tarveno
