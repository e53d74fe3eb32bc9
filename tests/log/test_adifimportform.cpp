// The window "ADIF-Import" through its controller: file choice, the field lists, the
// mapping by drop, Start and Abbruch.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QListWidget>
#include <QTest>

#include "contest/contestrules.h"
#include "foundation/cp1252.h"
#include "foundation/kvbitbtn.h"
#include "foundation/testdesktop.h"
#include "log/adifimportctrl.h"
#include "log/adifimportform.h"
#include "support/testdir.h"

namespace {

QStringList L(std::initializer_list<const char*> texts) {
  QStringList out;
  for (const char* t : texts) out << Q(t);
  return out;
}

QStringList Items(const QListWidget* list) {
  QStringList out;
  for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
  return out;
}

class AdifImportForm : public ::testing::Test {
 protected:
  void SetUp() override {
    QFile f(QStringLiteral("log.ADIF"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<EOH>\n<CALL:6>DL1ABC <MODE:2>CW <STATE:3>Q05 <EOR>\n");
  }
  static TContestRec Def(const char* c1, const char* c2 = "", const char* c3 = "") {
    TContestInputs in;
    in.Code = 'd';
    TContestRec def = BuildContestDefinition(in);
    def.ExchangeCaption[1] = c1;
    def.ExchangeCaption[2] = c2;
    def.ExchangeCaption[3] = c3;
    return def;
  }
  TTestDir dir_;
  TTestDesktop desk_;
};

TEST_F(AdifImportForm, MappingAndStart) {
  TContestAdifimportCtrl ctrl(nullptr, Def("DOK"));
  desk_.FilesToOpen.push_back(QStringLiteral("log.ADIF"));
  desk_.DialogHandler = [&](QDialog& d) {
    auto& f = static_cast<TContestAdifimportForm&>(d);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("ADIF-Import"));
    EXPECT_EQ(f.size(), QSize(521, 426));
    EXPECT_FALSE(f.btnimportstart->isEnabled());
    // Start is drawn disabled while it is: its caption greyed as on any disabled button.
    const QPalette start = f.btnimportstart->palette();
    EXPECT_NE(start.color(QPalette::Disabled, QPalette::ButtonText),
              start.color(QPalette::Active, QPalette::ButtonText));
    EXPECT_EQ(start.color(QPalette::Disabled, QPalette::ButtonText),
              QApplication::palette().color(QPalette::Disabled, QPalette::ButtonText));
    QTest::mouseClick(f.btndatei, Qt::LeftButton);
    EXPECT_EQ(Items(f.ListeLinks), L({"CALL", "MODE", "STATE"}));
    EXPECT_EQ(Items(f.ListeRechtsLB), L({"CALL", "QSO_DATE", "TIME_ON", "RST_SENT", "RST_RCVD",
                                         "BAND", "FREQ", "MODE", "DOK"}));
    EXPECT_FALSE(f.MapField("FREQ", "NOPE"));
    EXPECT_TRUE(f.MapField("DOK", "STATE"));
    EXPECT_TRUE(f.btnimportstart->isEnabled());
    // A mapped entry takes no second field, and the used field left the left list.
    f.ListeLinks->setCurrentRow(0);
    EXPECT_FALSE(f.DropOnRow(8));
    EXPECT_FALSE(f.DropOnRow(42));
    EXPECT_TRUE(f.MapField("CALL", "CALL"));
    EXPECT_EQ(Items(f.ListeLinks), L({"MODE"}));
    f.checkkeincheck->setChecked(true);
    QTest::mouseClick(f.btnimportstart, Qt::LeftButton);
    return f.result();
  };
  ASSERT_TRUE(ctrl.Execute());
  EXPECT_FALSE(ctrl.Check);
  ASSERT_EQ(ctrl.Mapping.size(), 9u);
  EXPECT_EQ(ctrl.Mapping[0], "CALL (CALL)");
  EXPECT_EQ(ctrl.Mapping[8], "DOK (STATE)");
  ASSERT_TRUE(ctrl.Records.has_value());
  EXPECT_EQ(ctrl.Records->size(), 1u);
}

TEST_F(AdifImportForm, ExchangeCaptionsOfTheContest) {
  struct Case {
    TContestRec def;
    QStringList extra;
  } cases[] = {{Def(""), L({"SRX"})},
               {Def("Nr", "Loc", "Name"), L({"Loc", "Name", "Nr"})},
               // Equal to a log field in another case: not listed twice.
               {Def("call", "mode"), L({})}};
  for (const Case& c : cases) {
    TContestAdifimportCtrl ctrl(nullptr, c.def);
    desk_.DialogHandler = [&](QDialog& d) {
      auto& f = static_cast<TContestAdifimportForm&>(d);
      EXPECT_EQ(Items(f.ListeRechtsLB).mid(8), c.extra);
      return 2;
    };
    EXPECT_FALSE(ctrl.Execute());
  }
}

TEST_F(AdifImportForm, CancelAndMissingFile) {
  TContestAdifimportCtrl ctrl(nullptr, Def("DOK"));
  desk_.FilesToOpen = {QStringLiteral("log.ADIF"), QStringLiteral("gone.adi")};
  desk_.DialogHandler = [&](QDialog& d) {
    auto& f = static_cast<TContestAdifimportForm&>(d);
    QTest::mouseClick(f.btndatei, Qt::LeftButton);
    QTest::mouseClick(f.btndatei, Qt::LeftButton);
    // The missing file leaves the lists of the first one.
    EXPECT_EQ(f.ListeLinks->count(), 3);
    EXPECT_TRUE(f.MapField("CALL", "CALL"));
    QTest::mouseClick(f.BitBtn1, Qt::LeftButton);
    return f.result();
  };
  EXPECT_FALSE(ctrl.Execute());
  EXPECT_EQ(desk_.Texts(TMessageKind::Notice), L({"Datei existiert nicht"}));
  EXPECT_TRUE(ctrl.Mapping.empty());

  // Start without a file read: nothing to import.
  TContestAdifimportCtrl none(nullptr, Def("DOK"));
  desk_.DialogHandler = [](QDialog&) { return 1; };
  EXPECT_FALSE(none.Execute());
}

}  // namespace
