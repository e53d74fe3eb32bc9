#include "contest/contestrec.h"
#include "output/allerout.h"
#include "output/exportsource.h"
#include "output/stfexport.h"
#include "tables/contesttables.h"

void TAlleRout::WriteSTFHeader(const std::string& category, const TContestRec& def,
                               TdbContestBase& listTable, TdbContestBase& configTable) {
  TExportLog log(def);
  exportsource::LoadJobLog(log, *this, listTable, &configTable);
  for (const std::string& line : stfexport::HeaderLines(log, category)) WriteLine(line);
}

void TAlleRout::WriteSTFLine(const TContestRec& def, TdbContestBase& listTable, std::string& line,
                             TdbContestBase& qsoTable) {
  TExportLog log(def);
  exportsource::LoadJobLog(log, *this, listTable, nullptr);
  line = stfexport::QsoLine(log, qsoTable.GetQSORec());
}

void TAlleRout::WriteSTFEnd() { WriteLine(stfexport::kEndLine); }
