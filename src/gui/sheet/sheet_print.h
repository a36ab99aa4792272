#pragma once

#include "gui/app/prompts.h"

class QWidget;

namespace tarveno {

struct AppContext;
class SheetImages;

// The save dialog's one type, shown through the translation of this context.
inline constexpr const char* kSheetPrintContext = "tarveno::SheetPrint";
inline constexpr const char* kSheetPdfFilter = QT_TRANSLATE_NOOP("tarveno::SheetPrint", "PDFファイル(*.pdf)|*.pdf");

// M_PrintOut: the print dialog on the locale's paper, then the paged sheet on the printer the
// user chose (which may be a PDF file). Cancelling ends silently; no printer or a failed print
// is told in Japanese. twipsPerPixel is the screen's, as for the window's sheet.
void printSheet(QWidget* parent, AppContext& context, const SheetImages& images, double twipsPerPixel);

// PDFに出力: asks for a file ("PDF出力") and writes the same pages on the locale's paper,
// turned whichever way needs fewer pages. `last` is the name chosen last, offered again and
// updated. True when a file was written.
bool exportSheetPdf(QWidget* parent, AppContext& context, const SheetImages& images, double twipsPerPixel,
                    Prompts::FileChoice& last);

}  // namespace tarveno
