// QSOs typed and saved through the log window by a process killed at any moment: every
// QSO whose save returned is stored whole, and the call book knows exactly the calls of
// stored QSOs. The suite kills a few times; ZOR_SAVE_KILLS=N runs N kills.
#include <cstdio>
#include <map>
#include <set>

#include "foundation/strings.h"
#include "log/logwindowtyping.h"
#include "log/prefixentity.h"
#include "log/windowfixture.h"
#include "reference/datprefix.h"
#include "reference/prefix.h"
#include "support/childrun.h"
#include "tables/calltables.h"
#include "tables/contestkeys.h"

namespace {

const char* const kDoks[] = {"Q05", "Z19", "B12"};

// A German call of its own for QSO i of round: DL, a digit and a letter of the round, a
// suffix of the QSO.
std::string CallOf(int round, int i) {
  return std::string("DL") + char('0' + round % 10) + char('A' + round / 10 % 26) +
         char('A' + i % 26) + char('A' + i / 26 % 26) + char('A' + i / 676 % 26);
}

// The test program runs itself as the typing process: this case only acts when the
// parent sets ZOR_SAVE_CHILD.
class SaveRoadChild : public LogWindowTest {};

TEST_F(SaveRoadChild, TypesAndSavesUntilKilled) {
  if (qEnvironmentVariableIsEmpty("ZOR_SAVE_CHILD")) GTEST_SKIP();
  TakeFilesOfParent(qEnvironmentVariable("ZOR_SAVE_DIR").toStdString());
  TContestLogStd window(kContest, *config_, *list_, Def('d'));
  logtyping::ShowActive(window);
  const int round = qEnvironmentVariableIntValue("ZOR_SAVE_ROUND");
  desk_.Now = desk_.Now.addDays(round);
  std::fputs("start\n", stdout);
  std::fflush(stdout);
  for (int i = 0; i < 20000; ++i) {
    const std::string call = CallOf(round, i);
    logtyping::DokQso(desk_, window, call.c_str(), kDoks[i % 3]);
    // An entry the save road cleared is a QSO whose save returned.
    if (!window.eCall->text().isEmpty()) {
      std::string said;
      for (const TMessage& m : desk_.Messages) said += " | " + S(m.Text);
      FAIL() << "not saved: " << call << said;
    }
    std::fputs((call + "\n").c_str(), stdout);
    std::fflush(stdout);
  }
  FAIL() << "the typing ended before it was killed";
}

class SaveRoadKill : public LogWindowTest {};

TEST_F(SaveRoadKill, EveryReturnedSaveIsStoredWholeAndTheCallBookAgrees) {
  // The calls resolve to an entity; the reports are fixed and date and time come from
  // the clock, as in a running contest: a call and a DOK make a QSO.
  ASSERT_TRUE(oDatPrefix->OpenFileSet(7, false));
  AddPrefixEntity("DL", "DL", "EU");
  oDatPrefix->CloseFileSet(7, false, false, true);
  OpenWindow(Def('d'), [](TContestListRec& r) {
    r.SetTyp('d');
    r.SetRstSentNotFixed(0);
    r.SetRstRcvdNotFixed(0);
    r.SetDateAuto(255);
    r.SetTimeAuto(255);
  });
  LeaveFilesToChild();
  const int kills = std::max(3, qEnvironmentVariableIntValue("ZOR_SAVE_KILLS"));
  std::map<std::string, int> returned;  // call -> index of its DOK
  for (int round = 0; round < kills; ++round) {
    const QByteArray out =
        childrun::KillWhileWorking(QStringLiteral("SaveRoadChild.TypesAndSavesUntilKilled"),
                                   {{"ZOR_SAVE_CHILD", QStringLiteral("1")},
                                    {"ZOR_SAVE_DIR", QString::fromStdString(dir_.Path())},
                                    {"ZOR_SAVE_ROUND", QString::number(round)}},
                                   50, 400);
    ASSERT_FALSE(HasFailure());
    // The calls follow "start" in the order typed; only complete lines count: a call
    // cut off by the kill was not reported.
    const QList<QByteArray> lines = out.mid(out.indexOf("start\n") + 6).split('\n');
    for (qsizetype q = 0; q + 1 < lines.size(); ++q) {
      ASSERT_EQ(lines[q].toStdString(), CallOf(round, int(q))) << out.toStdString();
      returned[CallOf(round, int(q))] = int(q % 3);
    }
  }
  ASSERT_FALSE(returned.empty());

  std::set<std::string> stored;
  TdbContest log(TdbContestBase::kQsoLog, 0, kContest);
  for (bool more = log.First(contestkeys::kNummer); more; more = log.Next()) {
    const TContestQSORec q = log.GetQSORec();
    stored.insert(q.Call());
    EXPECT_GT(q.Points(), 0) << q.Call();
    const auto it = returned.find(q.Call());
    if (it != returned.end()) {
      EXPECT_EQ(q.DOK(), kDoks[it->second]) << q.Call();
    }
  }
  for (const auto& [call, dok] : returned) EXPECT_TRUE(stored.count(call)) << call;
  TdbCall book(TdbCallBase::kCallBook);
  for (const auto& [call, dok] : returned) {
    ASSERT_TRUE(book.FindCall(oPrefix->CountryOfCallDe(call))) << call;
    EXPECT_EQ(ToStrings::Trim(book.GetDOK()), kDoks[dok]) << call;
  }
  for (bool more = book.First(1); more; more = book.Next())
    EXPECT_TRUE(stored.count(ToStrings::Trim(book.GetCall()))) << book.GetCall();
  RecordProperty("kills", kills);
  RecordProperty("returned", int(returned.size()));
}

}  // namespace
