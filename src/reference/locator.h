#pragma once
// Maidenhead locators: validity, and distance (km) and beam heading (degrees) from one
// locator to another, on a sphere at 111.12 km per degree of arc.

#include <string_view>

class ToLocator {
 public:
  bool IsValidLocator(std::string_view locator) const;
  // False (bearing and distance 0) when a locator is not usable.
  bool DistanceAndBearing(std::string_view locator1, std::string_view locator2, double& bearing,
                          double& distance) const;
  // Centre of the subsquare: latitude north, longitude east 0 .. below 360. False when the
  // locator is not usable (not 2 to 6 characters, or not valid once completed).
  bool Coordinates(std::string_view locator, double& latitude, double& longitude) const;
};

extern ToLocator* oLocator;
