// Renumbering: the log is copied into the scratch log BMLKTEMP in its order (QSO
// numbers for serial-number contests, else date and time) and copied back into the
// emptied log, which numbers the QSOs again and recounts the band and mode serials.
//
// The copy back runs in one write group on the QSO log alone: emptying the log and every
// add commit together, so an interruption at any moment leaves either the old log or the
// new one, never a half-filled one. The scratch log is only read meanwhile.

#include <QApplication>

#include "foundation/messages.h"
#include "foundation/progress.h"
#include "log/logstate.h"
#include "reference/modi.h"
#include "storage/dbbase.h"
#include "storage/dberror.h"
#include "tables/contestkeys.h"
#include "tables/contesttables.h"

namespace {

constexpr const char* kRenumberText = "Neunummerierung";
constexpr const char* kCopyOutError = "Fehler beim Aufbau der temporären Datenbank";
constexpr const char* kCopyBackError = "Fehler beim Neuaufbau der Datenbank";

class TWaitCursor {
 public:
  TWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~TWaitCursor() { QApplication::restoreOverrideCursor(); }
  TWaitCursor(const TWaitCursor&) = delete;
  TWaitCursor& operator=(const TWaitCursor&) = delete;
};

void Step(TFortschrittWinCtrl& progress, int done) {
  if (done % 10 != 0) return;
  bool aborted = false;
  progress.UpdateProgress("", done, aborted, 0);
}

bool HasSentKind(const TContestRec& def, int32_t kind) {
  for (int32_t k : def.SentKinds)
    if (k == kind) return true;
  return false;
}

// Copies every QSO of the log but the band-change lines into the emptied scratch log;
// serial-number contests keep each QSO's number there.
bool CopyOut(TdbContest& log, TdbContest& temp, bool serial, TFortschrittWinCtrl& progress) {
  TWriteGroup group;
  temp.DeleteFiles();
  if (temp.RecordCount() != 0) return false;
  const int32_t count = log.RecordCount();
  int32_t walked = 0;
  const int key = serial ? contestkeys::kNummer : contestkeys::kDatumZeit;
  for (bool more = log.First(key); more; more = log.Next()) {
    ++walked;
    const TContestQSORec rec = log.GetQSORec();
    if (rec.IsBandChangeLine()) continue;
    if (!temp.CopyQSOFrom(log, 0, false)) return false;
    if (serial) {
      TContestQSORec t = temp.GetQSORec();
      t.SetNummer(rec.Nummer());
      temp.SetQSORec(t);
      if (!temp.Modify()) return false;
    }
    Step(progress, walked);
  }
  // A walk that ended early (a read error) must not pass for the whole log.
  return walked == count && group.Commit();
}

}  // namespace

bool TContestLogState::RenumberLog() {
  MultiLists.Clear();
  listsBand_ = 0;
  TdbContest& log = *qso_;
  const bool serial = SerialContest();
  if (serial && log.RecordCount() == 0) {
    log.DeleteFiles();
    return true;
  }
  TdbContest temp(TdbContestBase::kTemp, 0, contestNumber_);
  // The scratch log is rebuilt from the log every time: it needs no flush to the disk.
  TdbBase::SetAutoFlushMode(temp.GetDriver(), 1);
  TWaitCursor cursor;
  TFortschrittWinCtrl progress(nullptr, "", kRenumberText, log.RecordCount(), false, false);
  progress.Execute();
  if (!temp.IsOpen() || !CopyOut(log, temp, serial, progress)) {
    ToMessages::ShowError(kCopyOutError);
    return false;
  }

  // Serials sent on air stay what the station was given.
  const bool keepBandNr = HasSentKind(def_, exchangekind::kSerialPerBand);
  const bool keepModeNr = HasSentKind(def_, exchangekind::kSerialPerMode);
  // The evaluation below marks every QSO's multipliers in the lists again; the log's
  // multipliers do not change, so neither do the tallies.
  const int32_t multiTotal = MultiTotal;
  const TBandTally bandMultis = BandMultis;
  std::array<int32_t, 256> bandNr{};
  std::array<uint16_t, 256> modeNr{};
  const int32_t count = temp.RecordCount();
  int32_t done = 0;
  bool ok = true;
  // A failed read while the QSOs are evaluated again would store wrong multiplier marks
  // without stopping the copy: any failure of the storage on the way fails the whole.
  const int failures = DriverFailures();
  {
    TWriteGroup group;
    log.DeleteFiles();
    ok = log.RecordCount() == 0;
    for (bool more = ok && temp.First(1); more && ok; more = temp.Next()) {
      TContestQSORec rec = temp.GetQSORec();
      RecalcMultipliers(rec);
      MultiLists.ClearPending();
      const int32_t number = rec.Nummer();
      const int32_t inBand = ++bandNr[uint8_t(rec.Bandcode())];
      const uint16_t inMode = ++modeNr[uint8_t(oModi ? oModi->ModeCodeOf(rec.Mode()) : 0)];
      rec.SetwagNummer(number);
      rec.SetwagBandNrIntern(inBand);
      if (!keepBandNr) rec.SetwagBandNr(inBand);
      if (!keepModeNr) rec.SetModeNr(inMode);
      log.SetQSORec(rec);
      ok = log.Add();
      if (ok && serial) {
        // The add numbers from the file's counter; the QSO keeps the number it was given.
        TContestQSORec added = log.GetQSORec();
        added.SetNummer(number);
        log.SetQSORec(added);
        ok = log.Modify();
      }
      Step(progress, ++done);
    }
    ok = ok && done == count && DriverFailures() == failures && group.Commit();
  }
  MultiTotal = multiTotal;
  BandMultis = bandMultis;
  ClearMarksAndPending();
  if (!ok) ToMessages::ShowError(kCopyBackError);
  return ok;
}
