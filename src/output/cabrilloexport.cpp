#include "output/cabrilloexport.h"

#include "contest/contestfkt.h"
#include "contest/contestrec.h"
#include "contest/exchangesplit.h"
#include "foundation/dates.h"
#include "foundation/strings.h"
#include "output/exportexchange.h"
#include "output/exportsource.h"
#include "reference/baender.h"
#include "reference/modi.h"

namespace cabrilloexport {
namespace {

using exportexchange::TFormat;
using exportsource::Join;
using exportsource::Or;

enum TModeGroup { kCw = 1, kPhone = 2, kDigital = 4 };

int GroupOf(std::string_view modeText) {
  switch (oModi->ModeCodeOf(modeText)) {
    case 'a': return kCw;
    case 'b':
    case 'c':
    case 'd': return kPhone;
    default: return kDigital;
  }
}

// The words of a class text, upper-cased, letters and digits only.
bool NamesWord(std::string_view text, std::initializer_list<std::string_view> words) {
  const std::string upper = ToStrings::AnsiUpperCase(text);
  std::string word;
  auto matches = [&] {
    for (std::string_view w : words)
      if (word == w) return true;
    return false;
  };
  for (char c : upper + " ") {
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) {
      word += c;
      continue;
    }
    if (matches()) return true;
    word.clear();
  }
  return false;
}

std::string ModeFromClass(const TContestRec& def) {
  int groups = 0;
  for (const std::string& m : def.Modes)
    if (!ToStrings::Trim(m).empty()) groups |= GroupOf(ToStrings::Trim(m));
  switch (groups) {
    case kCw: return "CW";
    case kPhone: return "SSB";
    case kDigital: return "DIGI";
    default: return "MIXED";
  }
}

std::string Station(const TExportLog& log) {
  const std::string call = log.ContestCall();
  if (call.find("/P") != std::string::npos) return "PORTABLE";
  if (call.find("/M") != std::string::npos) return "MOBILE";
  return "FIXED";
}

}  // namespace

TCategories CategoriesOf(const TExportLog& log) {
  const TContestRec& def = log.Def;
  const std::string cls = log.ClassDescription();
  TCategories c;
  if (!def.CabrilloText1.empty()) c.Band = def.CabrilloText1;
  c.Mode = def.CabrilloCategoryMode.empty() ? ModeFromClass(def) : def.CabrilloCategoryMode;
  if (!def.CabrilloCategoryPower.empty())
    c.Power = def.CabrilloCategoryPower;
  else if (NamesWord(cls, {"QRP"}))
    c.Power = "QRP";
  else if (NamesWord(cls, {"LOW", "LP"}))
    c.Power = "LOW";
  if (!def.CabrilloCategoryAssisted.empty()) c.Assisted = def.CabrilloCategoryAssisted;
  if (!def.CabrilloCategoryOperator.empty())
    c.Operator = def.CabrilloCategoryOperator;
  else if (NamesWord(cls, {"MULTI", "MEHRMANN", "MULTIOP"}) || log.List.OneOperator() == 0)
    c.Operator = "MULTI-OP";
  return c;
}

std::string ModeWord(std::string_view modeText) {
  const std::string mode = ToStrings::Trim(modeText);
  if (mode.empty()) return {};
  const std::string word = oModi->ContestModeOf(oModi->ModeCodeOf(mode));
  if (!word.empty()) return word;
  return GroupOf(mode) == kPhone ? "PH" : "DG";
}

std::vector<std::string> HeaderLines(const TExportLog& log, std::string_view category) {
  const TContestRec& def = log.Def;
  const ToSetupEigeneStation& st = log.Station;
  const TCategories c = CategoriesOf(log);
  // Cabrillo takes no blank inside a tag's single word.
  const std::string contest =
      def.CabrilloContest.empty()
          ? ToStrings::ReplaceAll(ToStrings::AnsiUpperCase(ToStrings::Trim(log.List.Name())), " ",
                                  "-")
          : def.CabrilloContest;
  std::vector<std::string> l;
  l.push_back("START-OF-LOG: 3.0");
  l.push_back("CONTEST: " + contest);
  l.push_back("CALLSIGN: " + log.HeaderCall());
  l.push_back("CATEGORY: " + ToStrings::AnsiUpperCase(log.CategoryText(category)));
  l.push_back("CATEGORY-OPERATOR: " + c.Operator);
  l.push_back("CATEGORY-BAND: " + c.Band);
  l.push_back("CATEGORY-MODE: " + c.Mode);
  l.push_back("CATEGORY-POWER: " + c.Power);
  l.push_back("CATEGORY-STATION: " + Station(log));
  l.push_back("CATEGORY-TRANSMITTER: " + std::string(def.SWLLog ? "SWL" : c.Transmitter));
  l.push_back("CATEGORY-ASSISTED: " + c.Assisted);
  l.push_back("LOCATION: DX");
  l.push_back("CLAIMED-SCORE: " + std::to_string(log.ClaimedScore()));
  l.push_back("CREATED-BY: " + def.VersionTitle);
  l.push_back("NAME: " + ToStrings::Trim(st.Name()));
  if (!ToStrings::Trim(log.List.DOK()).empty()) l.push_back("CLUB: DARC");
  l.push_back("SPECIFIC: " + log.List.DOK());
  l.push_back("ADDRESS: " + ToStrings::Trim(st.Street()));
  l.push_back("ADDRESS: " + ToStrings::Trim(st.PostcodeTown()));
  l.push_back("ADDRESS: " + Or(ToStrings::Trim(st.Country()), "Germany"));
  l.push_back("EMAIL: " + ToStrings::Trim(st.Email()));
  l.push_back("OPERATORS: " + log.HeaderCall());
  std::string soapbox = "SOAPBOX: ";
  if (log.Code() == 'W' && log.List.ExtraNumber() > 0)
    soapbox += "LIC.DATE: " + ToDates::DateToDateString(log.List.ExtraNumber(), "dd.mm.yyyy");
  l.push_back(soapbox);
  l.push_back("SOAPBOX: ");
  return l;
}

std::string QsoLine(const TExportLog& log, const TContestQSORec& qso) {
  const char code = log.Code();
  // The '1' contest's checker reads narrower columns.
  const bool narrow = code == '1';
  const std::string freq =
      ToStrings::FitWidth(oBaender->BandDesignatorOf(qso.Bandcode(), true), 5, true);
  const std::string mode =
      ToStrings::FitWidth(Or(ModeWord(qso.Mode()), "- "), narrow ? 2 : 3, true);
  const std::string date = exportsource::QsoDate(qso.Datum(), "yyyy-mm-dd", "    -  -  ");
  const std::string time = ToDates::TimeToTimeString(qso.Zeit(), "hhmm");
  const std::string ownCall =
      narrow ? ToStrings::FitWidth(log.SettingsCall, 13, true) : log.SettingsCall;
  std::string sent = exportexchange::Side(exchangesplit::SentExchangeText(qso), code,
                                          log.SettingsCall.starts_with('D'), TFormat::Cabrillo);
  if (narrow) sent = ToStrings::FitWidth(sent, 15, true);
  const std::string call =
      ToStrings::FitWidth(Or(qso.Call(), "-"), narrow ? 13 : log.CallWidth, true);
  const std::string rcvd =
      exportexchange::Side(exchangesplit::ReceivedExchangeText(qso), code,
                           ToStrings::Trim(qso.Call()).starts_with('D'), TFormat::Cabrillo);
  if (log.Def.SWLLog)
    return "QSO: " + Join({freq, mode, date, time, call, rcvd,
                           ToStrings::FitWidth(qso.Call2(), 9, true), sent});
  return "QSO: " + Join({freq, mode, date, time, ownCall, sent, call, rcvd});
}

}  // namespace cabrilloexport
