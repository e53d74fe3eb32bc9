#include "output/stfexport.h"

#include "contest/contestfkt.h"
#include "contest/contestrec.h"
#include "contest/exchangesplit.h"
#include "contest/stationfile.h"
#include "foundation/dates.h"
#include "foundation/memofile.h"
#include "foundation/strings.h"
#include "output/allerout.h"
#include "output/exportexchange.h"
#include "output/exportsource.h"

namespace stfexport {
namespace {

using exportexchange::TFormat;
using exportsource::Join;
using exportsource::Or;

// Keywords stand in a column of 13 characters.
std::string Key(std::string_view keyword, std::string_view value = {}) {
  return ToStrings::FitWidth(keyword, 13, true) + std::string(value);
}

std::string QsoOrder(const TExportLog& log) {
  switch (log.Code()) {
    case 'J':
    case 'G':
    case '1':
    case 'B': return "Date Time Band Mode Call SRst Sent Sent2 RRst Rcvd Rcvd2";
    case 'X':
    case 't': return "Date Time Band Mode Call SRst Sent RRst Rcvd Mult Mult2 Pts";
    case 'W':
      if (log.List.Category() == 7)
        return "Date Time Call RRst Rcvd Band Mode Call2 RRst2 Rcvd2 Pts Mult";
      return "Date Time Call SRst Sent RRst Rcvd Band Mode Pts Mult";
    default: return "Date Time Band Mode Call SRst Sent RRst Rcvd";
  }
}

// The station description of the OQRP and meteor-scatter sprint logs, after the
// sentence of the OQRP entry kind.
void AddEquipment(const TExportLog& log, std::vector<std::string>& lines) {
  const char code = log.Code();
  if (code != 'b' && code != 'j') return;
  std::vector<std::string> station;
  const std::string file = stationfile::FileName(stationfile::PrefixOf(code), log.List.Nummer());
  if (!memofile::LoadLines(file, station) || station.empty()) return;
  std::string sentence;
  if (code == 'b' && log.List.ExtraNumber() == 3)
    sentence =
        "Im OQRPC habe ich auf dem 80/40/20m-Band mit einem individuellen Unikat "
        "teilgenommen.";
  else if (code == 'b' && log.List.ExtraNumber() == 2)
    sentence =
        "Im OQRPC habe ich auf dem 80/40/20m-Band mit einem von mir selbstgebauten "
        "Bausatz teilgenommen.";
  std::string line = Key("Equipment", sentence) + " ";
  for (const std::string& s : station) line += " " + s;
  lines.push_back(line);
}

std::string Soapbox(const TExportLog& log) {
  if (log.Code() == 'W' && log.List.ExtraNumber() > 0)
    return "Soapbox      Lic.Date: " +
           ToDates::DateToDateString(log.List.ExtraNumber(), "dd.mm.yyyy");
  return "Soapbox";
}

}  // namespace

std::vector<std::string> HeaderLines(const TExportLog& log, std::string_view category) {
  const TContestRec& def = log.Def;
  const ToSetupEigeneStation& st = log.Station;
  const char code = log.Code();
  std::vector<std::string> l;
  l.push_back("STF1");
  l.push_back("#Data written \"" + ToDates::TodayString("dd.mm.yyyy") + "  " +
              ToDates::CurrentTimeString("hh:mm") + "\"");
  l.push_back("#STF-Export generated with Velcor " + def.VersionTitle + " " +
              TContestFkt::HomePage());
  l.push_back("Header");
  const std::string contest = code == 'X'   ? "DARC-XMAS"
                              : code == 't' ? "Ostercontest"
                                            : ToStrings::Trim(log.List.Name());
  l.push_back(Key("Contest", contest));
  l.push_back(Key("MyCall", log.HeaderCall()));
  l.push_back(Key("Operators", log.ContestCall()));
  l.push_back(Key("Category", log.CategoryText(category)));
  l.push_back(Key("MailAddress", ToStrings::Trim(st.Name())));
  l.push_back(Key("MailAddress", ToStrings::Trim(st.Street())));
  l.push_back(Key("MailAddress", log.Town()));
  l.push_back(Key("MailAddress", log.PostalCode()));
  l.push_back(Key("MailAddress", Or(ToStrings::Trim(st.Country()), "Germany")));
  l.push_back(Key("EMail", ToStrings::Trim(st.Email())));
  l.push_back(Key("ClaimedQSO", std::to_string(log.Totals.Qsos)));
  l.push_back(Key("ClaimedPts", std::to_string(log.Totals.Points)));
  if (def.MultiplierKinds.any()) {
    l.push_back(Key("ClaimedMult", std::to_string(log.Totals.Multi1)));
    if (log.Totals.Multi2 > 0) l.push_back(Key("ClaimedMult2", std::to_string(log.Totals.Multi2)));
    if (log.Totals.Multi3 > 0) l.push_back(Key("ClaimedMult3", std::to_string(log.Totals.Multi3)));
  }
  if (code != 'P') l.push_back(Key("ClaimedScore", std::to_string(log.ClaimedScore())));
  l.push_back("Club");
  l.push_back(Key("Specific", log.List.DOK()));
  AddEquipment(log, l);
  l.push_back("Power");
  l.push_back(Soapbox(log));
  l.push_back("Soapbox");
  l.push_back(Key("QsoOrder", QsoOrder(log)));
  l.push_back("EndHeader");
  l.push_back("");
  l.push_back("QsoList");
  return l;
}

std::string QsoLine(const TExportLog& log, const TContestQSORec& qso) {
  const char code = log.Code();
  const std::string date = exportsource::QsoDate(qso.Datum(), "yyyymmdd", "    -   ");
  const std::string time = ToDates::TimeToTimeString(qso.Zeit(), "hhmm");
  const std::string band = TAlleRout::BandColumn(qso.Bandcode(), true);
  const std::string mode = ToStrings::FitWidth(Or(qso.Mode(), " - "), 6, true);
  const std::string call = ToStrings::FitWidth(Or(qso.Call(), "-"), log.CallWidth, true);
  const bool ownGerman = log.SettingsCall.starts_with('D');
  const bool partnerGerman = ToStrings::Trim(qso.Call()).starts_with('D');
  const std::string sent =
      exportexchange::Side(exchangesplit::SentExchangeText(qso), code, ownGerman, TFormat::Stf);
  const std::string rcvd = exportexchange::Side(exchangesplit::ReceivedExchangeText(qso), code,
                                                partnerGerman, TFormat::Stf);
  const std::string pts = " " + ToStrings::IntToStrPadded(qso.Points(), 3) + "  ";
  const std::string call2 = ToStrings::FitWidth(qso.Call2(), 9, true);
  if (code == 'X' || code == 't') {
    const std::string mult = ToStrings::FitWidth(Or(qso.CMulti(), "-"), 9, true);
    const std::string mult2 = ToStrings::FitWidth(Or(qso.Multi2(), "-"), 5, true);
    return Join({date, time, band, mode, call, sent, rcvd, mult, mult2, pts});
  }
  if (code == 'W') {
    const std::string mult = ToStrings::FitWidth(Or(qso.CMulti(), "-"), 6, true);
    if (log.List.Category() == 7)
      return Join({date, time, call, sent, band, mode, call2, rcvd, pts, mult});
    return Join({date, time, call, sent, rcvd, band, mode, pts, mult});
  }
  if (log.Def.SWLLog) return Join({date, time, band, mode, call, rcvd, call2, sent});
  return Join({date, time, band, mode, call, sent, rcvd});
}

}  // namespace stfexport
