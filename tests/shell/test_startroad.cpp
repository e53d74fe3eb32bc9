// The road of one contest through the running program: a first start leads into a new
// contest, the configuration dialog stores it and hands over to the log window, and the
// dialog comes back for review. Everything on real files, the dialog driven offscreen.
#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "browser/kvbrow.h"
#include "contest/contestbrowctrl.h"
#include "contest/contestfkt.h"
#include "contest/eingconteststdform.h"
#include "foundation/cp1252.h"
#include "foundation/kvedit.h"
#include "foundation/testdesktop.h"
#include "shell/contestbrow.h"
#include "tables/contestrecs.h"
#include "tables/contesttables.h"
#include "tables/setups.h"
#include "tables/tablesfixture.h"

namespace {

class StartRoad : public TablesTest {
 protected:
  void SetUp() override {
    TablesTest::SetUp();
    Setups().SetOwnCall("DK2ZZ");
    TContestFkt::SetContestLogRunner(
        [this](QWidget*, int32_t number, TContestRec& def, TdbContest&, TdbContest&) {
          logsOpened_.push_back(number);
          loggedContest_ = def.ContestName;
        });
  }
  void TearDown() override {
    TContestFkt::SetContestLogRunner(nullptr);
    TablesTest::TearDown();
  }

  TTestDesktop desk_;
  std::vector<int32_t> logsOpened_;
  std::string loggedContest_;
};

TEST_F(StartRoad, FirstStartCreatesAContestStartsItsLogAndReviewsIt) {
  int dialogs = 0;
  bool reviewHidStart = false;
  desk_.DialogHandler = [&](QDialog& d) {
    auto& form = static_cast<TEingContestStdForm&>(d);
    form.show();
    ++dialogs;
    if (dialogs == 1) {
      form.eName->clear();
      QTest::keyClicks(form.eName, Q("Saar 2026"));
      // The operator's address as typed on a first start.
      for (auto [edit, text] : {std::pair{form.ePLZ, "66111"},
                                {form.eOrt, "Saarbruecken"},
                                {form.ecname, "Erika Muster"},
                                {form.eCall, "DK2ZZ"}}) {
        edit->clear();
        QTest::keyClicks(edit, Q(text));
      }
      form.rZeitUTC->setChecked(true);
      QTest::mouseClick(form.categories->buttons().first(), Qt::LeftButton);
      QTest::mouseClick(form.btnstart, Qt::LeftButton);
    } else {
      reviewHidStart = !form.btnstart->isVisible();
      QTest::mouseClick(form.btnOK, Qt::LeftButton);
    }
    return form.result();
  };

  TContestBrow window;
  window.resize(1006, 600);
  window.StartWhenEmpty();

  EXPECT_TRUE(desk_.Texts(TMessageKind::Warning).isEmpty())
      << S(desk_.Texts(TMessageKind::Warning).join(Q("|")));
  // New contest, then the review after the log window closed.
  EXPECT_EQ(dialogs, 2);
  EXPECT_TRUE(reviewHidStart);
  ASSERT_EQ(logsOpened_.size(), 1u);
  EXPECT_EQ(loggedContest_.rfind("SAAR-Contest", 0), 0u) << loggedContest_;

  // The contest is stored with its configuration and is the list's current row.
  TdbContest list(TdbContestBase::kList);
  ASSERT_TRUE(list.FindNumber(logsOpened_[0]));
  EXPECT_EQ(list.GetListRec().Name(), "Saar 2026");
  EXPECT_EQ(list.GetListRec().Typ(), 'd');
  EXPECT_TRUE(TdbContest(TdbContestBase::kConfig).FindNumber(logsOpened_[0]));
  EXPECT_EQ(window.Brow()->CurrentRef(), list.CurrentRef());
}

TEST_F(StartRoad, CancelledNewContestStoresNothingAndOpensNoLog) {
  desk_.DialogHandler = [](QDialog& d) {
    auto& form = static_cast<TEingContestStdForm&>(d);
    QTest::mouseClick(form.btnAbbruch, Qt::LeftButton);
    return 2;
  };
  TContestBrow window;
  window.StartWhenEmpty();
  EXPECT_TRUE(logsOpened_.empty());
  EXPECT_EQ(TdbContest(TdbContestBase::kList).RecordCount(), 0);
  EXPECT_FALSE(window.Brow()->HasRecords());
}

// The dialog belongs to the main window, and the keys go to the list once it closed, so
// the operator can go on with the arrow keys and Enter.
TEST_F(StartRoad, TheListHasTheKeyboardFocusAfterTheDialogCloses) {
  QWidget* owner = nullptr;
  desk_.DialogHandler = [&](QDialog& d) {
    owner = d.parentWidget();
    d.show();
    d.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
    QTest::mouseClick(static_cast<TEingContestStdForm&>(d).btnAbbruch, Qt::LeftButton);
    d.hide();
    return 2;
  };
  TContestBrow window;
  window.resize(1006, 600);
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  // The button that opened the dialog had the focus.
  for (QWidget* w : window.findChildren<QWidget*>()) {
    if (w->focusPolicy() != Qt::NoFocus && w->isVisible() && !window.Brow()->isAncestorOf(w) &&
        w != window.Brow()) {
      w->setFocus();
      break;
    }
  }
  ASSERT_FALSE(window.Brow()->isAncestorOf(QApplication::focusWidget()));
  window.btnNeubm3Click();
  QApplication::processEvents();
  EXPECT_EQ(owner, &window);
  QWidget* focus = QApplication::focusWidget();
  ASSERT_NE(focus, nullptr);
  EXPECT_TRUE(focus == window.Brow() || window.Brow()->isAncestorOf(focus));
}

}  // namespace
