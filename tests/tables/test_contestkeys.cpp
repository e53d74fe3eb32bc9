#include <gtest/gtest.h>

#include <algorithm>

#include "foundation/keystr.h"
#include "tables/contestkeys.h"
#include "tables/contestrecs.h"

namespace {

using namespace contestkeys;

TContestQSORec Qso(char band, std::string call, std::string mode, int32_t day, int32_t time) {
  TContestQSORec q;
  q.SetBandcode(band);
  q.SetCall(call);
  q.SetMode(mode);
  q.SetDatum(day);
  q.SetZeit(time);
  return q;
}

// The calls of the records in the order the key sorts them.
std::vector<std::string> OrderOf(std::vector<TContestQSORec> recs, int keyNr) {
  std::stable_sort(recs.begin(), recs.end(), [&](const auto& a, const auto& b) {
    return BuildQsoKey(a, keyNr) < BuildQsoKey(b, keyNr);
  });
  std::vector<std::string> calls;
  for (const auto& r : recs) calls.push_back(r.Call());
  return calls;
}

TEST(QsoKeys, DefinitionsInFileOrder) {
  const auto& k = QsoKeys().Items();
  ASSERT_EQ(k.size(), 28u);
  EXPECT_EQ(k[0].Expression, "Datum,Zeit");
  EXPECT_EQ(k[3].Expression, "Nummer AUTOKEY");
  EXPECT_EQ(k[11].Expression, "Bandcode,wagBandNrIntern DESC");
  EXPECT_EQ(k[27].Expression, "Prefix");
  for (size_t i = 0; i < k.size(); ++i) {
    bool unique = i == 0 || i == 3;
    EXPECT_EQ(k[i].Duplicates, !unique) << k[i].Expression;
  }
}

TEST(QsoKeys, EveryKeyHasItsDeclaredLength) {
  TContestQSORec q = Qso('k', "DL1ABC", "CW", 150000, 3600);
  for (int n = 1; n <= kQsoKeyCount; ++n)
    EXPECT_EQ(BuildQsoKey(q, n).size(), size_t(QsoKeys().Item(n).Length)) << n;
  EXPECT_EQ(BuildQsoKey(q, 0), "");
  EXPECT_EQ(BuildQsoKey(q, 29), "");
}

TEST(QsoKeys, BandCallModeSortsByBandThenPaddedCallThenMode) {
  std::vector<TContestQSORec> recs = {
      Qso('m', "AA1A", "CW", 1, 1),    Qso('k', "DL1ABCD", "CW", 1, 2),
      Qso('k', "DL1ABC", "SSB", 1, 3), Qso('k', "DL1ABC", "CW", 1, 4),
      Qso('k', "DL1AB", "FM", 1, 5),
  };
  recs[3].SetCall("DL1ABC");
  // Blank padding: "DL1AB " before "DL1ABC" before "DL1ABCD"; band 'k' before 'm'.
  std::vector<std::string> want = {"DL1AB", "DL1ABC", "DL1ABC", "DL1ABCD", "AA1A"};
  EXPECT_EQ(OrderOf(recs, kBandCallMode), want);
  std::string key = BuildQsoKey(recs[3], kBandCallMode);
  EXPECT_EQ(key, std::string("kDL1ABC        CW    "));
  // CW before SSB for the same call.
  EXPECT_LT(key, BuildQsoKey(recs[2], kBandCallMode));
}

TEST(QsoKeys, DateTimeSortsChronologicallyAcrossDays) {
  std::vector<TContestQSORec> recs = {Qso('k', "C", "CW", 150001, 0),
                                      Qso('k', "B", "CW", 150000, 86399),
                                      Qso('k', "A", "CW", 150000, 256)};
  EXPECT_EQ(OrderOf(recs, kDatumZeit), (std::vector<std::string>{"A", "B", "C"}));
  // Call first, then the time.
  recs[0].SetCall("A");
  EXPECT_EQ(OrderOf(recs, kCallDatumZeit), (std::vector<std::string>{"A", "A", "B"}));
  EXPECT_EQ(BuildQsoKey(recs[2], kCallDatumZeit).substr(0, 14), "A             ");
}

TEST(QsoKeys, DescendingKeysPutTheHighestSerialFirstWithinTheBand) {
  std::vector<TContestQSORec> recs;
  for (int n : {3, 120, 7}) {
    TContestQSORec q = Qso('k', "N" + std::to_string(n), "CW", 1, n);
    q.SetwagBandNrIntern(n);
    q.SetwagBandNr(n);
    recs.push_back(q);
  }
  TContestQSORec other = Qso('j', "J1", "CW", 1, 0);
  other.SetwagBandNrIntern(1);
  recs.push_back(other);
  EXPECT_EQ(OrderOf(recs, kBandNrInternDesc), (std::vector<std::string>{"J1", "N120", "N7", "N3"}));
  EXPECT_EQ(OrderOf(recs, kBandNrDesc), (std::vector<std::string>{"J1", "N120", "N7", "N3"}));
  EXPECT_EQ(OrderOf(recs, kBandNrIntern), (std::vector<std::string>{"J1", "N3", "N7", "N120"}));
  EXPECT_EQ(BuildQsoKey(recs[1], kBandNrInternDesc), "k" + keycodec::LongKey(99999999 - 120));
}

TEST(QsoKeys, ModeThenModeSerialDescending) {
  std::vector<TContestQSORec> recs = {Qso('k', "S1", "SSB", 1, 1), Qso('k', "C1", "CW", 1, 2),
                                      Qso('k', "C2", "CW", 1, 3)};
  recs[0].SetModeNr(1);
  recs[1].SetModeNr(1);
  recs[2].SetModeNr(2);
  EXPECT_EQ(OrderOf(recs, kModeNrDesc), (std::vector<std::string>{"C2", "C1", "S1"}));
}

TEST(QsoKeys, FieldKeysArePaddedToTheirWidths) {
  TContestQSORec q = Qso('k', "DL1ABC", "CW", 1, 1);
  q.SetDOK("B01");
  q.SetLoc("JN39");
  q.SetDXCC("DL");
  q.SetPrefix("DL1");
  q.SetWAZ_USStaat("C");
  q.SetCall2("123");
  q.SetCMulti("B");
  q.SetDistrict('B');
  q.SetSDOK('Z');
  EXPECT_EQ(BuildQsoKey(q, kDok), "B01     ");
  EXPECT_EQ(BuildQsoKey(q, kBandDok), "kB01     ");
  EXPECT_EQ(BuildQsoKey(q, kBandLoc), "kJN39  ");
  EXPECT_EQ(BuildQsoKey(q, kDxcc), "DL    ");
  EXPECT_EQ(BuildQsoKey(q, kBandDxcc), "kDL    ");
  EXPECT_EQ(BuildQsoKey(q, kBandPrefix), "kDL1   ");
  EXPECT_EQ(BuildQsoKey(q, kPrefix), "DL1   ");
  EXPECT_EQ(BuildQsoKey(q, kBandZone), "kC ");
  EXPECT_EQ(BuildQsoKey(q, kZone), "C ");
  EXPECT_EQ(BuildQsoKey(q, kCall2), "123         ");
  EXPECT_EQ(BuildQsoKey(q, kBandCall2), "k123         ");
  EXPECT_EQ(BuildQsoKey(q, kCMulti), "B     ");
  EXPECT_EQ(BuildQsoKey(q, kCall), "DL1ABC        ");
  EXPECT_EQ(BuildQsoKey(q, kBandDistrict), "kB");
  EXPECT_EQ(BuildQsoKey(q, kBandSdok), "kZ");
  EXPECT_EQ(BuildQsoKey(q, kBandSd), "kZ");
  EXPECT_EQ(BuildQsoKey(q, kDistrictSdok), "BZ");
  q.SetDOK("ABCDEFGH");
  EXPECT_EQ(BuildQsoKey(q, kDok), "ABCDEFGH");
}

TEST(ContestListKeys, CodeThenNameAndCodeThenDate) {
  TContestListRec a, b;
  a.SetTyp('d');
  a.SetName("Saar-Contest");
  a.SetDatumVon(150100);
  a.SetNummer(2);
  b.SetTyp('d');
  b.SetName("Saar");
  b.SetDatumVon(150000);
  b.SetNummer(10);
  EXPECT_EQ(BuildListKey(b, kListTypName), "dSaar" + std::string(21, ' '));
  EXPECT_LT(BuildListKey(b, kListTypName), BuildListKey(a, kListTypName));
  EXPECT_LT(BuildListKey(b, kListTypDatum), BuildListKey(a, kListTypDatum));
  EXPECT_LT(BuildListKey(a, kListNummer), BuildListKey(b, kListNummer));
  // The browser's bounds are the code alone: every key of the code starts with it.
  EXPECT_EQ(BuildListKey(a, kListTypDatum)[0], 'd');
  EXPECT_FALSE(ListKeys().Item(1).Duplicates);
  EXPECT_FALSE(ListKeys().Item(3).Duplicates);
  EXPECT_EQ(ListKeys().Item(5).Expression, "Name");
}

}  // namespace
