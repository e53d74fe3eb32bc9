// The membership-age and per-hour evaluations: counting, scale and bars, and the windows
// as they are drawn.
#include <gtest/gtest.h>

#include <QFrame>
#include <QImage>
#include <QRadioButton>
#include <QTest>

#include "coverlog.h"
#include "foundation/daynumber.h"
#include "foundation/kvbitbtn.h"
#include "foundation/testdesktop.h"
#include "log/evalhooks.h"
#include "output/evalchart.h"
#include "output/partyausw.h"
#include "output/wagausw.h"

namespace {

constexpr int32_t kStart = 155000;  // any day number; 15 UTC of it opens the contest hours
constexpr int H = 3600;

TEST(EvalChart, ScaleIsAtLeastTenAndAMultipleOfTen) {
  const std::pair<int, int> cases[] = {{0, 0},   {1, 10},  {7, 10},  {10, 10},
                                       {11, 20}, {23, 30}, {40, 40}, {41, 50}};
  for (auto [largest, scale] : cases) EXPECT_EQ(evalchart::ScaleMax(largest), scale) << largest;
}

TEST(EvalChart, BarTopsAndValueLabels) {
  EXPECT_EQ(evalchart::BarTop(30, 23), 50 + (7 * 200) / 30);
  EXPECT_EQ(evalchart::BarTop(10, 10), 50);
  TChart chart;
  evalchart::AddValueLabels(chart, 30);
  ASSERT_EQ(chart.Labels.size(), 10u);
  EXPECT_EQ(chart.Labels.front().Text, " 30");
  EXPECT_EQ(chart.Labels.front().Y, 45);
  EXPECT_EQ(chart.Labels.back().Text, "  3");
  EXPECT_EQ(chart.Labels.back().Y, 225);
}

struct TAgeCase {
  const char* Received;
  int Step;
  int Place;  // -1: passed over
};

TEST(EvalCount, MembershipYearsByStep) {
  const TAgeCase cases[] = {
      {"599XX", 1, 1},   {"599XX", 10, 1}, {"59907", 1, 7},   {"59903", 5, 5},
      {"59910", 5, 10},  {"59900", 10, 0}, {"59911", 10, 20}, {"59900", 5, 0},
      {"59989", 10, 90}, {"59990", 1, 90}, {"59999", 5, 90},  {"5997", 1, 7},
      {"599a1", 1, -1},  {"599-1", 1, -1}, {"599", 1, -1},    {"599 x", 1, -1},
  };
  for (const TAgeCase& c : cases) {
    const auto place = evalcount::AgePlace(c.Received, c.Step);
    EXPECT_EQ(place.value_or(-1), c.Place) << c.Received << " step " << c.Step;
  }
}

TEST(EvalCount, HourPlacesRunFrom15UtcOverTwoDays) {
  EXPECT_EQ(evalcount::HourPlace(kStart, kStart, 15 * H), 1);
  EXPECT_EQ(evalcount::HourPlace(kStart, kStart, 14 * H + 3599), 0);
  EXPECT_EQ(evalcount::HourPlace(kStart, kStart + 1, 0), 10);
  EXPECT_EQ(evalcount::HourPlace(kStart, kStart + 1, 14 * H + 59 * 60), 24);
  EXPECT_EQ(evalcount::HourPlace(kStart, kStart + 1, 15 * H), 25);
  EXPECT_EQ(evalcount::HourPlace(kStart, kStart - 1, 23 * H), -15);
}

class EvalLog : public QsoLogTest {
 protected:
  void Add(const coverlog::TQso& q) { ASSERT_TRUE(coverlog::Add(*qsos_, q)); }
  TTestDesktop desk_;
};

TEST_F(EvalLog, AgesCountOnlyCountedQsosWithPoints) {
  int t = 0;
  Add(coverlog::At(kStart, ++t).Rcvd("59903"));
  Add(coverlog::At(kStart, ++t).Rcvd("59904"));
  Add(coverlog::At(kStart, ++t).Pts(0).Rcvd("59903"));
  Add(coverlog::At(kStart, ++t).Rcvd("59903").Uncounted());
  Add(coverlog::At(kStart, ++t).Rcvd("599XX"));
  Add(coverlog::At(kStart, ++t).Rcvd("599ab"));
  const evalcount::TAgeCounts one = evalcount::CountAges(*qsos_, 1);
  EXPECT_EQ(one[3], 1);
  EXPECT_EQ(one[4], 1);
  EXPECT_EQ(one[1], 1);
  const evalcount::TAgeCounts five = evalcount::CountAges(*qsos_, 5);
  EXPECT_EQ(five[5], 2);
  int sum = 0;
  for (int c : five) sum += c;
  EXPECT_EQ(sum, 3);
}

TEST_F(EvalLog, HoursCountTheLastHourAndStopAfterTheEnd) {
  Add(coverlog::At(kStart, 10 * H));                            // early
  Add(coverlog::At(kStart, 15 * H + 5).Mult("K01"));            // place 1
  Add(coverlog::At(kStart, 15 * H + 9));                        // place 1
  Add(coverlog::At(kStart + 1, 2 * H));                         // place 12
  Add(coverlog::At(kStart + 1, 14 * H + 59 * 60).Mult("K02"));  // place 24
  Add(coverlog::At(kStart + 1, 14 * H + 59 * 60 + 1).Uncounted());
  evalcount::THourCounts c = evalcount::CountHours(*qsos_, kStart);
  EXPECT_EQ(c.Early, 1);
  EXPECT_FALSE(c.Late);
  EXPECT_EQ(c.Qsos[1], 2);
  EXPECT_EQ(c.Multis[1], 1);
  EXPECT_EQ(c.Qsos[12], 1);
  EXPECT_EQ(c.Qsos[24], 1);
  EXPECT_EQ(c.Multis[24], 1);
  Add(coverlog::At(kStart + 1, 15 * H));
  c = evalcount::CountHours(*qsos_, kStart);
  EXPECT_TRUE(c.Late);
  EXPECT_EQ(c.Qsos[24], 1);
}

TEST_F(EvalLog, AQsoADayLaterInTheSameHourIsAfterTheEnd) {
  Add(coverlog::At(kStart, 15 * H + 10));
  Add(coverlog::At(kStart + 1, 15 * H + 30));
  const evalcount::THourCounts c = evalcount::CountHours(*qsos_, kStart);
  EXPECT_EQ(c.Qsos[1], 1);
  EXPECT_TRUE(c.Late);
}

TEST_F(EvalLog, HoursWalkInDateAndTimeOrderNotByQsoNumber) {
  Add(coverlog::At(kStart + 1, 14 * H));
  Add(coverlog::At(kStart, 16 * H));  // logged later with an earlier time
  const evalcount::THourCounts c = evalcount::CountHours(*qsos_, kStart);
  EXPECT_FALSE(c.Late);
  EXPECT_EQ(c.Qsos[2], 1);
  EXPECT_EQ(c.Qsos[24], 1);
}

QRgb Pixel(QWidget& w, int x, int y) { return w.grab().toImage().pixel(x, y); }

TEST_F(EvalLog, MembershipWindowDrawsBarsAtTheirHeightForEachStep) {
  for (int i = 0; i < 7; ++i) Add(coverlog::At(kStart, i).Rcvd("59903"));
  Add(coverlog::At(kStart, 100).Rcvd("59911"));
  Tpartyauswertungform window(*qsos_);
  window.show();
  TChartPanel& chart = *window.panelausw;
  // One-year steps: 7 of 3 years on a scale of 10, bar 3 pixels wide at x 57.
  const int top = 50 + (10 - 7) * 200 / 10;
  EXPECT_EQ(Pixel(chart, 58, top), qRgb(0, 0, 255));
  EXPECT_EQ(Pixel(chart, 58, top - 1), qRgb(255, 255, 255));
  EXPECT_EQ(Pixel(chart, 60, top + 5), qRgb(255, 255, 255));
  // Ten-year steps: 3 years go to 10, 11 years to 20; bars 30 wide.
  QTest::mouseClick(window.r10, Qt::LeftButton);
  EXPECT_EQ(Pixel(chart, 92 + 29, top), qRgb(0, 0, 255));
  const int top20 = 50 + (10 - 1) * 200 / 10;
  EXPECT_EQ(Pixel(chart, 142 + 15, top20), qRgb(0, 0, 255));
  EXPECT_EQ(Pixel(chart, 142 + 15, top20 - 1), qRgb(255, 255, 255));
  bool titled = false;
  for (const TChartLabel& l : chart.Chart().Labels)
    titled |= l.Text == "Anzahl QSO pro Alter der DARC-Mitgliedschaft (10-Jahresschritte)";
  EXPECT_TRUE(titled);
}

TEST_F(EvalLog, MembershipWindowWithoutCountedQsoSaysSo) {
  Add(coverlog::At(kStart, 1).Pts(0).Rcvd("59903"));
  Tpartyauswertungform window(*qsos_);
  const TChart& chart = window.panelausw->Chart();
  ASSERT_FALSE(chart.Labels.empty());
  EXPECT_EQ(chart.Labels.back().Text, "keine gültigen QSO im Log");
  EXPECT_EQ(chart.Labels.back().X, 200);
}

std::vector<std::string> LabelsAtY(const TChart& chart, int y) {
  std::vector<std::string> texts;
  for (const TChartLabel& l : chart.Labels)
    if (l.Y == y) texts.push_back(l.Text);
  return texts;
}

TEST_F(EvalLog, HourWindowLabelsWarningsAndBars) {
  Add(coverlog::At(kStart, 14 * H));
  for (int i = 0; i < 23; ++i) Add(coverlog::At(kStart, 16 * H + i).Mult(i < 4 ? "X" : ""));
  Add(coverlog::At(kStart + 1, 15 * H));
  Twagauswertungform window(kStart, *qsos_);
  const QStringList warnings = desk_.Texts(TMessageKind::Warning);
  ASSERT_EQ(warnings.size(), 2);
  EXPECT_EQ(warnings[0], QStringLiteral("1 QSO wurden vor Beginn des Contestes geführt und werden "
                                        "deshalb nicht angezeigt!"));
  EXPECT_TRUE(warnings[1].startsWith(QStringLiteral("Ein oder mehrere QSO wurden nach Ende")));
  const std::vector<std::string> hours = LabelsAtY(window.panelausw->Chart(), 265);
  ASSERT_EQ(hours.size(), 24u);
  EXPECT_EQ(hours[0], "15");
  EXPECT_EQ(hours[8], "23");
  EXPECT_EQ(hours[9], " 0");
  EXPECT_EQ(hours[23], "14");
  // 23 QSOs in place 2 on a scale of 30; the multiplier bar beside it holds 4.
  window.show();
  EXPECT_EQ(window.btnOK->x(), (window.Panel1->width() - window.btnOK->width()) / 2);
  EXPECT_EQ(Pixel(*window.panelausw, 34 + 44 + 2, 50 + 7 * 200 / 30), qRgb(0, 0, 255));
  EXPECT_EQ(Pixel(*window.panelausw, 40 + 44 + 2, 50 + 26 * 200 / 30), qRgb(255, 0, 0));
  EXPECT_EQ(Pixel(*window.panelausw, 40 + 44 + 2, 50 + 26 * 200 / 30 - 1), qRgb(255, 255, 255));
}

TEST_F(EvalLog, NoStartDateWarnsAndOpensNoWindow) {
  // The log window reaches both windows through the hooks registered at start-up.
  TEvalGeometry geometry;
  ASSERT_TRUE(evalhooks::Hooks().Party && evalhooks::Hooks().Wag);
  evalhooks::Hooks().Party(nullptr, 0, *qsos_, geometry);
  TdbContestBase list(TdbContestBase::kList), config(TdbContestBase::kConfig);
  TContestListRec rec;
  rec.SetNummer(1);
  list.SetListRec(rec);
  evalhooks::Hooks().Wag(nullptr, list, config, geometry);
  EXPECT_EQ(desk_.DialogsRun, 0);
  const QStringList warnings = desk_.Texts(TMessageKind::Warning);
  ASSERT_EQ(warnings.size(), 2);
  EXPECT_EQ(warnings[1], QStringLiteral("Der Beginn des Contestes wurde nicht angegeben."));
}

TEST_F(EvalLog, BothWindowsShareTheStoredGeometry) {
  TEvalGeometry geometry;
  QRect seen;
  desk_.DialogHandler = [&](QDialog& d) {
    seen = d.geometry();
    d.move(120, 90);
    d.resize(700, 400);
    return 2;
  };
  partyausw::ShowPartyEvaluation(nullptr, kStart, *qsos_, geometry);
  EXPECT_EQ(geometry.Width, 700);
  EXPECT_EQ(geometry.Height, 400);
  TdbContestBase list(TdbContestBase::kList), config(TdbContestBase::kConfig);
  TContestListRec rec;
  rec.SetNummer(1);
  rec.SetDatumVon(kStart);
  list.SetListRec(rec);
  wagausw::ShowWagEvaluation(nullptr, list, config, geometry);
  EXPECT_EQ(seen.size(), QSize(700, 400));
  EXPECT_EQ(desk_.DialogsRun, 2);
}

TEST_F(EvalLog, EscapeAndOkCloseWithCancel) {
  Tpartyauswertungform window(*qsos_);
  window.show();
  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_EQ(window.result(), 2);
  EXPECT_EQ(window.btnOK->x() + window.btnOK->width() + 8, window.Panel1->width());
}

}  // namespace
