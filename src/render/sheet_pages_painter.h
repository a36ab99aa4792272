#pragma once

#include <QByteArray>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <filesystem>
#include <string>

#include "core/chart/chart.h"
#include "core/result.h"
#include "core/sheet/sheet_layout.h"
#include "core/sheet/sheet_pages.h"
#include "core/sheet/view_settings.h"

namespace tarveno {

class SheetImages;

// Everything a paged sheet is drawn from.
struct SheetPrintSource {
  const SheetLayout& layout;
  const Chart& chart;
  const ViewSettings& settings;
  const SheetImages& images;
  std::string title;     // the song's, for the footer
  std::string editName;  // the chart's, for the footer
  double sheetDpi = 96;  // the resolution the layout's fonts were sized at
};

enum class PaperName { A4, Letter };
enum class PaperTurn { Fewest, Portrait, Landscape };  // Fewest: whichever gives fewer pages

// A4, or Letter where the system's locale measures in the US system.
PaperName defaultPaperName();

// The page layout for a paper, its margins included.
QPageLayout sheetPageLayout(PaperName paper, QPageLayout::Orientation orientation);

// The pages the sheet needs on a device with this page layout and resolution.
SheetPagePlan planSheetPrint(const SheetLayout& layout, const QPageLayout& page, int dpi);

// Paints every page onto a paged device (a PDF writer or a printer) whose page layout is set.
// Refused with a Japanese message when the device cannot be painted on.
Status paintSheetPages(QPagedPaintDevice& device, const SheetPrintSource& source);

// The sheet as a PDF document, on the paper asked for.
Result<QByteArray> sheetPdf(const SheetPrintSource& source, PaperName paper, PaperTurn turn);

// Writes sheetPdf to `path` with the chart files' safe write (the old file stays until the new
// one is complete). The message names the file.
Status saveSheetPdf(const SheetPrintSource& source, const std::filesystem::path& path, PaperName paper, PaperTurn turn);

}  // namespace tarveno
