#include "support/testdir.h"

#include <QDir>

TTestDir::TTestDir() : previous_(QDir::currentPath()) { QDir::setCurrent(dir_.path()); }

TTestDir::~TTestDir() { QDir::setCurrent(previous_); }

std::string TTestDir::Path() const { return dir_.path().toStdString() + "/"; }

std::string TestSourceDir() { return ZOR_TEST_SOURCE_DIR; }
