// The score panel and the entry panel's statistics as data, and the multiplier lists.
#include <gtest/gtest.h>

#include "log/multilists.h"
#include "tallyfixture.h"

namespace tallytest {
namespace {

class LogScore : public TallyLogTest {
 protected:
  void SetUp() override {
    TallyLogTest::SetUp();
    MakeContest('d');
  }
};

struct TScoreCase {
  const char* Name;
  bool Kinds, PointsOnly, PerBand;
  const char* Caption;
  const char *Label19, *Label20, *Label21;
  bool Label20Hidden;
};

// Band c: 3 multipliers, 70 points; band d: no multipliers, 30 points.
const TScoreCase kScoreCases[] = {
    {"Multiplied", true, false, false, "DOK", "3 Multi x", "100 Punkte =", "300 Pkt.", false},
    {"NoKinds", false, false, false, "DOK", "", "", "100 Pkt.", false},
    {"PointsOnlyPlz", true, true, false, "PLZ", "3 PLZ", "100 Punkte =", "100 Pkt.", false},
    {"PointsOnlyPrefix", true, true, false, "Prefix", "3 Prefixe", "100 Punkte =", "100 Pkt.",
     false},
    // Per band: 3 x 70 + 30 for the band without multipliers.
    {"PerBand", true, false, true, "DOK", "3 Multi", "100 Punkte", "240 Pkt.", true},
};

TEST_F(LogScore, ScorePanelTexts) {
  for (const TScoreCase& c : kScoreCases) {
    SCOPED_TRACE(c.Name);
    def_.MultiplierKinds.reset();
    if (c.Kinds) def_.MultiplierKinds.set(4);
    def_.ScorePointsOnly = c.PointsOnly;
    def_.ScorePerBand = c.PerBand;
    def_.MultiplierName[1] = c.Caption;
    TContestLogState& s = State();
    s.BandMultis.Fill(0);
    s.BandMultis['c'] = 3;
    s.BandPoints['c'] = 70;
    s.BandPoints['d'] = 30;
    s.BandQsos['c'] = 5;
    s.BandQsos['d'] = 2;
    const TScorePanel p = s.ShowScore();
    EXPECT_EQ(p.Label19, c.Label19);
    EXPECT_EQ(p.Label20, c.Label20);
    EXPECT_EQ(p.Label21, c.Label21);
    EXPECT_EQ(p.Label20Hidden, c.Label20Hidden);
    EXPECT_EQ(p.Label28, "7 QSO");
  }
}

TEST_F(LogScore, BandColumnsFollowTheScorePanelBandsAndMarkTheEntrysBand) {
  def_.Bands.Fill(0);
  def_.Bands[1] = 'c';
  def_.Bands[2] = 'd';
  TContestLogState& s = State();
  s.BandQsos['c'] = 12;
  s.BandMultis['c'] = 4;
  s.BandPoints['c'] = 12345;
  s.BandPoints['d'] = 123456;  // wider than the column
  s.CurrentBand = 'd';
  const TScorePanel p = s.ShowScore();
  EXPECT_EQ(p.Columns[0].Band, 'c');
  EXPECT_EQ(p.Columns[0].Qsos, "   12");
  EXPECT_EQ(p.Columns[0].Multis, "    4");
  EXPECT_EQ(p.Columns[0].Points, "12345");
  EXPECT_FALSE(p.Columns[0].Current);
  EXPECT_TRUE(p.Columns[1].Current);
  EXPECT_EQ(p.Columns[1].Qsos, "    0");
  EXPECT_EQ(p.Columns[1].Points, "*****");
  EXPECT_EQ(p.Columns[2].Band, 0);
  EXPECT_EQ(p.Columns[2].Qsos, "");
}

TEST_F(LogScore, StatisticsCaptionsFiguresAndTheMergedDisplay) {
  TContestLogState& s = State();
  s.CurrentBand = 'c';
  s.PointsTotal = 17;
  s.MultiTotal = 4;
  s.SessionQsoCount = 3;
  s.NextQsoNumber = 9;
  s.MultiLists.Add(4, "Q05", TMultiLists::kMarkWorked);
  s.MultiLists.Add(4, "B12", TMultiLists::kMarkNone);
  s.MultiLists.Add(2, "DL", TMultiLists::kMarkNew);
  s.MultiLists.Add(2, "F", TMultiLists::kMarkNone);
  s.MultiLists.Add(3, "AAA", TMultiLists::kMarkNone);  // not a display kind
  const TStatistics st = s.ShowStatistics();
  EXPECT_EQ(st.lePunkte, "Punkte 40m");
  EXPECT_EQ(st.lemulti, "Multi 40m");
  EXPECT_EQ(st.leqso, "QSO 40m");
  EXPECT_EQ(st.lPunkte, "17");
  EXPECT_EQ(st.lmulti, "4");
  EXPECT_EQ(st.lqso, "3");
  EXPECT_EQ(st.lNummer, "9");
  ASSERT_EQ(st.Multis.size(), 4u);
  const char* order[] = {"B12", "DL", "F", "Q05"};
  const uint8_t marks[] = {0, 1, 0, 2};
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(st.Multis[i].Text, order[i]);
    EXPECT_EQ(st.Multis[i].Mark, marks[i]);
  }
  EXPECT_TRUE(st.GreyBold);
  EXPECT_FALSE(st.WorkedUnderlined);
}

TEST(MultiLists, SortedInsertMarksAndRemoval) {
  TMultiLists l;
  EXPECT_TRUE(l.Add(4, " Q05 ", TMultiLists::kMarkNew));
  EXPECT_TRUE(l.Add(4, "B12", TMultiLists::kMarkNone));
  EXPECT_TRUE(l.Add(4, "Z19", TMultiLists::kMarkNone));
  EXPECT_FALSE(l.Add(4, "Q05", TMultiLists::kMarkWorked));  // already listed: only the mark
  EXPECT_FALSE(l.Add(4, "  ", TMultiLists::kMarkNew));
  ASSERT_EQ(l.Count(4), 3);
  EXPECT_EQ(l.Text(4, 1), "B12");
  EXPECT_EQ(l.Text(4, 2), "Q05");
  EXPECT_EQ(l.Mark(4, 2), TMultiLists::kMarkWorked);
  EXPECT_TRUE(l.Remove(4, "Q05"));
  EXPECT_FALSE(l.Remove(4, "Q05"));
  EXPECT_EQ(l.Count(4), 2);
  EXPECT_EQ(l.Text(4, 2), "Z19");
  EXPECT_EQ(l.Text(4, 3), "");
  // A value longer than an entry is found, marked and removed as it was added.
  EXPECT_TRUE(l.Add(10, "DL2024ABC     ", TMultiLists::kMarkNew));
  EXPECT_TRUE(l.Listed(10, "DL2024ABC"));
  EXPECT_TRUE(l.MarkFirst(10, "DL2024ABC     ", TMultiLists::kMarkWorked));
  EXPECT_EQ(l.Mark(10, 1), TMultiLists::kMarkWorked);
  EXPECT_TRUE(l.Remove(10, "DL2024ABC     "));
  EXPECT_EQ(l.Count(10), 0);
}

TEST(MultiLists, AFullListTakesNoEntryAndKeepsItsLast) {
  TMultiLists l;
  for (int i = 1; i <= TMultiLists::kEntries; ++i) {
    char text[16];
    std::snprintf(text, sizeof text, "V%04d", i);
    l.SetEntry(5, i, text);
  }
  EXPECT_FALSE(l.Add(5, "A000", TMultiLists::kMarkNew));
  EXPECT_EQ(l.Count(5), TMultiLists::kEntries);
  EXPECT_EQ(l.Text(5, 1), "V0001");
  EXPECT_EQ(l.Text(5, TMultiLists::kEntries), "V0500");
  // The merged display shows at most 500 entries, the smallest first.
  l.SetEntry(2, 1, "A");
  const auto merged = l.Merged(std::array<int, 2>{2, 5});
  ASSERT_EQ(merged.size(), size_t(TMultiLists::kEntries));
  EXPECT_EQ(merged.front().Text, "A");
  EXPECT_EQ(merged.back().Text, "V0499");
}

TEST_F(LogScore, TakeBackRemovesOnlyWhatTheEntryAddedAndNeverGoesBelowZero) {
  TContestLogState& s = State();
  s.CurrentBand = 'c';
  s.MultiLists.Add(4, "B12", TMultiLists::kMarkNone);  // worked before the entry
  ASSERT_TRUE(s.MultiLists.Add(4, "Q05", TMultiLists::kMarkNew));
  s.MultiLists.Pending(4) = {"Q05", 'c', true, 1};
  s.MultiLists.Pending(2) = {"DL", 'c', false, 2};  // did not enter a full list
  s.MultiTotal = 2;
  s.BandMultis['c'] = 3;
  s.BandMultis['d'] = 5;
  s.CurrentBand = 'd';  // the band switch takes back what the entry added on c
  s.ResetPendingMultipliers();
  EXPECT_EQ(s.MultiLists.Count(4), 1);
  EXPECT_EQ(s.MultiLists.Text(4, 1), "B12");
  EXPECT_EQ(s.MultiTotal, 0);
  EXPECT_EQ(s.BandMultis['c'], 0);
  EXPECT_EQ(s.BandMultis['d'], 5);
  EXPECT_TRUE(s.MultiLists.Pending(4).Value.empty());
  EXPECT_TRUE(s.MultiLists.Pending(2).Value.empty());
}

}  // namespace
}  // namespace tallytest
