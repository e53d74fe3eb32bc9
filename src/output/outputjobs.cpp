#include "output/outputjobs.h"

#include <exception>

#include "contest/contestrec.h"
#include "foundation/messages.h"
#include "output/stdrout.h"
#include "output/zeitraumeutag.h"
#include "tables/contesttables.h"
#include "tables/setupseparat.h"

namespace outputjobs {
namespace {

// The writers of a job in their order; true when the last of them wrote its output.
bool RunWriters(TAlleRout& out, uint8_t job, const TContestRec& def, const TZeitraum4Rec& periods,
                TdbContest& listTable, TdbContest& configTable) {
  using namespace stdrout;
  switch (job) {
    case 5:
      // Every list starts at the top of its page, so each begins on a page of its own.
      WriteCoverSheet(out, def, periods, listTable, configTable);
      out.NewPage();
      WriteMultiplierCheckList(out, def, listTable, configTable);
      out.NewPage();
      ExportBandLog(out, def, periods, listTable, configTable);
      out.NewPage();
      return !ExportLog(out, def, periods, listTable, false, TEdiTexts{}, configTable);
    case 0:
    case 6: return !WriteCoverSheet(out, def, periods, listTable, configTable);
    case 2:
    case 14: return !WriteMultiplierCheckList(out, def, listTable, configTable);
    case 3:
    case 11: return !ExportBandLog(out, def, periods, listTable, configTable);
    case 12:
      WriteCoverSheet(out, def, periods, listTable, configTable);
      if (listTable.GetListRec().Typ() == 'i')
        return !ExportBandLog(out, def, periods, listTable, configTable);
      return !ExportLog(out, def, periods, listTable, false, TEdiTexts{}, configTable);
    case 4:
    case 7:
    case 8:
    case 9:
    case 10:
    case 13:
    case 15: return !ExportLog(out, def, periods, listTable, false, TEdiTexts{}, configTable);
    default: return false;
  }
}

// The periods of the job: none, or for an EU-day log the hour the operator chose.
TZeitraum4Rec JobPeriods(const TContestListRec& list) {
  TZeitraum4Rec periods;
  if (list.Typ() != 'E') return periods;
  TzeitraumeutagCtrl ctrl(nullptr, list.Nummer());
  if (ctrl.Execute()) {
    int32_t from = ctrl.TimeFrom(), to = ctrl.TimeTo();
    if (from >= 0 && to >= 0) periods.SetTimeWindow(1, from, to);
  }
  return periods;
}

}  // namespace

bool ReportsFile(uint8_t job) { return job >= 7 && job <= 15; }

void RunOutputJob(uint8_t job, const TContestRec& def, TdbContest& listTable,
                  TdbContest& configTable) {
  if (!oAlleRout) return;
  TAlleRout& out = *oAlleRout;
  const TContestListRec list = listTable.GetListRec();
  // The totals are read from this contest's configuration record.
  if (configTable.GetConfigRec().Nummer() != list.Nummer()) configTable.FindNumber(list.Nummer());
  const TZeitraum4Rec periods = JobPeriods(list);
  // Known before the save dialog, whose notice is German only.
  out.English = setupseparat::Language() != setupseparat::kGerman;
  if (!out.BeginJob(job)) return;
  bool written = false;
  if (out.ChooseTargetFile(job, listTable, def)) {
    try {
      written = RunWriters(out, job, def, periods, listTable, configTable);
    } catch (const std::exception&) {
      ToMessages::ShowError("Bei der Ausgabe ist ein Fehler aufgetreten.");
      written = false;
    }
  }
  out.EndPrintJob();
  out.CloseTargetFile(written && ReportsFile(job));
}

}  // namespace outputjobs
