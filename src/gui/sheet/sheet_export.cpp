#include "gui/sheet/sheet_export.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <filesystem>

#include "gui/sheet/save_options_dialogs.h"
#include "render/image_export.h"

namespace tarveno {

bool exportSheetImage(QWidget* parent, Prompts& prompts, const QImage& sheet, Prompts::FileChoice& last) {
  Prompts::FileDialog dialog;
  dialog.filter = QCoreApplication::translate(kSheetExportContext, kSheetImageFilter);
  dialog.initialPath = last.path;
  dialog.initialFilterIndex = last.filterIndex;
  dialog.title =
      QCoreApplication::translate(kSheetExportContext, QT_TRANSLATE_NOOP("tarveno::SheetExport", "画像出力"));
  const std::optional<Prompts::FileChoice> choice = prompts.saveFile(parent, dialog);
  if (!choice) return false;
  last = *choice;

  ImageExportOptions options;
  switch (choice->filterIndex) {
    case 1: {
      SavePngDialog png(parent);
      if (png.exec() != QDialog::Accepted) return false;
      options.type = ImageType::Png;
      options.png = png.option();
      break;
    }
    case 2: {
      SaveJpegDialog jpeg(parent);
      if (jpeg.exec() != QDialog::Accepted) return false;
      options.type = ImageType::Jpeg;
      options.jpegQuality = jpeg.quality();
      options.progressive = jpeg.progressive();
      break;
    }
    case 3:
      options.type = ImageType::Bmp;
      break;
    default:
      return false;
  }
  const std::filesystem::path path(choice->path.toStdString());
  // The strongest PNG compression of a large sheet takes a moment.
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  const Status saved = saveImage(sheet, path, options);
  QGuiApplication::restoreOverrideCursor();
  if (!saved) {
    prompts.error(parent, saved.error().message);
    return false;
  }
  return true;
}

}  // namespace tarveno
