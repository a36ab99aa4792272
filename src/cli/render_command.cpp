#include "cli/chart_input.h"

#ifdef TARVENO_WITH_RENDER
#include <QGuiApplication>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "core/io/files.h"
#include "core/sheet/view_settings.h"
#include "render/image_export.h"
#include "render/sheet_images.h"
#include "render/sheet_pages_painter.h"
#include "render/sheet_renderer.h"
#endif

namespace tarveno {

#ifdef TARVENO_WITH_RENDER

namespace {

// Text on the sheet needs the toolkit's font database, which lives in a GUI application
// object; no window is ever shown, so the offscreen platform serves on any machine.
std::unique_ptr<QGuiApplication> guiForDrawing() {
  if (QCoreApplication::instance()) return nullptr;
  // The tool's stderr carries its own one-line messages only; the toolkit's notes about the
  // session it runs in (no runtime folder, no display) are not the user's business.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) fprintf(stderr, "tarveno-cli: %s\n", qPrintable(message));
  });
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "tarveno-cli";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

// --view-settings names a view.dat that must be readable; without it the editor's own is used
// when there is one. Damaged content gives the defaults, as at start-up.
// False after reporting a file that cannot be read. (Filled in place: an optional of the
// settings trips GCC's maybe-uninitialized warning in optimised builds.)
bool viewSettingsFor(const Request& request, const AppPaths& paths, Diagnostics& diagnostics, ViewSettings& settings) {
  if (!request.viewSettings) {
    settings = LoadViewSettings(paths.viewSettingsFile);
    return true;
  }
  auto bytes = readFileBytes(*request.viewSettings);
  if (!bytes) {
    diagnostics.error(bytes.error().message);
    return false;
  }
  auto decoded = decodeViewSettings(*bytes);
  if (decoded) {
    settings = *decoded;
  } else {
    diagnostics.warning(*request.viewSettings + ": " + decoded.error().message + " 既定の設定で描きます。");
  }
  return true;
}

int writePicture(const Request& request, const Chart& chart, const Catalogue& catalogue, Diagnostics& diagnostics,
                 const ViewSettings& settings, const SheetImages& images) {
  auto sheet = renderChartSheet(chart, catalogue, settings, kHeadlessTwipsPerPixel, images);
  if (!sheet) {
    diagnostics.error(sheet.error().message);
    return kExitBadInput;
  }
  ImageExportOptions options;
  options.type = *imageTypeFromName(request.output);
  options.png = static_cast<PngOption>(request.pngOption);
  options.jpegQuality = request.jpegQuality;
  options.progressive = request.progressive;
  Status saved = saveImage(*sheet, request.output, options);
  if (!saved) {
    diagnostics.error(saved.error().message);
    return kExitBadInput;
  }
  return kExitOk;
}

int writePdf(const Request& request, const Chart& chart, const Catalogue& catalogue, Diagnostics& diagnostics,
             const ViewSettings& settings, const SheetImages& images) {
  auto layout = layoutSheet(chart, catalogue, settings, kHeadlessTwipsPerPixel);
  if (!layout) {
    diagnostics.error(layout.error().message);
    return kExitBadInput;
  }
  const std::string title = catalogue.SongList[static_cast<size_t>(chart.SongIndex)].Title;
  const SheetPrintSource source{
      *layout, chart, settings, images, title, chart.EditName, 1440.0 / kHeadlessTwipsPerPixel};
  const PaperName paper = request.paper == "letter" ? PaperName::Letter
                          : request.paper == "a4"   ? PaperName::A4
                                                    : defaultPaperName();
  const PaperTurn turn = request.orientation == "landscape"  ? PaperTurn::Landscape
                         : request.orientation == "portrait" ? PaperTurn::Portrait
                                                             : PaperTurn::Fewest;
  Status saved = saveSheetPdf(source, request.output, paper, turn);
  if (!saved) {
    diagnostics.error(saved.error().message);
    return kExitBadInput;
  }
  return kExitOk;
}

}  // namespace

int runRender(const Request& request, const Catalogue& catalogue, Diagnostics& diagnostics, const AppPaths& paths) {
  auto song = selectedSong(request, catalogue, diagnostics);
  if (!song) return kExitBadInput;
  auto document = openAsEditor(request.input, *song, catalogue, diagnostics, request);
  if (!document) return kExitBadInput;
  ViewSettings settings;
  if (!viewSettingsFor(request, paths, diagnostics, settings)) return kExitBadInput;

  const auto app = guiForDrawing();
  const SheetImages images;
  if (request.pdf) return writePdf(request, document->chart, catalogue, diagnostics, settings, images);
  return writePicture(request, document->chart, catalogue, diagnostics, settings, images);
}

#else

int runRender(const Request&, const Catalogue&, Diagnostics& diagnostics, const AppPaths&) {
  diagnostics.error("この tarveno-cli は描画なしで作られています。");
  return kExitBadInput;
}

#endif

}  // namespace tarveno
