#pragma once
// The log window on real files with the test desktop, offscreen: the own call set, the
// configuration table open, the window freed before the tables it works on; OpenWindow files
// the list and configuration records of contest 1 and opens the window with a fresh entry.

#include <functional>
#include <memory>

#include "foundation/progdir.h"
#include "foundation/testdesktop.h"
#include "log/contlogstd.h"
#include "log/logfixture.h"
#include "tables/setups.h"
#include "tables/tablefile.h"

class LogWindowTest : public LogTest {
 protected:
  void SetUp() override {
    LogTest::SetUp();
    Setups().SetOwnCall("DK2ZZ");
    config_ = std::make_unique<TdbContest>(TdbContestBase::kConfig);
  }
  void TearDown() override {
    window_.reset();
    config_.reset();
    LogTest::TearDown();
  }

  // tweak may change the list record before it is stored.
  TContestLogStd& OpenWindow(const TContestRec& def,
                             const std::function<void(TContestListRec&)>& tweak = {}) {
    TContestListRec r = list_->GetListRec();
    r.SetName("Saar 2026");
    r.SetRstSentNotFixed(255);
    r.SetRstRcvdNotFixed(255);
    if (tweak) tweak(r);
    list_->SetListRec(r);
    EXPECT_TRUE(list_->Add());
    TContestConfigRec c;
    c.SetNummer(kContest);
    config_->SetConfigRec(c);
    EXPECT_TRUE(config_->Add());
    window_ = std::make_unique<TContestLogStd>(kContest, *config_, *list_, def);
    window_->ClearEntry(false);
    return *window_;
  }

  // The parent of a child process: the tables released, so the child opens the files of
  // the test folder itself.
  void LeaveFilesToChild() {
    window_.reset();
    qsos_.reset();
    list_.reset();
    config_.reset();
    tablefiles::ReleaseAll();
  }
  // The child: the settings' folders moved to the parent's test folder, and the list and
  // configuration records of contest 1 found there.
  void TakeFilesOfParent(const std::string& dir) {
    LeaveFilesToChild();
    SetProgramDirectory(dir);
    ToSetupDirs dirs;
    dirs.fill(dir);
    Setups().SetDirs(dirs);
    list_ = std::make_unique<TdbContest>(TdbContestBase::kList);
    config_ = std::make_unique<TdbContest>(TdbContestBase::kConfig);
    ASSERT_TRUE(list_->FindNumber(kContest));
    ASSERT_TRUE(config_->FindNumber(kContest));
  }

  TTestDesktop desk_;
  std::unique_ptr<TdbContest> config_;
  std::unique_ptr<TContestLogStd> window_;
};
