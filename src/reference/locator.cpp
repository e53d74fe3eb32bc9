#include "reference/locator.h"

#include <cmath>
#include <string>

#include "foundation/strings.h"

ToLocator* oLocator = nullptr;

namespace {
constexpr long double kHalfPi = 1.5707963267948966L;
constexpr long double kRadPerDeg = 0.017453292519943295L;
constexpr long double kKmPerDeg = 111.12L;
constexpr long double kPi = 3.141592653589793L;

bool InRange(char c, char lo, char hi) { return c >= lo && c <= hi; }

long double Clamp1(long double x) { return x > 1 ? 1 : (x < -1 ? -1 : x); }
}  // namespace

bool ToLocator::IsValidLocator(std::string_view loc) const {
  static constexpr char kLow[6] = {'A', 'A', '0', '0', 'A', 'A'};
  static constexpr char kHigh[6] = {'R', 'R', '9', '9', 'X', 'X'};
  for (size_t i = 0; i < loc.size() && i < 6; ++i) {
    if (!InRange(loc[i], kLow[i], kHigh[i])) return false;
  }
  return true;
}

bool ToLocator::Coordinates(std::string_view locator, double& latitude, double& longitude) const {
  latitude = longitude = 0;
  if (locator.size() < 2 || locator.size() > 6) return false;
  static const char* const kCompletion[] = {"44XX", "4MX", "MM", "M", ""};
  std::string l = ToStrings::AnsiUpperCase(locator) + kCompletion[locator.size() - 2];
  if (!IsValidLocator(l)) return false;

  int degrees = (l[0] - 'A') * 20 + 180;
  if (degrees >= 360) degrees -= 360;
  degrees += (l[2] - '0') * 2;
  int minutes = (l[4] - 'A') * 5 + 2;
  const int seconds = 30;
  if (minutes > 60) {
    minutes -= 60;
    degrees += 1;
  }
  longitude = degrees + minutes / 60.0 + seconds / 3600.0;

  int latDegrees = (l[1] - 'A') * 10 - 90 + (l[3] - '0');
  double latMinutes = (l[5] - 'A') * 2.5 + 1.25;
  int wholeMinutes = int(latMinutes);
  int wholeSeconds = int((latMinutes - wholeMinutes) * 60);
  latitude = latDegrees + wholeMinutes / 60.0 + wholeSeconds / 3600.0;
  return true;
}

bool ToLocator::DistanceAndBearing(std::string_view locator1, std::string_view locator2,
                                   double& bearing, double& distance) const {
  bearing = distance = 0;
  double lat1d, lon1d, lat2d, lon2d;
  if (!Coordinates(locator1, lat1d, lon1d) || !Coordinates(locator2, lat2d, lon2d)) return false;
  const long double lat1 = lat1d * kRadPerDeg, lon1 = lon1d * kRadPerDeg;
  const long double lat2 = lat2d * kRadPerDeg, lon2 = lon2d * kRadPerDeg;

  const long double x = Clamp1(std::sin(lat1) * std::sin(lat2) +
                               std::cos(lat1) * std::cos(lat2) * std::cos(lon2 - lon1));
  const long double root = std::sqrt(1 - x * x);
  long double a;
  if (root == 0)
    a = x < 0 ? kPi : 0;
  else
    a = kHalfPi - std::atan(x / root);
  const long double km = kKmPerDeg * a * 180 / kPi;
  distance = double(km);
  if (km > 0 && km < 20000) {
    const long double denom = std::cos(lat1) * std::sin(a);
    if (denom == 0) return false;
    const long double y = Clamp1((std::sin(lat2) - std::sin(lat1) * std::cos(a)) / denom);
    long double deg = std::acos(y) * 180 / kPi;
    if (std::sin(lon2 - lon1) < 0) deg = 360 - deg;
    bearing = double(deg);
  }
  return true;
}
