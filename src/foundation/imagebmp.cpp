// Windows bitmaps as the contest title pictures come: uncompressed, 8 bits with a palette,
// 24 or 32 bits per pixel, rows bottom-up (positive height) or top-down (negative).
#include <QImage>
#include <cstdint>

#include "foundation/image.h"

namespace image {
namespace {

uint32_t U32(std::string_view b, size_t at) {
  return uint32_t(uint8_t(b[at])) | uint32_t(uint8_t(b[at + 1])) << 8 |
         uint32_t(uint8_t(b[at + 2])) << 16 | uint32_t(uint8_t(b[at + 3])) << 24;
}
uint16_t U16(std::string_view b, size_t at) {
  return uint16_t(uint8_t(b[at]) | uint8_t(b[at + 1]) << 8);
}

constexpr uint32_t kRgb = 0, kBitFields = 3;

}  // namespace

QImage DecodeBmp(std::string_view b) {
  // File header (14 bytes) and at least the 40-byte info header.
  if (b.size() < 54 || b.substr(0, 2) != "BM") return QImage();
  const uint32_t pixelOffset = U32(b, 10);
  const uint32_t infoSize = U32(b, 14);
  if (infoSize < 40 || 14ull + infoSize > b.size()) return QImage();
  const int32_t width = int32_t(U32(b, 18));
  const int32_t rawHeight = int32_t(U32(b, 22));
  const uint16_t planes = U16(b, 26), bits = U16(b, 28);
  const uint32_t compression = U32(b, 30);
  uint32_t colours = U32(b, 46);
  if (planes != 1 || width <= 0 || rawHeight == 0 || rawHeight == INT32_MIN) return QImage();
  const bool topDown = rawHeight < 0;
  const int32_t height = topDown ? -rawHeight : rawHeight;
  if ((long long)width * height > kMaxPixels) return QImage();
  if (bits != 8 && bits != 24 && bits != 32) return QImage();
  if (!(compression == kRgb || (compression == kBitFields && bits == 32))) return QImage();

  // 32-bit pixels are B, G, R and either padding or, with bit fields, the masks given.
  bool alpha = false;
  if (compression == kBitFields) {
    // The masks follow a 40-byte header; larger headers hold them at the same place.
    if (b.size() < 14 + 40 + 12) return QImage();
    const uint32_t red = U32(b, 54), green = U32(b, 58), blue = U32(b, 62);
    if (red != 0x00FF0000 || green != 0x0000FF00 || blue != 0x000000FF) return QImage();
    alpha = infoSize >= 56 && U32(b, 66) == 0xFF000000;
  }

  QRgb palette[256] = {};
  if (bits == 8) {
    if (colours == 0 || colours > 256) colours = 256;
    const size_t at = 14 + infoSize;
    if (at + 4ull * colours > b.size()) return QImage();
    for (uint32_t i = 0; i < colours; ++i)
      palette[i] =
          qRgb(uint8_t(b[at + 4 * i + 2]), uint8_t(b[at + 4 * i + 1]), uint8_t(b[at + 4 * i]));
  }

  const unsigned long long stride = ((unsigned long long)width * bits + 31) / 32 * 4;
  if (pixelOffset > b.size() || stride * height > b.size() - pixelOffset) return QImage();

  QImage out(width, height, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  if (out.isNull()) return QImage();
  for (int32_t y = 0; y < height; ++y) {
    const char* row = b.data() + pixelOffset + stride * uint64_t(topDown ? y : height - 1 - y);
    QRgb* dest = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int32_t x = 0; x < width; ++x) {
      switch (bits) {
        case 8: dest[x] = palette[uint8_t(row[x])]; break;
        case 24:
          dest[x] = qRgb(uint8_t(row[3 * x + 2]), uint8_t(row[3 * x + 1]), uint8_t(row[3 * x]));
          break;
        default: {
          const char* p = row + 4 * x;
          dest[x] = qRgba(uint8_t(p[2]), uint8_t(p[1]), uint8_t(p[0]), alpha ? uint8_t(p[3]) : 255);
        }
      }
    }
  }
  return out;
}

}  // namespace image
