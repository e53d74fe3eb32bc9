#include "foundation/cp1252.h"

#include <array>

namespace cp1252 {
namespace {

// 0x80..0x9F; the undefined ones (0x81, 0x8D, 0x8F, 0x90, 0x9D) keep their own value.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

QChar ToUnicode(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return QChar(kHigh[byte - 0x80]);
  return QChar(char16_t(byte));
}

QString ToQString(std::string_view bytes) {
  QString out;
  out.reserve(qsizetype(bytes.size()));
  for (char c : bytes) out.append(ToUnicode(static_cast<unsigned char>(c)));
  return out;
}

std::string FromQString(const QString& text) {
  std::string out;
  out.reserve(size_t(text.size()));
  for (QChar ch : text) {
    char16_t u = ch.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
      out.push_back(char(u));
      continue;
    }
    char found = '?';
    for (size_t i = 0; i < kHigh.size(); ++i) {
      if (kHigh[i] == u) {
        found = char(0x80 + i);
        break;
      }
    }
    out.push_back(found);
  }
  return out;
}

std::string ToLocalPath(std::string_view bytes) { return ToQString(bytes).toUtf8().toStdString(); }

}  // namespace cp1252
