// The dispatcher of the point rules and the tests the rules share.
#include "log/pointrules.h"

#include <algorithm>
#include <cstdlib>

#include "contest/exchangesplit.h"
#include "foundation/strings.h"
#include "log/loghelpers.h"
#include "tables/contesttables.h"

using loghelpers::IsDigit;

namespace pointrules {

namespace {

struct TRuleRow {
  char Code;
  TPointsRule Rule;
};

const TRuleRow kRules[] = {
    {'V', MecklenburgVorpommern},
    {'W', Wag},
    {'X', OnePoint},
    {'t', OnePoint},
    {'D', TwoPoints},
    {'1', OnePoint},
    {'n', OnePoint},
    {'f', OnePoint},
    {'a', OnePoint},
    {'b', OnePoint},
    {'v', OnePoint},
    {'B', Bwa},
    {'p', DswKurz},
    {'H', Holyland},
    {'5', Funkertag},
    {'P', FebruarQsoParty},
    {'E', Europatag},
    {'q', Handtasten},
    {'J', Hamburg},
    {'F', Franken},
    {'G', Hessen},
    {'R', RheinlandPfalz},
    {'h', RheinlandPfalzWoche},
    {'N', NordicActivity},
    {'S', OnePoint},
    {'T', OnePoint},
    {'L', Ruhrgebiet},
    {'U', BayernOst},
    {'K', BayernOst},
    {'I', ClubDokI},
    {'l', ClubDokHome},
    {'Z', Iparc},
    {'C', BrandenburgBerlin},
    {'O', SchleswigHolstein},
    {'A', Telegraphie},
    {'Y', Vfdb},
    {'o', VfdbUkw},
    {'Q', Schwaben},
    {'2', WestfalenNordDok},
    {'3', WestfalenNord},
    {'c', ModePoints},
    {'6', HscCw},
    {'7', DigQsoParty},
    {'i', Naval},
    {'j', DistancePoints},
    {'8', DistancePoints},
    {'m', DistancePoints},
    {'s', AgcwQrpParty},
    {'9', Fieldday},
    {'4', RtcParty},
    {'w', AgcwQrp},
    {'d', Saar},
    {'e', Nord},
    {'g', NordseeUkw},
    {'k', QcwaParty},
    {'r', OnePoint},
    {'u', Ausbildung},
};

}  // namespace

TPointsRule RuleOf(char code) {
  for (const TRuleRow& row : kRules)
    if (row.Code == code) return row.Rule;
  return nullptr;
}

int OnePoint(const TPointsQso&) { return 1; }
int TwoPoints(const TPointsQso&) { return 2; }
int DistancePoints(const TPointsQso& q) { return q.Distance; }

}  // namespace pointrules

TPointsQso::TPointsQso(const TContestRec& def, const TdbContestBase& listTable,
                       const TdbContestBase& qsoTable, TContLogAlle& alle)
    : Def(def),
      ListTable(listTable),
      QsoTable(qsoTable),
      Alle(alle),
      List(listTable.GetListRec()),
      Qso(qsoTable.GetQSORec()),
      // The slashed zero is a way of showing a call, never part of it.
      Call(ToStrings::UnslashZeros(Qso.Call())),
      Received(exchangesplit::ReceivedExchangeText(Qso)),
      Class(List.Category()),
      Distance(Qso.Distance()),
      Band(Qso.Bandcode()) {}

std::string TPointsQso::ReceivedPart(size_t from, size_t count) const {
  return from - 1 < Received.size() ? Received.substr(from - 1, count) : std::string();
}

int TContLogAlle::CalcQsoPoints(const TContestRec& def, const TdbContestBase& listTable,
                                const TdbContestBase& qsoTable) {
  const TPointsQso q(def, listTable, qsoTable, *this);
  if (q.Qso.ZeroPoints() != 0 || q.Qso.Call().size() < 3) return 0;
  const TPointsRule rule = pointrules::RuleOf(q.List.Typ());
  if (!rule) return 0;
  // The points field of the record holds 16 bits.
  return std::clamp(rule(q), 0, 65535);
}

bool TContLogAlle::IsClubStation(std::string_view call) {
  if (call == "DP0EPO") return true;
  if (call.size() < 2 || call[0] != 'D') return false;
  const char second = call[1];
  if (call.size() >= 3 && std::string_view("ACFKLNO").find(second) != std::string_view::npos &&
      call[2] == '0')
    return true;
  if (second == 'Q' || second == 'R') return true;
  return call.size() == 4 && second >= 'A' && second <= 'R';
}

bool TContLogAlle::IsOwnDok(const TContestQSORec& qso, const TContestListRec& list) {
  const std::string own = list.DOK();
  return !own.empty() && qso.DOK() == own;
}

bool TContLogAlle::IsHomeDok(const TContestRec& def, const TContestQSORec& qso) {
  const std::string dok = qso.DOK();
  for (const std::string& entry : def.HomeDoks)
    if (!entry.empty() && entry == dok) return true;
  return false;
}

bool TContLogAlle::IsHomeDistrictDok(const TContestRec& def, const TContestQSORec& qso) {
  const std::string dok = qso.DOK();
  if (dok.size() != 3 || dok[0] == 0 || !IsDigit(dok[1]) || !IsDigit(dok[2])) return false;
  for (char letter : def.HomeDistricts)
    if (letter == dok[0]) return true;
  return false;
}

bool TContLogAlle::CompareStoredQso(const TdbContestBase& qsoTable) {
  const TContestQSORec qso = qsoTable.GetQSORec();
  TdbContest log(TdbContestBase::kQsoLog, 0, qsoTable.GetContestNumber());
  return log.FindDOK(qso.DOK()) && log.GetQSORec().Nummer() != qso.Nummer();
}

int TContLogAlle::SquareRingDistance(std::string_view a, std::string_view b) {
  if (a.size() < 4 || b.size() < 4) return 0;
  const auto axis = [](std::string_view loc, size_t letter, size_t digit) {
    return 10 * int(uint8_t(loc[letter])) + int(uint8_t(loc[digit]));
  };
  const int dx = axis(a, 0, 2) - axis(b, 0, 2);
  const int dy = axis(a, 1, 3) - axis(b, 1, 3);
  return std::max(std::abs(dx), std::abs(dy)) + 1;
}

int TContLogAlle::IsNewSquareOnBand(const TdbContestBase& qsoTable) {
  const TContestQSORec qso = qsoTable.GetQSORec();
  const std::string square = qso.Loc().substr(0, 4);
  // A QSO not stored yet, or without a square, opens none.
  if (qso.Nummer() == 0 || square.size() < 4) return 0;
  const char band = qso.Bandcode();
  const auto inSquare = [&](const TContestQSORec& r) {
    return r.Bandcode() == band && r.Loc().substr(0, 4) == square;
  };
  // The square is new when nothing of it was worked on the band, or when this QSO's own
  // stored record lies in it and was counted for it. The number is unique, so that record
  // is found by its number instead of walking every QSO of the square; when it lies in
  // the square, the square was worked on the band.
  TdbContest log(TdbContestBase::kQsoLog, 0, qsoTable.GetContestNumber());
  if (log.FindNumber(qso.Nummer())) {
    const TContestQSORec stored = log.GetQSORec();
    if (inSquare(stored)) return stored.CMulti().substr(0, 4) == square ? 1 : 0;
  }
  return !log.SearchBandLoc(std::string(1, band) + square) || !inSquare(log.GetQSORec()) ? 1 : 0;
}
