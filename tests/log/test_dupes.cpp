#include <gtest/gtest.h>

#include "checksfixture.h"
#include "foundation/cp1252.h"

namespace {

using Action = TContLogAlle::TDupeAction;

class Dupes : public ChecksTest {
 protected:
  // A definition of the code with the dupe scope set.
  static TContestRec Scoped(uint8_t scope, char code = 'd') {
    TContestRec def = Def(code);
    def.DupeScope = scope;
    return def;
  }
  // The chain for the QSO being entered; contest code as the list record gives it.
  Action Check(const TContestQSORec& q, uint8_t scope, char code = 'd', bool quiet = false) {
    Enter(q);
    return TContLogAlle::CheckDupes(*qsos_, code, Scoped(scope, code), quiet);
  }
};

TEST_F(Dupes, SameBandAndModeIsRefusedWithTheWarningOfTheLanguage) {
  Store(Qso('c', "DL1ABC", "SSB"));
  Enter(Qso('c', "DL1ABC", "SSB"));
  EXPECT_EQ(TContLogAlle::DupeBandMode("DL1ABC", 'c', *qsos_, Scoped(1), "SSB"), 1);
  ASSERT_EQ(Warnings().size(), 1);
  EXPECT_EQ(Warnings()[0], QStringLiteral("Call DL1ABC bereits auf Band/Mode vorhanden"));
  EXPECT_EQ(desktop_.Beeps, 1);

  setupseparat::SetLanguage(0);
  EXPECT_EQ(TContLogAlle::DupeBandMode("DL1ABC/P", 'c', *qsos_, Scoped(1), "SSB"), 1);
  EXPECT_EQ(Warnings().last(), QStringLiteral("Call already exists on band/mode"));

  // Another mode, another band, another scope: no dupe, no message.
  EXPECT_EQ(TContLogAlle::DupeBandMode("DL1ABC", 'c', *qsos_, Scoped(1), "CW"), 0);
  EXPECT_EQ(TContLogAlle::DupeBandMode("DL1ABC", 'd', *qsos_, Scoped(1), "SSB"), 0);
  EXPECT_EQ(TContLogAlle::DupeBandMode("DL1ABC", 'c', *qsos_, Scoped(2), "SSB"), 0);
  EXPECT_EQ(Warnings().size(), 2);
}

TEST_F(Dupes, EachCheckWarnsWithItsOwnTextHoldingTheBaseCall) {
  Store(Qso('c', "EA8/DL1ABC", "CW"));
  Enter(Qso('c', "DL1ABC", "CW"));
  const TContestRec def = Def('6');
  EXPECT_EQ(TContLogAlle::DupeBand("dl1abc/p", 'c', 'd', *qsos_, Scoped(2)), 1);
  EXPECT_FALSE(TContLogAlle::DupeMode("DL1ABC", "CW", *qsos_, Scoped(3)));
  EXPECT_FALSE(TContLogAlle::DupeBandPeriod("DL1ABC", 'c', '6', *qsos_, def, 100));
  EXPECT_FALSE(TContLogAlle::DupeBandDay("DL1ABC", 'c', 'h', *qsos_, def, 150000));
  EXPECT_EQ(TContLogAlle::DupeLog("DL1ABC", Scoped(5), *qsos_), 1);
  EXPECT_EQ(Warnings(),
            QStringList({QStringLiteral("Call DL1ABC bereits auf Band vorhanden"),
                         QStringLiteral("Call DL1ABC bereits in Betriebsart vorhanden"),
                         QStringLiteral("Call DL1ABC bereits in Band und Periode vorhanden"),
                         QStringLiteral("Call DL1ABC bereits in Band und Tag vorhanden"),
                         QStringLiteral("Call DL1ABC bereits vorhanden")}));
  EXPECT_EQ(desktop_.Beeps, 5);
}

TEST_F(Dupes, ModeGroupsDoNotDependOnWhichQsoCameFirst) {
  struct Case {
    const char* stored;
    const char* entered;
    bool dupe;
  };
  const Case cases[] = {
      {"SSB", "FM", true},  {"SSB", "CW", false},   {"CW", "RTTY", true},
      {"RTTY", "CW", true}, {"SSB", "RTTY", false}, {"RTTY", "SSB", false},
      {"CW", "CW", true},   {"LSB", "USB", true},   {"PSK", "RTTY", true},
  };
  for (const Case& c : cases) {
    qsos_->DeleteFiles();
    Store(Qso('c', "DL1ABC", c.stored));
    Store(Qso('d', "DL1ABCD", c.entered));  // a longer call is another station
    EXPECT_EQ(Check(Qso('e', "DL1ABC", c.entered), 3, 'd', true),
              c.dupe ? Action::kRefuse : Action::kAccept)
        << c.entered << " after " << c.stored;
  }
  EXPECT_TRUE(Warnings().isEmpty());
}

TEST_F(Dupes, FielddayKeepsPortableAndFixedCallsApart) {
  Store(Qso('c', "DL1ABC"));
  Store(Qso('c', "DL1ABCD"));
  EXPECT_EQ(Check(Qso('c', "DL1ABC/P"), 2, '9', true), Action::kAccept);
  EXPECT_EQ(Check(Qso('c', "dl1abc"), 2, '9', true), Action::kRefuse);
  EXPECT_EQ(Check(Qso('c', "DL1ABC/P"), 2, 'd', true), Action::kRefuse);
  EXPECT_EQ(Check(Qso('d', "DL1ABC"), 2, 'd', true), Action::kAccept);
  // The portable station is met however many fixed QSOs stand before it in the key.
  Store(Qso('c', "DL1ABC/P", "CW"));
  EXPECT_EQ(Check(Qso('c', "DL1ABC/P"), 2, '9', true), Action::kRefuse);
}

TEST_F(Dupes, PeriodsOfContestSixAndDaysOfContestsHAndO) {
  const int32_t day = 150000;
  StoreAt(Qso('c', "DL1ABC"), day, 14 * 3600 + 59 * 60 + 59);
  Enter(Qso('c', "DL1ABC"));
  // The same period is a dupe, the other is not.
  EXPECT_TRUE(TContLogAlle::DupeBandPeriod("DL1ABC", 'c', '6', *qsos_, Def('6'), 15 * 3600));
  EXPECT_FALSE(TContLogAlle::DupeBandPeriod("DL1ABC", 'c', '6', *qsos_, Def('6'), 10 * 3600, true));
  EXPECT_TRUE(TContLogAlle::DupeBandPeriod("DL1ABC", 'd', '6', *qsos_, Def('6'), 10 * 3600));
  // Scope 4 acts only for the codes of its checks.
  TContestQSORec q = Qso('c', "DL1ABC");
  q.SetDatum(day);
  q.SetZeit(14 * 3600);
  EXPECT_EQ(Check(q, 4, '6', true), Action::kRefuse);
  EXPECT_EQ(Check(q, 4, 'd', true), Action::kAccept);
  EXPECT_EQ(Check(q, 4, 'h', true), Action::kRefuse);
  q.SetDatum(day + 1);
  EXPECT_EQ(Check(q, 4, 'o', true), Action::kAccept);
  EXPECT_TRUE(Warnings().isEmpty());
}

TEST_F(Dupes, MarkingScopesLogTheDupeAndWarnOnlyOnce) {
  Store(Qso('c', "DL1ABC"));
  Enter(Qso('c', "DL1ABC"));
  // Scope 7: marked without a word.
  EXPECT_EQ(TContLogAlle::DupeBandMode("DL1ABC", 'c', *qsos_, Scoped(7), "SSB"), 2);
  EXPECT_TRUE(Warnings().isEmpty());
  EXPECT_EQ(desktop_.Beeps, 0);

  // Scope 8: marked with a warning; the QSO carries the mark from then on, and a second
  // check of it marks again without a second warning.
  ASSERT_EQ(Check(Qso('c', "DL1ABC"), 8), Action::kMark);
  const TContestQSORec q = qsos_->GetQSORec();
  EXPECT_EQ(q.ZeroPoints(), 255);
  EXPECT_EQ(Check(q, 8), Action::kMark);
  EXPECT_EQ(TContLogAlle::DupeBandMode("DL1ABC", 'c', *qsos_, Scoped(8), "SSB"), 3);
  EXPECT_EQ(Warnings().size(), 1);
  // Scopes 9 and 10 likewise.
  EXPECT_EQ(Check(Qso('c', "DL1ABC", "CW"), 9), Action::kMark);
  EXPECT_EQ(Check(Qso('d', "DL1ABC", "CW"), 10), Action::kMark);
  EXPECT_EQ(Warnings().size(), 3);
  EXPECT_EQ(Check(Qso('d', "DL1ABC", "CW"), 10, 'd', true), Action::kMark);
  EXPECT_EQ(Warnings().size(), 3);
}

TEST_F(Dupes, EveryFormOfAStationIsADupeInEveryCheckingScope) {
  struct Case {
    const char* first;
    const char* second;
  };
  const Case cases[] = {{"DL/PA1ABC", "DL/PA1ABC"},
                        {"DL1ABC/P", "DL1ABC"},
                        {"DL1ABC", "DL1ABC/P"},
                        {"EA8/DL1ABC", "dl1abc"}};
  struct Scope {
    uint8_t scope;
    char code;
    Action expected;
  };
  const Scope scopes[] = {
      {1, 'd', Action::kRefuse}, {2, 'd', Action::kRefuse}, {3, 'd', Action::kRefuse},
      {4, '6', Action::kRefuse}, {4, 'h', Action::kRefuse}, {5, 'd', Action::kRefuse},
      {7, 'd', Action::kMark},   {8, 'd', Action::kMark},   {9, 'd', Action::kMark},
      {10, 'd', Action::kMark},  {0, 'd', Action::kAccept}, {6, 'd', Action::kAccept}};
  for (const Case& c : cases) {
    qsos_->DeleteFiles();
    StoreAt(Qso('c', c.first), 150000, 3600);
    TContestQSORec q = Qso('c', c.second);
    q.SetDatum(150000);
    q.SetZeit(7200);
    for (const Scope& s : scopes)
      EXPECT_EQ(Check(q, s.scope, s.code, true), s.expected)
          << c.second << " after " << c.first << " in scope " << int(s.scope) << s.code;
  }
  // In the fieldday the full forms count.
  EXPECT_EQ(Check(Qso('c', "DL/PA1ABC"), 2, '9', true), Action::kAccept);
}

TEST_F(Dupes, AStoredQsoCheckedAgainIsNotItsOwnDupe) {
  const int32_t first = StoreAt(Qso('c', "DL1ABC"), 150000, 3600);
  ASSERT_GT(first, 0);
  ASSERT_TRUE(qsos_->FindNumber(first));
  const TContestQSORec stored = qsos_->GetQSORec();
  for (uint8_t scope : {1, 2, 3, 5, 8, 9, 10})
    EXPECT_EQ(Check(stored, scope, 'd', true), Action::kAccept) << int(scope);
  // A new QSO that still carries the number of the one stored before it is checked.
  TContestQSORec next = stored;
  next.SetZeit(3700);
  EXPECT_EQ(Check(next, 1, 'd', true), Action::kRefuse);
  // With a second QSO of the call, either of them is a dupe of the other.
  ASSERT_GT(StoreAt(Qso('c', "DL1ABC/P"), 150000, 7200), 0);
  for (uint8_t scope : {1, 2, 3, 5})
    EXPECT_EQ(Check(stored, scope, 'd', true), Action::kRefuse) << int(scope);
}

TEST_F(Dupes, AnEmptyLogAcceptsEveryCall) {
  for (uint8_t scope : {1, 2, 3, 5, 8, 9, 10})
    EXPECT_EQ(Check(Qso('c', "DL1ABC"), scope), Action::kAccept) << int(scope);
  EXPECT_TRUE(Warnings().isEmpty());
}

}  // namespace
