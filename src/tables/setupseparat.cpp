#include "tables/setupseparat.h"

#include <algorithm>
#include <cstdio>

namespace setupseparat {
namespace {
uint8_t gLanguage = kGerman;

std::string Formatted(int intDigits, int decDigits, double v) {
  intDigits = std::clamp(intDigits, 0, 30);
  decDigits = std::clamp(decDigits, 0, 30);
  int width = intDigits + (decDigits > 0 ? decDigits + 1 : 0);
  char buf[128];
  std::snprintf(buf, sizeof buf, "%*.*f", width, decDigits, v);
  return buf;
}
}  // namespace

uint8_t Language() { return gLanguage; }
void SetLanguage(uint8_t flag) { gLanguage = flag; }

std::string LangText(std::string_view german, std::string_view english) {
  return std::string(gLanguage == kGerman ? german : english);
}

bool CompareFormatted(int intDigits, int decDigits, char op, double a, double b) {
  std::string sa = Formatted(intDigits, decDigits, a);
  std::string sb = Formatted(intDigits, decDigits, b);
  switch (op) {
    case '=': return sa == sb;
    case '!': return sa != sb;
    case '<': return sa < sb;
    case '>': return sa > sb;
    default: return false;
  }
}

}  // namespace setupseparat
