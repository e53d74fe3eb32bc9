// The point rules that score by distance, band, mode, continent or the partner's entity.
#include <algorithm>

#include "foundation/strings.h"
#include "log/loghelpers.h"
#include "log/pointrules.h"
#include "tables/contestkeys.h"
#include "tables/contesttables.h"

using loghelpers::StartsWith;

namespace pointrules {

namespace {

bool OnBands(char band, std::string_view bands) {
  return band != 0 && bands.find(band) != std::string_view::npos;
}

// Another QSO of the band that counts: the first one of the log under the key carries
// the same value and is neither this QSO nor a marked dupe.
bool FirstIsAnotherCountedQso(TdbContest& log, int keyNr, const std::string& key,
                              const TContestQSORec& qso,
                              bool (*same)(const TContestQSORec&, const TContestQSORec&)) {
  if (!log.SearchKey(key, keyNr)) return false;
  const TContestQSORec found = log.GetQSORec();
  return found.Nummer() != qso.Nummer() && found.Bandcode() == qso.Bandcode() && same(found, qso) &&
         found.ZeroPoints() == 0;
}

}  // namespace

int Wag(const TPointsQso& q) {
  const std::string dxcc = ToStrings::Trim(q.Qso.DXCC());
  if (q.Class == 7) {
    if (dxcc != "DL") return 0;
    return ToStrings::Trim(q.Qso.Mode()) == "CW" ? 3 : 1;
  }
  const std::string own = q.List.OwnCall();
  const bool germanOwnCall = own.size() >= 2 && own[0] == 'D' &&
                             ((own[1] >= 'A' && own[1] <= 'H') || (own[1] >= 'J' && own[1] <= 'R'));
  if (!germanOwnCall) return dxcc == "DL" ? 3 : 0;
  if (dxcc == "DL") return 1;
  if (q.Qso.WaeFlag() != 0) return 3;
  return dxcc.empty() ? 0 : 5;
}

int Holyland(const TPointsQso& q) {
  if (ToStrings::Trim(q.Qso.DXCC()) != "4X") return 0;
  if (!TContLogAlle::IsValidArea(q.Qso.DOK1(), q.ListTable)) return 0;
  return OnBands(q.Band, "abc") ? 2 : 1;
}

int Funkertag(const TPointsQso& q) { return StartsWith(q.Call, "DN") ? 5 : 3; }

int Europatag(const TPointsQso& q) { return q.Qso.Continent() == "EU" ? q.Distance : 0; }

int Hamburg(const TPointsQso& q) { return OnBands(q.Band, "kl") ? q.Distance : 1; }

int NordicActivity(const TPointsQso& q) {
  const int bonus = 500 * TContLogAlle::IsNewSquareOnBand(q.QsoTable);
  const int64_t d = q.Distance;
  int64_t points = 0;
  switch (q.Band) {
    case 'j':
    case 'k':
    case 'l': points = std::min<int64_t>(d, 2000); break;
    case 'm': points = d; break;
    case 'n': points = 2 * d; break;
    case 'o': points = 3 * d; break;
    case 'p': points = 4 * d; break;
    case 'q': points = 5 * d; break;
    case 's': points = 6 * d; break;
    default: return 0;
  }
  return int(std::clamp<int64_t>(points + bonus, 0, 65535));
}

int SchleswigHolstein(const TPointsQso& q) {
  if (!OnBands(q.Band, "kl")) return 1;
  int points = q.Distance;
  TdbContest log(TdbContestBase::kQsoLog, 0, q.QsoTable.GetContestNumber());
  const std::string band(1, q.Band);
  const std::string dxcc = ToStrings::Trim(q.Qso.DXCC());
  const auto sameDxcc = [](const TContestQSORec& a, const TContestQSORec& b) {
    return ToStrings::Trim(a.DXCC()) == ToStrings::Trim(b.DXCC());
  };
  if (!FirstIsAnotherCountedQso(log, contestkeys::kBandDxcc,
                                band + keyparts::Fit(dxcc, keyparts::kDxcc), q.Qso, sameDxcc))
    points += 100;
  const std::string dok = q.Qso.DOK();
  const auto sameDok = [](const TContestQSORec& a, const TContestQSORec& b) {
    return a.DOK() == b.DOK();
  };
  if (!dok.empty() &&
      !FirstIsAnotherCountedQso(log, contestkeys::kBandDok,
                                band + keyparts::Fit(dok, keyparts::kDok), q.Qso, sameDok))
    points += 100;
  return points;
}

int ModePoints(const TPointsQso& q) {
  const std::string mode = ToStrings::Trim(q.Qso.Mode());
  if (mode == "FM") return 2;
  if (mode == "SSB") return 4;
  if (mode == "CW") return 6;
  return 1;
}

int Fieldday(const TPointsQso& q) {
  // Portable: the last '/' part of the call is P, M, MM or AM; "DL/PA1ABC" is not.
  const size_t slash = q.Call.rfind('/');
  const std::string suffix = slash == std::string::npos
                                 ? std::string()
                                 : ToStrings::AnsiUpperCase(q.Call.substr(slash + 1));
  const bool portable = suffix == "P" || suffix == "M" || suffix == "MM" || suffix == "AM";
  const bool europe = q.Qso.Continent() == "EU";
  if (!portable) return q.Class == 6 ? 0 : europe ? 2 : 3;
  return europe ? 4 : 6;
}

int Ausbildung(const TPointsQso& q) {
  return StartsWith(q.Call, "DO") || StartsWith(q.Call, "DN") ? 2 : 1;
}

}  // namespace pointrules
