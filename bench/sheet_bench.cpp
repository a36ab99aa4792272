// Cost of the sheet view: opening it renders the whole chart, and the export encodes that
// picture. Measured on the largest sheet a song can give (471 measures of a dense double
// chart, 32 to a column), beside a bare fill of an image of the same size as the floor.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

#include "core/chart/chart.h"
#include "core/chart/chart_files.h"
#include "core/sheet/view_settings.h"
#include "dense_sheet.h"
#include "render/image_export.h"
#include "render/sheet_images.h"
#include "render/sheet_renderer.h"
#include "words/messages.h"

namespace tarveno {
namespace {

const DenseSheet& dense() {
  static const DenseSheet sheet;
  return sheet;
}

// bench/png_compare.sh hands the same picture to other PNG writers: when TARVENO_BENCH_SHEET_BMP
// names a file, the sheet is written there as a bitmap once.
void saveSheetBitmapWhenAsked() {
  const char* target = std::getenv("TARVENO_BENCH_SHEET_BMP");
  if (target == nullptr || *target == '\0') return;
  const DenseSheet& d = dense();
  const Result<QImage> sheet = renderChartSheet(d.chart, d.catalogue, d.settings, kHeadlessTwipsPerPixel, d.images);
  if (sheet) (void)saveImage(*sheet, target, {ImageType::Bmp});
}

// The whole-process comparison runs tarveno-cli on the same chart: when TARVENO_BENCH_SHEET_DIR
// names a folder, the chart (dense.kru), its one-song catalogue (kruid.dat, song
// code 1) and the sheet settings (view.dat) are written there once.
void saveSheetInputsWhenAsked() {
  const char* folder = std::getenv("TARVENO_BENCH_SHEET_DIR");
  if (folder == nullptr || *folder == '\0') return;
  const DenseSheet& d = dense();
  const std::filesystem::path dir(folder);
  const SongRecord& song = d.catalogue.SongList[0];
  std::ofstream(dir / "kruid.dat", std::ios::binary)
      << song.Code << ",\"" << song.Title << "\"," << song.Bpm << ',' << song.Measures << ',' << song.AcMask << ','
      << song.CsMask << ',' << int{song.MeterFlag} << "\r\n";
  (void)SaveViewSettings(dir / "view.dat", d.settings);
  (void)saveChartFile(dir / "dense.kru", ChartFileKind::Krun, d.chart, d.catalogue);
}

void BM_RenderSheet(benchmark::State& state) {
  saveSheetBitmapWhenAsked();
  saveSheetInputsWhenAsked();
  const DenseSheet& d = dense();
  for (auto _ : state) {
    Result<QImage> sheet = renderChartSheet(d.chart, d.catalogue, d.settings, kHeadlessTwipsPerPixel, d.images);
    if (!sheet) {
      state.SkipWithError(describe(sheet.error()).toStdString().c_str());
      break;
    }
    benchmark::DoNotOptimize(sheet->constBits());
    state.counters["width"] = sheet->width();
    state.counters["height"] = sheet->height();
  }
}
BENCHMARK(BM_RenderSheet)->Unit(benchmark::kMillisecond);

// The floor: allocating and clearing an image as large as the sheet.
void BM_FillSheetSizedImage(benchmark::State& state) {
  const DenseSheet& d = dense();
  const QSize size = renderChartSheet(d.chart, d.catalogue, d.settings, kHeadlessTwipsPerPixel, d.images)->size();
  for (auto _ : state) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_FillSheetSizedImage)->Unit(benchmark::kMillisecond);

// Export to a file with each PNG option (0 standard, 1 speed, 2 smallest).
void BM_ExportSheetPng(benchmark::State& state) {
  const DenseSheet& d = dense();
  const QImage sheet = *renderChartSheet(d.chart, d.catalogue, d.settings, kHeadlessTwipsPerPixel, d.images);
  const std::filesystem::path path = std::filesystem::temp_directory_path() / "tarveno_sheet_bench.png";
  ImageExportOptions options;
  options.png = static_cast<PngOption>(state.range(0));
  for (auto _ : state) {
    if (Status saved = saveImage(sheet, path, options); !saved) {
      state.SkipWithError(describe(saved.error()).toStdString().c_str());
      break;
    }
  }
  std::error_code ec;
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path, ec));
  std::filesystem::remove(path, ec);
}
BENCHMARK(BM_ExportSheetPng)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarveno
