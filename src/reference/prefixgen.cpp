#include "reference/prefixgen.h"

#include <algorithm>
#include <set>

#include "foundation/daynumber.h"
#include "reference/ctyfile.h"
#include "reference/dbprefix.h"
#include "reference/prefixtable.h"
#include "storage/dbbase.h"

namespace prefixgen {
namespace {

using namespace prefixrec;

// The deleted entities of the built-in list with their names, and the last day a QSO with
// them counts where it is known (0: not known).
struct TDeleted {
  int Number;
  const char* Name;
  int Year, Month, Day;
};
const TDeleted kDeleted[] = {
    {2, "Abu Ail Is.", 0, 0, 0},
    {8, "Aldabra", 0, 0, 0},
    {19, "Bajo Nuevo", 0, 0, 0},
    {25, "British North Borneo", 1963, 9, 15},
    {26, "British Somaliland", 0, 0, 0},
    {28, "Canal Zone", 1979, 9, 30},
    {30, "Celebe & Molucca Is.", 1963, 4, 30},
    {39, "Comoros", 0, 0, 0},
    {42, "Damao, Diu", 0, 0, 0},
    {44, "Desroches", 0, 0, 0},
    {55, "Farquhar", 0, 0, 0},
    {57, "French Equatorial Africa", 0, 0, 0},
    {58, "French Indo-China", 0, 0, 0},
    {59, "French West Africa", 0, 0, 0},
    {67, "French India", 0, 0, 0},
    {68, "Kuwait/Saudi Arabia Neutral Zone", 0, 0, 0},
    {81, "Germany", 1973, 9, 16},
    {85, "Bonaire, Curacao", 2010, 10, 9},
    {101, "Goa", 0, 0, 0},
    {102, "Gold Coast, Togoland", 0, 0, 0},
    {113, "Ifni", 0, 0, 0},
    {115, "Italian Somaliland", 0, 0, 0},
    {119, "Java", 1963, 4, 30},
    {127, "Kamaran Is.", 0, 0, 0},
    {128, "Karelo-Finnish Republic", 0, 0, 0},
    {134, "Kingman Reef", 2016, 3, 28},
    {139, "Kuria Muria I.", 0, 0, 0},
    {151, "Malyj Vysotskij I.", 0, 0, 0},
    {154, "Yemen Arab Republic", 1990, 5, 21},
    {155, "Malaya", 1963, 9, 15},
    {164, "Manchuria", 1963, 8, 31},
    {178, "Minerva Reef", 0, 0, 0},
    {183, "Netherlands Borneo", 1963, 4, 30},
    {184, "Netherlands New Guinea", 1963, 4, 30},
    {186, "Newfoundland, Labrador", 1949, 3, 31},
    {193, "Okinawa (Ryukyu Is.)", 1972, 5, 14},
    {194, "Okino Tori-shima", 0, 0, 0},
    {196, "Palestine", 0, 0, 0},
    {198, "Papua Territory", 0, 0, 0},
    {200, "Portuguese Timor", 0, 0, 0},
    {208, "Ruanda-Urundi", 0, 0, 0},
    {210, "Saar", 1957, 3, 31},
    {218, "Czechoslovakia", 1992, 12, 31},
    {220, "Sarawak", 1963, 9, 15},
    {226, "Saudi Arabia/Iraq Neutral Zone", 0, 0, 0},
    {228, "Serrana Bank & Roncador Cay", 0, 0, 0},
    {229, "German Democratic Republic", 1990, 10, 2},
    {231, "Sikkim", 0, 0, 0},
    {243, "People's Dem. Rep. of Yemen", 1990, 5, 21},
    {244, "Southern Sudan", 1994, 12, 31},
    {255, "St. Maarten, Saba, St. Eustatius", 2010, 10, 9},
    {258, "Sumatra", 1963, 4, 30},
    {261, "Swan Is.", 0, 0, 0},
    {264, "Tangier", 0, 0, 0},
    {267, "Territory of New Guinea", 0, 0, 0},
    {268, "Tibet", 0, 0, 0},
    {271, "Trieste", 1957, 3, 31},
    {307, "Zanzibar", 0, 0, 0},
    {488, "Walvis Bay", 1994, 2, 28},
    {493, "Penguin Is.", 0, 0, 0},
};

std::string Designation(int adifNr, const std::string& fallback) {
  if (adifNr < 1 || adifNr > prefixtable::kEntityCount) return fallback;
  const std::string d = prefixtable::kEntityPrefix[adifNr];
  return d.empty() ? fallback : d;
}

TRecord EntityRecord(const std::string& prefix, const std::string& dxcc, const std::string& name,
                     int adifNr, const std::string& wae = "") {
  TRecord r(kSize);
  r.SetStr(kPrefix, kPrefixLen, prefix);
  r.SetStr(kDxcc, kDxccLen, dxcc);
  r.SetStr(kCountry, kCountryLen, name);
  r.SetI16(kAdifNr, int16_t(adifNr));
  r.SetStr(kWae, kPrefixLen, wae);
  return r;
}

// A prefix or exact call as the files key it: an exact call goes to the single-call file.
using TListedText = std::pair<bool, std::string>;
TListedText ListedText(const ctyfile::TCtyPrefix& p) { return {p.ExactCall, p.Text}; }

void SetZones(TRecord& r, const ctyfile::TCtyEntity& e, const ctyfile::TCtyPrefix& p) {
  // The prefix's own zones and continent win over the entity's.
  r.SetStr(kWaz, kZoneLen, p.Waz.empty() ? e.Waz : p.Waz);
  r.SetStr(kItu, kZoneLen, p.Itu.empty() ? e.Itu : p.Itu);
  r.SetStr(kContinent, kZoneLen, p.Continent.empty() ? e.Continent : p.Continent);
  r.SetStr(kLocator, kLocatorLen, ctyfile::LocatorOf(e.Latitude, -e.LongitudeWest));
}

bool Add(TdbPrefix& t, const TRecord& r, TGenReport& report) {
  t.SetWorkRec(r);
  if (t.Add()) return true;
  report.Error = "Der Eintrag " + r.Str(kPrefix, kPrefixLen) + " konnte nicht geschrieben werden.";
  return false;
}

// A WAE area (a "*" line: Sicily, European Turkey ...) counts for DXCC as its parent
// entity, whose number the line carries, and for WAE as an entity of its own, wherever it
// lies; every European DXCC entity is its own WAE entity, the others have none.
// A prefix or call that an area lists is the area's, also where its parent lists it too.
bool WriteEntity(const ctyfile::TCtyEntity& e, const std::set<TListedText>& areaTexts,
                 TdbPrefix& main, TdbPrefix& calls, TGenReport& report) {
  const std::string dxcc = Designation(e.AdifNr, e.Prefix);
  const std::string wae = !e.DxccEntity ? e.Prefix : e.Continent == "EU" ? dxcc : "";
  bool designationListed = false;
  for (const ctyfile::TCtyPrefix& p : e.Prefixes) {
    if (e.DxccEntity && areaTexts.count(ListedText(p))) continue;
    if (p.Text.size() > kPrefixLen) {
      ++(p.ExactCall ? report.LongCallsLeftOut : report.LongPrefixesLeftOut);
      continue;
    }
    TRecord r = EntityRecord(p.Text, dxcc, e.Name, e.AdifNr, wae);
    SetZones(r, e, p);
    if (!Add(p.ExactCall ? calls : main, r, report)) return false;
    ++(p.ExactCall ? report.ExactCalls : report.Prefixes);
    designationListed = designationListed || (!p.ExactCall && p.Text == dxcc);
  }
  // The call resolution turns a call of a special entity into its designation ("SV/A",
  // "3D2/C"), so that designation needs an entry of its own.
  if (e.DxccEntity && !designationListed && dxcc.find('/') != std::string::npos) {
    TRecord r = EntityRecord(dxcc, dxcc, e.Name, e.AdifNr, wae);
    SetZones(r, e, ctyfile::TCtyPrefix{});
    if (!Add(main, r, report)) return false;
    ++report.Prefixes;
  }
  return true;
}

// A deleted entity is listed (prefix list, entity numbers of old QSOs) but never fits a
// call: its prefix carries a trailing "-", which the resolution drops from the result,
// because a call of today with the old prefix (KZ5, I1, UN1 ...) belongs to the current
// entity.
bool WriteDeleted(TdbPrefix& main, const std::set<int>& current, TGenReport& report) {
  for (const TDeleted& d : kDeleted) {
    const std::string dxcc = Designation(d.Number, "");
    if (dxcc.empty() || current.count(d.Number)) continue;
    const std::string prefix = dxcc.find('-') == std::string::npos ? dxcc + "-" : dxcc;
    TRecord r = EntityRecord(prefix, dxcc, d.Name, d.Number);
    if (d.Year > 0) {
      r.SetI32(kValidUntil, daynumber::FromYMD(d.Year, d.Month, d.Day));
    } else {
      ++report.DeletedWithoutDate;
    }
    if (!Add(main, r, report)) return false;
    ++report.DeletedEntities;
  }
  return true;
}

}  // namespace

bool WritePrefixFiles(std::istream& in, TGenReport& report) {
  report = TGenReport{};
  std::vector<ctyfile::TCtyEntity> entities;
  std::set<int> current;
  std::set<TListedText> areaTexts;
  for (std::string line; std::getline(in, line);) {
    ctyfile::TCtyEntity e;
    if (!ctyfile::ParseLine(line, e)) continue;
    if (e.DxccEntity) {
      current.insert(e.AdifNr);
    } else {
      for (const ctyfile::TCtyPrefix& p : e.Prefixes) areaTexts.insert(ListedText(p));
    }
    entities.push_back(std::move(e));
  }
  if (current.empty()) {
    report.Error = "Die Länderdatei enthält keine Einträge.";
    return false;
  }
  TdbPrefix main(kMain), calls(kSingleCalls);
  if (!main.IsOpen() || !calls.IsOpen()) {
    report.Error = "Die Präfixdateien sind nicht geöffnet.";
    return false;
  }
  TWriteGroup group;
  for (const ctyfile::TCtyEntity& e : entities) {
    if (!WriteEntity(e, areaTexts, main, calls, report)) return false;
    ++(e.DxccEntity ? report.Entities : report.WaeAreas);
  }
  if (!WriteDeleted(main, current, report)) return false;
  if (!group.Commit()) {
    report.Error = "Die Präfixdateien konnten nicht gespeichert werden.";
    return false;
  }
  return true;
}

std::string ReportText(const TGenReport& r) {
  return std::to_string(r.Entities) + " entities, " + std::to_string(r.WaeAreas) + " WAE areas, " +
         std::to_string(r.Prefixes) + " prefixes, " + std::to_string(r.DeletedEntities) +
         " deleted entities (" + std::to_string(r.DeletedWithoutDate) +
         " without a known last day), " + std::to_string(r.ExactCalls) +
         " exact calls; left out as longer than 6 characters: " +
         std::to_string(r.LongCallsLeftOut) + " exact calls, " +
         std::to_string(r.LongPrefixesLeftOut) + " prefixes";
}

}  // namespace prefixgen
