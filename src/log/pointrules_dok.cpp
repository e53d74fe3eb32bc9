// The point rules that score by the partner's DOK and by the club and special stations
// the organisers publish.
#include "log/loghelpers.h"
#include "log/pointrules.h"
#include "tables/setups.h"

using loghelpers::IsLetterDigitDigit;
using loghelpers::StartsWith;

namespace pointrules {

int MecklenburgVorpommern(const TPointsQso& q) {
  if (q.ClassIn({8, 9})) return q.HomeOrDistrict() ? 1 : 0;
  return q.HomeOrDistrict() ? 3 : 1;
}

int Bwa(const TPointsQso& q) {
  const int points = q.ClassIn({2, 3}) ? q.Distance : 1;
  if (q.Class == 4) return q.OwnDok() ? 1 : 2;
  return q.OwnDok() ? 0 : points;
}

int Franken(const TPointsQso& q) {
  if (q.OwnDok()) return 0;
  return q.ClassIn({3, 4}) ? q.Distance : 1;
}

int Hessen(const TPointsQso& q) {
  if (q.OwnDok() && TContLogAlle::CompareStoredQso(q.QsoTable)) return 0;
  return q.ClassIn({5, 6, 7}) ? q.Distance : 1;
}

int RheinlandPfalz(const TPointsQso& q) {
  if (q.OwnDok()) return 0;
  return q.ClassIn({3, 6, 9}) || q.Class >= 12 ? 1 : 3;
}

int RheinlandPfalzWoche(const TPointsQso& q) {
  if (q.OwnDok()) return 0;
  return std::string_view("mnopqst").find(q.Band) != std::string_view::npos && q.Band != 0 ? 2 : 1;
}

// The own DOK counts once: only the first QSO of the log with it scores.
int BayernOst(const TPointsQso& q) {
  return q.OwnDok() && TContLogAlle::CompareStoredQso(q.QsoTable) ? 0 : 1;
}

int ClubDokI(const TPointsQso& q) {
  return StartsWith(q.Qso.DOK1(), "I") && q.ClubStation() ? 2 : 1;
}

int ClubDokHome(const TPointsQso& q) {
  const int points = ClubDokI(q);
  return points == 1 && q.HomeDok() ? 2 : points;
}

int BrandenburgBerlin(const TPointsQso& q) {
  if (q.Def.SWLLog) return 1;
  if (q.ClassIn({1, 4})) return q.HomeOrDistrict() ? 3 : 1;
  return 3;
}

int Ruhrgebiet(const TPointsQso& q) {
  int points = q.ClubStation() ? 5 : 1;
  if (q.CallIn({"DL0JRR", "DL0DRG", "DK0RYL", "DF0KOL", "DL0YLL"})) points = 10;
  if (q.Qso.DOK1() == "DVL") points = 20;
  if (q.Call == "DL0GC") points = 45;
  if (q.Call == "DQ4L") points = 60;
  if (q.Call == "DL65DARC") points = 65;
  return points;
}

int Telegraphie(const TPointsQso& q) {
  return q.CallIn({"DA0HSC", "DK0HSC", "DL0HSC", "DA0RTC", "DK0RTC", "DL0RTC", "DF0ACW", "DF0AGC",
                   "DL0AGC", "DK0AG", "DL0CWW", "DL0DA"})
             ? 2
             : 1;
}

int Vfdb(const TPointsQso& q) {
  if (q.CallIn(
          {"DA0DBP", "DB0DBP", "DF0DBP", "DK0DBP", "DL0DBP", "DK0Z", "DF0FTP", "DL0FTP", "DL0YLZ"}))
    return 10;
  if (q.OwnDok()) return 0;
  if (q.HomeDistrictDok()) return 5;
  const std::string dok1 = q.Qso.DOK1();
  for (const std::string& entry : q.Def.SpecialDoks)
    if (!entry.empty() && entry == dok1) return 5;
  return 1;
}

int VfdbUkw(const TPointsQso& q) {
  return q.CallIn({"DB0DBP", "DF0DBP", "DK0DBP", "DL0DBP", "DA0Z", "DF0Z", "DK0Z", "DL0Z", "DF0FTP",
                   "DL0FTP", "DL0YLZ"})
             ? 2
             : 1;
}

int Schwaben(const TPointsQso& q) {
  if (!q.HomeOrDistrict()) return 1;
  const std::string& c = q.Call;
  const bool clubCall =
      c.size() >= 3 && c[2] == '0' && std::string_view("FKLR").find(c[1]) != std::string_view::npos;
  if (clubCall || (c.size() >= 2 && c[1] == 'N') || q.Qso.DOK1() == "SQ") return 10;
  return 5;
}

int WestfalenNordDok(const TPointsQso& q) {
  if (q.Call == "DF0WN") return 6;
  const std::string dok1 = q.Qso.DOK1();
  if (dok1.size() >= 2 && dok1.size() <= 3 && dok1.back() == 'N') return 3;
  return q.ClubStation() ? 2 : 1;
}

int WestfalenNord(const TPointsQso& q) {
  if (q.Call == "DF0WN") return 10;
  return q.ClubStation() ? 5 : 1;
}

int Saar(const TPointsQso& q) {
  if (q.OwnDok()) return 0;
  if (!q.HomeOrDistrict()) return 1;
  if (q.CallIn({"DM3M", "DA3A", "DR5S", "DM5M"}) || q.ClubStation()) return 3;
  return 2;
}

int Nord(const TPointsQso& q) {
  const std::string own = Setups().GetEigeneStation().Locator();
  const std::string loc = q.Qso.Loc();
  int points = own.size() > 3 && loc.size() > 3 ? TContLogAlle::SquareRingDistance(own, loc) : 0;
  const std::string dok1 = q.Qso.DOK1();
  if (!IsLetterDigitDigit(dok1) && dok1.size() >= 2 && q.HomeDok()) points += 10;
  return points;
}

int NordseeUkw(const TPointsQso& q) { return q.OwnDok() ? 0 : Nord(q); }

}  // namespace pointrules
