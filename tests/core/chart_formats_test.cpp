#include <gtest/gtest.h>

#include "core/chart/chart_formats.h"

namespace tarveno {
namespace {

// What each kind loses of one chart holding everything: two freeze arrows (one running over a
// measure line), an edit name, foot level 5, a KRUN title and comment, and three arrows left on
// the second pad of a single chart (a triplet marker is none of them).
TEST(ChartFormats, EachKindNamesWhatItCannotKeepWithCounts) {
  Chart chart;
  chart.EditName = "NAME";
  chart.Difficulty = 0x25;
  chart.KrunTitle = "Title";
  chart.KrunComment = "Note";
  chart.StepData[2][0] = 0x31;  // first pad left, second pad left and down
  chart.StepData[3][4] = kTripletMark;
  chart.StepData[3][5] = 0x40;
  chart.FreezeData[1][14] = chart.FreezeData[1][15] = chart.FreezeData[2][0] = 0x01;
  chart.FreezeData[4][0] = 0x03;  // two panels at once
  chart.FreezeData[4][1] = 0x01;
  const auto counts = [&](const char* name) {
    std::vector<std::pair<UnkeptPart, int>> out;
    for (const UnkeptCount& u : unkeptBy(chart, *chartFormatOfName(name))) out.emplace_back(u.part, u.count);
    return out;
  };
  using P = UnkeptPart;
  EXPECT_EQ(counts("a.mc"), (std::vector<std::pair<P, int>>{{P::SecondPadArrows, 3}}));
  EXPECT_EQ(counts("a.KRU"), (std::vector<std::pair<P, int>>{
                                 {P::FreezeArrows, 3}, {P::EditName, 1}, {P::FootLevel, 1}, {P::SecondPadArrows, 3}}));
  EXPECT_EQ(counts("a.Sm"),
            (std::vector<std::pair<P, int>>{{P::KrunTitle, 1}, {P::KrunComment, 1}, {P::SecondPadArrows, 3}}));
  chart.PlayStyle = PlayStyle::Double;
  EXPECT_EQ(counts("a.mc"), (std::vector<std::pair<P, int>>{})) << "a double chart keeps its second pad";
}

// The extension decides in any case; the selected type only completes a bare name; a .ssc is
// read, never written.
TEST(ChartFormats, TheNameDecidesTheKind) {
  const ChartFormat& card = chartFormat(ChartFileKind::Card);
  EXPECT_EQ(saveTargetFor("/d/x.SM", card).format->kind, ChartFileKind::Simfile);
  EXPECT_EQ(saveTargetFor("/d/x.sm.bak", card).path, "/d/x.sm.bak.mc");
  EXPECT_EQ(chartFormatOfName("notes.txt"), nullptr);
  EXPECT_EQ(std::pair(isReadOnlyChartName("a.SSC"), isReadOnlyChartName("a.sm")), std::pair(true, false));
}

}  // namespace
}  // namespace tarveno
