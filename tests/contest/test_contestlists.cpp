#include <gtest/gtest.h>

#include "contest/contestlists.h"
#include "rulestest_support.h"

using contestlists::IsHomeDok;
using rulestest::Build;
using rulestest::Log;

TEST(HomeDok, WholeTextAgainstTheFilledEntries) {
  TContestRec g = Build(Log('G'));  // home DOKs with empty places 23 and 27-29
  EXPECT_TRUE(IsHomeDok(g, "Z05", ""));
  EXPECT_TRUE(IsHomeDok(g, "HT16", ""));  // behind the empty places
  EXPECT_FALSE(IsHomeDok(g, "Z0", ""));
  EXPECT_FALSE(IsHomeDok(g, "Z055", ""));
  EXPECT_FALSE(IsHomeDok(g, "z05", ""));
  EXPECT_FALSE(IsHomeDok(g, "", ""));  // a QSO without DOK never matches an empty place
}

TEST(HomeDok, DokOfTwoPartsIsJoinedAndCutToEightCharacters) {
  TContestRec r = Build(Log('R'));
  EXPECT_TRUE(IsHomeDok(r, "MMSN I", "G"));  // "MMSN IG" spans both parts
  EXPECT_FALSE(IsHomeDok(r, "MMSN I", ""));
  TContestRec def;
  def.HomeDoks[5] = "60VEGESA";
  EXPECT_TRUE(IsHomeDok(def, "60VEGE", "SACK"));  // only 8 characters count
  EXPECT_FALSE(IsHomeDok(TContestRec{}, "Z05", ""));
}
