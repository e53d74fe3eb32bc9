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
