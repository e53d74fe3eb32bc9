// The log window's road to a stored QSO: the edit dialog for the list's current QSO with
// the recount it asks for, the correction list in its three views, and their keys and
// buttons.

#include <QTimer>

#include "browser/kvbrow.h"
#include "foundation/focusreturn.h"
#include "foundation/kvbitbtn.h"
#include "foundation/kvedit.h"
#include "log/contlogalle.h"
#include "log/contlogstd.h"
#include "log/eingabestd2ctrl.h"
#include "log/korrekturstd.h"
#include "log/logstate.h"
#include "tables/contestkeys.h"
#include "tables/contesttables.h"

void TContestLogStd::WireEditHandlers() {
  connect(btnAendern, &QPushButton::clicked, this, [this] { ChangeEntry(*Brow); });
  Brow->OnBrowEnter = [this] { btnAendern->click(); };
  Brow->OnBrowDoppelKlick = [this] { btnAendern->click(); };
  connect(btnKorrektur, &QPushButton::clicked, this, [this] { btnKorrekturClick(); });
  connect(btnCallsuche, &QPushButton::clicked, this, [this] { btnCallsucheClick(); });
  connect(btnBandliste, &QPushButton::clicked, this, [this] { btnBandlisteClick(); });
}

void TContestLogStd::ChangeEntry(TkvBrow& list) {
  if (!QsoTable || !LogState || !list.HasRecords() || list.CurrentRef() <= 0) return;
  const TContestQSORec entry = QsoTable->GetQSORec();
  if (!QsoTable->GotoRecord(list.CurrentRef())) return;
  // A band-change line is no QSO: it is not edited, and the entry stays as it was.
  if (QsoTable->GetQSORec().IsBandChangeLine()) {
    QsoTable->SetQSORec(entry);
    return;
  }
  const TFocusReturn back;
  // The clock writes the working record; the edit owns it now.
  timerzeit->stop();
  const std::array<bool, 3> enabled = {eRSTr[1]->isVisibleTo(panelEingabe),
                                       eRSTr[2]->isVisibleTo(panelEingabe),
                                       eRSTr[3]->isVisibleTo(panelEingabe)};
  const TContLogAlle::TQsoPointsFn points = [this](const TdbContestBase& qso) {
    return LogCommon->CalcQsoPoints(ContestDef, *ListTable, qso);
  };
  // Over the window of the list it was opened from.
  TContestEingabeStd2Ctrl edit(list.window(), points, *LogCommon, enabled, *ListTable, *QsoTable,
                               ContestDef);
  if (edit.Execute()) {
    LogState->ResetPendingMultipliers();
    const TContestQSORec changed = QsoTable->GetQSORec();
    if (edit.RecountNeeded()) {
      LogState->RenumberLog();
      LogState->RecalcLog();
      LogState->RecountTotals(true);
      ShowStatistics();
    }
    // The renumbering rebuilt the file: the QSO is found again by its date and time.
    if (QsoTable->SearchKey(contestkeys::BuildQsoKey(changed, contestkeys::kDatumZeit),
                            contestkeys::kDatumZeit))
      list.GotoRecord(QsoTable->CurrentRef());
    list.RefreshAll();
    if (&list != Brow) Brow->RefreshAll();
  }
  QsoTable->ClearRecords();
  ClearEntry(false);
  timerzeit->start();
}

void TContestLogStd::OpenCorrectionList(int view) {
  if (!QsoTable || !LogCommon) return;
  const TFocusReturn back;
  timerzeit->stop();
  // The views and this window's list share their column widths in the list record.
  if (Brow->IsOpen()) LogCommon->StoreColumnWidths(*Brow, 0, *ListTable, false);
  {
    TKorrekturstd list(*this, view, CurrentBand, *ListTable, ContestDef);
    Korrekturstd = &list;
    LogCommon->RunModalRemembered(LogCommon->CorrectionListPlace, list, nullptr);
    Korrekturstd = nullptr;
  }
  timerzeit->start();
  BrowSetHeaderFooter();
  Brow->RefreshAll();
  if (view != TKorrekturstd::kCallSearch) btnClear->click();
}
