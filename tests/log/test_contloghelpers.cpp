// The window helpers of the shared log logic: Enter moves, captions, label colours, the
// QSL flag, scaling, notes file names, the log opening and the column widths.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTest>

#include "browser/kvbrow.h"
#include "foundation/cp1252.h"
#include "foundation/dates.h"
#include "foundation/testdesktop.h"
#include "foundation/grafik.h"
#include "foundation/kvedit.h"
#include "foundation/kvpanel.h"
#include "log/logfixture.h"
#include "tables/contestkeys.h"

namespace {

// A form with an entry panel of four edits in tab order, a time and a date field.
struct TEntryForm {
  QWidget form;
  TkvPanel* panel = new TkvPanel(&form);
  TkvPanel* second = new TkvPanel(&form);
  std::vector<TkvEdit*> fields;
  TkvEdit *r1, *r2, *r3, *time, *date, *qth;
  TEntryForm() {
    for (int i = 0; i < 6; ++i) {
      auto* e = new TkvEdit(panel);
      e->setProperty("TabOrder", i);
      fields.push_back(e);
    }
    r1 = fields[0];
    r2 = fields[1];
    r3 = fields[2];
    time = fields[3];
    date = fields[4];
    qth = fields[5];
    qth->hide();
    form.show();
    form.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
  }
};

TEST(LogWindowHelpers, EnterMoves) {
  TContLogAlle alle;
  TEntryForm f;
  // The last shown received field goes to the time field; the time field to the date.
  EXPECT_FALSE(alle.EnterJump(&f.form, f.r2, f.date, f.time, f.qth, false, f.r1, f.r2, f.r3, nullptr));
  EXPECT_TRUE(alle.EnterJump(&f.form, f.r3, f.date, f.time, f.qth, false, f.r1, f.r2, f.r3, nullptr));
  EXPECT_EQ(QApplication::focusWidget(), f.time);
  f.r3->hide();
  EXPECT_TRUE(alle.EnterJump(&f.form, f.r2, f.date, f.time, f.qth, false, f.r1, f.r2, f.r3, nullptr));
  EXPECT_TRUE(alle.EnterJump(&f.form, f.time, f.date, f.time, f.qth, false, f.r1, f.r2, f.r3, nullptr));
  EXPECT_EQ(QApplication::focusWidget(), f.date);
  // A listener's log: Enter in received field 1 with the QTH line hidden.
  EXPECT_TRUE(alle.EnterJump(&f.form, f.r1, f.date, f.time, f.qth, true, f.r1, f.r2, f.r3, nullptr));
  EXPECT_EQ(QApplication::focusWidget(), f.time);
  EXPECT_FALSE(alle.EnterJump(&f.form, f.r1, f.date, f.time, f.qth, false, f.r1, f.r2, f.r3, nullptr));
  // A target that cannot take the focus is no jump.
  f.time->setEnabled(false);
  EXPECT_FALSE(alle.EnterJump(&f.form, f.r2, f.date, f.time, f.qth, false, f.r1, f.r2, f.r3, nullptr));
  f.time->setEnabled(true);

  // The general move in tab order wraps after the last field and skips hidden ones.
  alle.MoveToNextField(f.r1, &f.form, nullptr, f.second, f.panel);
  EXPECT_EQ(QApplication::focusWidget(), f.r2);
  alle.MoveToNextField(f.r2, &f.form, nullptr, f.second, f.panel);
  EXPECT_EQ(QApplication::focusWidget(), f.time);
  alle.MoveToNextField(f.date, &f.form, nullptr, f.second, f.panel);
  EXPECT_EQ(QApplication::focusWidget(), f.r1);
  // From the second panel to the first field.
  auto* elsewhere = new TkvEdit(f.second);
  elsewhere->show();
  alle.MoveToNextField(elsewhere, &f.form, nullptr, f.second, f.panel);
  EXPECT_EQ(QApplication::focusWidget(), f.r1);
}

TEST(LogWindowHelpers, CaptionColoursAndQslFlag) {
  TContLogAlle alle;
  TEntryForm f;
  auto* caption = new QLabel(&f.form);
  auto* entryButton = new QWidget(&f.form);
  auto* listButton = new QWidget(&f.form);
  alle.SetLogCaption(false, caption, f.second, false, false, {entryButton}, {listButton});
  EXPECT_EQ(S(caption->text()), "Contest-Logbuch (ESC: zurück zur Eingabe)");
  EXPECT_EQ(f.second->Color(), clRed);
  EXPECT_FALSE(entryButton->isEnabled());
  EXPECT_TRUE(listButton->isEnabled());
  alle.SetLogCaption(true, caption, f.second, true, true, {entryButton}, {listButton});
  EXPECT_EQ(S(caption->text()), "DX-Cluster");
  EXPECT_EQ(f.second->Color(), clNavy);

  auto* l1 = new QLabel(Q("&Eins"), &f.form);
  auto* l2 = new QLabel(Q("&Zwei"), &f.form);
  l1->setBuddy(f.r1);
  l2->setBuddy(f.r2);
  auto colour = [](QLabel* l) { return TColorOf(l->palette().color(QPalette::WindowText)); };
  alle.MarkFieldLabels(&f.form, f.r1, true);
  EXPECT_EQ(colour(l1), clRed);
  f.r1->setFocus();
  alle.MarkFieldLabels(&f.form, f.r2, false);
  // The focused field keeps its mark; the other field's label takes the focus mark.
  EXPECT_EQ(colour(l1), clRed);
  EXPECT_EQ(colour(l2), RGBColor(128, 0, 0));
  f.r2->setFocus();
  alle.ResetLabelColours(&f.form);
  EXPECT_EQ(colour(l1), RGBColor(0, 128, 128));

  QLabel qsl;
  struct Case {
    char before, after;
    const char* text;
  };
  for (const Case& c : {Case{'J', 'N', "&QSL senden: nein"}, Case{'s', 'N', "&QSL senden: nein"},
                        Case{'N', 'Y', "&QSL senden: ja"}, Case{'\0', 'Y', "&QSL senden: ja"},
                        Case{'x', 'Y', "&QSL senden: ja"}}) {
    char flag = c.before;
    TContLogAlle::ToggleQsl(flag, &qsl);
    EXPECT_EQ(flag, c.after) << int(c.before);
    EXPECT_EQ(S(qsl.text()), c.text);
  }
}

TEST(LogWindowHelpers, ScalingNotesAndMenuLabels) {
  QWidget form;
  auto* panel = new TkvPanel(&form);
  panel->setGeometry(10, 5, 100, 50);
  auto* edit = new TkvEdit(panel);
  edit->setGeometry(11, 3, 40, 20);
  auto* label = new QLabel(Q("x"), panel);
  label->setGeometry(21, 3, 30, 20);
  TContLogAlle::ScaleHorizontally(&form, 1.5);
  EXPECT_EQ(panel->geometry(), QRect(15, 5, 150, 50));
  EXPECT_EQ(edit->geometry(), QRect(17, 3, 60, 20));  // 16.5 rounds up
  EXPECT_EQ(label->geometry(), QRect(32, 3, 30, 20));

  EXPECT_EQ(TContLogAlle::NotesFileNameOf("Saar 2026"), "Saar 2026.TXT");
  EXPECT_EQ(TContLogAlle::NotesFileNameOf("A/B:C*D?\"E<F>G|H\\I"), "ABCDEFGHI.TXT");

  auto* menu = new QLabel(Q("Contest beenden"), &form);
  menu->setProperty("Tag", 800);
  auto* other = new QLabel(Q("Other"), &form);
  other->setProperty("Tag", 200);
  other->setAutoFillBackground(true);
  TContLogAlle::HighlightMenuLabel(menu, &form);
  EXPECT_TRUE(menu->autoFillBackground());
  EXPECT_FALSE(other->autoFillBackground());
}

class LogOpening : public LogTest {};

TEST_F(LogOpening, OpenCleansBandChangeLinesAndFindsTheLastQsoOfABand) {
  TContestQSORec q;
  q.SetCall("DL1AA");
  q.SetBandcode('b');
  q.SetCMulti("Q05");
  for (int32_t serial : {1, 2, 3}) {
    q.SetwagBandNrIntern(serial);
    Store(q);
  }
  TContestQSORec qsy;
  qsy.SetBandChangeMark('c');
  qsy.SetDXCC("DL");
  qsy.SetDOK1("Q05");
  qsy.SetLoc("JO30AA");
  const int32_t qsyNumber = Store(qsy);
  q.SetBandcode('c');
  q.SetwagBandNrIntern(1);
  Store(q);

  TdbContest* table = nullptr;
  EXPECT_TRUE(alle_.OpenQsoLog(table, kContest));
  ASSERT_NE(table, nullptr);
  ASSERT_TRUE(table->FindNumber(qsyNumber));
  EXPECT_EQ(table->GetQSORec().DXCC(), "");
  EXPECT_EQ(table->GetQSORec().DOK1(), "");
  EXPECT_EQ(table->GetQSORec().Loc(), "");
  EXPECT_EQ(table->GetQSORec().BandChangeMark(), 'c');

  QWidget parent;
  auto* brow = new TkvBrow(&parent);
  parent.resize(600, 300);
  alle_.OpenLogList(*brow, 47, *table);
  EXPECT_FALSE(brow->SortSelectorVisible());
  alle_.GotoLastQsoOfBand('b', *brow, *table);
  TdbContest reader(TdbContestBase::kQsoLog, 0, kContest);
  ASSERT_TRUE(reader.GotoRecord(brow->CurrentRef()));
  EXPECT_EQ(reader.GetQSORec().Bandcode(), 'b');
  EXPECT_EQ(reader.GetQSORec().wagBandNrIntern(), 3);
  EXPECT_EQ(table->GetQSORec().Datum(), -1);
  EXPECT_EQ(table->GetQSORec().Zeit(), -1);

  // Column widths: kept in the list record for 20 columns; beyond nothing, and no error.
  TContestListRec r = list_->GetListRec();
  r.SetColumnWidth(3, 77);
  list_->SetListRec(r);
  EXPECT_EQ(alle_.GetColumnWidth(3, *brow, 0, *list_, false), 77);
  EXPECT_EQ(alle_.GetColumnWidth(21, *brow, 0, *list_, false), 0);
  EXPECT_EQ(alle_.GetColumnWidth(0, *brow, 0, *list_, false), 0);
  alle_.StoreColumnWidths(*brow, 0, *list_, false);
  EXPECT_EQ(alle_.GetColumnWidth(1, *brow, 0, *list_, false),
            brow->ColWidth(brow->FixedColCount()));
  alle_.StoreColumnWidths(*brow, 255, *list_, false);
  EXPECT_EQ(alle_.GetColumnWidth(1, *brow, 255, *list_, false),
            brow->ColWidth(brow->FixedColCount()));
  EXPECT_EQ(alle_.GetColumnWidth(11, *brow, 255, *list_, false), 0);

  alle_.CloseLogFiles(table, *list_, *list_);
  EXPECT_EQ(table, nullptr);
}

TEST_F(LogOpening, ClockOfTheEntryAndToolWindowsWhereTheyWereLeft) {
  TTestDesktop desk;
  desk.Now = QDateTime(QDate(2026, 1, 10), QTime(12, 34, 56));
  TkvEdit time, date;
  TContestListRec r = list_->GetListRec();
  r.SetDateAuto(255);
  list_->SetListRec(r);
  alle_.SetAutoDateTime(*list_, *qsos_, false, &time, &date);
  EXPECT_EQ(S(date.text()), "10.01.2026");
  EXPECT_EQ(qsos_->GetQSORec().Datum(), ToDates::DateStringToDate("10.01.2026", "dd.mm.yyyy"));
  EXPECT_TRUE(time.text().isEmpty());
  alle_.SetAutoDateTime(*list_, *qsos_, true, &time, &date);
  EXPECT_EQ(S(time.text()), "12:34:56");
  EXPECT_EQ(qsos_->GetQSORec().Zeit(), 12 * 3600 + 34 * 60 + 56);

  TContLogAlle::TWindowPlace place;
  QDialog tool;
  tool.setGeometry(30, 40, 300, 200);
  desk.DialogHandler = [](QDialog& d) {
    d.setGeometry(50, 60, 320, 240);
    return 1;
  };
  EXPECT_EQ(alle_.RunModalRemembered(place, tool, list_.get()), 1);
  EXPECT_EQ(place.Width, 320);
  QDialog again;
  desk.DialogHandler = [&](QDialog& d) {
    EXPECT_EQ(d.geometry(), QRect(50, 60, 320, 240));
    return 2;
  };
  EXPECT_EQ(alle_.RunModalRemembered(place, again, nullptr), 2);
}

}  // namespace
