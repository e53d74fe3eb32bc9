#include "foundation/image.h"

#include <QImage>
#include <fstream>
#include <iterator>

#include "foundation/cp1252.h"

namespace image {

TImageFormat FormatOf(std::string_view bytes) {
  if (bytes.substr(0, 8) == std::string_view("\x89PNG\r\n\x1a\n", 8)) return TImageFormat::Png;
  if (bytes.substr(0, 3) == std::string_view("\xFF\xD8\xFF", 3)) return TImageFormat::Jpeg;
  if (bytes.substr(0, 2) == "BM") return TImageFormat::Bmp;
  return TImageFormat::Unknown;
}

QImage Decode(std::string_view bytes) {
  switch (FormatOf(bytes)) {
    case TImageFormat::Png: return DecodePng(bytes);
    case TImageFormat::Jpeg: return DecodeJpeg(bytes);
    case TImageFormat::Bmp: return DecodeBmp(bytes);
    default: return QImage();
  }
}

QImage LoadImageFile(const std::string& path) {
  std::ifstream in(cp1252::ToLocalPath(path), std::ios::binary);
  if (!in) return QImage();
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return Decode(bytes);
}

}  // namespace image
