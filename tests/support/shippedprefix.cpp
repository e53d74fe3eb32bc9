#include "support/shippedprefix.h"

#include <QTemporaryDir>
#include <fstream>
#include <memory>

#include "reference/datprefix.h"
#include "tables/setups.h"

namespace shippedprefix {
namespace {

std::unique_ptr<QTemporaryDir> gDir;
std::string gPath;
prefixgen::TGenReport gReport;

void Make() {
  std::ifstream in(CountryFile(), std::ios::binary);
  if (!in) return;
  gDir = std::make_unique<QTemporaryDir>();
  const std::string path = gDir->path().toStdString() + "/";
  const ToSetupDirs saved = Setups().GetDirs();
  ToSetupDirs dirs = saved;
  dirs[setupdirs::kData] = path;
  Setups().SetDirs(dirs);
  constexpr int kAll = 7;
  if (oDatPrefix->OpenFileSet(kAll, false) && prefixgen::WritePrefixFiles(in, gReport))
    gPath = path;
  oDatPrefix->CloseFileSet(kAll, false, false, true);
  Setups().SetDirs(saved);
}

}  // namespace

const char* CountryFile() { return ZOR_COUNTRY_FILE; }

const std::string& Dir() {
  static bool made = false;
  if (!made) {
    made = true;
    Make();
  }
  return gPath;
}

const prefixgen::TGenReport& Report() {
  Dir();
  return gReport;
}

}  // namespace shippedprefix
