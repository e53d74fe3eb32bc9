#include <gtest/gtest.h>

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QDialog>
#include <QEnterEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include "foundation/bildressourcen.h"
#include "foundation/cp1252.h"
#include "foundation/kvbitbtn.h"
#include "foundation/kvedit.h"
#include "foundation/kvmousegrid.h"
#include "foundation/kvmousepanel.h"
#include "foundation/layout.h"
#include "foundation/layoutvalues.h"

namespace {
const TBitBtnKind kAllKinds[] = {bkOK,    bkCancel, bkHelp,   bkClose,     bkUebernahme,
                                 bkGHelp, bkGNeu,   bkGStart, bkGLoeschen, bkGClose};

int ColourDistance(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
         std::abs(qBlue(a) - qBlue(b));
}

// Whether some pixel of the picture is close to the colour (text strokes are smoothed).
bool HasPixelNear(const QImage& img, TColor colour) {
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (ColourDistance(img.pixel(x, y), ColorOf(colour).rgb()) < 30) return true;
  return false;
}
}  // namespace

TEST(KvBitBtn, EveryKindHasCaptionAndLoadedGlyph) {
  for (bool holder : {false, true}) {
    std::unique_ptr<TFormBildressourcen> images;
    if (holder) images = std::make_unique<TFormBildressourcen>();
    for (TBitBtnKind kind : kAllKinds) {
      TkvBitBtn button(kind);
      EXPECT_EQ(button.Kind(), kind);
      EXPECT_FALSE(button.Caption().empty()) << kind;
      EXPECT_EQ(button.Caption(), BitBtnKindInfo(kind).Caption);
      EXPECT_FALSE(button.icon().isNull()) << "kind " << kind << " holder " << holder;
      const QImage glyph = TFormBildressourcen::Glyph(button.GlyphName());
      EXPECT_EQ(glyph.size(), QSize(16, 16)) << button.GlyphName();
    }
  }
  EXPECT_EQ(TkvBitBtn(bkCancel).Caption(), "&Abbrechen");
  EXPECT_EQ(TkvBitBtn(bkUebernahme).Caption(), "&Übernehmen");
  // A custom button keeps what the window gives it.
  TkvBitBtn custom;
  custom.SetCaption("in Haupt-Log kopieren");
  EXPECT_EQ(custom.Caption(), "in Haupt-Log kopieren");
  EXPECT_TRUE(custom.icon().isNull());
  EXPECT_EQ(custom.ModalResult(), 0);
}

TEST(KvBitBtn, OkCancelAndCloseEndTheDialog) {
  const struct {
    TBitBtnKind Kind;
    int Result;
  } cases[] = {{bkOK, 1}, {bkCancel, 2}, {bkClose, 2}};
  for (const auto& c : cases) {
    QDialog dialog;
    auto* button = new TkvBitBtn(c.Kind, &dialog);
    dialog.open();
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible()) << c.Kind;
    EXPECT_EQ(dialog.result(), c.Result) << c.Kind;
  }
  // A window that checks its input first takes the result off the button.
  QDialog dialog;
  auto* ok = new TkvBitBtn(bkOK, &dialog);
  ok->SetModalResult(0);
  auto* help = new TkvBitBtn(bkGHelp, &dialog);
  dialog.open();
  QTest::mouseClick(ok, Qt::LeftButton);
  QTest::mouseClick(help, Qt::LeftButton);
  EXPECT_TRUE(dialog.isVisible());
}

TEST(Bildressourcen, HoldsTheListBitmapsWithoutRegardToCase) {
  EXPECT_EQ(FormBildressourcen, nullptr);
  {
    TFormBildressourcen images;
    EXPECT_EQ(FormBildressourcen, &images);
    for (const char* name :
         {"SUCH", "SORT", "LOESCH", "AKTUALISIEREN", "BTNENDH", "BTNSEITEH", "BTNEINSH", "BTNEINSR",
          "BTNSEITER", "BTNENDR", "BTNCLOSE", "BTNEDIT", "BTNCLOSE2", "btnclose"})
      EXPECT_FALSE(images.Image(name).isNull()) << name;
    EXPECT_TRUE(images.Image("NICHTDA").isNull());
  }
  EXPECT_EQ(FormBildressourcen, nullptr);
  EXPECT_TRUE(TFormBildressourcen::Glyph("NICHTDA").isNull());
}

TEST(Layout, EnableButtonsRestoresOnlyWhatDisableButtonsSwitchedOff) {
  QWidget form;
  auto* start = new TkvBitBtn(bkGStart, &form);
  auto* import = new TkvBitBtn(&form);
  import->setEnabled(false);  // switched off by its window before the list function
  auto* box = new QCheckBox(&form);
  auto* quickSearch = new TkvEdit(&form);
  QWidget browser;  // the list need not sit in the container

  ToLayout::DisableButtons(&form, &browser);
  EXPECT_FALSE(start->isEnabled());
  EXPECT_FALSE(import->isEnabled());
  EXPECT_FALSE(browser.isEnabled());
  EXPECT_TRUE(box->isEnabled());  // only push buttons are locked

  ToLayout::EnableButtons(&form, quickSearch);
  EXPECT_TRUE(start->isEnabled());
  EXPECT_TRUE(browser.isEnabled());
  EXPECT_FALSE(import->isEnabled());
  EXPECT_EQ(form.focusWidget(), quickSearch);

  // A second round starts afresh.
  ToLayout::DisableButtons(&form, &browser);
  ToLayout::EnableButtons(&form, nullptr);
  EXPECT_TRUE(start->isEnabled());
  EXPECT_FALSE(import->isEnabled());
}

TEST(Layout, StylesTakeTheLayoutValues) {
  const TLayoutValues saved = LayoutValues();
  TLayoutValues v = saved;
  v.WindowColor = RGBColor(10, 20, 30);
  v.ButtonTextColor = RGBColor(200, 0, 0);
  v.PanelColor = RGBColor(1, 2, 3);
  v.FontName = "Liberation Serif";
  v.FontSize = 11;
  SetLayoutValues(v);

  QWidget form;
  auto* button = new TkvBitBtn(bkGNeu, &form);
  auto* browser = new TkvMousePanel(&form);
  auto* inner = new TkvPanel(browser);
  EXPECT_FALSE(ToLayout::ScaleForm(&form, 1.0, true, 0));
  EXPECT_EQ(form.font().family(), QStringLiteral("Liberation Serif"));
  EXPECT_EQ(form.font().pointSize(), 11);
  ToLayout::StyleForm(&form, false);
  ToLayout::StyleBrowser(browser, false);
  EXPECT_EQ(form.palette().color(QPalette::Window), QColor(10, 20, 30));
  EXPECT_EQ(button->palette().color(QPalette::ButtonText), QColor(200, 0, 0));
  EXPECT_EQ(browser->Color(), v.PanelColor);
  EXPECT_EQ(inner->Color(), v.PanelColor);
  SetLayoutValues(saved);
}

TEST(Layout, GridPaintersFillAndContrast) {
  QImage img(80, 20, QImage::Format_RGB32);
  QPainter canvas(&img);
  // Direct editing colours a refused column pure red: its text is white.
  ToLayout::DrawGridHeader(canvas, img.rect(), "Rufzeichen", false, clRed);
  EXPECT_EQ(img.pixel(40, 1), ColorOf(clRed).rgb());
  EXPECT_TRUE(HasPixelNear(img, clWhite));
  ToLayout::DrawGridHeader(canvas, img.rect(), "Rufzeichen", false, 14013951);
  const QImage inside = img.copy(img.rect().adjusted(2, 2, -2, -2));  // without the edge
  EXPECT_TRUE(HasPixelNear(inside, clBlack));
  EXPECT_FALSE(HasPixelNear(inside, clWhite));

  ToLayout::DrawGridCell(canvas, img.rect(), "DL1ABC", true);
  EXPECT_EQ(img.pixel(79, 10), ColorOf(LayoutValues().GridSelectedColor).rgb());
  EXPECT_TRUE(HasPixelNear(img, LayoutValues().GridSelectedTextColor));
  ToLayout::DrawGridCell(canvas, img.rect(), "", false);
  EXPECT_EQ(img.pixel(40, 10), ColorOf(LayoutValues().GridColor).rgb());
}

TEST(Layout, MenuItemsMeasuredToTheirTextAndDrawn) {
  QImage img(200, 24, QImage::Format_RGB32);
  QPainter canvas(&img);
  QAction shortItem(QStringLiteral("&Name"));
  QAction longItem(QStringLiteral("Rufzeichen und Datum"));
  QAction separator;
  separator.setSeparator(true);
  int w1 = 0, h1 = 0, w2 = 0, h2 = 0, ws = 77, hs = 0;
  ToLayout::MeasureMenuItem(shortItem, canvas, w1, h1);
  ToLayout::MeasureMenuItem(longItem, canvas, w2, h2);
  ToLayout::MeasureMenuItem(separator, canvas, ws, hs);
  EXPECT_GT(w1, 24);
  EXPECT_GT(w2, w1);
  EXPECT_GE(h1, 20);
  EXPECT_EQ(hs, 5);
  EXPECT_EQ(ws, 77);

  // A checked radio item of the sort menu, selected.
  QActionGroup group(nullptr);
  group.setExclusive(true);
  shortItem.setCheckable(true);
  shortItem.setChecked(true);
  group.addAction(&shortItem);
  ToLayout::DrawMenuItem(shortItem, canvas, img.rect(), true);
  EXPECT_EQ(img.pixel(199, 0), ColorOf(LayoutValues().MenuSelectedColor).rgb());
  EXPECT_TRUE(HasPixelNear(img.copy(0, 0, 24, 24), LayoutValues().MenuSelectedTextColor));
  ToLayout::DrawMenuItem(longItem, canvas, img.rect(), false);
  EXPECT_EQ(img.pixel(199, 0), ColorOf(LayoutValues().MenuColor).rgb());
}

TEST(KvMouseGrid, CellsHoldWindowsTextAndHeadersAreFixed) {
  TkvMouseGrid grid;
  grid.SetColCount(3);
  grid.SetRowCount(4);
  grid.SetFixedCols(0);
  grid.SetCell(0, 0, "Rufzeichen");
  grid.SetCell(1, 2, "Müller");
  grid.SetCell(5, 9, "outside");  // ignored
  EXPECT_EQ(grid.Cell(0, 0), "Rufzeichen");
  EXPECT_EQ(grid.Cell(1, 2), "Müller");
  EXPECT_EQ(grid.Cell(2, 3), "");
  EXPECT_EQ(grid.Cell(5, 9), "");
  EXPECT_TRUE(grid.IsFixed(1, 0));
  EXPECT_FALSE(grid.IsFixed(0, 1));
  EXPECT_FALSE(grid.item(0, 0)->flags() & Qt::ItemIsSelectable);
  EXPECT_TRUE(grid.item(2, 1)->flags() & Qt::ItemIsSelectable);
  grid.SetRowCount(6);  // new header cells of a grown grid are fixed too
  grid.SetFixedRows(2);
  EXPECT_FALSE(grid.item(1, 2)->flags() & Qt::ItemIsSelectable);

  int painted = 0;
  grid.OnDrawCell = [&](QPainter&, int, int, const QRect&, bool) { ++painted; };
  grid.resize(300, 200);
  grid.grab();
  EXPECT_GT(painted, 0);
}

TEST(KvMouse, EnterAndLeaveAreSignalled) {
  TkvMouseGrid grid;
  TkvMousePanel panel;
  for (QWidget* w : {static_cast<QWidget*>(&grid), static_cast<QWidget*>(&panel)}) {
    QSignalSpy enter(w, SIGNAL(MouseEnter()));
    QSignalSpy leave(w, SIGNAL(MouseLeave()));
    QEnterEvent in(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QEvent out(QEvent::Leave);
    QCoreApplication::sendEvent(w, &in);
    QCoreApplication::sendEvent(w, &out);
    EXPECT_EQ(enter.count(), 1);
    EXPECT_EQ(leave.count(), 1);
  }
}

TEST(KvPanel, OpaqueColourAndPaintedPattern) {
  TkvPanel panel;
  panel.resize(40, 40);
  panel.SetColor(clPink);
  EXPECT_EQ(panel.grab().toImage().pixel(20, 20), ColorOf(clPink).rgb());

  TkvPaintPanel painted;
  painted.resize(40, 100);
  painted.SetColor(RGBColor(0, 0, 160));
  const QImage img = painted.grab().toImage();
  EXPECT_GT(qBlue(img.pixel(20, 2)), qBlue(img.pixel(20, 97)));  // lighter at the top
  EXPECT_EQ(ColourDistance(img.pixel(20, 99), qRgb(0, 0, 160)), 0);
}
