#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <tuple>

#include <sys/resource.h>

#include "core/chart/chart.h"
#include "core/chart/krun.h"
#include "support/test_paths.h"

namespace tarveno {
namespace {

using testing::readAll;
using testing::TempDir;
using testing::writeAll;

constexpr const char* kEpoch = "SOURCE_DATE_EPOCH";

// Sets SOURCE_DATE_EPOCH (or unsets it for nullptr) and puts the old value back afterwards.
class EpochVariable {
 public:
  explicit EpochVariable(const char* value) {
    if (const char* old = std::getenv(kEpoch)) saved_ = old;
    set(value);
  }
  ~EpochVariable() { set(saved_ ? saved_->c_str() : nullptr); }

 private:
  static void set(const char* value) { value ? setenv(kEpoch, value, 1) : unsetenv(kEpoch); }
  std::optional<std::string> saved_;
};

auto ymd(const Date& d) {
  return std::make_tuple(d.year, d.month, d.day);
}

Date localToday() {
  const std::time_t now = std::time(nullptr);
  std::tm parts{};
  localtime_r(&now, &parts);
  return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday};
}

Status writeSmallChart(const std::filesystem::path& path) {
  Chart chart;
  chart.KrunTitle = "File Test";
  chart.StepData[1][4] = 2;
  Catalogue catalogue;
  catalogue.SongList[0] = SongRecord{"", 1, 0, 8, 0, 0, 0};
  return WriteKrunChartFile(path, chart, catalogue, Date{2003, 5, 7});
}

TEST(KrunDate, SourceDateEpochIsReadAsUtcAndOtherwiseTheClockCounts) {
  for (auto [value, date] : {std::pair{"1052308800", Date{2003, 5, 7}},      // 2003-05-07 12:00 UTC
                             std::pair{"946684799", Date{1999, 12, 31}}}) {  // the last second of 1999
    EpochVariable epoch(value);
    EXPECT_EQ(ymd(currentDate()), ymd(date)) << value;
  }
  for (const char* value :
       {static_cast<const char*>(nullptr), "", "abc", "12x", "-5", " 5", "99999999999999999999999"}) {
    EpochVariable epoch(value);
    const Date before = localToday();
    const Date date = currentDate();
    const Date after = localToday();
    EXPECT_TRUE(ymd(date) == ymd(before) || ymd(date) == ymd(after)) << (value ? value : "(unset)");
  }
}

TEST(KrunFile, WritesTheSameBytesAsInMemory) {
  TempDir dir;
  writeAll(dir / "chart.kru", std::string(5000, 'x'));
  ASSERT_TRUE(writeSmallChart(dir / "chart.kru").ok());
  EXPECT_EQ(readAll(dir / "chart.kru"), "#title File Test\r\n#date 2003/5/7\r\n#002:0200\r\n");
}

TEST(KrunFile, FailedWriteKeepsTheOldFile) {
  TempDir dir;
  const auto path = dir / "chart.kru";
  writeAll(path, "old");
  // A file size limit makes the write itself fail, even for a user who may write anywhere.
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  if (saved.rlim_max != RLIM_INFINITY && saved.rlim_max < 8) GTEST_SKIP() << "file size limit already tiny";
  rlimit tiny = saved;
  tiny.rlim_cur = 8;
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
  const Status status = writeSmallChart(path);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);

  ASSERT_FALSE(status.ok());
  EXPECT_EQ(status.error().code, ErrorCode::FileWrite);
  EXPECT_EQ(readAll(path), "old");
  // No temporary file left behind.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()), 1);
}

}  // namespace
}  // namespace tarveno
