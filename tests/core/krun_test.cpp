#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <tuple>

#include "core/chart/krun.h"
#include "support/test_catalogue.h"

namespace tarveno {
namespace {

// The rows and keywords of the format are exercised through the batch tool by the fixtures;
// what they cannot see is the reader working over an open chart, as the editor opens files.
TEST(KrunHeader, ReadingResetsWhatTheFormatCarriesAndWritingKeepsTextsOnTheirLines) {
  Chart chart;
  testing::header(chart) = std::tuple(PlayStyle::Double, 0x35, 7, "EDIT", "old", 3, 4, "note");
  ReadKrunChart("", chart);
  EXPECT_EQ(testing::header(chart), std::tuple(PlayStyle::Single, 0, 7, "EDIT", "", 0, 0, ""));

  // The editor's texts may hold line breaks; written as they are they would start new lines
  // that read back as keywords or rows.
  std::tie(chart.SongIndex, chart.KrunTitle, chart.KrunComment) = std::tuple(0, "a\r\n#001:F", "x\ny");
  EXPECT_EQ(WriteKrunChart(chart, testing::oneSongCatalogue(1), Date{2003, 5, 7}),
            "#title a  #001:F\r\n#date 2003/5/7\r\n#comment x y\r\n");
}

TEST(KrunDate, SourceDateEpochCountsAsUtcOnlyWhenItIsAWholeNumber) {
  const char* old = std::getenv("SOURCE_DATE_EPOCH");
  const std::optional<std::string> saved = old ? std::optional<std::string>(old) : std::nullopt;
  const auto dateFor = [](const char* value) {
    value ? setenv("SOURCE_DATE_EPOCH", value, 1) : unsetenv("SOURCE_DATE_EPOCH");
    const Date d = currentDate();
    return std::make_tuple(d.year, d.month, d.day);
  };
  EXPECT_EQ(dateFor("1052308800"), std::make_tuple(2003, 5, 7));   // 12:00 UTC
  EXPECT_EQ(dateFor("946684799"), std::make_tuple(1999, 12, 31));  // the last second of 1999
  // Anything else is today's date from the clock, never a date near 1970.
  for (const char* value :
       {static_cast<const char*>(nullptr), "", "abc", "12x", "-5", " 5", "99999999999999999999999"}) {
    EXPECT_GE(std::get<0>(dateFor(value)), 2024) << (value ? value : "(unset)");
  }
  saved ? setenv("SOURCE_DATE_EPOCH", saved->c_str(), 1) : unsetenv("SOURCE_DATE_EPOCH");
}

}  // namespace
}  // namespace tarveno
