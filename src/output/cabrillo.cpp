#include "contest/contestrec.h"
#include "output/allerout.h"
#include "output/cabrilloexport.h"
#include "output/exportsource.h"
#include "tables/contesttables.h"

void TAlleRout::WriteCabrilloHeader(const std::string& category, const TContestRec& def,
                                    TdbContestBase& listTable, TdbContestBase& configTable) {
  TExportLog log(def);
  exportsource::LoadJobLog(log, *this, listTable, &configTable);
  for (const std::string& line : cabrilloexport::HeaderLines(log, category)) WriteLine(line);
}

void TAlleRout::WriteCabrilloLine(const TContestRec& def, TdbContestBase& listTable,
                                  std::string& line, TdbContestBase& qsoTable) {
  TExportLog log(def);
  exportsource::LoadJobLog(log, *this, listTable, nullptr);
  line = cabrilloexport::QsoLine(log, qsoTable.GetQSORec());
}

void TAlleRout::WriteCabrilloEnd() { WriteLine(cabrilloexport::kEndLine); }
