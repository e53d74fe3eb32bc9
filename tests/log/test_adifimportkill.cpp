// An import killed at any moment keeps the groups it committed, each QSO whole with its
// points, and loses at most the group it was writing.
#include <cstdio>

#include "log/adifimportctrl.h"
#include "log/adifreader.h"
#include "log/windowfixture.h"
#include "support/childrun.h"
#include "tables/contestkeys.h"
#include "tables/tablefile.h"

namespace {

constexpr int kGroup = 50;

// The records of QSOs of round with calls of their own, a second apart.
std::vector<std::string> File(int round) {
  std::string text;
  for (int i = 0; i < 20000; ++i) {
    char time[16];
    std::snprintf(time, sizeof time, "%02d%02d%02d", i / 3600, i / 60 % 60, i % 60);
    text += "<CALL:6>D" + std::to_string(round) + std::to_string(i % 10) + char('A' + i / 10 % 26) +
            char('A' + i / 260 % 26) + char('A' + i / 6760 % 26) + "<QSO_DATE:8>2026011" +
            std::to_string(round) + "<TIME_ON:6>" + time +
            "<MODE:3>SSB<FREQ:5>3.650<DOK:3>Q05<EOR>";
  }
  return adifimport::SplitRecords({text});
}

const std::vector<std::string> kMapping = {"CALL (CALL)",       "QSO_DATE (QSO_DATE)",
                                           "TIME_ON (TIME_ON)", "FREQ (FREQ)",
                                           "MODE (MODE)",       "DOK (DOK)"};

// The test program runs itself as the importing process: this case only acts when the
// parent sets ZOR_ADIF_CHILD.
class AdifImportChild : public LogWindowTest {};

TEST_F(AdifImportChild, ImportsUntilKilled) {
  if (qEnvironmentVariableIsEmpty("ZOR_ADIF_CHILD")) GTEST_SKIP();
  TakeFilesOfParent(qEnvironmentVariable("ZOR_ADIF_DIR").toStdString());
  TContestLogStd window(kContest, *config_, *list_, Def('d'));
  window.ClearEntry(false);
  const auto records = File(qEnvironmentVariableIntValue("ZOR_ADIF_ROUND"));
  std::fputs("start\n", stdout);
  std::fflush(stdout);
  adifimport::RunImport(window, records, kMapping, true, kGroup);
  FAIL() << "the import ended before it was killed";
}

class AdifImportKill : public LogWindowTest {};

TEST_F(AdifImportKill, WhatWasCommittedStaysWhole) {
  OpenWindow(Def('d'));
  LeaveFilesToChild();
  for (int round = 1; round <= 2; ++round) {
    childrun::KillWhileWorking(QStringLiteral("AdifImportChild.ImportsUntilKilled"),
                               {{"ZOR_ADIF_CHILD", QStringLiteral("1")},
                                {"ZOR_ADIF_DIR", QString::fromStdString(dir_.Path())},
                                {"ZOR_ADIF_ROUND", QString::number(round)}},
                               300, 1500);
    ASSERT_FALSE(HasFailure());

    TdbContest t(TdbContestBase::kQsoLog, 0, kContest);
    int stored = 0;
    for (bool more = t.First(contestkeys::kNummer); more; more = t.Next()) {
      ++stored;
      EXPECT_GT(t.GetQSORec().Points(), 0) << t.GetQSORec().Call();
    }
    EXPECT_EQ(stored % kGroup, 0) << "round " << round;
    EXPECT_EQ(stored, t.RecordCount());
    tablefiles::ReleaseAll();
  }
}

}  // namespace
