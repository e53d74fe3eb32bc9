// Deleting a QSO from the log window: the QSOs after it move up by one number, so the
// log is renumbered, its summary recalculated and the tallies recounted in full.

#include <algorithm>

#include "foundation/messages.h"
#include "foundation/strings.h"
#include "log/logstate.h"
#include "tables/contesttables.h"

namespace {

constexpr const char* kDeleteWarning =
    "Achtung: Durch das Löschen eines Eintrages werden die Nummern aller nachfolgenden "
    "Einträge um 1 verringert.";
constexpr const char* kDeleteError = "Fehler beim Löschen des Eintrages.";

void Reduce(int32_t& tally, int32_t by) { tally = std::max(0, tally - by); }

}  // namespace

TContestLogState::TDeleteResult TContestLogState::DeleteEntry(int32_t nummer) {
  TdbContest& log = *qso_;
  // By its number, not by a position another table object may have moved.
  if (log.RecordCount() <= 0 || !log.FindNumber(nummer)) return TDeleteResult::kNothing;
  const TContestQSORec rec = log.GetQSORec();
  if (rec.IsBandChangeLine()) return TDeleteResult::kNothing;
  ToMessages::ShowWarning("", kDeleteWarning);
  const std::string question = "Eintrag " + ToStrings::Trim(rec.Call()) + " löschen?";
  if (!ToMessages::AskYesNo("", "Sicherheitsabfrage", question, true))
    return TDeleteResult::kCancelled;
  // The record is found again: the questions let other work move the table.
  if (!log.FindNumber(nummer) || !log.Delete()) {
    ToMessages::ShowError(kDeleteError);
    return TDeleteResult::kFailed;
  }
  // The QSO's own band: the recalculation below stores these points before the full
  // recount sets every tally again.
  const size_t band = uint8_t(rec.Bandcode());
  Reduce(PointsTotal, rec.Points());
  if (band != 0) {
    Reduce(BandPoints[band], rec.Points());
    Reduce(BandQsos[band], 1);
  }
  RenumberLog();
  RecalcLog();
  RecountTotals(true);
  return TDeleteResult::kDeleted;
}
