#include "gui/sheet/sheet_print.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QPrinter>
#include <filesystem>
#include <optional>

#include "gui/app/app_context.h"
#include "render/sheet_pages_painter.h"
#include "words/messages.h"

namespace tarveno {

namespace {

QString text(const char* source) {
  return QCoreApplication::translate(kSheetPrintContext, source);
}

// The sheet as the window shows it, with what the footer names; nothing when it cannot be laid
// out (the window has told why already, and has no sheet to offer then).
std::optional<SheetLayout> layoutFor(QWidget* parent, AppContext& context, double twipsPerPixel) {
  Result<SheetLayout> layout =
      layoutSheet(context.document.chart, context.catalogue, context.viewSettings, twipsPerPixel);
  if (!layout) {
    context.prompts.error(parent, layout.error().message);
    return std::nullopt;
  }
  return std::move(*layout);
}

SheetPrintSource sourceFor(const SheetLayout& layout, AppContext& context, const SheetImages& images,
                           double twipsPerPixel) {
  const Chart& chart = context.document.chart;
  const std::string title = context.catalogue.SongList[static_cast<size_t>(chart.SongIndex)].Title;
  return SheetPrintSource{layout, chart, context.viewSettings, images, title, chart.EditName, 1440.0 / twipsPerPixel};
}

}  // namespace

void printSheet(QWidget* parent, AppContext& context, const SheetImages& images, double twipsPerPixel) {
  const std::optional<SheetLayout> layout = layoutFor(parent, context, twipsPerPixel);
  if (!layout) return;
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageLayout(sheetPageLayout(defaultPaperName(), QPageLayout::Portrait));
  // The name a print to file offers: the song's.
  const SheetPrintSource source = sourceFor(*layout, context, images, twipsPerPixel);
  printer.setDocName(source.title.empty() ? text(QT_TRANSLATE_NOOP("tarveno::SheetPrint", "全体ビュー"))
                                          : QString::fromStdString(source.title));
  if (!context.prompts.print(parent, printer)) return;
  if (printer.outputFormat() == QPrinter::NativeFormat && printer.printerName().isEmpty()) {
    context.prompts.error(parent, text(QT_TRANSLATE_NOOP("tarveno::SheetPrint",
                                                         "プリンタが見つかりません。印刷の設定を確かめてください。")));
    return;
  }
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  const Status printed = paintSheetPages(printer, source);
  QGuiApplication::restoreOverrideCursor();
  if (!printed) {
    context.prompts.error(
        parent,
        text(QT_TRANSLATE_NOOP("tarveno::SheetPrint", "印刷できませんでした。\n%1")).arg(describe(printed.error())));
  }
}

bool exportSheetPdf(QWidget* parent, AppContext& context, const SheetImages& images, double twipsPerPixel,
                    Prompts::FileChoice& last) {
  const std::optional<SheetLayout> layout = layoutFor(parent, context, twipsPerPixel);
  if (!layout) return false;
  Prompts::FileDialog dialog;
  dialog.filter = text(kSheetPdfFilter);
  dialog.initialPath = last.path;
  dialog.title = text(QT_TRANSLATE_NOOP("tarveno::SheetPrint", "PDF出力"));
  const std::optional<Prompts::FileChoice> choice = context.prompts.saveFile(parent, dialog);
  if (!choice) return false;
  last = *choice;
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  const Status saved =
      saveSheetPdf(sourceFor(*layout, context, images, twipsPerPixel),
                   std::filesystem::path(choice->path.toStdString()), defaultPaperName(), PaperTurn::Fewest);
  QGuiApplication::restoreOverrideCursor();
  if (!saved) {
    context.prompts.error(parent, saved.error().message);
    return false;
  }
  return true;
}

}  // namespace tarveno
