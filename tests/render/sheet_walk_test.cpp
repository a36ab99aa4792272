#include <gtest/gtest.h>

#include <string>

#include "core/sheet/sheet_layout.h"
#include "render/sheet_renderer.h"
#include "render/sheet_walk.h"
#include "support/test_catalogue.h"

namespace tarveno {
namespace {

// Writes down what the walk asks for, one letter per call: H header line, M measure (with its
// number), N number, F frame (with its column); arrows are left out.
class RecordingCanvas final : public SheetCanvas {
 public:
  void headerLine(const HeaderLine&) override { calls += "H "; }
  void beginMeasure(const MeasurePlacement& place) override { calls += "M" + std::to_string(place.measure) + " "; }
  void arrow(int, int, int) override {}
  void endMeasure() override {}
  void measureNumber(const MeasurePlacement& place) override { calls += "N" + std::to_string(place.measure) + " "; }
  void frame(const ColumnFrame& frame) override { calls += "F" + std::to_string(frame.column) + " "; }
  std::string calls;
};

// 19 measures of a single chart, 8 to a column, numbered: column 1 holds measures 8 to 15.
class SheetWalkTest : public ::testing::Test {
 protected:
  SheetWalkTest() { settings.ShowNum = 1; }
  std::string walk(const SheetPart& part) {
    const Result<SheetLayout> layout =
        layoutSheet(chart, testing::oneSongCatalogue(19), settings, kHeadlessTwipsPerPixel);
    EXPECT_TRUE(layout.ok());
    RecordingCanvas canvas;
    if (layout.ok()) walkSheet(*layout, chart, part, canvas);
    return canvas.calls;
  }
  Chart chart;
  ViewSettings settings;
};

TEST_F(SheetWalkTest, APageColumnGetsOnlyItsMeasuresLastFirstEachWithItsNumberThenItsFrame) {
  EXPECT_EQ(walk(SheetPart{1, 1, false}), "M15 N15 M14 N14 M13 N13 M12 N12 M11 N11 M10 N10 M9 N9 M8 N8 F1 ");
}

TEST_F(SheetWalkTest, TheWholeSheetStartsWithTheHeaderAndEndsWithEveryFrame) {
  const std::string calls = walk(SheetPart::whole());
  EXPECT_EQ(calls.substr(0, 12), "H H M18 N18 ");
  EXPECT_EQ(calls.substr(calls.size() - 15), "M0 N0 F0 F1 F2 ");
}

}  // namespace
}  // namespace tarveno
