// The figures the cover sheet collects over a real QSO log.
#include <gtest/gtest.h>

#include "coverlog.h"
#include "output/coverfigures.h"

namespace {

using coverlog::At;

class CoverFigures : public QsoLogTest {
 protected:
  void Add(coverlog::TQso q) {
    q.Date = 155000;
    q.Time = ++time_;
    ASSERT_TRUE(coverlog::Add(*qsos_, q));
  }
  void Add(char band, const std::string& multi, const std::string& multi2 = "",
           const std::string& call2 = "") {
    coverlog::TQso q = At(0, 0).Mult(multi);
    q.Band = band;
    q.Multi2 = multi2;
    q.Call2 = call2;
    Add(q);
  }
  int time_ = 0;
};

TEST_F(CoverFigures, CountriesFieldsAndOdxSkipWhatIsEmpty) {
  auto q = [](const char* call, const char* loc, const char* dxcc, uint16_t points) {
    coverlog::TQso qso = At(0, 0).CallLoc(call, loc).Pts(points);
    qso.Dxcc = dxcc;
    return qso;
  };
  Add(q("DL1AA", "JO31AA", "DL", 120));
  Add(q("OK1AA", "JO31BB", "OK", 300));
  Add(q("F1AA", "JN18AA", "F", 300));  // a tie: the earlier QSO stays the ODX
  Add(q("DL2AA", "", "", 5));          // no locator, no country
  coverlog::TQso band = q("", "", "", 0);
  band.NotCounted = true;
  band.Dxcc = "XX";
  Add(band);
  const TCoverFigures f = coversheet::CollectFigures(*qsos_, '8', 0);
  EXPECT_EQ(f.DxccCount, 3);
  EXPECT_EQ(f.LocatorFieldCount, 2);
  EXPECT_EQ(f.OdxText, "OK1AA;JO31BB;300");
}

TEST_F(CoverFigures, NoPointsGiveNoOdx) {
  Add(At(0, 0).CallLoc("DL1AA", "JO31AA").Pts(0));
  EXPECT_EQ(coversheet::CollectFigures(*qsos_, '8', 0).OdxText, "");
}

TEST_F(CoverFigures, DokContestCountsByClass) {
  Add('b', "A01");
  Add('b', "K12", "DA0XX");
  Add('c', "L05");
  Add('c', "J01");  // J never gives the DOK form
  Add('c', "ABC", "", "JO31");
  Add('c', "");
  // An 80 m class: districts, K-DOKs and the rest.
  TCoverFigures f = coversheet::CollectFigures(*qsos_, 'h', 2);
  EXPECT_EQ(f.DistrictCount['b'], 1);
  EXPECT_EQ(f.DistrictCount['c'], 1);
  EXPECT_EQ(f.DistrictTotal, 2);
  EXPECT_EQ(f.DistrictText, " A L");
  EXPECT_EQ(f.DokCount['b'], 1);
  EXPECT_EQ(f.DokText, " K12");
  EXPECT_EQ(f.SpecialDokCount['c'], 2);
  EXPECT_EQ(f.SpecialDokText, " J01 ABC");
  EXPECT_EQ(f.SpecialCallText, " DA0XX");
  EXPECT_EQ(f.LocatorText, "");
  // A 2 m class: every DOK form is a DOK; the second call goes to the locator text.
  f = coversheet::CollectFigures(*qsos_, 'h', 5);
  EXPECT_EQ(f.DokTotal, 3);
  EXPECT_EQ(f.DistrictTotal, 0);
  EXPECT_EQ(f.SpecialDokTotal, 2);
  EXPECT_EQ(f.LocatorText, " JO31");
  // The listener class counts nothing.
  f = coversheet::CollectFigures(*qsos_, 'h', 7);
  EXPECT_EQ(f.DokTotal + f.SpecialDokTotal + f.DistrictTotal, 0);
  EXPECT_EQ(f.SpecialCallText, "");
}

TEST_F(CoverFigures, ZDoksInSortedOrderAndNavalBandSums) {
  Add(At(0, 0).Mult("Z30").Pts(3));
  Add(At(0, 0).Mult("Z10").Pts(4));
  Add(At(0, 0).Pts(5));
  Add(At(0, 0).Mult("Z10").Pts(6));
  EXPECT_EQ(coversheet::CollectFigures(*qsos_, 'o', 0).ZDokText, " Z10 Z10 Z30");
  const TCoverFigures f = coversheet::CollectFigures(*qsos_, 'i', 0);
  EXPECT_EQ(f.BandQsoCount['b'], 4);
  EXPECT_EQ(f.BandPointSum['b'], 18);
  EXPECT_EQ(f.BandMultiplierQsoCount['b'], 3);
}

}  // namespace
