// Builds the prefix files BMPREFIX, BMPREFEE and BMPREFES that the program ships, from the
// country file of Debian's hamradio-files:
//   zorgenprefix [country file] [output folder]
// The files are written in a folder of their own beside the output and moved into place
// only when complete, so a failed run never leaves half a file where the program looks.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <cstdio>
#include <fstream>
#include <string>

#include "foundation/cp1252.h"
#include "reference/datprefix.h"
#include "reference/prefixgen.h"
#include "shell/startup.h"
#include "storage/dbbase.h"
#include "tables/setups.h"

namespace {

constexpr int kAllPrefixFiles =
    ToDatPrefix::kBitMain | ToDatPrefix::kBitSingleCalls | ToDatPrefix::kBitCallGroups;

QString DbFile(const QString& dir, uint8_t kind) {
  return dir + QStringLiteral("/") + Q(ToDatPrefix::FileName(kind)) + QStringLiteral(".db");
}

bool Generate(std::istream& in, const QString& work) {
  ToSetupDirs dirs = Setups().GetDirs();
  dirs[setupdirs::kData] = S(work) + "/";
  Setups().SetDirs(dirs);
  if (!oDatPrefix->OpenFileSet(kAllPrefixFiles, false)) {
    std::fprintf(stderr, "zorgenprefix: the prefix files cannot be made in %s\n",
                 work.toLocal8Bit().constData());
    return false;
  }
  prefixgen::TGenReport report;
  const bool ok = prefixgen::WritePrefixFiles(in, report);
  oDatPrefix->CloseFileSet(kAllPrefixFiles, false, false, true);
  if (!ok) {
    std::fprintf(stderr, "zorgenprefix: %s\n", Q(report.Error).toLocal8Bit().constData());
    return false;
  }
  std::printf("zorgenprefix: %s\n", prefixgen::ReportText(report).c_str());
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const std::string ctyPath = argc > 1 ? argv[1] : "/usr/share/hamradio-files/cty.csv";
  const QString outDir = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QDir::currentPath();
  std::ifstream in(ctyPath, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "zorgenprefix: cannot read %s\n", ctyPath.c_str());
    return 1;
  }
  QDir(outDir).mkpath(QStringLiteral("."));
  const QString work = outDir + QStringLiteral("/prefix.tmp");
  QDir(work).removeRecursively();
  QDir().mkpath(work);

  startup::StartServices((S(work) + "/").c_str(), "");
  const bool ok = Generate(in, work);
  dbbase::DoneDatabase();
  startup::StopServices();

  for (uint8_t kind = 0; ok && kind < 3; ++kind) {
    QFile::remove(DbFile(outDir, kind));
    if (!QFile::rename(DbFile(work, kind), DbFile(outDir, kind))) {
      std::fprintf(stderr, "zorgenprefix: cannot move %s into place\n",
                   ToDatPrefix::FileName(kind));
      return 1;
    }
  }
  QDir(work).removeRecursively();
  return ok ? 0 : 1;
}
