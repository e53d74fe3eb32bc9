#pragma once
// A fresh folder for one test, made the current directory while the test runs, because
// the program writes its files (error logs, databases) relative to it. Removed afterwards.

#include <QTemporaryDir>
#include <string>

class TTestDir {
 public:
  TTestDir();
  ~TTestDir();
  // The folder with a trailing separator.
  std::string Path() const;
  std::string File(const std::string& name) const { return Path() + name; }

 private:
  QTemporaryDir dir_;
  QString previous_;
};

// The folder of the test sources (tests/), for the files tests read beside their code:
// golden files and reader scripts. Not taken from __FILE__, which a compiler cache may
// have made relative, and which the tests' change of directory would then misplace.
std::string TestSourceDir();
