// Delete, renumbering and the stored summary of a log on real files.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QFileInfo>

#include "foundation/cp1252.h"
#include "log/logrecalc.h"
#include "support/filesizelimit.h"
#include "tables/contestkeys.h"
#include "tallyfixture.h"

namespace tallytest {
namespace {

class LogUpkeep : public TallyLogTest {
 protected:
  // QSOs DL1AA .. DL10AA; odd ones on band c, even ones on band d, every third in CW.
  void TenQsos() {
    for (int i = 1; i <= 10; ++i)
      AddQso(
          {"DL" + std::to_string(i) + "AA", i % 2 ? 'c' : 'd', "Q05", i % 3 ? "SSB" : "CW", 1, 0});
  }
  static std::string Calls(const std::vector<TContestQSORec>& log) {
    std::string s;
    for (const TContestQSORec& r : log) s += (s.empty() ? "" : " ") + r.Call();
    return s;
  }
};

TEST_F(LogUpkeep, DeleteInALogWithoutSerialsClosesTheGap) {
  MakeContest('d');
  TenQsos();
  desktop_.Answers = {true};
  EXPECT_EQ(State().DeleteEntry(5), TContestLogState::TDeleteResult::kDeleted);
  ASSERT_EQ(desktop_.Messages.size(), 2u);
  EXPECT_EQ(desktop_.Messages[0].Kind, TMessageKind::Warning);
  EXPECT_EQ(desktop_.Messages[0].Text,
            QStringLiteral("Achtung: Durch das Löschen eines Eintrages werden die Nummern "
                           "aller nachfolgenden Einträge um 1 verringert."));
  EXPECT_EQ(desktop_.Messages[1].Title, QStringLiteral("Sicherheitsabfrage"));
  EXPECT_EQ(desktop_.Messages[1].Text, QStringLiteral("Eintrag DL5AA löschen?"));
  EXPECT_TRUE(desktop_.Messages[1].DefaultYes);

  const auto log = Log();
  ASSERT_EQ(log.size(), 9u);
  EXPECT_EQ(Calls(log), "DL1AA DL2AA DL3AA DL4AA DL6AA DL7AA DL8AA DL9AA DL10AA");
  int32_t inBand[256] = {};
  for (size_t i = 0; i < log.size(); ++i) {
    EXPECT_EQ(log[i].Nummer(), int32_t(i + 1));
    EXPECT_EQ(log[i].wagNummer(), log[i].Nummer());
    const int32_t n = ++inBand[uint8_t(log[i].Bandcode())];
    EXPECT_EQ(log[i].wagBandNr(), n) << log[i].Call();
    EXPECT_EQ(log[i].wagBandNrIntern(), n) << log[i].Call();
  }
  // Modes: SSB SSB CW SSB | CW SSB SSB CW SSB.
  const uint16_t modeNr[] = {1, 2, 1, 3, 2, 4, 5, 3, 6};
  for (size_t i = 0; i < log.size(); ++i) EXPECT_EQ(log[i].ModeNr(), modeNr[i]) << i;
}

TEST_F(LogUpkeep, DeleteInASerialLogKeepsTheNumbersGiven) {
  MakeContest('F');
  ASSERT_EQ(def_.SentKinds[1], exchangekind::kSerial);
  TenQsos();
  desktop_.Answers = {true};
  EXPECT_EQ(State().DeleteEntry(5), TContestLogState::TDeleteResult::kDeleted);
  const auto log = Log();
  ASSERT_EQ(log.size(), 9u);
  const int32_t numbers[] = {1, 2, 3, 4, 6, 7, 8, 9, 10};
  for (size_t i = 0; i < log.size(); ++i) {
    EXPECT_EQ(log[i].Nummer(), numbers[i]);
    EXPECT_EQ(log[i].wagNummer(), numbers[i]);
  }
  EXPECT_EQ(log[4].Call(), "DL6AA");
  EXPECT_EQ(log[4].wagBandNr(), 3);  // the third QSO left on band d
}

TEST_F(LogUpkeep, NoAnswerOrABandChangeLineDeletesNothing) {
  MakeContest('d');
  TenQsos();
  AddQso({"", 'e', "", "", 0, 'e'});
  desktop_.Answers = {false};
  EXPECT_EQ(State().DeleteEntry(3), TContestLogState::TDeleteResult::kCancelled);
  EXPECT_EQ(State().DeleteEntry(11), TContestLogState::TDeleteResult::kNothing);
  EXPECT_EQ(State().DeleteEntry(99), TContestLogState::TDeleteResult::kNothing);
  EXPECT_EQ(Log().size(), 11u);
}

TEST_F(LogUpkeep, RenumberingOrdersByTimeAndDropsBandChangeLines) {
  MakeContest('d');
  AddQso({"DL1AA", 'c', "Q05", "SSB", 0, 0});
  AddQso({"", 'd', "", "", 0, 'd'});
  const TContestQSORec late = AddQso({"DL2BB", 'd', "Q05", "SSB", 0, 0});
  AddQso({"DL3CC", 'd', "Q05", "SSB", 0, 0});
  // A QSO corrected to an earlier time stands before the later ones after renumbering.
  {
    TdbContest t(TdbContestBase::kQsoLog, 0, number_);
    ASSERT_TRUE(t.FindNumber(late.Nummer()));
    TContestQSORec r = t.GetQSORec();
    r.SetZeit(5 * 3600);
    t.SetQSORec(r);
    ASSERT_TRUE(t.Modify());
  }
  TContestLogState& s = State();
  s.CurrentBand = 'd';
  s.RecountTotals(true);
  const int32_t multis = s.MultiTotal;
  const TBandTally bandMultis = s.BandMultis;
  ASSERT_GT(multis, 0);
  ASSERT_TRUE(s.RenumberLog());
  // The QSOs' multipliers are evaluated again, but the tallies stay.
  EXPECT_EQ(s.MultiTotal, multis);
  EXPECT_TRUE(s.BandMultis == bandMultis);
  const auto log = Log();
  EXPECT_EQ(Calls(log), "DL2BB DL1AA DL3CC");
  EXPECT_EQ(log[0].CMulti(), "Q05   ");
  EXPECT_EQ(log[2].CMulti(), "");  // worked before on its band
  EXPECT_EQ(log[2].Nummer(), 3);
  EXPECT_EQ(log[2].wagBandNr(), 2);
}

TEST_F(LogUpkeep, WhereModesCountApartADokIsWorkedBeforeOnItsBandAsTheRecountSays) {
  MakeContest('G', "Q01");
  ASSERT_EQ(def_.MultiplierBandMode, 2);
  ASSERT_TRUE(TContLogAlle::MultiKindMatches(4, 1, def_));
  AddQso({"DL1AA", 'b', "Z05", "CW", 0, 0});
  AddQso({"DL2BB", 'b', "Z21", "SSB", 0, 0});
  AddQso({"DL3CC", 'b', "Z05", "SSB", 0, 0});
  TContestLogState& s = State();
  s.CurrentBand = 'b';
  s.RecountTotals(true);
  ASSERT_TRUE(s.RenumberLog());
  const auto log = Log();
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[0].CMulti(), "Z05   ");
  EXPECT_EQ(log[1].CMulti(), "Z21   ");
  // Whatever QSO the log table read last: Z05 was worked on the band, as the entry
  // shows it and the recount counts it.
  EXPECT_EQ(log[2].CMulti(), "");
  TContestQSORec entry;
  entry.SetCall("DL4DD");
  entry.SetBandcode('b');
  entry.SetMode("SSB");
  entry.SetDOK("Z05");
  s.RecountTotals(false);
  s.RefreshMultiplierStatus(entry);
  EXPECT_EQ(entry.CMulti(), "");
}

TEST_F(LogUpkeep, SerialsSentOnAirSurviveTheRenumbering) {
  MakeContest('d');
  def_.SentKinds[1] = exchangekind::kSerialPerBand;
  def_.SentKinds[2] = exchangekind::kSerialPerMode;
  for (int i = 1; i <= 3; ++i) {
    TContestQSORec r = AddQso({"DL" + std::to_string(i) + "AA", 'c', "", "SSB", 0, 0});
    r.SetwagBandNr(10 * i);
    r.SetModeNr(uint16_t(20 * i));
    qso_->SetQSORec(r);
    ASSERT_TRUE(qso_->Modify());
  }
  ASSERT_TRUE(State().RenumberLog());
  const auto log = Log();
  ASSERT_EQ(log.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(log[size_t(i)].wagBandNr(), 10 * (i + 1));
    EXPECT_EQ(log[size_t(i)].ModeNr(), 20 * (i + 1));
    EXPECT_EQ(log[size_t(i)].wagBandNrIntern(), i + 1);
  }
}

TEST_F(LogUpkeep, AnEmptySerialLogIsEmptiedWithoutAScratchLog) {
  MakeContest('F');
  ASSERT_TRUE(State().RenumberLog());
  EXPECT_FALSE(QFileInfo::exists(Q(dir_.File("BMLKTEMP.db"))));
  EXPECT_TRUE(Log().empty());
}

// Band rows c, d, e, f, g, h, i; figures A = 10i, B = i, C = 100i, D = 200i, E = 300i.
std::vector<TBandFigures> HandFigures() {
  std::vector<TBandFigures> f(100);
  for (int i = 1; i <= 100; ++i)
    f[size_t(i - 1)] = {10 * i, i, {int16_t(100 * i), int16_t(200 * i), int16_t(300 * i)}};
  return f;
}

TEST(RecalcFigures, ShortFormOffsets) {
  TContestRec def;
  const char bands[] = "cdefghi";
  for (size_t i = 1; i <= 7; ++i) def.Bands[i] = bands[i - 1];
  def.Bands[5] = 0;  // an unused row stores no points
  TBandTally points;
  for (size_t i = 1; i <= 7; ++i) points[uint8_t(bands[i - 1])] = int32_t(1000 * i);
  TContestListRec list;
  for (size_t off = 196; off < 369; ++off) list.SetByte(off, 0xEE);  // stale figures
  TContestConfigRec config;
  StoreBandFigures(def, points, HandFigures(), list, config);
  struct TAt {
    size_t Off;
    int Bytes;
    int32_t Value;
  };
  const TAt expected[] = {
      {196, 2, 1},   {198, 2, 2},    {204, 2, 5},    {206, 2, 10},   {214, 2, 50},
      {216, 2, 0},   {224, 2, 0},    {226, 4, 1000}, {230, 4, 2000}, {242, 4, 0},
      {261, 2, 100}, {269, 2, 500},  {281, 2, 200},  {289, 2, 1000}, {341, 2, 6},
      {343, 2, 60},  {345, 4, 6000}, {349, 2, 600},  {353, 2, 1200}, {355, 2, 7},
      {357, 2, 70},  {359, 4, 7000}, {363, 2, 700},  {367, 2, 1400},
  };
  for (const TAt& a : expected) {
    const int32_t v = a.Bytes == 2 ? list.I16(a.Off) : list.I32(a.Off);
    EXPECT_EQ(v, a.Value) << a.Off;
  }
  EXPECT_EQ(config, TContestConfigRec());
}

TEST(RecalcFigures, ShortFormWithOneTallyForAllBandsKeepsNoStaleRowMultipliers) {
  TContestRec def;
  def.MultiplierBandMode = 1;
  for (size_t i = 1; i <= 7; ++i) def.Bands[i] = char('b' + i);
  TContestListRec list;
  for (size_t off = 196; off < 369; ++off) list.SetByte(off, 0xEE);
  TContestConfigRec config;
  StoreBandFigures(def, TBandTally(), HandFigures(), list, config);
  EXPECT_EQ(list.RowMultipliers(1), 10);
  EXPECT_EQ(list.RowFirstMultiplier(1), 100);
  for (int row = 2; row <= 7; ++row) {
    EXPECT_EQ(list.RowQsos(row), row) << row;
    EXPECT_EQ(list.RowMultipliers(row), 0) << row;
    EXPECT_EQ(list.RowFirstMultiplier(row), 0) << row;
    EXPECT_EQ(list.RowSecondMultiplier(row), 0) << row;
  }
}

TEST(RecalcFigures, LongFormOffsets) {
  TContestRec def;
  def.Bands[1] = 'c';
  def.Bands[100] = 'z';
  TBandTally points;
  points['c'] = 111;
  points['z'] = 999;
  TContestListRec list;
  list.SetTotalsInConfig(255);
  const TContestListRec listBefore = list;
  TContestConfigRec config;
  for (size_t off = 8; off < 1808; ++off) config.SetByte(off, 0xEE);
  StoreBandFigures(def, points, HandFigures(), list, config);
  EXPECT_EQ(config.I32(8), 1);
  EXPECT_EQ(config.I32(8 + 4 * 99), 100);
  EXPECT_EQ(config.I32(408), 10);
  EXPECT_EQ(config.I32(808), 111);
  EXPECT_EQ(config.I32(812), 0);  // no band at position 2
  EXPECT_EQ(config.I32(808 + 4 * 99), 999);
  EXPECT_EQ(config.I16(1208), 100);
  EXPECT_EQ(config.I16(1408), 200);
  EXPECT_EQ(config.I16(1608), 300);
  EXPECT_EQ(config.I16(1608 + 2 * 99), 30000);
  EXPECT_EQ(config.Byte(1808), 0);
  EXPECT_EQ(list, listBefore);
}

}  // namespace
}  // namespace tallytest

namespace tallytest {
namespace {

TEST_F(LogUpkeep, ARenumberingTheDiskRefusesLeavesTheOldLog) {
  MakeContest('d');
  {
    TWriteGroup group;
    for (int i = 0; i < 300; ++i) AddQso({"DL" + std::to_string(i), 'b', "Q05", "SSB", 1, 0});
    ASSERT_TRUE(group.Commit());
  }
  ASSERT_TRUE(State().RenumberLog());
  const auto before = Log();
  {
    // The scratch log fits (with room for its write-ahead log, which holds each page
    // with a header), the far larger log cannot be written again.
    TFileSizeLimit full(QFileInfo(Q(dir_.File("BMLKTEMP.db"))).size() * 2);
    EXPECT_FALSE(State().RenumberLog());
  }
  ASSERT_FALSE(desktop_.Messages.empty());
  const QString error = desktop_.Messages.back().Text;
  EXPECT_EQ(error, QStringLiteral("Fehler beim Neuaufbau der Datenbank"));
  const auto after = Log();
  ASSERT_EQ(after.size(), before.size());
  for (size_t i = 0; i < after.size(); ++i) EXPECT_TRUE(after[i] == before[i]) << i;
  // Once the disk has room the renumbering goes through.
  EXPECT_TRUE(State().RenumberLog());
  EXPECT_EQ(Log().size(), before.size());
}

// One fault of the storage engine: while the object lives, the statement running at the
// n-th step of the engine (counted over every file opened meanwhile) is interrupted, as a
// failing disk would stop it.
class TStorageFault {
 public:
  TStorageFault() { sqlite3_auto_extension(reinterpret_cast<void (*)()>(OnOpen)); }
  ~TStorageFault() {
    sqlite3_cancel_auto_extension(reinterpret_cast<void (*)()>(OnOpen));
    failAt = 0;
  }
  TStorageFault(const TStorageFault&) = delete;
  TStorageFault& operator=(const TStorageFault&) = delete;
  static inline int steps = 0;
  static inline int failAt = 0;  // 0: count only

 private:
  static int Step(void*) { return ++steps == failAt ? 1 : 0; }
  static int OnOpen(sqlite3* db, const char**, const sqlite3_api_routines*) {
    sqlite3_progress_handler(db, 1, Step, nullptr);
    return SQLITE_OK;
  }
};

TEST_F(LogUpkeep, ARenumberingStoppedAnywhereByTheStorageLeavesTheOldLog) {
  TStorageFault fault;
  MakeContest('d');
  for (int i = 0; i < 20; ++i) AddQso({"DL" + std::to_string(i), 'b', "Q05", "SSB", 1, 0});
  ASSERT_TRUE(State().RenumberLog());
  const auto before = Log();
  fault.steps = 0;
  ASSERT_TRUE(State().RenumberLog());
  const int steps = fault.steps;
  // Faults spread over the walks and the writes of the copy out and the copy back.
  int reported = 0;
  for (int at = steps / 61; at < steps; at += steps / 61) {
    fault.steps = 0;
    fault.failAt = at;
    desktop_.Messages.clear();
    const bool ok = State().RenumberLog();
    fault.failAt = 0;
    const auto after = Log();
    ASSERT_EQ(after.size(), before.size()) << "fault at step " << at << " of " << steps;
    for (size_t i = 0; i < after.size(); ++i)
      EXPECT_TRUE(after[i] == before[i]) << "fault at step " << at << ", QSO " << i;
    if (ok) continue;
    ++reported;
    ASSERT_FALSE(desktop_.Messages.empty()) << at;
    const QString error = desktop_.Messages.back().Text;
    EXPECT_TRUE(error == QStringLiteral("Fehler beim Aufbau der temporären Datenbank") ||
                error == QStringLiteral("Fehler beim Neuaufbau der Datenbank"))
        << at << ": " << error.toStdString();
  }
  EXPECT_GT(reported, 0);
}

TEST_F(LogUpkeep, PointsTheRecountCannotStoreAreReported) {
  MakeContest('d', "Q01");
  AddQso({"DL1AA", 'b', "Q05", "SSB", 0, 0});  // stored without its points
  TContestLogState& s = State();
  s.CurrentBand = 'b';
  {
    TFileSizeLimit full(1);
    s.RecountTotals(true);
  }
  EXPECT_EQ(s.PointsTotal, 2);
  ASSERT_FALSE(desktop_.Messages.empty());
  EXPECT_EQ(desktop_.Messages.back().Text, QStringLiteral("Fehler beim Speichern der Punkte."));
  EXPECT_EQ(Log().front().Points(), 0);
  desktop_.Messages.clear();
  s.RecountTotals(true);
  EXPECT_TRUE(desktop_.Messages.empty());
  EXPECT_EQ(Log().front().Points(), 2);
}

}  // namespace
}  // namespace tallytest

namespace tallytest {
namespace {

TEST_F(LogUpkeep, TheStoredSummaryAfterADeleteHoldsThePointsOfEveryBand) {
  MakeContest('C', "Q01");
  for (const char* call : {"DL1AA", "DL2BB", "DL3CC"}) {
    AddQso({call, 'b', "K32", "SSB", 0, 0});
    AddQso({call, 'c', "K32", "SSB", 0, 0});
  }
  TContestLogState& s = State();
  s.CurrentBand = 'b';
  s.RecountTotals(true);
  ASSERT_GT(s.BandPoints['c'], 0);
  desktop_.Answers = {true};
  ASSERT_EQ(s.DeleteEntry(2), TContestLogState::TDeleteResult::kDeleted);  // DL1AA on c
  ASSERT_TRUE(list_->FindNumber(number_));
  const TContestListRec l = list_->GetListRec();
  for (int row = 1; row <= 7; ++row) {
    const char band = def_.Bands[size_t(row)];
    if (band == 'b' || band == 'c') {
      EXPECT_EQ(l.RowPoints(row), s.BandPoints[uint8_t(band)]) << band;
    }
  }
  EXPECT_EQ(s.BandQsos['c'], 2);
}

TEST_F(LogUpkeep, ARecalculationWithoutItsRecordsIsReported) {
  MakeContest('d');
  ASSERT_TRUE(config_->FindNumber(number_));
  ASSERT_TRUE(config_->Delete());
  EXPECT_FALSE(State().RecalcLog());
  EXPECT_EQ(desktop_.Texts(TMessageKind::Error),
            QStringList{QStringLiteral("Fehler beim Speichern der Contest-Auswertung.")});
}

}  // namespace
}  // namespace tallytest

namespace tallytest {
namespace {

TEST_F(LogUpkeep, TheRecalculationKeepsWhatTheWindowSetInTheListRecord) {
  MakeContest('d');
  AddQso({"DL1AA", 'b', "Q05", "SSB", 0, 0});
  TContestLogState& s = State();
  s.RecountTotals(true);
  TContestListRec l = list_->GetListRec();
  l.SetColumnWidth(3, 77);  // not stored yet
  list_->SetListRec(l);
  ASSERT_TRUE(s.RecalcLog());
  TdbContest stored(TdbContestBase::kList);
  ASSERT_TRUE(stored.FindNumber(number_));
  EXPECT_EQ(stored.GetListRec().ColumnWidth(3), 77);
  EXPECT_EQ(stored.GetListRec().RowQsos(1), 1);
}

}  // namespace
}  // namespace tallytest
