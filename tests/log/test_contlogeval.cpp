// The log window opens the evaluation charts (F11 and the evaluation button), keeps
// their window geometry between calls, and shows the worked tables in its lower right
// corner.
#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

#include "browser/kvbrow.h"
#include "foundation/cp1252.h"
#include "foundation/kvbitbtn.h"
#include "foundation/kvedit.h"
#include "foundation/kvpanel.h"
#include "log/contlogstd.h"
#include "log/kvstattabelle.h"
#include "log/logfixture.h"
#include "log/logwindowtyping.h"
#include "output/coverlog.h"
#include "output/partyausw.h"
#include "output/wagausw.h"

namespace {

constexpr int32_t kStart = 155000;

class LogEval : public LogTest {
 protected:
  void SetUp() override {
    LogTest::SetUp();
    config_ = std::make_unique<TdbContest>(TdbContestBase::kConfig);
    // Every chart window run is recorded and moved, as the operator would move it.
    desk_.DialogHandler = [this](QDialog& d) {
      shown_.push_back(d.metaObject()->className());
      seen_.push_back(d.geometry());
      owners_.push_back(d.parentWidget());
      d.move(130, 70 + 10 * int(shown_.size()));
      d.resize(700, 420);
      if (auto* party = qobject_cast<Tpartyauswertungform*>(&d))
        partyEmpty_ = HasLabel(*party->panelausw, "keine gültigen QSO im Log");
      return 2;
    };
  }
  void TearDown() override {
    window_.reset();
    config_.reset();
    LogTest::TearDown();
  }

  static bool HasLabel(const TChartPanel& panel, const std::string& text) {
    for (const TChartLabel& l : panel.Chart().Labels)
      if (l.Text == text) return true;
    return false;
  }

  // The list and configuration records of contest 1 for the code (start date as given),
  // a QSO of three membership years in the log, and the window on them.
  TContestLogStd& Open(char code, int32_t startDate) {
    SetList(code);
    TContestListRec r = list_->GetListRec();
    r.SetDatumVon(startDate);
    list_->SetListRec(r);
    logtyping::StoreLogRecords(*list_, *config_, kContest);
    EXPECT_TRUE(coverlog::Add(*qsos_, coverlog::At(kStart, 16 * 3600).Rcvd("59903")));
    window_ = std::make_unique<TContestLogStd>(kContest, *config_, *list_, Def(code));
    logtyping::ShowActive(*window_);
    return *window_;
  }

  TTestDesktop desk_;
  std::unique_ptr<TdbContest> config_;
  std::unique_ptr<TContestLogStd> window_;
  std::vector<std::string> shown_;
  std::vector<QRect> seen_;
  std::vector<QWidget*> owners_;
  bool partyEmpty_ = true;
};

class LogEvalF11 : public LogEval, public testing::WithParamInterface<std::pair<char, bool>> {};

TEST_P(LogEvalF11, OpensTheMembershipChartOnlyForItsContests) {
  const auto [code, opens] = GetParam();
  TContestLogStd& w = Open(code, kStart);
  QTest::keyClicks(w.eCall, QStringLiteral("DL1AA"));
  w.FieldsToRecord();
  QTest::keyClick(logtyping::Focus(), Qt::Key_F11);
  ASSERT_EQ(shown_.size(), opens ? 1u : 0u);
  // The entry being typed survives the chart's walk over the log.
  EXPECT_EQ(w.eCall->text(), QStringLiteral("DL1AA"));
  EXPECT_EQ(w.GetQsoRecord().Call(), "DL1AA");
  if (!opens) return;
  EXPECT_EQ(shown_[0], "Tpartyauswertungform");
  EXPECT_FALSE(partyEmpty_) << "the log's QSO was counted";
}

INSTANTIATE_TEST_SUITE_P(Codes, LogEvalF11,
                         testing::Values(std::pair{'P', true}, std::pair{'5', true},
                                         std::pair{'W', false}, std::pair{'d', false}));

TEST_F(LogEval, TheChartWindowComesBackWhereItWasClosed) {
  TContestLogStd& w = Open('P', kStart);
  EXPECT_EQ(w.EvalGeometry.Width, 0);
  QTest::keyClick(logtyping::Focus(), Qt::Key_F11);
  EXPECT_EQ(w.EvalGeometry.Left, 130);
  EXPECT_EQ(w.EvalGeometry.Top, 80);
  EXPECT_EQ(w.EvalGeometry.Width, 700);
  EXPECT_EQ(w.EvalGeometry.Height, 420);
  w.btnauswertungClick();
  ASSERT_EQ(seen_.size(), 2u);
  EXPECT_EQ(seen_[1], QRect(130, 80, 700, 420));
  EXPECT_EQ(w.EvalGeometry.Top, 90);
  // The chart is the log window's own, whichever key or button opened it.
  EXPECT_EQ(owners_, std::vector<QWidget*>(2, &w));
}

TEST_F(LogEval, TheEvaluationButtonOfWagOpensThePerHourChart) {
  TContestLogStd& w = Open('W', kStart);
  ASSERT_TRUE(w.btnauswertung->isVisible());
  w.btnauswertung->click();
  ASSERT_EQ(shown_.size(), 1u);
  EXPECT_EQ(shown_[0], "Twagauswertungform");
  EXPECT_EQ(w.EvalGeometry.Width, 700);
  // F11 belongs to the membership chart only.
  QTest::keyClick(logtyping::Focus(), Qt::Key_F11);
  EXPECT_EQ(shown_.size(), 1u);
}

TEST_F(LogEval, WithoutStartDateTheButtonWarnsAndOpensNothing) {
  TContestLogStd& w = Open('W', 0);
  w.btnauswertung->click();
  EXPECT_TRUE(shown_.empty());
  EXPECT_TRUE(desk_.Texts(TMessageKind::Warning)
                  .contains(QStringLiteral("Der Beginn des Contestes wurde nicht angegeben.")));
  EXPECT_EQ(w.EvalGeometry.Width, 0);
}

TEST_F(LogEval, TheWorkedTablesStandBesideTheListWhenItIsWideEnough) {
  TContestLogStd& w = Open('d', kStart);
  w.resize(1400, 900);
  QApplication::processEvents();
  ASSERT_TRUE(w.StatTabelle->isVisible());
  EXPECT_EQ(w.lStatistik->text(), QStringLiteral("Hauptlog-Statistik:"));
  // Caption above the panel, both right of the list, the panel at the log panel's right edge.
  const QRect panel = w.StatTabelle->geometry();
  EXPECT_EQ(panel.right() + 1, w.PanelUnten->width());
  EXPECT_GT(panel.top(), w.lStatistik->geometry().bottom());
  EXPECT_EQ(w.lStatistik->x(), panel.left());
  EXPECT_LT(w.Brow->mapTo(w.PanelUnten, QPoint(w.Brow->width(), 0)).x(), panel.left());
  EXPECT_LE(panel.bottom(), w.btnAendern->y());
  // Too narrow: the list keeps its width and the tables give way.
  w.resize(1006, 700);
  QApplication::processEvents();
  EXPECT_FALSE(w.StatTabelle->isVisible());
  EXPECT_FALSE(w.lStatistik->isVisible());
  EXPECT_EQ(w.Brow->width(), w.PanelUnten->width());
}

}  // namespace
