// The totals footer of the printed and E-Log lists claims the score of the one score
// function, each line ending at the width of the longest list line.
#include <gtest/gtest.h>

#include "foundation/cp1252.h"
#include "output/allerout.h"
#include "output/outputfixture.h"

namespace {

class TotalsFooter : public OutputTest {
 protected:
  // The footer lines of an E-Log file without their indent.
  std::vector<std::string> Footer(int width) {
    desktop_.FilesToSave.push_back(Q(dir_.File("f.ALL")));
    EXPECT_TRUE(out_.BeginJob(7));
    EXPECT_TRUE(out_.ChooseTargetFile(7, *list_, def_));
    out_.WriteTotalsFooter(def_, *list_, *config_, width);
    EXPECT_TRUE(out_.CloseTargetFile(false));
    std::vector<std::string> lines;
    for (const std::string& l : CrLfLines(ReadFile(dir_.File("f.ALL"))))
      lines.push_back(l.substr(5));
    return lines;
  }
  TAlleRout out_;
};

TEST_F(TotalsFooter, ScoreFollowsTheContestsScoreRule) {
  MakeContest('d');
  TContestConfigRec c = config_->GetConfigRec();
  c.SetBandMultipliers(1, 2);
  c.SetBandPoints(1, 5);
  c.SetBandPoints(2, 7);  // a band without multipliers adds its points
  config_->SetConfigRec(c);
  struct {
    const char* Name;
    bool Kinds, PerBand, PointsOnly;
    int32_t M1, M2, Total;
    std::vector<std::string> Lines;
  } const cases[] = {
      {"multiplied",
       true,
       false,
       false,
       2,
       1,
       3,
       {"                         ", "(    2 +     1) x      10", "                         ",
        "                30 Punkte"}},
      {"no multiplier worked",
       true,
       false,
       false,
       0,
       0,
       0,
       {"                         ", "                x      10", "                         ",
        "                10 Punkte"}},
      {"no kinds",
       false,
       false,
       false,
       2,
       1,
       3,
       {"                         ", "                10 Punkte"}},
      {"points only",
       true,
       false,
       true,
       2,
       1,
       3,
       {"                         ", "                10 Punkte"}},
      {"per band",
       true,
       true,
       false,
       2,
       1,
       3,
       {"                         ", "                17 Punkte"}},
  };
  for (const auto& k : cases) {
    def_.MultiplierKinds.reset();
    if (k.Kinds) def_.MultiplierKinds.set(4);
    def_.ScorePerBand = k.PerBand;
    def_.ScorePointsOnly = k.PointsOnly;
    out_.Multi1 = k.M1;
    out_.Multi2 = k.M2;
    out_.MultiTotal = k.Total;
    out_.Points = 10;
    EXPECT_EQ(Footer(25), k.Lines) << k.Name;
  }
}

TEST_F(TotalsFooter, PostcodeContestCountsItsAreasAndShortLinesAreNotPadded) {
  MakeContest('5');
  def_.MultiplierKinds.reset();
  out_.MultiTotal = 12;
  out_.Points = 40;
  EXPECT_EQ(Footer(0), (std::vector<std::string>{" ", "     40 Punkte", "     12 PLZ-Bereiche"}));
}

}  // namespace
