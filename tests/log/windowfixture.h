#pragma once
// The log window on real files with the test desktop: the own call set, the configuration
// table open, and the window freed before the tables it works on.

#include <memory>

#include "foundation/testdesktop.h"
#include "log/contlogstd.h"
#include "log/logfixture.h"
#include "tables/setups.h"

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

  TTestDesktop desk_;
  std::unique_ptr<TdbContest> config_;
  std::unique_ptr<TContestLogStd> window_;
};
