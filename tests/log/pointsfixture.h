#pragma once
// Scoring one QSO: the QSO is described by the fields the rules read and becomes the QSO
// table's working record (stored when a test needs it in the log).

#include <string>

#include "contest/exchangesplit.h"
#include "logfixture.h"
#include "tables/setups.h"

struct TQ {
  const char* Call = "DL1ABC";
  const char* Dok = "";
  const char* Received = "";
  char Band = 'b';
  int32_t Distance = 0;
  const char* Mode = "SSB";
  const char* Dxcc = "";
  const char* Continent = "EU";
  const char* Loc = "";
  uint8_t Wae = 0;
  uint8_t ZeroPoints = 0;
};

class PointsTest : public LogTest {
 protected:
  static TContestQSORec Record(const TQ& q) {
    TContestQSORec r;
    r.SetCall(q.Call);
    r.SetDOK(q.Dok);
    exchangesplit::SplitReceivedExchange(q.Received, r);
    r.SetBandcode(q.Band);
    r.SetDistance(q.Distance);
    r.SetMode(q.Mode);
    r.SetDXCC(q.Dxcc);
    r.SetContinent(q.Continent);
    r.SetLoc(q.Loc);
    r.SetWaeFlag(q.Wae);
    r.SetZeroPoints(q.ZeroPoints);
    return r;
  }
  // The points of the QSO in a log of the code and class byte, under the rules' own
  // definition of that code and class.
  int Points(char code, uint8_t t, const TQ& q) { return Points(code, t, q, Def(code, t)); }
  int Points(char code, uint8_t t, const TQ& q, const TContestRec& def) {
    SetList(code, t);
    qsos_->SetQSORec(Record(q));
    return alle_.CalcQsoPoints(def, *list_, *qsos_);
  }
  static void SetOwnLocator(const std::string& locator) {
    ToSetupEigeneStation station = Setups().GetEigeneStation();
    station.SetLocator(locator);
    Setups().SetEigeneStation(station);
  }
};

// One expected score: contest code, class byte, QSO, points.
struct TScore {
  char Code;
  uint8_t Class;
  TQ Qso;
  int Points;
};
