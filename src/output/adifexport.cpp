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

// ASCII for a Windows-1252 letter above 127: German letters spelt out, other Latin
// letters without their accent; empty for anything else. 216 is the slashed zero of the
// calls.
const char* AsciiOf(unsigned char c) {
  static const char* const kFromC0[64] = {
      "A", "A", "A", "A", "Ae", "A", "AE", "C", "E", "E", "E", "E", "I",  "I", "I",  "I",
      "D", "N", "O", "O", "O",  "O", "Oe", "",  "0", "U", "U", "U", "Ue", "Y", "TH", "ss",
      "a", "a", "a", "a", "ae", "a", "ae", "c", "e", "e", "e", "e", "i",  "i", "i",  "i",
      "d", "n", "o", "o", "o",  "o", "oe", "",  "o", "u", "u", "u", "ue", "y", "th", "y"};
  switch (c) {
    case 0x8A: return "S";
    case 0x8C: return "OE";
    case 0x8E: return "Z";
    case 0x9A: return "s";
    case 0x9C: return "oe";
    case 0x9E: return "z";
    case 0x9F: return "Y";
    default: return c >= 0xC0 ? kFromC0[c - 0xC0] : "";
  }
}

// ADIF strings are printable ASCII; readers refuse the whole file for one other byte. A
// control character that an old log still holds becomes a blank, as in every other file.
std::string AsciiText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (c >= 32 && c < 127)
      out += ch;
    else if (c > 127)
      out += AsciiOf(c);
    else
      out += ' ';
  }
  return out;
}

std::string AdifField(std::string_view name, std::string_view value) {
  return ToStrings::AdifField(name, AsciiText(value));
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

// The modes of the ADIF 3.1 mode list; anything else is no MODE value.
constexpr std::string_view kModes[] = {
    "AM",     "ARDOP",   "ATV",  "CHIP",  "CLO",    "CONTESTI", "CW",     "DIGITALVOICE",
    "DOMINO", "DYNAMIC", "FAX",  "FM",    "FSK441", "FT8",      "HELL",   "ISCAT",
    "JT4",    "JT6M",    "JT9",  "JT44",  "JT65",   "MFSK",     "MSK144", "MT63",
    "OLIVIA", "OPERA",   "PAC",  "PAX",   "PKT",    "PSK",      "PSK2K",  "Q15",
    "QRA64",  "ROS",     "RTTY", "RTTYM", "SSB",    "SSTV",     "T10",    "THOR",
    "THRB",   "TOR",     "V4",   "VOI",   "WINMOR", "WSPR"};

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
  for (const std::string_view mode : kModes)
    if (word == mode) return {word, ""};
  return {};
}

bool IsForeignMode(std::string_view modeText) {
  return ModeOf(modeText).Mode.empty() && !ToStrings::Trim(modeText).empty();
}

std::vector<std::string> HeaderLines(const TExportLog& log) {
  return {AsciiText("ADIF-Export generated with Velcor " + log.Def.VersionTitle + " " +
                    TContestFkt::HomePage()),
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
  if (!mode.Mode.empty()) r += AdifField("MODE", mode.Mode);
  if (!mode.Submode.empty()) r += AdifField("SUBMODE", mode.Submode);
  // A word that no ADIF mode stands for is kept where readers look for our own fields.
  if (IsForeignMode(qso.Mode())) r += AdifField("APP_ZORSAAR_MODE", qso.Mode());
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
