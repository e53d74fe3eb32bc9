#include "reference/reftext.h"

#include <cstdio>
#include <cstdlib>

namespace reftext {

std::string Trim(std::string_view text) {
  size_t b = 0, e = text.size();
  while (b < e && static_cast<unsigned char>(text[b]) <= ' ') ++b;
  while (e > b && static_cast<unsigned char>(text[e - 1]) <= ' ') --e;
  return std::string(text.substr(b, e - b));
}

char UpperChar(char c) {
  auto u = static_cast<unsigned char>(c);
  if (u >= 'a' && u <= 'z') return char(u - 32);
  if (u >= 0xE0 && u <= 0xFE && u != 0xF7) return char(u - 32);
  switch (u) {
    case 0x9A: return char(0x8A);  // š
    case 0x9C: return char(0x8C);  // œ
    case 0x9E: return char(0x8E);  // ž
    case 0xFF: return char(0x9F);  // ÿ
    default: return c;
  }
}

std::string Upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = UpperChar(c);
  return out;
}

std::string FloatToText(double value) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.15g", value);
  return buf;
}

double ReadDecimal(std::string_view text) {
  std::string t = Trim(text);
  if (t.empty()) return 0;
  for (char& c : t) {
    if (c == ',')
      c = '.';
    else if (!IsDigit(c) && c != '.' && c != '-' && c != '+')
      return 0;
  }
  char* end = nullptr;
  double v = std::strtod(t.c_str(), &end);
  return (end && *end == '\0') ? v : 0;
}

bool EqualAt5Decimals(double a, double b) {
  char x[64], y[64];
  std::snprintf(x, sizeof x, "%.5f", a);
  std::snprintf(y, sizeof y, "%.5f", b);
  return std::string_view(x) == std::string_view(y);
}

}  // namespace reftext
