// The list framework: the call order of new, change and delete, and one list window on
// a real table driven end to end.
#include <QComboBox>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "browser/browfixture.h"
#include "browser/browselect.h"
#include "browser/datenbrowctrl.h"
#include "browser/datenfkt.h"
#include "browser/datenliste.h"
#include "browser/datenlisteform.h"
#include "browser/kvbrow.h"
#include "foundation/cp1252.h"
#include "foundation/kvedit.h"
#include "foundation/kvmousegrid.h"
#include "foundation/messages.h"
#include "foundation/recordbuf.h"
#include "foundation/testdesktop.h"
#include "storage/dbtreiber.h"

namespace browtest {
namespace {

using TLog = std::vector<std::string>;

class TLoggingBrowCtrl : public TDatenBrowCtrl {
 public:
  TLoggingBrowCtrl(TLog& log) : TDatenBrowCtrl(nullptr, nullptr), log_(log) {}
  bool Allow = true;
  bool BeforeChange(int32_t& ref) override {
    log_.push_back("BeforeChange");
    ref = 42;
    return Allow;
  }
  void AfterChange(bool ok, int32_t ref) override {
    log_.push_back("AfterChange " + std::to_string(ok) + " " + std::to_string(ref));
  }
  bool BeforeNew() override {
    log_.push_back("BeforeNew");
    return Allow;
  }
  void AfterNew(bool ok, int32_t ref) override {
    log_.push_back("AfterNew " + std::to_string(ok) + " " + std::to_string(ref));
  }
  bool GetSelectedRefs(std::vector<std::string>& refs) override {
    log_.push_back("GetSelectedRefs");
    if (Allow) refs = {"3", "5"};
    return Allow;
  }
  void AfterDelete(bool ok) override { log_.push_back("AfterDelete " + std::to_string(ok)); }

 private:
  TLog& log_;
};

class TLoggingFkt : public TDatenFkt {
 public:
  explicit TLoggingFkt(TLog& log) : log_(log) {}
  bool Change(int32_t ref, QWidget*) override {
    log_.push_back("Change " + std::to_string(ref));
    return true;
  }
  bool New(int32_t& ref, QWidget*) override {
    log_.push_back("New");
    ref = 7;
    return true;
  }
  bool Delete(const std::vector<std::string>& refs) override {
    log_.push_back("Delete " + std::to_string(refs.size()));
    return false;
  }

 private:
  TLog& log_;
};

TEST(DatenFkt, NewChangeAndDeleteRunBetweenTheControllersBeforeAndAfter) {
  TLog log;
  TLoggingBrowCtrl ctrl(log);
  TLoggingFkt fkt(log);
  EXPECT_TRUE(fkt.DoChange(nullptr, &ctrl));
  EXPECT_TRUE(fkt.DoNew(nullptr, &ctrl));
  EXPECT_FALSE(fkt.DoDelete(&ctrl));
  EXPECT_EQ(log, (TLog{"BeforeChange", "Change 42", "AfterChange 1 42", "BeforeNew", "New",
                       "AfterNew 1 7", "GetSelectedRefs", "Delete 2", "AfterDelete 0"}));
  log.clear();
  ctrl.Allow = false;
  EXPECT_FALSE(fkt.DoChange(nullptr, &ctrl));
  EXPECT_FALSE(fkt.DoNew(nullptr, &ctrl));
  EXPECT_FALSE(fkt.DoDelete(&ctrl));
  EXPECT_EQ(log, (TLog{"BeforeChange", "BeforeNew", "GetSelectedRefs", "AfterDelete 0"}));
  // Without a controller the functions run alone; delete has nothing to work on.
  log.clear();
  EXPECT_TRUE(fkt.DoChange(nullptr, nullptr));
  EXPECT_FALSE(fkt.DoDelete(nullptr));
  EXPECT_EQ(log, (TLog{"Change 0"}));
}

// A list of the call table: two sort orders, rows "CALL;number".
class TCallBrowCtrl : public TDatenBrowCtrl {
 public:
  using TDatenBrowCtrl::TDatenBrowCtrl;
  void BuildRow(RowRec& row) override {
    const uint8_t* rec = table_->GetDriver()->RecordBuffer();
    row.Text = recordbuf::GetStr(rec, kCallOff, 12) + ";" +
               std::to_string(recordbuf::GetI32(rec, kNumberOff));
  }
  void SetHeaderFooter() override { brow_->SetHeaderFooter("Call;Nr", "", false); }
  void InitSortList() override {
    brow_->ClearSortList();
    brow_->AddSortEntry("Rufzeichen");
    brow_->AddSortEntry("Nummer");
  }
  int SortList2Key(int i, TKeyStr&, TKeyStr&) override { return i + 1; }
};

class TCallFkt : public TDatenFkt {
 public:
  explicit TCallFkt(TdbTreiber* driver) : driver_(driver) {}
  bool OpenFiles() override { return true; }
  void CloseFiles() override { ++ClosedFiles; }
  bool New(int32_t& ref, QWidget*) override {
    TCallTable t(driver_);
    if (!t.Add("DF5")) return false;
    ref = t.CurrentRef();
    Table->GotoRecord(ref);
    return true;
  }
  bool Delete(const std::vector<std::string>& refs) override {
    Deleted = refs;
    if (!ToMessages::AskYesNo("", "Sicherheitsabfrage",
                              std::to_string(refs.size()) + " Datensätze löschen?", true))
      return false;
    TCallTable t(driver_);
    for (const auto& r : refs)
      if (!t.GotoRecord(std::stoi(r)) || !t.Delete()) return false;
    return true;
  }
  TdbBase* Table = nullptr;
  std::vector<std::string> Deleted;
  // Counted outside the object: the list frees its function object after closing its files.
  static inline int ClosedFiles = 0;

 private:
  TdbTreiber* driver_;
};

class TCallList : public TDatenListeCtrl {
 public:
  TCallList(bool selectMode, TdbTreiber* driver, TCallFkt*& fkt)
      : TDatenListeCtrl(nullptr, selectMode, std::make_unique<TCallTable>(driver),
                        MakeFkt(driver, fkt), "Rufzeichenliste", 1234) {
    fkt->Table = Table();
  }
  void BeforeShow() override {
    SetBrowCtrl(std::make_unique<TCallBrowCtrl>(form_->Brow(), Table()));
    form_->Brow()->Open(0, Table(), TKeyStr(), TKeyStr(), false, false, kCall);
  }
  int ExtraFunction1() override {
    bool stop = false;
    Progress(0, 0, stop, 10);
    for (int i = 1; i <= 10 && !stop; ++i) {
      Progress(1, i, stop, 10);
      if (stop) break;
      ++Steps;
      if (i == 3) {
        form_->close();
        StillOpenAfterClose = form_->isVisible();
      }
    }
    Progress(2, 0, stop, 10);
    return 0;
  }
  int Steps = 0;
  bool StillOpenAfterClose = false;

 private:
  static std::unique_ptr<TDatenFkt> MakeFkt(TdbTreiber* driver, TCallFkt*& out) {
    auto f = std::make_unique<TCallFkt>(driver);
    out = f.get();
    return f;
  }
};

class DatenListeTest : public BrowserTest {
 protected:
  // Runs the window with a handler that drives it; the handler's answer is the result.
  bool Run(TCallList& list, const std::function<int(TDatenListeForm&)>& drive) {
    desktop_.DialogHandler = [&](QDialog& d) {
      auto& form = static_cast<TDatenListeForm&>(d);
      form.resize(1000, 300);
      form.show();
      QApplication::processEvents();
      form.setResult(0);
      const int answer = drive(form);
      return form.result() != 0 ? form.result() : answer;
    };
    return list.Execute();
  }
  static std::string Cell(TDatenListeForm& f, int col, int row) {
    return f.Brow()->Grid()->Cell(col, row);
  }
  TTestDesktop desktop_;
  TCallFkt* fkt_ = nullptr;
};

TEST_F(DatenListeTest, AListWindowSortsSearchesAndDeletesThroughItsFunctions) {
  AddCalls({"DL3", "DA1", "DK7", "OE2"});
  TCallFkt::ClosedFiles = 0;
  {
    TCallList list(false, driver_, fkt_);
    EXPECT_TRUE(list.FilesOpen());
    const bool ok = Run(list, [&](TDatenListeForm& f) {
      EXPECT_EQ(f.windowTitle(), Q("Rufzeichenliste"));
      EXPECT_FALSE(f.TakeOverButton()->isVisibleTo(&f));
      EXPECT_FALSE(f.MenuItem("Übernehmen")->isVisible());
      EXPECT_EQ(f.CancelButton()->text(), Q("Schließen"));
      EXPECT_EQ(Cell(f, 0, 1), "DA1");
      // Sort by number.
      f.Brow()->SortCombo()->setCurrentIndex(1);
      emit f.Brow()->SortCombo()->activated(1);
      EXPECT_EQ(Cell(f, 0, 1), "DL3");
      // Quick search in the number order: the key of number 3.
      f.Brow()->SetSortAndRange(0, 0, 0, "", "");
      QTest::keyClicks(f.Brow()->SearchField(), QStringLiteral("dk"));
      EXPECT_EQ(f.Brow()->CurrentRef(), 3);
      // Delete through the menu: the function asks, the list moves to the next record.
      desktop_.Answers = {true};
      f.MenuItem("Löschen")->trigger();
      EXPECT_EQ(fkt_->Deleted, (std::vector<std::string>{"3"}));
      EXPECT_EQ(desktop_.Texts(TMessageKind::Question), QStringList{Q("1 Datensätze löschen?")});
      EXPECT_EQ(driver_->RecordCount(), 3);
      EXPECT_EQ(f.Brow()->CurrentRef(), 1);
      EXPECT_EQ(Cell(f, 0, 2), "DL3");
      // The Delete key of the browser deletes nothing here.
      QTest::keyClick(f.Brow()->Grid(), Qt::Key_Delete);
      EXPECT_EQ(desktop_.Messages.size(), 1u);
      // New: the added record becomes the current row.
      f.MenuItem("Neu")->trigger();
      EXPECT_EQ(f.Brow()->CurrentRef(), 5);
      EXPECT_EQ(Cell(f, 0, f.Brow()->Page()->CurrentRow()), "DF5");
      EXPECT_TRUE(f.CancelButton()->isEnabled());
      QTest::keyClick(&f, Qt::Key_Escape);
      return 0;
    });
    EXPECT_FALSE(ok);
  }
  EXPECT_EQ(TCallFkt::ClosedFiles, 1);
}

TEST_F(DatenListeTest, SelectModeTakesTheCurrentRecordOverButNotFromAnEmptyList) {
  TCallList empty(true, driver_, fkt_);
  EXPECT_FALSE(Run(empty, [&](TDatenListeForm& f) {
    EXPECT_TRUE(f.TakeOverButton()->isVisible());
    EXPECT_FALSE(f.CaptionPanel()->isVisible());
    EXPECT_EQ(f.CancelButton()->text(), Q("&Abbrechen"));
    f.TakeOverButton()->click();
    EXPECT_TRUE(f.isVisible());
    return 2;
  }));
  AddCalls({"DA1", "DB2", "DC3"});
  TCallList list(true, driver_, fkt_);
  EXPECT_TRUE(Run(list, [&](TDatenListeForm& f) {
    QTest::keyClick(f.Brow()->Grid(), Qt::Key_Down);
    QTest::keyClick(f.Brow()->Grid(), Qt::Key_Return);
    EXPECT_TRUE(f.Brow()->Page()->Closing());
    return 2;
  }));
  EXPECT_EQ(list.TakenRef(), 2);
}

TEST_F(DatenListeTest, EnterInTheQuickSearchFieldTakesTheFoundRecordOver) {
  AddCalls({"DA1", "DB2", "DC3"});
  TCallList list(true, driver_, fkt_);
  EXPECT_TRUE(Run(list, [&](TDatenListeForm& f) {
    TkvEdit* search = f.Brow()->SearchField();
    EXPECT_TRUE(search->hasFocus());
    QTest::keyClicks(search, QStringLiteral("db"));
    QTest::keyClick(search, Qt::Key_Return);
    EXPECT_TRUE(f.Brow()->Page()->Closing());
    return 2;
  }));
  EXPECT_EQ(list.TakenRef(), 2);
}

TEST_F(DatenListeTest, ThreeSelectedRecordsAreDeletedTogetherAndTheSelectionCleared) {
  AddNumbered(6);
  TCallList list(false, driver_, fkt_);
  Run(list, [&](TDatenListeForm& f) {
    TkvBrow& b = *f.Brow();
    b.SetMultiSelect(true);
    auto click = [&](int row, Qt::KeyboardModifiers mods) {
      QTest::mouseClick(b.Grid()->viewport(), Qt::LeftButton, mods,
                        b.Grid()->visualItemRect(b.Grid()->item(row, 0)).center());
    };
    click(2, {});
    click(4, Qt::ShiftModifier);
    EXPECT_EQ(b.Selection().Count(), 3);
    desktop_.Answers = {true};
    f.MenuItem("Löschen")->trigger();
    EXPECT_EQ(fkt_->Deleted, (std::vector<std::string>{"2", "3", "4"}));
    EXPECT_EQ(b.Selection().Count(), 0);
    EXPECT_EQ(driver_->RecordCount(), 3);
    EXPECT_EQ(Cell(f, 0, 2), "C005");
    return 2;
  });
}

TEST_F(DatenListeTest, ClosingDuringAnExtraFunctionStopsItAndClosesWhenItEnds) {
  AddNumbered(3);
  TCallList list(false, driver_, fkt_);
  list.ShowExtra1 = true;
  list.Extra1Caption = "Prüfen";
  bool closedAfter = false;
  EXPECT_FALSE(Run(list, [&](TDatenListeForm& f) {
    EXPECT_TRUE(f.ExtraButton()->isVisibleTo(&f));
    EXPECT_EQ(f.MenuItem("Zusatzfunktion1")->text(), Q("Prüfen"));
    f.MenuItem("Zusatzfunktion1")->trigger();
    closedAfter = !f.isVisible();
    return 0;
  }));
  EXPECT_TRUE(list.StillOpenAfterClose);
  EXPECT_EQ(list.Steps, 3);  // stopped at the next progress call
  EXPECT_TRUE(closedAfter);
}

}  // namespace
}  // namespace browtest
