// ADIF records, EDI records and header figures, and the multiplier grids, built from the
// records without files.
#include <gtest/gtest.h>

#include <algorithm>

#include "exportfixture.h"
#include "foundation/daynumber.h"
#include "foundation/strings.h"
#include "output/adifexport.h"
#include "output/ediexport.h"
#include "output/multicheckgrid.h"

using exporttest::Qso;
using exporttest::TLog;
using exporttest::TQso;

namespace {

std::string NoDxcc(const std::string&) { return {}; }

bool Has(const std::string& record, const std::string& field) {
  return record.find(field) != std::string::npos;
}

TEST(AdifRecord, ReportsAndNumbersApart) {
  TLog d('d', 2);
  TContestQSORec q = Qso(TQso{.Band = 'e'});
  q.SetFrequency(14.025f);
  const std::string r = adifexport::Record(d.Log, q, true, NoDxcc);
  EXPECT_TRUE(Has(r, "<RST_SENT:3>599 <RST_RCVD:3>599 <STX:3>001 <SRX:3>012 ")) << r;
  EXPECT_TRUE(Has(r, "<QSO_DATE:8>20250308 <TIME_ON:4>1234 <CALL:5>DK2XY ")) << r;
  EXPECT_TRUE(Has(r, "<BAND:3>20m ")) << r;
  EXPECT_TRUE(Has(r, "<FREQ:7>14.0250 ")) << r;
  EXPECT_TRUE(r.ends_with("<EOR>"));

  // The whole exchange in the report fields; no numbers.
  const std::string whole = adifexport::Record(d.Log, q, false, NoDxcc);
  EXPECT_TRUE(Has(whole, "<RST_SENT:6>599001 <RST_RCVD:6>599012 ")) << whole;
  EXPECT_FALSE(Has(whole, "<STX"));

  // A DOK is no integer: it goes to the string field.
  const std::string dok = adifexport::Record(d.Log, Qso(TQso{.Rcvd = "599Q01"}), true, NoDxcc);
  EXPECT_TRUE(Has(dok, "<SRX_STRING:3>Q01 ")) << dok;
}

TEST(AdifRecord, BandsModesAndFlags) {
  TLog d('d', 6);
  struct Case {
    char band;
    const char* mode;
    const char* fields;
  };
  const Case cases[] = {
      {'k', "FM", "<BAND:2>2m <MODE:2>FM "},
      {'l', "PR", "<BAND:4>70cm <MODE:3>PKT "},
      {'b', "PSK31", "<MODE:3>PSK <SUBMODE:5>PSK31 "},
      {'b', "AMTOR", "<MODE:3>TOR <SUBMODE:5>AMTOR "},
      {'b', "PACTOR", "<MODE:3>PAC <PTS"},
  };
  for (const Case& c : cases) {
    const std::string r =
        adifexport::Record(d.Log, Qso(TQso{.Mode = c.mode, .Band = c.band}), true, NoDxcc);
    EXPECT_TRUE(Has(r, c.fields)) << r;
  }

  TContestQSORec q = Qso(TQso{});
  q.SetDatum(0);
  q.SetQslSent('S');
  q.SetQslRcvd('N');
  q.SetNameQth("Fritz;Homburg");
  q.SetDXCC("DL");
  const std::string r = adifexport::Record(
      d.Log, q, true, [](const std::string& dxcc) { return dxcc == "DL" ? "230" : ""; });
  EXPECT_FALSE(Has(r, "QSO_DATE"));
  EXPECT_FALSE(Has(r, "FREQ"));
  EXPECT_TRUE(Has(r, "<DXCC:3>230 <DXCC_PFX:2>DL ")) << r;
  EXPECT_TRUE(Has(r, "<NAME:5>Fritz <QTH:7>Homburg <QSL_SENT:1>Y <QSL_RCVD:1>N <EOR>")) << r;
}

TEST(AdifRecord, ListenerReportsOnce) {
  TLog w('W', 7);
  TContestQSORec q = Qso(TQso{.Sent = "579", .Rcvd = "599Q01"});
  q.SetCall2("DL9ZZ");
  const std::string r = adifexport::Record(w.Log, q, true, NoDxcc);
  EXPECT_TRUE(Has(r, "<RST_SENT:3>599 <CALL_WKD:5>DL9ZZ <RST_WKD:3>579 <RST_RCVD:3>599 ")) << r;
  size_t n = 0;
  for (size_t at = r.find("RST_SENT"); at != std::string::npos; at = r.find("RST_SENT", at + 1))
    ++n;
  EXPECT_EQ(n, 1u);
}

TEST(EdiRecord, FifteenFieldsWithoutStrayParts) {
  TContestQSORec q =
      Qso(TQso{.Call = "DK2XY", .Mode = "SSB", .Sent = "599001/", .Rcvd = "599012/B"});
  q.SetLoc("JO31AB");
  q.SetDistance(321);
  const std::string r = ediexport::Record(q);
  EXPECT_EQ(r, "250308;1234;DK2XY;1;599;001;599;012;B;JO31AB;321;;;;");
  EXPECT_EQ(std::count(r.begin(), r.end(), ';'), 14);

  TContestQSORec plain =
      Qso(TQso{.Call = "DK2;XY", .Mode = "CW", .Sent = "599001/", .Rcvd = "599012"});
  EXPECT_EQ(ediexport::Record(plain), "250308;1234;DK2XY;2;599;001;599;012;;      ;0;;;;");
}

TEST(EdiHeader, FiguresAndDates) {
  TLog v('\0', 0);
  ediexport::TCollector c(false);
  TContestQSORec a = Qso(TQso{.Call = "DK2XY"});
  a.SetLoc("JO31AB");
  a.SetDXCC("DL");
  a.SetDistance(300);
  TContestQSORec b = Qso(TQso{.Call = "PA3ZZ"});
  b.SetLoc("JO31CD");
  b.SetDXCC("PA");
  b.SetDistance(300);  // as far, but later: the first keeps the claim
  TContestQSORec none = Qso(TQso{.Call = "DL1QQ"});
  for (const auto& q : {a, b, none}) c.Add(q);
  EXPECT_EQ(c.Records(), 3);
  EXPECT_EQ(c.LocatorFields(), 1);
  EXPECT_EQ(c.Dxccs(), 2);
  EXPECT_EQ(c.Odx(), "DK2XY;JO31AB;300");

  ediexport::TParticipant p;
  p.pcall = "DL1ABC";
  p.rremarks = "Erste Zeile\nZweite Zeile";
  auto lines = ediexport::HeaderLines(v.Log, p, c);
  auto has = [&](const std::string& l) { return exporttest::HasLine(lines, l); };
  EXPECT_EQ(lines.front(), "[REG1TEST;1]");
  EXPECT_TRUE(has("TDate=0;0"));
  EXPECT_TRUE(has("CQSOs=3;1"));
  EXPECT_TRUE(has("CWWLs=1;0;1"));
  EXPECT_TRUE(has("CDXCs=2;0;1"));
  EXPECT_TRUE(has("CODXC=DK2XY;JO31AB;300"));
  EXPECT_EQ(lines.back(), "[QSORecords;3]");
  const auto remarks = std::find(lines.begin(), lines.end(), "[Remarks]");
  ASSERT_NE(remarks, lines.end());
  EXPECT_EQ(remarks[1], "Erste Zeile");
  EXPECT_TRUE(std::find(remarks, lines.end(), "Call:DL1ABC") != lines.end());

  v.Log.List.SetDatumVon(daynumber::FromYMD(2025, 3, 8));
  v.Log.List.SetDatumBis(daynumber::FromYMD(2025, 3, 9));
  lines = ediexport::HeaderLines(v.Log, p, ediexport::TCollector(true));
  EXPECT_TRUE(has("TDate=20250308;20250309"));
  EXPECT_TRUE(has("CODXC="));
}

// Rows of a grid as the check list prints them.
std::vector<std::string> Rows(
    const TContestRec& def,
    std::initializer_list<std::tuple<const char*, char, const char*>> qsos) {
  std::vector<std::string> rows;
  multicheck::TGrid grid(def, [&](const std::string& row) { rows.push_back(row); });
  for (const auto& [value, band, call] : qsos) grid.Add(value, band, call);
  grid.Finish();
  return rows;
}

TEST(MultiplierGrid, FirstCallPerBandAndOneRowPerValue) {
  TContestRec def;
  def.Bands[1] = 'b';
  def.Bands[2] = 'c';
  def.Bands[3] = 'e';
  const auto pad = [](const char* s, int n) { return ToStrings::FitWidth(s, n, true); };
  EXPECT_EQ(multicheck::ColumnLine(def),
            pad("Multi", 8) + pad("80 m", 13) + pad("40 m", 13) + pad("20 m", 13));
  // Empty values come first in the key order and make no row.
  const auto rows = Rows(def, {{"", 'b', "DL0AA"},
                               {"Q01", 'b', "DK1AA"},
                               {"Q01", 'b', "DK2BB"},
                               {"SAAR2025", 'b', "DL1X"},
                               {"SAAR2025", 'c', "DL2X"},
                               {"SAAR2025", 'e', "DL3X"}});
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0], pad("Q01", 8) + pad("DK1AA", 13) + pad("", 26));
  EXPECT_EQ(rows[1], "SAAR2025" + pad("DL1X", 13) + pad("DL2X", 13) + pad("DL3X", 13));
  EXPECT_TRUE(Rows(def, {{"", 'b', "DL0AA"}}).empty());
}

}  // namespace
