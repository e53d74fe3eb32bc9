// The save road of the log window: the entry becomes a stored, scored and counted QSO,
// the call book learns what the QSO told, and the next entry is prepared. The QSO, its
// points and the call book's record are written in one group, so an interruption never
// leaves a QSO without its points; the tallies are raised once the group is stored.

#include <QApplication>

#include "browser/kvbrow.h"
#include "contest/contestfkt.h"
#include "foundation/cp1252.h"
#include "foundation/kvbitbtn.h"
#include "foundation/kvedit.h"
#include "foundation/messages.h"
#include "foundation/strings.h"
#include "log/contlogalle.h"
#include "log/contlogstd.h"
#include "log/logrecalc.h"
#include "log/logstate.h"
#include "log/saveroad.h"
#include "storage/dbbase.h"
#include "storage/dberror.h"
#include "tables/contesttables.h"

namespace {

// What the road stored, to be counted once the write group is in the file.
struct TStored {
  int32_t Nummer = 0;
  uint16_t Points = 0;
  bool Counted = false;  // not a band-change line
};

}  // namespace

bool TContestLogStd::btnSpeichernClick(QObject* sender) {
  if (!QsoTable || !LogState || saving_) return false;
  // The events processed before the next entry must not save this one again.
  saving_ = true;
  const bool wasBusy = entryRoadBusy_;
  entryRoadBusy_ = true;
  const bool saved = SaveEntry(sender);
  entryRoadBusy_ = wasBusy;
  saving_ = false;
  if (saved) ClearEntry(false);
  return saved;
}

bool TContestLogStd::SaveEntry(QObject* sender) {
  const TContestCode code = ContestCode();
  // 1: the member field of contest 'q' in its stored form.
  if (code == 'q') eRSTr[3]->setText(Q(saveroad::NormaliseMemberField(S(eRSTr[3]->text()))));
  // 2-3: the entry as a record; its date, time and frequency carry over to the next one.
  FieldsToRecord();
  if (IsQsoValid()) {
    LastQsoDate = QsoTable->GetQSORec().Datum();
    LastQsoTime = QsoTable->GetQSORec().Zeit();
  }
  TContestQSORec rec = QsoTable->GetQSORec();
  LastFrequency = rec.Frequency();
  const TContestQSORec typed = rec;
  rec.SetwagNummer(NextSerial);
  rec.SetwagBandNr(NextBandSerial);
  rec.SetModeNr(uint16_t(NextModeSerial));
  rec.SetwagBandNrIntern(NextBandSerialIntern);
  rec.SetQslSent(QslSendFlag);

  TStored stored;
  std::string failure;
  {
    TWriteGroup group;
    // 4: the insert, one second later for each QSO already stored at that second.
    int tries = 0;
    if (!saveroad::InsertWithRetries(*QsoTable, rec, saveroad::kInsertAttempts, tries))
      failure = "Das QSO konnte nicht gespeichert werden. " + DriverErrorText();
    if (failure.empty()) {
      // 5: the points of the stored QSO.
      stored.Nummer = rec.Nummer();
      stored.Points = uint16_t(LogCommon->CalcQsoPoints(ContestDef, *ListTable, *QsoTable));
      rec.SetPoints(stored.Points);
      stored.Counted = rec.BandChangeMark() == 0;
      // 8-9: serial numbers of one or two digits are stored with three.
      const auto& sk = ContestDef.SentKinds;
      const auto& rk = ContestDef.ReceivedKinds;
      oContestFkt->SplitSentExchange(
          saveroad::PadSerialExchange(oContestFkt->SentExchangeText(rec), sk[1], sk[2]), rec);
      oContestFkt->SplitReceivedExchange(
          saveroad::PadSerialExchange(oContestFkt->ReceivedExchangeText(rec), rk[1], rk[2]), rec);
      QsoTable->SetQSORec(rec);
      // 11: the entry clock, whose changes belong to the next entry, not to this QSO.
      if (sender != btnadifimport) timerzeitTimer();
      // 12: the rewrite of the QSO the insert stored, found by its number.
      if (!QsoTable->FindNumber(stored.Nummer)) {
        failure = "Das gespeicherte QSO wurde nicht wiedergefunden. " + DriverErrorText();
      } else {
        QsoTable->SetQSORec(rec);
        if (!QsoTable->Modify())
          failure = "Das QSO konnte nicht geschrieben werden. " + DriverErrorText();
      }
    }
    // The stored summary is older than the log from this QSO on, until it is recalculated.
    if (failure.empty() && !recalcmark::Set(*QsoTable))
      failure = "Das QSO konnte nicht gespeichert werden. " + DriverErrorText();
    // 13: the call book and the member lists.
    if (failure.empty()) {
      saveroad::TCallBookInput in;
      in.Code = code;
      for (size_t i = 0; i < 4; ++i) in.Received[i] = S(eRSTr[i]->text());
      if (eName->isVisibleTo(this) && eName->isEnabled()) in.Name = S(eName->text());
      if (eQTH->isVisibleTo(this) && eQTH->isEnabled()) in.Qth = S(eQTH->text());
      if (!saveroad::UpdateCallBook(*LogCommon, rec, in))
        failure = "Das QSO konnte nicht gespeichert werden. " + DriverErrorText();
    }
    if (failure.empty() && !group.Commit())
      failure = "Das QSO konnte nicht gespeichert werden. " + DriverErrorText();
  }
  if (!failure.empty()) {
    // Nothing was stored: the entry stays as the operator typed it.
    QsoTable->SetQSORec(typed);
    ToMessages::ShowError(failure);
    return false;
  }
  // 6: the tallies; 10: the entry's multipliers now belong to the log.
  if (stored.Counted) {
    LogState->PointsTotal += stored.Points;
    LogState->BandPoints[uint8_t(CurrentBand)] += stored.Points;
    LogState->NextQsoNumber += 1;
    LogState->SessionQsoCount += 1;
    LogState->BandQsos[uint8_t(CurrentBand)] += 1;
  }
  LogState->ClearMarksAndPending();
  // 14-17: score, the list on the QSO just saved, then the next entry.
  ShowScore();
  if (!DisplaySuspended && Brow->IsOpen() && QsoTable->FindNumber(stored.Nummer))
    Brow->GotoRecord(QsoTable->CurrentRef());
  QApplication::processEvents();
  return true;
}
