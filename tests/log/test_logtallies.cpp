// The tallies of a log: the full recount over the stored log, the live tallies QSO by
// QSO and the stored summary agree.
#include <gtest/gtest.h>

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
  // The recount wrote the points into the log.
  uint16_t stored = 0;
  for (const TContestQSORec& r : Log()) stored = uint16_t(stored + r.Points());
  EXPECT_EQ(stored, 8);
}

}  // namespace
}  // namespace tallytest
