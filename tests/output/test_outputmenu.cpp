// The output menu: its entries by the contest's output items, the ADIF notice, and jobs
// run from it through the dispatcher.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <algorithm>

#include "contest/eingconteststd.h"
#include "foundation/cp1252.h"
#include "output/outputfixture.h"
#include "output/outputjobs.h"
#include "output/outputmenu.h"

namespace {

using outputmenu::TEntry;

// The names of the enabled entries, sorted.
std::vector<std::string> Enabled(const std::vector<TEntry>& entries) {
  std::vector<std::string> out;
  for (const TEntry& e : entries)
    if (e.Enabled) out.push_back(e.Name);
  std::sort(out.begin(), out.end());
  return out;
}

std::vector<std::string> Sorted(std::vector<std::string> v) {
  std::sort(v.begin(), v.end());
  return v;
}

TEST(OutputMenuEntries, ContestWithoutOutputItemsOffersTheTotalFileAndCsvOnly) {
  TContestRec def;
  const std::vector<TEntry> entries = outputmenu::Entries(def);
  ASSERT_EQ(entries.size(), 14u);
  EXPECT_EQ(Enabled(entries), Sorted({"ELogGesamtdatei1", "DruckCSV"}));
  EXPECT_EQ(entries[1].Caption, "STF-Datei");
  EXPECT_EQ(entries[2].Caption, "EDI-Datei");
  EXPECT_EQ(entries[0].Caption, "Cabrillo-Datei (empfohlen)");
}

TEST(OutputMenuEntries, EachOutputItemEnablesItsEntry) {
  struct {
    int Item;
    const char* Name;
    uint8_t Job;
  } const cases[] = {{1, "DruckELogDeckblatt", 6},
                     {2, "DruckELogListe", 7},
                     {3, "DruckSTF", 8},
                     {4, "DruckADIF", 9},
                     {5, "DruckPapierDeckblatt", 0},
                     {6, "DruckPapierListe", 4},
                     {7, "DruckPapierBandliste", 3},
                     {8, "DruckPapierMultiListe", 2},
                     {9, "DruckCabrillo", 10},
                     {10, "DruckEBandliste", 11},
                     {12, "DruckEMultiliste", 14},
                     {13, "DruckEDI", 15}};
  for (const auto& c : cases) {
    TContestRec def;
    def.OutputMenuItems.set(size_t(c.Item));
    const std::vector<TEntry> entries = outputmenu::Entries(def);
    EXPECT_EQ(Enabled(entries), Sorted({c.Name, "ELogGesamtdatei1", "DruckCSV"})) << c.Item;
    for (const TEntry& e : entries)
      if (std::string(e.Name) == c.Name) {
        EXPECT_EQ(e.Job, c.Job) << c.Name;
      }
  }
  TContestRec def;
  def.OutputMenuItems.set(3);
  def.OutputMenuItems.set(13);
  EXPECT_EQ(outputmenu::Entries(def)[1].Caption, "STF-Datei (empfohlen)");
  EXPECT_EQ(outputmenu::Entries(def)[2].Caption, "EDI-Datei (empfohlen)");
}

class OutputMenu : public OutputTest {
 protected:
  void TearDown() override {
    outputmenu::SetMenuRunner(nullptr);
    OutputTest::TearDown();
  }
  // The menu as shown, and the action chosen by its object name.
  void Choose(const char* name) {
    outputmenu::SetMenuRunner([this, name](QMenu& menu, const QPoint&) -> QAction* {
      shown_.clear();
      for (QAction* a : menu.actions())
        shown_ << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
      return menu.findChild<QAction*>(QString::fromLatin1(name));
    });
  }
  QStringList shown_;
};

TEST_F(OutputMenu, ConfigurationDialogHookShowsTheMenuWithItsSeparators) {
  MakeContest('d');
  ASSERT_EQ(TEingContestStd::OutputMenu, &outputmenu::ShowOutputMenu);
  Choose("nothing");
  TEingContestStd::OutputMenu(*list_, *config_);
  EXPECT_EQ(shown_.join(QLatin1Char(' ')),
            QStringLiteral("DruckCabrillo DruckSTF DruckEDI - ELogGesamtdatei1 DruckELogDeckblatt "
                           "DruckELogListe DruckEBandliste DruckEMultiliste - DruckADIF DruckCSV - "
                           "DruckPapierDeckblatt DruckPapierListe DruckPapierBandliste "
                           "DruckPapierMultiListe"));
  EXPECT_TRUE(desktop_.Messages.empty());
}

TEST_F(OutputMenu, AdifNoticeComesBeforeEveryAdifExport) {
  MakeContest('d');
  AddQso({.Call = "DL1AAA"});
  Choose("DruckADIF");
  for (int i = 0; i < 2; ++i) {
    desktop_.FilesToSave.push_back(Q(dir_.File("log.ADI")));
    TEingContestStd::OutputMenu(*list_, *config_);
  }
  QStringList kinds;
  for (const TMessage& m : desktop_.Messages)
    kinds << (m.Kind == TMessageKind::NoticeContinue ? QStringLiteral("adif")
              : m.Kind == TMessageKind::Question     ? QStringLiteral("rst")
                                                     : m.Text.left(10));
  EXPECT_EQ(kinds.join(QLatin1Char('|')),
            QStringLiteral("adif|Geben Sie |rst|Datei /tmp|adif|Geben Sie |rst|Datei /tmp"));
  EXPECT_EQ(desktop_.Messages[0].Text,
            Q("Achtung: Bitte die Ausschreibung beachten, ob ADIF-Dateien erwünscht sind und "
              "akzeptiert werden."));
  EXPECT_EQ(desktop_.Messages[0].Caption, QStringLiteral("Contest"));
  EXPECT_EQ(desktop_.Messages[0].Title, QStringLiteral("Exportdatei"));
}

TEST_F(OutputMenu, DisabledEntryRunsNoJob) {
  MakeContest('d');
  Choose("DruckEDI");  // not an output item of 'd'
  TEingContestStd::OutputMenu(*list_, *config_);
  EXPECT_TRUE(desktop_.Messages.empty());
}

TEST_F(OutputMenu, TotalFileHoldsTheBandLogForNavalAndTheQsoListOtherwise) {
  for (char code : {'i', 'd'}) {
    MakeContest(code);
    def_.Bands[1] = 'b';
    AddQso({.Call = "DL1AAA"});
    const std::string txt = RunJob(12, std::string(1, code) + ".TXT");
    EXPECT_EQ(txt.find("Band-Log 80 m") != std::string::npos, code == 'i') << code;
    EXPECT_EQ(txt.find("QSO-Liste") != std::string::npos, code != 'i') << code;
  }
  EXPECT_EQ(Notices().filter(QStringLiteral("wurde erstellt")).size(), 2);
}

TEST_F(OutputMenu, CancelledDialogsWriteNothing) {
  MakeContest('d');
  AddQso({.Call = "DL1AAA"});
  outputjobs::RunOutputJob(7, def_, *list_, *config_);  // save dialog cancelled
  desktop_.PrinterAccepted = false;
  outputjobs::RunOutputJob(4, def_, *list_, *config_);  // print dialog cancelled
  EXPECT_TRUE(Errors().isEmpty());
  EXPECT_TRUE(Notices().filter(QStringLiteral("erstellt")).isEmpty());
  EXPECT_EQ(desktop_.DialogsRun, 0);
}

}  // namespace
