#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/chart/simfile.h"
#include "support/test_paths.h"

namespace tarveno {
namespace {

// The report's line of that kind, naming the value, if it has one.
bool saysSomething(const SimfileReport& report, ChartText kind, const std::string& value) {
  const auto lines = report.lines();
  return std::any_of(lines.begin(), lines.end(), [&](const Message& l) {
    return l.kind == TextKind{kind} && std::find(l.args.begin(), l.args.end(), value) != l.args.end();
  });
}

// A song whose tempo is 0 has no tempo: written at 120, said once; players refuse tempo 0.
TEST(SimfileWrite, ATempoOfZeroIsNoTempo) {
  Catalogue catalogue;
  catalogue.SongList[0] = {"Quiet Hour", 3, 0, 4, 1, 1, 0};
  const auto written = WriteSimfile(Chart{}, catalogue, std::nullopt);
  ASSERT_TRUE(written.ok());
  EXPECT_NE(written->bytes.find("#BPMS:0.000=120.000;"), std::string::npos) << written->bytes;
  EXPECT_TRUE(saysSomething(written->report, ChartText::TempoAssumed, "Quiet Hour"))
      << ::testing::PrintToString(written->report.lines());
}

// Only the card's padding goes; blanks alone are no name; a name that would read back
// otherwise is told.
TEST(SimfileWrite, EditNamesAreWrittenAsTheyWillReadBack) {
  Catalogue catalogue;
  catalogue.SongList[0] = {"Quiet Hour", 3, 140, 4, 1, 1, 0};
  Chart chart;
  for (const auto& [name, description, told] :
       {std::tuple("AB", "AB", false), std::tuple("  AB  ", "  AB", true), std::tuple("   ", "", true)}) {
    chart.EditName = name;
    const auto written = WriteSimfile(chart, catalogue, std::nullopt);
    ASSERT_TRUE(written.ok());
    const std::string field = "dance-single:\n     " + std::string(description) + ":\n";
    EXPECT_NE(written->bytes.find(field), std::string::npos) << "[" << name << "]\n" << written->bytes;
    EXPECT_EQ(saysSomething(written->report, ChartText::EditNameTrimmed, name), told) << "[" << name << "]";
  }
}

// The song's music is named when it lies beside the written file, and its offset is #OFFSET.
TEST(SimfileWrite, MusicAndOffsetComeFromThePlaybackSettings) {
  Catalogue catalogue;
  catalogue.SongList[0] = {"Quiet Hour", 3, 140, 4, 1, 1, 0};
  testing::TempDir dir;
  const auto besides = WriteSimfileFile(dir / "a.sm", Chart{}, catalogue, std::nullopt, {dir / "tune.wav", 250});
  ASSERT_TRUE(besides.ok());
  EXPECT_TRUE(testing::readAll(dir / "a.sm").starts_with("#TITLE:Quiet Hour;\n#MUSIC:tune.wav;\n#OFFSET:-0.250;\n"))
      << testing::readAll(dir / "a.sm");
  const auto away = WriteSimfileFile(dir / "a.sm", Chart{}, catalogue, std::nullopt, {"/elsewhere/tune.wav", 0});
  ASSERT_TRUE(away.ok());
  EXPECT_TRUE(testing::readAll(dir / "a.sm").starts_with("#TITLE:Quiet Hour;\n#MUSIC:;\n#OFFSET:0.000;\n"))
      << testing::readAll(dir / "a.sm");
  EXPECT_TRUE(saysSomething(*away, ChartText::MusicElsewhere, "tune.wav")) << ::testing::PrintToString(away->lines());
}

}  // namespace
}  // namespace tarveno
