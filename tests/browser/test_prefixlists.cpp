// The prefix list over a BMPREFIX made in the test: the cells of an entry, both sort
// orders, the out-of-date mark, picking an entity and deleting entries.
#include <QAction>
#include <QComboBox>
#include <QImage>
#include <QMenu>
#include <QPushButton>
#include <QStyleOptionToolButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "browser/browselect.h"
#include "browser/datenlisteform.h"
#include "browser/kvbrow.h"
#include "browser/prefixlistcols.h"
#include "browser/prefixlists.h"
#include "foundation/cp1252.h"
#include "foundation/daynumber.h"
#include "foundation/kvedit.h"
#include "foundation/kvmousegrid.h"
#include "foundation/testdesktop.h"
#include "reference/datprefix.h"
#include "reference/dbprefix.h"
#include "reference/prefixinstall.h"
#include "storage/dbtreiber.h"
#include "support/shippedprefix.h"
#include "support/testdir.h"
#include "tables/setups.h"
#include "tables/setupseparat.h"

namespace {

using namespace prefixrec;

struct TEntry {
  std::string Prefix, Dxcc, Country;
  std::string Locator{};
  int16_t Adif = 0;
  int32_t ValidUntil = 0;
  bool Marker = false;
  std::string WiePref{};
};

TRecord RecordOf(const TEntry& e) {
  TRecord r(kSize);
  r.SetStr(kPrefix, kPrefixLen, e.Prefix);
  r.SetStr(kDxcc, kDxccLen, e.Dxcc);
  r.SetStr(kCountry, kCountryLen, e.Country);
  r.SetStr(kLocator, kLocatorLen, e.Locator);
  r.SetStr(kContinent, kZoneLen, "EU");
  r.SetStr(kWiePref, kPrefixLen, e.WiePref);
  r.SetI16(kAdifNr, e.Adif);
  r.SetI32(kValidUntil, e.ValidUntil);
  r.SetByte(kMarker, e.Marker ? 1 : 0);
  return r;
}

std::vector<std::string> Cells(const std::string& row) {
  std::vector<std::string> out(1);
  for (char c : row) {
    if (c == ';')
      out.emplace_back();
    else
      out.back().push_back(c);
  }
  return out;
}

class PrefixListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ToSetupDirs dirs = Setups().GetDirs();
    oldDataDir_ = dirs[setupdirs::kData];
    dirs[setupdirs::kData] = dir_.Path();
    Setups().SetDirs(dirs);
    oldStation_ = Setups().GetEigeneStation();
    oldFlags_ = Setups().GetFlags();
    oldLanguage_ = setupseparat::Language();
    setupseparat::SetLanguage(setupseparat::kGerman);
    SetOwnLocator("JO31");
    ASSERT_TRUE(oDatPrefix->OpenFileSet(ToDatPrefix::kBitMain, false));
  }
  void TearDown() override {
    oDatPrefix->CloseFileSet(ToDatPrefix::kBitMain, false, false, true);
    ToSetupDirs dirs = Setups().GetDirs();
    dirs[setupdirs::kData] = oldDataDir_;
    Setups().SetDirs(dirs);
    Setups().SetEigeneStation(oldStation_);
    Setups().SetFlags(oldFlags_);
    setupseparat::SetLanguage(oldLanguage_);
  }
  static void SetOwnLocator(const std::string& locator) {
    ToSetupEigeneStation station = Setups().GetEigeneStation();
    station.SetLocator(locator);
    Setups().SetEigeneStation(station);
  }
  int32_t Add(const TEntry& e) {
    TdbPrefix t(kMain);
    t.SetWorkRec(RecordOf(e));
    EXPECT_TRUE(t.Add()) << e.Prefix;
    return t.CurrentRef();
  }
  // DXCC order 9A DL F OE Y2; country order OE 9A F Y2 DL.
  void AddEurope() {
    refs_.push_back(Add({"DL", "DL", "Germany", "JO31", 230}));
    refs_.push_back(Add({"F", "F", "France", "JN18", 227}));
    refs_.push_back(Add({"OE", "OE", "Austria", "JN78", 206}));
    refs_.push_back(Add({"9A", "9A", "Croatia", "JN75", 497}));
    refs_.push_back(
        Add({"Y2", "Y2", "German Dem. Rep.", "JO62", 229, daynumber::FromYMD(1990, 10, 2)}));
  }
  static int32_t Count() { return oDatPrefix->Driver(kMain)->RecordCount(); }
  std::string RowOf(const TEntry& e) {
    TdbPrefix t(kMain);
    t.SetWorkRec(RecordOf(e));
    return prefixlist::RowText(t, Setups().GetEigeneStation().Locator());
  }
  // Runs the list window through the handler; its answer is the window's result.
  void Drive(const std::function<int(TDatenListeForm&)>& drive) {
    desktop_.DialogHandler = [drive](QDialog& d) {
      auto& form = static_cast<TDatenListeForm&>(d);
      form.resize(900, 400);
      form.show();
      QApplication::processEvents();
      form.setResult(0);
      const int answer = drive(form);
      return form.result() != 0 ? form.result() : answer;
    };
  }
  static std::string FirstColumn(TDatenListeForm& f, int rows) {
    std::string out;
    for (int r = 1; r <= rows; ++r) out += (r > 1 ? " " : "") + f.Brow()->Grid()->Cell(0, r);
    return out;
  }
  static QPoint CellCentre(TDatenListeForm& f, int col, int row) {
    TkvMouseGrid* g = f.Brow()->Grid();
    return g->visualRect(g->model()->index(row, col)).center();
  }

  TTestDir dir_;
  TTestDesktop desktop_;
  std::vector<int32_t> refs_;
  std::string oldDataDir_;
  ToSetupEigeneStation oldStation_;
  ToSetupFlags oldFlags_{};
  uint8_t oldLanguage_ = 0;
};

TEST_F(PrefixListTest, TheCellsOfAnEntryFollowTheColumns) {
  std::vector<std::string> c = Cells(RowOf({"DL", "DL", "Germany", "JO31", 230}));
  ASSERT_EQ(int(c.size()), prefixlist::ColumnCount());
  EXPECT_EQ(c[0], "DL");
  EXPECT_EQ(c[2], "Germany");
  EXPECT_EQ(c[3], "Deutschland");
  EXPECT_EQ(c[4], "EU");
  EXPECT_EQ(c[7], "JO31");
  EXPECT_EQ(c[8], "  0,0");  // the own square: three places, one decimal, decimal comma
  EXPECT_EQ(c[9], "    0");
  EXPECT_EQ(c[12], "230");
  // Heading and distance of a far square: the distance has no decimals.
  c = Cells(RowOf({"OE", "OE", "Austria", "JN78", 6}));
  EXPECT_EQ(c[8].size(), 5u);
  EXPECT_EQ(c[8][3], ',');
  EXPECT_EQ(c[9].size(), 5u);
  EXPECT_EQ(c[9].find(','), std::string::npos);
  EXPECT_GT(std::stoi(c[9]), 500);
  EXPECT_LT(std::stoi(c[9]), 900);
  EXPECT_EQ(c[12], "  6");
  // Without locator, and without a usable own locator, both cells stay empty.
  c = Cells(RowOf({"OE", "OE", "Austria", "", 206}));
  EXPECT_EQ(c[8] + c[9], "");
  SetOwnLocator("");
  c = Cells(RowOf({"OE", "OE", "Austria", "JN78", 206}));
  EXPECT_EQ(c[8] + c[9], "");
  // Out of date, marked, like-prefix.
  TEntry old{"Y2", "Y2", "German Dem. Rep.", "", 229, daynumber::FromYMD(1990, 10, 2), true};
  c = Cells(RowOf(old));
  EXPECT_EQ(c[0], "-(Y2)");
  EXPECT_EQ(c[1], "(Y2)");
  old.ValidUntil = 0;
  old.Marker = false;
  old.WiePref = "DL";
  c = Cells(RowOf(old));
  EXPECT_EQ(c[0], "Y2");
  EXPECT_EQ(c[2], "wie DL");
}

TEST_F(PrefixListTest, HeaderFollowsTheLanguageAndCountrySortsByItsKey) {
  std::vector<std::string> h = Cells(prefixlist::HeaderText());
  EXPECT_EQ(h[2], "Land");
  EXPECT_EQ(prefixlist::ColumnKeys()[2], char(prefixlist::kKeyCountry));
  EXPECT_EQ(prefixlist::ColumnChars(2, 0), 21);
  EXPECT_EQ(prefixlist::ColumnChars(2, 3), 30);
  setupseparat::SetLanguage(0);
  h = Cells(prefixlist::HeaderText());
  EXPECT_EQ(h[2], "Country");
  EXPECT_EQ(h[3], "Land, deutsch");
}

TEST_F(PrefixListTest, BothSortOrdersListTheEntriesAndMarkTheOutOfDateOne) {
  AddEurope();
  auto flags = Setups().GetFlags();
  flags[setupflags::kRowMarking] = 1;
  Setups().SetFlags(flags);
  TDatenPrefixListeCtrl list(nullptr, false, 0, prefixlist::kKeyDxcc, "Prefixliste", false);
  ASSERT_TRUE(list.FilesOpen());
  Drive([&](TDatenListeForm& f) {
    EXPECT_EQ(f.windowTitle(), Q("Auswahl Region"));
    EXPECT_EQ(f.Brow()->SortCombo()->currentText(), Q("DXCC"));
    EXPECT_EQ(FirstColumn(f, 5), "9A DL F OE -Y2");
    EXPECT_EQ(f.Brow()->ColWidth(2), 21 * f.Brow()->XWidth());
    // The red cross over the out-of-date entry's first cell, none over the others.
    TkvMouseGrid* g = f.Brow()->Grid();
    const QImage image = g->viewport()->grab().toImage();
    auto redOnDiagonal = [&](int row) {
      const QRect r = g->visualRect(g->model()->index(row, 0)).adjusted(2, 2, -2, -2);
      int red = 0;
      for (int i = 0; i < r.height(); ++i) {
        const QColor c = image.pixelColor(r.left() + i * r.width() / r.height(), r.top() + i);
        red += c.red() > 200 && c.green() < 80 && c.blue() < 80;
      }
      return red;
    };
    EXPECT_GT(redOnDiagonal(5), 3);
    EXPECT_EQ(redOnDiagonal(4), 0);
    // A click on the header "Land" sorts by country.
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, CellCentre(f, 2, 0));
    EXPECT_EQ(f.Brow()->KeyNr(), prefixlist::kKeyCountry);
    EXPECT_EQ(f.Brow()->SortCombo()->currentText(), Q("Land"));
    EXPECT_EQ(FirstColumn(f, 5), "OE 9A F -Y2 DL");
    // Quick search in the country order.
    QTest::keyClicks(f.Brow()->SearchField(), QStringLiteral("fra"));
    EXPECT_EQ(f.Brow()->CurrentRef(), refs_[1]);
    // And back by the sort choice.
    f.Brow()->SortCombo()->setCurrentIndex(0);
    emit f.Brow()->SortCombo()->activated(0);
    EXPECT_EQ(FirstColumn(f, 5), "9A DL F OE -Y2");
    return 2;
  });
  EXPECT_FALSE(list.Execute());
  setupseparat::SetLanguage(0);
  Drive([&](TDatenListeForm& f) {
    EXPECT_EQ(f.windowTitle(), Q("Select country"));
    return 2;
  });
  list.Execute();
}

// "DXCC" reads whole in its heading and on the sort button, beside the button's arrow.
TEST_F(PrefixListTest, TheDxccHeadingAndTheSortButtonShowTheirWholeText) {
  AddEurope();
  TDatenPrefixListeCtrl list(nullptr, false, 0, prefixlist::kKeyDxcc, "Prefixliste", false);
  Drive([&](TDatenListeForm& f) {
    TkvMouseGrid* g = f.Brow()->Grid();
    EXPECT_EQ(g->Cell(1, 0), "DXCC");
    EXPECT_GE(f.Brow()->ColWidth(1),
              g->fontMetrics().horizontalAdvance(QStringLiteral("DXCC")) + 4);
    auto* sort = f.Brow()->findChild<QToolButton*>(QStringLiteral("SortButton"));
    EXPECT_EQ(sort->text(), QStringLiteral("DXCC"));
    QStyleOptionToolButton option;
    option.initFrom(sort);
    option.features = QStyleOptionToolButton::HasMenu;
    if (sort->popupMode() == QToolButton::MenuButtonPopup)
      option.features |= QStyleOptionToolButton::MenuButtonPopup;
    option.subControls = QStyle::SC_ToolButton | QStyle::SC_ToolButtonMenu;
    const QRect caption =
        sort->style()->subControlRect(QStyle::CC_ToolButton, &option, QStyle::SC_ToolButton, sort);
    const QRect arrow = sort->style()->subControlRect(QStyle::CC_ToolButton, &option,
                                                      QStyle::SC_ToolButtonMenu, sort);
    EXPECT_FALSE(caption.intersects(arrow));
    EXPECT_GE(caption.width(), sort->fontMetrics().horizontalAdvance(sort->text()));
    // A click on the caption still opens the sort menu.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [sort] {
      if (sort->menu()->isVisible()) sort->menu()->close();
    });
    closer.start(10);
    bool shown = false;
    QObject::connect(sort->menu(), &QMenu::aboutToShow, [&] { shown = true; });
    QTest::mouseClick(sort, Qt::LeftButton, {}, caption.center());
    EXPECT_TRUE(shown);
    return 2;
  });
  list.Execute();
}

// After the pick the keys go back to the field of the window it was opened from.
TEST_F(PrefixListTest, AfterThePickTheFieldItCameFromHasTheKeys) {
  AddEurope();
  QDialog owner;
  auto* field = new TkvEdit(&owner);
  owner.show();
  owner.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&owner));
  field->setFocus();
  QDialog* shownOver = nullptr;
  Drive([&](TDatenListeForm& f) {
    shownOver = static_cast<QDialog*>(f.parentWidget());
    f.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&f));
    f.hide();
    return 2;
  });
  std::string dxcc, prefix;
  EXPECT_FALSE(TDatenPrefixFkt::PickPrefix(dxcc, "DXCC holen", prefix, &owner));
  EXPECT_EQ(shownOver, &owner);
  QApplication::processEvents();
  EXPECT_EQ(QApplication::activeWindow(), &owner);
  EXPECT_EQ(QApplication::focusWidget(), field);
}

TEST_F(PrefixListTest, APickReturnsPrefixAndDxccEvenOfAnOutOfDateEntry) {
  AddEurope();
  std::string dxcc = "?", prefix = "?";
  auto pickBySearch = [&](const char* typed) {
    Drive([typed](TDatenListeForm& f) {
      EXPECT_TRUE(f.TakeOverButton()->isVisibleTo(&f));
      EXPECT_TRUE(f.Brow()->MultiSelect());
      QTest::keyClicks(f.Brow()->SearchField(), Q(typed));
      QTest::mouseClick(f.TakeOverButton(), Qt::LeftButton);
      return 0;
    });
    return TDatenPrefixFkt::PickPrefix(dxcc, "DXCC holen", prefix);
  };
  EXPECT_TRUE(pickBySearch("f"));
  EXPECT_EQ(dxcc, "F");
  EXPECT_EQ(prefix, "F");
  EXPECT_TRUE(pickBySearch("y2"));
  EXPECT_EQ(dxcc, "Y2");
  EXPECT_EQ(prefix, "Y2");
  // Cancelled: nothing is returned.
  dxcc = prefix = "?";
  Drive([](TDatenListeForm&) { return 2; });
  EXPECT_FALSE(TDatenPrefixFkt::PickPrefix(dxcc, "DXCC holen", prefix));
  EXPECT_EQ(dxcc + prefix, "??");
}

TEST_F(PrefixListTest, DeletingTwoSelectedEntriesAsksOnceAndRemovesBoth) {
  AddEurope();
  TDatenPrefixListeCtrl list(nullptr, false, 0, prefixlist::kKeyDxcc, "Prefixliste", true);
  Drive([&](TDatenListeForm& f) {
    // The first column leaves room for the selection frame.
    EXPECT_EQ(f.Brow()->ColWidth(0), 6 * f.Brow()->XWidth() + 30);
    TkvMouseGrid* g = f.Brow()->Grid();
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, CellCentre(f, 0, 2));
    QTest::mouseClick(g->viewport(), Qt::LeftButton, Qt::ControlModifier, CellCentre(f, 0, 4));
    EXPECT_EQ(f.Brow()->Selection().Count(), 2);
    desktop_.Answers = {true};
    f.MenuItem("Löschen")->trigger();
    EXPECT_EQ(FirstColumn(f, 3), "9A F -Y2");
    return 2;
  });
  list.Execute();
  EXPECT_EQ(desktop_.Texts(TMessageKind::Question),
            QStringList{Q("alle selektierten Einträge löschen?")});
  EXPECT_EQ(Count(), 3);
}

TEST_F(PrefixListTest, ARefusedOrIncompleteDeleteIsAFailure) {
  AddEurope();
  TDatenPrefixFkt fkt;
  EXPECT_FALSE(fkt.Delete({}));
  // One entry: named in the question; No keeps it.
  desktop_.Answers = {false};
  EXPECT_FALSE(fkt.Delete({std::to_string(refs_[0])}));
  EXPECT_EQ(desktop_.Texts(TMessageKind::Question), QStringList{Q("Prefix DL löschen?")});
  desktop_.Answers = {false};
  EXPECT_FALSE(fkt.Delete({std::to_string(refs_[0]), std::to_string(refs_[1])}));
  EXPECT_EQ(Count(), 5);
  // One of two is gone already: the other is deleted, but the whole is no success.
  desktop_.Answers = {true};
  EXPECT_FALSE(fkt.Delete({std::to_string(refs_[2]), "999", "x"}));
  EXPECT_EQ(Count(), 4);
  desktop_.Answers = {true};
  EXPECT_TRUE(fkt.Delete({std::to_string(refs_[0])}));
  EXPECT_EQ(Count(), 3);
}

// The prefix files the program ships: the list shows the entities with their German names,
// locators, headings and distances, and a pick by quick search returns the entity.
class ShippedPrefixListTest : public PrefixListTest {
 protected:
  void SetUp() override {
    if (shippedprefix::Dir().empty()) GTEST_SKIP() << "no country file";
    ASSERT_TRUE(prefixinstall::InstallShippedFiles(shippedprefix::Dir(), dir_.Path()));
    PrefixListTest::SetUp();
  }
};

TEST_F(ShippedPrefixListTest, ListsTheEntitiesOfTheCountryFile) {
  EXPECT_EQ(Count(), shippedprefix::Report().Prefixes + shippedprefix::Report().DeletedEntities);
  TdbPrefix t(kMain);
  ASSERT_TRUE(t.FindExact("DL"));
  const std::vector<std::string> c =
      Cells(prefixlist::RowText(t, Setups().GetEigeneStation().Locator()));
  EXPECT_EQ(c[0], "DL");
  EXPECT_EQ(c[2], "Fed. Rep. of Germany");
  EXPECT_EQ(c[3], "Fed. Rep. of Deutschland");
  EXPECT_EQ(c[5], "14");
  EXPECT_EQ(c[7], "JO51AA");
  EXPECT_NE(c[8], "");
  EXPECT_NE(c[9], "");
  EXPECT_EQ(c[12], "230");

  std::string dxcc = "?", prefix = "?";
  Drive([](TDatenListeForm& f) {
    EXPECT_NE(f.Brow()->Grid()->Cell(0, 1), "");
    QTest::keyClicks(f.Brow()->SearchField(), QStringLiteral("ea8"));
    QTest::mouseClick(f.TakeOverButton(), Qt::LeftButton);
    return 0;
  });
  EXPECT_TRUE(TDatenPrefixFkt::PickPrefix(dxcc, "DXCC holen", prefix));
  EXPECT_EQ(dxcc, "EA8");
}

}  // namespace
