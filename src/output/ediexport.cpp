#include "output/ediexport.h"

#include "contest/contestfkt.h"
#include "contest/contestrec.h"
#include "contest/exchangesplit.h"
#include "foundation/dates.h"
#include "foundation/memofile.h"
#include "foundation/strings.h"
#include "output/exportsource.h"
#include "reference/modi.h"

namespace ediexport {
namespace {

// ";" separates the fields of a record, so a value never carries one.
std::string Value(std::string_view s) { return ToStrings::ReplaceAll(ToStrings::Trim(s), ";", ""); }

std::string ModeCode(std::string_view modeText) {
  switch (oModi->ModeCodeOf(modeText)) {
    case 'b': return "1";
    case 'a': return "2";
    case 'c': return "5";
    case 'd': return "6";
    case 'e': return "7";
    default: return "0";
  }
}

// The serial number of a side: characters 4-7 without a closing "/". Readers take the
// field as a number, so an exchange that carries no serial (a locator) leaves it empty.
std::string Number(const std::string& exchange) {
  std::string n = ToStrings::Trim(ToStrings::Copy(exchange, 4, 4));
  if (!n.empty() && n.back() == '/') n.pop_back();
  return ToStrings::AllDigits(n) ? n : std::string();
}

struct TBandName {
  char Code;
  const char* Name;
};

// The band names of REG1TEST; the short-wave bands, which it does not name, in the same
// form.
constexpr TBandName kBandNames[] = {
    {'r', "136 kHz"}, {'a', "1,8 MHz"}, {'b', "3,5 MHz"}, {'c', "7 MHz"},   {'d', "10 MHz"},
    {'e', "14 MHz"},  {'f', "18 MHz"},  {'g', "21 MHz"},  {'h', "24 MHz"},  {'i', "28 MHz"},
    {'j', "50 MHz"},  {'u', "70 MHz"},  {'k', "144 MHz"}, {'l', "432 MHz"}, {'m', "1,3 GHz"},
    {'n', "2,3 GHz"}, {'o', "3,4 GHz"}, {'p', "5,7 GHz"}, {'q', "10 GHz"},  {'s', "24 GHz"},
    {'t', "47 GHz"},
};

// Readers take every line that opens with "[" as a new section; a remark never does.
std::string NoSection(const std::string& line) {
  const size_t start = line.find_first_not_of('[');
  return start == std::string::npos ? std::string() : line.substr(start);
}

std::string DateOf(int32_t date) { return ToDates::DateToDateString(date, "yyyymmdd"); }

}  // namespace

void TCollector::Add(const TContestQSORec& qso) {
  ++records_;
  ++perBand_[qso.Bandcode()];
  const std::string field = ToStrings::Trim(ToStrings::Left(qso.Loc(), 4));
  if (!field.empty()) fields_.insert(field);
  const std::string dxcc = ToStrings::Trim(qso.DXCC());
  if (!dxcc.empty()) dxccs_.insert(dxcc);
  const int64_t value = byPoints_ ? int64_t(qso.Points()) : int64_t(qso.Distance());
  if (value > best_) {
    best_ = value;
    odx_ = Value(qso.Call()) + ";" + Value(qso.Loc()) + ";" + std::to_string(value);
  }
}

std::string TCollector::MainBand() const {
  char band = '\0';
  int most = 0;
  for (const auto& [code, count] : perBand_)
    if (count > most) {
      band = code;
      most = count;
    }
  for (const TBandName& b : kBandNames)
    if (b.Code == band) return b.Name;
  return {};
}

std::vector<std::string> BannerLines(const TExportLog& log) {
  const TContestRec& def = log.Def;
  std::vector<std::string> l;
  l.push_back(NoSection(def.VersionTitle));
  l.push_back("This data was exported using VELCOR " + def.VersionTitle);
  l.push_back("Call:" + log.ContestCall());
  if (log.Code() == '\0') {
    l.push_back("Locator:" + ToStrings::Trim(log.List.CreationLocator()));
    l.push_back("Band:" + ToStrings::Trim(log.List.BandText()));
  }
  l.push_back("Logs generated on " + ToDates::TodayString("dd.mm.yyyy") + " " +
              ToDates::CurrentTimeString("hh:mm:ss"));
  l.push_back("(c) " + ToDates::TodayString("yyyy") + " Velcor Software");
  l.push_back("Support: support@velcor.example");
  l.push_back("Web: " + TContestFkt::HomePage());
  return l;
}

std::vector<std::string> HeaderLines(const TExportLog& log, const TParticipant& p,
                                     const TCollector& figures) {
  const TContestRec& def = log.Def;
  const TContestListRec& list = log.List;
  const bool noCode = log.Code() == '\0';
  const std::string records = std::to_string(figures.Records());
  const std::string points = std::to_string(log.Totals.Points);
  std::vector<std::string> l;
  l.push_back("[REG1TEST;1]");
  l.push_back("TName=" + Value(noCode ? list.Name() : def.ContestName));
  if (list.DatumVon() > 0 && list.DatumBis() > 0)
    l.push_back("TDate=" + DateOf(list.DatumVon()) + ";" + DateOf(list.DatumBis()));
  else
    l.push_back("TDate=0;0");
  l.push_back("PCall=" + Value(p.pcall));
  l.push_back("PWWLo=" + Value(p.ploc));
  l.push_back("PExch=");
  l.push_back("PAdr1=" + Value(p.padr1));
  l.push_back("PAdr2=" + Value(p.padr2));
  l.push_back("PSect=" + Value(p.psect));
  l.push_back("Wertungsgruppe=" + Value(p.psect));
  // The band is required: without one from the form, the band of most QSOs.
  const std::string band = Value(p.pband);
  l.push_back("PBand=" + (band.empty() ? figures.MainBand() : band));
  l.push_back("PClub=" + Value(p.pclub1) + ";" + Value(p.pclub2));
  l.push_back("RName=" + Value(p.rname));
  l.push_back("RCall=" + log.ContestCall());
  l.push_back("RAdr1=" + Value(p.radr1));
  l.push_back("RAdr2=" + Value(p.radr2));
  l.push_back("RPoCo=" + Value(p.rpoco));
  l.push_back("RCity=" + Value(p.rcity));
  l.push_back("RCoun=" + Value(p.rcoun));
  l.push_back("RPhon=");
  l.push_back("RHBBS=" + Value(p.remail));
  l.push_back("MOpe1=" + ToStrings::Trim(p.mope1));
  l.push_back("MOpe2=" + ToStrings::Trim(p.mope2));
  l.push_back("STXEq=" + Value(list.Transceiver()));
  l.push_back("SPowe=" + Value(p.rpower));
  l.push_back("SRXEq=" + Value(p.rtrx));
  l.push_back("SAnte=" + Value(p.rant));
  l.push_back(noCode ? "SAntH=" + std::to_string(list.AntennaHeightGround()) + ";" +
                           std::to_string(list.AntennaHeightSea())
                     : std::string("SAntH=0;0"));
  l.push_back("CQSOs=" + records + ";1");
  l.push_back("CQSOP=" + points);
  l.push_back("CWWLs=" + std::to_string(figures.LocatorFields()) + ";0;1");
  l.push_back("CWWLB=0");
  l.push_back("CExcs=0;0;1");
  l.push_back("CExcB=");
  l.push_back("CDXCs=" + std::to_string(figures.Dxccs()) + ";0;1");
  l.push_back("CDXCB=0");
  l.push_back("CToSc=" + points);
  l.push_back("CODXC=" + figures.Odx());
  l.push_back("[Remarks]");
  for (const std::string& s : memofile::SplitLines(p.rremarks)) l.push_back(NoSection(s));
  for (const std::string& s : BannerLines(log)) l.push_back(s);
  l.push_back("[QSORecords;" + records + "]");
  return l;
}

std::string Record(const TContestQSORec& qso) {
  const std::string sent = exchangesplit::SentExchangeText(qso);
  const std::string rcvd = exchangesplit::ReceivedExchangeText(qso);
  const size_t slash = rcvd.find('/');
  const std::string exch = slash == std::string::npos ? "" : Value(rcvd.substr(slash + 1, 1));
  const std::string fields[] = {
      ToDates::DateToDateString(qso.Datum(), "yymmdd"),
      ToDates::TimeToTimeString(qso.Zeit(), "hhmm"),
      Value(qso.Call()),
      ModeCode(qso.Mode()),
      Value(ToStrings::Left(sent, 3)),
      Number(sent),
      Value(ToStrings::Left(rcvd, 3)),
      Number(rcvd),
      exch,
      ToStrings::FitWidth(Value(qso.Loc()), 6, true),
      std::to_string(qso.Distance()),
  };
  std::string line;
  for (const std::string& f : fields) line += f + ";";
  line.pop_back();
  return line + ";;;;";
}

}  // namespace ediexport
