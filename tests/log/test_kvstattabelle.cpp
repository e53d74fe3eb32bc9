// The worked-tables panel: cell rectangles of the visible columns and rows, the marker
// that follows the mouse, and the events handed to the owner.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QTabWidget>
#include <QTest>

#include "foundation/kvbitbtn.h"
#include "log/kvmouseimage.h"
#include "log/kvstattabelle.h"

namespace {

TStatGeometry AllVisible() {
  TStatGeometry g;
  g.RowHeight = 16;
  g.CharWidth = 7;
  g.ColumnVisible.fill(true);
  g.RowVisible.fill(true);
  return g;
}

TEST(StatGeometry, WithEveryFlagClearOnlyColumnZeroAndRowZeroHaveCells) {
  TStatGeometry g;
  g.RowHeight = 16;
  g.CharWidth = 7;
  ASSERT_TRUE(g.CellRect(0, 0).has_value());
  EXPECT_EQ(*g.CellRect(0, 0), (TCellRect{2, 2, 2 + 21, 2 + 16}));
  EXPECT_FALSE(g.CellRect(1, 0).has_value());
  EXPECT_FALSE(g.CellRect(0, 1).has_value());
  EXPECT_FALSE(g.MarkerAt(100, 100).has_value());
}

TEST(StatGeometry, CellsCountOnlyVisibleColumnsAndRows) {
  TStatGeometry g = AllVisible();
  // column i: margin + (i x 3 + 9) x char width; row j: j x row height + margin
  EXPECT_EQ(*g.CellRect(3, 7), (TCellRect{2 + 18 * 7, 7 * 16 + 2, 2 + 21 * 7, 8 * 16 + 2}));
  g.ColumnVisible.fill(false);
  g.ColumnVisible[5] = g.ColumnVisible[9] = true;
  EXPECT_TRUE(g.CellRect(2, 3).has_value());
  EXPECT_FALSE(g.CellRect(3, 3).has_value());
  EXPECT_FALSE(g.CellRect(-1, 0).has_value());
}

TEST(StatGeometry, MarkerTagIsColumnTimesHundredPlusRow) {
  const TStatGeometry g = AllVisible();
  const TCellRect cell = *g.CellRect(3, 7);
  const std::optional<TMarkerPlace> place = g.MarkerAt(cell.Left + 3, cell.Top + 3);
  ASSERT_TRUE(place.has_value());
  EXPECT_EQ(place->Tag, 307);
  EXPECT_EQ(place->Left, cell.Left);
  EXPECT_EQ(place->Top, cell.Top);
  // Left of the first column and above the first row still land on column 1, row 1.
  EXPECT_EQ(g.MarkerAt(0, 0)->Tag, 101);
}

TEST(StatGeometry, LimitsDecideWhichCellsMayLieBeforeThePoint) {
  TStatGeometry g = AllVisible();
  g.ColumnLimit = 4;
  g.RowLimit = 5;
  // From the column limit on a column matches however far right the point is; up to the
  // row limit a row above the point does not match.
  EXPECT_EQ(g.MarkerAt(2000, 20)->Tag / 100, 21);
  const TCellRect row3 = *g.CellRect(1, 3);
  EXPECT_EQ(g.MarkerAt(20, row3.Top + 2)->Tag % 100, 3);
}

TEST(KvStatTabelle, BuildsItsTabsButtonsAndAHiddenMarker) {
  TkvStatTabelle panel;
  ASSERT_EQ(panel.pcStat->count(), 22);
  EXPECT_EQ(panel.pcStat->tabText(0), QStringLiteral("Call"));
  EXPECT_EQ(panel.pcStat->widget(2)->objectName(), QStringLiteral("ptabDOK"));
  EXPECT_EQ(panel.pcStat->tabText(21), QStringLiteral("Log10"));
  EXPECT_EQ(panel.buttons[3]->toolTip(), QStringLiteral("Statistik schließen"));
  EXPECT_TRUE(panel.btnAktBandMode->isHidden());
  EXPECT_EQ(panel.btnAktBandMode->size(), QSize(10, 10));
}

TEST(KvStatTabelle, MarkerFollowsTheMouseAndEventsReachTheOwner) {
  TkvStatTabelle panel;
  panel.resize(600, 500);
  panel.Geometry.ColumnVisible.fill(true);
  panel.Geometry.RowVisible.fill(true);
  panel.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
  int downs = 0, notes = 0, leaves = 0;
  panel.OnMouseDown = [&](QMouseEvent*) { ++downs; };
  panel.OnNotify[1] = [&] { ++notes; };
  panel.OnMouseLeave = [&] { ++leaves; };
  const TCellRect cell = *panel.CellRect(3, 7);
  QTest::mouseMove(panel.image, QPoint(cell.Left + 3, cell.Top + 3));
  EXPECT_EQ(panel.btnAktBandMode->property("Tag").toInt(), 307);
  EXPECT_EQ(panel.btnAktBandMode->pos(), QPoint(cell.Left, cell.Top));
  QTest::mouseClick(panel.image, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseClick(panel.buttons[2], Qt::LeftButton);
  QTest::mouseClick(panel.buttons[1], Qt::LeftButton);  // "Log Bnd/Mod" tells nobody
  EXPECT_EQ(downs, 1);
  EXPECT_EQ(notes, 1);
  panel.pcStat->setCurrentIndex(4);
  EXPECT_EQ(panel.State(), 0);
  panel.image->OnMouseLeave();
  EXPECT_EQ(leaves, 1);
}

}  // namespace

namespace {

TEST(KvMouseImage, TellsEnterAndLeaveOnlyWhileEnabled) {
  TkvMouseImage image;
  int enters = 0, leaves = 0;
  image.OnMouseEnter = [&] { ++enters; };
  image.OnMouseLeave = [&] { ++leaves; };
  QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&image, &enter);
  QApplication::sendEvent(&image, &leave);
  image.setEnabled(false);
  QApplication::sendEvent(&image, &enter);
  QApplication::sendEvent(&image, &leave);
  EXPECT_EQ(enters, 1);
  EXPECT_EQ(leaves, 1);
}

}  // namespace
