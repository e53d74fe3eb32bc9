// The whole road: QSOs typed into the real log window, the window closed, then the STF
// file and the cover sheet written by the output jobs from what the window stored.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "contest/contestload.h"
#include "log/contlogstd.h"
#include "log/logstate.h"
#include "log/logwindowtyping.h"
#include "output/outputfixture.h"

namespace {

class RoadStf : public OutputTest {};

// The value of a header keyword (padded to 13 characters) of the file's lines; the file
// is written in capitals.
std::string HeaderValue(const std::vector<std::string>& lines, const std::string& keyword) {
  for (const std::string& l : lines)
    if (l.size() > 13 && l.starts_with(keyword) && l[keyword.size()] == ' ') return l.substr(13);
  return "(missing)";
}

TEST_F(RoadStf, FiveTypedSaarQsosClaimTheScoreTheWindowCounted) {
  MakeContest('d', 1);
  ChangeList([](TContestListRec& r) {
    r.SetDOK("Q01");
    r.SetDateAuto(255);
    r.SetTimeAuto(255);
  });
  ASSERT_TRUE(LoadContestDefinition(def_, *list_, 'd', true));
  {
    TContestLogStd w(contest_, *config_, *list_, def_);
    logtyping::ShowActive(w);
    const std::pair<const char*, const char*> qsos[] = {
        {"DL1AA", "Q05"}, {"DL2BB", "Q05"}, {"DL3CC", "Z19"}, {"DL4DD", "B12"}, {"DL5EE", ""}};
    for (const auto& [call, dok] : qsos) logtyping::DokQso(desktop_, w, call, dok);
    w.CloseLog();
  }
  ASSERT_TRUE(list_->FindNumber(contest_));
  const std::vector<std::string> lines = CrLfLines(RunJob(8, "road.stf"));
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front(), "STF1");
  EXPECT_EQ(HeaderValue(lines, "CLAIMEDQSO"), "5");
  EXPECT_EQ(HeaderValue(lines, "CLAIMEDPTS"), "8");
  EXPECT_EQ(HeaderValue(lines, "CLAIMEDMULT"), "2");
  EXPECT_EQ(HeaderValue(lines, "CLAIMEDSCORE"), "16");
  // One QSO line each, between the list's head and its end.
  const auto head = std::find(lines.begin(), lines.end(), "QSOLIST");
  const auto end = std::find(lines.begin(), lines.end(), "ENDQSOLIST");
  ASSERT_NE(head, lines.end());
  EXPECT_EQ(end - head - 1, 5);
}

}  // namespace

namespace {

// The RLP week log of one class, typed into the window: two DOKs of Rhineland-Palatinate
// (K01, K05), its club DOK DVK, and DOKs of the districts A (twice) and B.
struct TRlpClass {
  uint8_t Class;
  bool Locator;  // the class asks for a locator after the DOK
  int32_t Points, Multis;
  int Dok, Sdok, Districts;  // the sheet's columns; -1: the sheet has no band table
};

void PrintTo(const TRlpClass& c, std::ostream* os) { *os << "class " << int(c.Class); }

class RlpWeekRoad : public OutputTest, public testing::WithParamInterface<TRlpClass> {};

TEST_P(RlpWeekRoad, SheetColumnsAddUpToTheMultipliersAndTheScoreIsTheWindows) {
  const TRlpClass& c = GetParam();
  MakeContest('h', c.Class);
  ChangeList([](TContestListRec& r) {
    r.SetDOK("K40");
    r.SetDateAuto(255);
    r.SetTimeAuto(255);
  });
  ASSERT_TRUE(LoadContestDefinition(def_, *list_, 'h', true));
  int64_t windowScore = 0;
  {
    TContestLogStd w(contest_, *config_, *list_, def_);
    logtyping::ShowActive(w);
    const std::pair<const char*, const char*> qsos[] = {{"DL1AA", "K01"}, {"DL2BB", "K05"},
                                                        {"DL3CC", "A01"}, {"DL4DD", "A05"},
                                                        {"DL5EE", "DVK"}, {"DL6FF", "B12"}};
    for (const auto& [call, dok] : qsos) {
      logtyping::DokQso(desktop_, w, call, dok);
      if (c.Locator) logtyping::Enter("JN39");
    }
    windowScore = w.LogState->Score();
    w.CloseLog();
  }
  ASSERT_TRUE(list_->FindNumber(contest_));
  const std::vector<std::string> lines = CrLfLines(RunJob(6, "h.SUM"));
  int64_t points = -1, multis = -1, score = -1;
  std::vector<int> sum;  // QSOs, points, Callmulti, Loc, DOK, SDOK (, Distrikte)
  for (const std::string& l : lines) {
    std::istringstream in(l);
    std::string word, unit;
    in >> word;
    if (word == "Endergebnis:") in >> points >> unit >> unit >> multis >> unit >> unit >> score;
    if (word == "Summe")
      for (int v; in >> v;) sum.push_back(v);
  }
  EXPECT_EQ(points, c.Points);
  EXPECT_EQ(multis, c.Multis);
  EXPECT_EQ(score, c.Points * c.Multis);
  EXPECT_EQ(score, windowScore);
  if (c.Dok < 0) {
    EXPECT_TRUE(sum.empty());
    return;
  }
  ASSERT_EQ(sum.size(), c.Districts < 0 ? 6u : 7u);
  EXPECT_EQ(sum[4], c.Dok);
  EXPECT_EQ(sum[5], c.Sdok);
  const int districts = c.Districts < 0 ? 0 : sum[6];
  EXPECT_EQ(districts, std::max(c.Districts, 0));
  // From class 4 on each Rhineland-Palatinate DOK (K01, K05, DVK) weighs 2 more.
  const int weight = c.Class >= 4 ? 2 * 3 : 0;
  EXPECT_EQ(sum[2] + sum[3] + sum[4] + sum[5] + districts + weight, c.Multis);
}

// 80 m: the K DOKs and DVK are DOK multipliers, the others count as their districts A, B.
INSTANTIATE_TEST_SUITE_P(EightyMetreClasses, RlpWeekRoad,
                         testing::Values(TRlpClass{1, false, 6, 5, 2, 1, 2},
                                         TRlpClass{2, false, 6, 5, 2, 1, 2},
                                         TRlpClass{3, false, 6, 5, 2, 1, 2}));

// 10 m, 2 m, 70 cm: every DOK counts, those of Rhineland-Palatinate 3 each; one square.
// Class 6 counts once for all bands: its sheet has no band table.
INSTANTIATE_TEST_SUITE_P(TenMetreAndVhfClasses, RlpWeekRoad,
                         testing::Values(TRlpClass{4, false, 6, 12, 5, 1, -1},
                                         TRlpClass{5, true, 6, 13, 5, 1, -1},
                                         TRlpClass{6, true, 6, 13, -1, -1, -1}));

// The all-band class: the DOKs of Rhineland-Palatinate weigh 3, the other DOKs count as
// their districts; its multipliers count once for all bands, so the sheet has no table.
INSTANTIATE_TEST_SUITE_P(AllBandClass, RlpWeekRoad,
                         testing::Values(TRlpClass{8, false, 6, 11, -1, -1, -1}));

}  // namespace
