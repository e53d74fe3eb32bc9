// The tallies of a log: the full recount over the stored log, the live tallies QSO by
// QSO and the stored summary agree.
#include <gtest/gtest.h>

#include "foundation/daynumber.h"
#include "tallyfixture.h"

namespace tallytest {
namespace {

class LogTallies : public TallyLogTest {};

TEST_F(LogTallies, FullRecountOfASaarLog) {
  MakeContest('d', "Q01");
  AddQso({"DL1AA", 'b', "Q05", "SSB", 0, 0});
  AddQso({"DL2BB", 'b', "Q05", "SSB", 0, 0});
  AddQso({"DL3CC", 'b', "Z19", "SSB", 0, 0});
  AddQso({"DL4DD", 'b', "B12", "SSB", 0, 0});
  AddQso({"DL5EE", 'b', "", "SSB", 0, 0});
  TContestLogState& s = State();
  s.CurrentBand = 'b';
  s.PointsTotal = 99;
  s.RecountTotals(true);
  EXPECT_EQ(s.PointsTotal, 8);
  EXPECT_EQ(s.BandPoints['b'], 8);
  EXPECT_EQ(s.BandQsos['b'], 5);
  EXPECT_EQ(s.NextQsoNumber, 6);
  EXPECT_EQ(s.SessionQsoCount, 0);
  EXPECT_EQ(s.LastLogBand, 'b');
  EXPECT_EQ(s.MultiTotal, 2);  // Q05 and Z19; B12 is no DOK of the contest
  EXPECT_EQ(s.BandMultis['b'], 2);
  EXPECT_EQ(s.Score(), 16);
  EXPECT_EQ(s.ShowScore().Label21, "16 Pkt.");
  // The recount wrote the points into the log.
  uint16_t stored = 0;
  for (const TContestQSORec& r : Log()) stored = uint16_t(stored + r.Points());
  EXPECT_EQ(stored, 8);
}

}  // namespace
}  // namespace tallytest

namespace tallytest {
namespace {

// A QSO as the operator types it, with what the preview would have filled in.
struct TTyped {
  const char* Call;
  char Band;
  const char* Dok;
  const char* Dxcc = "";
  bool Dupe = false;  // the dupe check marked it (scopes 7-10)
  const char* Mode = "SSB";
};

struct TFigures {
  TBandTally Qsos, Points, Multis;
  int32_t PointsTotal = 0;
};

// The figures of a log counted by hand from the contest's rules.
struct THandCount {
  int32_t Qsos, Points, Multis;
  int64_t Score;
};

class OneLogOneScore : public TallyLogTest {
 protected:
  // The save road of the log window, QSO by QSO: a new entry recounts the multiplier
  // total, the entry's multipliers are evaluated, the QSO is scored and stored.
  TFigures Type(const std::vector<TTyped>& qsos) {
    TContestLogState& s = State();
    s.RecountTotals(true);
    for (const TTyped& t : qsos) {
      s.CurrentBand = t.Band;
      s.RecountTotals(false);
      TContestQSORec rec;
      rec.SetCall(t.Call);
      rec.SetBandcode(t.Band);
      rec.SetMode(t.Mode);
      rec.SetDOK(t.Dok);
      rec.SetDXCC(t.Dxcc);
      rec.SetPrefix(t.Dxcc);
      rec.SetContinent("EU");
      rec.SetDatum(daynumber::FromYMD(2026, 3, 18));
      rec.SetZeit(6 * 3600 + 60 * minute_++);
      rec.SetZeroPoints(t.Dupe ? 255 : 0);
      s.RefreshMultiplierStatus(rec);
      qso_->SetQSORec(rec);
      const int points = logCommon_->CalcQsoPoints(def_, *list_, *qso_);
      rec.SetPoints(uint16_t(points));
      qso_->SetQSORec(rec);
      EXPECT_TRUE(qso_->Add()) << t.Call;
      s.PointsTotal += points;
      s.BandPoints[uint8_t(t.Band)] += points;
      s.BandQsos[uint8_t(t.Band)] += 1;
      s.ClearMarksAndPending();
    }
    return Figures();
  }
  TFigures Figures() {
    TContestLogState& s = State();
    return {s.BandQsos, s.BandPoints, s.BandMultis, s.PointsTotal};
  }
  // The figures RecalcLog stored, by band code.
  TFigures Stored() {
    EXPECT_TRUE(State().RecalcLog());
    EXPECT_TRUE(list_->FindNumber(number_));
    EXPECT_TRUE(config_->FindNumber(number_));
    const TContestListRec l = list_->GetListRec();
    const TContestConfigRec c = config_->GetConfigRec();
    TFigures f;
    const bool longForm = l.TotalsInConfig() != 0;
    for (int i = 1; i <= (longForm ? 100 : 7); ++i) {
      const char band = def_.Bands[size_t(i)];
      if (band < 'a' || band > 'z') continue;
      const size_t b = uint8_t(band);
      f.Qsos[b] = longForm ? c.BandQsos(i) : l.RowQsos(i);
      f.Points[b] = longForm ? c.BandPoints(i) : l.RowPoints(i);
      const size_t m = uint8_t(TContLogAlle::TallyIndex(band, def_.MultiplierBandMode, true));
      if (m == b || i == 1) f.Multis[m] = longForm ? c.BandMultipliers(i) : l.RowMultipliers(i);
      f.PointsTotal += f.Points[b];
    }
    return f;
  }
  void ExpectSame(const TFigures& a, const TFigures& b, const char* what) {
    SCOPED_TRACE(what);
    for (char band : def_.Bands) {
      if (band < 'a' || band > 'z') continue;
      const size_t i = uint8_t(band);
      EXPECT_EQ(a.Qsos[i], b.Qsos[i]) << band;
      EXPECT_EQ(a.Points[i], b.Points[i]) << band;
    }
    for (size_t i = 1; i <= TBandTally::kSize; ++i) EXPECT_EQ(a.Multis[i], b.Multis[i]) << i;
    EXPECT_EQ(a.PointsTotal, b.PointsTotal);
  }
  // Live, recounted and stored figures agree, and with the hand count; returns the
  // recounted ones.
  TFigures Check(const std::vector<TTyped>& qsos, const THandCount& hand) {
    const TFigures live = Type(qsos);
    State().RecountTotals(true);
    const TFigures recount = Figures();
    ExpectSame(live, recount, "live and recount");
    ExpectSame(Stored(), recount, "stored and recount");
    int32_t count = 0, multis = 0;
    for (int32_t q : recount.Qsos) count += q;
    for (int32_t m : recount.Multis) multis += m;
    EXPECT_EQ(count, hand.Qsos);
    EXPECT_EQ(recount.PointsTotal, hand.Points);
    EXPECT_EQ(multis, hand.Multis);
    EXPECT_EQ(State().Score(), hand.Score);
    return recount;
  }
};

TEST_F(OneLogOneScore, Saar) {
  MakeContest('d', "Q01");
  Check({{"DL1AA", 'b', "Q05"},
         {"DL2BB", 'b', "Q05"},
         {"DL3CC", 'b', "Z19"},
         {"DL3CC", 'b', "Q07", "", true},  // Q07 first with a dupe
         {"DL4DD", 'b', "B12"},
         {"DL5EE", 'b', ""},
         {"DL6FF", 'b', "Q07"},
         {"DL7GG", 'b', "Q01"}},
        // 2 a Saar DOK, 1 other, 0 the own DOK and the dupe; Q05 Z19 Q07 Q01.
        {8, 10, 4, 40});
}

TEST_F(OneLogOneScore, DistrictsAndCallMultipliers) {
  MakeContest('h', "A01");
  Check({{"DL1AA", 'b', "A0X"},  // no district: A first arrives refused
         {"DL2BB", 'b', "A12"},
         {"DL3CC", 'b', "B05"},
         {"DL3CC", 'b', "C07", "", true},
         {"DL4DD", 'b', "C07"},
         {"DL5EE", 'b', "K32"}},
        // 1 a QSO on 80 m; the DOK K32 and the districts A, B, C.
        {6, 5, 4, 20});
}

TEST_F(OneLogOneScore, EveryDokCountsInL) {
  MakeContest('L', "Q01");
  Check({{"DL1AA", 'b', "Q05"},
         {"DL2BB", 'b', "Q05"},
         {"DL3CC", 'b', "DVL", "", true},
         {"DL0GC", 'b', "DVL"},
         {"DL5EE", 'b', "B12"}},
        // DL0GC 45, the others 1, the dupe 0; DVL twice, Q05 and B12 are no DOKs of 'L'.
        {5, 48, 2, 96});
}

TEST_F(OneLogOneScore, ADokInTwoModesWhereModesCountApart) {
  MakeContest('G', "Q01");
  ASSERT_EQ(def_.MultiplierBandMode, 2);
  const TFigures f = Check({{"DL1AA", 'b', "Z05", "", false, "CW"},
                            {"DL2BB", 'b', "Z05", "", false, "SSB"},
                            {"DL3CC", 'b', "Z21", "", false, "SSB"}},
                           {3, 3, 4, 12});
  EXPECT_EQ(f.Multis['b'], 4);  // each a special DOK worth 2, once per band
}

const std::vector<TTyped> kDxccLog = {{"DL1AA", 'b', "", "DL"}, {"F1ABC", 'b', "", "F"},
                                      {"F1ABC", 'c', "", "F"},  {"G3XYZ", 'c', "", "G", true},
                                      {"G4XYZ", 'c', "", "G"},  {"OE1AA", 'e', "", "OE"},
                                      {"DL2BB", 'e', "", "DL"}, {"SP1AA", 'g', "", "SP"}};

TEST_F(OneLogOneScore, DxccWithAGermanOwnCall) {
  MakeContest('W', "Q01", "DK2ZZ");
  // DL 1, other entities 5, the dupe 0; entities per band: b 2, c 2, e 2, g 1.
  Check(kDxccLog, {8, 27, 7, 189});
}

TEST_F(OneLogOneScore, DistrictsWithAForeignOwnCall) {
  MakeContest('W', "", "PA1ZZ");
  ASSERT_TRUE(def_.MultiplierKinds.test(18));
  Check({{"DL1AA", 'b', "A01", "DL"},
         {"DL2BB", 'b', "A05", "DL"},
         {"DL3CC", 'c', "A01", "DL"},
         {"DL3CC", 'c', "C07", "DL", true},
         {"DL4DD", 'c', "C03", "DL"},
         {"DL5EE", 'e', "B12", "DL"},
         {"DL6FF", 'g', "", "DL"}},
        // 3 a German partner, the dupe 0; districts b: A, c: A C, e: B.
        {7, 18, 4, 72});
}

// Prefixes count at the width the log keys them: DK10 and DK100 are one.
TEST_F(OneLogOneScore, PrefixesAsTheKeysCompareThem) {
  MakeContest('P', "");
  const TFigures f = Check({{"DK10AB", 'k', "", "DK10"},
                            {"DK100A", 'k', "", "DK100"},
                            {"DL1AA", 'k', "", "DL1"},
                            {"DK10CD", 'b', "", "DK10"}},
                           // No exchange scores nothing; the points alone are the score.
                           {4, 0, 2, 0});
  EXPECT_EQ(f.Multis[1], 2);
}

TEST_F(OneLogOneScore, ScoredPerBand) {
  MakeContest('s', "Q01");
  ASSERT_TRUE(def_.ScorePerBand);
  // 1 a QSO, the dupe 0; entities per band b 2, c 2, e 2, g 1: 2x2 + 2x2 + 2x2 + 1x1.
  const TFigures f = Check(kDxccLog, {8, 7, 7, 13});
  int64_t sum = 0;
  for (char band : {'b', 'c', 'e', 'g'}) {
    const int32_t m = f.Multis[uint8_t(band)], p = f.Points[uint8_t(band)];
    sum += m > 0 ? int64_t(m) * p : p;
  }
  EXPECT_EQ(State().Score(), sum);
}

}  // namespace
}  // namespace tallytest

namespace tallytest {
namespace {

class EntryMultipliers : public TallyLogTest {
 protected:
  TContestQSORec Entry(const char* call, char band, const char* dok) {
    TContestQSORec rec;
    rec.SetCall(call);
    rec.SetBandcode(band);
    rec.SetMode("SSB");
    rec.SetDOK(dok);
    return rec;
  }
};

TEST_F(EntryMultipliers, ANewValueOfAFullListIsPendingButNotListed) {
  MakeContest('d', "Q01");
  TContestLogState& s = State();
  s.CurrentBand = 'b';
  for (int i = 1; i <= TMultiLists::kEntries; ++i)
    s.MultiLists.SetEntry(4, i, "A" + std::to_string(1000 + i));
  TContestQSORec rec = Entry("DL1AA", 'b', "Q05");
  s.RefreshMultiplierStatus(rec);
  EXPECT_EQ(s.MultiTotal, 1);
  EXPECT_EQ(s.BandMultis['b'], 1);
  EXPECT_EQ(rec.CMulti(), "Q05   ");  // fitted to the kind's width, cut to the field
  EXPECT_EQ(s.MultiLists.Pending(4).Value, "Q05     ");
  EXPECT_FALSE(s.MultiLists.Listed(4, "Q05"));
  EXPECT_EQ(s.MultiLists.Text(4, TMultiLists::kEntries), "A1500");
  // The entry changes: what it added goes, the list keeps all it held.
  s.ResetPendingMultipliers();
  EXPECT_EQ(s.MultiTotal, 0);
  EXPECT_EQ(s.MultiLists.Count(4), TMultiLists::kEntries);
}

TEST_F(EntryMultipliers, WithoutABandOfTheEntryTheRecordsBandCounts) {
  MakeContest('d', "Q01");
  TContestLogState& s = State();
  ASSERT_EQ(s.CurrentBand, 0);  // no band chosen yet
  TContestQSORec rec = Entry("DL1AA", 'b', "Q05");
  s.RefreshMultiplierStatus(rec);
  EXPECT_EQ(s.MultiTotal, 1);
  EXPECT_EQ(s.BandMultis['b'], 1);
  s.ResetPendingMultipliers();
  EXPECT_EQ(s.MultiTotal, 0);
  EXPECT_EQ(s.BandMultis['b'], 0);
}

TEST_F(EntryMultipliers, WorkedBeforeIsMarkedAndCountsNothing) {
  MakeContest('d', "Q01");
  AddQso({"DL1AA", 'b', "Q05", "SSB", 2, 0});
  TContestLogState& s = State();
  s.CurrentBand = 'b';
  s.RecountTotals(true);
  ASSERT_EQ(s.MultiTotal, 1);
  TContestQSORec rec = Entry("DL2BB", 'b', "Q05");
  s.RefreshMultiplierStatus(rec);
  EXPECT_EQ(s.MultiTotal, 1);
  EXPECT_EQ(rec.CMulti(), "");
  EXPECT_EQ(s.MultiLists.Mark(4, 1), TMultiLists::kMarkWorked);
  // A second evaluation of the same entry does not count twice.
  rec = Entry("DL2BB", 'b', "Z19");
  s.RefreshMultiplierStatus(rec);
  s.RefreshMultiplierStatus(rec);
  EXPECT_EQ(s.MultiTotal, 2);
  EXPECT_EQ(s.MultiLists.Count(4), 2);
  EXPECT_EQ(s.ShowStatistics().Multis.size(), 2u);
}

TEST_F(EntryMultipliers, ADistrictUnderTheCaptionDokShowsTheWholeDok) {
  MakeContest('h', "A01");
  ASSERT_TRUE(def_.MultiplierKinds.test(18));
  ASSERT_EQ(def_.MultiplierName[1], "DOK");
  def_.MultiplierKinds.reset(4);  // the district alone stands for the column
  TContestLogState& s = State();
  s.CurrentBand = 'b';
  TContestQSORec rec = Entry("DL1AA", 'b', "A12");
  s.RefreshMultiplierStatus(rec);
  EXPECT_EQ(rec.CMulti(), "A12");
  EXPECT_TRUE(s.MultiLists.Listed(18, "A"));
}

TEST_F(EntryMultipliers, AKindStandingForTwoColumnsWritesBoth) {
  MakeContest('W', "Q01", "DK2ZZ");
  def_.MultiplierName[2] = "Prefix";  // a name of the DXCC as well
  TContestLogState& s = State();
  s.CurrentBand = 'b';
  TContestQSORec rec = Entry("F1AA", 'b', "");
  rec.SetDXCC("F");
  s.RefreshMultiplierStatus(rec);
  EXPECT_EQ(rec.CMulti(), "F     ");
  EXPECT_EQ(rec.Multi2(), "F     ");
}

TEST_F(EntryMultipliers, OneTallyForAllBandsKnowsValuesOfOtherBands) {
  MakeContest('o', "Z01");
  ASSERT_EQ(def_.MultiplierBandMode, 1);
  AddQso({"DL1AA", 'l', "Z05", "SSB", 2, 0});
  TContestLogState& s = State();
  s.CurrentBand = 'k';
  s.RecountTotals(true);
  const int32_t before = s.MultiTotal;
  TContestQSORec rec = Entry("DL2BB", 'k', "Z05");
  s.RefreshMultiplierStatus(rec);
  EXPECT_EQ(s.MultiTotal, before);
  rec = Entry("DL2BB", 'k', "Z07");
  s.RefreshMultiplierStatus(rec);
  EXPECT_EQ(s.MultiTotal, before + 1);
  EXPECT_EQ(s.BandMultis[1], before + 1);
  EXPECT_EQ(s.BandMultis['k'], 0);
}

// Band b: 5 QSOs, DOKs Q05 and Z19, 8 points; the DOK is multiplier column 1.
class RecalcLogTest : public TallyLogTest {
 protected:
  void Run(bool longForm) {
    MakeContest('d', "Q01");
    if (longForm) {
      TContestListRec l = list_->GetListRec();
      l.SetTotalsInConfig(255);
      list_->SetListRec(l);
      ASSERT_TRUE(list_->Modify());
    }
    const char* calls[] = {"DL1AA", "DL2BB", "DL3CC", "DL4DD", "DL5EE"};
    const char* doks[] = {"Q05", "Q05", "Z19", "B12", ""};
    for (int i = 0; i < 5; ++i) AddQso({calls[i], 'b', doks[i], "SSB", 0, 0});
    AddQso({"", 'c', "", "", 0, 'c'});  // a band change is no QSO
    TContestLogState& s = State();
    s.CurrentBand = 'b';
    s.RecountTotals(true);
    ASSERT_TRUE(s.RecalcLog());
    TdbContest list(TdbContestBase::kList), config(TdbContestBase::kConfig);
    ASSERT_TRUE(list.FindNumber(number_));
    ASSERT_TRUE(config.FindNumber(number_));
    l_ = list.GetListRec();
    c_ = config.GetConfigRec();
  }
  TContestListRec l_;
  TContestConfigRec c_;
};

TEST_F(RecalcLogTest, ShortFormOfAHandCountedLog) {
  Run(false);
  EXPECT_EQ(l_.I16(196), 5);
  EXPECT_EQ(l_.I16(206), 2);
  EXPECT_EQ(l_.I32(226), 8);
  EXPECT_EQ(l_.I16(261), 2);
  EXPECT_EQ(c_.I32(8), 0);
}

TEST_F(RecalcLogTest, LongFormOfAHandCountedLog) {
  Run(true);
  EXPECT_EQ(c_.I32(8), 5);
  EXPECT_EQ(c_.I32(408), 2);
  EXPECT_EQ(c_.I32(808), 8);
  EXPECT_EQ(c_.I16(1208), 2);
  EXPECT_EQ(l_.I16(196), 0);
}

}  // namespace
}  // namespace tallytest
