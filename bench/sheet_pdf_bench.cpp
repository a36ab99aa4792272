// Cost of the paged PDF of the largest sheet a song can give: 471 measures of a dense double
// chart, 32 to a column, on A4 turned whichever way needs fewer pages. The counters give the
// file's size and its pages.
#include <benchmark/benchmark.h>

#include <random>

#include "core/chart/chart.h"
#include "core/sheet/sheet_layout.h"
#include "core/sheet/view_settings.h"
#include "render/sheet_images.h"
#include "render/sheet_pages_painter.h"
#include "render/sheet_renderer.h"

namespace tarveno {
namespace {

struct DensePdfSheet {
  DensePdfSheet() {
    catalogue.SongList[0] = SongRecord{"Bench Sheet", 1, 150, kStepMeasures, 1, 1, 0};
    settings.SheetBlocks = 32;
    settings.ShowNum = 1;
    chart.PlayStyle = PlayStyle::Double;
    std::mt19937 random(20240502);
    const int pairs[6] = {0x3, 0x5, 0x9, 0x6, 0xA, 0xC};
    for (int m = 0; m < kStepMeasures; ++m) {
      for (int s = 0; s < 16; ++s) {
        chart.StepData[m][s] = static_cast<uint8_t>(pairs[random() % 6] | (pairs[random() % 6] << 4));
      }
      for (int b = 0; b < 4; ++b) {
        if ((4 * m + b) % 3 == 0) chart.StepData[m][4 * b] = kTripletMark;
      }
      if (m < kFreezeMeasures) {
        for (int s = 1; s <= 7; ++s) chart.FreezeData[m][s] = 0x11;
      }
    }
    recalcAllBeatTypes(chart, catalogue);
  }

  Catalogue catalogue;
  Chart chart;
  ViewSettings settings;
  SheetImages images;
};

void BM_SheetPdf(benchmark::State& state) {
  const DensePdfSheet d;
  Result<SheetLayout> layout = layoutSheet(d.chart, d.catalogue, d.settings, kHeadlessTwipsPerPixel);
  if (!layout) {
    state.SkipWithError(layout.error().message.c_str());
    return;
  }
  const SheetPrintSource source{*layout, d.chart, d.settings, d.images, "Bench Sheet", "BENCH", 96};
  for (auto _ : state) {
    Result<QByteArray> pdf = sheetPdf(source, PaperName::A4, PaperTurn::Fewest);
    if (!pdf) {
      state.SkipWithError(pdf.error().message.c_str());
      break;
    }
    state.counters["bytes"] = static_cast<double>(pdf->size());
    state.counters["pages"] = static_cast<double>(pdf->count("/Type /Page\n"));
  }
}
BENCHMARK(BM_SheetPdf)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarveno
