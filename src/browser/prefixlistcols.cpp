#include "browser/prefixlistcols.h"

#include <array>

#include "foundation/strings.h"
#include "reference/dbprefix.h"
#include "reference/locator.h"
#include "reference/prefix.h"
#include "tables/setupseparat.h"

namespace prefixlist {
namespace {

// What the cells of one row are made from: the entry and, when both locators are
// usable, heading and distance from the own station.
struct TRowSource {
  const TdbPrefix& Entry;
  bool Measured = false;
  double Bearing = 0;
  double Distance = 0;
};

std::string Marked(const TRowSource& s, const std::string& text) {
  return s.Entry.GetMarker() ? "(" + text + ")" : text;
}

std::string PrefixCell(const TRowSource& s) { return Marked(s, s.Entry.GetPrefix()); }
std::string DxccCell(const TRowSource& s) { return Marked(s, s.Entry.GetDXCC()); }
// A like-prefix entry takes its data from the entry it names, so that name is what the
// list shows of it.
std::string CountryCell(const TRowSource& s) {
  const std::string wie = s.Entry.GetWiePref();
  return wie.empty() ? s.Entry.GetCountry() : "wie " + wie;
}
std::string GermanCell(const TRowSource& s) {
  return ToPrefix::GermanCountryName(s.Entry.GetCountry());
}
std::string ContinentCell(const TRowSource& s) { return s.Entry.GetContinent(); }
std::string WazCell(const TRowSource& s) { return s.Entry.GetWAZ(); }
std::string ItuCell(const TRowSource& s) { return s.Entry.GetITU(); }
std::string LocatorCell(const TRowSource& s) { return s.Entry.GetLocator(); }
std::string BearingCell(const TRowSource& s) {
  return s.Measured ? ToStrings::FloatToStrWidth(3, 1, ',', s.Bearing) : std::string();
}
std::string DistanceCell(const TRowSource& s) {
  return s.Measured ? ToStrings::FloatToStrWidth(5, 0, ',', s.Distance) : std::string();
}
std::string BureauCell(const TRowSource& s) { return s.Entry.GetQSLBureau(); }
std::string WaeCell(const TRowSource& s) { return s.Entry.GetWAE(); }
std::string AdifCell(const TRowSource& s) {
  return ToStrings::IntToStrPadded(s.Entry.GetADIFNr(), 3);
}

struct TColumn {
  const char* German;
  const char* English;
  int Chars;      // 0: as wide as the caption
  int WideChars;  // in the selection modes 1 and 3
  int KeyNr;      // the key a header click sorts by
  std::string (*Cell)(const TRowSource&);
};

constexpr std::array<TColumn, 13> kColumns{{
    {"Prefix", "Prefix", 6, 6, 0, PrefixCell},
    {"DXCC", "DXCC", 4, 4, 0, DxccCell},
    {"Land", "Country", 21, 30, kKeyCountry, CountryCell},
    {"Land, deutsch", "Land, deutsch", 20, 20, 0, GermanCell},
    {"Co", "Co", 3, 3, 6, ContinentCell},
    {"CQ", "CQ", 3, 3, 4, WazCell},
    {"IT", "IT", 3, 3, 5, ItuCell},
    {"Loc", "Loc", 7, 7, 0, LocatorCell},
    {"Richtung", "Richtung", 0, 0, 0, BearingCell},
    {"Entfernung", "Entfernung", 0, 0, 0, DistanceCell},
    {"QSL-Büro", "QSL-Büro", 0, 0, 8, BureauCell},
    {"WAE", "WAE", 7, 7, 0, WaeCell},
    {"ADIF", "ADIF", 0, 0, 13, AdifCell},
}};

}  // namespace

int ColumnCount() { return int(kColumns.size()); }

std::string HeaderText() {
  std::string out;
  for (const TColumn& c : kColumns) {
    if (!out.empty()) out += ';';
    out += setupseparat::LangText(c.German, c.English);
  }
  return out;
}

std::string ColumnKeys() {
  std::string out;
  for (const TColumn& c : kColumns) out += char(c.KeyNr);
  return out;
}

int ColumnChars(int col, uint8_t mode) {
  if (col < 0 || col >= ColumnCount()) return 0;
  const TColumn& c = kColumns[size_t(col)];
  return mode == 1 || mode == 3 ? c.WideChars : c.Chars;
}

std::string RowText(const TdbPrefix& entry, std::string_view ownLocator) {
  TRowSource source{entry};
  const std::string locator = ToStrings::Trim(entry.GetLocator());
  // An entry without locator, or an own locator that is not usable, has no heading and
  // distance: a zero would read as a real bearing.
  if (!locator.empty() && oLocator)
    source.Measured =
        oLocator->DistanceAndBearing(ownLocator, locator, source.Bearing, source.Distance);
  std::string out;
  for (size_t i = 0; i < kColumns.size(); ++i) {
    if (i > 0) out += ';';
    if (i == 0 && entry.IsOutOfDate()) out += '-';
    out += kColumns[i].Cell(source);
  }
  return out;
}

}  // namespace prefixlist
