#include "exportfixture.h"

#include "contest/contestrules.h"
#include "contest/exchangesplit.h"
#include "foundation/daynumber.h"

namespace exporttest {

namespace {
TContestRec Build(char code, uint8_t classNumber, const std::string& call) {
  TContestInputs in;
  in.Code = code;
  in.ClassNumber = classNumber;
  in.StartDate = daynumber::FromYMD(2025, 3, 8);
  in.OwnDok = "Q01";
  in.OwnCall = call;
  in.MemberNumber = 1;
  in.OwnLocator = "JN39LG";
  in.OwnName = "Hans";
  in.Today = in.StartDate;
  return BuildContestDefinition(in);
}
}  // namespace

TLog::TLog(char code, uint8_t classNumber, const std::string& call)
    : Def(Build(code, classNumber, call)) {
  Log.List.SetTyp(code);
  Log.List.SetCategory(classNumber);
  Log.List.SetOwnCall(call);
  Log.List.SetName("SAAR 2025");
  Log.List.SetNummer(1);
  Log.List.SetOneOperator(255);
  Log.SettingsCall = call;
  Log.Station.SetName("Hans Müller");
  Log.Station.SetStreet("Hauptstr. 1");
  Log.Station.SetPostcodeTown("66111 Saarbrücken");
  Log.Station.SetEmail("dl1abc@example.org");
}

TContestQSORec Qso(const TQso& q) {
  TContestQSORec r;
  r.SetCall(q.Call);
  r.SetMode(q.Mode);
  r.SetBandcode(q.Band);
  r.SetDatum(daynumber::FromYMD(q.Year, q.Month, q.Day));
  r.SetZeit(q.Seconds);
  exchangesplit::SplitSentExchange(q.Sent, r);
  exchangesplit::SplitReceivedExchange(q.Rcvd, r);
  return r;
}

}  // namespace exporttest
