#include "reference/ctyfile.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "foundation/strings.h"

namespace ctyfile {
namespace {

std::vector<std::string_view> Split(std::string_view s, char sep) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  for (size_t i = 0; i <= s.size(); ++i) {
    if (i == s.size() || s[i] == sep) {
      parts.push_back(s.substr(start, i - start));
      start = i + 1;
    }
  }
  return parts;
}

// The text between open and close in the token; empty when there is none.
std::string Between(std::string_view token, char open, char close) {
  const size_t a = token.find(open);
  if (a == std::string_view::npos) return {};
  const size_t b = token.find(close, a + 1);
  if (b == std::string_view::npos) return {};
  return std::string(token.substr(a + 1, b - a - 1));
}

TCtyPrefix ParsePrefix(std::string_view token) {
  TCtyPrefix p;
  p.ExactCall = !token.empty() && token.front() == '=';
  if (p.ExactCall) token.remove_prefix(1);
  // The call or prefix ends where the first override mark begins.
  const size_t end = token.find_first_of("([<{~");
  p.Text = ToStrings::AnsiUpperCase(token.substr(0, end));
  if (end != std::string_view::npos) {
    const std::string_view marks = token.substr(end);
    p.Waz = Between(marks, '(', ')');
    p.Itu = Between(marks, '[', ']');
    p.Continent = Between(marks, '{', '}');
  }
  return p;
}

}  // namespace

bool ParseLine(std::string_view line, TCtyEntity& e) {
  const std::vector<std::string_view> f = Split(line, ',');
  if (f.size() != 10) return false;
  e = TCtyEntity{};
  std::string prefix = ToStrings::Trim(f[0]);
  e.DxccEntity = prefix.empty() || prefix.front() != '*';
  if (!e.DxccEntity) prefix.erase(0, 1);
  e.Prefix = ToStrings::AnsiUpperCase(prefix);
  e.Name = ToStrings::Trim(f[1]);
  const std::string number = ToStrings::Trim(f[2]);
  char* end = nullptr;
  e.AdifNr = int(std::strtol(number.c_str(), &end, 10));
  if (number.empty() || *end || e.AdifNr <= 0) return false;
  e.Continent = ToStrings::Trim(f[3]);
  e.Waz = ToStrings::Trim(f[4]);
  e.Itu = ToStrings::Trim(f[5]);
  e.Latitude = std::atof(ToStrings::Trim(f[6]).c_str());
  e.LongitudeWest = std::atof(ToStrings::Trim(f[7]).c_str());
  std::string list = ToStrings::Trim(f[9]);
  if (!list.empty() && list.back() == ';') list.pop_back();
  for (std::string_view token : Split(list, ' ')) {
    if (token.empty()) continue;
    TCtyPrefix p = ParsePrefix(token);
    if (!p.Text.empty()) e.Prefixes.push_back(std::move(p));
  }
  return true;
}

std::string LocatorOf(double latitude, double longitudeEast) {
  double lon = std::fmod(longitudeEast + 180.0, 360.0);
  if (lon < 0) lon += 360.0;
  double lat = std::clamp(latitude + 90.0, 0.0, 179.999999);
  const int lonField = int(lon / 20), latField = int(lat / 10);
  lon -= lonField * 20;
  lat -= latField * 10;
  const int lonSquare = int(lon / 2), latSquare = int(lat);
  lon -= lonSquare * 2;
  lat -= latSquare;
  const int lonSub = std::min(23, int(lon * 12)), latSub = std::min(23, int(lat * 24));
  return {char('A' + lonField),  char('A' + latField), char('0' + lonSquare),
          char('0' + latSquare), char('A' + lonSub),   char('A' + latSub)};
}

}  // namespace ctyfile
