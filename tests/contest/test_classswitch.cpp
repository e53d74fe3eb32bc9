// The rules by participation class, checked through the builder against the published
// rules of each contest: modes, bands, what a class changes, and the sent presets.
#include <gtest/gtest.h>

#include <sstream>

#include "rulestest_support.h"

using namespace rulestest;

namespace {

const char* const kForeignCall = "OE1XYZ";
constexpr const char* kAny = nullptr;  // a preset the case does not check

struct TClassCase {
  char Code;
  int Class;
  const char* Modes;  // comma-separated, in the order of the list
  const char* Bands;
  bool Swl;
  std::array<int32_t, 3> Received;
  std::array<int32_t, 3> Sent;
  std::array<const char*, 3> Captions;
  std::vector<int> Multipliers;
  int Dupe;
  std::array<const char*, 3> Presets;
  const char* Call = "DL1ABC";
  const char* OwnDok = "Q01";
};

std::vector<std::string> Split(const char* commaList) {
  std::vector<std::string> items;
  std::stringstream text(commaList);
  std::string item;
  while (std::getline(text, item, ','))
    if (!item.empty()) items.push_back(item);
  return items;
}

// Own DOK "Q01", own locator "JN39LG", own name "Hans Peter", member field 1, station
// text "ABCDE".
// clang-format off
const TClassCase kCases[] = {
    // MVP: class 0 is class 1; the VHF classes exchange the locator; class 9 listens.
    {'V', 0, "CW", "ab", false, {4, 99, 0}, {4, 99, 0}, {"DOK", "", ""}, {2, 4}, 1, {"Q01", "ABCDE", ""}},
    {'V', 1, "CW", "ab", false, {4, 99, 0}, {4, 99, 0}, {"DOK", "", ""}, {2, 4}, 1, {"Q01", "ABCDE", ""}},
    {'V', 4, "SSB,CW,DIGITAL", "ab", false, {4, 99, 0}, {4, 99, 0}, {"DOK", "", ""}, {2, 4}, 1, {"Q01", "ABCDE", ""}},
    {'V', 6, "SSB,CW,FM,PR", "kl", false, {4, 6, 0}, {4, 6, 0}, {"DOK", "", ""}, {2, 4}, 1, {"Q01", "JN39LG", ""}},
    {'V', 8, "SSB,CW,FM,PR,DIGITAL", "abkl", false, {4, 99, 0}, {4, 99, 0}, {"DOK", "", ""}, {2, 4}, 1, {"Q01", "ABCDE", ""}},
    {'V', 9, "SSB,CW,DIGITAL", "ab", true, {4, 99, 0}, {4, 99, 0}, {"DOK", "", ""}, {2, 4}, 1, {"", "", ""}},
    {'V', 10, "", "", false, {4, 99, 0}, {4, 99, 0}, {"DOK", "", ""}, {2, 4}, 1, {kAny, kAny, kAny}},
    // BWA
    {'B', 0, "SSB,CW", "bc", false, {4, 0, 0}, {4, 0, 0}, {"DOK", "", ""}, {2, 3, 4}, 1, {"Q01", "", ""}},
    {'B', 2, "SSB,CW", "k", false, {4, 6, 0}, {4, 6, 0}, {"DOK", "LOC", ""}, {2, 3, 4}, 1, {"Q01", "JN39LG", ""}},
    {'B', 3, "SSB,CW", "l", false, {4, 6, 0}, {4, 6, 0}, {"DOK", "LOC", ""}, {2, 3, 4}, 1, {"Q01", "JN39LG", ""}},
    {'B', 4, "SSB,CW", "bckl", true, {4, 6, 0}, {4, 6, 0}, {"DOK", "LOC", ""}, {2, 3, 4}, 1, {"", "", ""}},
    // SAAR: no class, no modes and no bands.
    {'d', 0, "", "", false, {4, 0, 0}, {4, 0, 0}, {"DOK", "", ""}, {4}, 1, {"Q01", "", ""}},
    {'d', 1, "SSB", "b", false, {4, 0, 0}, {4, 0, 0}, {"DOK", "", ""}, {4}, 1, {"Q01", "", ""}},
    {'d', 2, "CW", "b", false, {4, 0, 0}, {4, 0, 0}, {"DOK", "", ""}, {4}, 1, {"Q01", "", ""}},
    {'d', 3, "SSB", "c", false, {4, 0, 0}, {4, 0, 0}, {"DOK", "", ""}, {4}, 1, {"Q01", "", ""}},
    {'d', 4, "CW", "c", false, {4, 0, 0}, {4, 0, 0}, {"DOK", "", ""}, {4}, 1, {"Q01", "", ""}},
    {'d', 5, "SSB,CW,FM", "i", false, {4, 0, 0}, {4, 0, 0}, {"DOK", "", ""}, {4}, 1, {"Q01", "", ""}},
    {'d', 6, "SSB,CW", "k", false, {4, 0, 0}, {4, 0, 0}, {"DOK", "", ""}, {4}, 1, {"Q01", "", ""}},
    {'d', 7, "DIGITAL", "b", false, {4, 0, 0}, {4, 0, 0}, {"DOK", "", ""}, {4}, 1, {"Q01", "", ""}},
    {'d', 8, "", "", false, {4, 0, 0}, {4, 0, 0}, {"DOK", "", ""}, {4}, 1, {"Q01", "", ""}},
    // WAG from Germany and from abroad; abroad the first sent field is the serial number.
    {'W', 0, "CW", "bcegi", false, {7, 0, 0}, {4, 0, 0}, {"lfd.Nr. / DOK", "", ""}, {2, 3, 14}, 8, {"Q01", "", ""}},
    {'W', 1, "CW", "bcegi", false, {7, 0, 0}, {4, 0, 0}, {"lfd.Nr. / DOK", "", ""}, {2, 3, 14}, 8, {"Q01", "", ""}},
    {'W', 3, "SSB,CW", "bcegi", false, {7, 0, 0}, {0, 0, 0}, {"lfd.Nr. / DOK", "", ""}, {2, 3, 14}, 8, {"Q01", "", ""}},
    {'W', 7, "SSB,CW", "bcegi", true, {4, 0, 0}, {7, 0, 0}, {"DOK", "", ""}, {18}, 8, {"Q01", "", ""}},
    {'W', 1, "CW", "bcegi", false, {7, 0, 0}, {4, 0, 0}, {"lfd.Nr. / DOK", "", ""}, {2, 3, 14}, 8, {"NM", "", ""}, "DL1ABC", ""},
    {'W', 1, "CW", "bcegi", false, {4, 0, 0}, {7, 0, 0}, {"DOK", "", ""}, {18, 21}, 8, {"", "", ""}, kForeignCall},
    {'W', 4, "SSB,CW", "bcegi", false, {4, 0, 0}, {7, 0, 0}, {"DOK", "", ""}, {18, 21}, 8, {"", "", ""}, kForeignCall},
    {'W', 7, "SSB,CW", "bcegi", true, {4, 0, 0}, {7, 0, 0}, {"DOK", "", ""}, {18}, 8, {"", "", ""}, kForeignCall},
    {'W', 8, "", "", false, {7, 0, 0}, {4, 0, 0}, {"lfd.Nr. / DOK", "", ""}, {2, 3, 14}, 8, {kAny, kAny, kAny}},
    // HSW: the listener classes take every QSO without a dupe check.
    {'S', 0, "CW", "bi", false, {7, 4, 0}, {7, 4, 0}, {"Nr", "DOK", ""}, {4}, 9, {"", "Q01", ""}},
    {'S', 2, "SSB", "bi", false, {7, 4, 0}, {7, 4, 0}, {"Nr", "DOK", ""}, {4}, 9, {"", "Q01", ""}},
    {'S', 4, "SSB,CW,FM", "l", false, {7, 4, 0}, {7, 4, 0}, {"Nr", "DOK", ""}, {4}, 9, {"", "Q01", ""}},
    {'S', 5, "CW", "bc", true, {7, 4, 0}, {7, 4, 0}, {"Nr", "DOK", ""}, {4}, 0, {"", "Q01", ""}},
    {'S', 8, "SSB,CW,FM", "l", true, {7, 4, 0}, {7, 4, 0}, {"Nr", "DOK", ""}, {4}, 0, {"", "Q01", ""}},
    // Bayern-Ost: VHF and UHF exchange the locator field.
    {'U', 0, "CW", "b", false, {4, 0, 0}, {4, 0, 0}, {"DOK", "", ""}, {4}, 1, {"Q01", "", ""}},
    {'U', 4, "SSB", "c", false, {4, 0, 0}, {4, 0, 0}, {"DOK", "", ""}, {4}, 1, {"Q01", "", ""}},
    {'U', 5, "SSB,CW,FM", "k", false, {4, 5, 0}, {4, 5, 0}, {"DOK", "LOC", ""}, {4, 5}, 1, {"Q01", "JN39", ""}},
    {'U', 6, "SSB,CW,FM", "l", false, {4, 5, 0}, {4, 5, 0}, {"DOK", "LOC", ""}, {4, 5}, 1, {"Q01", "JN39", ""}},
    {'U', 9, "SSB", "b", true, {4, 0, 0}, {4, 0, 0}, {"DOK", "", ""}, {4}, 1, {"Q01", "", ""}},
    {'U', 12, "SSB,CW,FM", "l", true, {4, 5, 0}, {4, 5, 0}, {"DOK", "LOC", ""}, {4, 5}, 1, {"Q01", "JN39", ""}},
    {'U', 13, "", "", false, {4, 0, 0}, {4, 0, 0}, {"DOK", "", ""}, {4}, 1, {kAny, kAny, kAny}},
    // Handtastenparty: the class letter is sent.
    {'q', 0, "CW", "b", false, {7, 99, 99}, {7, 99, 99}, {"Nr", "Klasse", "Name + Alter"}, {}, 2, {"", "A", kAny}},
    {'q', 4, "CW", "b", true, {7, 99, 99}, {7, 99, 99}, {"Nr", "Klasse", "Name + Alter"}, {}, 2, {"", "D", kAny}},
    {'q', 6, "CW", "c", false, {7, 99, 99}, {7, 99, 99}, {"Nr", "Klasse", "Name + Alter"}, {}, 2, {"", "B", kAny}},
    {'q', 8, "CW", "c", true, {7, 99, 99}, {7, 99, 99}, {"Nr", "Klasse", "Name + Alter"}, {}, 2, {"", "D", kAny}},
    // IPARC
    {'Z', 0, "SSB,CW", "bcegi", false, {11, 99, 12}, {11, 99, 0}, {"", "", "US-State"}, {2, 3, 12}, 1, {"", "IPA", ""}},
    {'Z', 3, "SSB,CW", "bcegi", true, {11, 99, 12}, {11, 99, 0}, {"", "", "US-State"}, {2, 3, 12}, 1, {"", "IPA", ""}},
    // Köln-Aachen: one band and mode group per class.
    {'K', 0, "SSB", "b", false, {13, 4, 0}, {13, 4, 0}, {"", "DOK", ""}, {4}, 8, {"", "Q01", ""}},
    {'K', 3, "SSB,FM", "k", false, {13, 4, 0}, {13, 4, 0}, {"", "DOK", ""}, {4}, 8, {"", "Q01", ""}},
    {'K', 6, "CW", "i", false, {13, 4, 0}, {13, 4, 0}, {"", "DOK", ""}, {4}, 8, {"", "Q01", ""}},
    {'K', 8, "CW", "l", false, {13, 4, 0}, {13, 4, 0}, {"", "DOK", ""}, {4}, 8, {"", "Q01", ""}},
    // DARC 10 m: class 0 has the band but no mode.
    {'1', 0, "", "i", false, {7, 4, 0}, {7, 4, 0}, {"", "DOK", ""}, {2, 3, 4, 14}, 2, {kAny, kAny, kAny}},
    {'1', 1, "SSB,CW", "i", false, {7, 4, 0}, {7, 4, 0}, {"", "DOK", ""}, {2, 3, 4, 14}, 2, {"", "Q01", ""}},
    {'1', 4, "CW", "i", false, {7, 4, 0}, {7, 4, 0}, {"", "DOK", ""}, {2, 3, 4, 14}, 2, {"", "Q01", ""}},
    {'1', 9, "SSB", "i", false, {7, 4, 0}, {7, 4, 0}, {"", "DOK", ""}, {2, 3, 4, 14}, 2, {"", "Q01", ""}},
    {'1', 1, "SSB,CW", "i", false, {7, 4, 0}, {7, 0, 0}, {"", "DOK", ""}, {2, 3, 4, 14}, 2, {"", "", ""}, "DL1ABC", ""},
    // Brandenburg-Berlin: the listener classes log the serial number besides the DOK.
    {'C', 0, "SSB,CW", "bc", false, {4, 0, 0}, {4, 0, 0}, {"DOK", "", ""}, {4}, 1, {"Q01", "", ""}},
    {'C', 2, "SSB,CW,FM", "kl", false, {4, 0, 0}, {4, 0, 0}, {"DOK", "", ""}, {4}, 1, {"Q01", "", ""}},
    {'C', 4, "SSB,CW", "bc", true, {4, 0, 0}, {4, 7, 0}, {"DOK", "Nr", ""}, {4}, 1, {"Q01", "", ""}},
    {'C', 5, "SSB,CW,FM", "kl", true, {4, 0, 0}, {4, 7, 0}, {"DOK", "Nr", ""}, {4}, 1, {"Q01", "", ""}},
    {'C', 1, "SSB,CW", "bc", false, {4, 0, 0}, {7, 0, 0}, {"Nr", "", ""}, {4}, 1, {"", "", ""}, "DL1ABC", ""},
    {'C', 4, "SSB,CW", "bc", true, {4, 0, 0}, {7, 7, 0}, {"Nr", "Nr", ""}, {4}, 1, {"", "", ""}, "DL1ABC", ""},
    // Christmas and Easter: class 0 has the bands but no mode.
    {'X', 0, "", "bc", false, {4, 0, 0}, {4, 0, 0}, {"DOK / lfd.Nr.", "", ""}, {1, 4}, 2, {kAny, kAny, kAny}},
    {'t', 0, "", "bc", false, {4, 0, 0}, {4, 0, 0}, {"DOK / lfd.Nr.", "", ""}, {1, 4}, 2, {kAny, kAny, kAny}},
    {'t', 4, "SSB", "bc", false, {4, 0, 0}, {4, 0, 0}, {"DOK / lfd.Nr.", "", ""}, {1, 4}, 2, {"Q01", "", ""}},
    // RLP week: the listener class has no exchange and every band.
    {'h', 6, "SSB,CW,FM,DIGITAL", "lmnopqst", false, {4, 5, 0}, {4, 5, 0}, {"DOK", "LOC", ""}, {4, 5, 10}, 4, {"Q01", "JN39", ""}},
    {'h', 7, "SSB,CW,FM,DIGITAL", "abcdefghijklmnopqrstu", true, {0, 0, 0}, {0, 0, 0}, {"", "", ""}, {}, 4, {"", "", ""}},
};
// clang-format on

}  // namespace

TEST(ClassRules, ModesBandsExchangeAndPresetsByClass) {
  for (const TClassCase& c : kCases) {
    std::ostringstream where;
    where << "code " << c.Code << " class " << c.Class << " call " << c.Call << " DOK '" << c.OwnDok
          << "'";
    SCOPED_TRACE(where.str());
    TContestInputs in = Log(c.Code, uint8_t(c.Class));
    in.OwnCall = c.Call;
    in.OwnDok = c.OwnDok;
    in.StationText = "ABCDE";
    TContestRec def = Build(in);
    EXPECT_EQ(Texts(def.Modes), Split(c.Modes));
    EXPECT_EQ(Letters(def.Bands), c.Bands);
    EXPECT_EQ(def.SWLLog, c.Swl);
    EXPECT_EQ(def.ReceivedKinds, Kinds(c.Received[0], c.Received[1], c.Received[2]));
    EXPECT_EQ(def.SentKinds, Kinds(c.Sent[0], c.Sent[1], c.Sent[2]));
    for (size_t i = 1; i <= 3; ++i) {
      EXPECT_EQ(def.ExchangeCaption[i], c.Captions[i - 1]) << "caption " << i;
      if (c.Presets[i - 1] == kAny) continue;
      EXPECT_EQ(def.SentText[i], c.Presets[i - 1]) << "preset " << i;
    }
    EXPECT_EQ(Members(def.MultiplierKinds), c.Multipliers);
    EXPECT_EQ(def.DupeScope, c.Dupe);
  }
}

TEST(ClassRules, HandtastenpartySendsFirstNameAndNumber) {
  for (const char* name : {"Hans Peter", "Hans"}) {
    TContestInputs in = Log('q', 2);
    in.OwnName = name;
    std::string preset = Build(in).SentText[3];
    EXPECT_EQ(preset.rfind("Hans/", 0), 0u) << preset;
    EXPECT_GT(preset.size(), 5u) << preset;
  }
}

TEST(ClassRules, ClassEntriesOfTheCodes) {
  struct TEntry {
    int Number;
    const char* Description;
    int Group;
    const char* Name;
  };
  struct TCodeClasses {
    char Code;
    int Count;
    std::vector<TEntry> Entries;  // a choice of entries
  };
  const TCodeClasses codes[] = {
      {'V',
       9,
       {{1, "A:KW,QRO Stn aus MVP,CW", 0, "Klasse A"},
        {6, "F1:VHF und UHF > 10 Watt", 0, "Klasse F1"},
        {8, "G:Gäste", 0, "Klasse G"},
        {9, "S:KW, SWLs", 0, "Klasse S"}}},
      {'B',
       4,
       {{1, "1. 3.5 und 7.0 MHz", 1, "Klasse 1"},
        {3, "3. 432 MHz", 3, "Klasse 3"},
        {4, "4. SWL (Sektionen 1 - 3)", 0, "Klasse 4"}}},
      {'d',
       7,
       {{1, "Klasse A: 80m SSB", 0, "Klasse A"},
        {5, "Klasse E: 10m  Phonie und CW", 0, "Klasse E"},
        {7, "Klasse G: 80m DIGITAL", 0, "Klasse G"}}},
      {'W',
       7,
       {{1, "Single operator, CW, low power", 0, "Single-CW-low"},
        {6, "Multi operator", 0, "multiOp"},
        {7, "SWL, single operator", 0, "SWL"}}},
      {'S',
       8,
       {{1, "A=80 m/10 m CW", 2, "Klasse A"},
        {2, "B=80 m/10 m SSB", 1, "Klasse B"},
        {7, "C-SWL=2 m CW, SSB, FM", 3, "Klasse C"},
        {8, "D-SWL=70 cm CW, SSB, FM", 4, "Klasse D"}}},
      {'U',
       12,
       {{1, "A 80m-KW (CW)", 0, "Klasse A80"},
        {5, "C 2m - VHF", 5, "Klasse C"},
        {12, "D-SWL: UHF", 6, "Klasse D-SWL"}}},
      {'q',
       8,
       {{1, "HTP80 A: max. 5W Output", 0, "HTP80 Klasse A"},
        {8, "HTP40 D: SWL", 0, "HTP40 Klasse D"}}},
      {'Z',
       3,
       {{1, "A: Multi /Multi  Multi/Single, sowie Klub- und Sonderstationen ", 0, "Klasse A"},
        {3, "C: SWL", 0, "Klasse C"}}},
      {'K',
       8,
       {{1, "A: 80m  SSB", 7, "Klasse A"},
        {3, "C:  2m (Fonie)SSB/FM", 1, "Klasse C"},
        {8, "H: 70cm CW", 4, "Klasse H"}}},
      {'1',
       9,
       {{1, "Single operator, mixed, low power", 0, "DL_mixed_low"},
        {9, "Ausland Single operator, SSB", 0, "Ausland_SSB"}}},
      {'C',
       5,
       {{3, "3: KW-Stationen, nur Zeugnisklasse E", 0, "Klasse 3"},
        {5, "5: SWL UKW", 0, "Klasse 5"}}},
      {'Q',
       2,
       {{1, "A: KW 80m, 40m", 0, "A: KW 80m, 40m"}, {2, "B: UKW 2m, 70cm", 0, "B: UKW 2m, 70cm"}}},
      {'o',
       4,
       {{1, "Teil 1: 09.05.-15.05.2016 UKW \"Lizensierte\"", 0, "UKW"},
        {4, "Teil 2: 07.11.-13.11.2016 KW SWL", 0, "KW SWL"}}},
      // Classes with descriptions only.
      {'h',
       8,
       {{1, "A: 80 m nur SSB", 0, ""}, {8, "H: 1,8 MHz - 29,7 MHz alle Betriebsarten", 0, ""}}},
      {'3', 2, {{1, "SSB/CW", 0, ""}, {2, "SWL", 0, ""}}},
      {'j', 3, {{2, "QRO (größer 1,5 KW ERP/12KW EIRP)", 0, ""}}},
      {'v', 2, {{1, "01.März (1956: Gründung der NVA)", 0, ""}}},
      {'2', 1, {{1, "alle", 0, ""}}},
  };
  for (const TCodeClasses& code : codes) {
    SCOPED_TRACE(std::string("code ") + code.Code);
    for (uint8_t cls : {uint8_t(0), uint8_t(1), uint8_t(code.Count + 1)}) {
      TContestRec def = Build(Log(code.Code, cls));
      int filled = 0;
      for (const TContestClass& entry : def.Classes) filled += !entry.Description.empty();
      EXPECT_EQ(filled, code.Count) << "class number " << int(cls);
      for (const TEntry& e : code.Entries) {
        const TContestClass& entry = def.Classes[size_t(e.Number)];
        EXPECT_EQ(entry.Description, e.Description) << e.Number;
        EXPECT_EQ(entry.Group, e.Group) << e.Number;
        EXPECT_EQ(entry.Name, e.Name) << e.Number;
      }
    }
  }
}

TEST(ClassRules, EntriesEndAfterTheLastClass) {
  EXPECT_EQ(Build(Log('x')).Classes, TContestRec{}.Classes);
  TContestRec six = Build(Log('6'));
  EXPECT_EQ(six.Classes[6].Description, "Nov. 3- QRP Stationen (max. 5W Output)");
  EXPECT_EQ(six.Classes[6].Name, "");
  EXPECT_EQ(six.Classes[7], TContestClass{});
}
