// The STF and Cabrillo lines built from the records, without files.
#include <gtest/gtest.h>

#include <algorithm>

#include "exportfixture.h"
#include "foundation/strings.h"
#include "output/allerout.h"
#include "output/cabrilloexport.h"
#include "output/exportexchange.h"
#include "output/stfexport.h"

using exportexchange::TFormat;
using exporttest::Qso;
using exporttest::TLog;
using exporttest::TQso;

namespace {

struct SideCase {
  const char* name;
  const char* exchange;
  char code;
  bool german;
  std::string stf;
  std::string cabrillo;
};
// Named in the test's output by its case name, not by its raw bytes (which include padding).
void PrintTo(const SideCase& c, std::ostream* os) { *os << c.name; }

// Sides are RST (3) + blank + 17 columns of the rest.
std::string Side(const char* rst, const char* rest) {
  return std::string(rst) + " " + ToStrings::FitWidth(rest, 17, true);
}

class ExchangeSide : public ::testing::TestWithParam<SideCase> {};

TEST_P(ExchangeSide, BuildsBothFormats) {
  const SideCase& c = GetParam();
  EXPECT_EQ(exportexchange::Side(c.exchange, c.code, c.german, TFormat::Stf), c.stf);
  EXPECT_EQ(exportexchange::Side(c.exchange, c.code, c.german, TFormat::Cabrillo), c.cabrillo);
}

const std::string kNone = Side("599", " -");
const std::string kPlain = Side("599", "123");

INSTANTIATE_TEST_SUITE_P(
    Cases, ExchangeSide,
    ::testing::Values(
        SideCase{"XmasGermanNumberDropped", "599123", 'X', true, kNone, kNone},
        SideCase{"EasterGermanNumberDropped", "599123", 't', true, kNone, kNone},
        SideCase{"XmasForeignNumberStays", "599123", 'X', false, kPlain, kPlain},
        SideCase{"XmasGermanDokStays", "599Q01", 'X', true, Side("599", "Q01"), Side("599", "Q01")},
        SideCase{"OtherContestGermanNumberStays", "599123", 'd', true, kPlain, kPlain},
        SideCase{"EmptyExchange", "", 'd', false, Side(" - ", " -"), Side(" - ", " -")},
        SideCase{"SlashFirst", "599/Q01", 'B', false, Side("599", "-   Q01"),
                 Side("599", "-    Q01")},
        SideCase{"SlashInside", "59912/Q01", 'J', false, Side("599", "12 Q01"),
                 Side("599", "12  Q01")},
        SideCase{"NoSecondPart", "59912", 'G', false, Side("599", "12 -"), Side("599", "12  -")},
        SideCase{"NoExchangeInTwoPartContest", "599", '1', false, Side("599", "-   -"),
                 Side("599", "-    -")},
        SideCase{"CabrilloOnlySplitsFor4", "599/12", '4', false, Side("599", "/12"),
                 Side("599", "-    12")},
        SideCase{"CabrilloDropsLeadingSlash", "599/12", 'd', false, Side("599", "/12"),
                 Side("599", "12")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StfBand, ColumnsOfTheBands) {
  EXPECT_EQ(TAlleRout::BandColumn('l', true), "70  ");
  EXPECT_EQ(TAlleRout::BandColumn('k', true), "2   ");
  EXPECT_EQ(TAlleRout::BandColumn('a', true), "160 ");
  EXPECT_EQ(TAlleRout::BandColumn('p', true), "5   ");
  EXPECT_EQ(TAlleRout::BandColumn('p', false), "6   ");
}

TEST(StfLine, LayoutsByContest) {
  TLog d('d', 2);
  const std::string sent = Side("599", "001"), rcvd = Side("599", "012");
  EXPECT_EQ(stfexport::QsoLine(d.Log, Qso(TQso{})),
            "20250308 1234 80   CW     DK2XY    " + sent + " " + rcvd);
  TContestQSORec empty = Qso(TQso{.Call = "", .Mode = ""});
  empty.SetDatum(0);
  EXPECT_EQ(stfexport::QsoLine(d.Log, empty).substr(0, 34), "    -    1234 80    -     -       ");

  // The own call is German: the Christmas contest drops the own number, not the Austrian's.
  TLog x('X', 1);
  TContestQSORec xq = Qso(TQso{.Call = "OE1XYZ", .Rcvd = "599123"});
  xq.SetCMulti("OE");
  xq.SetPoints(3);
  EXPECT_EQ(stfexport::QsoLine(x.Log, xq), "20250308 1234 80   CW     OE1XYZ   " + kNone + " " +
                                               kPlain + " OE        -        3  ");

  // A listener's log of the German contest: heard station, its report, the station it
  // worked and the report it gave.
  TLog w('W', 7);
  TContestQSORec wq = Qso(TQso{.Call = "DK2XY", .Sent = "599", .Rcvd = "599Q01"});
  wq.SetCall2("DL9ZZ");
  wq.SetCMulti("Q01");
  wq.SetPoints(1);
  EXPECT_EQ(stfexport::QsoLine(w.Log, wq), "20250308 1234 DK2XY    " + Side("599", " -") +
                                               " 80   CW     DL9ZZ     " + Side("599", "Q01") +
                                               "    1   Q01   ");
}

TEST(StfHeader, ClaimsTheScoreOfTheOneScoreRule) {
  TLog d('d', 2);
  d.Log.Totals = {.Qsos = 5, .Points = 8, .Multi1 = 2, .MultiTotal = 2};
  const auto lines = stfexport::HeaderLines(d.Log, "");
  auto has = [&](const std::string& l) { return exporttest::HasLine(lines, l); };
  EXPECT_EQ(lines.front(), "STF1");
  EXPECT_TRUE(has("Contest      SAAR 2025"));
  EXPECT_TRUE(has("Category     " + d.Def.Classes[2].Description));
  EXPECT_TRUE(has("ClaimedQSO   5"));
  EXPECT_TRUE(has("ClaimedMult  2"));
  EXPECT_TRUE(has("ClaimedScore 16"));
  EXPECT_TRUE(has("MailAddress  Saarbrücken"));
  EXPECT_TRUE(has("MailAddress  66111"));
  EXPECT_TRUE(has("MailAddress  Germany"));
  EXPECT_EQ(lines.back(), "QsoList");

  // Without multipliers the points are the score, not 0.
  d.Def.MultiplierKinds.reset();
  const auto plain = stfexport::HeaderLines(d.Log, "");
  EXPECT_NE(std::find(plain.begin(), plain.end(), "ClaimedScore 8"), plain.end());
  EXPECT_EQ(std::count_if(plain.begin(), plain.end(),
                          [](const std::string& l) { return l.starts_with("ClaimedMult"); }),
            0);
}

TEST(CabrilloHeader, CategoriesFromTheClass) {
  struct Case {
    char code;
    uint8_t cls;
    const char* mode;
    const char* power;
    const char* op;
  };
  const Case cases[] = {
      {'W', 3, "MIXED", "LOW", "SINGLE-OP"},  // Single operator, mixed, low power
      {'W', 5, "MIXED", "QRP", "SINGLE-OP"},  // Single operator, mixed, QRP
      {'W', 6, "MIXED", "HIGH", "MULTI-OP"},  // Multi operator
      {'W', 1, "CW", "LOW", "SINGLE-OP"},     // Single operator, CW, low power
      {'d', 1, "SSB", "HIGH", "SINGLE-OP"},   // Klasse A: 80m SSB
      {'d', 7, "DIGI", "HIGH", "SINGLE-OP"},  // Klasse G: 80m DIGITAL
  };
  for (const Case& c : cases) {
    TLog log(c.code, c.cls);
    const auto cat = cabrilloexport::CategoriesOf(log.Log);
    EXPECT_EQ(cat.Mode, c.mode) << c.code << int(c.cls);
    EXPECT_EQ(cat.Power, c.power) << c.code << int(c.cls);
    EXPECT_EQ(cat.Operator, c.op) << c.code << int(c.cls);
  }
  TLog multi('d', 1);
  multi.Log.List.SetOneOperator(0);
  EXPECT_EQ(cabrilloexport::CategoriesOf(multi.Log).Operator, "MULTI-OP");
  multi.Def.CabrilloCategoryMode = "RTTY";
  EXPECT_EQ(cabrilloexport::CategoriesOf(multi.Log).Mode, "RTTY");
}

TEST(CabrilloHeader, ContestStationAndScore) {
  TLog d('d', 1, "DL1ABC/P");
  d.Log.Totals = {.Qsos = 5, .Points = 8, .Multi1 = 2, .MultiTotal = 2};
  const auto lines = cabrilloexport::HeaderLines(d.Log, "");
  auto has = [&](const std::string& l) { return exporttest::HasLine(lines, l); };
  EXPECT_EQ(lines.front(), "START-OF-LOG: 3.0");
  EXPECT_TRUE(has("CONTEST: SAAR-2025"));
  EXPECT_TRUE(has("CATEGORY-STATION: PORTABLE"));
  EXPECT_TRUE(has("CLAIMED-SCORE: 16"));
  EXPECT_TRUE(has("CATEGORY-TRANSMITTER: ONE"));
}

TEST(CabrilloLine, ModesAndColumns) {
  EXPECT_EQ(cabrilloexport::ModeWord("CW"), "CW");
  EXPECT_EQ(cabrilloexport::ModeWord("SSB"), "PH");
  EXPECT_EQ(cabrilloexport::ModeWord("AM"), "PH");
  EXPECT_EQ(cabrilloexport::ModeWord("FM"), "FM");
  EXPECT_EQ(cabrilloexport::ModeWord("RTTY"), "RY");
  EXPECT_EQ(cabrilloexport::ModeWord("SSTV"), "DG");
  EXPECT_EQ(cabrilloexport::ModeWord(""), "");

  TLog d('d', 2);
  EXPECT_EQ(cabrilloexport::QsoLine(d.Log, Qso(TQso{})), "QSO: 3500  CW  2025-03-08 1234 DL1ABC " +
                                                             Side("599", "001") + " DK2XY    " +
                                                             Side("599", "012"));
  TContestQSORec undated = Qso(TQso{.Mode = ""});
  undated.SetDatum(0);
  EXPECT_EQ(cabrilloexport::QsoLine(d.Log, undated).substr(0, 31),
            "QSO: 3500  -       -  -   1234 ");
}

}  // namespace
