// The correction list, the call search and the band list on a real log: where each view
// opens, what it lists, the widths the views share, and edit and delete through the log
// window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QTest>

#include "browser/kvbrow.h"
#include "editfixture.h"
#include "foundation/cp1252.h"
#include "foundation/kvbitbtn.h"
#include "foundation/kvedit.h"
#include "foundation/kvmousegrid.h"
#include "log/eingabestd2form.h"
#include "log/korrekturstd.h"
#include "log/logstate.h"
#include "reference/baender.h"

namespace {

class CorrectionList : public EditTest {
 protected:
  // The references of the rows the list shows.
  static std::vector<int32_t> Rows(TKorrekturstd& list) {
    // Shown, the page holds as many rows as the grid has room for.
    list.show();
    QApplication::processEvents();
    std::vector<int32_t> refs;
    const TKBrowser* page = list.Brow->Page();
    for (int i = 1; page && i <= page->FilledRows(); ++i) refs.push_back(page->Row(i).Ref);
    return refs;
  }
  int32_t CurrentRef(const TKorrekturstd& list) const { return list.Brow->CurrentRef(); }
  // Five QSOs: three on 40 m, two on 80 m.
  std::vector<int32_t> FiveQsos() {
    std::vector<int32_t> n;
    int i = 0;
    for (const char* call : {"DL1AA", "DL2BB", "DL3CC", "DL4DD", "DL5EE"})
      n.push_back(Add({.Call = call, .Band = i < 3 ? 'c' : 'b', .Time = 3600 + 60 * i++}));
    return n;
  }
  static TContestRec TwoBands() {
    TContestRec def = Def('d');
    def.Bands.Fill(0);
    def.Bands[1] = 'b';
    def.Bands[2] = 'c';
    return def;
  }
};

TEST_F(CorrectionList, TheKeysOpenTheViewsTheCorrectionListOnTheLastQso) {
  FiveQsos();
  TContestLogStd& w = Open('d', TwoBands());
  w.show();
  w.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  std::vector<std::pair<int, int32_t>> opened;  // view, current reference
  desk_.DialogHandler = [&](QDialog& d) {
    if (auto* list = dynamic_cast<TKorrekturstd*>(&d))
      opened.emplace_back(list->View(), CurrentRef(*list));
    return 2;
  };
  QTest::keyClick(w.eCall, Qt::Key_F12);
  QTest::keyClick(w.eCall, Qt::Key_W, Qt::AltModifier);
  QTest::keyClick(w.eCall, Qt::Key_F4);
  w.SwitchPanels(false);  // the band log belongs to the list side
  w.btnBandliste->click();
  ASSERT_EQ(opened.size(), 4u);
  const int32_t last = RefOf(5);
  EXPECT_EQ(opened[0], std::make_pair(0, last));
  EXPECT_EQ(opened[1], std::make_pair(0, last));
  EXPECT_EQ(opened[2].first, 1);
  EXPECT_EQ(opened[3].first, 2);
}

TEST_F(CorrectionList, TheBandPickPreselectsTheWindowsBandAndACancelStillOpensOnIt) {
  FiveQsos();
  TContestLogStd& w = Open('d', TwoBands());
  std::string preselected;
  OnDialog<Tstdband>([&](Tstdband& pick) {
    preselected = S(pick.listband->currentItem()->text());
    return 2;
  });
  TKorrekturstd list(w, TKorrekturstd::kBandList, 'b', *list_, TwoBands());
  EXPECT_EQ(preselected, oBaender->BandNameOf('b', false));
  EXPECT_EQ(Rows(list), std::vector<int32_t>({RefOf(4), RefOf(5)}));
  EXPECT_EQ(CurrentRef(list), RefOf(5));
  // Another band chosen with Enter.
  OnDialog<Tstdband>([&](Tstdband& pick) {
    pick.listband->setCurrentRow(1);
    QTest::keyClick(pick.listband, Qt::Key_Return);
    return pick.result();
  });
  TKorrekturstd forty(w, TKorrekturstd::kBandList, 'b', *list_, TwoBands());
  EXPECT_EQ(Rows(forty), std::vector<int32_t>({RefOf(1), RefOf(2), RefOf(3)}));
}

TEST_F(CorrectionList, TheCallSearchListsEveryFormOfTheCallAndNoOther) {
  std::vector<int32_t> wanted;
  int minute = 0;
  for (const char* call : {"DL1ABC", "DK1ABC", "DL1ABC/P", "DL1ABCD", "EA8/DL1ABC", "DL1AB"}) {
    const int32_t n = Add({.Call = call, .Time = 3600 + 60 * minute++});
    if (std::string(call).find("DL1ABC") != std::string::npos && std::string(call) != "DL1ABCD")
      wanted.push_back(n);
  }
  TContestLogStd& w = Open('d', Def('d'));
  OnDialog<TSucheQE_>([](TSucheQE_& search) {
    QTest::keyClicks(search.eSuche, QStringLiteral("dl1abc"));
    search.btnendeho3Click();
    return search.result();
  });
  TKorrekturstd list(w, TKorrekturstd::kCallSearch, 'c', *list_, Def('d'));
  std::vector<int32_t> rows = Rows(list);
  std::vector<int32_t> expected;
  for (int32_t n : wanted) expected.push_back(RefOf(n));
  std::sort(rows.begin(), rows.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(rows, expected);
}

TEST_F(CorrectionList, AWidthChangedInOneViewIsRestoredInTheOthers) {
  FiveQsos();
  TContestLogStd& w = Open('d', TwoBands());
  desk_.DialogHandler = [](QDialog&) { return 2; };
  int col = 0, width = 0;
  {
    TKorrekturstd list(w, TKorrekturstd::kCorrection, 'c', *list_, TwoBands());
    ASSERT_GT(list.Brow->ColCount(), 3);
    col = list.Brow->FixedColCount() + 1;
    width = list.Brow->ColWidth(col) + 37;
    list.Brow->Grid()->SetColWidth(col, width);
  }
  for (int view : {TKorrekturstd::kBandList, TKorrekturstd::kCallSearch}) {
    TKorrekturstd list(w, view, 'c', *list_, TwoBands());
    EXPECT_EQ(list.Brow->ColWidth(col), width) << view;
  }
  // The log window's own list takes the width over from a view it opened, and the next
  // view the width the window's list was given.
  desk_.DialogHandler = [&](QDialog& d) {
    if (auto* list = dynamic_cast<TKorrekturstd*>(&d))
      list->Brow->Grid()->SetColWidth(col, width + 5);
    return 2;
  };
  w.btnKorrektur->click();
  EXPECT_EQ(w.Brow->ColWidth(col), width + 5);
  w.Brow->Grid()->SetColWidth(col, width + 9);
  desk_.DialogHandler = [&](QDialog& d) {
    if (auto* list = dynamic_cast<TKorrekturstd*>(&d)) {
      EXPECT_EQ(list->Brow->ColWidth(col), width + 9);
    }
    return 2;
  };
  w.btnKorrektur->click();
}

TEST_F(CorrectionList, DeletingRenumbersAsTheWindowsDeleteAndBandChangeLinesAreNotEdited) {
  FiveQsos();
  const int32_t qsy = Add({.Call = "", .Band = 'b', .Time = 7200, .BandChange = 'b'});
  TContestLogStd& w = Open('d', TwoBands());
  int edits = 0;
  OnDialog<TContestEingabeStd2Form>([&](TContestEingabeStd2Form&) { return ++edits, 1; });
  TKorrekturstd list(w, TKorrekturstd::kCorrection, 'c', *list_, TwoBands());
  list.Brow->GotoRecord(RefOf(qsy));
  list.BrowBrowEnter();
  EXPECT_EQ(edits, 0);
  list.Brow->GotoRecord(RefOf(2));
  list.BrowBrowEnter();
  EXPECT_EQ(edits, 1);
  list.Brow->GotoRecord(RefOf(3));
  EXPECT_TRUE(list.BrowDatensatz_Loeschen());
  std::vector<std::string> calls;
  for (int32_t n = 1; n <= 5; ++n)
    if (RefOf(n) > 0) calls.push_back(Stored(n).Call());
  // The band-change line goes with the renumbering, as after the window's delete.
  EXPECT_EQ(calls, std::vector<std::string>({"DL1AA", "DL2BB", "DL4DD", "DL5EE"}));
  EXPECT_EQ(w.LogState->BandQsos['c'], 2);
  EXPECT_FALSE(Rows(list).empty());
}

}  // namespace
