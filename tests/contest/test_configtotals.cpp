// The summary of the configuration dialog from the stored per-band counts.
#include <gtest/gtest.h>

#include "contest/configtotals.h"
#include "contest/contestrec.h"
#include "tables/contestrecs.h"

namespace {

std::string Name(char band) { return std::string("B") + band; }

class ConfigTotals : public ::testing::Test {
 protected:
  void SetUp() override {
    def_.Bands[1] = 'b';
    def_.Bands[2] = 'c';
    list_.SetRowQsos(1, 10);
    list_.SetRowMultipliers(1, 3);
    list_.SetRowPoints(1, 20);
    list_.SetRowQsos(2, 5);
    list_.SetRowMultipliers(2, 0);
    list_.SetRowPoints(2, 7);
  }
  TConfigTotals Compute(char code = 'd') {
    return ComputeConfigTotals(def_, code, list_, config_, &Name);
  }
  TContestRec def_;
  TContestListRec list_;
  TContestConfigRec config_;
};

TEST_F(ConfigTotals, RowsOfTheListRecordAndTheScoreOfTheTotals) {
  def_.MultiplierKinds.set(4);
  TConfigTotals t = Compute();
  EXPECT_TRUE(t.Rows[0].Visible);
  EXPECT_EQ(t.Rows[1].Caption, "Bc");
  EXPECT_FALSE(t.Rows[2].Visible);
  EXPECT_EQ(t.QsoText, "15 QSO");
  EXPECT_EQ(t.MultiText, "3 Multi x");
  EXPECT_EQ(t.PointsText, "27 Punkte =");
  EXPECT_EQ(t.Score, 81);
  EXPECT_EQ(t.ScoreText, "81 Pkt.");
}

TEST_F(ConfigTotals, PerBandFormulaTakesPointsAloneWhereNoMultiplierWasWorked) {
  def_.MultiplierKinds.set(4);
  def_.ScorePerBand = true;
  def_.MultiplierName[1] = "PLZ";
  TConfigTotals t = Compute();
  EXPECT_EQ(t.Score, 3 * 20 + 7);
  EXPECT_EQ(t.MultiText, "3 PLZ");
  EXPECT_TRUE(t.PointsHidden);
}

TEST_F(ConfigTotals, CountsFromTheConfigurationRecordSumAllBands) {
  def_.MultiplierKinds.set(4);
  def_.MultiplierBandMode = 1;
  list_.SetTotalsInConfig(255);
  config_.SetBandQsos(1, 4);
  config_.SetBandMultipliers(1, 2);
  config_.SetBandPoints(1, 8);
  config_.SetBandQsos(50, 6);
  config_.SetBandMultipliers(50, 9);
  config_.SetBandPoints(50, 12);
  TConfigTotals t = Compute();
  EXPECT_EQ(t.Rows[0].Qsos, 4);
  EXPECT_FALSE(t.Rows[0].MultiVisible);
  EXPECT_EQ(t.Qsos, 10);
  EXPECT_EQ(t.Multis, 2);  // counted once for the whole log
  EXPECT_EQ(t.Score, 2 * 20);
}

TEST_F(ConfigTotals, WithoutMultiplierKindsTheScoreIsThePoints) {
  TConfigTotals t = Compute();
  EXPECT_TRUE(t.MultiHidden);
  EXPECT_EQ(t.Score, 27);
  EXPECT_EQ(t.PointsText, "");
  def_.MultiplierKinds.set(15);
  def_.MultiplierName[1] = "PLZ";
  t = Compute('5');
  EXPECT_TRUE(t.ScoreHidden);
  EXPECT_EQ(t.FirstMultiCell, "    0");
  EXPECT_EQ(t.PointsText, "27 Punkte");
}

}  // namespace
