// A renumbering killed at any moment leaves the whole log: the old one or the new one.
#include <cstdio>
#include <set>

#include "foundation/progdir.h"
#include "storage/dbbase.h"
#include "support/childrun.h"
#include "tables/contestkeys.h"
#include "tables/setups.h"
#include "tables/tablefile.h"
#include "tallyfixture.h"

namespace tallytest {
namespace {

constexpr int kQsos = 2000;

// The test program runs itself as the renumbering process: this case only acts when the
// parent sets ZOR_TALLY_CHILD.
class RenumberChild : public TallyLogTest {};

TEST_F(RenumberChild, RenumbersUntilKilled) {
  if (qEnvironmentVariableIsEmpty("ZOR_TALLY_CHILD")) GTEST_SKIP();
  const std::string dir = qEnvironmentVariable("ZOR_TALLY_DIR").toStdString();
  SetProgramDirectory(dir);
  ToSetupDirs dirs;
  dirs.fill(dir);
  Setups().SetDirs(dirs);
  OpenContest(qEnvironmentVariableIntValue("ZOR_TALLY_CONTEST"));
  std::fputs("start\n", stdout);
  std::fflush(stdout);
  for (;;) ASSERT_TRUE(State().RenumberLog());
}

class RenumberKill : public TallyLogTest {
 protected:
  std::set<std::string> Calls() {
    std::set<std::string> calls;
    TdbContest t(TdbContestBase::kQsoLog, 0, number_);
    int walked = 0;
    for (bool more = t.First(contestkeys::kDatumZeit); more; more = t.Next()) {
      calls.insert(t.GetQSORec().Call());
      ++walked;
    }
    EXPECT_EQ(walked, t.RecordCount());
    return calls;
  }
};

TEST_F(RenumberKill, TheLogKeepsEveryQsoWhereverTheRenumberingIsKilled) {
  MakeContest('d');
  {
    TWriteGroup group;
    for (int i = 0; i < kQsos; ++i) AddQso({"DL" + std::to_string(i), 'b', "Q05", "SSB", 1, 0});
    ASSERT_TRUE(group.Commit());
  }
  const std::set<std::string> before = Calls();
  ASSERT_EQ(before.size(), size_t(kQsos));
  // The child process opens the files itself.
  qso_.reset();
  config_.reset();
  list_.reset();
  tablefiles::ReleaseAll();

  for (int round = 0; round < 4; ++round) {
    childrun::KillWhileWorking(QStringLiteral("RenumberChild.RenumbersUntilKilled"),
                               {{"ZOR_TALLY_CHILD", QStringLiteral("1")},
                                {"ZOR_TALLY_DIR", QString::fromStdString(dir_.Path())},
                                {"ZOR_TALLY_CONTEST", QString::number(number_)}},
                               30, 1500);
    ASSERT_FALSE(HasFailure());
    EXPECT_EQ(Calls(), before) << "round " << round;
    tablefiles::ReleaseAll();
  }
}

}  // namespace
}  // namespace tallytest
