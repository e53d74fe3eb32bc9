#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "foundation/cp1252.h"
#include "foundation/dates.h"
#include "prefixfixture.h"
#include "reference/prefauswahl.h"
#include "reference/prefauswahlform.h"

namespace prefixtest {
namespace {

using namespace prefixrec;

class ChoiceWindow : public PrefixFiles {
 protected:
  void AddCandidates(int count) {
    for (int i = 1; i <= count; ++i) {
      Add({.Prefix = "TX",
           .Dxcc = "FO" + std::to_string(i),
           .Menue = std::to_string(i),
           .Country = "Country " + std::to_string(i),
           .Remark = "R" + std::to_string(i),
           .Waz = "32",
           .Itu = "63"});
    }
  }
  static void Key(TPrefAuswahl& d, Qt::Key key) {
    QTest::keyClick(d.findChild<QLineEdit*>(QStringLiteral("EditKeys")), key);
  }
};

TEST_F(ChoiceWindow, ShowsAtMostThirtyRowsAndTheArrowKeysWrapUpwards) {
  AddCandidates(31);
  TPrefQso qso{"TX5ABC", "Hans", "Papeete", ""};
  TPrefAuswahl d("TX", Day(2025, 6, 1), &qso);
  EXPECT_EQ(d.windowTitle(), QStringLiteral("Auswahl DXCC"));
  ASSERT_EQ(d.RowCount(), 30);
  // Menu numbers order as text ("1", "10" ... "2" ...): the last of them, "9", is left out.
  EXPECT_EQ(d.RowTexts(2)[0], QStringLiteral("FO10"));
  EXPECT_EQ(d.RowTexts(30)[0], QStringLiteral("FO8"));
  EXPECT_EQ(d.Selected(), 0);
  Key(d, Qt::Key_Down);
  EXPECT_EQ(d.Selected(), 1);
  Key(d, Qt::Key_Up);  // up on the first row: the last row
  EXPECT_EQ(d.Selected(), 30);
  Key(d, Qt::Key_Down);  // down on the last row stays there
  EXPECT_EQ(d.Selected(), 30);
  Key(d, Qt::Key_Up);
  EXPECT_EQ(d.Selected(), 29);
  // The selected row is navy with white text, the others black on the window colour.
  auto* row = d.findChild<QWidget*>(QStringLiteral("Row29"));
  EXPECT_EQ(row->palette().color(QPalette::Window), QColor(0, 0, 128));
  EXPECT_EQ(d.findChild<QWidget*>(QStringLiteral("Row1"))->palette().color(QPalette::WindowText),
            QColor(Qt::black));
  EXPECT_GT(d.height(), 30 * 20);  // the window grows with its rows
}

TEST_F(ChoiceWindow, EscapeCancelsWithTwo) {
  AddCandidates(2);
  TPrefAuswahl d("TX", 0, nullptr);
  Key(d, Qt::Key_Down);
  QTest::keyClick(&d, Qt::Key_Escape);
  EXPECT_EQ(d.result(), 2);
  EXPECT_FALSE(d.Chosen().has_value());
  TPrefAuswahl d2("TX", 0, nullptr);
  QTest::mouseClick(d2.findChild<QWidget*>(QStringLiteral("BtnAbbrechen")), Qt::LeftButton);
  EXPECT_EQ(d2.result(), 2);
}

TEST_F(ChoiceWindow, DoubleClickTakesTheRowAsOfTheQsoDate) {
  AddCandidates(2);
  Add({.Prefix = "TX",
       .Dxcc = "FO/C",
       .Menue = "3",
       .Country = "Clipperton",
       .ValidUntil = Day(2020, 1, 1)});
  Add({.Prefix = "TX",
       .Dxcc = "FK/C",
       .Menue = "4",
       .Country = "Chesterfield",
       .ValidFrom = Day(2030, 1, 1)});
  TPrefAuswahl d("TX", Day(2025, 6, 1), nullptr);
  ASSERT_EQ(d.RowCount(), 4);
  EXPECT_EQ(d.RowTexts(3)[2], QStringLiteral("  (deleted)"));
  EXPECT_EQ(d.RowTexts(4)[1], QStringLiteral("not current"));
  EXPECT_EQ(d.RowTexts(4)[2], QStringLiteral("  (deleted)"));
  EXPECT_EQ(d.RowTexts(2)[2], QStringLiteral("R2"));
  QTest::mouseDClick(d.findChild<QLabel*>(), Qt::LeftButton);  // a label outside the rows
  EXPECT_FALSE(d.Chosen().has_value());
  QWidget* row2 = d.findChild<QWidget*>(QStringLiteral("Row2"));
  QTest::mouseDClick(row2->findChild<QLabel*>(), Qt::LeftButton);
  EXPECT_EQ(d.result(), 1);
  ASSERT_TRUE(d.Chosen().has_value());
  EXPECT_EQ(d.Chosen()->Str(kDxcc, kDxccLen), "FO2");
}

TEST_F(ChoiceWindow, TopPanelNamesTheQsoOrThePrefix) {
  AddCandidates(1);
  TPrefQso qso{"TX5ABC", "Hans", "Papeete", ""};
  TPrefAuswahl withQso("TX", 0, &qso);  // date 0: today
  const QString today = Q(ToDates::DateToDateString(ToDates::TodayUTC(), "dd.mm.yyyy"));
  EXPECT_EQ(withQso.findChild<QLabel*>(QStringLiteral("LabelQso1"))->text(),
            QStringLiteral("TX5ABC  ") + today);
  EXPECT_EQ(withQso.findChild<QLabel*>(QStringLiteral("LabelQso2"))->text(),
            QStringLiteral("Hans  Papeete"));
  TPrefAuswahl without("TX", 0, nullptr);
  EXPECT_EQ(without.findChild<QLabel*>(QStringLiteral("LabelPrefix"))->text(),
            QStringLiteral("TX"));
  EXPECT_EQ(without.findChild<QLabel*>(QStringLiteral("LabelQso1")), nullptr);
}

TEST_F(ChoiceWindow, TakeOverButtonNeedsARow) {
  AddCandidates(3);
  TdbPrefix table;
  int shown = 0;
  desktop_.DialogHandler = [&shown](QDialog& d) {
    auto& w = static_cast<TPrefAuswahl&>(d);
    auto* take = w.findChild<QWidget*>(QStringLiteral("BtnUebernahme"));
    if (shown++ == 0) {
      QTest::mouseClick(take, Qt::LeftButton);  // nothing selected: nothing happens
      return w.result() == 1 ? 1 : 2;
    }
    Key(w, Qt::Key_Down);
    Key(w, Qt::Key_Down);
    QTest::mouseClick(take, Qt::LeftButton);
    return w.result();
  };
  const TPrefQso noQso;
  EXPECT_EQ(prefauswahl::Run(table, "TX", 0, noQso), 2);
  EXPECT_EQ(prefauswahl::Run(table, "TX", 0, noQso), 1);
  EXPECT_EQ(table.GetDXCC(), "FO2");
  EXPECT_EQ(table.ReadRec().Str(kDxcc, kDxccLen), "FO2");
}

}  // namespace
}  // namespace prefixtest
