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

// The QSOs of the log that a check compares the QSO being entered with: those of its
// base call, on one band or in the whole log. A stored QSO checked again after an edit is
// not its own dupe: the record of its number, date and time is passed over.
class TSameCall {
 public:
  TSameCall(const TdbContestBase& qsoTable, std::string_view call)
      : log_(TdbContestBase::kQsoLog, 0, qsoTable.GetContestNumber()),
        base_(keyparts::CallForm(call)),
        self_(qsoTable.GetQSORec()) {}
  const std::string& Base() const { return base_; }

  // Until match says a QSO is a dupe (true) or the call or band ends (false), in the
  // order of "Bandcode,Call,Mode".
  template <typename Match>
  bool OnBand(char band, Match match) {
    return Any(
        log_.SearchBandCall(std::string(1, band) + base_), contestkeys::kBandCallMode,
        [&](const TContestQSORec& r) { return r.Bandcode() == band; }, match);
  }
  // The same in the whole log, in the order of "Call,Datum,Zeit".
  template <typename Match>
  bool InLog(Match match) {
    return Any(
        log_.SearchCall(base_), contestkeys::kCallDatumZeit,
        [](const TContestQSORec&) { return true; }, match);
  }

 private:
  template <typename Within, typename Match>
  bool Any(bool found, int keyNr, Within within, Match match) {
    for (; found; found = log_.NextRecord(keyNr)) {
      const TContestQSORec r = log_.GetQSORec();
      if (!within(r) || keyparts::CallForm(r.Call()) != base_) return false;
      if (!r.IsBandChangeLine() && !IsSelf(r) && match(r)) return true;
    }
    return false;
  }
  bool IsSelf(const TContestQSORec& r) const {
    return self_.Nummer() > 0 && r.Nummer() == self_.Nummer() && r.Datum() == self_.Datum() &&
           r.Zeit() == self_.Zeit();
  }
  TdbContest log_;
  std::string base_;
  TContestQSORec self_;
};

bool SameMode(std::string_view a, std::string_view b) {
  return keyparts::Fit(a, keyparts::kMode) == keyparts::Fit(b, keyparts::kMode);
}

// The boundary of the two periods of contest '6': the time "1500".
constexpr int32_t kPeriodBoundary = 15 * 3600;

}  // namespace

uint8_t TContLogAlle::DupeBandMode(std::string_view call, char band, const TdbContestBase& qsoTable,
                                   const TContestRec& def, std::string_view mode, bool quiet) {
  const uint8_t scope = def.DupeScope;
  if (scope != 1 && scope != 7 && scope != 8) return 0;
  TSameCall same(qsoTable, call);
  if (!same.OnBand(band, [&](const TContestQSORec& r) { return SameMode(r.Mode(), mode); }))
    return 0;
  if (scope == 7) return 2;
  if (scope == 8) return MarkingResult(kBandMode, same.Base(), qsoTable, quiet);
  Warn(kBandMode, same.Base(), quiet);
  return 1;
}

uint8_t TContLogAlle::DupeBand(std::string_view call, char band, char contestCode,
                               const TdbContestBase& qsoTable, const TContestRec& def, bool quiet) {
  const uint8_t scope = def.DupeScope;
  if (scope != 2 && scope != 9) return 0;
  TSameCall same(qsoTable, call);
  const std::string full = FullForm(call);
  // The IARU fieldday keeps a portable station apart from the same call at home.
  if (!same.OnBand(band, [&](const TContestQSORec& r) {
        return contestCode != '9' || FullForm(r.Call()) == full;
      }))
    return 0;
  if (scope == 9) return MarkingResult(kBand, same.Base(), qsoTable, quiet);
  Warn(kBand, same.Base(), quiet);
  return 1;
}

bool TContLogAlle::DupeMode(std::string_view call, std::string_view mode,
                            const TdbContestBase& qsoTable, const TContestRec& def, bool quiet) {
  if (def.DupeScope != 3) return true;
  TSameCall same(qsoTable, call);
  // Two groups: the phone modes, and everything else. Which of two QSOs came first must
  // not matter, so a non-phone mode after any non-phone mode is a dupe (CW after RTTY as
  // RTTY after CW).
  const bool phone = IsPhone(mode);
  if (!same.InLog([&](const TContestQSORec& r) { return IsPhone(r.Mode()) == phone; })) return true;
  Warn(kMode, same.Base(), quiet);
  return false;
}

bool TContLogAlle::DupeBandPeriod(std::string_view call, char band, char contestCode,
                                  const TdbContestBase& qsoTable, const TContestRec&, int32_t time,
                                  bool quiet) {
  if (contestCode != '6') return true;
  TSameCall same(qsoTable, call);
  const bool early = time < kPeriodBoundary;
  if (!same.OnBand(band,
                   [&](const TContestQSORec& r) { return (r.Zeit() < kPeriodBoundary) == early; }))
    return true;
  Warn(kBandPeriod, same.Base(), quiet);
  return false;
}

bool TContLogAlle::DupeBandDay(std::string_view call, char band, char contestCode,
                               const TdbContestBase& qsoTable, const TContestRec&, int32_t date,
                               bool quiet) {
  if (contestCode != 'h' && contestCode != 'o') return true;
  TSameCall same(qsoTable, call);
  if (!same.OnBand(band, [&](const TContestQSORec& r) { return r.Datum() == date; })) return true;
  Warn(kBandDay, same.Base(), quiet);
  return false;
}

uint8_t TContLogAlle::DupeLog(std::string_view call, const TContestRec& def,
                              const TdbContestBase& qsoTable, bool quiet) {
  const uint8_t scope = def.DupeScope;
  if (scope != 5 && scope != 10) return 0;
  TSameCall same(qsoTable, call);
  if (!same.InLog([](const TContestQSORec&) { return true; })) return 0;
  if (scope == 10) return MarkingResult(kLog, same.Base(), qsoTable, quiet);
  Warn(kLog, same.Base(), quiet);
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
