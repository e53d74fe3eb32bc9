#include "reference/baender.h"

#include <initializer_list>

#include "foundation/strings.h"
#include "tables/setupseparat.h"

ToBaender* oBaender = nullptr;

namespace {

struct BandDef {
  char code;
  const char* longName;
  const char* shortName;
  std::initializer_list<double> wavelengths;
  const char* frequencyText;
  double nominal, lower, upper;
  const char* designator1;
  const char* designator2;
  std::initializer_list<const char*> aliases;
};

// Highest band first: every lookup takes the first row that fits.
const BandDef kBands[ToBaender::kBandCount] = {
    {'t',
     "0.6cm",
     "6mm",
     {0.006},
     "47GHz",
     47088,
     47087.9999,
     47200,
     "47G",
     "47G",
     {"0,6", "0.6", "0.6 CM", "0,6 CM", "0.6CM", "0,6CM", "0.6 C", "0,6 C", "0.6C", "0,6C", "6MM",
      "6 MM"}},
    {'s',
     "1.2cm",
     "1.25cm",
     {0.012, 1.2},
     "24GHz",
     24000,
     23999.9999,
     24250,
     "24G",
     "24G",
     {"1,2",    "1.2",    "1.2 CM", "1,2 CM", "1.2CM", "1,2CM",   "1.2 C",
      "1,2 C",  "1.2C",   "1,2C",   "1,25",   "1.25",  "1.25 CM", "1,25 CM",
      "1.25CM", "1,25CM", "1.25 C", "1,25 C", "1.25C", "1,25C"}},
    {'q',
     "3 cm",
     "3cm",
     {0.03, 3},
     "10GHz",
     10000,
     9999.9999,
     10500,
     "10G",
     "10G",
     {"3", "3 CM", "3CM", "3 C", "3C"}},
    {'p',
     "6 cm",
     "6cm",
     {0.06},
     "5,7GHz",
     5650,
     5649.9999,
     5850,
     "5.7G",
     "5.7G",
     {"6", "6 CM", "6CM", "6 C", "6C"}},
    {'o',
     "9 cm",
     "9cm",
     {0.09, 9},
     "3,4GHz",
     3400,
     3399.9999,
     3475,
     "3.4G",
     "3.4G",
     {"9", "9 CM", "9CM", "9 C", "9C"}},
    {'n',
     "13 cm",
     "13cm",
     {0.13, 0.12, 13},
     "2,3GHz",
     2400,
     2319.9999,
     2450,
     "2.3G",
     "2.3G",
     {"13", "13 CM", "13CM", "13 C", "13C"}},
    {'m',
     "23 cm",
     "23cm",
     {0.23, 23},
     "1,2GHz",
     1240,
     1239.9999,
     1300,
     "1.2G",
     "1.2G",
     {"23", "23 CM", "23CM", "23 C", "23C"}},
    {'l',
     "70 cm",
     "70cm",
     {0.7},
     "432MHz",
     430,
     429.9999,
     440,
     "432",
     "432",
     {"70 CM", "70CM", "70 C", "70C", "435MHZ"}},
    {'k',
     "2 m",
     "2m",
     {2},
     "144MHz",
     144,
     143.9999,
     146,
     "2M",
     "144",
     {"2", "2 M", "2M", "145MHZ"}},
    {'u', "4 m", "4m", {4}, "70MHz", 70.01, 69.7999, 71, "4M", "70", {"4", "4 M", "4M"}},
    {'j', "6 m", "6m", {6}, "50MHz", 50, 49.9999, 54, "6M", "50", {"6", "6 M", "6M"}},
    {'i', "10 m", "10m", {10}, "", 28, 27.9999, 29.7, "10M", "28000", {"10", "10 M", "10M"}},
    {'h', "12 m", "12m", {12}, "", 24.89, 24.889, 25, "12M", "25000", {"12", "12 M", "12M"}},
    {'g', "15 m", "15m", {15}, "", 21, 20.9999, 21.45, "15M", "21000", {"15", "15 M", "15M"}},
    {'f', "17 m", "17m", {17}, "", 18.1, 18.0679, 18.1681, "17M", "18000", {"17", "17 M", "17M"}},
    {'e', "20 m", "20m", {20}, "", 14, 13.9999, 14.35, "20M", "14000", {"20", "20 M", "20M"}},
    {'d', "30 m", "30m", {30}, "", 10.1, 10.099, 10.2, "30M", "10000", {"30", "30 M", "30M"}},
    {'c', "40 m", "40m", {40}, "", 7, 6.9999, 7.2, "40M", "7000", {"40", "40 M", "40M"}},
    {'b', "80 m", "80m", {80}, "", 3.5, 3.4999, 3.9, "80M", "3500", {"80", "80 M", "80M"}},
    {'a', "160 m", "160m", {160}, "", 1.815, 1.809, 2, "160M", "1800", {"160", "160 M", "160M"}},
    {'r',
     "2190m",
     "2190m",
     {2190, 2189},
     "",
     0.137,
     0.1356999,
     0.1378,
     "2190M",
     "2190M",
     {"2189", "2189 M", "2189M", "2190", "2190 M", "2190M"}},
};

// kHz ranges of a typed frequency (lower bound exclusive, upper inclusive).
struct KHzRange {
  double lower, upper;
};
const KHzRange kKHzRanges[] = {{1814, 1999},   {3499.9, 3900}, {6999.9, 7300},
                               {10099, 10200}, {10500, 23999}, {24250, 47000},
                               {49999, 54000}, {69799, 69999}, {143999, 146000}};

// The setup module's formatted comparison with five decimals.
bool EqualAt5Decimals(double a, double b) {
  return setupseparat::CompareFormatted(0, 5, '=', a, b);
}

}  // namespace

ToBaender::ToBaender() {
  for (int i = 0; i < kBandCount; ++i) {
    const BandDef& d = kBands[i];
    TBm5Band& r = rows_[size_t(i)];
    r.Code = d.code;
    r.LongName = d.longName;
    r.ShortName = d.shortName;
    size_t w = 0;
    for (double v : d.wavelengths) r.Wavelength[w++] = v;
    r.FrequencyText = d.frequencyText;
    r.Nominal = d.nominal;
    r.Lower = d.lower;
    r.Upper = d.upper;
    r.Designator1 = d.designator1;
    r.Designator2 = d.designator2;
    size_t a = 0;
    for (const char* s : d.aliases) r.Aliases[a++] = s;
  }
}

const TBm5Band* ToBaender::RowOfCode(TBandCode code) const {
  for (const TBm5Band& r : rows_) {
    if (r.Code == code) return &r;
  }
  return nullptr;
}

const TBm5Band* ToBaender::RowOfFrequency(double mhz) const {
  for (const TBm5Band& r : rows_) {
    if (r.Lower < mhz && mhz <= r.Upper) return &r;
  }
  return nullptr;
}

const TBm5Band* ToBaender::RowOfText(std::string_view text) const {
  if (text.empty()) return nullptr;
  const std::string t = ToStrings::AnsiUpperCase(ToStrings::Trim(text));
  if (t.empty()) return nullptr;
  for (const TBm5Band& r : rows_) {
    for (const std::string& alias : r.Aliases) {
      if (!alias.empty() && alias == t) return &r;
    }
  }
  return nullptr;
}

TBandCode ToBaender::BandCodeOfFrequency(double mhz) const {
  const TBm5Band* r = RowOfFrequency(mhz);
  return r ? r->Code : ' ';
}

std::string ToBaender::BandNameOf(TBandCode code, bool shortName) const {
  if (code == '0') return "all";
  const TBm5Band* r = RowOfCode(code);
  if (!r) return "???";
  return shortName ? r->ShortName : r->LongName;
}

std::string ToBaender::BandDesignatorOf(TBandCode code, bool cabrillo) const {
  if (code == '0') return "ALL";
  const TBm5Band* r = RowOfCode(code);
  if (!r) return "-";
  return cabrillo ? r->Designator2 : r->Designator1;
}

double ToBaender::DefaultFrequencyOf(TBandCode band, char mode) const {
  if (band == 'b' && mode == 'a') return 3.52;
  if (band == 'b' && mode == 'b') return 3.61;
  if (band == 'e' && mode == 'b') return 14.126;
  const TBm5Band* r = RowOfCode(band);
  return r ? r->Nominal : 0;
}

TBandCode ToBaender::BandCodeOfText(std::string_view text) const {
  const TBm5Band* r = RowOfText(text);
  return r ? r->Code : ' ';
}

double ToBaender::FrequencyOfBandText(std::string_view text) const {
  const TBm5Band* r = RowOfText(text);
  return r ? r->Nominal : 0;
}

std::string ToBaender::FrequencyTextOfBandText(std::string_view text) const {
  const TBm5Band* r = RowOfText(text);
  if (!r) return {};
  std::string s = ToStrings::FloatToStr(r->Nominal);
  size_t dot = s.find('.');
  if (dot != std::string::npos) s[dot] = ',';
  return s;
}

std::string ToBaender::BandNameOfFrequency(int style, double mhz) const {
  const TBm5Band* r = RowOfFrequency(mhz);
  if (!r) {
    switch (style) {
      case 1: return std::string(5, ' ');
      case 2: return std::string(4, ' ');
      case 4: return "???";
      default: return {};
    }
  }
  if (style == 0) return r->ShortName;
  std::string name = ToStrings::Trim(r->LongName);
  switch (style) {
    case 1: return ToStrings::PadLeft(name.substr(0, 5), 5);
    case 2: {
      size_t blank = name.find(' ');
      if (blank != std::string::npos) name.erase(blank, 1);
      return ToStrings::PadLeft(name.substr(0, 4), 4);
    }
    case 3: std::erase(name, ' '); return name;
    default: return name;
  }
}

std::string ToBaender::BandNameOfFrequencyText(std::string_view text, int style) const {
  return BandNameOfFrequency(style, ToStrings::StrToReal(text));
}

double ToBaender::FrequencyToMHz(double v, bool shortcuts) const {
  if (v == 0) return 0;
  if (shortcuts && EqualAt5Decimals(v, 10)) return 10.1;
  for (const TBm5Band& r : rows_) {
    for (double w : r.Wavelength) {
      if (w != -1 && EqualAt5Decimals(v, w)) return r.Nominal;
    }
  }
  const std::pair<double, double> shortcutsAlways[] = {
      {18, 18.1}, {1.8, 1.815}, {10, 10.1}, {24.8, 24.89}, {24, 24.89}};
  for (const auto& [typed, mhz] : shortcutsAlways) {
    if (EqualAt5Decimals(v, typed)) return mhz;
  }
  for (const KHzRange& k : kKHzRanges) {
    if (k.lower < v && v <= k.upper) return v / 1000;
  }
  if (v > 320000) return v / 1000;
  return v;
}
