#pragma once

#include <QByteArray>
#include <QImage>
#include <cstdint>
#include <filesystem>
#include <optional>

#include "core/result.h"
#include "render/png_writer.h"

namespace tarveno {

enum class ImageType { Png, Jpeg, Bmp };

struct ImageExportOptions {
  ImageType type = ImageType::Png;
  PngOption png = PngOption::Standard;
  int jpegQuality = 95;  // 1..100
  bool progressive = false;
};

// The type a file name's extension stands for (.png, .jpg/.jpeg, .bmp, any case), for callers
// without a type list to choose from.
std::optional<ImageType> imageTypeFromName(const std::filesystem::path& path);

// The complete file content. PNG: the program's own writer (see encodePng). JPEG: baseline or
// truly progressive.
Result<QByteArray> encodeImage(const QImage& image, const ImageExportOptions& options);

// Writes the image to `path` as the options say. The file is written beside the target under
// a temporary name and then renamed over it, so a failure leaves the previous file as it was;
// a symbolic link keeps pointing at its (rewritten) target; an existing file the user may not
// write is refused. The error message names the file.
Status saveImage(const QImage& image, const std::filesystem::path& path, const ImageExportOptions& options);

}  // namespace tarveno
