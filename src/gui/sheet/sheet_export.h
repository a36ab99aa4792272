#pragma once

#include <QImage>

#include "gui/app/prompts.h"

class QWidget;

namespace tarveno {

// The save dialog's types, in this order: 1 PNG, 2 JPEG, 3 bitmap. Shown through the
// translation of this context, as the type names are words.
inline constexpr const char* kSheetExportContext = "tarveno::SheetExport";
inline constexpr const char* kSheetImageFilter = QT_TRANSLATE_NOOP(
    "tarveno::SheetExport", "PNG(*.png)|*.png|JPEG(*.jpg; *.jpeg)|*.jpg;*.jpeg|ビットマップ(*.bmp)|*.bmp");

// ExportSheetImage (M_ImageOut): asks for a file ("画像出力"), then by the chosen type (not the
// typed extension) asks the PNG or JPEG options and writes the whole sheet. `last` is the name
// and type chosen last, offered again and updated. A cancelled dialog ends silently; a failed
// write is reported in a message box naming the file. True when a file was written.
bool exportSheetImage(QWidget* parent, Prompts& prompts, const QImage& sheet, Prompts::FileChoice& last);

}  // namespace tarveno
