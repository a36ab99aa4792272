#pragma once

#include <QByteArray>
#include <QImage>
#include <cstdint>
#include <filesystem>
#include <optional>

#include "core/result.h"

namespace tarveno {

enum class ImageType { Png, Jpeg, Bmp };

// The PNG options of the export dialog, by their position in it.
enum class PngOption : uint8_t { Standard = 0, Speed = 1, Smallest = 2 };

struct ImageExportOptions {
  ImageType type = ImageType::Png;
  PngOption png = PngOption::Standard;
  int jpegQuality = 95;  // 1..100
  bool progressive = false;
};

// The type a file name's extension stands for (.png, .jpg/.jpeg, .bmp, any case), for callers
// without a type list to choose from.
std::optional<ImageType> imageTypeFromName(const std::filesystem::path& path);

// The complete file content. PNG: Standard a middle deflate level, Speed the fastest level,
// Smallest the strongest level and, when the picture has at most 256 colours, an exact palette
// (the same pixels in a third of the data). JPEG: baseline or truly progressive.
Result<QByteArray> encodeImage(const QImage& image, const ImageExportOptions& options);

// Writes the image to `path` as the options say. The file is written beside the target under
// a temporary name and then renamed over it, so a failure leaves the previous file as it was;
// a symbolic link keeps pointing at its (rewritten) target; an existing file the user may not
// write is refused. The error message names the file.
Status saveImage(const QImage& image, const std::filesystem::path& path, const ImageExportOptions& options);

}  // namespace tarveno
