// The configuration dialog driven offscreen on real contest files.
#include <gtest/gtest.h>

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextDocument>
#include <functional>

#include "contest/contestfkt.h"
#include "contest/currentdef.h"
#include "contest/eingconteststd.h"
#include "contest/eingconteststdform.h"
#include "contest/rulestable.h"
#include "contest/stationfile.h"
#include "foundation/cp1252.h"
#include "foundation/dates.h"
#include "foundation/daynumber.h"
#include "foundation/grafik.h"
#include "foundation/kvedit.h"
#include "foundation/testdesktop.h"
#include "tables/calltables.h"
#include "tables/contesttables.h"
#include "tables/setups.h"
#include "tables/tablesfixture.h"

namespace {

using TForm = TEingContestStdForm;
const QColor kPink = ColorOf(0x8080FF);

class ConfigDialog : public TablesTest {
 protected:
  void SetUp() override {
    TablesTest::SetUp();
    ToSetupEigeneStation station;
    station.SetLocator("JN39KF");
    station.SetName("Erika Muster");
    station.SetStreet("Hauptstraße 1");
    station.SetPostcodeTown("66111 Saarbrücken");
    station.SetEmail("DK2ZZ@EXAMPLE.ORG");
    station.SetDOK("Q01");
    Setups().SetEigeneStation(station);
    Setups().SetOwnCall("DK2ZZ");
    SetCurrentContestDef(&def_);
    UtcOffsetHours = 0;
    list_ = std::make_unique<TdbContest>(TdbContestBase::kList);
    config_ = std::make_unique<TdbContest>(TdbContestBase::kConfig);
  }
  void TearDown() override {
    SetCurrentContestDef(nullptr);
    list_.reset();
    config_.reset();
    TablesTest::TearDown();
  }

  // Runs the dialog through its entry; drive works the window and gives its result.
  int Run(bool existing, bool review, char code, const std::function<int(TForm&)>& drive) {
    desktop_.DialogHandler = [&](QDialog& d) {
      auto& form = static_cast<TForm&>(d);
      form.show();
      form.activateWindow();
      EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
      return drive(form);
    };
    return TEingContestStd::Run(existing, review, code, *list_, *config_);
  }
  // What the buttons leave as the dialog's result.
  static int Click(TForm& f, QPushButton* b) {
    QTest::mouseClick(b, Qt::LeftButton);
    return f.result();
  }
  static void Type(TkvEdit* e, const char* text) {
    e->clear();
    QTest::keyClicks(e, Q(text));
  }
  static void Complete(TForm& f, const char* name) {
    Type(f.eName, name);
    f.rZeitUTC->setChecked(true);
    if (!f.categories->buttons().isEmpty() && f.eteilnahmeart->isEnabled())
      QTest::mouseClick(f.categories->buttons().first(), Qt::LeftButton);
  }
  int32_t ListCount() { return TdbContest(TdbContestBase::kList).RecordCount(); }
  TContestListRec Stored(int32_t number) {
    TdbContest reader(TdbContestBase::kList);
    EXPECT_TRUE(reader.FindNumber(number));
    return reader.GetListRec();
  }
  // Changes the stored list record of a contest as the log window would.
  void ChangeStored(int32_t number, const std::function<void(TContestListRec&)>& change) {
    TdbContest list(TdbContestBase::kList);
    ASSERT_TRUE(list.FindNumber(number));
    TContestListRec rec = list.GetListRec();
    change(rec);
    list.SetListRec(rec);
    ASSERT_TRUE(list.Modify());
  }
  // A contest 'd' made through the dialog; its number.
  int32_t MakeContest(const char* name) {
    Run(false, false, 'd', [&](TForm& f) {
      Complete(f, name);
      return Click(f, f.btnOK);
    });
    return list_->GetListRec().Nummer();
  }

  TTestDesktop desktop_;
  TContestRec def_;
  std::unique_ptr<TdbContest> list_;
  std::unique_ptr<TdbContest> config_;
};

TEST_F(ConfigDialog, NewContestGetsItsDefaultsAndBeendenStoresWithoutStarting) {
  int result = Run(false, false, 'd', [](TForm& f) {
    EXPECT_EQ(f.windowTitle(), Q("\"\"  Contest-Konfiguration"));
    EXPECT_EQ(f.eCall->text(), QStringLiteral("DK2ZZ"));
    EXPECT_EQ(f.eDatumvon->text(), QStringLiteral("16.07.2016"));
    EXPECT_EQ(f.eZeitbis->text(), QStringLiteral("10:00"));
    EXPECT_EQ(f.ePLZ->text(), QStringLiteral("66111"));
    EXPECT_EQ(f.eOrt->text(), Q("Saarbrücken"));
    EXPECT_TRUE(f.eaktrsts->isChecked());
    EXPECT_TRUE(f.eaktrstr->isChecked());
    EXPECT_FALSE(f.rZeitOrt->isChecked() || f.rZeitUTC->isChecked());
    EXPECT_EQ(f.categories->buttons().size(), 7);
    Complete(f, "Saar 2026");
    return Click(f, f.btnOK);
  });
  EXPECT_EQ(result, 0);
  EXPECT_TRUE(desktop_.Texts(TMessageKind::Warning).isEmpty())
      << S(desktop_.Texts(TMessageKind::Warning).join(QStringLiteral("|")));
  ASSERT_EQ(ListCount(), 1);
  const TContestListRec r = Stored(list_->GetListRec().Nummer());
  EXPECT_EQ(r.Name(), "Saar 2026");
  EXPECT_EQ(r.Typ(), 'd');
  EXPECT_EQ(r.OwnCall(), "DK2ZZ");
  EXPECT_EQ(r.CreationLocator(), "JN39KF");
  EXPECT_EQ(r.DateAuto(), 255);
  EXPECT_EQ(r.TimeAuto(), 255);
  EXPECT_EQ(r.Byte(194), 'D');
  EXPECT_EQ(r.Byte(195), 255);
  EXPECT_EQ(r.OneOperator(), 255);
  EXPECT_EQ(r.PointsPerKm(), 1);
  EXPECT_EQ(r.RstSentNotFixed(), 0);
  EXPECT_EQ(r.RstRcvdNotFixed(), 0);
  EXPECT_EQ(r.Category(), 1);
  EXPECT_EQ(r.DatumVon(), daynumber::FromYMD(2016, 7, 16));
  EXPECT_EQ(r.ZeitVon(), 6 * 3600);
  EXPECT_EQ(r.DOK(), "Q01");
  EXPECT_EQ(r.PLZ(), "66111");
  TdbContest config(TdbContestBase::kConfig);
  EXPECT_TRUE(config.FindNumber(r.Nummer()));
}

// A class of one mode starts the log in that mode; a class of several keeps the mode the
// user ticked; review offers only the stored class's modes.
TEST_F(ConfigDialog, TheClassDecidesTheStartMode) {
  struct Case {
    int ClassButton;  // 0 "Klasse A: 80m SSB", 1 "Klasse B: 80m CW", 5 "Klasse F: 2m SSB und CW"
    bool TickSsbFirst;
    bool StartsSsb;
  };
  const Case cases[] = {{0, false, true}, {1, true, false}, {5, true, true}, {5, false, false}};
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ClassButton);
    const std::string name = "Saar " + std::to_string(++n);
    Run(false, false, 'd', [&](TForm& f) {
      Type(f.eName, name.c_str());
      f.rZeitUTC->setChecked(true);
      (c.TickSsbFirst ? f.rssb : f.rcw)->setChecked(true);
      QTest::mouseClick(f.categories->button(c.ClassButton), Qt::LeftButton);
      EXPECT_EQ(f.rssb->isChecked(), c.StartsSsb);
      EXPECT_EQ(f.rcw->isChecked(), !c.StartsSsb);
      return Click(f, f.btnOK);
    });
    const int32_t nr = list_->GetListRec().Nummer();
    EXPECT_EQ(Stored(nr).StartSSB() != 0, c.StartsSsb);
    ASSERT_TRUE(list_->FindNumber(nr));
    Run(true, true, 'd', [&](TForm& f) {
      EXPECT_EQ(f.rssb->isChecked(), c.StartsSsb);
      EXPECT_FALSE(f.rFM->isEnabled());
      EXPECT_FALSE(f.rPR->isEnabled());
      EXPECT_EQ(f.rcw->isEnabled(), c.ClassButton != 0);
      EXPECT_EQ(f.rssb->isEnabled(), c.ClassButton != 1);
      return Click(f, f.btnOK);
    });
  }
}

// The dialog of every code fits a screen of 1024 x 768 with its window frame, so that no
// field and no button is cut off.
TEST_F(ConfigDialog, FitsA1024By768Screen) {
  for (const rulestable::TCodeRules& row : rulestable::Rows()) {
    SCOPED_TRACE(std::string("code ") + row.Code);
    Run(false, false, row.Code, [](TForm& f) {
      const QSize hint = f.sizeHint();
      EXPECT_LE(hint.width(), 1024 - 16) << hint.width();
      EXPECT_LE(hint.height(), 768 - 48) << hint.height();
      EXPECT_GE(f.width(), hint.width());
      EXPECT_GE(f.height(), hint.height());
      return Click(f, f.btnAbbruch);
    });
  }
}

// The review of a great log fits that screen too: the score box keeps its width whatever
// its numbers, and every number stays whole.
TEST_F(ConfigDialog, ReviewFitsTheScreenWhateverTheNumbersOfTheLog) {
  const int32_t nr = MakeContest("Saar 2026");
  const struct {
    uint16_t Qsos;
    int32_t Points;
    uint16_t Multis;
  } rows[] = {{0, 0, 0}, {17, 34, 17}, {10000, 123456, 999}};
  int width = 0;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.Qsos);
    ChangeStored(nr, [&](TContestListRec& r) {
      r.SetRowQsos(1, row.Qsos);
      r.SetRowPoints(1, row.Points);
      r.SetRowMultipliers(1, row.Multis);
    });
    ASSERT_TRUE(list_->FindNumber(nr));
    Run(true, true, 'd', [&](TForm& f) {
      const QSize hint = f.sizeHint();
      EXPECT_LE(hint.width(), 1024 - 16);
      EXPECT_LE(hint.height(), 768 - 48);
      if (width == 0) width = hint.width();
      EXPECT_EQ(hint.width(), width);
      EXPECT_TRUE(f.lQsoTotal->text().startsWith(QString::number(row.Qsos) + QLatin1Char(' ')));
      for (QLabel* l : {f.lQsoTotal, f.lMultiTotal, f.lPunkteTotal, f.lScore})
        EXPECT_GE(l->width(), l->sizeHint().width()) << S(l->text());
      return 2;
    });
  }
}

TEST_F(ConfigDialog, ContestStartenReturnsTheRecordPositionAndSetsTheClockBasis) {
  int position = Run(false, false, 'd', [](TForm& f) {
    Complete(f, "Saar 2026");
    f.rZeitOrt->setChecked(true);
    return Click(f, f.btnstart);
  });
  EXPECT_GT(position, 0);
  EXPECT_EQ(position, list_->CurrentRef());
  EXPECT_EQ(UtcOffsetHours, def_.ClockUtcShiftHours);
}

TEST_F(ConfigDialog, ReviewModeKeepsOnlyBeendenHelpAndPrint) {
  const int32_t nr = MakeContest("Saar 2026");
  ASSERT_TRUE(list_->FindNumber(nr));
  Run(true, true, 'd', [](TForm& f) {
    EXPECT_EQ(f.windowTitle(), QStringLiteral("\"Saar 2026\""));
    EXPECT_FALSE(f.btnstart->isVisible());
    EXPECT_FALSE(f.btnAbbruch->isVisible());
    EXPECT_TRUE(f.btnOK->isVisible());
    EXPECT_TRUE(f.btnOK->isDefault());
    EXPECT_TRUE(f.btnDruck->isVisible());
    // A stored category cannot be changed; the clock basis of a stored contest is shown.
    EXPECT_FALSE(f.eteilnahmeart->isEnabled());
    EXPECT_TRUE(f.rZeitUTC->isChecked());
    return 2;
  });
}

TEST_F(ConfigDialog, ASecondContestOfTheSameNameIsRefusedAndTouchesNoOtherRecord) {
  const int32_t first = MakeContest("Saar 2026");
  const TContestListRec before = Stored(first);
  int result = Run(false, false, 'd', [&](TForm& f) {
    Complete(f, "Saar 2026");
    f.eZeitvon->setText(QStringLiteral("07:00"));
    Click(f, f.btnOK);
    EXPECT_EQ(f.result(), 0);  // still open
    EXPECT_FALSE(f.Existing());
    EXPECT_EQ(ListCount(), 1);
    // Another name then makes a contest of its own.
    Type(f.eName, "Saar 2027");
    EXPECT_EQ(Click(f, f.btnOK), 2);
    return f.result();
  });
  EXPECT_EQ(result, 0);
  EXPECT_TRUE(desktop_.Texts(TMessageKind::Error)
                  .contains(Q("Fehler bei Dateneingabe. Datensatz evtl. schon vorhanden.")));
  EXPECT_EQ(ListCount(), 2);
  EXPECT_TRUE(Stored(first) == before);
  EXPECT_NE(list_->GetListRec().Nummer(), first);
}

TEST_F(ConfigDialog, EscapeAsksWhetherToKeepTheChanges) {
  desktop_.Answers = {false};
  int result = Run(false, false, 'd', [](TForm& f) {
    Type(f.eName, "Verworfen");
    QTest::keyClick(&f, Qt::Key_Escape);
    return f.result();
  });
  EXPECT_EQ(result, 0);
  EXPECT_TRUE(desktop_.Texts(TMessageKind::Question).contains(Q("Änderungen übernehmen?")));
  EXPECT_EQ(ListCount(), 0);

  desktop_.Answers = {true};
  Run(false, false, 'd', [](TForm& f) {
    Complete(f, "Behalten");
    QTest::keyClick(&f, Qt::Key_Escape);
    return f.result();
  });
  ASSERT_EQ(ListCount(), 1);
  EXPECT_EQ(Stored(list_->GetListRec().Nummer()).Name(), "Behalten");
}

TEST_F(ConfigDialog, ACategoryClickStoresAtOnceWithoutAnyCheck) {
  Run(false, false, 'd', [&](TForm& f) {
    f.ePLZ->clear();
    QTest::mouseClick(f.categories->buttons().at(2), Qt::LeftButton);
    EXPECT_TRUE(f.Existing());
    return 2;
  });
  EXPECT_TRUE(desktop_.Messages.empty());
  ASSERT_EQ(ListCount(), 1);
  EXPECT_EQ(Stored(list_->GetListRec().Nummer()).Category(), 3);
}

TEST_F(ConfigDialog, DatesTypedByHandAreMarkedAsEdited) {
  Run(false, false, 'd', [&](TForm& f) {
    f.eDatumbis->setFocus();
    f.eDatumbis->selectAll();
    // The picture puts the dots in by itself.
    QTest::keyClicks(f.eDatumbis, QStringLiteral("18072016"));
    EXPECT_EQ(f.eDatumbis->GetValueStr(), "18.07.2016");
    f.eZeitvon->setFocus();  // leaves the date field, enters the time field unchanged
    f.eDatumvon->setFocus();
    f.eZeitbis->setFocus();
    f.eZeitbis->selectAll();
    QTest::keyClicks(f.eZeitbis, QStringLiteral("1130"));
    EXPECT_EQ(f.eZeitbis->GetValueStr(), "11:30");
    f.eDatumvon->setFocus();
    return 2;
  });
  EXPECT_EQ(list_->GetListRec().EditedBits(), 2 | 8);
}

// Each check of the store: its text, the pink mark and the focus on the control, and
// nothing stored, the settings included.
struct TCheckCase {
  const char* Text;
  std::function<void(TForm&)> Spoil;
  std::function<QWidget*(TForm&)> Control;
};

class ConfigChecks : public ConfigDialog, public ::testing::WithParamInterface<int> {};

const std::vector<TCheckCase>& CheckCases() {
  static const std::vector<TCheckCase> cases = {
      {"Eingabe eines Contest-Namens notwendig.", [](TForm& f) { f.eName->clear(); },
       [](TForm& f) { return f.eName; }},
      {"Angabe der Postleitzahl und des Ortes notwendig.", [](TForm& f) { f.ePLZ->clear(); },
       [](TForm& f) { return f.ePLZ; }},
      {"Angabe der EMail-Adresse notwendig.", [](TForm& f) { f.eEMail->clear(); },
       [](TForm& f) { return f.eEMail; }},
      {"Angabe des Standortlocators notwendig.", [](TForm& f) { f.eLoc->clear(); },
       [](TForm& f) { return f.eLoc; }},
      {"Eingabe des Rufzeichens notwendig.",
       [](TForm& f) {
         f.eCall->clear();
         f.eSWL->clear();
       },
       [](TForm& f) { return f.eCall; }},
      {"Eingabe eines Contest-Datums notwendig.", [](TForm& f) { f.eDatumvon->clear(); },
       [](TForm& f) { return f.eDatumvon; }},
      {"Eingabe eines Contest-Datums notwendig.",
       [](TForm& f) { f.eDatumbis->setText(QStringLiteral("31.02.2016")); },
       [](TForm& f) { return f.eDatumbis; }},
      {"Es wurde nicht bestimmt, ob der Computer mit Ortszeit läuft.",
       [](TForm& f) {
         f.rZeitUTC->setAutoExclusive(false);
         f.rZeitUTC->setChecked(false);
       },
       [](TForm& f) { return f.groupZeit; }},
      {"Sie haben keine Teilnahmeart angegeben.",
       [](TForm& f) {
         f.categories->setExclusive(false);
         f.categories->buttons().first()->setChecked(false);
       },
       [](TForm& f) { return f.eteilnahmeart; }},
  };
  return cases;
}

TEST_P(ConfigChecks, FailsWithItsTextColourAndFocusAndStoresNothing) {
  const TCheckCase& c = CheckCases()[size_t(GetParam())];
  // A definition that asks for everything: Cabrillo output, a locator multiplier.
  TContestRec def;
  def.Classes[1].Description = "Klasse A";
  def.MultiplierKinds.set(5);
  def.OutputMenuItems.set(9);
  def.DateFrom = "16.07.2016";
  def.DateTo = "17.07.2016";
  TForm f(false, false, 'd', *list_, *config_, def);
  f.show();
  f.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
  f.eName->setText(QStringLiteral("Test"));
  f.rZeitUTC->setChecked(true);
  f.categories->buttons().first()->setChecked(true);
  c.Spoil(f);
  Type(f.ecname, "Neuer Name");
  Type(f.eCall, "DL9NEW");
  if (QString::fromLatin1(c.Text).startsWith(QStringLiteral("Eingabe des Ruf"))) c.Spoil(f);

  EXPECT_FALSE(f.btnOKClick(TForm::TSender::OK));
  EXPECT_EQ(desktop_.Texts(TMessageKind::Warning), QStringList{Q(c.Text)});
  QWidget* control = c.Control(f);
  EXPECT_EQ(control->palette().color(QPalette::Window), kPink);
  // A group takes the focus on its first button.
  QWidget* focus = QApplication::focusWidget();
  EXPECT_TRUE(focus == control || control->isAncestorOf(focus)) << c.Text;
  EXPECT_EQ(f.result(), 0);
  EXPECT_EQ(ListCount(), 0);
  EXPECT_EQ(Setups().GetOwnCall(false), "DK2ZZ");
  EXPECT_EQ(Setups().GetEigeneStation().Name(), "Erika Muster");
}

INSTANTIATE_TEST_SUITE_P(StoreTable, ConfigChecks, ::testing::Range(0, int(CheckCases().size())));

TEST_F(ConfigDialog, EditingAMarkedFieldTakesTheMarkAway) {
  Run(false, false, 'd', [](TForm& f) {
    f.eName->clear();
    f.rZeitUTC->setChecked(true);
    Click(f, f.btnOK);
    EXPECT_EQ(f.eName->palette().color(QPalette::Base), kPink);
    QTest::keyClicks(f.eName, QStringLiteral("X"));
    EXPECT_NE(f.eName->palette().color(QPalette::Base), kPink);
    return 2;
  });
}

TEST_F(ConfigDialog, NoDokIsAskedAboutAndNoStopsTheStore) {
  desktop_.Answers = {false};
  Run(false, false, 'd', [](TForm& f) {
    Complete(f, "Ohne DOK");
    f.eDOK->clear();
    Click(f, f.btnOK);
    EXPECT_EQ(f.eDOK->palette().color(QPalette::Base), kPink);
    return 2;
  });
  EXPECT_TRUE(
      desktop_.Texts(TMessageKind::Question).contains(Q("Kein DOK angegeben. Trotzdem weiter?")));
  // Only the category click stored the contest, with the DOK it had then.
  EXPECT_EQ(Stored(list_->GetListRec().Nummer()).DOK(), "Q01");
}

// ---------------------------------------------------------------------------------------
// The per-contest prompts

TEST_F(ConfigDialog, PartyAgeXXMeansNoneAndAnEmptyAgeStopsTheStore) {
  Run(false, false, 'P', [](TForm& f) {
    EXPECT_TRUE(f.groupZusatz->isVisible());
    EXPECT_EQ(f.Label15->text(), QStringLiteral("Lebensalter :"));
    EXPECT_EQ(f.rPR->text(), QStringLiteral("DIGI"));
    Complete(f, "Party");
    f.eJahre->clear();
    Click(f, f.btnOK);
    EXPECT_EQ(f.result(), 0);
    Type(f.eJahre, "XX");
    return Click(f, f.btnOK);
  });
  EXPECT_TRUE(desktop_.Texts(TMessageKind::Warning)
                  .contains(Q("Sie haben keine Angabe über Ihr DARC-Alter getätigt.")));
  const TContestListRec r = Stored(list_->GetListRec().Nummer());
  EXPECT_EQ(r.ExtraNumber(), -1);
  ASSERT_TRUE(list_->FindNumber(r.Nummer()));
  Run(true, false, 'P', [](TForm& f) {
    EXPECT_EQ(f.eJahre->text(), QStringLiteral("XX"));
    Type(f.eJahre, "7");
    return Click(f, f.btnOK);
  });
  EXPECT_EQ(Stored(r.Nummer()).ExtraNumber(), 7);
  ASSERT_TRUE(list_->FindNumber(r.Nummer()));
  Run(true, false, 'P', [](TForm& f) {
    EXPECT_EQ(f.eJahre->text(), QStringLiteral("07"));
    return 2;
  });
}

TEST_F(ConfigDialog, HscWithoutNumberWarnsButStores) {
  Run(false, false, '6', [](TForm& f) {
    EXPECT_EQ(f.Label16->text(), QStringLiteral("HSC-Nr:"));
    Complete(f, "HSC");
    f.eJahre->clear();
    return Click(f, f.btnOK);
  });
  EXPECT_TRUE(desktop_.Texts(TMessageKind::Warning)
                  .contains(Q("Sie haben keine Angabe über die HSC-Mitgliedschaft getätigt.")));
  EXPECT_EQ(ListCount(), 1);
  // A membership number round-trips.
  ASSERT_TRUE(list_->FindNumber(list_->GetListRec().Nummer()));
  Run(true, false, '6', [](TForm& f) {
    Type(f.eJahre, "1234");
    return Click(f, f.btnOK);
  });
  ASSERT_TRUE(list_->FindNumber(list_->GetListRec().Nummer()));
  Run(true, false, '6', [](TForm& f) {
    EXPECT_EQ(f.eJahre->text(), QStringLiteral("1234"));
    return 2;
  });
}

TEST_F(ConfigDialog, DistrictUAnswerFollowsTheDok) {
  Run(false, false, 'U', [](TForm& f) {
    EXPECT_TRUE(f.GroupFrage->isVisible());
    EXPECT_EQ(f.GroupFrage->title(), QStringLiteral("Distrikt"));
    EXPECT_EQ(f.Label4->text(), QStringLiteral("Teilnehmer aus Distrikt U?"));
    EXPECT_TRUE(f.eHMnein->isChecked());  // own DOK Q01
    f.eDOK->clear();
    QTest::keyClicks(f.eDOK, QStringLiteral("Z44"));
    EXPECT_TRUE(f.eHMja->isChecked());
    Complete(f, "BOC");
    return Click(f, f.btnOK);
  });
  const TContestListRec r = Stored(list_->GetListRec().Nummer());
  EXPECT_EQ(r.MemberAnswer(), 255);
  EXPECT_EQ(r.DOK(), "Z44");
  ASSERT_TRUE(list_->FindNumber(r.Nummer()));
  Run(true, false, 'U', [](TForm& f) {
    EXPECT_TRUE(f.eHMja->isChecked());
    f.eHMnein->setChecked(true);
    return Click(f, f.btnOK);
  });
  // The DOK still makes the participant one of district U.
  EXPECT_EQ(Stored(r.Nummer()).MemberAnswer(), 0);
}

TEST_F(ConfigDialog, StationTextRoundTripsThroughItsStationFile) {
  Run(false, false, 'b', [](TForm& f) {
    EXPECT_TRUE(f.groupzusatz3->isVisible());
    EXPECT_EQ(f.groupzusatz3->title(), QStringLiteral("Station"));
    Complete(f, "O-QRP");
    // An empty station text stops the store and writes no file.
    Click(f, f.btnOK);
    EXPECT_EQ(f.result(), 0);
    EXPECT_EQ(QApplication::focusWidget(), f.memogroupzusatz3);
    // The no-break space between number and unit is kept as typed.
    f.memogroupzusatz3->setPlainText(Q("FT-817, 5\xA0W\nDipol über Dach"));
    f.checkboxgroupzusatz3_2->setChecked(true);
    return Click(f, f.btnOK);
  });
  EXPECT_TRUE(desktop_.Texts(TMessageKind::Warning)
                  .contains(Q("Sie haben keine Angaben zur Station getätigt.")));
  const int32_t nr = list_->GetListRec().Nummer();
  EXPECT_EQ(Stored(nr).ExtraNumber(), 3);
  const std::string file = stationfile::FileName("OQRP", nr);
  ASSERT_TRUE(QFile::exists(Q(file)));
  std::string stored;
  ASSERT_TRUE(stationfile::Load(file, stored));
  EXPECT_NE(stored.find("5\xA0W"), std::string::npos);
  ASSERT_TRUE(list_->FindNumber(nr));
  Run(true, false, 'b', [](TForm& f) {
    EXPECT_EQ(f.memogroupzusatz3->document()->toRawText(),
              Q("FT-817, 5\xA0W") + QChar::ParagraphSeparator + Q("Dipol über Dach"));
    EXPECT_TRUE(f.checkboxgroupzusatz3_2->isChecked());
    return 2;
  });
}

}  // namespace

namespace {

TEST_F(ConfigDialog, ACategoryOfAPeriodBringsItsTimesButKeepsThoseTypedByHand) {
  Run(false, false, 'U', [](TForm& f) {
    f.eZeitbis->setFocus();
    f.eZeitbis->selectAll();
    QTest::keyClicks(f.eZeitbis, QStringLiteral("09:15"));
    f.eName->setFocus();
    // "C 2m - VHF" belongs to the period of 18.10.2015, 07:00 to 08:30.
    QTest::mouseClick(f.categories->buttons().at(4), Qt::LeftButton);
    EXPECT_EQ(f.eDatumvon->text(), QStringLiteral("18.10.2015"));
    EXPECT_EQ(f.eDatumbis->text(), QStringLiteral("18.10.2015"));
    EXPECT_EQ(f.eZeitvon->text(), QStringLiteral("07:00"));
    EXPECT_EQ(f.eZeitbis->text(), QStringLiteral("09:15"));
    // The modes of the class: SSB, CW and FM.
    EXPECT_TRUE(f.rFM->isEnabled());
    EXPECT_FALSE(f.rPR->isEnabled());
    EXPECT_FALSE(f.rPR->isChecked());
    return 2;
  });
}

TEST_F(ConfigDialog, TheDigNumberOfANewContestComesFromTheCallBook) {
  {
    TdbCall book(TdbCallBase::kCallBook);
    book.ClearRecords();
    book.SetCall("DL1DIG");
    book.SetDIG("4711");
    ASSERT_TRUE(book.Add());
  }
  Run(false, false, '7', [](TForm& f) {
    EXPECT_EQ(f.eJahre->text(), QStringLiteral("0"));
    f.eCall->setFocus();
    Type(f.eCall, "DL2XYZ");
    f.eName->setFocus();
    EXPECT_EQ(f.eJahre->text(), QStringLiteral("0"));
    f.eCall->setFocus();
    Type(f.eCall, "DL1DIG");
    f.eName->setFocus();
    EXPECT_EQ(f.eJahre->text(), QStringLiteral("4711"));
    return 2;
  });
}

TEST_F(ConfigDialog, RegelnOpensTheRulesOfTheContest) {
  Run(false, false, 'W', [](TForm& f) {
    QTest::mouseClick(f.btnregeln, Qt::LeftButton);
    return 2;
  });
  EXPECT_EQ(desktop_.OpenedLinks, QStringList{Q(oContestFkt->RulesTarget('W').Link)});
}

TEST_F(ConfigDialog, StoringAnExistingContestKeepsItsConfigurationFlagsAndTotals) {
  const int32_t nr = MakeContest("Saar 2026");
  {
    TdbContest config(TdbContestBase::kConfig);
    ASSERT_TRUE(config.FindNumber(nr));
    TContestConfigRec cfg = config.GetConfigRec();
    cfg.SetRstNotLocked(255);
    cfg.SetBandQsos(1, 12);
    config.SetConfigRec(cfg);
    ASSERT_TRUE(config.Modify());
  }
  ChangeStored(nr, [](TContestListRec& rec) { rec.SetTotalsInConfig(255); });
  ASSERT_TRUE(list_->FindNumber(nr));
  Run(true, false, 'd', [](TForm& f) {
    EXPECT_TRUE(f.crstsnichtsperren->isChecked());
    EXPECT_EQ(f.lQsoTotal->text(), QStringLiteral("12 QSO"));
    // The score is the result of the points line: right under "Punkte =", not under the QSO.
    QApplication::processEvents();
    EXPECT_EQ(f.lScore->x(), f.lPunkteTotal->x());
    EXPECT_GT(f.lScore->y(), f.lPunkteTotal->y());
    return Click(f, f.btnOK);
  });
  TdbContest config(TdbContestBase::kConfig);
  ASSERT_TRUE(config.FindNumber(nr));
  EXPECT_EQ(config.GetConfigRec().RstNotLocked(), 255);
  EXPECT_EQ(config.GetConfigRec().BandQsos(1), 12);
}

TEST_F(ConfigDialog, ANewContestIsStoredWithItsConfigurationOrNotAtAll) {
  {
    // A configuration record left behind under the number the next contest gets.
    TdbContest config(TdbContestBase::kConfig);
    TContestConfigRec cfg;
    cfg.SetNummer(1);
    config.SetConfigRec(cfg);
    ASSERT_TRUE(config.Add());
  }
  Run(false, false, 'd', [](TForm& f) {
    Complete(f, "Saar 2026");
    Click(f, f.btnOK);
    EXPECT_FALSE(f.Existing());
    return f.result();
  });
  EXPECT_TRUE(desktop_.Texts(TMessageKind::Error)
                  .contains(Q("Fehler beim Speichern der Contest-Konfiguration.")));
  EXPECT_EQ(ListCount(), 0);
}

int gOutputMenus = 0;

TEST_F(ConfigDialog, PrintStoresWarnsOfAnIncompleteAddressAndStaysOpen) {
  gOutputMenus = 0;
  TEingContestStd::OutputMenu = [](TdbContest&, TdbContest&) { ++gOutputMenus; };
  Run(false, false, 'd', [](TForm& f) {
    Complete(f, "Saar 2026");
    f.eStrasse->clear();
    Click(f, f.btnDruck);
    EXPECT_EQ(f.result(), 0);
    return 2;
  });
  TEingContestStd::OutputMenu = nullptr;
  EXPECT_EQ(gOutputMenus, 1);
  EXPECT_EQ(desktop_.Texts(TMessageKind::Warning),
            QStringList{Q("Die Adress-Angaben sind nicht vollständig.")});
  EXPECT_EQ(Setups().GetEigeneStation().Street(), "");
}

std::string gMenuPlz;

// A failed check shows its message and still opens the menu of a stored contest, whose
// exports read the stored records; a contest never stored gets no menu.
TEST_F(ConfigDialog, PrintAfterAFailedCheckOpensTheMenuOfAStoredContestOnly) {
  TEingContestStd::OutputMenu = [](TdbContest& list, TdbContest&) {
    ++gOutputMenus;
    gMenuPlz = list.GetListRec().PLZ();
  };
  for (const bool stored : {true, false}) {
    SCOPED_TRACE(stored ? "stored" : "new");
    gOutputMenus = 0;
    gMenuPlz.clear();
    desktop_.Messages.clear();
    if (stored) {
      ASSERT_TRUE(list_->FindNumber(MakeContest("Saar 2026")));
    }
    Run(stored, stored, 'd', [&](TForm& f) {
      // No category is clicked: that would store the new contest at once.
      if (!stored) Type(f.eName, "Saar 2027");
      f.ePLZ->clear();
      Click(f, f.btnDruck);
      EXPECT_EQ(f.result(), 0);
      return 2;
    });
    EXPECT_EQ(desktop_.Texts(TMessageKind::Warning),
              QStringList{Q("Angabe der Postleitzahl und des Ortes notwendig.")});
    EXPECT_EQ(gOutputMenus, stored ? 1 : 0);
    EXPECT_EQ(gMenuPlz, stored ? "66111" : "");
  }
  TEingContestStd::OutputMenu = nullptr;
  EXPECT_EQ(ListCount(), 1);
}

TEST_F(ConfigDialog, RigContestKeepsItsMrrNumberAndSprintUnlocksTheReports) {
  Run(false, false, 'v', [](TForm& f) {
    EXPECT_EQ(f.groupzusatz3->title(), QStringLiteral("RIG"));
    EXPECT_EQ(f.lgroupzusatz3->text(), QStringLiteral("MRR-Nr:"));
    EXPECT_FALSE(f.checkboxgroupzusatz3->isVisible());
    Complete(f, "MRR");
    Type(f.egroupzusatz3, "m1234567");
    f.memogroupzusatz3->setPlainText(QStringLiteral("TS-480"));
    return Click(f, f.btnOK);
  });
  const int32_t nr = list_->GetListRec().Nummer();
  EXPECT_EQ(Stored(nr).ExtraText(), "M12345");
  EXPECT_TRUE(QFile::exists(Q(stationfile::FileName("mrr", nr))));

  Run(false, false, 'j', [](TForm& f) {
    EXPECT_FALSE(f.eaktrsts->isVisible() || f.eaktrsts->isChecked());
    EXPECT_FALSE(f.eaktrstr->isVisible() || f.eaktrstr->isChecked());
    EXPECT_TRUE(f.crstsnichtsperren->isChecked());
    return 2;
  });
}

// An existing contest shows what it stored: the clock basis, the start mode, the QSL
// letters, and the locked automatic choices once the log window locked them.
TEST_F(ConfigDialog, AnExistingContestShowsItsStoredChoices) {
  const int32_t nr = MakeContest("Saar 2026");
  ChangeStored(nr, [](TContestListRec& rec) {
    rec.SetEntryLock(255);
    rec.SetStartSSB(255);
    rec.SetQslSentDefault('B');
  });
  UtcOffsetHours = 1;
  ASSERT_TRUE(list_->FindNumber(nr));
  Run(true, false, 'd', [](TForm& f) {
    EXPECT_TRUE(f.rZeitOrt->isChecked());
    EXPECT_TRUE(f.rssb->isChecked());
    EXPECT_FALSE(f.rcw->isChecked());
    EXPECT_EQ(f.eQSLw->text(), QStringLiteral("B"));
    EXPECT_FALSE(f.edatumauto->isEnabled());
    EXPECT_FALSE(f.ezeitauto->isEnabled());
    EXPECT_FALSE(f.eBandauto->isEnabled());
    EXPECT_TRUE(f.eaktrsts->isEnabled());
    return Click(f, f.btnOK);
  });
  const TContestListRec r = Stored(nr);
  EXPECT_EQ(r.StartSSB(), 255);
  EXPECT_EQ(r.QslSentDefault(), 'B');
  EXPECT_EQ(UtcOffsetHours, def_.ClockUtcShiftHours);
}

// More than seven categories are shown in two columns.
TEST_F(ConfigDialog, ManyCategoriesTakeTwoColumns) {
  Run(false, false, 'V', [](TForm& f) {
    const QList<QAbstractButton*> buttons = f.categories->buttons();
    EXPECT_EQ(buttons.size(), 9);
    EXPECT_EQ(buttons.first()->x(), buttons.at(4)->x());
    EXPECT_GT(buttons.last()->x(), buttons.first()->x());
    return 2;
  });
}

// The prompts of the entry class, the licence date and the membership question keep
// their answers; the Naval number warns but does not stop the store.
TEST_F(ConfigDialog, ClassDateAndMembershipPromptsRoundTrip) {
  auto make = [&](char code, const std::function<void(TForm&)>& fill) {
    Run(false, false, code, [&](TForm& f) {
      Complete(f, "Prompt");
      f.eDatumvon->setText(QStringLiteral("01.02.2026"));
      f.eDatumbis->setText(QStringLiteral("01.02.2026"));
      fill(f);
      return Click(f, f.btnOK);
    });
    const int32_t nr = list_->GetListRec().Nummer();
    EXPECT_TRUE(list_->FindNumber(nr)) << code;
    return Stored(nr);
  };
  EXPECT_EQ(make('Y', [](TForm& f) { f.rZusatz22->setChecked(true); }).ExtraNumber(), 1);
  Run(true, false, 'Y', [](TForm& f) {
    EXPECT_TRUE(f.rZusatz22->isChecked());
    return 2;
  });
  EXPECT_EQ(
      make('W', [](TForm& f) { f.edatum->setText(QStringLiteral("01.04.1990")); }).ExtraNumber(),
      daynumber::FromYMD(1990, 4, 1));
  Run(true, false, 'W', [](TForm& f) {
    EXPECT_EQ(f.edatum->text(), QStringLiteral("01.04.1990"));
    return 2;
  });
  EXPECT_EQ(make('Z', [](TForm& f) { f.eHMja->setChecked(true); }).MemberAnswer(), 255);
  Run(true, false, 'Z', [](TForm& f) {
    EXPECT_EQ(f.GroupFrage->title(), QStringLiteral("IPARC"));
    EXPECT_TRUE(f.eHMja->isChecked());
    return 2;
  });
  desktop_.Messages.clear();
  EXPECT_EQ(make('i', [](TForm& f) { f.eJahre->clear(); }).ExtraText(), "");
  EXPECT_EQ(desktop_.Texts(TMessageKind::Warning),
            QStringList{Q("Sie haben keine Angabe über die Naval-Mitgliedschaft getätigt.")});
}

}  // namespace
