#pragma once
// The point rules of the contest codes: one function per rule, each reading what it needs
// of the QSO being scored from one prepared set of its records.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "contest/contestrec.h"
#include "log/contlogalle.h"
#include "tables/contestrecs.h"

// The QSO being scored with the records the rules read; made once per QSO.
struct TPointsQso {
  TPointsQso(const TContestRec& def, const TdbContestBase& listTable,
             const TdbContestBase& qsoTable, TContLogAlle& alle);

  const TContestRec& Def;
  const TdbContestBase& ListTable;
  const TdbContestBase& QsoTable;
  TContLogAlle& Alle;
  TContestListRec List;
  TContestQSORec Qso;
  std::string Call;      // zeros unslashed
  std::string Received;  // the received exchange: report, then the contest fields
  uint8_t Class = 0;     // 1 + the index of the participation class, 0 none
  int32_t Distance = 0;
  char Band = 0;

  bool OwnDok() const { return TContLogAlle::IsOwnDok(Qso, List); }
  bool HomeDok() const { return TContLogAlle::IsHomeDok(Def, Qso); }
  bool HomeDistrictDok() const { return TContLogAlle::IsHomeDistrictDok(Def, Qso); }
  bool HomeOrDistrict() const { return HomeDok() || HomeDistrictDok(); }
  bool ClubStation() const { return TContLogAlle::IsClubStation(Call); }
  bool ClassIn(std::initializer_list<int> classes) const {
    for (int c : classes)
      if (Class == c) return true;
    return false;
  }
  bool CallIn(std::initializer_list<std::string_view> calls) const {
    for (std::string_view c : calls)
      if (Call == c) return true;
    return false;
  }
  // Characters from..from+count-1 (counted from 1) of the received exchange.
  std::string ReceivedPart(size_t from, size_t count) const;
};

using TPointsRule = int (*)(const TPointsQso&);

namespace pointrules {

// The rule of a contest code; nullptr for a code without one.
TPointsRule RuleOf(char code);

// Rules that read the QSO's DOK and the station lists of the contest.
int MecklenburgVorpommern(const TPointsQso& q);  // 'V'
int Bwa(const TPointsQso& q);                    // 'B'
int Franken(const TPointsQso& q);                // 'F'
int Hessen(const TPointsQso& q);                 // 'G'
int RheinlandPfalz(const TPointsQso& q);         // 'R'
int RheinlandPfalzWoche(const TPointsQso& q);    // 'h'
int BayernOst(const TPointsQso& q);              // 'U', 'K'
int ClubDokI(const TPointsQso& q);               // 'I'
int ClubDokHome(const TPointsQso& q);            // 'l'
int BrandenburgBerlin(const TPointsQso& q);      // 'C'
int Ruhrgebiet(const TPointsQso& q);             // 'L'
int Telegraphie(const TPointsQso& q);            // 'A'
int Vfdb(const TPointsQso& q);                   // 'Y'
int VfdbUkw(const TPointsQso& q);                // 'o'
int Schwaben(const TPointsQso& q);               // 'Q'
int WestfalenNordDok(const TPointsQso& q);       // '2'
int WestfalenNord(const TPointsQso& q);          // '3'
int Saar(const TPointsQso& q);                   // 'd'
int Nord(const TPointsQso& q);                   // 'e'
int NordseeUkw(const TPointsQso& q);             // 'g'

// Rules that read the received exchange.
int FebruarQsoParty(const TPointsQso& q);  // 'P'
int Handtasten(const TPointsQso& q);       // 'q'
int Iparc(const TPointsQso& q);            // 'Z'
int HscCw(const TPointsQso& q);            // '6'
int DigQsoParty(const TPointsQso& q);      // '7'
int Naval(const TPointsQso& q);            // 'i'
int AgcwQrpParty(const TPointsQso& q);     // 's'
int RtcParty(const TPointsQso& q);         // '4'
int AgcwQrp(const TPointsQso& q);          // 'w'
int QcwaParty(const TPointsQso& q);        // 'k'
int DswKurz(const TPointsQso& q);          // 'p'

// Rules of distance, band, mode, continent and entity.
int Wag(const TPointsQso& q);                // 'W'
int Holyland(const TPointsQso& q);           // 'H'
int Funkertag(const TPointsQso& q);          // '5'
int Europatag(const TPointsQso& q);          // 'E'
int Hamburg(const TPointsQso& q);            // 'J'
int NordicActivity(const TPointsQso& q);     // 'N'
int SchleswigHolstein(const TPointsQso& q);  // 'O'
int ModePoints(const TPointsQso& q);         // 'c'
int Fieldday(const TPointsQso& q);           // '9'
int Ausbildung(const TPointsQso& q);         // 'u'
int DistancePoints(const TPointsQso& q);     // 'j', '8', 'm'
int OnePoint(const TPointsQso& q);   // 'X', 't', '1', 'n', 'f', 'a', 'b', 'v', 'S', 'T', 'r'
int TwoPoints(const TPointsQso& q);  // 'D'

}  // namespace pointrules
