#pragma once
// Real files in a fresh folder: the database is started, the program directory and
// every directory of the settings point into the folder.

#include <gtest/gtest.h>

#include "support/testdir.h"

class TablesTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  bool FileExists(const std::string& name) const;
  TTestDir dir_;
};
