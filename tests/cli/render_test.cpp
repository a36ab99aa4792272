#include <gtest/gtest.h>
#include <QImage>

#include "cli/cli_run.h"
#include "core/chart/krun.h"
#include "core/sheet/sheet_layout.h"

namespace tarveno::testing {
namespace {

// The picture is the whole sheet at 96 dpi, in the settings given or else the built-in ones.
TEST(CliRender, WritesTheWholeSheetInTheSettingsGiven) {
  TempDir dir;
  const auto input = dataDir() / "examples" / "couple.kru";
  auto catalogue = LoadSongList(dataDir() / "kruid.dat");
  ASSERT_TRUE(catalogue.ok());
  Chart chart;
  ReadKrunChart(readAll(input), chart);
  ViewSettings narrow;
  narrow.SheetBlocks = 3;
  ASSERT_TRUE(SaveViewSettings(dir / "view.dat", narrow).ok());

  for (const ViewSettings& settings : {ViewSettings{}, narrow}) {
    const bool custom = settings.SheetBlocks == 3;
    std::vector<std::string> args{"render", input.string(), (dir / "sheet.png").string()};
    if (custom) args.insert(args.end(), {"--view-settings", (dir / "view.dat").string()});
    const CliResult r = runTool(args);
    ASSERT_EQ(r.status, 0) << r.err;
    auto layout = layoutSheet(chart, catalogue->catalogue, settings, 15);
    ASSERT_TRUE(layout.ok());
    const QImage picture(QString::fromStdString((dir / "sheet.png").string()));
    EXPECT_EQ(picture.size(), QSize(layout->sheetWidth, layout->sheetHeight)) << custom;
  }
  EXPECT_EQ(runTool({"render", input.string(), (dir / "x.png").string(), "--view-settings", "/no/view.dat"}).status, 2);
}

}  // namespace
}  // namespace tarveno::testing
