// The whole road: QSOs typed into the real log window, the window closed, then the STF
// file written by the output job from what the window stored.
#include <gtest/gtest.h>

#include <algorithm>

#include "contest/contestload.h"
#include "log/contlogstd.h"
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
