#include <gtest/gtest.h>

#include <bit>

#include "cli/cli_run.h"
#include "core/chart/open.h"
#include "core/chart/stats.h"
#include "support/test_paths.h"

namespace tarveno::testing {
namespace {

// The date scripts/make-examples.sh writes the examples under.
constexpr const char* kExamplesDate = "1714521600";

struct Example {
  const char* name;
  uint8_t style;
  const char* editName;
  uint8_t difficulty;  // of the card save; the KRUN file carries the class only
};
const Example kExamples[] = {{"single", 0, "TIDE1", 21}, {"couple", 1, "TIDEDUO", 39}, {"double", 2, "TIDEDBL", 57}};

class CliExamples : public ::testing::TestWithParam<Example> {
 protected:
  static std::filesystem::path file(const std::string& ending) {
    return dataDir() / "examples" / (std::string(GetParam().name) + ending);
  }
  static const Catalogue& catalogue() {
    static const Catalogue c = (*LoadSongList(dataDir() / "kruid.dat")).catalogue;
    return c;
  }
  static Document open(const std::filesystem::path& path) {
    Document d;
    ResetChartData(d.chart);
    auto kind = chartFileKindFromName(path.string());
    auto opened = openChartFile(path, *kind, d, catalogue());
    EXPECT_TRUE(opened.ok()) << path;
    if (opened.ok()) {
      EXPECT_TRUE(opened->empty()) << path << ": the examples raise no notices";
    }
    return d;
  }
};

TEST_P(CliExamples, KrunFileIsExactlyWhatTheWriterWrites) {
  ScopedEnv date("SOURCE_DATE_EPOCH", kExamplesDate);
  TempDir dir;
  CliResult r = runTool({"convert", file(".kru").string(), (dir / "again.kru").string()});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(readAll(dir / "again.kru"), readAll(file(".kru")));
}

TEST_P(CliExamples, IsABelievableChartOfTheDefaultSong) {
  const Chart chart = open(file(".kru")).chart;
  EXPECT_EQ(chart.PlayStyle, GetParam().style);
  EXPECT_EQ(chart.SongIndex, 0);
  EXPECT_NE(chart.KrunTitle.find(std::string("EDIT [") + GetParam().editName + "]"), std::string::npos);
  EXPECT_EQ(chart.Difficulty & 15, 0);
  EXPECT_NE(chart.Difficulty >> 4, 0);

  const ChartStats stats = ComputeChartStats(chart, catalogue());
  for (int k = 0; k < 4; ++k) EXPECT_GT(stats.noteValues[static_cast<size_t>(k)], 10) << "note value " << k;
  EXPECT_GT(stats.steps, 300);
  const int measures = catalogue().measures(0);
  int secondPad = 0;
  for (int m = 0; m < kStepMeasures; ++m) {
    for (int s = 0; s < kSlotsPerMeasure; ++s) {
      const uint8_t byte = chart.stepAt(s, m);
      if (byte == 0) continue;
      EXPECT_GT(m, 0) << "measure 0 takes no arrows";
      EXPECT_LT(m, measures);
      if (byte == kTripletMark && s % 4 == 0) continue;
      // Nobody steps on more than two panels at once: per pad, or over both in double.
      if (chart.PlayStyle == 2) {
        EXPECT_LE(std::popcount(byte), 2) << m << ":" << s;
      } else {
        EXPECT_LE(std::popcount(static_cast<unsigned>(byte & 15)), 2) << m << ":" << s;
        EXPECT_LE(std::popcount(static_cast<unsigned>(byte >> 4)), 2) << m << ":" << s;
      }
      if (byte >> 4) ++secondPad;
    }
  }
  if (chart.PlayStyle == 0) {
    EXPECT_EQ(secondPad, 0);
  } else {
    EXPECT_GT(secondPad, 50);
  }
}

TEST_P(CliExamples, CardSaveHoldsTheSameChart) {
  const Document kru = open(file(".kru"));
  const Document card = open(file(".mc"));
  EXPECT_EQ(readAll(file(".mc")).size(), 8320u);
  EXPECT_EQ(card.chart.StepData, kru.chart.StepData);
  EXPECT_EQ(card.chart.BeatType, kru.chart.BeatType);
  EXPECT_EQ(card.chart.PlayStyle, GetParam().style);
  EXPECT_EQ(card.chart.Difficulty, GetParam().difficulty);
  EXPECT_EQ(card.chart.Difficulty >> 4, kru.chart.Difficulty >> 4);
  EXPECT_EQ(card.chart.SongIndex, 0);
  std::string name = GetParam().editName;
  name.resize(8, ' ');
  EXPECT_EQ(card.chart.EditName, name);
}

TEST_P(CliExamples, CardSaveIsExactlyWhatTheScriptMakes) {
  TempDir dir;
  CliResult r = runTool({"convert", file(".kru").string(), (dir / "again.mc").string(), "--song", "1", "--edit-name",
                         GetParam().editName, "--difficulty", std::to_string(GetParam().difficulty)});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(readAll(dir / "again.mc"), readAll(file(".mc")));
}

INSTANTIATE_TEST_SUITE_P(Bundled, CliExamples, ::testing::ValuesIn(kExamples),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarveno::testing
