// PNG through libpng's simplified reader, which catches the library's errors itself
// (its own setjmp) and reports them as a zero result.
#include <png.h>

#include <QImage>
#include <cstring>

#include "foundation/image.h"

namespace image {

QImage DecodePng(std::string_view bytes) {
  png_image png;
  std::memset(&png, 0, sizeof png);
  png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&png, bytes.data(), bytes.size())) return QImage();
  if (png.width == 0 || png.height == 0 ||
      (long long)png.width * (long long)png.height > kMaxPixels) {
    png_image_free(&png);
    return QImage();
  }
  png.format = PNG_FORMAT_RGBA;
  QImage out(int(png.width), int(png.height), QImage::Format_RGBA8888);
  if (out.isNull()) {
    png_image_free(&png);
    return QImage();
  }
  // A truncated or corrupt stream fails here; the half-filled picture is thrown away.
  if (!png_image_finish_read(&png, nullptr, out.bits(), out.bytesPerLine(), nullptr)) {
    png_image_free(&png);
    return QImage();
  }
  return out.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace image
