#include "tablesfixture.h"

#include <QFileInfo>

#include "foundation/cp1252.h"
#include "foundation/progdir.h"
#include "storage/datbase.h"
#include "storage/dbbase.h"
#include "tables/projecttables.h"
#include "tables/settingshooks.h"
#include "tables/setups.h"
#include "tables/setupseparat.h"
#include "tables/tablefile.h"

void TablesTest::SetUp() {
  SetProgramDirectory(dir_.Path());
  ToSetupDirs dirs;
  dirs.fill(dir_.Path());
  Setups().SetRecords(TSetupRec(), TSetup2Rec());
  Setups().SetDirs(dirs);
  Setups().StoreNow = nullptr;
  settingshooks::Reset();
  ASSERT_TRUE(dbbase::InitDatabase());
}

void TablesTest::TearDown() {
  Projecte().Close();
  tablefiles::ReleaseAll();
  dbbase::DoneDatabase();
  Setups().StoreNow = nullptr;
  Setups().SetRecords(TSetupRec(), TSetup2Rec());
  settingshooks::Reset();
  setupseparat::SetLanguage(setupseparat::kGerman);
}

bool TablesTest::FileExists(const std::string& name) const {
  return QFileInfo::exists(Q(dir_.File(name)));
}
