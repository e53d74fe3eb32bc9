// The road of one QSO through the real log window, offscreen: typed with keys, checked
// when a field is left, saved, scored and counted; and the parts of the save road that
// need no window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <functional>

#include "contest/contestfkt.h"
#include "foundation/cp1252.h"
#include "foundation/dates.h"
#include "foundation/kvedit.h"
#include "foundation/strings.h"
#include "foundation/testdesktop.h"
#include "log/contlogstd.h"
#include "log/logfixture.h"
#include "log/logrecalc.h"
#include "log/logstate.h"
#include "log/logwindowtyping.h"
#include "log/prefixentity.h"
#include "log/saveroad.h"
#include "log/windowfixture.h"
#include "reference/baender.h"
#include "reference/datprefix.h"
#include "support/filesizelimit.h"
#include "support/heldfile.h"
#include "tables/calltables.h"
#include "tables/contestkeys.h"
#include "tables/setups.h"

namespace {

// --- without a window ------------------------------------------------------------------

TEST(SaveRoadTexts, MemberFieldAndSerialPadding) {
  const std::pair<const char*, const char*> member[] = {
      {"ABC-12", "ABC/12"}, {"12ABC", "/12ABC"}, {"ABC+12", "ABC/12"},
      {"AB/12", "AB/12"},   {"ABC12", "ABC/12"}, {"ABC", "ABC"},
  };
  for (const auto& [typed, stored] : member)
    EXPECT_EQ(saveroad::NormaliseMemberField(typed), stored) << typed;

  using namespace exchangekind;
  struct Case {
    const char* text;
    int32_t kind2, kind3;
    const char* stored;
  };
  const Case serials[] = {
      {"5997", kSerial, kNone, "599007"},     {"59912", kSerialPerBand, kNone, "599012"},
      {"5991234", kSerial, kNone, "5991234"}, {"599Q01/7", kDok, kSerialPerMode, "599Q01/007"},
      {"599Q01/7", kDok, kNone, "599Q01/7"},
  };
  for (const Case& c : serials)
    EXPECT_EQ(saveroad::PadSerialExchange(c.text, c.kind2, c.kind3), c.stored) << c.text;
}

TEST(SaveRoadTexts, NextSecondWrapsIntoTheNextDay) {
  int32_t date = 150000, time = 86399;
  saveroad::NextSecond(date, time);
  EXPECT_EQ(date, 150001);
  EXPECT_EQ(time, 0);
  saveroad::NextSecond(date, time);
  EXPECT_EQ(time, 1);
}

TEST(SaveRoadTexts, RecommendedFrequencyRanges) {
  struct Case {
    char code;
    float mhz;
    const char* mode;
    char band;
    bool inside;
  };
  const Case cases[] = {
      {'d', 3.562f, "CW", 'b', false}, {'d', 3.52f, "CW", 'b', true},
      {'d', 3.56f, "CW", 'b', true},   {'d', 1.83f, "CW", 'a', true},
      {'d', 14.2f, "SSB", 'e', true},  {'d', 3.67f, "SSB", 'b', false},
      {'d', 3.75f, "SSB", 'b', true},  {'d', 7.1f, "CW", 'd', true},
      {'d', 3.9f, "FM", 'b', true},    {'W', 3.562f, "CW", 'b', false},
      {'W', 3.52f, "CW", 'b', true},   {'W', 3.67f, "SSB", 'b', false},
      {'W', 21.4f, "SSB", 'f', false}, {'W', 21.4f, "CW", 'f', true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(saveroad::InRecommendedRange(c.code, c.mhz, c.mode, c.band), c.inside)
        << c.code << " " << c.mhz << " " << c.mode;
}

TEST(SaveRoadTexts, DokAndDistrictLists) {
  TContestRec def;
  TContestQSORec q;
  q.SetDOK1("B12");
  EXPECT_TRUE(saveroad::PassesDokList(def, q));
  def.ValidDistricts[1] = 'Q';
  EXPECT_FALSE(saveroad::PassesDokList(def, q));
  q.SetDOK1("Q05");
  EXPECT_TRUE(saveroad::PassesDokList(def, q));
  def.ValidDistricts[1] = 0;
  def.ValidDoks[1] = "Z19";
  EXPECT_FALSE(saveroad::PassesDokList(def, q));
  q.SetDOK1("Z19");
  EXPECT_TRUE(saveroad::PassesDokList(def, q));
}

class SaveRoadLog : public LogTest {};

TEST_F(SaveRoadLog, InsertStepsPastTakenSecondsOnly) {
  for (int32_t t : {100, 101, 102}) {
    TContestQSORec q;
    q.SetCall("DL9XX");
    q.SetDatum(150000);
    q.SetZeit(t);
    qsos_->SetQSORec(q);
    ASSERT_TRUE(qsos_->Add());
  }
  TContestQSORec rec;
  rec.SetCall("DL1AA");
  rec.SetDatum(150000);
  rec.SetZeit(100);
  int tries = 0;
  ASSERT_TRUE(saveroad::InsertWithRetries(*qsos_, rec, saveroad::kInsertAttempts, tries));
  EXPECT_EQ(tries, 4);
  EXPECT_EQ(rec.Zeit(), 103);
  EXPECT_EQ(rec.Nummer(), 4);
  EXPECT_EQ(qsos_->GetQSORec().Call(), "DL1AA");
  // Only three attempts allowed: the fourth second is never reached.
  rec.SetZeit(100);
  EXPECT_FALSE(saveroad::InsertWithRetries(*qsos_, rec, 3, tries));
  EXPECT_EQ(tries, 3);
  // A file that cannot be written refuses for another cause: one attempt, the time kept.
  rec.SetZeit(200);
  {
    TFileSizeLimit full(1024);
    EXPECT_FALSE(saveroad::InsertWithRetries(*qsos_, rec, saveroad::kInsertAttempts, tries));
  }
  EXPECT_EQ(tries, 1);
  EXPECT_EQ(rec.Zeit(), 200);
  EXPECT_EQ(qsos_->RecordCount(), 4);
}

TEST_F(SaveRoadLog, CallBookLearnsOnceAndOnlyFromRealCalls) {
  TContestQSORec rec;
  rec.SetCall("DL");
  rec.SetDOK1("Q05");
  saveroad::TCallBookInput in;
  in.Code = 'd';
  EXPECT_TRUE(saveroad::UpdateCallBook(alle_, rec, in));
  TdbCall book(TdbCallBase::kCallBook);
  EXPECT_FALSE(book.FindCall("DL"));
  rec.SetCall("DL1AA");
  in.Name = "Hans";
  EXPECT_TRUE(saveroad::UpdateCallBook(alle_, rec, in));
  rec.SetDOK1("Q07");
  EXPECT_TRUE(saveroad::UpdateCallBook(alle_, rec, in));
  int found = 0;
  for (bool f = book.First(0); f; f = book.NextRecord(0)) found += book.GetCall() == "DL1AA";
  EXPECT_EQ(found, 1);
  ASSERT_TRUE(book.FindCall("DL1AA"));
  EXPECT_EQ(ToStrings::Trim(book.GetDOK()), "Q07");
  EXPECT_EQ(ToStrings::Trim(book.GetName()), "Hans");
  // Contest '4' keeps DOKs out of the call book; '7' stores the DIG number.
  in = {};
  in.Code = '7';
  in.Received[1] = "1234";
  rec.SetDOK1("X01");
  EXPECT_TRUE(saveroad::UpdateCallBook(alle_, rec, in));
  ASSERT_TRUE(book.FindCall("DL1AA"));
  EXPECT_EQ(ToStrings::Trim(book.GetDIG()), "1234");
  in.Code = '4';
  rec.SetDOK1("Y01");
  EXPECT_TRUE(saveroad::UpdateCallBook(alle_, rec, in));
  ASSERT_TRUE(book.FindCall("DL1AA"));
  EXPECT_EQ(ToStrings::Trim(book.GetDOK()), "X01");
}

// --- through the window ------------------------------------------------------------------

class LogRoad : public LogWindowTest {
 protected:
  // The records of contest 1 on file (date and time from the clock unless said), then
  // the window on them, shown and active.
  TContestLogStd& Open(char code, const TContestRec& def, bool clock = true) {
    TContestListRec r = list_->GetListRec();
    r.SetTyp(code);
    r.SetName("Saar 2026");
    r.SetDateAuto(clock ? 255 : 0);
    r.SetTimeAuto(clock ? 255 : 0);
    list_->SetListRec(r);
    logtyping::StoreLogRecords(*list_, *config_, kContest);
    window_ = std::make_unique<TContestLogStd>(kContest, *config_, *list_, def);
    logtyping::ShowActive(*window_);
    return *window_;
  }

  // A call the call book knows, with one field set.
  static void AddToCallBook(const char* call, void (TdbCallBase::*set)(std::string_view),
                            const char* value) {
    TdbCall book(TdbCallBase::kCallBook);
    book.ClearRecords();
    book.SetCall(call);
    (book.*set)(value);
    ASSERT_TRUE(book.Add());
  }
  static QWidget* Focus() { return QApplication::focusWidget(); }
  // Types into the field that has the focus, then Enter.
  static void Enter(const char* text) {
    if (*text) QTest::keyClicks(Focus(), Q(text));
    QTest::keyClick(Focus(), Qt::Key_Return);
  }
  // A call, Enter, the DOK, Enter: one QSO of the Saar contest; the clock goes on.
  void SaarQso(const char* call, const char* dok) {
    Tick();
    Enter(call);
    Enter(dok);
  }
  // The entry clock a minute on.
  void Tick() {
    desk_.Now = desk_.Now.addSecs(60);
    window_->timerzeitTimer();
  }
  std::vector<TContestQSORec> Stored() const {
    std::vector<TContestQSORec> all;
    TdbContest log(TdbContestBase::kQsoLog, 0, kContest);
    for (bool f = log.First(contestkeys::kNummer); f; f = log.NextRecord(contestkeys::kNummer))
      all.push_back(log.GetQSORec());
    return all;
  }
  QStringList Shown() const {
    QStringList texts;
    for (const QLabel* l : window_->MultiDisplayLabels) texts << l->text().trimmed();
    return texts;
  }
};

TEST_F(LogRoad, FiveSaarQsosAreScoredCountedAndRefusedOnceMore) {
  TContestLogStd& w = Open('d', Def('d'));
  const std::pair<const char*, const char*> qsos[] = {
      {"DL1AA", "Q05"}, {"DL2BB", "Q05"}, {"DL3CC", "Z19"}, {"DL4DD", "B12"}, {"DL5EE", ""}};
  for (const auto& [call, dok] : qsos) SaarQso(call, dok);
  const std::vector<TContestQSORec> stored = Stored();
  ASSERT_EQ(stored.size(), 5u);
  const int points[] = {2, 2, 2, 1, 1};
  for (size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(stored[i].Call(), qsos[i].first);
    EXPECT_EQ(stored[i].DOK(), qsos[i].second);
    EXPECT_EQ(stored[i].Points(), points[i]) << qsos[i].first;
  }
  // No frequency typed is no frequency outside the band plan.
  EXPECT_TRUE(desk_.Texts(TMessageKind::Notice).isEmpty());
  EXPECT_EQ(S(w.Label19->text()), "2 Multi x");
  EXPECT_EQ(S(w.Label20->text()), "8 Punkte =");
  EXPECT_EQ(S(w.Label21->text()), "16 Pkt.");
  EXPECT_TRUE(Shown().contains(QStringLiteral("Q05")));
  EXPECT_TRUE(Shown().contains(QStringLiteral("Z19")));
  EXPECT_EQ(w.eCall->text(), QString());
  EXPECT_EQ(Focus(), w.eCall);

  // The same call on the same band and mode is refused when the call field is left.
  Enter("DL1AA");
  EXPECT_TRUE(desk_.Texts(TMessageKind::Warning)
                  .contains(QStringLiteral("Call DL1AA bereits auf Band/Mode vorhanden")));
  EXPECT_EQ(w.eCall->text(), QString());
  EXPECT_EQ(Focus(), w.eCall);
  EXPECT_EQ(Stored().size(), 5u);
  EXPECT_EQ(S(w.Label21->text()), "16 Pkt.");

  // The saves marked the log as changed since its summary; the close's recalculation
  // stores the band's short form in the list record and clears the mark.
  {
    TdbContest log(TdbContestBase::kQsoLog, 0, kContest);
    EXPECT_TRUE(recalcmark::IsSet(log));
  }
  w.CloseLog();
  {
    TdbContest log(TdbContestBase::kQsoLog, 0, kContest);
    EXPECT_FALSE(recalcmark::IsSet(log));
  }
  ASSERT_TRUE(list_->FindNumber(kContest));
  const TContestListRec list = list_->GetListRec();
  EXPECT_EQ(list.RowQsos(1), 5);
  EXPECT_EQ(list.RowPoints(1), 8);
  EXPECT_EQ(list.RowMultipliers(1), 2);
}

// A new DOK typed and then given up leaves the score as the log has it: the live panel,
// the full recount and the stored figures agree.
TEST_F(LogRoad, AGivenUpNewDokLeavesTheScoreAsTheLogHasIt) {
  TContestRec def = Def('d');
  def.Bands.Fill(0);
  def.Bands[1] = 'b';
  def.Bands[2] = 'c';
  TContestLogStd& w = Open('d', def);
  for (const char* call : {"DL1AA", "DL2BB", "DL3CC", "DL4DD"})
    SaarQso(call, call[2] == '3' ? "Z19" : "Q05");
  ASSERT_EQ(S(w.Label21->text()), "16 Pkt.");
  struct Case {
    const char* how;
    std::function<void()> giveUp;
    const char* whileOn40;  // the panel while the entry stands on 40 m, if it moved there
  };
  const Case cases[] = {
      {"Esc", [] { QTest::keyClick(Focus(), Qt::Key_Escape); }, nullptr},
      {"band switch", [&] { QTest::keyClick(w.eCall, Qt::Key_F8); }, "3 Multi x"},
      {"refused call",
       [&] {
         w.eCall->setFocus();
         w.eCall->selectAll();
         Enter("DL1AA");
       },
       nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    // "DL" is no call to save: the entry keeps its new DOK pending.
    w.eCall->setFocus();
    Enter("DL");
    Enter("Q08");
    ASSERT_EQ(Stored().size(), 4u);
    ASSERT_EQ(S(w.Label19->text()), "3 Multi x");
    c.giveUp();
    if (c.whileOn40) {
      EXPECT_EQ(S(w.Label19->text()), c.whileOn40);
      QTest::keyClick(Focus(), Qt::Key_Escape);
      QTest::keyClick(w.eCall, Qt::Key_F8);
      ASSERT_EQ(w.CurrentBand, 'b');
    }
    EXPECT_EQ(S(w.Label19->text()), "2 Multi x");
    EXPECT_EQ(S(w.Label21->text()), "16 Pkt.");
    TContestLogState& state = *w.LogState;
    const TBandTally live = state.BandMultis;
    state.RecountTotals(true);
    for (char band : {'b', 'c'}) EXPECT_EQ(live[uint8_t(band)], state.BandMultis[uint8_t(band)]);
    ASSERT_TRUE(state.RecalcLog());
    EXPECT_EQ(list_->GetListRec().RowMultipliers(1), 2);
  }
}

TEST_F(LogRoad, MidnightIsATimeAndTheEntryKeepsItsDok) {
  TContestLogStd& w = Open('d', Def('d'), false);
  w.eDatum->setText(QStringLiteral("10.01.2026"));
  w.ezeit->setText(QStringLiteral("00:00"));
  Enter("DL4DD");
  Enter("B12");
  // The time field is still to come: nothing is saved before it was left with Enter.
  EXPECT_EQ(Stored().size(), 0u);
  w.ezeit->setFocus();
  Enter("");
  const std::vector<TContestQSORec> stored = Stored();
  ASSERT_EQ(stored.size(), 1u);
  EXPECT_EQ(stored[0].Zeit(), 0);
  EXPECT_EQ(stored[0].DOK(), "B12");
  EXPECT_EQ(stored[0].Points(), 1);
  // The saved QSO's date and time carry over to the next entry.
  EXPECT_EQ(w.LastQsoTime, 0);
  EXPECT_EQ(w.LastQsoDate, stored[0].Datum());
  EXPECT_EQ(w.ezeit->text(), QStringLiteral("00:00:00"));
  // A new entry without a time (-1) is not valid.
  w.eCall->setText(QStringLiteral("DL2BB"));
  w.ezeit->clear();
  w.FieldsToRecord();
  EXPECT_FALSE(w.IsQsoValid());
}

// A line end pasted into the call or the DOK is stored as no part of them.
TEST_F(LogRoad, PastedLineEndsAreNotStored) {
  Open('d', Def('d'));
  const auto paste = [](const char* text) {
    QGuiApplication::clipboard()->setText(Q(text));
    QTest::keyClick(Focus(), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(Focus(), Qt::Key_Return);
  };
  const std::pair<const char*, const char*> qsos[] = {{"DL1AA\n", "Q05"}, {"DL2BB", "DL1\nABC"}};
  for (const auto& [call, dok] : qsos) {
    Tick();
    paste(call);
    paste(dok);
  }
  const std::vector<TContestQSORec> stored = Stored();
  ASSERT_EQ(stored.size(), 2u);
  EXPECT_EQ(stored[0].Call(), "DL1AA");
  EXPECT_EQ(stored[1].DOK(), "DL1 ABC");
  for (const TContestQSORec& q : stored)
    EXPECT_FALSE(ToStrings::HasControls(q.Call() + q.DOK() + oContestFkt->ReceivedExchangeText(q)));
}

TEST_F(LogRoad, RefusedInsertsMoveTheTimeAndElevenRefusalsKeepTheEntry) {
  TContestLogStd& w = Open('d', Def('d'));
  int32_t date = 0, time = 0;
  auto occupy = [&](int seconds) {
    TdbContest other(TdbContestBase::kQsoLog, 0, kContest);
    for (int s = 0; s < seconds; ++s) {
      TContestQSORec q;
      q.SetCall("DL9ZZ");
      q.SetBandcode('a');
      q.SetDatum(date);
      q.SetZeit(time + s);
      q.SetBandChangeMark(255);
      other.SetQSORec(q);
      ASSERT_TRUE(other.Add());
    }
  };
  Tick();
  // The QSO is typed a minute later, when the clock has moved on.
  date = ToDates::TodayUTC();
  time = ToDates::CurrentTimeUTC() + 60;
  occupy(3);
  const int32_t before = w.LogState->SessionQsoCount;
  SaarQso("DL1AA", "Q05");
  std::vector<TContestQSORec> stored = Stored();
  ASSERT_EQ(stored.size(), 4u);
  EXPECT_EQ(stored[3].Call(), "DL1AA");
  EXPECT_EQ(stored[3].Zeit(), time + 3);
  EXPECT_EQ(w.LogState->SessionQsoCount, before + 1);
  EXPECT_EQ(w.LogState->PointsTotal, 2);

  // Eleven seconds taken from the entry's time on: nothing stored, nothing counted.
  desk_.Now = desk_.Now.addSecs(3600);
  w.timerzeitTimer();
  time = ToDates::CurrentTimeUTC();
  occupy(11);
  Enter("DL2BB");
  Enter("Q05");
  EXPECT_EQ(Stored().size(), 4u + 11u);
  EXPECT_EQ(desk_.Texts(TMessageKind::Error).size(), 1);
  EXPECT_EQ(w.LogState->SessionQsoCount, before + 1);
  EXPECT_EQ(w.LogState->PointsTotal, 2);
  EXPECT_EQ(w.eCall->text(), QStringLiteral("DL2BB"));
  EXPECT_EQ(w.eRSTr[1]->text(), QStringLiteral("Q05"));
}

TEST_F(LogRoad, SerialsArePaddedAndABandChangeLineCountsNowhere) {
  // Without an own DOK the first sent field is the serial number.
  TContestRec def = Def('C', 1, "");
  TContestLogStd& w = Open('C', def);
  Tick();
  ASSERT_TRUE(saveroad::IsSerialKind(def.SentKinds[1]) || saveroad::IsSerialKind(def.SentKinds[2]));
  w.eCall->setText(QStringLiteral("DL1AA"));
  const size_t serialField = saveroad::IsSerialKind(def.SentKinds[1]) ? 1 : 2;
  w.eRSTs[serialField]->setText(QStringLiteral("7"));
  ASSERT_TRUE(w.btnSpeichernClick());
  w.eCall->setText(QStringLiteral("DL2BB"));
  w.eRSTs[serialField]->setText(QStringLiteral("1234"));
  Tick();
  ASSERT_TRUE(w.btnSpeichernClick());
  std::vector<TContestQSORec> stored = Stored();
  ASSERT_EQ(stored.size(), 2u);
  std::string rst, f[3];
  TContLogAlle::SplitExchangeText(oContestFkt->SentExchangeText(stored[0]), rst, f[0], f[1], f[2]);
  EXPECT_EQ(f[serialField - 1], "007");
  TContLogAlle::SplitExchangeText(oContestFkt->SentExchangeText(stored[1]), rst, f[0], f[1], f[2]);
  EXPECT_EQ(f[serialField - 1], "1234");

  // A band-change line is stored with its points but raises no tally.
  const int32_t points = w.LogState->PointsTotal, qsos = w.LogState->SessionQsoCount;
  w.eCall->setText(QStringLiteral("DL3CC"));
  w.FieldsToRecord();
  TContestQSORec line = w.GetQsoRecord();
  line.SetBandChangeMark(255);
  w.SetQsoRecord(line);
  Tick();
  ASSERT_TRUE(w.btnSpeichernClick());
  stored = Stored();
  ASSERT_EQ(stored.size(), 3u);
  EXPECT_EQ(stored[2].BandChangeMark(), char(255));
  EXPECT_EQ(w.LogState->PointsTotal, points);
  EXPECT_EQ(w.LogState->SessionQsoCount, qsos);
}

TEST_F(LogRoad, MemberFieldOfContestQIsStoredWithItsSlash) {
  TContestLogStd& w = Open('q', Def('q'));
  Tick();
  const std::pair<const char*, const char*> cases[] = {{"ABC-12", "ABC/12"}, {"12ABC", "/12ABC"}};
  for (const auto& [typed, shown] : cases) {
    w.eCall->setText(QStringLiteral("DL1AA"));
    w.eRSTr[3]->setText(Q(typed));
    Tick();
    w.eCall->setText(QStringLiteral("DL1AA"));
    w.eRSTr[3]->setText(Q(typed));
    ASSERT_TRUE(w.btnSpeichernClick()) << typed;
    const TContestQSORec last = Stored().back();
    std::string rst, f[3];
    TContLogAlle::SplitExchangeText(oContestFkt->ReceivedExchangeText(last), rst, f[0], f[1], f[2]);
    EXPECT_EQ(f[2], shown) << typed;
  }
}

TEST_F(LogRoad, LeavingTheCallOutsideTheBandPlanWarns) {
  // Class B: 80 m CW.
  TContestLogStd& w = Open('d', Def('d', 2));
  ASSERT_EQ(w.CurrentMode, "CW");
  ASSERT_EQ(w.CurrentBand, 'b');
  const std::pair<const char*, bool> cases[] = {{"3.562", true}, {"3.52", false}};
  for (const auto& [freq, warned] : cases) {
    desk_.Messages.clear();
    w.eFreq->setText(Q(freq));
    w.eCall->setFocus();
    QTest::keyClicks(w.eCall, QStringLiteral("DL1AA"));
    QTest::keyClick(w.eCall, Qt::Key_Return);
    EXPECT_EQ(desk_.Texts(TMessageKind::Notice).size(), warned ? 1 : 0) << freq;
    if (warned) {
      EXPECT_EQ(S(desk_.Messages.front().Title), "Frequenzbereich verlassen");
    }
    w.btnClearClick();
  }
}

TEST_F(LogRoad, DokCheckNoticeOnlyForAFailedDistrictOnEnter) {
  TContestRec def = Def('d');
  def.ValidDistricts[1] = 'Q';
  TContestLogStd& w = Open('d', def);
  Tick();
  Enter("DL4DD");
  QTest::keyClicks(Focus(), QStringLiteral("B12"));
  // Leaving without Enter: no notice and no save.
  w.eCall->setFocus();
  EXPECT_TRUE(desk_.Texts(TMessageKind::Notice).isEmpty());
  w.eRSTr[1]->setFocus();
  Enter("");
  ASSERT_EQ(desk_.Texts(TMessageKind::Notice).size(), 1);
  EXPECT_EQ(S(desk_.Messages.back().Title), "DOK-Check");
  EXPECT_EQ(S(desk_.Messages.back().Text),
            "Station muß aus Distrikt Q sein. Bitte Kontestregeln beachten.");
  EXPECT_EQ(Stored().size(), 0u);
  // A DOK of the district passes without a notice.
  w.eRSTr[1]->setFocus();
  w.eRSTr[1]->selectAll();
  Enter("Q05");
  EXPECT_EQ(desk_.Texts(TMessageKind::Notice).size(), 1);
  EXPECT_EQ(Stored().size(), 1u);
}

}  // namespace

namespace {

TEST_F(LogRoad, TypingCopiesNamesDropsBlanksAndSwitchesModeAndBand) {
  TContestRec def = Def('d', 5);  // 10 m, SSB, CW and FM
  def.ReceivedKinds[3] = exchangekind::kName;
  TContestLogStd& w = Open('d', def);
  Tick();
  // The name field fills the received name field, a typed name becomes the QSO's name.
  w.eName->setText(QStringLiteral("Hans"));
  EXPECT_EQ(w.eRSTr[3]->text(), QStringLiteral("HANS"));
  w.eRSTr[3]->setFocus();
  w.eRSTr[3]->selectAll();
  QTest::keyClicks(w.eRSTr[3], QStringLiteral("Otto"));
  EXPECT_EQ(w.LastName, "OTTO");
  EXPECT_EQ(ToStrings::TextBefore(w.GetQsoRecord().NameQth(), ";"), "OTTO");
  // A blank typed into a received field is dropped.
  w.eRSTr[1]->setFocus();
  QTest::keyClicks(w.eRSTr[1], QStringLiteral("Q 05"));
  EXPECT_EQ(w.eRSTr[1]->text(), QStringLiteral("Q05"));

  // The mode list: the entry takes the mode, SSB keeps two digits of the report.
  ASSERT_EQ(w.CurrentMode, "CW");
  const auto ssb = w.listmode->findItems(QStringLiteral("SSB"), Qt::MatchExactly);
  ASSERT_EQ(ssb.size(), 1);
  w.listmode->setCurrentItem(ssb.front());
  w.listmodeDblClick();
  EXPECT_EQ(w.CurrentMode, "SSB");
  w.FieldsToRecord();
  EXPECT_EQ(ToStrings::Trim(w.GetQsoRecord().Mode()), "SSB");
  EXPECT_EQ(ToStrings::Left(w.GetQsoRecord().SentPart1(), 3), "59 ");

  // Leaving the frequency field: a frequency of a band switches to it, one outside every
  // band becomes the current band's own.
  struct Case {
    const char* typed;
    char band;
  };
  for (const Case& c : {Case{"7.050", 'c'}, Case{"28.5", 'i'}, Case{"99", 'i'}}) {
    w.eFreq->setText(Q(c.typed));
    w.CheckAndSave(w.eFreq);
    EXPECT_EQ(w.CurrentBand, c.band) << c.typed;
    EXPECT_EQ(oBaender->BandCodeOfFrequency(w.GetQsoRecord().Frequency()), c.band) << c.typed;
  }
}

// A frequency in no band becomes the band's own for the entry's mode, and the QSO then
// lies inside the band plan.
TEST_F(LogRoad, AFrequencyInNoBandTakesTheBandsOwnForTheMode) {
  TContestRec def = Def('d', 5);  // SSB, CW and FM
  def.Bands.Fill(0);
  def.Bands[1] = 'b';
  TContestLogStd& w = Open('d', def);
  for (const auto& [mode, mhz] : {std::pair{"CW", 3.52f}, std::pair{"SSB", 3.61f}}) {
    SCOPED_TRACE(mode);
    const auto items = w.listmode->findItems(Q(mode), Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1);
    w.listmode->setCurrentItem(items.front());
    w.listmodeDblClick();
    w.eFreq->setText(QStringLiteral("99"));
    w.CheckAndSave(w.eFreq);
    EXPECT_FLOAT_EQ(w.GetQsoRecord().Frequency(), mhz);
    EXPECT_TRUE(w.CheckFrequencyRange());
  }
}

TEST_F(LogRoad, TheFrequencyFieldIsRedOutsideTheBandPlan) {
  TContestLogStd& w = Open('d', Def('d', 2));  // 80 m CW
  for (const auto& [typed, colour] :
       {std::pair{"3.562", QColor(Qt::red)}, std::pair{"3.52", QColor(0, 0, 128)}}) {
    w.eFreq->setText(Q(typed));
    EXPECT_EQ(w.eFreq->palette().color(QPalette::Text), colour) << typed;
  }
}

}  // namespace

namespace {

TEST_F(LogRoad, TheCallShowsTheGermanOnlyFieldAndTheCallBookFillsTheDok) {
  ASSERT_TRUE(oDatPrefix->OpenFileSet(7, false));
  AddPrefixEntity("DL", "DL", "EU");
  AddPrefixEntity("EA8", "EA8", "AF");
  AddToCallBook("DL7XX", &TdbCallBase::SetDOK, "Z19");
  TContestRec def = Def('d');
  def.ReceivedKinds[2] = 17;
  TContestLogStd& w = Open('d', def);
  Tick();
  QTest::keyClicks(w.eCall, QStringLiteral("EA8AA"));
  EXPECT_FALSE(w.eRSTr[2]->isVisibleTo(&w));
  w.btnClearClick();
  QTest::keyClicks(w.eCall, QStringLiteral("DL1AA"));
  EXPECT_TRUE(w.eRSTr[2]->isVisibleTo(&w));
  // Leaving the call: no unknown prefix, and the DOK the call book knows.
  w.btnClearClick();
  Enter("DL7XX");
  EXPECT_TRUE(desk_.Texts(TMessageKind::Warning).isEmpty());
  EXPECT_EQ(w.eRSTr[1]->text(), QStringLiteral("Z19"));
  window_.reset();
  oDatPrefix->CloseFileSet(7, false, false, true);
}

}  // namespace

namespace {

// Name and QTH of an earlier QSO with the call reach the saved QSO, before the call book's.
TEST_F(LogRoad, NameAndQthOfAnEarlierQsoWithTheCallAreTakenOver) {
  AddToCallBook("DL2BB", &TdbCallBase::SetName, "Otto");
  AddToCallBook("DL3CC", &TdbCallBase::SetName, "Carl");
  TContestLogStd& w = Open('d', Def('d'));
  struct Case {
    const char* call;
    const char* earlier;  // the name and QTH of a QSO on another band; nullptr: none
    const char* saved;
  };
  const Case cases[] = {
      {"DL1AA", "Hans;Berlin", "Hans;Berlin"},
      {"DL2BB", "Hans;Berlin", "Hans;Berlin"},
      {"DL3CC", nullptr, "Carl;"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.call);
    if (c.earlier) {
      TContestQSORec q;
      q.SetCall(c.call);
      q.SetBandcode('c');
      q.SetMode("SSB");
      q.SetNameQth(c.earlier);
      Store(q);
    }
    Tick();
    Enter(c.call);
    EXPECT_EQ(S(w.lcallname->text()), ToStrings::TextBefore(c.saved, ";"));
    Enter("Q05");
    const std::vector<TContestQSORec> stored = Stored();
    ASSERT_FALSE(stored.empty());
    EXPECT_EQ(stored.back().Call(), c.call);
    EXPECT_EQ(stored.back().NameQth(), c.saved);
  }
}

TEST_F(LogRoad, ANameFromTheCallBookGivesWayToTheCaptionInTheNextEntry) {
  AddToCallBook("DL7XX", &TdbCallBase::SetName, "Hans");
  TContestLogStd& w = Open('d', Def('d'));
  Tick();
  Enter("DL7XX");
  EXPECT_EQ(w.LastCall, "DL7XX");
  EXPECT_TRUE(w.lcallname->isVisibleTo(&w));
  EXPECT_EQ(S(w.lcallname->text()), "Hans");
  EXPECT_FALSE(w.lqsopartner->isVisibleTo(&w));
  Enter("Q05");
  ASSERT_EQ(Stored().size(), 1u);
  EXPECT_TRUE(w.lqsopartner->isVisibleTo(&w));
  EXPECT_EQ(S(w.lqsopartner->text()), "QSO-Partner");
  EXPECT_FALSE(w.lcallname->isVisibleTo(&w));
}

}  // namespace

namespace {

TEST_F(LogRoad, AFullDiskStoresAndCountsNothingAndKeepsTheEntry) {
  TContestLogStd& w = Open('d', Def('d'));
  Tick();
  Enter("DL1AA");
  QTest::keyClicks(Focus(), QStringLiteral("Q05"));
  const int32_t points = w.LogState->PointsTotal, qsos = w.LogState->SessionQsoCount;
  const int32_t time = ToDates::CurrentTimeUTC();
  {
    // No room for the journal of the write: the add fails for want of space, not for a
    // taken second, so the time is not moved on.
    TFileSizeLimit full(1024);
    QTest::keyClick(Focus(), Qt::Key_Return);
  }
  EXPECT_EQ(desk_.Texts(TMessageKind::Error).size(), 1);
  EXPECT_TRUE(Stored().empty());
  EXPECT_EQ(w.LogState->PointsTotal, points);
  EXPECT_EQ(w.LogState->SessionQsoCount, qsos);
  EXPECT_EQ(w.eCall->text(), QStringLiteral("DL1AA"));
  EXPECT_EQ(w.eRSTr[1]->text(), QStringLiteral("Q05"));
  // With room again the same entry is saved.
  w.eRSTr[1]->setFocus();
  Enter("");
  ASSERT_EQ(Stored().size(), 1u);
  EXPECT_EQ(Stored()[0].Zeit(), time);
}

}  // namespace

namespace {

// A typed QSO teaches the call book in its own save: the next entry of the call takes the
// DOK from it, and with it the DOK's points.
TEST_F(LogRoad, ASavedQsoTeachesTheCallBookWhatTheNextEntryTakes) {
  TContestLogStd& w = Open('d', Def('d', 5));
  ASSERT_EQ(w.CurrentMode, "CW");
  Tick();
  Enter("DL1AA");
  Enter("Q05");
  ASSERT_EQ(Stored().size(), 1u);
  {
    TdbCall book(TdbCallBase::kCallBook);
    ASSERT_TRUE(book.FindCall("DL1AA"));
    EXPECT_EQ(ToStrings::Trim(book.GetDOK()), "Q05");
  }
  const auto ssb = w.listmode->findItems(QStringLiteral("SSB"), Qt::MatchExactly);
  ASSERT_EQ(ssb.size(), 1);
  w.listmode->setCurrentItem(ssb.front());
  w.listmodeDblClick();
  Tick();
  w.eCall->setFocus();
  Enter("DL1AA");
  EXPECT_EQ(w.eRSTr[1]->text(), QStringLiteral("Q05"));
  w.eRSTr[1]->setFocus();
  Enter("");
  const std::vector<TContestQSORec> stored = Stored();
  ASSERT_EQ(stored.size(), 2u);
  EXPECT_EQ(stored[1].DOK(), "Q05");
  EXPECT_EQ(stored[1].Points(), stored[0].Points());
  EXPECT_GT(stored[1].Points(), 1);
}

// A call book that cannot take the save's writes (another program holds it) fails the
// save as a whole: the QSO is not stored, nothing is counted, the entry stays.
TEST_F(LogRoad, ASaveTheCallBookRefusesStoresNothing) {
  auto held = std::make_unique<THeldFile>(dir_.File("BM5CALL.db"));
  ASSERT_TRUE(held->Held());
  TContestLogStd& w = Open('d', Def('d'));
  Tick();
  Enter("DL1AA");
  const int32_t points = w.LogState->PointsTotal;
  Enter("Q05");
  held.reset();
  const QStringList errors = desk_.Texts(TMessageKind::Error);
  ASSERT_EQ(errors.size(), 1);
  EXPECT_TRUE(errors[0].startsWith(Q("Das QSO konnte nicht gespeichert werden. Datenbankfehler")))
      << S(errors[0]);
  EXPECT_TRUE(Stored().empty());
  EXPECT_EQ(w.LogState->PointsTotal, points);
  EXPECT_EQ(w.eCall->text(), QStringLiteral("DL1AA"));
  w.eRSTr[1]->setFocus();
  Enter("");
  EXPECT_EQ(Stored().size(), 1u);
}

TEST_F(LogRoad, AShortCallNeverShowsAFieldTheContestHasNot) {
  TContestRec def = Def('d');
  def.ReceivedKinds[1] = 0;
  def.SentText[1].clear();
  TContestLogStd& w = Open('d', def);
  ASSERT_FALSE(w.eRSTr[1]->isVisibleTo(&w));
  QTest::keyClicks(w.eCall, QStringLiteral("D"));
  EXPECT_FALSE(w.eRSTr[1]->isVisibleTo(&w));
}

}  // namespace

namespace {

TEST_F(LogRoad, ALocatorOfTheOwnLocatorKindShowsTheBeamHeading) {
  ToSetupEigeneStation station = Setups().GetEigeneStation();
  station.SetLocator("JO43AA");
  Setups().SetEigeneStation(station);
  TContestRec def = Def('d');
  def.ReceivedKinds[2] = exchangekind::kOwnLocator;
  TContestLogStd& w = Open('d', def);
  w.eRSTr[2]->setFocus();
  QTest::keyClicks(w.eRSTr[2], QStringLiteral("JO3"));
  EXPECT_TRUE(w.lbeam->text().isEmpty());
  QTest::keyClicks(w.eRSTr[2], QStringLiteral("1"));
  // JO31 lies south-west of JO43.
  ASSERT_TRUE(w.lebeam->isVisibleTo(&w));
  const double heading = w.lbeam->text().trimmed().toDouble();
  EXPECT_GT(heading, 180.0);
  EXPECT_LT(heading, 270.0);
}

}  // namespace

namespace {

TEST_F(LogRoad, AnEntryIsSavedOnceWhateverArrivesWhileItIsSaved) {
  TContestLogStd& w = Open('d', Def('d'));
  Tick();
  w.eCall->setText(QStringLiteral("DL1AA"));
  w.eRSTr[1]->setText(QStringLiteral("Q05"));
  // A second save asked for by an event the first one processes.
  bool second = true;
  QTimer::singleShot(0, &w, [&] { second = w.btnSpeichernClick(); });
  ASSERT_TRUE(w.btnSpeichernClick());
  QApplication::processEvents();
  EXPECT_FALSE(second);
  EXPECT_EQ(Stored().size(), 1u);
  EXPECT_EQ(w.LogState->SessionQsoCount, 1);
}

}  // namespace
