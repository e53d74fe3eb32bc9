#pragma once
// Reading the country file of Debian's hamradio-files (cty.csv): one line per entity with its
// primary prefix, name, ADIF number, continent, CQ and ITU zone, position (latitude north,
// longitude west) and the list of its prefixes and exact calls with their own zones.

#include <string>
#include <string_view>
#include <vector>

namespace ctyfile {

// One prefix or exact call ("=CALL") of an entity; empty zones and continent mean the
// entity's own.
struct TCtyPrefix {
  std::string Text;
  bool ExactCall = false;
  std::string Waz, Itu, Continent;
};

struct TCtyEntity {
  std::string Prefix, Name, Continent, Waz, Itu;
  int AdifNr = 0;
  double Latitude = 0, LongitudeWest = 0;
  // Lines beginning "*" are areas of their own for other awards, not DXCC entities.
  bool DxccEntity = true;
  std::vector<TCtyPrefix> Prefixes;
};

// False for a line that is not an entity line (not ten fields, no ADIF number).
bool ParseLine(std::string_view line, TCtyEntity& entity);

// The 6-character Maidenhead locator of a position (latitude north, longitude east).
std::string LocatorOf(double latitude, double longitudeEast);

}  // namespace ctyfile
