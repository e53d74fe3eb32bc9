#include <gtest/gtest.h>

#include <QDialog>

#include "checksfixture.h"
#include "foundation/daynumber.h"
#include "log/logstate.h"
#include "log/prefixentity.h"
#include "reference/datprefix.h"
#include "reference/dbprefix.h"
#include "reference/prefixinstall.h"
#include "reference/prefixrec.h"
#include "support/shippedprefix.h"
#include "tables/calltables.h"

namespace {

class LogData : public ChecksTest {
 protected:
  void SetUp() override {
    ChecksTest::SetUp();
    ASSERT_TRUE(oDatPrefix->OpenFileSet(7, false));
    AddEntity("DL", "DL", "EU");
    AddEntity("EA8", "EA8", "AF");
    AddEntity("IT9", "I", "EU", "IT9");
    AddEntity("TX", "FK/C", "OC", "", "1");
    AddEntity("TX", "FO", "OC", "", "2");
  }
  void TearDown() override {
    oDatPrefix->CloseFileSet(7, false, false, true);
    ChecksTest::TearDown();
  }
  static void AddEntity(const std::string& prefix, const std::string& dxcc,
                        const std::string& continent, const std::string& wae = "",
                        const std::string& menue = "") {
    AddPrefixEntity(prefix, dxcc, continent, wae, menue);
  }

  // Previews a QSO of the call under the kinds given; the points callback gives 7.
  bool Preview(const std::string& call, std::initializer_list<int> kinds = {2},
               const std::string& storedDxcc = "") {
    TContestRec def = Def('d');
    def.MultiplierKinds.reset();
    for (int k : kinds) def.MultiplierKinds.set(size_t(k));
    TContestQSORec q = Qso('c', call);
    q.SetDatum(daynumber::FromYMD(2026, 1, 10));
    q.SetDXCC(storedDxcc);
    Enter(q);
    return alle_.PreviewQso(
        *qsos_, *list_, [](const TdbContestBase&) { return 7; }, def);
  }
  TContestQSORec Entered() const { return qsos_->GetQSORec(); }
};

TEST_F(LogData, PreviewSetsTheEntityOfAKnownCallAndItsPoints) {
  struct Case {
    const char* call;
    std::initializer_list<int> kinds;
    const char* dxcc;
    const char* prefix;
    const char* continent;
    uint8_t wae;
  };
  const Case cases[] = {
      {"DL1ABC", {2}, "DL", "", "EU", 0},
      {"DL1ABC/P", {2}, "DL", "", "EU", 0},
      // Worked from the location written last, as with the location in front.
      {"DL1ABC/EA8", {2}, "EA8", "", "AF", 0},
      {"EA8/DL1ABC", {2}, "EA8", "", "AF", 0},
      {"IT9ABC", {2}, "I", "", "EU", 255},
      {"IT9ABC", {2, 14}, "IT9", "", "EU", 255},
      {"dl1abc", {1}, "DL", "DL1", "EU", 0},
      {"DL1ABC/EA8", {1, 2}, "EA8", "EA8", "AF", 0},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(Preview(c.call, c.kinds)) << c.call;
    const TContestQSORec q = Entered();
    EXPECT_EQ(q.DXCC(), c.dxcc) << c.call;
    EXPECT_EQ(q.Prefix(), c.prefix) << c.call;
    EXPECT_EQ(q.Continent(), c.continent) << c.call;
    EXPECT_EQ(q.WaeFlag(), c.wae) << c.call;
    EXPECT_EQ(q.Points(), 7) << c.call;
  }
}

TEST_F(LogData, AnUnknownCallTakesNothingOfAnotherEntity) {
  // A QSO that named an entity before it was corrected to an unknown call.
  ASSERT_TRUE(Preview("IT9ABC"));
  TContestQSORec q = Entered();
  q.SetCall("QQ1XYZ");
  Enter(q);
  EXPECT_FALSE(alle_.PreviewQso(
      *qsos_, *list_, [](const TdbContestBase&) { return 7; }, Def('d')));
  q = Entered();
  EXPECT_EQ(q.DXCC(), "");
  EXPECT_EQ(q.Continent(), "");
  EXPECT_EQ(q.WaeFlag(), 0);
  EXPECT_EQ(q.Call(), "QQ1XYZ");

  EXPECT_TRUE(Preview("QQ"));  // too short to count as unknown
  // The prefix as multiplier: only the prefix is set.
  ASSERT_TRUE(Preview("QQ1XYZ", {1, 2}, "DL"));
  EXPECT_EQ(Entered().Prefix(), "QQ1");
  EXPECT_EQ(Entered().DXCC(), "");
  EXPECT_EQ(Entered().Points(), 7);
}

TEST_F(LogData, AFixedPrefixIsNotResolvedAgain) {
  TContestQSORec q = Qso('c', "EA8ABC");
  q.SetDXCC("DL");
  q.SetPrefixFixed(255);
  Enter(q);
  ASSERT_TRUE(alle_.PreviewQso(
      *qsos_, *list_, [](const TdbContestBase&) { return 70000; }, Def('d')));
  EXPECT_EQ(Entered().DXCC(), "DL");
  EXPECT_EQ(Entered().Points(), 65535);
}

TEST_F(LogData, TheDxccChoiceIsOfferedOncePerCallAndOnlyWhenAsked) {
  int shown = 0;
  desktop_.DialogHandler = [&shown](QDialog&) { return ++shown, 2; };
  ASSERT_TRUE(Preview("TX5ABC"));
  EXPECT_EQ(shown, 0);  // the list record does not ask for it
  TContestListRec l = list_->GetListRec();
  l.SetDxccMenu(255);
  list_->SetListRec(l);
  ASSERT_TRUE(Preview("TX5XYZ"));
  ASSERT_TRUE(Preview("TX5XYZ"));
  EXPECT_EQ(shown, 1);
  ASSERT_TRUE(Preview("TX5ABC"));
  EXPECT_EQ(shown, 2);
}

TEST_F(LogData, NameAndQthComeFromTheCallBookTheNameAloneFromTheCallData) {
  auto add = [](int fileType, const char* call, const char* name, const char* qth) {
    TdbCall t(fileType);
    t.ClearRecords();
    t.SetCall(call);
    t.SetName(name);
    t.SetQTH(qth);
    ASSERT_TRUE(t.Add());
  };
  add(TdbCallBase::kCallBook, "DL1ABC", "Hans", "Berlin");
  add(TdbCallBase::kCallBook, "DL3CC", "", "Bonn");
  add(TdbCallBase::kCallData, "DL2XYZ", "Eva", "Köln");
  add(TdbCallBase::kCallData, "DL3CC", "Carl", "Essen");
  struct Case {
    const char* call;
    const char* name;
    const char* qth;
  };
  for (const Case& c : {Case{"dl1abc/p", "Hans", "Berlin"}, Case{"DL2XYZ", "Eva", ""},
                        Case{"DL3CC", "Carl", "Bonn"}, Case{"DL9ZZZ", "", ""}, Case{"", "", ""}}) {
    std::string name = "x", qth = "y";
    TContLogAlle::LookupNameQth(c.call, name, qth);
    EXPECT_EQ(name, c.name) << c.call;
    EXPECT_EQ(qth, c.qth) << c.call;
  }
}

TEST_F(LogData, NextSerialNumbersFollowTheHighestOfBandAndMode) {
  int32_t mode = 0, intern = 0, band = 0, running = 0;
  TContLogAlle::NextSerialNumbers(true, 'c', *qsos_, mode, intern, band, running, "CW");
  EXPECT_EQ((std::vector<int32_t>{mode, intern, band, running}),
            (std::vector<int32_t>{1, 1, 1, 1}));

  struct S {
    char band;
    const char* mode;
    int32_t bandNr, intern, modeNr, running;
  };
  for (const S& s :
       {S{'c', "CW", 3, 13, 4, 5}, S{'c', "CW", 7, 12, 2, 9}, S{'d', "SSB", 20, 30, 6, 2}}) {
    TContestQSORec q = Qso(s.band, "DL1ABC", s.mode);
    q.SetwagBandNr(s.bandNr);
    q.SetwagBandNrIntern(s.intern);
    q.SetModeNr(uint16_t(s.modeNr));
    q.SetwagNummer(s.running);
    ASSERT_GT(Store(q), 0);
  }
  TContLogAlle::NextSerialNumbers(true, 'c', *qsos_, mode, intern, band, running, "CW");
  EXPECT_EQ((std::vector<int32_t>{mode, intern, band, running}),
            (std::vector<int32_t>{5, 14, 8, 10}));
  running = -1;
  TContLogAlle::NextSerialNumbers(false, 'e', *qsos_, mode, intern, band, running, "RTTY");
  EXPECT_EQ((std::vector<int32_t>{mode, intern, band, running}),
            (std::vector<int32_t>{1, 1, 1, -1}));
  // 'b' lies before every band of the log: its search meets band 'c' first.
  TContLogAlle::NextSerialNumbers(false, 'b', *qsos_, mode, intern, band, running, "SSB");
  EXPECT_EQ((std::vector<int32_t>{mode, intern, band}), (std::vector<int32_t>{7, 1, 1}));
}

TEST_F(LogData, RecountWalksTheLogAndRewritesChangedPoints) {
  struct L {
    char band;
    const char* call;
    uint16_t stored;
    char bandChange;
  };
  for (const L& l : {L{'c', "DL1AA", 5, 0}, L{'c', "DL2BB", 0, 0}, L{'\0', "DL3CC", 0, 0},
                     L{'d', "DL4DD", 1, 0}, L{'d', "", 0, 'e'}}) {
    TContestQSORec q = Qso(l.band, l.call);
    q.SetPoints(l.stored);
    q.SetBandChangeMark(l.bandChange);
    ASSERT_GT(Store(q), 0);
  }
  // Points by call: "DL2BB" gets more than the field holds.
  auto points = [](const TdbContestBase& t) {
    const std::string call = t.GetCall();
    return call == "DL2BB" ? 70000 : call == "DL4DD" ? 3 : 5;
  };
  char lastBand = 'a';
  int32_t session = 9, next = 0;
  TArray1<int32_t, 255> bandQsos, bandPoints;
  bandQsos.Fill(4);
  ASSERT_TRUE(TContLogAlle::RecountLogPoints(lastBand, points, *qsos_, session, next, bandQsos,
                                             bandPoints));
  EXPECT_EQ(lastBand, 'e');  // the band the last line changed to
  EXPECT_EQ(session, 0);
  EXPECT_EQ(next, 5);  // four QSOs; the band-change line is no QSO
  EXPECT_EQ(bandQsos['c'], 2);
  EXPECT_EQ(bandQsos['d'], 1);
  EXPECT_EQ(bandQsos['e'], 0);
  EXPECT_EQ(bandPoints['c'], 5 + 65535);
  EXPECT_EQ(bandPoints['d'], 3);
  int changed = 0;
  for (const char* call : {"DL1AA", "DL2BB", "DL4DD"}) {
    ASSERT_TRUE(qsos_->FindCall(call));
    changed += qsos_->GetQSORec().Points() != 5;
  }
  EXPECT_EQ(changed, 2);
  ASSERT_TRUE(qsos_->FindCall("DL2BB"));
  EXPECT_EQ(qsos_->GetQSORec().Points(), 65535);
}

// The prefix files the program ships: the WAE designations of the country file reach the
// QSO, its points and its multipliers.
class ShippedEntities : public ChecksTest {
 protected:
  void SetUp() override {
    ChecksTest::SetUp();
    if (shippedprefix::Dir().empty()) GTEST_SKIP() << "no country file";
    ASSERT_TRUE(prefixinstall::InstallShippedFiles(shippedprefix::Dir(), dir_.Path()));
    open_ = oDatPrefix->OpenFileSet(7, false);
    ASSERT_TRUE(open_);
  }
  void TearDown() override {
    if (open_) oDatPrefix->CloseFileSet(7, false, false, true);
    ChecksTest::TearDown();
  }
  // The call previewed as the log window does, scored by the contest's point rule.
  TContestQSORec Previewed(const char* call, const TContestRec& def) {
    Enter(Qso('c', call));
    EXPECT_TRUE(alle_.PreviewQso(
        *qsos_, *list_,
        [&](const TdbContestBase& t) { return alle_.CalcQsoPoints(def, *list_, t); }, def))
        << call;
    return qsos_->GetQSORec();
  }
  bool open_ = false;
};

TEST_F(ShippedEntities, WagPointsOfAGermanStation) {
  SetList('W', 1, "Q01", "DK2ZZ");
  const TContestRec def = Def('W');
  const std::pair<const char*, int> cases[] = {{"F5ABC", 3},  {"W1AW", 5},   {"DL1ABC", 1},
                                               {"IT9ABC", 3}, {"TA1ABC", 3}, {"TA2ABC", 5}};
  for (const auto& [call, points] : cases) EXPECT_EQ(Previewed(call, def).Points(), points) << call;
}

TEST_F(ShippedEntities, EuropeDayCountsSicilyApartFromItaly) {
  SetList('E');
  const TContestRec def = Def('E');
  TdbContest config(TdbContestBase::kConfig);
  StoreWindowRecords(config, 'E', "EU-Tag", {});
  for (const char* call : {"I1ABC", "IT9ABC", "IT9XYZ", "IG9ABC", "W1AW"}) {
    const TContestQSORec q = Previewed(call, def);
    ASSERT_GT(Store(q), 0);
  }
  ASSERT_TRUE(qsos_->FindCall("IT9ABC"));
  EXPECT_EQ(qsos_->GetQSORec().DXCC(), "IT9");
  TContestLogState state(def, alle_, *list_, config, kContest);
  state.CurrentBand = 'c';
  state.RecountTotals(true);
  // I and IT9; African Italy and the USA lie outside Europe.
  EXPECT_EQ(state.MultiTotal, 2);
}

}  // namespace
