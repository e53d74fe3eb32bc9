// Opening and closing the files of a log window: the QSO log with its list, the call list,
// the list's start position, and the records written back at the close.

#include <QLabel>
#include <QToolButton>
#include <QWidget>

#include "browser/kvbrow.h"
#include "foundation/kvedit.h"
#include "foundation/kvmousegrid.h"
#include "foundation/strings.h"
#include "log/contlogalle.h"
#include "tables/calltables.h"
#include "tables/contestkeys.h"
#include "tables/contesttables.h"
#include "tables/setups.h"

namespace {
constexpr int kHeldCallFiles = ToDatCall::kCallListFile | ToDatCall::kCallBookFile;
}  // namespace

bool TContLogAlle::OpenQsoLog(TdbContest*& table, int32_t contestNumber) {
  table = new TdbContest(TdbContestBase::kQsoLog, 0, contestNumber);
  // Every save writes the call book: held open with the log, it is not opened, closed and
  // folded to disk once per QSO. What it learns goes to disk with its checkpoints, not
  // with each save, which then costs one sync instead of two: a program that dies loses
  // none of it, a power failure at most the last entries, whose QSOs are on disk.
  ToDatCall::OpenFiles(kHeldCallFiles);
  {
    TdbCall book(TdbCallBase::kCallBook);
    // Without a driver the mode would be set for every file.
    if (book.GetDriver()) TdbBase::SetAutoFlushMode(book.GetDriver(), 1);
  }
  // Band-change lines carry no station: reference fields left in them would count.
  for (bool found = table->First(contestkeys::kDatumZeit); found;
       found = table->NextRecord(contestkeys::kDatumZeit)) {
    TContestQSORec rec = table->GetQSORec();
    if (rec.BandChangeMark() == 0 || rec.BandChangeMark() == ' ') continue;
    rec.SetDXCC("");
    rec.SetContinent("");
    rec.SetPrefix("");
    rec.SetDOK1("");
    rec.SetDOK2("");
    rec.SetLoc("");
    rec.SetCall2("");
    rec.SetWAZ_USStaat("");
    if (rec == table->GetQSORec()) continue;
    table->SetQSORec(rec);
    table->Modify();
  }
  return table->Last(contestkeys::kCMulti);
}

void TContLogAlle::OpenLogList(TkvBrow& brow, int layoutNr, TdbContest& table) {
  brow.Open(layoutNr, &table, ToStrings::LongToKeyStr(999999999, true),
            ToStrings::LongToKeyStr(1, true), false, false, contestkeys::kNummer);
  if (brow.Grid()) brow.Grid()->setFocusPolicy(Qt::ClickFocus);
  // The quick search with its picture and the navigation toolbar: the log window has keys
  // and buttons of its own.
  for (QWidget* w : brow.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (qobject_cast<QToolButton*>(w) || qobject_cast<QLabel*>(w) || w == brow.SearchField())
      w->hide();
  brow.SetSortSelectorVisible(false);
  brow.SetViewSelectorVisible(false);
  const TColor panel = Setups().GetLayout().PanelColor();
  brow.SetColor(panel);
  brow.setAcceptDrops(false);
  if (QWidget* parent = brow.parentWidget()) brow.setGeometry(parent->rect());
}

void TContLogAlle::GotoLastQsoOfBand(char band, TkvBrow& brow, TdbContest& table) {
  if (table.SearchBandNrInternDesc(band) && table.GetBandcode() == band) {
    const int32_t serial = table.GetQSORec().wagBandNrIntern();
    table.FindBandNrIntern(band, serial);
  }
  brow.GotoRecord(0);
  table.ClearRecords();
  TContestQSORec rec = table.GetQSORec();
  rec.SetDatum(-1);
  rec.SetZeit(-1);
  table.SetQSORec(rec);
}

void TContLogAlle::CloseLogFiles(TdbContest*& qsoTable, TdbContest& listTable,
                                 TdbContest& configTable) {
  listTable.Modify();
  configTable.Modify();
  ToDatCall::CloseFiles(kHeldCallFiles);
  delete qsoTable;
  qsoTable = nullptr;
}
