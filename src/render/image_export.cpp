#include "render/image_export.h"

#include <QBuffer>
#include <QHash>
#include <QImageWriter>
#include <QList>
#include <algorithm>

#include "core/io/files.h"

namespace tarveno {

namespace {

// Qt's PNG writer takes its deflate level from the compression setting on a 0..100 scale
// (level = compression * 9 / 91): 15 is level 1, 65 level 6 (zlib's default), 100 level 9.
constexpr int kPngCompression[3] = {65, 15, 100};

std::string lowerExtension(const std::filesystem::path& path) {
  std::string ext = path.extension().string();
  for (char& c : ext) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return ext;
}

// The same pixels with a palette, or a null image when they have more than 256 colours.
QImage exactPalette(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  QList<QRgb> table;
  QHash<QRgb, uchar> index;
  QImage out(rgb.size(), QImage::Format_Indexed8);
  if (out.isNull()) return {};
  for (int y = 0; y < rgb.height(); ++y) {
    const QRgb* in = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    uchar* line = out.scanLine(y);
    QRgb last = ~in[0];
    uchar lastIndex = 0;
    for (int x = 0; x < rgb.width(); ++x) {
      const QRgb p = in[x] | 0xFF000000u;
      if (p != last) {
        auto found = index.constFind(p);
        if (found == index.constEnd()) {
          if (table.size() == 256) return {};
          found = index.insert(p, static_cast<uchar>(table.size()));
          table.push_back(p);
        }
        last = p;
        lastIndex = *found;
      }
      line[x] = lastIndex;
    }
  }
  out.setColorTable(table);
  out.setDotsPerMeterX(image.dotsPerMeterX());
  out.setDotsPerMeterY(image.dotsPerMeterY());
  return out;
}

Error saveError(const std::filesystem::path& path, const std::string& reason) {
  return Error{ErrorCode::FileWrite, "画像ファイルを保存できませんでした: " + displayName(path) +
                                         (reason.empty() ? std::string() : "\n" + reason)};
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
  QByteArray bytes;
  QBuffer device(&bytes);
  device.open(QIODevice::WriteOnly);
  QImage picture = image;
  const char* format = "png";
  QImageWriter writer;
  switch (options.type) {
    case ImageType::Png: {
      const auto option = static_cast<size_t>(options.png);
      writer.setCompression(kPngCompression[option < 3 ? option : 0]);
      if (options.png == PngOption::Smallest) {
        if (QImage indexed = exactPalette(image); !indexed.isNull()) picture = indexed;
      }
      break;
    }
    case ImageType::Jpeg:
      format = "jpeg";
      writer.setQuality(std::clamp(options.jpegQuality, 1, 100));
      writer.setProgressiveScanWrite(options.progressive);
      break;
    case ImageType::Bmp:
      format = "bmp";
      break;
  }
  writer.setDevice(&device);
  writer.setFormat(format);
  if (!writer.write(picture)) {
    return Error{ErrorCode::FileWrite, "画像を作れませんでした（" + writer.errorString().toStdString() + "）"};
  }
  return bytes;
}

Status saveImage(const QImage& image, const std::filesystem::path& path, const ImageExportOptions& options) {
  if (image.isNull()) return saveError(path, "保存する画像がありません。");
  Result<QByteArray> bytes = encodeImage(image, options);
  if (!bytes) return saveError(path, bytes.error().message);
  // The chart writer's own: links followed, folders and read-only files refused, the old file
  // kept until the new one is complete. Its message already names the file.
  return writeFileAtomically(path, std::string_view(bytes->constData(), static_cast<size_t>(bytes->size())));
}

}  // namespace tarveno
