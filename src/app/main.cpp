#include <QApplication>
#include <QDir>
#include <memory>

#include "foundation/cp1252.h"
#include "foundation/dates.h"
#include "foundation/filebase.h"
#include "foundation/progdir.h"
#include "shell/contestbrow.h"
#include "shell/startup.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // The program works in the directory it was started in; the shipped data files lie
  // beside the executable.
  const std::string workDir = TFileBaseSS::AddBackslash(S(QDir::currentPath()));
  const std::string dataDir = S(QCoreApplication::applicationDirPath() + QStringLiteral("/data"));
  startup::StartServices(workDir.c_str(), dataDir.c_str());
  QApplication::setApplicationName(Q("ZOR SAAR"));
  SetProgramDirectory(workDir);
  ToDates::TakeSystemUtcOffset();

  int rc = 0;
  {
    std::unique_ptr<TContestBrow> window;
    try {
      window = std::make_unique<TContestBrow>();
    } catch (const EProgramEnd& end) {
      rc = end.ExitCode;
    }
    if (window) {
      window->show();
      window->StartWhenEmpty();
      rc = app.exec();
    }
  }
  startup::StopServices();
  return rc;
}
