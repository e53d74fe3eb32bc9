// The contest log window on real files, offscreen, with the test desktop's clock: the
// arrangement by contest, the entry copy, the keys of the window and its close paths.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <array>
#include <fstream>
#include <functional>

#include "browser/kvbrow.h"
#include "contest/contestfkt.h"
#include "foundation/cp1252.h"
#include "foundation/dates.h"
#include "foundation/keystr.h"
#include "foundation/kvbitbtn.h"
#include "foundation/kvedit.h"
#include "foundation/kvmousegrid.h"
#include "foundation/kvpanel.h"
#include "foundation/strings.h"
#include "foundation/testdesktop.h"
#include "log/contlogstd.h"
#include "log/kvstattabelle.h"
#include "log/logstate.h"
#include "log/logwindowtyping.h"
#include "log/windowfixture.h"
#include "tables/contestkeys.h"
#include "tables/setups.h"

namespace {

constexpr char kAllCodes[] = "VBDqHEFJR5PGNSTLUIlZCKAfYoOQ123c678swm9a4bdeghijknprWuXtv";

class LogWindow : public LogWindowTest {
 protected:
  // The list and configuration records of contest 1 on file, then the window on them.
  TContestLogStd& Open(char code, const TContestRec& def,
                       const std::function<void(TContestListRec&)>& tweak = {}) {
    Records(code, tweak);
    window_ = std::make_unique<TContestLogStd>(kContest, *config_, *list_, def);
    window_->ClearEntry(false);
    return *window_;
  }
  void Records(char code, const std::function<void(TContestListRec&)>& tweak = {}) {
    StoreWindowRecords(*config_, code, "Saar 2026", tweak);
  }
  // QSOs on a band with a received DOK.
  void StoreQsos(char band, std::initializer_list<const char*> doks) {
    for (const char* dok : doks) {
      TContestQSORec q;
      q.SetCall("DL" + std::to_string(++calls_) + "AA");
      q.SetBandcode(band);
      q.SetMode("SSB");
      q.SetDOK1(dok);
      if (multiTexts_) {
        q.SetCMulti(dok);
        q.SetMulti2("DL");
      }
      oContestFkt->SplitReceivedExchange(std::string("59 ") + dok, q);
      Store(q);
    }
  }
  int calls_ = 0;
  bool multiTexts_ = false;
  TContestLogStd& Open(char code) { return Open(code, Def(code)); }
  // The definition of 'd' with other bands.
  static TContestRec Bands(std::initializer_list<char> bands) {
    TContestRec def = Def('d');
    def.Bands.Fill(0);
    size_t i = 1;
    for (char b : bands) def.Bands[i++] = b;
    return def;
  }

  static std::string Text(const QLabel* l) { return S(l->text()); }
  static void Type(TkvEdit* e, const char* text) {
    e->clear();
    e->setText(Q(text));
  }
  TContestLogStd& Shown() {
    window_->show();
    window_->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    return *window_;
  }
};

TEST_F(LogWindow, SaarLayout) {
  TContestLogStd& w = Open('d');
  EXPECT_EQ(w.panelEingabe->height(), 255);
  EXPECT_EQ(w.eRSTr[1]->width(), 72);
  EXPECT_EQ(Text(w.lRSTName[0]), "&1 : DOK");
  EXPECT_TRUE(w.lRSTName[0]->isVisibleTo(w.panelEingabe));
  // The caption stands 2 pixels above its field.
  EXPECT_EQ(w.lRSTName[0]->y() + w.lRSTName[0]->height(), w.eRSTr[1]->y() - 2);
  ASSERT_EQ(w.MultiDisplayLabels.size(), 112u);
  const QLabel* row2col3 = w.MultiDisplayLabels[14 + 2];
  EXPECT_EQ(row2col3->x(), 72);
  EXPECT_EQ(row2col3->y(), 19);
  EXPECT_EQ(row2col3->property("Tag").toInt(), 1016);
  EXPECT_EQ(S(w.windowTitle()), "DK2ZZ Logbuch (Contest : Saar 2026 )");
  EXPECT_TRUE(w.panelmulties->isVisibleTo(&w));
}

TEST_F(LogWindow, LayoutByTheMultiplierSettingsAndTheLists) {
  struct Case {
    const char* what;
    std::function<void(TContestRec&)> change;
    std::function<void(TContestLogStd&)> check;
  };
  const Case cases[] = {
      {"no multiplier kinds", [](TContestRec& d) { d.MultiplierKinds.reset(); },
       [](TContestLogStd& w) {
         EXPECT_EQ(w.panelEingabe->height(), 153);
         EXPECT_FALSE(w.panelmulties->isVisibleTo(&w));
         EXPECT_TRUE(w.Panel2->isVisibleTo(&w));
         EXPECT_EQ(w.eDatum->parentWidget(), w.Panel2);
         EXPECT_FALSE(w.lemulti->isVisibleTo(&w));
         EXPECT_FALSE(w.Label11->isVisibleTo(&w));
         EXPECT_EQ(w.panelauswertung->height(), 489 - 140);
         EXPECT_EQ(w.Label27->y(), 144);
       }},
      {"one multiplier tally for all bands", [](TContestRec& d) { d.MultiplierBandMode = 1; },
       [](TContestLogStd& w) {
         EXPECT_EQ(w.panelauswertung->height(), 489 - 115);
         EXPECT_EQ(w.Label27->y(), 272 - 115);
         EXPECT_FALSE(w.Label11->isVisibleTo(&w));
         EXPECT_EQ(Text(w.lemulti), "Multi ");
       }},
      {"one band, one mode",
       [](TContestRec& d) {
         d.Bands.Fill(0);
         d.Bands[1] = 'b';
         d.Modes.Fill("");
         d.Modes[1] = "SSB";
       },
       [](TContestLogStd& w) {
         EXPECT_FALSE(w.btnBand->isVisibleTo(&w));
         EXPECT_FALSE(w.btnMode->isVisibleTo(&w));
         EXPECT_EQ(Text(w.leqso), "QSO 80m");
         EXPECT_EQ(Text(w.lQSO[0]), "80 m");
         EXPECT_FALSE(w.lQSO[1]->isVisibleTo(&w));
       }},
      {"the definition's caption wins over the kind's",
       [](TContestRec& d) { d.ExchangeCaption[1] = "Nr"; },
       [](TContestLogStd& w) { EXPECT_EQ(Text(w.lRSTName[0]), "&1 : Nr"); }},
      {"four received fields",
       [](TContestRec& d) {
         d.ReceivedKinds = {};
         d.ReceivedKinds[1] = 7;
         d.ReceivedKinds[2] = 4;
         d.ReceivedKinds[3] = 19;
         d.ExchangeCaption.Fill("");
       },
       [](TContestLogStd& w) {
         EXPECT_FALSE(w.lenter->isVisibleTo(&w));
         EXPECT_EQ(w.lNummer->font().pointSize(), 11);
         EXPECT_EQ(Text(w.lRSTName[0]), "&1 : lfd.Nr.");
         // Kind 19 outside 'i', 'k', 'p': a shown but empty caption.
         EXPECT_TRUE(w.lRSTName[2]->isVisibleTo(&w));
         EXPECT_EQ(Text(w.lRSTName[2]), "");
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TContestRec def = Def('d');
    c.change(def);
    c.check(Open('d', def));
  }
}

TEST_F(LogWindow, FixedReportsOfAListenersLogShowAsLabels) {
  TContestRec def = Def('d');
  def.SWLLog = true;
  TContestLogStd& w = Open('d', def, [](TContestListRec& r) { r.SetRstSentNotFixed(0); });
  EXPECT_FALSE(w.eRSTs[0]->isVisibleTo(&w));
  EXPECT_FALSE(w.eRSTr[0]->isVisibleTo(&w));
  EXPECT_TRUE(w.lRSTs1->isVisibleTo(&w));
  EXPECT_TRUE(w.lRSTr1->isVisibleTo(&w));
  EXPECT_TRUE(w.eCall2->isVisibleTo(&w));
  EXPECT_EQ(Text(w.lerstr), "RSTs2");
  // The second station's row follows the first in the Tab order.
  EXPECT_EQ(w.eCall->nextInFocusChain(), w.eRSTs[0]);
  EXPECT_EQ(w.eRSTs[3]->nextInFocusChain(), w.eCall2);
  EXPECT_EQ(w.eCall2->nextInFocusChain(), w.eRSTr[0]);
}

class EveryCode : public LogWindow, public ::testing::WithParamInterface<char> {};

// Every contest opens, and each received field that shows stands under its caption:
// the definition's caption, else the kind's, prefixed with its accelerator.
TEST_P(EveryCode, OpensWithItsExchangeCaptions) {
  const char code = GetParam();
  const TContestRec def = Def(code);
  TContestLogStd& w = Open(code, def);
  for (size_t n = 2; n <= 4; ++n) {
    SCOPED_TRACE(std::string("field ") + char('0' + n));
    const QLabel* caption = w.lRSTName[n - 2];
    const TkvEdit* field = w.eRSTr[n - 1];
    const int32_t kind = def.ReceivedKinds[n - 1];
    if (!field->isVisibleTo(&w)) {
      EXPECT_FALSE(caption->isVisibleTo(&w));
      continue;
    }
    std::string expected = def.ExchangeCaption[n - 1];
    if (expected.empty()) expected = logentry::KindCaption(kind, code);
    if (!expected.empty()) expected = "&" + std::to_string(n - 1) + " : " + expected;
    const bool labelled = !def.ExchangeCaption[n - 1].empty() || logentry::KindHasCaption(kind);
    EXPECT_EQ(caption->isVisibleTo(&w), labelled);
    if (labelled) {
      EXPECT_EQ(Text(caption), expected);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(AllCodes, EveryCode,
                         ::testing::ValuesIn(std::vector<char>(std::begin(kAllCodes),
                                                               std::end(kAllCodes) - 1)),
                         [](const auto& info) {
                           const char c = info.param;
                           return std::string(std::isupper(uint8_t(c)) ? "Upper" : "Code") +
                                  (std::isalnum(uint8_t(c)) ? std::string(1, c) : "X");
                         });

TEST_F(LogWindow, EntryCopyOfCallTimeAndReport) {
  TContestRec def = Def('d');
  def.Modes.Fill("");
  def.Modes[1] = "CW";
  def.Modes[2] = "SSB";
  TContestLogStd& w = Open('d', def);
  ASSERT_EQ(w.CurrentMode, "CW");
  struct Case {
    const char* typed;
    const char* stored;
  };
  for (const Case& c :
       {Case{"DL1ABC-P", "DL1ABC/P"}, Case{"DL1ABC P", "DL1ABC/P"}, Case{"DL1ABC#", "DL1ABC/p"},
        Case{"DL1ABC ", "DL1ABC"}, Case{"DL1ABC/P X", "DL1ABC/PX"}}) {
    Type(w.eCall, c.typed);
    w.FieldsToRecord();
    EXPECT_EQ(w.GetQsoRecord().Call(), c.stored) << c.typed;
  }
  Type(w.ezeit, "12:34");
  Type(w.eRSTr[0], "57");
  w.FieldsToRecord();
  EXPECT_EQ(w.GetQsoRecord().Zeit(), 45240);
  EXPECT_EQ(w.GetQsoRecord().RcvdPart1().substr(0, 3), "579");
  // The record shown again keeps what was typed.
  w.RecordToFields();
  EXPECT_EQ(S(w.ezeit->text()), "12:34:00");
  EXPECT_EQ(S(w.eRSTr[0]->text()), "579");
}

// The received fields 2 to 4 fill the record's reference fields by their kind.
TEST_F(LogWindow, ReceivedFieldsByKind) {
  struct Case {
    std::array<int32_t, 3> kinds;
    const char* call;
    std::array<const char*, 3> typed;
    std::function<void(const TContestQSORec&)> check;
  };
  const Case cases[] = {
      {{4, 12, 5},
       "DL1ABC",
       {"Q05", "PA", "JO30AA"},
       [](const TContestQSORec& r) {
         EXPECT_EQ(r.DOK1(), "Q05");
         EXPECT_EQ(r.WAZ_USStaat(), "PA");
         EXPECT_EQ(r.Loc(), "JO30AA");
       }},
      // A DOK of a station for which none is expected is not stored; a short locator
      // keeps no locator.
      {{4, 12, 5},
       "PA1ABC",
       {"Q05", "XX", "JO3"},
       [](const TContestQSORec& r) {
         EXPECT_EQ(r.DOK1(), "");
         EXPECT_EQ(r.WAZ_USStaat(), "");
         EXPECT_EQ(r.Loc(), "");
       }},
      {{8, 16, 19},
       "DL1ABC",
       {"Q05", "1234", "DL2XYZ"},
       [](const TContestQSORec& r) {
         EXPECT_EQ(r.DOK1(), "Q05");
         EXPECT_EQ(r.Call2(), "DL2XYZ");
       }},
      {{15, 16, 0},
       "DL1ABC",
       {"66", "1234", ""},
       [](const TContestQSORec& r) {
         EXPECT_EQ(r.WAZ_USStaat(), "66");
         EXPECT_EQ(r.Call2(), "1234");
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.call) + " " + c.typed[0]);
    TContestRec def = Def('d');
    def.ExchangeCaption.Fill("");
    for (size_t i = 0; i < 3; ++i) def.ReceivedKinds[i + 1] = c.kinds[i];
    TContestLogStd& w = Open('d', def);
    Type(w.eCall, c.call);
    for (size_t i = 0; i < 3; ++i) Type(w.eRSTr[i + 1], c.typed[i]);
    w.FieldsToRecord();
    c.check(w.GetQsoRecord());
  }
}

// A listener's log holds the received exchange in the upper row: its DOK and locator are
// stored from there, and leaving that field tells a faulty locator.
TEST_F(LogWindow, AListenersLogStoresTheReceivedExchangeOfTheUpperRow) {
  const TContestRec def = Def('B', 4);
  ASSERT_TRUE(def.SWLLog);
  TContestLogStd& w = Open('B', def);
  Shown();
  Type(w.eCall, "DL1ABC");
  Type(w.eRSTs[1], "Q05");
  Type(w.eRSTs[2], "JO40HD");
  Type(w.eRSTr[1], "B12");
  Type(w.eRSTr[2], "JO30AA");
  w.FieldsToRecord();
  EXPECT_EQ(w.GetQsoRecord().DOK1(), "Q05");
  EXPECT_EQ(w.GetQsoRecord().Loc(), "JO40HD");
  Type(w.eRSTs[2], "XX");
  w.eRSTs[2]->setFocus();
  w.FieldsToRecord(w.eRSTs[2]);
  EXPECT_EQ(desk_.Texts(TMessageKind::Warning).count(QStringLiteral("Fehler bei Locator-Angabe")),
            1);
}

// A faulty DOK is told once, when its field is left, never by the copies of the clock.
TEST_F(LogWindow, AFaultyDokIsToldOnlyWhenItsFieldIsLeft) {
  TContestRec def = Def('d');
  def.ReceivedKinds[1] = 4;
  TContestLogStd& w = Open('d', def);
  Shown();
  Type(w.eCall, "DL1ABC");
  Type(w.eRSTr[1], "J5A");
  w.eRSTr[1]->setFocus();
  w.FieldsToRecord();
  w.timerzeitTimer();
  // (Leaving the call field for the DOK field has checks and warnings of its own.)
  const QString faulty = QStringLiteral("Fehler bei DOK-Angabe");
  EXPECT_EQ(desk_.Texts(TMessageKind::Warning).count(faulty), 0);
  w.FieldsToRecord(w.eRSTr[1]);
  EXPECT_EQ(desk_.Texts(TMessageKind::Warning).count(faulty), 1);
  EXPECT_EQ(w.GetQsoRecord().DOK1(), "");
}

TEST_F(LogWindow, FrequencyOfAnotherBandAndTheSlashedZero) {
  ToSetupWeitere weitere = Setups().GetWeitere();
  weitere.SetSlashedZero(true);
  Setups().SetWeitere(weitere);
  TContestLogStd& w = Open('d', Bands({'b', 'c'}));
  ASSERT_EQ(w.CurrentMode, "SSB");
  TContestQSORec rec = w.GetQsoRecord();
  rec.SetFrequency(7.05f);
  w.SetQsoRecord(rec);
  w.RecordToFields();
  EXPECT_FLOAT_EQ(w.eFreq->GetValueSingle(), 3.61f);
  Shown();
  w.eCall->setFocus();
  QTest::keyClicks(w.eCall, QStringLiteral("DL0A"));
  EXPECT_EQ(S(w.eCall->text()), std::string("DL") + char(216) + "A");
  // Only the edits that allow it take the slashed zero.
  w.eDatum->setFocus();
  w.eDatum->clear();
  QTest::keyClicks(w.eDatum, QStringLiteral("10"));
  EXPECT_EQ(S(w.eDatum->text()).substr(0, 2), "10");
}

TEST_F(LogWindow, ReportsAndCallsAsStored) {
  struct Case {
    const char* typed;
    const char* mode;
    const char* rst;
  };
  for (const Case& c :
       {Case{"57", "CW", "579"}, Case{"599", "SSB", "59 "}, Case{"5", "CW", "5  "},
        Case{"5999", "CW", "599"}, Case{"59", "FM", "59 "}, Case{"57", "RTTY", "57 "}})
    EXPECT_EQ(logentry::NormaliseRst(c.typed, c.mode), c.rst) << c.typed << " " << c.mode;
  EXPECT_EQ(logentry::NormaliseCall("dl1abc-p"), "dl1abc/p");
  EXPECT_EQ(logentry::NormaliseCall("DL/PA1ABC X"), "DL/PA1ABCX");
  EXPECT_EQ(logentry::NormaliseCall("DL1ABCDEFGHIJK"), "DL1ABCDEFGHI");
}

TEST_F(LogWindow, NewEntryDefaults) {
  // A serial contest presets the first serial number; the report follows the mode.
  TContestLogStd& w = Open('C', Def('C', 1, ""));
  const TContestQSORec rec = w.GetQsoRecord();
  EXPECT_NE(oContestFkt->SentExchangeText(rec).find("001"), std::string::npos)
      << oContestFkt->SentExchangeText(rec);
  EXPECT_EQ(rec.Datum(), -1);
  EXPECT_EQ(rec.Bandcode(), w.CurrentBand);
  EXPECT_EQ(rec.Mode(), w.CurrentMode);
  EXPECT_EQ(logentry::DefaultRst("CW", false, 'd'), "599");
  EXPECT_EQ(logentry::DefaultRst("SSB", true, 'd'), "599");
  EXPECT_EQ(logentry::DefaultRst("SSB", false, 'd'), "59 ");
  EXPECT_EQ(logentry::DefaultRst("CW", false, 'j'), "");
}

TEST_F(LogWindow, StartMode) {
  TContestRec def = Def('d');
  def.Modes.Fill("");
  for (size_t i = 1; const char* m : {"SSBTEST", "PR", "RTTY", "CW", "FM"}) def.Modes[i++] = m;
  EXPECT_EQ(logentry::StartMode(def, false, false, true), "RTTY");
  EXPECT_EQ(logentry::StartMode(def, true, true, false), "FM");
  EXPECT_EQ(logentry::StartMode(def, false, false, false), "CW");
  def.Modes[4] = "";
  EXPECT_EQ(logentry::StartMode(def, false, false, false), "SSBTES");
  def.Modes[2] = "DIGITAL";
  def.Modes[3] = "";
  EXPECT_EQ(logentry::StartMode(def, false, false, true), "DIGI");
}

TEST_F(LogWindow, EscClosesTheBandListFirstThenClearsTheEntry) {
  Open('d', Bands({'b', 'd', 'e'}));
  TContestLogStd& w = Shown();
  w.eCall->setFocus();
  QTest::keyClicks(w.eCall, QStringLiteral("DL1ABC"));
  QTest::keyClick(w.eCall, Qt::Key_F8);
  ASSERT_TRUE(w.listband->isVisible());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  EXPECT_FALSE(w.listband->isVisible());
  EXPECT_EQ(S(w.eCall->text()), "DL1ABC");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  EXPECT_TRUE(w.eCall->text().isEmpty());
  EXPECT_TRUE(w.isVisible());
  // The band list applies its choice with Enter.
  QTest::keyClick(w.eCall, Qt::Key_F8);
  w.listband->setCurrentRow(2);
  QTest::keyClick(w.listband, Qt::Key_Return);
  EXPECT_EQ(w.CurrentBand, 'e');
  EXPECT_FALSE(w.listband->isVisible());
  EXPECT_EQ(w.GetQsoRecord().Bandcode(), 'e');
}

TEST_F(LogWindow, TwoBandsSwitchAtOnceAndAltQTogglesTheQslFlag) {
  Open('d', Bands({'b', 'c'}));
  TContestLogStd& w = Shown();
  QTest::keyClick(w.eCall, Qt::Key_F8);
  EXPECT_FALSE(w.listband->isVisible());
  EXPECT_EQ(w.CurrentBand, 'c');
  EXPECT_EQ(S(w.lband->text()), "40 m");
  EXPECT_EQ(S(w.lePunkte->text()), "Punkte 40m");
  QTest::keyClick(w.eCall, Qt::Key_F8);
  EXPECT_EQ(w.CurrentBand, 'b');
  ASSERT_EQ(S(w.lQSLs->text()), "&QSL senden: nein");
  QTest::keyClick(w.eCall, Qt::Key_Q, Qt::AltModifier);
  EXPECT_EQ(S(w.lQSLs->text()), "&QSL senden: ja");
  EXPECT_EQ(w.QslSendFlag, 'Y');
  QTest::keyClick(w.eCall, Qt::Key_Q, Qt::AltModifier);
  EXPECT_EQ(S(w.lQSLs->text()), "&QSL senden: nein");
  EXPECT_EQ(w.QslSendFlag, 'N');
}

TEST_F(LogWindow, EnterAndHashMoveOnInTheEntry) {
  TContestLogStd& w = Open('d');
  Shown();
  w.eCall->setFocus();
  QTest::keyClicks(w.eCall, QStringLiteral("DL1ABC#"));
  // The call field writes capitals.
  EXPECT_EQ(S(w.eCall->text()), "DL1ABC/P");
  // The call field was left with Enter; its checks used the key up.
  EXPECT_FALSE(w.EnterPressed);
  EXPECT_NE(QApplication::focusWidget(), w.eCall);
  // A second '#' appends nothing more.
  w.eCall->setFocus();
  QTest::keyClick(w.eCall, Qt::Key_NumberSign);
  EXPECT_EQ(S(w.eCall->text()), "DL1ABC/P");
  // Alt with the numeric keypad's 1 goes to received field 2; the default button hands
  // Enter to the focused field.
  w.eCall->setFocus();
  QTest::keyClick(w.eCall, Qt::Key_1, Qt::AltModifier | Qt::KeypadModifier);
  EXPECT_EQ(QApplication::focusWidget(), w.eRSTr[1]);
  w.eCall->setFocus();
  w.EnterPressed = false;
  w.btndefaultClick();
  // The Enter moved the focus on; leaving the call field used the key up.
  EXPECT_FALSE(w.EnterPressed);
  EXPECT_NE(QApplication::focusWidget(), w.eCall);
  // Enter in the last received field goes to the time field when it can take the focus.
  w.eRSTr[1]->setFocus();
  QTest::keyClick(w.eRSTr[1], Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(),
            w.ezeit->isVisible() ? static_cast<QWidget*>(w.ezeit) : static_cast<QWidget*>(w.eCall));
}

TEST_F(LogWindow, AutomaticBandSwitchWaitsForAnEmptyCall) {
  TContestRec def = Bands({'b', 'c'});
  def.Periods[1].Date = "10.01.2026";
  def.Periods[1].TimeFrom = "11:00:00";
  def.Periods[1].TimeTo = "13:00:00";
  def.Periods[1].Bands[1] = 'c';
  desk_.Now = QDateTime(QDate(2026, 1, 10), QTime(10, 0, 0));
  TContestLogStd& w = Open('d', def, [](TContestListRec& r) { r.SetBandAuto(255); });
  // Outside every period the band stays.
  EXPECT_EQ(w.CurrentBand, 'b');
  w.timerzeitTimer();
  EXPECT_EQ(w.CurrentBand, 'b');
  desk_.Now = QDateTime(QDate(2026, 1, 10), QTime(12, 0, 0));
  Type(w.eCall, "DL1ABC");
  w.timerzeitTimer();
  EXPECT_EQ(w.CurrentBand, 'b');
  EXPECT_EQ(S(w.eCall->text()), "DL1ABC");
  w.eCall->clear();
  w.timerzeitTimer();
  EXPECT_EQ(w.CurrentBand, 'c');
  EXPECT_EQ(w.GetQsoRecord().Bandcode(), 'c');
}

TEST_F(LogWindow, PeriodBand) {
  TContestRec def = Bands({'b', 'c'});
  def.Periods[1] = {"10.01.2026", "", "06:00:00", "08:00:00", {}};
  def.Periods[1].Bands[1] = 'b';
  def.Periods[2] = {"10.01.2026", "", "08:00:00", "10:00:00", {}};
  def.Periods[2].Bands[1] = 'd';
  def.Periods[2].Bands[2] = 'e';
  const int32_t day = ToDates::DateStringToDate("10.01.2026", "dd.mm.yyyy");
  EXPECT_EQ(logentry::PeriodBand(def, 'b', day, 7 * 3600), 'b');
  EXPECT_EQ(logentry::PeriodBand(def, 'b', day, 8 * 3600), 'd');
  EXPECT_EQ(logentry::PeriodBand(def, 'e', day, 9 * 3600), 'e');
  EXPECT_EQ(logentry::PeriodBand(def, 'b', day, 10 * 3600), 0);
  EXPECT_EQ(logentry::PeriodBand(def, 'b', day + 1, 7 * 3600), 0);
  // A period over two days counts at any time; the first active one decides.
  def.Periods[2].DateTo = "11.01.2026";
  EXPECT_EQ(logentry::PeriodBand(def, 'b', day + 5, 23 * 3600), 'd');
  EXPECT_EQ(logentry::PeriodBand(def, 'b', day, 7 * 3600), 'b');
}

TEST_F(LogWindow, ListRowsAndSortChoices) {
  logentry::TListColumns cols;
  cols.Multi[0] = true;
  TContestQSORec q;
  q.SetwagNummer(12);
  q.SetBandChangeMark('b');
  EXPECT_EQ(logentry::ListRow(q, cols, "dd.mm.yyyy", false), "    12; *** QSY 80 m ***");
  q.SetBandChangeMark(0);
  q.SetBandcode('c');
  q.SetCall("DL1ABC");
  q.SetMode("CW");
  q.SetDatum(ToDates::DateStringToDate("10.01.2026", "dd.mm.yyyy"));
  q.SetZeit(45240);
  q.SetCMulti("Q05");
  q.SetPoints(2);
  q.SetQslSent('Y');
  q.SetNameQth("Hans;Saarbr");
  oContestFkt->SplitSentExchange("599001", q);
  oContestFkt->SplitReceivedExchange("579Q05", q);
  EXPECT_EQ(logentry::ListRow(q, cols, "dd.mm.yyyy", false),
            "    12; 10.01.2026; 12:34; DL1ABC; 40 m; CW; 599 001; 579 Q05; Q05; 2; Y  ; Hans; "
            "Saarbr; 0,000");
  // One header caption per column of the rows, in every arrangement.
  for (bool swapped : {false, true})
    for (bool multi3 : {false, true}) {
      cols.Swapped = swapped;
      cols.Multi[2] = multi3;
      const std::string row = logentry::ListRow(q, cols, "dd.mm.yyyy", false);
      const std::string header = logentry::ListHeader(cols);
      EXPECT_EQ(std::count(header.begin(), header.end(), ';'),
                std::count(row.begin(), row.end(), ';'))
          << header << "\n"
          << row;
    }
  TKeyStr low, high;
  EXPECT_EQ(logentry::SortChoiceKey(0, 'd', low, high), 8);
  EXPECT_EQ(low.Text(), "d");
  EXPECT_EQ(logentry::SortChoiceKey(1, 'd', low, high), 9);
  EXPECT_EQ(high.Text(), "d" + std::string(14, 'Z'));
  EXPECT_EQ(logentry::SortChoiceKey(3, 'd', low, high), 4);
  EXPECT_EQ(logentry::SortChoiceKey(6, 'd', low, high), 18);
  EXPECT_EQ(logentry::SortChoiceKey(7, 'd', low, high), 0);
}

// The QCWA party shows the calls of the members its list knows in the third multiplier
// column of the QSO list.
TEST_F(LogWindow, QcwaMembersShowInTheThirdMultiplierColumn) {
  std::ofstream(dir_.File("qcwa.csv"), std::ios::binary) << "DL1ABC;Hans;4711\n";
  const TContestRec def = Def('k');
  const std::pair<const char*, const char*> cases[] = {{"DL1ABC/P", "DL1ABC/P"}, {"DL9ZZ", ""}};
  for (const auto& [call, shown] : cases) {
    TContestQSORec q;
    q.SetCall(call);
    q.SetBandcode(def.Bands[1]);
    q.SetMode("CW");
    Store(q);
  }
  TContestLogStd& w = Open('k', def);
  for (const auto& [call, shown] : cases) {
    ASSERT_TRUE(qsos_->FindCall(call));
    RowRec row;
    row.Ref = qsos_->CurrentRef();
    w.BrowBuildRow(row);
    const QStringList columns = Q(row.Text).split(QStringLiteral("; "));
    // Number, date, time, call, band, mode, the two exchanges, then the three columns.
    ASSERT_GT(columns.size(), 10) << row.Text;
    EXPECT_EQ(S(columns[10].trimmed()), shown) << row.Text;
  }
}

// A PSK31 QSO at midnight reads whole in the list, also in a log whose column widths were
// stored when the mode column was narrower.
TEST_F(LogWindow, TheListShowsMidnightAndTheWholeModeWord) {
  TContestQSORec q;
  q.SetCall("DL1AA");
  q.SetBandcode('b');
  q.SetMode("PSK31");
  q.SetDatum(150000);
  q.SetZeit(0);
  qsos_->SetQSORec(q);
  ASSERT_TRUE(qsos_->Add());
  for (uint16_t stored : {uint16_t(0), uint16_t(20)}) {
    SCOPED_TRACE(stored);
    TContestLogStd& w =
        Open('d', Def('d'), [&](TContestListRec& r) { r.SetColumnWidth(6, stored); });
    Shown();
    w.Brow->GoFirst();
    TkvMouseGrid* g = w.Brow->Grid();
    const auto column = [&](const char* caption) {
      for (int c = 0; c < g->ColCount(); ++c)
        if (ToStrings::Trim(g->Cell(c, 0)) == caption) return c;
      return -1;
    };
    const int utc = column("UTC"), mode = column("Mode");
    ASSERT_GE(utc, 0);
    ASSERT_GE(mode, 0);
    EXPECT_EQ(ToStrings::Trim(g->Cell(utc, 1)), "00:00");
    EXPECT_EQ(ToStrings::Trim(g->Cell(mode, 1)), "PSK31");
    EXPECT_GE(w.Brow->ColWidth(mode),
              g->fontMetrics().horizontalAdvance(QStringLiteral("PSK31")) + 4);
    window_.reset();
  }
}

TEST_F(LogWindow, EveryClosePathClosesOnceAndShowsTheMainWindow) {
  for (int path = 0; path < 3; ++path) {
    SCOPED_TRACE(path);
    QWidget main;
    main.show();
    TContestLogStd& w = Open('d');
    w.MainWindow = &main;
    Shown();
    EXPECT_FALSE(main.isVisible());
    if (path == 0) QTest::mouseClick(w.btnbeenden2, Qt::LeftButton);
    if (path == 1) QTest::mouseClick(w.MenueBeenden, Qt::LeftButton);
    if (path == 2) w.close();
    EXPECT_TRUE(w.Destroyed());
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(w.QsoTable, nullptr);
    window_.reset();
  }
}

// On a small screen the window takes the screen's whole height, so that the list shows
// eleven rows at 1024 x 768; the worked tables, with no room beside the list, are a tab
// away, and their close button closes them for good.
TEST_F(LogWindow, ASmallScreenShowsElevenRowsAndTheWorkedTablesByTab) {
  Records('d');
  QWidget main;
  main.setGeometry(10, 20, 700, 400);
  QRect opened;
  desk_.DialogHandler = [&](QDialog& d) {
    opened = d.geometry();
    return 2;
  };
  TContestRec def = Def('d');
  contlogstd_neu::OpenContestLog(&main, kContest, def, *config_, *list_);
  const QRect available = main.screen()->availableGeometry();
  EXPECT_EQ(opened, QRect(10, available.top(), 700, available.height()));

  TContestLogStd& w = Open('d');
  Shown();
  const auto rows = [&] { return w.Brow->Grid()->rowCount() - w.Brow->Grid()->FixedRows(); };
  const auto showsTables = [&] { return w.StatTabelle->isVisible() && w.lStatistik->isVisible(); };
  w.resize(1006, 768);
  QApplication::processEvents();
  EXPECT_EQ(rows(), 11);
  ASSERT_TRUE(w.tabListeStatistik->isVisible());
  EXPECT_FALSE(showsTables());
  EXPECT_FALSE(w.tabListeStatistik->geometry().intersects(w.btnbeenden2->geometry()));
  w.tabListeStatistik->setCurrentIndex(1);
  EXPECT_TRUE(showsTables());
  EXPECT_EQ(w.StatTabelle->geometry().bottom(), w.Brow->geometry().bottom());
  // The list taking the keyboard comes back in front.
  w.Brow->Grid()->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(w.tabListeStatistik->currentIndex(), 0);
  EXPECT_FALSE(showsTables());
  // Wide enough, the tables stand beside the list, without a tab.
  w.resize(1280, 768);
  QApplication::processEvents();
  EXPECT_TRUE(showsTables());
  EXPECT_FALSE(w.tabListeStatistik->isVisible());
  EXPECT_LT(w.Brow->geometry().right(), w.StatTabelle->geometry().left());
  QTest::mouseClick(w.StatTabelle->buttons[3], Qt::LeftButton);
  EXPECT_FALSE(showsTables());
  EXPECT_EQ(w.Brow->width(), w.PanelUnten->width());
  w.resize(1006, 768);
  QApplication::processEvents();
  EXPECT_FALSE(w.tabListeStatistik->isVisible());
  EXPECT_FALSE(showsTables());
}

// A field that holds the focus loses it while the window's widgets die: nothing of the
// half-destroyed window may answer (the sanitized build reports any handler that does),
// nothing typed is stored and nobody is told anything.
TEST_F(LogWindow, FreedWithTheFocusInAFieldRunsNoHandler) {
  struct Case {
    const char* name;
    bool leaveCall;  // the call left with Enter, so the focus is in the exchange
    bool closeFirst;
  };
  const Case cases[] = {
      {"call typed, freed while open", false, false},
      {"exchange focused, freed while open", true, false},
      {"call typed, closed, then freed", false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TContestLogStd& w = Open('d');
    logtyping::ShowActive(w);
    QTest::keyClicks(w.eCall, QStringLiteral("DL1XYZ"));
    if (c.leaveCall) QTest::keyClick(w.eCall, Qt::Key_Return);
    ASSERT_NE(logtyping::Focus(), nullptr);
    const size_t messages = desk_.Messages.size();
    if (c.closeFirst) w.close();
    window_.reset();
    EXPECT_EQ(desk_.Messages.size(), messages);
    TdbContest qsos(TdbContestBase::kQsoLog, 0, kContest);
    EXPECT_FALSE(qsos.First(contestkeys::kNummer));
  }
}

TEST_F(LogWindow, TypedReportsAreNotCoveredByTheirCaptions) {
  for (char code : {'d', 'C'}) {
    SCOPED_TRACE(code);
    TContestLogStd& w = Open(code);
    ASSERT_TRUE(w.eRSTs[0]->isVisibleTo(w.panelEingabe));
    // The sent report's field shares its place with the "RSTs" caption.
    ASSERT_TRUE(w.eRSTs[0]->geometry().intersects(w.lersts->geometry()));
    for (TkvEdit* e : {w.eCall, w.eRSTs[0], w.eRSTr[0]}) {
      const QWidget* top = w.panelEingabe->childAt(e->geometry().center());
      EXPECT_TRUE(top == e || e->isAncestorOf(top)) << S(e->objectName());
    }
    window_.reset();
  }
}

TEST_F(LogWindow, ResizeLaysOutThePanelsAndKeepsTheEntry) {
  TContestLogStd& w = Open('d');
  Type(w.eCall, "DL1ABC");
  w.FieldsToRecord();
  w.resize(780, 600);
  w.FormResize();
  for (QWidget* p : {static_cast<QWidget*>(w.panelEingabe), static_cast<QWidget*>(w.PanelUnten),
                     static_cast<QWidget*>(w.panelButtons)})
    EXPECT_EQ(p->width(), 630) << S(p->objectName());
  w.resize(1200, 800);
  w.FormResize();
  EXPECT_EQ(w.PanelUnten->x(), 220);
  EXPECT_EQ(w.PanelUnten->width(), 930);
  EXPECT_EQ(w.PanelUnten->y() + w.PanelUnten->height(), 796);
  EXPECT_EQ(w.lversion->y() + w.lversion->height(), 790);
  // The version notice wraps inside the side panel instead of running off its edge.
  EXPECT_LE(w.lversion->x() + w.lversion->width(), w.panelSeite->width());
  EXPECT_GE(w.lversion->height(), w.lversion->heightForWidth(w.lversion->width()));
  // The own call reads once: its three labels lie one over the other, a pixel apart.
  EXPECT_EQ(w.lglobcall1->x() + w.lglobcall1->width(), w.panelButtons->width() - 10);
  EXPECT_EQ(w.lglobcall3->x() + w.lglobcall3->width(), w.panelButtons->width() - 11);
  EXPECT_EQ(w.lglobcall2->x() + w.lglobcall2->width(), w.panelButtons->width() - 12);
  EXPECT_LT(w.btnHilfe->x() + w.btnHilfe->width(), w.lglobcall2->x());
  EXPECT_EQ(w.btnbeenden2->y(), w.btnAendern->y());
  EXPECT_EQ(w.GetQsoRecord().Call(), "DL1ABC");
}

TEST_F(LogWindow, ALogEndingOnABandChangeOpensOnThatBandWithItsScore) {
  // Multiplier texts in place: the log is opened as it stands, without renumbering.
  multiTexts_ = true;
  StoreQsos('b', {"Q05", "Q05", "Z19"});
  TContestQSORec qsy;
  qsy.SetBandcode('c');
  qsy.SetBandChangeMark('c');
  Store(qsy);
  TContestLogStd& w = Open('d', Bands({'b', 'c'}));
  EXPECT_EQ(w.CurrentBand, 'c');
  EXPECT_EQ(S(w.lband->text()), "40 m");
  EXPECT_EQ(w.GetQsoRecord().Bandcode(), 'c');
  // The score panel: the entry's band yellow, the others silver.
  EXPECT_EQ(S(w.leQSO[0]->text()), "    3");
  EXPECT_EQ(S(w.leQSO[1]->text()), "    0");
  EXPECT_EQ(w.leQSO[1]->palette().color(QPalette::Window), QColor(255, 255, 0));
  EXPECT_EQ(w.leQSO[0]->palette().color(QPalette::Window), QColor(192, 192, 192));
  EXPECT_EQ(S(w.lNummer->text()), "4");
  // Back on 80 m the band's score shows.
  w.SwitchBand('b', false);
  EXPECT_EQ(w.leQSO[0]->palette().color(QPalette::Window), QColor(255, 255, 0));
  EXPECT_EQ(w.GetQsoRecord().wagBandNrIntern(), w.NextBandSerialIntern);
  // The worked multipliers with their marks: worked before green, new red.
  w.LogState->MultiLists.Clear();
  w.LogState->MultiLists.SetEntry(4, 1, "Q05", TMultiLists::kMarkWorked);
  w.LogState->MultiLists.SetEntry(4, 2, "Z19", TMultiLists::kMarkNew);
  w.ShowStatistics();
  EXPECT_EQ(S(w.MultiDisplayLabels[0]->text()), "Q05");
  EXPECT_EQ(w.MultiDisplayLabels[0]->palette().color(QPalette::WindowText), QColor(0, 128, 0));
  EXPECT_EQ(S(w.MultiDisplayLabels[1]->text()), "Z19");
  EXPECT_EQ(w.MultiDisplayLabels[1]->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  EXPECT_EQ(S(w.MultiDisplayLabels[2]->text()), ".");
}

TEST_F(LogWindow, SwitchingTheListAloneBoundsItToTheBand) {
  StoreQsos('c', {"Z19"});
  StoreQsos('b', {"Q05", "Q06"});
  TContestLogStd& w = Open('d', Bands({'b', 'c'}));
  ASSERT_EQ(w.CurrentBand, 'b');
  // In the list's own order the list-only switch leaves the list alone.
  w.SwitchBand('c', true);
  EXPECT_EQ(w.CurrentBand, 'c');
  EXPECT_EQ(w.Brow->KeyNr(), contestkeys::kNummer);
  // Sorted by band, the list shows the band alone, from its first QSO.
  w.Brow->SetKeyNr(contestkeys::kBandNrIntern);
  w.SwitchBand('c', true);
  TdbContest reader(TdbContestBase::kQsoLog, 0, kContest);
  ASSERT_TRUE(reader.GotoRecord(w.Brow->CurrentRef()));
  EXPECT_EQ(reader.GetQSORec().Call(), "DL1AA");
  EXPECT_EQ(w.GetQsoRecord().Datum(), -1);
  EXPECT_EQ(w.GetQsoRecord().Zeit(), -1);
  EXPECT_EQ(S(w.lePunkte->text()), "Punkte 40m");
}

// Closing the window stores the summary and the numbering, which the list controller
// then reads.
TEST_F(LogWindow, ClosingRecalculatesAndRenumbers) {
  StoreQsos('b', {"Q05", "Q05", "Z19"});
  // A stale summary in the list record: the close writes the log's own.
  Records('d', [](TContestListRec& r) { r.SetRowQsos(1, 999); });
  TContestRec def = Bands({'b', 'c'});
  int shown = 0;
  desk_.DialogHandler = [&](QDialog& d) {
    auto& w = static_cast<TContestLogStd&>(d);
    w.show();
    ++shown;
    // A QSO leaves the log behind the window's back: the close closes the gap.
    TdbContest other(TdbContestBase::kQsoLog, 0, kContest);
    EXPECT_TRUE(other.FindNumber(2));
    EXPECT_TRUE(other.Delete());
    QTest::mouseClick(w.btnbeenden2, Qt::LeftButton);
    EXPECT_TRUE(w.Destroyed());
    return 1;
  };
  // The road of "Contest starten": the catalogue opens the window registered at start-up.
  ASSERT_TRUE(list_->FindNumber(kContest));
  oContestFkt->RunContestLog(nullptr, def, *config_, *list_);
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(ContestLogStd, nullptr);
  ASSERT_TRUE(list_->FindNumber(kContest));
  EXPECT_NE(list_->GetListRec().RowQsos(1), 999);
  TdbContest qsos(TdbContestBase::kQsoLog, 0, kContest);
  std::vector<int32_t> numbers;
  for (bool f = qsos.First(contestkeys::kNummer); f; f = qsos.NextRecord(contestkeys::kNummer))
    numbers.push_back(qsos.GetQSORec().Nummer());
  EXPECT_EQ(numbers, (std::vector<int32_t>{1, 2}));
}

TEST_F(LogWindow, TheListsDeleteRemovesTheQsoMarkedThere) {
  StoreQsos('b', {"Q05", "Q06", "Z19"});
  TContestLogStd& w = Open('d');
  Shown();
  w.Brow->GoFirst();
  ASSERT_GT(w.Brow->CurrentRef(), 0);
  TdbContest reader(TdbContestBase::kQsoLog, 0, kContest);
  ASSERT_TRUE(reader.GotoRecord(w.Brow->CurrentRef()));
  const std::string call = reader.GetQSORec().Call();
  desk_.Answers = {true};
  // The list's buttons work in the list.
  EXPECT_FALSE(w.btnLoeschen->isEnabled());
  QTest::keyClick(w.eCall, Qt::Key_F5);
  EXPECT_EQ(S(w.lContestCaption->text()), "Contest-Logbuch (ESC: zurück zur Eingabe)");
  QTest::mouseClick(w.btnLoeschen, Qt::LeftButton);
  EXPECT_FALSE(reader.FindCall(call)) << call;
  EXPECT_EQ(reader.RecordCount(), 2);
  EXPECT_TRUE(w.timerzeit->isActive());
  EXPECT_EQ(S(w.lNummer->text()), "3");
  QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &w, Qt::Key_Escape);
  EXPECT_EQ(S(w.lContestCaption->text()), "Contest-Logbuch");
  EXPECT_TRUE(w.btnClear->isEnabled());
}

}  // namespace
