#include "render/image_export.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageWriter>
#include <algorithm>

#include "core/io/files.h"

namespace tarveno {

namespace {

std::string lowerExtension(const std::filesystem::path& path) {
  std::string ext = path.extension().string();
  for (char& c : ext) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return ext;
}

std::string words(const char* text) {
  return QCoreApplication::translate("ImageExport", text).toStdString();
}

Error saveError(const std::filesystem::path& path, const std::string& reason) {
  const QString name = QString::fromStdString(displayName(path));
  const QString text =
      reason.empty() ? QCoreApplication::translate("ImageExport", "画像ファイルを保存できませんでした: %1").arg(name)
                     : QCoreApplication::translate("ImageExport", "画像ファイルを保存できませんでした: %1\n%2")
                           .arg(name, QString::fromStdString(reason));
  return Error{ErrorCode::FileWrite, text.toStdString()};
}

}  // namespace

std::optional<ImageType> imageTypeFromName(const std::filesystem::path& path) {
  const std::string ext = lowerExtension(path);
  if (ext == ".png") return ImageType::Png;
  if (ext == ".jpg" || ext == ".jpeg") return ImageType::Jpeg;
  if (ext == ".bmp") return ImageType::Bmp;
  return std::nullopt;
}

Result<QByteArray> encodeImage(const QImage& image, const ImageExportOptions& options) {
  if (options.type == ImageType::Png) return encodePng(image, options.png);
  QByteArray bytes;
  QBuffer device(&bytes);
  device.open(QIODevice::WriteOnly);
  const char* format = "bmp";
  QImageWriter writer;
  if (options.type == ImageType::Jpeg) {
    format = "jpeg";
    writer.setQuality(std::clamp(options.jpegQuality, 1, 100));
    writer.setProgressiveScanWrite(options.progressive);
  }
  writer.setDevice(&device);
  writer.setFormat(format);
  if (!writer.write(image)) {
    return Error{ErrorCode::FileWrite, QCoreApplication::translate("ImageExport", "画像を作れませんでした（%1）")
                                           .arg(writer.errorString())
                                           .toStdString()};
  }
  return bytes;
}

Status saveImage(const QImage& image, const std::filesystem::path& path, const ImageExportOptions& options) {
  if (image.isNull()) return saveError(path, words(QT_TRANSLATE_NOOP("ImageExport", "保存する画像がありません。")));
  Result<QByteArray> bytes = encodeImage(image, options);
  if (!bytes) return saveError(path, bytes.error().message);
  // The chart writer's own: links followed, folders and read-only files refused, the old file
  // kept until the new one is complete. Its message already names the file.
  return writeFileAtomically(path, std::string_view(bytes->constData(), static_cast<size_t>(bytes->size())));
}

}  // namespace tarveno
