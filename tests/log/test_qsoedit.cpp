// The QSO edit: the dialog's helpers on its fields, the controller on real files (what is
// written back, the recount answer) and the edit from the log window's list.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QTest>

#include "browser/kvbrow.h"
#include "editfixture.h"
#include "foundation/cp1252.h"
#include "foundation/dates.h"
#include "foundation/grafik.h"
#include "foundation/kvbitbtn.h"
#include "foundation/kvedit.h"
#include "foundation/kvmousegrid.h"
#include "foundation/strings.h"
#include "log/eingabestd2ctrl.h"
#include "log/eingabestd2form.h"
#include "log/eingcont2alle.h"
#include "log/logstate.h"
#include "reference/baender.h"

namespace {

constexpr int32_t kAt1415 = 14 * 3600 + 15 * 60;

std::string Text(const QLineEdit* e) { return S(e->text()); }

TEingabeStd2Data FormData() {
  TEingabeStd2Data d;
  d.Call = "DL1ABC";
  d.Row1 = {"59 ", "001", "", ""};
  d.Row2 = {"59 ", "Q01", "", ""};
  d.Modes = {"SSB", "CW", "FM", "RTTY"};
  d.ModeIndex = 0;
  for (char b : {'b', 'c', 'e'}) d.Bands.push_back(oBaender->BandNameOf(b, false));
  d.BandIndex = 2;
  d.Frequency = 14.2f;
  d.MultiCaption = "DXCC";
  return d;
}

TEST(QsoEditForm, TheReportsFollowTheMode) {
  struct Case {
    const char* report;
    bool cw;
    const char* expected;
  };
  for (const Case& c :
       {Case{"59", true, "599"}, Case{"57 ", true, "579"}, Case{"599", false, "59 "},
        Case{"589", false, "58 "}, Case{"59 ", false, "59 "}, Case{"5", true, "5"}})
    EXPECT_EQ(Teingcont2alle::AdjustRst(c.report, c.cw), c.expected) << c.report;

  TContestEingabeStd2Form form;
  form.DataToFields(FormData());
  form.combomode->setCurrentIndex(1);  // CW
  EXPECT_EQ(Text(form.eRSTs[0]), "599");
  EXPECT_EQ(Text(form.eRSTr[0]), "599");
  form.combomode->setCurrentIndex(3);  // RTTY leaves them alone
  EXPECT_EQ(Text(form.eRSTs[0]), "599");
  form.combomode->setCurrentIndex(0);  // SSB
  EXPECT_EQ(Text(form.eRSTs[0]), "59 ");
  EXPECT_EQ(Text(form.eRSTr[0]), "59 ");
}

TEST(QsoEditForm, TheFrequencyChoosesTheBandAndTheBandItsFrequency) {
  TContestEingabeStd2Form form;
  form.DataToFields(FormData());
  const auto band = [&] { return S(form.comboband->currentText()); };
  form.eFreq->setText(QStringLiteral("7,05"));
  form.eFreqExit();
  EXPECT_EQ(band(), oBaender->BandNameOf('c', false));
  EXPECT_FLOAT_EQ(form.eFreq->GetValueSingle(), 7.05f);
  // Outside every band: the chosen band's default frequency.
  form.eFreq->setText(QStringLiteral("0,5"));
  form.eFreqExit();
  EXPECT_EQ(band(), oBaender->BandNameOf('c', false));
  EXPECT_FLOAT_EQ(form.eFreq->GetValueSingle(), float(oBaender->DefaultFrequencyOf('c', ' ')));
  // Another band chosen: its default frequency.
  form.comboband->setCurrentIndex(0);
  EXPECT_FLOAT_EQ(form.eFreq->GetValueSingle(), float(oBaender->DefaultFrequencyOf('b', ' ')));
  // A frequency on the chosen band stays.
  form.eFreq->setText(QStringLiteral("3,7"));
  form.comboband->setCurrentIndex(0);
  form.eFreqExit();
  EXPECT_FLOAT_EQ(form.eFreq->GetValueSingle(), 3.7f);
}

TEST(QsoEditForm, EnterWalksTheFieldsAndWrapsToTheFirst) {
  for (bool swl : {false, true}) {
    TContestEingabeStd2Form form;
    TEingabeStd2Data d = FormData();
    d.Call2Visible = swl;
    form.DataToFields(d);
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QLineEdit* last = swl ? static_cast<QLineEdit*>(form.eCall2) : form.eQTH;
    last->setFocus();
    QTest::keyClick(last, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), form.eCall) << swl;
    QTest::keyClick(form.eCall, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), form.eDatum);
    EXPECT_TRUE(form.isVisible());  // Enter never closes the dialog
  }
}

// A one-character field is overwritten however it is reached: "J" typed replaces "N".
TEST(QsoEditForm, AOneCharacterFieldTakesTheTypedCharacterInPlaceOfItsOwn) {
  enum How { kEnter, kTab, kClick };
  for (How how : {kEnter, kTab, kClick}) {
    SCOPED_TRACE(int(how));
    TContestEingabeStd2Form form;
    TEingabeStd2Data d = FormData();
    d.QslSent = 'N';
    d.QslRcvd = 'N';
    form.DataToFields(d);
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.eQSLw->setFocus();
    if (how == kEnter) QTest::keyClick(form.eQSLw, Qt::Key_Return);
    if (how == kTab) QTest::keyClick(form.eQSLw, Qt::Key_Tab);
    if (how == kClick) QTest::mouseClick(form.eqslr, Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), form.eqslr);
    QTest::keyClicks(form.eqslr, QStringLiteral("J"));
    EXPECT_EQ(Text(form.eqslr), "J");
    // And back: a click on the first one, then a typed "Y".
    QTest::mouseClick(form.eQSLw, Qt::LeftButton);
    QTest::keyClicks(form.eQSLw, QStringLiteral("Y"));
    EXPECT_EQ(Text(form.eQSLw), "Y");
  }
}

// The controller on the QSO table's working record.
class QsoEdit : public EditTest {
 protected:
  // Stores a QSO and loads it into the controller of the contest code.
  TEingabeStd2Data Load(char code, const TQso& q, const TContestRec* def = nullptr) {
    SetList(code, 1);
    def_ = def ? *def : Def(code);
    const int32_t n = Add(q);
    EXPECT_TRUE(qsos_->FindNumber(n));
    before_ = qsos_->GetQSORec();
    ctrl_ = std::make_unique<TContestEingabeStd2Ctrl>(
        nullptr, [this](const TdbContestBase& t) { return alle_.CalcQsoPoints(def_, *list_, t); },
        alle_, std::array<bool, 3>{true, true, true}, *list_, *qsos_, def_);
    return ctrl_->Load();
  }
  TContestQSORec After() { return Stored(before_.Nummer()); }

  TContestRec def_;
  TContestQSORec before_;
  std::unique_ptr<TContestEingabeStd2Ctrl> ctrl_;
};

TEST_F(QsoEdit, AnUntouchedDialogWritesNothing) {
  TEingabeStd2Data d = Load('d', {.Call = "DL1ABC", .Time = kAt1415 + 1, .Received = "59 Q05"});
  EXPECT_EQ(d.Zeit, "14:15");
  EXPECT_EQ(d.Row2[1], "Q05");
  EXPECT_EQ(d.NumberLabel, "Nummer:   1");
  ASSERT_TRUE(ctrl_->Apply(d));
  EXPECT_FALSE(ctrl_->RecountNeeded());
  EXPECT_TRUE(After() == before_);
}

TEST_F(QsoEdit, AnUnchangedTimeKeepsItsSecondsAChangedOneIsRead) {
  TEingabeStd2Data d = Load('d', {.Call = "DL1ABC", .Time = kAt1415 + 1});
  d.Name = "Hans";
  ASSERT_TRUE(ctrl_->Apply(d));
  EXPECT_EQ(After().Zeit(), kAt1415 + 1);
  EXPECT_EQ(After().NameQth(), "Hans;");
  EXPECT_FALSE(ctrl_->RecountNeeded());
  d = ctrl_->Load();
  d.Zeit = "14:16";
  ASSERT_TRUE(ctrl_->Apply(d));
  EXPECT_EQ(After().Zeit(), kAt1415 + 60);
}

TEST_F(QsoEdit, ARefusedRewriteIsReportedAndTheQsoStaysAsItWas) {
  Add({.Call = "DK1XX", .Time = kAt1415});
  TEingabeStd2Data d = Load('d', {.Call = "DL1ABC", .Time = kAt1415 + 60});
  d.Zeit = "14:15";  // the other QSO's second
  d.Name = "Hans";
  EXPECT_FALSE(ctrl_->Apply(d));
  EXPECT_FALSE(ctrl_->RecountNeeded());
  EXPECT_EQ(desk_.Texts(TMessageKind::Error).size(), 1);
  EXPECT_TRUE(After() == before_);
  EXPECT_TRUE(qsos_->GetQSORec() == before_);
}

TEST_F(QsoEdit, WhatAsksForARecountByContest) {
  struct Case {
    char code;
    bool nameAlone;  // a change of the name alone asks for a recount
  };
  for (const Case& c : {Case{'d', false}, Case{'E', false}, Case{'7', true}, Case{'n', true},
                        Case{'p', true}, Case{'f', true}, Case{'k', true}}) {
    TEingabeStd2Data d = Load(
        c.code, {.Call = "DL" + std::to_string(clock_++) + "AB", .Time = 3600 * (clock_ % 20)});
    d.Name = "Hans";
    ASSERT_TRUE(ctrl_->Apply(d)) << c.code;
    EXPECT_EQ(ctrl_->RecountNeeded(), c.nameAlone) << c.code;
    d = ctrl_->Load();
    ASSERT_FALSE(d.Bands.empty());
    d.ChosenBand = d.Bands.back() == d.ChosenBand ? d.Bands.front() : d.Bands.back();
    if (d.ChosenBand == ctrl_->Loaded().ChosenBand) continue;  // a contest of one band
    ASSERT_TRUE(ctrl_->Apply(d)) << c.code;
    EXPECT_TRUE(ctrl_->RecountNeeded()) << c.code;
    EXPECT_EQ(oBaender->BandNameOf(After().Bandcode(), false), d.ChosenBand) << c.code;
  }
}

TEST_F(QsoEdit, Call2IsShownAndReadBackWhereTheContestKeepsIt) {
  struct Case {
    char code;
    size_t part;  // of the received row
  };
  for (const Case& c : {Case{'f', 2}, Case{'k', 1}, Case{'7', 1}}) {
    TEingabeStd2Data d = Load(c.code, {.Call = "DL" + std::to_string(++clock_) + "AB",
                                       .Time = 100 * clock_,
                                       .Received = "599 A/B/C"});
    EXPECT_EQ(d.Row2[c.part], "") << c.code;  // no Call2 stored yet
    d.Row2[c.part] = "1234";
    ASSERT_TRUE(ctrl_->Apply(d)) << c.code;
    EXPECT_EQ(After().Call2(), "1234") << c.code;
    EXPECT_EQ(ctrl_->Load().Row2[c.part], "1234") << c.code;
  }
}

TEST_F(QsoEdit, AChangedCallGetsItsEntityATypedEntityWins) {
  TContestRec def = Def('d');
  def.MultiplierKinds.set(2);
  TEingabeStd2Data d = Load('d', {.Call = "DL1ABC", .Time = kAt1415}, &def);
  d.Call = "DL1ABC";
  d.Name = "x";
  ASSERT_TRUE(ctrl_->Apply(d));
  EXPECT_EQ(After().DXCC(), "DL");
  d = ctrl_->Load();
  d.Call = "F5XYZ";
  ASSERT_TRUE(ctrl_->Apply(d));
  EXPECT_EQ(After().DXCC(), "F");
  EXPECT_TRUE(ctrl_->RecountNeeded());
  d = ctrl_->Load();
  EXPECT_EQ(d.Multi, "F");
  d.Multi = "TK";
  ASSERT_TRUE(ctrl_->Apply(d));
  EXPECT_EQ(After().DXCC(), "TK");
  EXPECT_EQ(After().Call(), "F5XYZ");
}

TEST_F(QsoEdit, ModeAndBandWithoutAListEntryStayAsStored) {
  TEingabeStd2Data d = Load('d', {.Call = "DL1ABC", .Band = 'x', .Time = kAt1415, .Mode = "PSK"});
  EXPECT_EQ(d.ModeIndex, -1);
  EXPECT_EQ(d.BandIndex, -1);
  d.Name = "Hans";
  ASSERT_TRUE(ctrl_->Apply(d));
  EXPECT_EQ(After().Mode(), "PSK");
  EXPECT_EQ(After().Bandcode(), 'x');
}

TEST_F(QsoEdit, TheReceivedPartsAreStoredByTheirKind) {
  TContestRec def = Def('d');
  def.ReceivedKinds[1] = exchangekind::kDok;
  def.ReceivedKinds[2] = exchangekind::kLocator;
  def.ReceivedKinds[3] = exchangekind::kUsState;
  TEingabeStd2Data d = Load('d', {.Call = "DL1ABC", .Time = kAt1415, .Received = "59 Q05"}, &def);
  d.Row2 = {"59 ", "Z19", "JO40AB", "NY"};
  ASSERT_TRUE(ctrl_->Apply(d));
  EXPECT_EQ(After().DOK(), "Z19");
  EXPECT_EQ(After().Loc(), "JO40AB");
  EXPECT_GT(After().Distance(), 0);
  EXPECT_EQ(After().WAZ_USStaat(), "NY");
  // A bad locator: warned, no distance; the DOK of a "J" and a digit is kept as it was.
  d = ctrl_->Load();
  d.Row2 = {"59 ", "J12", "XX99", "NY"};
  ASSERT_TRUE(ctrl_->Apply(d));
  EXPECT_EQ(desk_.Texts(TMessageKind::Warning),
            QStringList({Q("Fehler bei DOK-Angabe"), Q("Fehler bei Locator-Angabe")}));
  EXPECT_EQ(After().DOK(), "Z19");
  EXPECT_EQ(After().Distance(), 0);
}

// The edit from the log window's list.
class ListEdit : public EditTest {};

TEST_F(ListEdit, TheWindowEditsTheListsQsoNotABandChangeLine) {
  Add({.Call = "DL1ABC", .Time = kAt1415});
  const int32_t qsy = Add({.Call = "", .Band = 'b', .Time = kAt1415 + 60, .BandChange = 'b'});
  TContestLogStd& w = Open('d', Def('d'));
  int shown = 0;
  OnDialog<TContestEingabeStd2Form>([&](TContestEingabeStd2Form&) { return ++shown, 1; });
  w.Brow->GotoRecord(RefOf(qsy));
  ASSERT_EQ(w.Brow->CurrentRef(), RefOf(qsy));
  const TContestQSORec line = Stored(qsy);
  w.ChangeEntry(*w.Brow);
  EXPECT_EQ(shown, 0);
  EXPECT_TRUE(Stored(qsy) == line);
  // The QSO itself: opened and closed without a change, it stays byte for byte.
  const TContestQSORec qso = Stored(1);
  w.Brow->GotoRecord(RefOf(1));
  w.ChangeEntry(*w.Brow);
  EXPECT_EQ(shown, 1);
  EXPECT_TRUE(Stored(1) == qso);
}

TEST_F(ListEdit, EnterInTheListAndTheButtonOpenTheEdit) {
  Add({.Call = "DL1ABC", .Time = kAt1415});
  Add({.Call = "DL2ABC", .Time = kAt1415 + 60});
  TContestLogStd& w = Open('d', Def('d'));
  w.show();
  w.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  std::vector<std::string> edited;
  OnDialog<TContestEingabeStd2Form>([&](TContestEingabeStd2Form& f) {
    edited.push_back(S(f.eCall->text()));
    return 1;
  });
  w.Brow->GotoRecord(RefOf(2));
  w.Brow->Grid()->setFocus();
  QTest::keyClick(w.Brow->Grid(), Qt::Key_Return);
  w.Brow->GotoRecord(RefOf(1));
  w.SwitchPanels(false);
  w.btnAendern->click();
  EXPECT_EQ(edited, std::vector<std::string>({"DL2ABC", "DL1ABC"}));
  // From the entry with a call typed: F5 gives the list the keys and the call makes way;
  // Up moves to the QSO above the last, Enter edits it.
  edited.clear();
  w.Brow->GotoRecord(RefOf(2));
  w.eCall->setFocus();
  QTest::keyClicks(w.eCall, QStringLiteral("DL9XX"));
  QTest::keyClick(w.eCall, Qt::Key_F5);
  ASSERT_EQ(QApplication::focusWidget(), w.Brow->Grid());
  EXPECT_TRUE(w.eCall->text().isEmpty());
  EXPECT_EQ(S(w.lContestCaption->text()), "Contest-Logbuch (ESC: zurück zur Eingabe)");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
  EXPECT_EQ(w.Brow->CurrentRef(), RefOf(1));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(edited, std::vector<std::string>({"DL1ABC"}));
}

// A window the log window opens is its own, and when the operator closes it the keys go
// where they went before; after the correction list and the edit, which prepare a new
// entry, to its call field.
TEST_F(ListEdit, TheKeysComeBackWhenAWindowOfTheLogCloses) {
  Add({.Call = "DL1ABC", .Time = kAt1415});
  TContestLogStd& w = Open('d', Def('d'));
  w.show();
  w.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  QStringList opened;
  desk_.DialogHandler = [&](QDialog& d) {
    opened << d.windowTitle();
    bool owned = false;
    for (const QWidget* p = d.parentWidget(); p; p = p->parentWidget()) owned = owned || p == &w;
    EXPECT_TRUE(owned) << S(d.windowTitle());
    d.show();
    d.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
    d.hide();
    return 2;
  };
  struct Case {
    const char* what;
    QWidget* from;
    std::function<void()> open;
    QWidget* back;
  };
  const auto key = [](Qt::Key k) {
    return [k] { QTest::keyClick(QApplication::focusWidget(), k); };
  };
  for (const Case& c :
       {Case{"correction list", w.eRSTr[1], key(Qt::Key_F12), w.eCall},
        Case{"call search", w.eRSTr[1], key(Qt::Key_F4), w.eRSTr[1]},
        Case{"QSO edit", w.Brow->Grid(), key(Qt::Key_Return), w.eCall},
        Case{"ADIF import", w.eRSTr[1], [&] { QTest::mouseClick(w.btnadifimport, Qt::LeftButton); },
             w.eRSTr[1]}}) {
    SCOPED_TRACE(c.what);
    opened.clear();
    c.from->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), c.from);
    c.open();
    EXPECT_FALSE(opened.isEmpty());
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &w);
    EXPECT_EQ(QApplication::focusWidget(), c.back);
  }
}

// A call, date or time that cannot be stored keeps the dialog open, however it is
// closed: the field pink, warned, with the focus; the QSO takes the mended value. A line
// end pasted with the call is stored as a blank.
TEST_F(ListEdit, AnUnreadableCallDateOrTimeKeepsTheDialogOpen) {
  Add({.Call = "DL1ABC", .Time = kAt1415});
  TContestLogStd& w = Open('d', Def('d'));
  struct Case {
    const char* field;
    const char* pasted;
    const char* warning;  // empty: the close is taken
    const char* mended;
  } cases[] = {
      {"eCall", "D\nL", "Ungültiges Rufzeichen", "DL2XYZ"},
      {"eDatum", "31.02.2026", "Ungültiges Datum", "11.01.2026"},
      {"ezeit", "25:61", "Ungültige Zeit", "14:20"},
      {"eCall", "DL7XYZ\r\n", "", ""},
  };
  for (const Case& c : cases) {
    desk_.Messages.clear();
    OnDialog<TContestEingabeStd2Form>([&](TContestEingabeStd2Form& f) {
      f.show();
      f.activateWindow();
      EXPECT_TRUE(QTest::qWaitForWindowActive(&f));
      auto* field = f.findChild<TkvEdit*>(QString::fromLatin1(c.field));
      field->setFocus();
      field->selectAll();
      QGuiApplication::clipboard()->setText(Q(c.pasted));
      QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
      f.eQTH->setFocus();
      QTest::keyClick(&f, Qt::Key_Escape);
      if (*c.warning) {
        EXPECT_TRUE(f.isVisible()) << c.field;
        EXPECT_EQ(QApplication::focusWidget(), field) << c.field;
        EXPECT_EQ(field->palette().color(QPalette::Base), ColorOf(clPink)) << c.field;
        EXPECT_EQ(desk_.Texts(TMessageKind::Warning), QStringList(Q(c.warning)));
        field->setText(Q(c.mended));
        EXPECT_NE(field->palette().color(QPalette::Base), ColorOf(clPink)) << c.field;
        f.BitBtn1->click();
      }
      EXPECT_FALSE(f.isVisible()) << c.field;
      return f.result();
    });
    w.Brow->GotoRecord(RefOf(1));
    w.ChangeEntry(*w.Brow);
  }
  const TContestQSORec q = Stored(1);
  EXPECT_EQ(ToStrings::Trim(q.Call()), "DL7XYZ");
  EXPECT_EQ(q.Datum(), ToDates::DateStringToDate("11.01.2026", "dd.mm.yyyy"));
  EXPECT_EQ(q.Zeit(), kAt1415 + 5 * 60);
}

TEST_F(ListEdit, AClassChangeInQChangesTheScoreShown) {
  Add({.Call = "DL1ABC", .Time = kAt1415, .Received = "599 1/A"});
  Add({.Call = "DL2ABC", .Time = kAt1415 + 60, .Received = "599 2/B"});
  TContestLogStd& w = Open('q', Def('q'), [](TContestListRec& r) { r.SetCategory(1); });
  w.LogState->RecountTotals(true);
  w.ShowStatistics();
  const int32_t points = w.LogState->PointsTotal;
  const QString shown = w.lPunkte->text();
  OnDialog<TContestEingabeStd2Form>([](TContestEingabeStd2Form& f) {
    f.eRSTr[2]->setText(QStringLiteral("C"));
    return 1;
  });
  w.Brow->GotoRecord(RefOf(1));
  w.ChangeEntry(*w.Brow);
  EXPECT_EQ(Stored(1).RcvdPart1().substr(0, 3), "599");
  EXPECT_LT(w.LogState->PointsTotal, points);
  EXPECT_NE(w.lPunkte->text(), shown);
  // The list stands on the changed QSO.
  EXPECT_EQ(w.Brow->CurrentRef(), RefOf(1));
}

}  // namespace
