// Cost of the paged PDF of the largest sheet a song can give: 471 measures of a dense double
// chart, 32 to a column, on A4 turned whichever way needs fewer pages. The counters give the
// file's size and its pages.
#include <benchmark/benchmark.h>

#include "core/chart/chart.h"
#include "core/sheet/sheet_layout.h"
#include "core/sheet/view_settings.h"
#include "dense_sheet.h"
#include "render/sheet_images.h"
#include "render/sheet_pages_painter.h"
#include "render/sheet_renderer.h"
#include "words/messages.h"

namespace tarveno {
namespace {

void BM_SheetPdf(benchmark::State& state) {
  const DenseSheet d;
  Result<SheetLayout> layout = layoutSheet(d.chart, d.catalogue, d.settings, kHeadlessTwipsPerPixel);
  if (!layout) {
    state.SkipWithError(describe(layout.error()).toStdString().c_str());
    return;
  }
  const SheetPrintSource source{*layout, d.chart, d.settings, d.images, "Bench Sheet", "BENCH", 96};
  for (auto _ : state) {
    Result<QByteArray> pdf = sheetPdf(source, PaperName::A4, PaperTurn::Fewest);
    if (!pdf) {
      state.SkipWithError(describe(pdf.error()).toStdString().c_str());
      break;
    }
    state.counters["bytes"] = static_cast<double>(pdf->size());
    state.counters["pages"] = static_cast<double>(pdf->count("/Type /Page\n"));
  }
}
BENCHMARK(BM_SheetPdf)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarveno
