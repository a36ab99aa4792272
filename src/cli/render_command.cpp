#include "cli/chart_input.h"

#include "cli/application.h"

#include <QCoreApplication>

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
#include "words/messages.h"
#endif

namespace tarveno {

#ifdef TARVENO_WITH_RENDER

namespace {

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
    diagnostics.error(bytes.error());
    return false;
  }
  auto decoded = decodeViewSettings(*bytes);
  if (decoded) {
    settings = *decoded;
  } else {
    //: %1 is the settings file, %2 why it cannot be used
    diagnostics.warning(QCoreApplication::translate("Cli", "%1: %2 既定の設定で描きます。")
                            .arg(QString::fromStdString(*request.viewSettings), describe(decoded.error()))
                            .toStdString());
  }
  return true;
}

int writePicture(const Request& request, const Chart& chart, const Catalogue& catalogue, Diagnostics& diagnostics,
                 const ViewSettings& settings, const SheetImages& images) {
  auto sheet = renderChartSheet(chart, catalogue, settings, kHeadlessTwipsPerPixel, images);
  if (!sheet) {
    diagnostics.error(sheet.error());
    return kExitBadInput;
  }
  ImageExportOptions options;
  options.type = *imageTypeFromName(request.output);
  options.png = static_cast<PngOption>(request.pngOption);
  options.jpegQuality = request.jpegQuality;
  options.progressive = request.progressive;
  Status saved = saveImage(*sheet, request.output, options);
  if (!saved) {
    diagnostics.error(saved.error());
    return kExitBadInput;
  }
  return kExitOk;
}

int writePdf(const Request& request, const Chart& chart, const Catalogue& catalogue, Diagnostics& diagnostics,
             const ViewSettings& settings, const SheetImages& images) {
  auto layout = layoutSheet(chart, catalogue, settings, kHeadlessTwipsPerPixel);
  if (!layout) {
    diagnostics.error(layout.error());
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
    diagnostics.error(saved.error());
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

  // Text on the sheet needs the toolkit's font database, which lives in a GUI application
  // object; no window is ever shown, so the offscreen platform serves on any machine.
  const auto app = applicationFor(true);
  const SheetImages images;
  if (request.pdf) return writePdf(request, document->chart, catalogue, diagnostics, settings, images);
  return writePicture(request, document->chart, catalogue, diagnostics, settings, images);
}

#else

int runRender(const Request&, const Catalogue&, Diagnostics& diagnostics, const AppPaths&) {
  diagnostics.error(QCoreApplication::translate("Cli", "この tarveno-cli は描画なしで作られています。").toStdString());
  return kExitBadInput;
}

#endif

}  // namespace tarveno
