#include "contest/contestrec.h"
#include "output/adifexport.h"
#include "output/allerout.h"
#include "output/exportsource.h"
#include "tables/contesttables.h"

void TAlleRout::WriteADIFHeader(const TContestRec& def) {
  adifDxcc_ = std::make_shared<TAdifDxccNumbers>();
  adifForeignModes_ = 0;
  TExportLog log(def);
  for (const std::string& line : adifexport::HeaderLines(log)) WriteLine(line);
}

void TAlleRout::WriteADIFRecord(bool rstOnly, const TContestRec& def, std::string& line,
                                TdbContestBase& qsoTable, TdbContestBase& listTable) {
  if (!adifDxcc_) adifDxcc_ = std::make_shared<TAdifDxccNumbers>();
  TExportLog log(def);
  exportsource::LoadJobLog(log, *this, listTable, nullptr);
  const TContestQSORec qso = qsoTable.GetQSORec();
  if (adifexport::IsForeignMode(qso.Mode())) ++adifForeignModes_;
  line = adifexport::Record(log, qso, rstOnly,
                            [this](const std::string& dxcc) { return adifDxcc_->NumberOf(dxcc); });
}
