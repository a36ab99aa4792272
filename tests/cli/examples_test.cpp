#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <tuple>

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
    EXPECT_TRUE(opened.ok() && opened->empty()) << path << ": the examples open and raise no notices";
    return d;
  }
};

TEST_P(CliExamples, AreExactlyWhatTheScriptMakesAndHoldTheSameChart) {
  ScopedEnv date("SOURCE_DATE_EPOCH", kExamplesDate);
  TempDir dir;
  CliResult r = runTool({"convert", file(".kru").string(), (dir / "again.kru").string()});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(readAll(dir / "again.kru"), readAll(file(".kru")));

  r = runTool({"convert", file(".kru").string(), (dir / "again.mc").string(), "--song", "1", "--edit-name",
               GetParam().editName, "--difficulty", std::to_string(GetParam().difficulty)});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(readAll(dir / "again.mc"), readAll(file(".mc")));

  const Chart kru = open(file(".kru")).chart;
  const Chart card = open(file(".mc")).chart;
  EXPECT_EQ(card.StepData, kru.StepData);
  EXPECT_EQ(card.BeatType, kru.BeatType);
  std::string name = GetParam().editName;
  name.resize(8, ' ');
  EXPECT_EQ(std::tie(card.PlayStyle, card.Difficulty, card.SongIndex, card.EditName),
            std::tuple(GetParam().style, GetParam().difficulty, 0, name));
  EXPECT_EQ(card.Difficulty >> 4, kru.Difficulty >> 4);  // the KRUN file carries the class only
}

TEST_P(CliExamples, IsABelievableChartOfTheDefaultSong) {
  const Chart chart = open(file(".kru")).chart;
  EXPECT_EQ(std::tie(chart.PlayStyle, chart.SongIndex), std::tuple(GetParam().style, 0));
  EXPECT_NE(chart.KrunTitle.find(std::string("EDIT [") + GetParam().editName + "]"), std::string::npos);

  const ChartStats stats = ComputeChartStats(chart, catalogue());
  for (int k = 0; k < 4; ++k) EXPECT_GT(stats.noteValues[static_cast<size_t>(k)], 10) << "note value " << k;
  EXPECT_GT(stats.steps, 300);
  int secondPad = 0;
  for (int m = 0; m < kStepMeasures; ++m) {
    for (int s = 0; s < kSlotsPerMeasure; ++s) {
      const uint8_t byte = chart.stepAt(s, m);
      if (byte == 0) continue;
      // Measure 0 takes no arrows; none lie past the song, or the writer's output would differ.
      EXPECT_GT(m, 0);
      if (byte == kTripletMark && s % 4 == 0) continue;
      // Nobody steps on more than two panels at once: per pad, or over both in double.
      const int pads = chart.PlayStyle == 2
                           ? std::popcount(byte)
                           : std::max(std::popcount(byte & 15u), std::popcount(static_cast<unsigned>(byte >> 4)));
      EXPECT_LE(pads, 2) << m << ":" << s;
      secondPad += (byte >> 4) != 0;
    }
  }
  EXPECT_TRUE(chart.PlayStyle == 0 ? secondPad == 0 : secondPad > 50) << secondPad;
}

INSTANTIATE_TEST_SUITE_P(Bundled, CliExamples, ::testing::ValuesIn(kExamples),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarveno::testing
