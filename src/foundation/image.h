#pragma once
// Pictures of the program (button glyphs, contest title bitmaps, the Christmas and Easter
// backgrounds) decoded by our own code into QImage. A missing, empty or damaged file gives
// a null image, never a crash.

#include <string>
#include <string_view>

class QImage;

namespace image {

enum class TImageFormat { Unknown, Png, Jpeg, Bmp };

// By the first bytes of the content: the backgrounds are JPEGs named "b1.tmp" and
// "o1.tmp", so the file name says nothing.
TImageFormat FormatOf(std::string_view bytes);

QImage Decode(std::string_view bytes);
QImage DecodePng(std::string_view bytes);
QImage DecodeJpeg(std::string_view bytes);
// Uncompressed Windows bitmaps of 8 (palette), 24 and 32 bits per pixel.
QImage DecodeBmp(std::string_view bytes);

// path: Windows-1252 text as the settings and records hold it.
QImage LoadImageFile(const std::string& path);

// Pictures larger than this many pixels are refused rather than allocated.
constexpr long long kMaxPixels = 64LL * 1024 * 1024;

}  // namespace image
