#include <QCheckBox>

#include "contest/contestrec.h"
#include "foundation/cp1252.h"
#include "foundation/desktop.h"
#include "output/allerout.h"
#include "output/ediexport.h"
#include "output/ediparticipant.h"
#include "output/exportsource.h"
#include "output/uhfteilnehmer.h"
#include "tables/contestkeys.h"
#include "tables/contesttables.h"
#include "tables/setups.h"

namespace {

// The header's figures over exactly the QSOs the run writes: band-change lines and QSOs
// outside the job's periods are left out, as the run leaves them out.
ediexport::TCollector CollectFigures(const TExportLog& log, const TZeitraum4Rec& periods) {
  ediexport::TCollector figures(log.Code() == '\0');
  TdbContest qsoTable(TdbContestBase::kQsoLog, 0, log.List.Nummer());
  for (bool ok = qsoTable.First(contestkeys::kDatumZeit); ok;
       ok = qsoTable.NextRecord(contestkeys::kDatumZeit)) {
    const TContestQSORec q = qsoTable.GetQSORec();
    if (q.IsBandChangeLine() || !TAlleRout::InAnyPeriod(q.Zeit(), q.Datum(), periods)) continue;
    figures.Add(q);
  }
  return figures;
}

}  // namespace

void TAlleRout::WriteEDIHeader(const TContestRec& def, TdbContestBase& listTable,
                               const TEdiTexts& texts) {
  TExportLog log(def);
  exportsource::LoadJobLog(log, *this, listTable, nullptr);
  const ediexport::TCollector figures = CollectFigures(log, texts.Periods);

  Tuhfteilnehmer form;
  form.setWindowTitle(Q(def.VersionTitle));
  ediparticipant::Fill(form, log, texts);
  const int result = Desktop().ExecDialog(form);
  if (result == 1 && log.Code() == '\0' && form.cspeichern->isChecked()) {
    ToSetupEigeneStation station = Setups().GetEigeneStation();
    ediparticipant::TakeAddress(form, station);
    Setups().SetEigeneStation(station);
  }
  for (const std::string& line : ediexport::HeaderLines(log, ediparticipant::Read(form), figures))
    WriteLine(line);
  ediparticipant::SaveTemp(form);
}

void TAlleRout::WriteEDIRecord(const TContestRec&, TdbContestBase&, std::string& line,
                               TdbContestBase& qsoTable) {
  line = ediexport::Record(qsoTable.GetQSORec());
}
