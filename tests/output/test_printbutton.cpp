// "Drucken / E-Log" of the configuration dialog stores the contest and opens the output
// menu registered at start-up; the chosen export reads the stored contest.
#include <gtest/gtest.h>

#include <QAction>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "contest/eingconteststd.h"
#include "contest/eingconteststdform.h"
#include "foundation/cp1252.h"
#include "foundation/kvedit.h"
#include "log/logrecalc.h"
#include "output/outputfixture.h"
#include "output/outputmenu.h"
#include "tables/setups.h"

namespace {

class PrintButton : public OutputTest {
 protected:
  void TearDown() override {
    outputmenu::SetMenuRunner(nullptr);
    OutputTest::TearDown();
  }
};

TEST_F(PrintButton, StoresTheNewContestThenWritesTheChosenCsv) {
  ToSetupEigeneStation station;
  station.SetPostcodeTown("66111 Saarbrücken");
  station.SetStreet("Hauptstraße 1");
  station.SetName("Erika Muster");
  station.SetEmail("DL1ABC@EXAMPLE.ORG");
  Setups().SetEigeneStation(station);
  QPoint menuAt;
  QPoint buttonAt;
  outputmenu::SetMenuRunner([&](QMenu& menu, const QPoint& at) {
    menuAt = at;
    return menu.findChild<QAction*>(QStringLiteral("DruckCSV"));
  });
  desktop_.FilesToSave.push_back(Q(dir_.File("saar.CSV")));
  desktop_.DialogHandler = [&](QDialog& d) {
    auto& f = static_cast<TEingContestStdForm&>(d);
    f.show();
    f.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&f));
    f.eName->clear();
    QTest::keyClicks(f.eName, QStringLiteral("Saar 2026"));
    f.rZeitUTC->setChecked(true);
    QTest::mouseClick(f.categories->buttons().first(), Qt::LeftButton);
    buttonAt = f.btnDruck->mapToGlobal(QPoint(0, 0));
    QTest::mouseClick(f.btnDruck, Qt::LeftButton);
    return 2;
  };
  TEingContestStd::Run(false, false, 'd', *list_, *config_);
  EXPECT_EQ(menuAt, buttonAt);
  const std::string csv = ReadFile(dir_.File("saar.CSV"));
  EXPECT_EQ(csv.substr(0, 9), "DATE;UTC;");
  EXPECT_TRUE(Notices().contains(Q("Datei " + dir_.File("saar.CSV") + " wurde erstellt.")));
}

// The dialog of a contest whose log was saved to after its summary was stored (its
// program ended without the close) shows, and so exports, the log counted again; an
// unchanged log keeps its stored summary.
TEST_F(PrintButton, ALogChangedSinceItsSummaryIsCountedAgainBeforeTheDialog) {
  MakeContest('d', 1);
  AddQso({.Call = "DL1AAA"});
  AddQso({.Call = "DL2BBB"});
  for (const bool marked : {false, true}) {
    SCOPED_TRACE(marked ? "marked" : "unchanged");
    if (marked) {
      TdbContest log(TdbContestBase::kQsoLog, 0, contest_);
      ASSERT_TRUE(recalcmark::Set(log));
    }
    QString shown;
    desktop_.DialogHandler = [&](QDialog& d) {
      shown = static_cast<TEingContestStdForm&>(d).lQsoTotal->text();
      return 2;
    };
    ASSERT_TRUE(list_->FindNumber(contest_));
    TEingContestStd::Run(true, true, 'd', *list_, *config_);
    EXPECT_TRUE(shown.startsWith(marked ? QStringLiteral("2 ") : QStringLiteral("0 "))) << S(shown);
    ASSERT_TRUE(list_->FindNumber(contest_));
    EXPECT_EQ(list_->GetListRec().RowQsos(1), marked ? 2 : 0);
    TdbContest log(TdbContestBase::kQsoLog, 0, contest_);
    EXPECT_FALSE(recalcmark::IsSet(log));
  }
}

}  // namespace
