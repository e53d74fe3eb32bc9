#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMainWindow>

#include "foundation/cp1252.h"
#include "shell/startup.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(Q("ZOR SAAR"));

  const std::string workDir = QDir::currentPath().toStdString();
  const std::string dataDir =
      (QCoreApplication::applicationDirPath() + QStringLiteral("/data")).toStdString();
  startup::StartServices(workDir.c_str(), dataDir.c_str());

  QMainWindow window;
  window.setWindowTitle(Q("ZOR SAAR"));
  window.setCentralWidget(new QLabel(Q("ZOR SAAR")));
  window.resize(640, 480);
  window.show();
  int rc = app.exec();

  startup::StopServices();
  return rc;
}
