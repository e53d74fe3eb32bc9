#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "reference/locator.h"

namespace {

TEST(ToLocator, Validity) {
  ToLocator l;
  struct Case {
    const char* loc;
    bool valid;
  };
  const Case cases[] = {
      {"JO31", true},  {"jo31", false}, {"JS31", false},    {"JO31MY", false}, {"JO31MX", true},
      {"J", true},     {"", true},      {"JO31MX99", true}, {"RR99XX", true},  {"AA00AA", true},
      {"JOA1", false}, {"J031", false}, {"JO3", true},      {"JO31m", false},  {"S", false},
  };
  for (const Case& c : cases) EXPECT_EQ(l.IsValidLocator(c.loc), c.valid) << c.loc;
}

// Independent reference: subsquare centre from the Maidenhead grid, haversine distance at
// 111.12 km per degree and the usual initial great-circle bearing.
struct Ref {
  double km, deg;
};

void Centre(const std::string& loc, double& lat, double& lon) {
  lon = (loc[0] - 'A') * 20.0 - 180 + (loc[2] - '0') * 2.0 + (loc[4] - 'A') / 12.0 + 1.0 / 24;
  lat = (loc[1] - 'A') * 10.0 - 90 + (loc[3] - '0') + (loc[5] - 'A') / 24.0 + 1.0 / 48;
}

Ref Reference(const std::string& from, const std::string& to) {
  const double r = M_PI / 180;
  double la1, lo1, la2, lo2;
  Centre(from, la1, lo1);
  Centre(to, la2, lo2);
  la1 *= r, lo1 *= r, la2 *= r, lo2 *= r;
  const double h = std::pow(std::sin((la2 - la1) / 2), 2) +
                   std::cos(la1) * std::cos(la2) * std::pow(std::sin((lo2 - lo1) / 2), 2);
  const double angle = 2 * std::asin(std::sqrt(h));
  double bearing = std::atan2(std::sin(lo2 - lo1) * std::cos(la2),
                              std::cos(la1) * std::sin(la2) -
                                  std::sin(la1) * std::cos(la2) * std::cos(lo2 - lo1)) /
                   r;
  if (bearing < 0) bearing += 360;
  return {angle / r * 111.12, bearing};
}

TEST(ToLocator, DistanceAndBearingAgreeWithGreatCircle) {
  ToLocator l;
  const char* pairs[][2] = {
      {"JN39MF", "JO31NK"}, {"JO31NK", "JN39MF"}, {"JN39MF", "FN31PR"}, {"JN39MF", "QF56OD"},
      {"JN39MF", "PM95UQ"}, {"IO91WM", "KP20LE"}, {"JN39MF", "JN39MG"}, {"JN39MF", "JN38MF"},
      {"GG66RH", "JN58TD"}, {"BL11BH", "RF80LQ"}, {"JN39MF", "AA00AA"}, {"RR99XX", "JN39MF"},
  };
  for (auto& p : pairs) {
    double bearing = -1, km = -1;
    ASSERT_TRUE(l.DistanceAndBearing(p[0], p[1], bearing, km)) << p[0] << " " << p[1];
    const Ref ref = Reference(p[0], p[1]);
    EXPECT_NEAR(km, ref.km, 0.01) << p[0] << " " << p[1];
    EXPECT_NEAR(bearing, ref.deg, 0.01) << p[0] << " " << p[1];
  }
}

TEST(ToLocator, CompletionAndUpperCase) {
  ToLocator l;
  double b1, d1, b2, d2;
  ASSERT_TRUE(l.DistanceAndBearing("jo31", "JN39MF", b1, d1));
  ASSERT_TRUE(l.DistanceAndBearing("JO31MM", "JN39MF", b2, d2));
  EXPECT_DOUBLE_EQ(d1, d2);
  EXPECT_DOUBLE_EQ(b1, b2);
  ASSERT_TRUE(l.DistanceAndBearing("JO", "JN39MF", b1, d1));
  ASSERT_TRUE(l.DistanceAndBearing("JO44XX", "JN39MF", b2, d2));
  EXPECT_DOUBLE_EQ(d1, d2);
  ASSERT_TRUE(l.DistanceAndBearing("JO3", "JN39MF", b1, d1));
  ASSERT_TRUE(l.DistanceAndBearing("JO34MX", "JN39MF", b2, d2));
  EXPECT_DOUBLE_EQ(d1, d2);
  ASSERT_TRUE(l.DistanceAndBearing("JO31N", "JN39MF", b1, d1));
  ASSERT_TRUE(l.DistanceAndBearing("JO31NM", "JN39MF", b2, d2));
  EXPECT_DOUBLE_EQ(d1, d2);
}

TEST(ToLocator, UnusableAndDegenerateCases) {
  ToLocator l;
  double bearing = 5, km = 5;
  EXPECT_TRUE(l.DistanceAndBearing("JN39MF", "JN39MF", bearing, km));
  EXPECT_EQ(km, 0);
  EXPECT_EQ(bearing, 0);
  for (const char* bad : {"J", "JN39MFA", "JS39MF", "JN39MY", ""}) {
    bearing = km = 5;
    EXPECT_FALSE(l.DistanceAndBearing(bad, "JN39MF", bearing, km)) << bad;
    EXPECT_EQ(km, 0);
    EXPECT_EQ(bearing, 0);
    bearing = km = 5;
    EXPECT_FALSE(l.DistanceAndBearing("JN39MF", bad, bearing, km)) << bad;
    EXPECT_EQ(km, 0);
  }
  // Antipodes: distance at its maximum, heading 0.
  EXPECT_TRUE(l.DistanceAndBearing("AA00AA", "RR99XX", bearing, km));
  EXPECT_GT(km, 19900);
}

TEST(ToLocator, WestIsNear270EastNear90) {
  ToLocator l;
  double bearing, km;
  ASSERT_TRUE(l.DistanceAndBearing("JN39MF", "JN29MF", bearing, km));
  EXPECT_NEAR(bearing, 270, 1);
  ASSERT_TRUE(l.DistanceAndBearing("JN39MF", "JN49MF", bearing, km));
  EXPECT_NEAR(bearing, 90, 1);
  // Across the date line: from 161 E to 179 W is east.
  ASSERT_TRUE(l.DistanceAndBearing("RJ00MM", "AJ00MM", bearing, km));
  EXPECT_NEAR(bearing, 90, 1);
  EXPECT_NEAR(km, 20 * 111.12, 5);  // 20 degrees of longitude on the equator
}

}  // namespace
