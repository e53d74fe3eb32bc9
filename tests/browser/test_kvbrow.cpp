// The record browser control on a real table, driven with Qt Test offscreen: opening,
// the grid cells, keys at the page edges, sort changes, quick search, the delete road
// and the close question.
#include <QComboBox>
#include <QScrollBar>
#include <QTest>

#include "browser/browfixture.h"
#include "browser/browgeometry.h"
#include "browser/browgridctrl.h"
#include "browser/browselect.h"
#include "browser/kvbrow.h"
#include "foundation/cp1252.h"
#include "foundation/kvedit.h"
#include "foundation/kvmousegrid.h"
#include "foundation/recordbuf.h"
#include "foundation/testdesktop.h"

namespace browtest {
namespace {

class KvBrowTest : public BrowserTest {
 protected:
  void SetUp() override {
    BrowserTest::SetUp();
    table_ = std::make_unique<TCallTable>(driver_);
    // Wide enough for the tool bar in one row.
    brow_.resize(1000, 10 * 20 + 60);
    brow_.Grid()->SetDefaultRowHeight(20);
    brow_.OnBuildRow = [this](RowRec& row) {
      ++builds_;
      const uint8_t* rec = driver_->RecordBuffer();
      row.Text = recordbuf::GetStr(rec, kCallOff, 12) + ";" +
                 std::to_string(recordbuf::GetI32(rec, kNumberOff));
    };
    brow_.OnSetHeaderFooter = [this] { brow_.SetHeaderFooter("Call;Nr", "", false, "\1\2"); };
    brow_.OnInitSortList = [this] {
      brow_.ClearSortList();
      for (const char* s : sorts_) brow_.AddSortEntry(s);
    };
    brow_.OnSortList2Key = [](int i, TKeyStr&, TKeyStr&) { return i + 1; };
  }
  void OpenBrow() {
    brow_.show();
    brow_.Open(0, table_.get(), TKeyStr(), TKeyStr(), false, false, kCall);
    QApplication::processEvents();
  }
  std::string Cell(int col, int row) const { return brow_.Grid()->Cell(col, row); }

  std::unique_ptr<TCallTable> table_;
  TkvBrow brow_;
  std::vector<const char*> sorts_{"Rufzeichen", "Nummer"};
  int builds_ = 0;
};

TEST_F(KvBrowTest, OpensOnTheFirstPageWithCellsFromTheRowTexts) {
  AddCalls({"DL3", "DA1", "DK7"});
  OpenBrow();
  ASSERT_TRUE(brow_.IsOpen());
  EXPECT_EQ(brow_.ColCount(), 2);
  EXPECT_EQ(Cell(0, 0), "Call");
  EXPECT_EQ(Cell(1, 0), "Nr");
  EXPECT_EQ(Cell(0, 1), "DA1");
  EXPECT_EQ(Cell(1, 1), "2");
  EXPECT_EQ(Cell(0, 3), "DL3");
  EXPECT_EQ(Cell(0, 4), "");
  EXPECT_EQ(brow_.CurrentRef(), 2);
  EXPECT_TRUE(brow_.SortSelectorVisible());
  EXPECT_EQ(brow_.ViewCount(), 3);
  EXPECT_EQ(brow_.Page()->RowsOnPage(), 10);
}

TEST_F(KvBrowTest, OpenFailuresRaiseTheirTexts) {
  brow_.OnInit_brDats = [] { return false; };
  bool closed = false;
  brow_.OnEntf_brDats = [&] { closed = true; };
  try {
    OpenBrow();
    FAIL();
  } catch (const EConstructorInvalid& e) {
    EXPECT_STREQ(e.what(), "Fehler beim Öffnen der Datenbanken!");
  }
  EXPECT_TRUE(closed);
  // The browser outlives this body and calls the handler again when it is destroyed.
  brow_.OnEntf_brDats = nullptr;
  brow_.OnInit_brDats = nullptr;
  TCallTable noFile(nullptr);
  try {
    brow_.Open(0, &noFile, TKeyStr(), TKeyStr(), false, false, kCall);
    FAIL();
  } catch (const EConstructorInvalid& e) {
    EXPECT_STREQ(e.what(), "ungültiger Treiber");
  }
}

TEST_F(KvBrowTest, KeysMoveTheCurrentRowAndScrollAtThePageEdges) {
  AddNumbered(25);
  OpenBrow();
  for (int i = 0; i < 9; ++i) QTest::keyClick(brow_.Grid(), Qt::Key_Down);
  EXPECT_EQ(brow_.CurrentRef(), 10);
  EXPECT_EQ(brow_.LastBrowseCommand(), 13);
  // Down on the last row of a full page scrolls by one row.
  QTest::keyClick(brow_.Grid(), Qt::Key_Down);
  EXPECT_EQ(brow_.CurrentRef(), 11);
  EXPECT_EQ(Cell(0, 1), "C002");
  EXPECT_EQ(Cell(0, 10), "C011");
  QTest::keyClick(brow_.Grid(), Qt::Key_End);
  EXPECT_EQ(brow_.CurrentRef(), 25);
  EXPECT_EQ(Cell(0, 10), "C025");
  // Down on the last row of the last page does nothing.
  QTest::keyClick(brow_.Grid(), Qt::Key_Down);
  EXPECT_EQ(brow_.CurrentRef(), 25);
  EXPECT_EQ(Cell(0, 1), "C016");
  QTest::keyClick(brow_.Grid(), Qt::Key_PageUp);
  EXPECT_EQ(Cell(0, 1), "C006");
  QTest::keyClick(brow_.Grid(), Qt::Key_Home);
  EXPECT_EQ(brow_.CurrentRef(), 1);
  EXPECT_EQ(brow_.Grid()->currentRow(), 1);
  // The scroll bar covers the records; its thumb follows the current record.
  QScrollBar* bar = brow_.findChild<QScrollBar*>(QStringLiteral("ScrollBar"));
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->maximum(), 24);
  EXPECT_EQ(bar->pageStep(), 9);
  EXPECT_EQ(bar->value(), 0);
  bar->triggerAction(QAbstractSlider::SliderToMaximum);
  EXPECT_EQ(brow_.CurrentRef(), 25);
  EXPECT_EQ(bar->value(), 24);
  // Dragging the thumb goes to the record at its place.
  bar->setSliderPosition(12);
  bar->triggerAction(QAbstractSlider::SliderMove);
  EXPECT_EQ(brow_.CurrentRef(), 13);
  EXPECT_EQ(bar->value(), 12);
}

// The sort and view choices and the quick-search field show their texts whole: a narrow
// list puts the navigation tools into a second row instead of cutting the texts.
TEST_F(KvBrowTest, ToolbarTextsStayWholeAtEveryWidth) {
  AddCalls({"DL3"});
  OpenBrow();
  QWidget* search = brow_.findChild<QWidget*>(QStringLiteral("SCHNELLSUCHE"));
  QWidget* first = brow_.findChild<QWidget*>(QStringLiteral("BTNENDH"));
  ASSERT_TRUE(search && first);
  for (int width : {1200, 596, 480}) {
    SCOPED_TRACE(width);
    brow_.resize(width, 300);
    QApplication::processEvents();
    for (const char* name : {"SortLabel", "Sortlist", "SortButton", "Ansicht"}) {
      QWidget* w = brow_.findChild<QWidget*>(QString::fromLatin1(name));
      ASSERT_NE(w, nullptr) << name;
      EXPECT_GE(w->width(), w->sizeHint().width()) << name;
    }
    EXPECT_GE(search->width(),
              search->fontMetrics().horizontalAdvance(QStringLiteral("SCHNELLSUCHE")));
    // One row while everything fits, two when it does not.
    EXPECT_EQ(first->y() > search->y() + search->height() / 2, width < 1000);
  }
}

TEST_F(KvBrowTest, ChoosingASortOrderReordersTheListOnlyWhenItChanges) {
  AddCalls({"DL3", "DA1", "DK7"});
  OpenBrow();
  QTest::keyClick(brow_.Grid(), Qt::Key_Down);  // DK7, ref 3
  ASSERT_EQ(brow_.CurrentRef(), 3);
  const int before = builds_;
  brow_.ApplySort(0);  // already active
  EXPECT_EQ(builds_, before);
  brow_.ApplySort(1);
  EXPECT_EQ(brow_.KeyNr(), kNumber);
  EXPECT_EQ(brow_.CurrentRef(), 3);  // the list stays on the record
  EXPECT_EQ(Cell(0, 1), "DL3");
  EXPECT_EQ(Cell(0, 2), "DA1");
  EXPECT_EQ(Cell(0, 3), "DK7");
  EXPECT_EQ(brow_.Grid()->currentRow(), 3);
  // A click on the header of a column selects the sort of its key number.
  QTest::mouseClick(brow_.Grid()->viewport(), Qt::LeftButton, {},
                    brow_.Grid()->visualItemRect(brow_.Grid()->item(0, 0)).center());
  EXPECT_EQ(brow_.KeyNr(), kCall);
  EXPECT_EQ(brow_.SortlistItemIndex(), 0);
  EXPECT_EQ(Cell(0, 1), "DA1");
  // A column without a key number changes nothing.
  brow_.SetHeaderFooter("Call;Nr;Info", "", false, "\1\2");
  const int builds = builds_;
  QTest::mouseClick(brow_.Grid()->viewport(), Qt::LeftButton, {},
                    brow_.Grid()->visualItemRect(brow_.Grid()->item(0, 2)).center());
  EXPECT_EQ(brow_.KeyNr(), kCall);
  EXPECT_EQ(builds_, builds);
}

TEST_F(KvBrowTest, ASingleSortEntryHidesTheSelectorAndIsSelected) {
  sorts_ = {"Rufzeichen"};
  OpenBrow();
  EXPECT_FALSE(brow_.SortSelectorVisible());
  EXPECT_EQ(brow_.SortlistItemIndex(), 0);
  sorts_.clear();
  brow_.InitSortList();
  EXPECT_FALSE(brow_.SortSelectorVisible());
}

TEST_F(KvBrowTest, QuickSearchGoesToTheFirstMatchOrTheRecordBefore) {
  AddCalls({"DA1", "DB2", "DL1", "DL5", "OE3"});
  OpenBrow();
  QTest::keyClicks(brow_.SearchField(), QStringLiteral("dl"));
  EXPECT_EQ(brow_.CurrentRef(), 3);
  QTest::keyClicks(brow_.SearchField(), QStringLiteral("5"));
  EXPECT_EQ(brow_.CurrentRef(), 4);
  // No key begins with "DL7": the record before its place.
  QTest::keyClick(brow_.SearchField(), Qt::Key_Backspace);
  QTest::keyClicks(brow_.SearchField(), QStringLiteral("7"));
  EXPECT_EQ(brow_.CurrentRef(), 4);
  // Behind every key: the end of the list.
  brow_.ClearSearch();
  QTest::keyClicks(brow_.SearchField(), QStringLiteral("Z"));
  EXPECT_EQ(brow_.CurrentRef(), 5);
  // An emptied field leaves the list where it is; a handled key empties the field.
  brow_.SearchField()->clear();
  EXPECT_EQ(brow_.CurrentRef(), 5);
  QTest::keyClicks(brow_.SearchField(), QStringLiteral("DB"));
  QTest::keyClick(brow_.SearchField(), Qt::Key_Down);
  EXPECT_EQ(brow_.CurrentRef(), 3);
  EXPECT_EQ(brow_.SearchField()->GetValueStr(), "");
}

TEST_F(KvBrowTest, DeleteAsksAndRemovesTheSelectedRowsRecord) {
  AddCalls({"DA1", "DB2", "DC3", "DD4"});
  OpenBrow();
  TTestDesktop desktop;
  QTest::keyClick(brow_.Grid(), Qt::Key_Down);
  ASSERT_EQ(brow_.CurrentRef(), 2);
  // The driver's last read is another record: the delete still takes the selected row.
  ASSERT_TRUE(driver_->ReadByRef(4));
  desktop.Answers = {false};
  QTest::keyClick(brow_.Grid(), Qt::Key_Delete);
  ASSERT_EQ(desktop.Messages.size(), 1u);
  EXPECT_EQ(desktop.Messages[0].Title, Q("Sicherheitsabfrage"));
  EXPECT_EQ(desktop.Messages[0].Text, Q(" Löschen \"Datensatz\""));
  EXPECT_EQ(driver_->RecordCount(), 4);
  desktop.Answers = {true};
  QTest::keyClick(brow_.Grid(), Qt::Key_Delete);
  EXPECT_EQ(driver_->RecordCount(), 3);
  EXPECT_FALSE(driver_->ReadByRef(2));
  EXPECT_TRUE(driver_->ReadByRef(4));
  // The record after it moved up into the row.
  EXPECT_EQ(brow_.CurrentRef(), 3);
  EXPECT_EQ(Cell(0, 2), "DC3");
  EXPECT_EQ(Cell(0, 4), "");
  // Before_Loesch answering False asks nothing and deletes nothing.
  brow_.OnBefore_Loesch = [] { return false; };
  QTest::keyClick(brow_.Grid(), Qt::Key_Delete);
  EXPECT_EQ(desktop.Messages.size(), 2u);
  EXPECT_EQ(driver_->RecordCount(), 3);
}

TEST_F(KvBrowTest, WhereverTheGridCursorGoesTheDeleteTakesThatRowsRecord) {
  AddCalls({"DA1", "DB2", "DC3", "DD4"});
  OpenBrow();
  TTestDesktop desktop;
  // Letters are no browse keys: the grid itself moves its cursor to the row they begin.
  QTest::keyClicks(brow_.Grid(), QStringLiteral("DC"));
  ASSERT_EQ(brow_.Grid()->currentRow(), 3);
  EXPECT_EQ(brow_.CurrentRef(), 3);
  desktop.Answers = {true};
  QTest::keyClick(brow_.Grid(), Qt::Key_Delete);
  EXPECT_FALSE(driver_->ReadByRef(3));
  EXPECT_TRUE(driver_->ReadByRef(1));
  // A cursor moved below the filled rows goes back to the current row.
  brow_.Grid()->setCurrentCell(6, 0);
  EXPECT_EQ(brow_.Grid()->currentRow(), brow_.Page()->CurrentRow());
}

TEST_F(KvBrowTest, EscapeMakesTheCloseQueryAskOnce) {
  OpenBrow();
  TTestDesktop desktop;
  brow_.SetCaption("Liste");
  bool canClose = false;
  brow_.CloseQuery(canClose);
  EXPECT_TRUE(canClose);
  EXPECT_TRUE(desktop.Messages.empty());
  QTest::keyClick(brow_.Grid(), Qt::Key_Escape);
  desktop.Answers = {false};
  brow_.CloseQuery(canClose);
  EXPECT_FALSE(canClose);
  ASSERT_EQ(desktop.Messages.size(), 1u);
  EXPECT_EQ(desktop.Messages[0].Text, Q("Modul \"Liste\" beenden"));
  brow_.CloseQuery(canClose);
  EXPECT_TRUE(canClose);
  EXPECT_EQ(desktop.Messages.size(), 1u);
}

TEST_F(KvBrowTest, TheListViewFlowsThePageDownColumns) {
  AddNumbered(30);
  OpenBrow();
  brow_.SetAnsichtItemIndex(0);  // "Liste"
  ASSERT_EQ(brow_.ViewMode(), browgeometry::kListe);
  const int rows = brow_.Grid()->RowCount() - 1;
  const int cols = brow_.ColCount();
  ASSERT_GE(cols, 2);
  EXPECT_EQ(brow_.Page()->RowsOnPage(), rows * cols);
  EXPECT_EQ(Cell(0, 1), "C001;1");
  // The page flows down the first column, then tops the second.
  EXPECT_EQ(Cell(0, rows), "C" + std::string(rows < 10 ? "00" : "0") + std::to_string(rows) + ";" +
                               std::to_string(rows));
  EXPECT_EQ(Cell(1, 1), "C0" + std::to_string(rows + 1) + ";" + std::to_string(rows + 1));
  QTest::keyClick(brow_.Grid(), Qt::Key_Right);
  EXPECT_EQ(brow_.CurrentRef(), 2);
}

TEST_F(KvBrowTest, DirectEditingWarnsOnceAndColoursTheHeadersItAccepts) {
  AddCalls({"DA1"});
  OpenBrow();
  TTestDesktop desktop;
  brow_.OnBrowTextSelectCell = [](QObject*, int col, int, const std::string& header) {
    return col == 1 && header == "Nr";
  };
  brow_.SetDirectEdit(true);
  ASSERT_EQ(desktop.Messages.size(), 1u);
  EXPECT_EQ(desktop.Messages[0].Title, Q("Direkteingabe"));
  EXPECT_EQ(brow_.Grid()->currentColumn(), 1);
  EXPECT_NE(brow_.Grid()->editTriggers(), QAbstractItemView::NoEditTriggers);
  const QImage shot = brow_.Grid()->grab().toImage();
  auto headerFill = [&](int col) {
    const QRect r = brow_.Grid()->visualItemRect(brow_.Grid()->item(0, col));
    return shot.pixelColor(r.topLeft() + QPoint(3, 3));
  };
  EXPECT_EQ(headerFill(1), QColor(255, 213, 213));
  EXPECT_EQ(headerFill(0), QColor(255, 0, 0));
  brow_.SetDirectEdit(false);
  EXPECT_EQ(brow_.Grid()->editTriggers(), QAbstractItemView::NoEditTriggers);
  brow_.SetDirectEdit(true);
  EXPECT_EQ(desktop.Messages.size(), 1u);  // once per program run
  // A sort change ends direct editing.
  brow_.ApplySort(1);
  EXPECT_FALSE(brow_.DirectEdit());
}

TEST_F(KvBrowTest, TheViewChoiceFollowsTheModesOffered) {
  brow_.OnInitAnsicht = [this] { brow_.SetViewModes(browgeometry::kBitDetails); };
  OpenBrow();
  EXPECT_EQ(brow_.ViewCount(), 1);
  EXPECT_FALSE(brow_.ViewCombo()->isVisible());
  brow_.OnInitAnsicht = nullptr;
  brow_.SetAnsichtItemIndex(0);
  brow_.SetViewModes(browgeometry::kBitListe | browgeometry::kBitMiniatur);
  brow_.InitAnsicht();
  EXPECT_TRUE(brow_.ViewCombo()->isVisible());
  EXPECT_EQ(brow_.ViewCombo()->itemText(1), Q("Miniaturansicht"));
}

TEST_F(KvBrowTest, APlainClickInMultiSelectModeStartsTheSelectionAnew) {
  AddNumbered(6);
  brow_.SetMultiSelect(true);
  OpenBrow();
  auto click = [this](int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    TkvMouseGrid* g = brow_.Grid();
    QTest::mouseClick(g->viewport(), Qt::LeftButton, modifiers,
                      g->visualItemRect(g->item(row, 0)).center());
  };
  auto selected = [this] { return brow_.Selection().Refs(); };
  click(1);
  EXPECT_EQ(selected(), (std::vector<int32_t>{1}));
  // A plain click elsewhere leaves only the clicked row selected: a list function that
  // works on the selection must not take the earlier row along.
  click(3);
  EXPECT_EQ(brow_.CurrentRef(), 3);
  EXPECT_EQ(selected(), (std::vector<int32_t>{3}));
  click(4, Qt::ControlModifier);
  EXPECT_EQ(selected(), (std::vector<int32_t>{3, 4}));
  // A plain click on a selected row keeps the selection (it may start a drag).
  click(3);
  EXPECT_EQ(selected(), (std::vector<int32_t>{3, 4}));
  click(6);
  EXPECT_EQ(selected(), (std::vector<int32_t>{6}));
}

}  // namespace
}  // namespace browtest
