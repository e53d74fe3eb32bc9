#include "output/adifexport.h"

#include "contest/contestfkt.h"
#include "contest/contestrec.h"
#include "contest/exchangesplit.h"
#include "foundation/dates.h"
#include "foundation/strings.h"
#include "output/exportexchange.h"
#include "output/exportsource.h"
#include "reference/baender.h"
#include "reference/dbprefix.h"

TAdifDxccNumbers::TAdifDxccNumbers() : table_(std::make_unique<TdbPrefix>()) {}

TAdifDxccNumbers::~TAdifDxccNumbers() = default;

std::string TAdifDxccNumbers::NumberOf(const std::string& dxcc) {
  const auto known = known_.find(dxcc);
  if (known != known_.end()) return known->second;
  return known_[dxcc] = ToStrings::Trim(table_->AdifNumberOfDxcc(dxcc));
}

namespace adifexport {
namespace {

std::string AdifField(std::string_view name, std::string_view value) {
  return ToStrings::AdifField(name, value);
}

struct TSubmodeRow {
  const char* word;
  const char* mode;
  const char* submode;
};

// Mode words an operator types that ADIF files under another mode. Readers that check
// the mode list refuse them as MODE.
constexpr TSubmodeRow kSubmodes[] = {
    {"PR", "PKT", ""},
    {"PACTOR", "PAC", ""},
    {"PAC2", "PAC", "PAC2"},
    {"PAC3", "PAC", "PAC3"},
    {"PAC4", "PAC", "PAC4"},
    {"AMTOR", "TOR", "AMTOR"},
    {"GTOR", "TOR", "GTOR"},
    {"G-TOR", "TOR", "GTOR"},
    {"PSK31", "PSK", "PSK31"},
    {"PSK-31", "PSK", "PSK31"},
    {"PSK63", "PSK", "PSK63"},
    {"PSK125", "PSK", "PSK125"},
    {"PSK250", "PSK", "PSK250"},
    {"PSK10", "PSK", "PSK10"},
    {"BPSK31", "PSK", "BPSK31"},
    {"BPSK63", "PSK", "BPSK63"},
    {"QPSK31", "PSK", "QPSK31"},
    {"QPSK63", "PSK", "QPSK63"},
    {"USB", "SSB", "USB"},
    {"LSB", "SSB", "LSB"},
    {"FT4", "MFSK", "FT4"},
    {"JS8", "MFSK", "JS8"},
    {"FST4", "MFSK", "FST4"},
    {"HELL80", "HELL", "HELL80"},
    {"FMHELL", "HELL", "FMHELL"},
    {"DSTAR", "DIGITALVOICE", ""},
    {"DMR", "DIGITALVOICE", ""},
    {"C4FM", "DIGITALVOICE", ""},
};

std::string Rest(const std::string& exchange) { return ToStrings::CopyFrom(exchange, 4); }

// STX and SRX hold integers; a rest with letters (a DOK, a locator) is a string field.
std::string NumberField(const char* name, const std::string& exchange) {
  if (exchange.size() <= 3) return {};
  const std::string rest = ToStrings::Trim(Rest(exchange));
  if (rest.empty()) return {};
  return ToStrings::AllDigits(rest) ? AdifField(name, rest)
                                           : AdifField(std::string(name) + "_STRING", rest);
}

std::string DistrictFieldName(const TContestRec& def) {
  if (def.MultiplierKinds.test(8)) return "AREA";
  if (def.MultiplierKinds.test(17)) return "LDK";
  return "DOK";
}

std::string QslFlag(const char* name, char flag) {
  if (flag == '\0' || flag == ' ') return {};
  const bool yes = flag == 'J' || flag == 'j' || flag == 'S' || flag == 's';
  return AdifField(name, yes ? std::string("Y") : std::string(1, flag));
}

}  // namespace

TAdifMode ModeOf(std::string_view modeText) {
  const std::string word = ToStrings::AnsiUpperCase(ToStrings::Trim(modeText));
  for (const TSubmodeRow& r : kSubmodes)
    if (word == r.word) return {r.mode, r.submode};
  return {ToStrings::Trim(modeText), ""};
}

std::vector<std::string> HeaderLines(const TExportLog& log) {
  return {
      "ADIF-Export generated with Velcor " + log.Def.VersionTitle + " " + TContestFkt::HomePage(),
      "<EOH>"};
}

std::string Record(const TExportLog& log, const TContestQSORec& qso, bool rstOnly,
                   const TDxccNumber& dxccNumber) {
  const TContestRec& def = log.Def;
  const std::string sent = exchangesplit::SentExchangeText(qso);
  const std::string rcvd = exchangesplit::ReceivedExchangeText(qso);
  std::string r;
  if (qso.Datum() > 0)
    r += AdifField("QSO_DATE", ToDates::DateToDateString(qso.Datum(), "yyyymmdd"));
  r += AdifField("TIME_ON", ToDates::TimeToTimeString(qso.Zeit(), "hhmm"));
  r += AdifField("CALL", qso.Call());
  // A listener reports what he heard as his own report of the station, once.
  if (def.SWLLog) {
    r += AdifField("RST_SENT", rstOnly ? ToStrings::Left(rcvd, 3) : rcvd);
    r += AdifField("CALL_WKD", qso.Call2());
    r += AdifField("RST_WKD", ToStrings::Left(sent, 3));
  } else {
    r += AdifField("RST_SENT", rstOnly ? ToStrings::Left(sent, 3) : sent);
  }
  r += AdifField("RST_RCVD", rstOnly ? ToStrings::Left(rcvd, 3) : rcvd);
  if (rstOnly) r += NumberField("STX", sent) + NumberField("SRX", rcvd);
  if (log.Code() == 'A' && rcvd.size() > 3) r += AdifField("LDK", Rest(rcvd));
  const char band = qso.Bandcode();
  if (band != '0' && oBaender->BandNameOf(band, true) != "???") {
    std::string name = ToStrings::Trim(oBaender->BandNameOf(band, true));
    if (const size_t blank = name.find(' '); blank != std::string::npos) name.erase(blank, 1);
    r += AdifField("BAND", name);
  }
  const TAdifMode mode = ModeOf(qso.Mode());
  r += AdifField("MODE", mode.Mode);
  if (!mode.Submode.empty()) r += AdifField("SUBMODE", mode.Submode);
  r += AdifField("PTS", std::to_string(qso.Points()));
  r += AdifField(DistrictFieldName(def), qso.DOK());
  r += AdifField("GRIDSQUARE", qso.Loc());
  const std::string dxcc = ToStrings::Trim(qso.DXCC());
  if (!dxcc.empty()) {
    const std::string number = ToStrings::Trim(dxccNumber(dxcc));
    if (!number.empty()) r += AdifField("DXCC", number);
    r += AdifField("DXCC_PFX", dxcc);
  }
  if (qso.Frequency() > 0)
    r += AdifField("FREQ", ToStrings::FloatToStrWidth(0, 4, '.', qso.Frequency()));
  const std::string nameQth = qso.NameQth();
  // A field without ";" holds a name alone.
  const bool split = nameQth.find(';') != std::string::npos;
  const std::string name = ToStrings::Trim(split ? ToStrings::TextBefore(nameQth, ";") : nameQth);
  const std::string qth = split ? ToStrings::Trim(ToStrings::TextAfter(nameQth, ";")) : "";
  if (!name.empty()) r += AdifField("NAME", name);
  if (!qth.empty()) r += AdifField("QTH", qth);
  r += QslFlag("QSL_SENT", qso.QslSent()) + QslFlag("QSL_RCVD", qso.QslRcvd());
  return r + "<EOR>";
}

}  // namespace adifexport
