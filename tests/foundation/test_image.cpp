#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <fstream>

#include "foundation/image.h"
#include "support/testdir.h"

using image::TImageFormat;

namespace {

// 6 x 4 test picture: left half red, right half blue, the top row green, and one pixel
// half transparent where the format keeps alpha.
QImage Sample(bool withAlpha) {
  QImage img(6, 4, withAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x)
      img.setPixel(x, y, y == 0 ? qRgb(0, 200, 0) : x < 3 ? qRgb(220, 0, 0) : qRgb(0, 0, 220));
  if (withAlpha) img.setPixel(5, 3, qRgba(0, 0, 220, 128));
  return img;
}

std::string Encoded(const QImage& img, const char* format, int quality = -1) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  EXPECT_TRUE(img.save(&buffer, format, quality)) << format;
  return bytes.toStdString();
}

void Put16(std::string& b, int v) { b += char(v & 0xFF), b += char(v >> 8 & 0xFF); }
void Put32(std::string& b, uint32_t v) {
  for (int i = 0; i < 4; ++i) b += char(v >> (8 * i) & 0xFF);
}

// A Windows bitmap of the sample, written by hand: 8 bits (palette), 24 or 32 bits, rows
// bottom-up or top-down; 32 bits with bit fields and a V4 header carry alpha.
std::string Bmp(int bits, bool topDown, bool bitFields = false) {
  const QImage img = Sample(bitFields);
  const int w = img.width(), h = img.height();
  const int infoSize = bitFields ? 108 : 40;
  const int paletteSize = bits == 8 ? 4 * 3 : 0;
  const int stride = (w * bits + 31) / 32 * 4;
  const int offset = 14 + infoSize + paletteSize;
  std::string b = "BM";
  Put32(b, uint32_t(offset + stride * h));
  Put32(b, 0);
  Put32(b, uint32_t(offset));
  Put32(b, uint32_t(infoSize));
  Put32(b, uint32_t(w));
  Put32(b, uint32_t(topDown ? -h : h));
  Put16(b, 1);
  Put16(b, bits);
  Put32(b, bitFields ? 3 : 0);
  Put32(b, uint32_t(stride * h));
  Put32(b, 2835), Put32(b, 2835);
  Put32(b, bits == 8 ? 3 : 0), Put32(b, 0);
  if (bitFields) {
    Put32(b, 0x00FF0000), Put32(b, 0x0000FF00), Put32(b, 0x000000FF), Put32(b, 0xFF000000);
    b.append(size_t(infoSize - 56), '\0');
  }
  const QRgb palette[3] = {qRgb(0, 200, 0), qRgb(220, 0, 0), qRgb(0, 0, 220)};
  for (int i = 0; i < paletteSize / 4; ++i)
    b += char(qBlue(palette[i])), b += char(qGreen(palette[i])), b += char(qRed(palette[i])),
        b += '\0';
  for (int r = 0; r < h; ++r) {
    const int y = topDown ? r : h - 1 - r;
    std::string row;
    for (int x = 0; x < w; ++x) {
      const QRgb p = img.pixel(x, y);
      if (bits == 8) {
        row += char(std::find(palette, palette + 3, p | 0xFF000000) - palette);
        continue;
      }
      row += char(qBlue(p)), row += char(qGreen(p)), row += char(qRed(p));
      if (bits == 32) row += char(qAlpha(p));
    }
    row.resize(size_t(stride), '\0');
    b += row;
  }
  return b;
}

// Colours of lossy JPEG come back close, not equal.
void ExpectNear(QRgb got, QRgb want, int tolerance, const char* where) {
  EXPECT_NEAR(qRed(got), qRed(want), tolerance) << where;
  EXPECT_NEAR(qGreen(got), qGreen(want), tolerance) << where;
  EXPECT_NEAR(qBlue(got), qBlue(want), tolerance) << where;
}

// scale: the sample enlarged by that factor, as the lossy JPEG needs whole 16-pixel blocks
// of one colour to give the colours back.
void ExpectSample(const QImage& img, bool alpha, int tolerance, int scale = 1) {
  ASSERT_FALSE(img.isNull());
  ASSERT_EQ(img.size(), QSize(6, 4) * scale);
  const auto at = [&](int x, int y) {
    return img.pixel(x * scale + scale / 2, y * scale + scale / 2);
  };
  ExpectNear(at(0, 0), qRgb(0, 200, 0), tolerance, "top row");
  ExpectNear(at(1, 3), qRgb(220, 0, 0), tolerance, "bottom left");
  ExpectNear(at(4, 2), qRgb(0, 0, 220), tolerance, "right");
  EXPECT_EQ(qAlpha(at(5, 3)), alpha ? 128 : 255);
}

std::string Jpeg(int quality) { return Encoded(Sample(false).scaled(96, 64), "JPG", quality); }

}  // namespace

TEST(Image, DecodesEachFormat) {
  ExpectSample(image::Decode(Encoded(Sample(true), "PNG")), true, 0);
  ExpectSample(image::Decode(Encoded(Sample(false), "PNG")), false, 0);
  ExpectSample(image::Decode(Jpeg(100)), false, 30, 16);
  ExpectSample(image::Decode(Bmp(8, false)), false, 0);
  ExpectSample(image::Decode(Bmp(24, false)), false, 0);
  ExpectSample(image::Decode(Bmp(24, true)), false, 0);
  ExpectSample(image::Decode(Bmp(32, false)), false, 0);
  ExpectSample(image::Decode(Bmp(32, true, true)), true, 0);
}

TEST(Image, FormatByContentNotByName) {
  TTestDir dir;
  const std::string jpeg = Jpeg(90);
  EXPECT_EQ(image::FormatOf(jpeg), TImageFormat::Jpeg);
  EXPECT_EQ(image::FormatOf(Encoded(Sample(false), "PNG")), TImageFormat::Png);
  EXPECT_EQ(image::FormatOf(Bmp(24, false)), TImageFormat::Bmp);
  EXPECT_EQ(image::FormatOf("GIF89a"), TImageFormat::Unknown);
  EXPECT_EQ(image::FormatOf(""), TImageFormat::Unknown);

  // The Christmas picture is a JPEG called "b1.tmp"; a PNG may carry ".bmp".
  std::ofstream(dir.File("b1.tmp"), std::ios::binary) << jpeg;
  std::ofstream(dir.File("title.bmp"), std::ios::binary) << Encoded(Sample(true), "PNG");
  ExpectSample(image::LoadImageFile(dir.File("b1.tmp")), false, 30, 16);
  ExpectSample(image::LoadImageFile(dir.File("title.bmp")), true, 0);
  EXPECT_TRUE(image::LoadImageFile(dir.File("missing.jpg")).isNull());
  std::ofstream(dir.File("empty.png"), std::ios::binary);
  EXPECT_TRUE(image::LoadImageFile(dir.File("empty.png")).isNull());
}

TEST(Image, EveryTruncationGivesANullImage) {
  const std::string files[] = {Encoded(Sample(true), "PNG"), Jpeg(90), Bmp(8, false), Bmp(24, true),
                               Bmp(32, true, true)};
  for (const std::string& file : files) {
    ASSERT_FALSE(image::Decode(file).isNull());
    // A PNG whose picture data is complete may lack its closing chunk and still show.
    const size_t iend = file.find("IEND");
    const size_t complete = iend == std::string::npos ? file.size() : iend - 4;
    for (size_t n = 0; n < complete; ++n)
      EXPECT_TRUE(image::Decode(file.substr(0, n)).isNull())
          << int(image::FormatOf(file)) << " cut at " << n << " of " << file.size();
  }
}

TEST(Image, DamagedContentGivesANullImage) {
  // Flipped bytes inside the compressed PNG data break its checksum.
  std::string png = Encoded(Sample(true), "PNG");
  const size_t idat = png.find("IDAT");
  ASSERT_NE(idat, std::string::npos);
  png[idat + 6] = char(png[idat + 6] ^ 0x5A);
  EXPECT_TRUE(image::Decode(png).isNull());

  // A JPEG whose frame header is garbage.
  std::string jpeg = Jpeg(90);
  const size_t sof = jpeg.find("\xFF\xC0", 2);
  ASSERT_NE(sof, std::string::npos);
  for (size_t i = sof + 2; i < sof + 12; ++i) jpeg[i] = '\xFF';
  EXPECT_TRUE(image::Decode(jpeg).isNull());
  std::string noFrame("\xFF\xD8\xFF", 3);
  noFrame.append(500, 'x');
  EXPECT_TRUE(image::Decode(noFrame).isNull());

  // Bitmaps with headers that do not fit their data or are not uncompressed 8/24/32 bits.
  const auto patched = [](std::string b, size_t at, uint32_t v) {
    std::string field;
    Put32(field, v);
    return b.replace(at, 4, field);
  };
  const std::string bmp = Bmp(24, false);
  EXPECT_TRUE(image::Decode(patched(bmp, 18, 100000)).isNull());      // width far beyond data
  EXPECT_TRUE(image::Decode(patched(bmp, 22, 0x80000000)).isNull());  // height INT_MIN
  EXPECT_TRUE(image::Decode(patched(bmp, 18, 0)).isNull());
  EXPECT_TRUE(image::Decode(patched(bmp, 10, 0xFFFFFFF0)).isNull());  // pixels beyond the file
  EXPECT_TRUE(image::Decode(patched(bmp, 14, 0xFFFFFFF0)).isNull());  // header beyond the file
  EXPECT_TRUE(image::Decode(patched(bmp, 30, 1)).isNull());           // run-length compressed
  std::string fourBit = bmp;
  fourBit[28] = 4;
  EXPECT_TRUE(image::Decode(fourBit).isNull());
  std::string huge = patched(patched(bmp, 18, 40000), 22, 40000);
  EXPECT_TRUE(image::Decode(huge).isNull());  // refused before anything is allocated
}
