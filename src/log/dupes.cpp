// The dupe checks: was the call worked before in the scope the contest's rules define?
// Each check opens its own table object on the QSO log, so the log window's table keeps
// its position and working record. A failed search counts as "not found": logging must
// never stop because the log could not be read (the driver has logged the error).

#include <array>

#include "foundation/messages.h"
#include "foundation/strings.h"
#include "log/contlogalle.h"
#include "tables/contestkeys.h"
#include "tables/contesttables.h"
#include "tables/keyparts.h"
#include "tables/setupseparat.h"

namespace {

// The call as typed, in one spelling: what tells "DL1ABC/P" from "DL1ABC".
std::string FullForm(std::string_view call) {
  return ToStrings::AnsiUpperCase(ToStrings::UnslashZeros(ToStrings::Trim(call)));
}

bool Marked(const TdbContestBase& qsoTable) { return qsoTable.GetQSORec().ZeroPoints() != 0; }

enum TCheck { kBandMode, kBand, kMode, kBandPeriod, kBandDay, kLog };

struct TWarning {
  const char* German;  // after "Call " and the call
  const char* English;
};
constexpr std::array<TWarning, 6> kWarnings = {{
    {" bereits auf Band/Mode vorhanden", "Call already exists on band/mode"},
    {" bereits auf Band vorhanden", "Call already exists on band"},
    {" bereits in Betriebsart vorhanden", "Call already exists on mode"},
    {" bereits in Band und Periode vorhanden", "Call already exists on band and period"},
    {" bereits in Band und Tag vorhanden", "Call already exists on band and day"},
    {" bereits vorhanden", "Call already exists"},
}};

void Warn(TCheck check, const std::string& baseCall, bool quiet) {
  if (quiet) return;
  const TWarning& w = kWarnings[size_t(check)];
  SystemBeep();
  ToMessages::ShowWarning("", setupseparat::LangText("Call " + baseCall + w.German, w.English));
}

// The marking scopes warn unless the QSO being entered carries the mark already.
uint8_t MarkingResult(TCheck check, const std::string& baseCall, const TdbContestBase& qsoTable,
                      bool quiet) {
  Warn(check, baseCall, quiet || Marked(qsoTable));
  return 3;
}

bool IsPhone(std::string_view mode) {
  const std::string m = ToStrings::AnsiUpperCase(ToStrings::Trim(mode));
  return m == "SSB" || m == "USB" || m == "LSB" || m == "FM";
}

// The QSOs of one base call on one band, in the order of "Bandcode,Call,Mode", until
// match says they are dupes (true) or the call or band ends (false).
template <typename Match>
bool AnyOnBand(TdbContest& log, const std::string& baseCall, char band, Match match) {
  for (bool found = log.SearchBandCall(std::string(1, band) + baseCall); found;
       found = log.NextRecord(contestkeys::kBandCallMode)) {
    const TContestQSORec r = log.GetQSORec();
    if (r.Bandcode() != band || keyparts::CallForm(r.Call()) != baseCall) return false;
    if (!r.IsBandChangeLine() && match(r)) return true;
  }
  return false;
}

// The boundary of the two periods of contest '6': the time "1500".
constexpr int32_t kPeriodBoundary = 15 * 3600;

}  // namespace

uint8_t TContLogAlle::DupeBandMode(std::string_view call, char band, const TdbContestBase& qsoTable,
                                   const TContestRec& def, std::string_view mode, bool quiet) {
  const uint8_t scope = def.DupeScope;
  if (scope != 1 && scope != 7 && scope != 8) return 0;
  TdbContest log(TdbContestBase::kQsoLog, 0, qsoTable.GetContestNumber());
  if (!log.FindBandCallMode(band, call, mode)) return 0;
  const std::string base = keyparts::CallForm(call);
  if (scope == 7) return 2;
  if (scope == 8) return MarkingResult(kBandMode, base, qsoTable, quiet);
  Warn(kBandMode, base, quiet);
  return 1;
}

uint8_t TContLogAlle::DupeBand(std::string_view call, char band, char contestCode,
                               const TdbContestBase& qsoTable, const TContestRec& def, bool quiet) {
  const uint8_t scope = def.DupeScope;
  if (scope != 2 && scope != 9) return 0;
  TdbContest log(TdbContestBase::kQsoLog, 0, qsoTable.GetContestNumber());
  const std::string base = keyparts::CallForm(call);
  const std::string full = FullForm(call);
  // The IARU fieldday keeps a portable station apart from the same call at home.
  const bool dupe = AnyOnBand(log, base, band, [&](const TContestQSORec& r) {
    return contestCode != '9' || FullForm(r.Call()) == full;
  });
  if (!dupe) return 0;
  if (scope == 9) return MarkingResult(kBand, base, qsoTable, quiet);
  Warn(kBand, base, quiet);
  return 1;
}

bool TContLogAlle::DupeMode(std::string_view call, std::string_view mode,
                            const TdbContestBase& qsoTable, const TContestRec& def, bool quiet) {
  if (def.DupeScope != 3) return true;
  TdbContest log(TdbContestBase::kQsoLog, 0, qsoTable.GetContestNumber());
  const std::string base = keyparts::CallForm(call);
  // Two groups: the phone modes, and everything else. Which of two QSOs came first must
  // not matter, so a non-phone mode after any non-phone mode is a dupe (CW after RTTY as
  // RTTY after CW).
  const bool phone = IsPhone(mode);
  for (bool found = log.SearchCall(base); found;
       found = log.NextRecord(contestkeys::kCallDatumZeit)) {
    const TContestQSORec r = log.GetQSORec();
    if (keyparts::CallForm(r.Call()) != base) break;
    if (r.IsBandChangeLine() || IsPhone(r.Mode()) != phone) continue;
    Warn(kMode, base, quiet);
    return false;
  }
  return true;
}

bool TContLogAlle::DupeBandPeriod(std::string_view call, char band, char contestCode,
                                  const TdbContestBase& qsoTable, const TContestRec&, int32_t time,
                                  bool quiet) {
  if (contestCode != '6') return true;
  TdbContest log(TdbContestBase::kQsoLog, 0, qsoTable.GetContestNumber());
  const std::string base = keyparts::CallForm(call);
  const bool early = time < kPeriodBoundary;
  if (!AnyOnBand(log, base, band,
                 [&](const TContestQSORec& r) { return (r.Zeit() < kPeriodBoundary) == early; }))
    return true;
  Warn(kBandPeriod, base, quiet);
  return false;
}

bool TContLogAlle::DupeBandDay(std::string_view call, char band, char contestCode,
                               const TdbContestBase& qsoTable, const TContestRec&, int32_t date,
                               bool quiet) {
  if (contestCode != 'h' && contestCode != 'o') return true;
  TdbContest log(TdbContestBase::kQsoLog, 0, qsoTable.GetContestNumber());
  const std::string base = keyparts::CallForm(call);
  if (!AnyOnBand(log, base, band, [&](const TContestQSORec& r) { return r.Datum() == date; }))
    return true;
  Warn(kBandDay, base, quiet);
  return false;
}

uint8_t TContLogAlle::DupeLog(std::string_view call, const TContestRec& def,
                              const TdbContestBase& qsoTable, bool quiet) {
  const uint8_t scope = def.DupeScope;
  if (scope != 5 && scope != 10) return 0;
  TdbContest log(TdbContestBase::kQsoLog, 0, qsoTable.GetContestNumber());
  if (!log.FindCall(call)) return 0;
  const std::string base = keyparts::CallForm(call);
  if (scope == 10) return MarkingResult(kLog, base, qsoTable, quiet);
  Warn(kLog, base, quiet);
  return 1;
}

TContLogAlle::TDupeAction TContLogAlle::CheckDupes(TdbContestBase& qsoTable, char contestCode,
                                                   const TContestRec& def, bool quiet) {
  const TContestQSORec q = qsoTable.GetQSORec();
  const std::string call = q.Call();
  bool mark = false;
  // A byte answer: 1 refuses, 2 and 3 accept with the mark.
  auto take = [&](uint8_t result) {
    mark = mark || result >= 2;
    return result != 1;
  };
  bool accepted = take(DupeBandMode(call, q.Bandcode(), qsoTable, def, q.Mode(), quiet)) &&
                  take(DupeBand(call, q.Bandcode(), contestCode, qsoTable, def, quiet)) &&
                  DupeMode(call, q.Mode(), qsoTable, def, quiet);
  if (accepted && def.DupeScope == 4)
    accepted = DupeBandPeriod(call, q.Bandcode(), contestCode, qsoTable, def, q.Zeit(), quiet) &&
               DupeBandDay(call, q.Bandcode(), contestCode, qsoTable, def, q.Datum(), quiet);
  accepted = accepted && take(DupeLog(call, def, qsoTable, quiet));
  if (!accepted) return TDupeAction::kRefuse;
  if (!mark) return TDupeAction::kAccept;
  TContestQSORec marked = qsoTable.GetQSORec();
  marked.SetZeroPoints(255);
  qsoTable.SetQSORec(marked);
  return TDupeAction::kMark;
}
