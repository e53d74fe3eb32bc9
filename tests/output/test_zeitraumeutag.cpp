// The time window of EU-day logs: the best-hour search and the dialog's checks.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "foundation/cp1252.h"
#include "foundation/dates.h"
#include "foundation/grafik.h"
#include "output/outputfixture.h"
#include "output/zeitraumeutag.h"

namespace {

using zeitraumeutag::TTimedPoints;

struct TSearch {
  std::vector<std::string> Lines;
  std::string Von, Bis;
  int32_t Best = -1;
};

TSearch Search(const std::vector<TTimedPoints>& qsos) {
  TSearch s;
  s.Best = zeitraumeutag::SearchBestHour(
      qsos, [&](int kind, int step, const std::string& a, const std::string& b) {
        if (kind == 1) {
          EXPECT_EQ(step, int(s.Lines.size()));
          s.Lines.push_back(a);
        }
        if (kind == 2) {
          s.Von = a;
          s.Bis = b;
        }
      });
  return s;
}

TEST(BestHour, OneLinePerStartFromTenToFifteenWithBothEndsInTheWindow) {
  const TSearch s = Search({{Time("10:59:59"), 5}, {Time("11:00:00"), 7}, {Time("09:00:00"), 50}});
  ASSERT_EQ(s.Lines.size(), 301u);
  EXPECT_EQ(s.Lines.front(), "10:00:00 -> 10:59:59 = 5");
  EXPECT_EQ(s.Lines[1], "10:01:00 -> 11:00:59 = 12");
  EXPECT_EQ(s.Lines[60], "11:00:00 -> 11:59:59 = 7");
  EXPECT_EQ(s.Lines.back(), "15:00:00 -> 15:59:59 = 0");
  EXPECT_EQ(s.Von, "10:01:00");
  EXPECT_EQ(s.Bis, "11:00:59");
}

TEST(BestHour, TiesGoToTheEarliestStartAndNoPointsProposeMidnight) {
  const TSearch tie = Search({{Time("12:30:00"), 4}, {Time("14:30:00"), 4}});
  EXPECT_EQ(tie.Von, "11:31:00");
  EXPECT_EQ(tie.Best, Time("11:31:00"));
  const TSearch none = Search({{Time("12:00:00"), 0}});
  EXPECT_EQ(none.Von, "00:00:00");
  EXPECT_EQ(none.Bis, "00:59:59");
}

class TimeWindowDialog : public OutputTest {
 protected:
  static int32_t ToTime(const char* text) { return ToDates::TimeStringToTime(text, "hh:mm:ss"); }
};

TEST_F(TimeWindowDialog, OpensWithTheSearchAndTakesOnlyValidTimes) {
  MakeContest('E');
  AddQso({.Call = "DL1AAA", .Zeit = Time("12:10:00"), .Points = 3});
  AddQso({.Call = "DL1BBB", .Zeit = Time("13:05:00"), .Points = 2});
  struct {
    const char* Von;
    const char* Bis;
    bool Accepted;
    bool VonPink, BisPink;
    const char* To;  // the end of the window taken
  } const cases[] = {
      // An end without seconds takes its whole minute in.
      {"12:00", "12:59", true, false, false, "12:59:59"},
      {"12:00:30", "12:59:30", true, false, false, "12:59:30"},
      {"12", "12:59", false, true, false, ""},
      {"12:00", "1259", false, false, true, ""},
      {"25:00", "12:59", false, true, false, ""},
      {"13:00", "12:59", false, false, true, ""},  // the end before the start
  };
  for (const auto& c : cases) {
    QString memoFirst, proposed;
    bool vonPink = false, bisPink = false;
    desktop_.DialogHandler = [&](QDialog& d) {
      auto& f = static_cast<TzeitraumeutagForm&>(d);
      f.show();
      memoFirst = f.Memo1->toPlainText().section(QLatin1Char('\n'), 0, 0);
      proposed = f.evon->text() + QLatin1Char('-') + f.ebis->text();
      f.evon->setText(Q(c.Von));
      f.ebis->setText(Q(c.Bis));
      QTest::mouseClick(f.btnOK, Qt::LeftButton);
      vonPink = f.evon->palette().color(QPalette::Base) == ColorOf(clPink);
      bisPink = f.ebis->palette().color(QPalette::Base) == ColorOf(clPink);
      return f.result();
    };
    TzeitraumeutagCtrl ctrl(nullptr, contest_);
    EXPECT_EQ(ctrl.Execute(), c.Accepted) << c.Von << " " << c.Bis;
    EXPECT_EQ(memoFirst, QStringLiteral("10:00:00 -> 10:59:59 = 0"));
    EXPECT_EQ(proposed, QStringLiteral("12:06:00-13:05:59"));
    EXPECT_EQ(vonPink, c.VonPink) << c.Von;
    EXPECT_EQ(bisPink, c.BisPink) << c.Bis;
    if (c.Accepted) {
      EXPECT_EQ(ctrl.TimeFrom(), ToTime(c.Von));
      EXPECT_EQ(ctrl.TimeTo(), ToTime(c.To));
    }
  }
}

}  // namespace
