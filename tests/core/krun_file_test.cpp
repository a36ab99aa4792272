#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>

#include <sys/resource.h>

#include "core/chart/chart.h"
#include "core/chart/krun.h"
#include "support/test_paths.h"

namespace tarveno {
namespace {

using testing::readAll;
using testing::TempDir;
using testing::writeAll;

// Sets SOURCE_DATE_EPOCH for one test and puts the old value back afterwards.
class EpochVariable {
 public:
  explicit EpochVariable(const char* value) {
    if (const char* old = std::getenv(kName)) saved_ = old;
    if (value) {
      setenv(kName, value, 1);
    } else {
      unsetenv(kName);
    }
  }
  ~EpochVariable() {
    if (saved_) {
      setenv(kName, saved_->c_str(), 1);
    } else {
      unsetenv(kName);
    }
  }
  EpochVariable(const EpochVariable&) = delete;
  EpochVariable& operator=(const EpochVariable&) = delete;

 private:
  static constexpr const char* kName = "SOURCE_DATE_EPOCH";
  std::optional<std::string> saved_;
};

bool sameDate(const Date& a, const Date& b) {
  return a.year == b.year && a.month == b.month && a.day == b.day;
}

Date localToday() {
  const std::time_t now = std::time(nullptr);
  std::tm parts{};
  localtime_r(&now, &parts);
  return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday};
}

Catalogue oneSong() {
  Catalogue catalogue;
  catalogue.SongList[0].Code = 1;
  catalogue.SongList[0].Measures = 8;
  return catalogue;
}

Chart smallChart() {
  Chart chart;
  chart.KrunTitle = "File Test";
  chart.StepData[1][4] = 2;
  return chart;
}

TEST(KrunDate, SourceDateEpochIsReadAsUtc) {
  {
    EpochVariable epoch("1052308800");  // 2003-05-07 12:00 UTC
    EXPECT_TRUE(sameDate(currentDate(), Date{2003, 5, 7}));
  }
  {
    EpochVariable epoch("946684799");  // the last second of 1999
    EXPECT_TRUE(sameDate(currentDate(), Date{1999, 12, 31}));
  }
}

TEST(KrunDate, WithoutANumericEpochTheClockCounts) {
  for (const char* value :
       {static_cast<const char*>(nullptr), "", "abc", "12x", "-5", " 5", "99999999999999999999999"}) {
    EpochVariable epoch(value);
    const Date before = localToday();
    const Date date = currentDate();
    const Date after = localToday();
    EXPECT_TRUE(sameDate(date, before) || sameDate(date, after)) << (value ? value : "(unset)");
  }
}

TEST(KrunFile, WritesTheSameBytesAsInMemory) {
  TempDir dir;
  const auto path = dir / "chart.kru";
  writeAll(path, std::string(5000, 'x'));
  const Date date{2003, 5, 7};
  ASSERT_TRUE(WriteKrunChartFile(path, smallChart(), oneSong(), date).ok());
  EXPECT_EQ(readAll(path), "#title File Test\r\n#date 2003/5/7\r\n#002:0200\r\n");
}

TEST(KrunFile, MissingFolderIsAnErrorAndLeavesNothing) {
  TempDir dir;
  const auto path = dir.path() / "missing" / "chart.kru";
  const Status status = WriteKrunChartFile(path, smallChart(), oneSong(), Date{2003, 5, 7});
  ASSERT_FALSE(status.ok());
  EXPECT_EQ(status.error().code, ErrorCode::FileWrite);
  EXPECT_FALSE(status.error().message.empty());
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
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
  const Status status = WriteKrunChartFile(path, smallChart(), oneSong(), Date{2003, 5, 7});
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);

  ASSERT_FALSE(status.ok());
  EXPECT_EQ(status.error().code, ErrorCode::FileWrite);
  EXPECT_EQ(readAll(path), "old");
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path())) ++entries;
  EXPECT_EQ(entries, 1);  // no temporary file left behind
}

}  // namespace
}  // namespace tarveno
