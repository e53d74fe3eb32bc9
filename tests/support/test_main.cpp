// Every test program runs with a QApplication on the offscreen platform and with the
// program's service objects started, as the program starts them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>

#include "shell/startup.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  startup::StartServices(QDir::currentPath().toStdString().c_str(), ZOR_TEST_DATA_DIR);
  int rc = RUN_ALL_TESTS();
  startup::StopServices();
  return rc;
}
