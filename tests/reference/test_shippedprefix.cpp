// The prefix files the program ships, built from the country file: what they hold against
// that file, and calls resolved with them as a new user's first start finds them.
#include <gtest/gtest.h>

#include <QFile>
#include <fstream>
#include <memory>
#include <set>

#include "foundation/cp1252.h"
#include "foundation/daynumber.h"
#include "prefixfixture.h"
#include "reference/ctyfile.h"
#include "reference/locator.h"
#include "reference/prefixinstall.h"
#include "support/shippedprefix.h"

namespace {

using namespace prefixrec;
using prefixtest::UseDataDir;

class ShippedPrefixes : public ::testing::Test {
 protected:
  void SetUp() override {
    if (shippedprefix::Dir().empty()) GTEST_SKIP() << "no country file";
    UseDataDir(dir_.Path());
    ASSERT_TRUE(prefixinstall::InstallShippedFiles(shippedprefix::Dir(), dir_.Path()));
    open_ = oDatPrefix->OpenFileSet(7, false);
    ASSERT_TRUE(open_);
    t_ = std::make_unique<TdbPrefix>();
  }
  void TearDown() override {
    t_.reset();
    if (open_) oDatPrefix->CloseFileSet(7, false, false, true);
    UseDataDir("");
  }
  int Resolve(const std::string& call, int32_t date = 0) {
    uint8_t status = 0;
    return t_->ResolveCall(call, date, true, nullptr, nullptr, status, nullptr, false);
  }

  TTestDir dir_;
  TTestDesktop desktop_;
  bool open_ = false;
  // Made once the files are open, so that it does not open them elsewhere itself.
  std::unique_ptr<TdbPrefix> t_;
};

TEST_F(ShippedPrefixes, HoldEveryEntityAndPrefixOfTheCountryFile) {
  // The country file read on its own: its DXCC entity lines, its WAE areas (the "*" lines)
  // and the distinct prefixes and exact calls of both; a text an area shares with its
  // parent entity is the area's alone.
  std::ifstream in(shippedprefix::CountryFile());
  int entities = 0, areas = 0;
  std::set<std::string> prefixes, shortCalls;
  for (std::string line; std::getline(in, line);) {
    if (line.empty()) continue;
    ++(line[0] == '*' ? areas : entities);
    const std::string list = line.substr(line.rfind(',') + 1);
    size_t start = 0;
    while (start < list.size()) {
      size_t end = list.find_first_of(" ;", start);
      if (end == std::string::npos) end = list.size();
      std::string token = list.substr(start, end - start);
      token = token.substr(0, token.find_first_of("(["));
      if (!token.empty() && token[0] == '=') {
        if (token.size() - 1 <= kPrefixLen) shortCalls.insert(token);
      } else if (!token.empty()) {
        prefixes.insert(token);
      }
      start = end + 1;
    }
  }
  const prefixgen::TGenReport& r = shippedprefix::Report();
  EXPECT_EQ(r.Entities, entities);
  EXPECT_EQ(r.WaeAreas, areas);
  EXPECT_GT(entities, 330);
  EXPECT_GE(areas, 6);
  EXPECT_EQ(r.ExactCalls, int(shortCalls.size()));
  // Prefixes plus an entry for each "/" designation that is no prefix (SV/A, 3D2/C ...).
  EXPECT_GE(r.Prefixes, int(prefixes.size()));
  EXPECT_LT(r.Prefixes, int(prefixes.size()) + 20);
  EXPECT_EQ(TdbPrefix(kMain).RecordCount(), r.Prefixes + r.DeletedEntities);
  EXPECT_EQ(TdbPrefix(kSingleCalls).RecordCount(), r.ExactCalls);
  EXPECT_EQ(TdbPrefix(kCallGroups).RecordCount(), 0);
  EXPECT_GT(r.LongCallsLeftOut, 0);
}

struct CallCase {
  const char* Call;
  const char* Dxcc;
  const char* Country;
  const char* Continent;
  const char* Waz;
  const char* Itu;
  int Adif;
  const char* Wae;
};

TEST_F(ShippedPrefixes, ResolveCallsToTheirEntityAndZones) {
  const CallCase cases[] = {
      // A European entity is its own WAE entity; outside Europe there is none.
      {"DL1ABC", "DL", "Fed. Rep. of Germany", "EU", "14", "28", 230, "DL"},
      {"F5ABC", "F", "France", "EU", "14", "27", 227, "F"},
      {"EA8/DL1ABC", "EA8", "Canary Islands", "AF", "33", "36", 29, ""},
      // A prefix's own zones win: the 0 district of the US lies in CQ zone 4, ITU 7.
      {"K0ABC", "K", "United States", "NA", "4", "7", 291, ""},
      {"W1AW", "K", "United States", "NA", "5", "8", 291, ""},
      // An exact call of the country file, from the single-call file.
      {"DX0K", "1S", "Spratly Islands", "AS", "26", "50", 247, ""},
      // A special entity by its suffix needs the designation's own entry.
      {"SV2XX/A", "SV/A", "Mount Athos", "EU", "20", "28", 180, "SV/A"},
      // A deleted entity's old prefix does not take today's calls from the current one.
      {"KZ5AB", "K", "United States", "NA", "4", "7", 291, ""},
      {"UN1ABC", "UN", "Kazakhstan", "AS", "17", "30", 130, ""},
      // A WAE area: the parent's DXCC, its own WAE designation, continent and zones;
      // also for an exact call its parent lists too.
      {"IT9ABC", "I", "Sicily", "EU", "15", "28", 248, "IT9"},
      {"IG9ABC", "I", "African Italy", "AF", "33", "37", 248, "IG9"},
      {"TA1ABC", "TA", "European Turkey", "EU", "20", "39", 390, "TA1"},
      {"TA2ABC", "TA", "Asiatic Turkey", "AS", "20", "39", 390, ""},
      {"4U1VIC", "OE", "Vienna Intl Ctr", "EU", "15", "28", 206, "4U1V"},
      {"I1ABC", "I", "Italy", "EU", "15", "28", 248, "I"},
  };
  for (const CallCase& c : cases) {
    SCOPED_TRACE(c.Call);
    ASSERT_EQ(Resolve(c.Call), TdbPrefix::kFound);
    EXPECT_EQ(t_->GetDXCC(), c.Dxcc);
    EXPECT_EQ(t_->GetCountry(), c.Country);
    EXPECT_EQ(t_->GetContinent(), c.Continent);
    EXPECT_EQ(t_->GetWAZ(), c.Waz);
    EXPECT_EQ(t_->GetITU(), c.Itu);
    EXPECT_EQ(t_->GetADIFNr(), c.Adif);
    EXPECT_EQ(t_->GetWAE(), c.Wae);
  }
  // The entity's position as locator, so the prefix list shows heading and distance.
  ASSERT_EQ(Resolve("DL1ABC"), TdbPrefix::kFound);
  EXPECT_EQ(t_->GetLocator(), "JO51AA");
}

TEST_F(ShippedPrefixes, ListDeletedEntitiesWithTheirLastDay) {
  EXPECT_EQ(t_->AdifNumberOfDxcc("DM"), "229");
  // The old prefix carries a trailing "-", as the redirections name old entries.
  ASSERT_TRUE(t_->FindExact("DM-"));
  EXPECT_EQ(t_->GetCountry(), "German Democratic Republic");
  EXPECT_EQ(t_->GetValidUntil(), daynumber::FromYMD(1990, 10, 2));
  EXPECT_TRUE(t_->IsOutOfDate());
  // Current entities keep their numbers.
  EXPECT_EQ(t_->AdifNumberOfDxcc("DL"), "230");
  EXPECT_EQ(t_->AdifNumberOfDxcc("3D2/C"), "489");
}

TEST(PrefixInstall, CopiesOnlyIntoADataDirectoryWithoutPrefixFile) {
  if (shippedprefix::Dir().empty()) GTEST_SKIP() << "no country file";
  TTestDir dir;
  // A data directory with its own BMPREFIX keeps it, even when it is empty.
  { std::ofstream(dir.File("BMPREFIX.db")); }
  EXPECT_FALSE(prefixinstall::InstallShippedFiles(shippedprefix::Dir(), dir.Path()));
  EXPECT_FALSE(QFile::exists(Q(dir.File("BMPREFEE.db"))));
  // Nothing shipped: nothing copied.
  TTestDir empty;
  EXPECT_FALSE(prefixinstall::InstallShippedFiles(empty.Path(), dir.Path() + "sub/"));
  EXPECT_FALSE(prefixinstall::InstallShippedFiles("", empty.Path()));
}

struct LineCase {
  const char* Line;
  bool Ok;
  bool Dxcc;
  size_t Prefixes;
};

TEST(CountryFile, ReadsEntityLinesWithTheirOverrides) {
  const LineCase cases[] = {
      {"K,United States,291,NA,5,8,37.60,91.87,5.0,AA K0(4)[7] =N2NL/MM(7) =AL7QQ/P(4)[7];", true,
       true, 4},
      {"*IT9,Sicily,248,EU,15,28,37.50,-14.00,-1.0,IB9 IT9;", true, false, 2},
      {"3Y/p,Peter 1 Island,199,SA,12,72,-68.77,90.58,4.0,=3Y0X;", true, true, 1},
      {"broken line", false, false, 0},
      {"XX,No number,abc,EU,1,1,0,0,0,XX;", false, false, 0},
  };
  for (const LineCase& c : cases) {
    SCOPED_TRACE(c.Line);
    ctyfile::TCtyEntity e;
    ASSERT_EQ(ctyfile::ParseLine(c.Line, e), c.Ok);
    if (!c.Ok) continue;
    EXPECT_EQ(e.DxccEntity, c.Dxcc);
    EXPECT_EQ(e.Prefixes.size(), c.Prefixes);
  }
  ctyfile::TCtyEntity e;
  ASSERT_TRUE(ctyfile::ParseLine(
      "K,United States,291,NA,5,8,37.60,91.87,5.0,AA K0(4)[7] =N2NL/MM(7) =AL7QQ/P(4)[7];", e));
  EXPECT_EQ(e.Prefix, "K");
  EXPECT_EQ(e.AdifNr, 291);
  EXPECT_EQ(e.Prefixes[1].Text, "K0");
  EXPECT_EQ(e.Prefixes[1].Waz, "4");
  EXPECT_EQ(e.Prefixes[1].Itu, "7");
  EXPECT_TRUE(e.Prefixes[2].ExactCall);
  EXPECT_EQ(e.Prefixes[2].Text, "N2NL/MM");
  EXPECT_EQ(e.Prefixes[2].Waz, "7");
  EXPECT_EQ(e.Prefixes[2].Itu, "");
  ASSERT_TRUE(ctyfile::ParseLine("3Y/p,Peter 1 Island,199,SA,12,72,-68.77,90.58,4.0,=3Y0X;", e));
  EXPECT_EQ(e.Prefix, "3Y/P");
}

TEST(CountryFile, LocatorOfAPositionLiesInItsSubsquare) {
  // Positions in all four quarters of the globe and on the edges of the grid.
  const std::pair<double, double> positions[] = {{51.0, 10.0},   {-33.9, 151.2},  {40.7, -74.0},
                                                 {-54.42, 3.38}, {89.99, 179.99}, {-90, -180},
                                                 {0.0, 0.0},     {28.32, -15.85}};
  ToLocator loc;
  for (const auto& [lat, lon] : positions) {
    const std::string l = ctyfile::LocatorOf(lat, lon);
    SCOPED_TRACE(l);
    double cLat = 0, cLon = 0;
    ASSERT_TRUE(loc.Coordinates(l, cLat, cLon));
    if (cLon > 180) cLon -= 360;
    // The centre of a subsquare is at most 1/24 degree of latitude and 1/12 of longitude
    // away from any point in it.
    EXPECT_NEAR(cLat, lat, 1.0 / 48 + 1e-9);
    EXPECT_NEAR(cLon, lon, 1.0 / 24 + 1e-9);
  }
  EXPECT_EQ(ctyfile::LocatorOf(51.0, 10.0), "JO51AA");
}

}  // namespace
