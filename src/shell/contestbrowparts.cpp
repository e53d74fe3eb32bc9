// The parts of the main window: building its components, their colours and the
// placing of them by the layout rules.
#include "shell/contestbrow.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include "browser/kvbrow.h"
#include "contest/contestfkt.h"
#include "foundation/cp1252.h"
#include "foundation/grafik.h"
#include "foundation/kvbitbtn.h"
#include "foundation/kvmousegrid.h"
#include "foundation/kvpanel.h"
#include "foundation/layout.h"
#include "foundation/winskal.h"
#include "shell/contestbrowlayout.h"
#include "shell/contestbrowpics.h"
#include "tables/setups.h"
#include "tables/stylemenupanel.h"

namespace {

constexpr int kStripWidth = 170;

void SetTextColor(QWidget* w, TColor color) {
  QPalette p = w->palette();
  p.setColor(QPalette::WindowText, ColorOf(color));
  w->setPalette(p);
}

void SetBackground(QWidget* w, TColor color) {
  QPalette p = w->palette();
  p.setColor(QPalette::Window, ColorOf(color));
  w->setPalette(p);
  w->setAutoFillBackground(true);
}

QLabel* MakeLabel(QWidget* parent, const char* name, int tag = 0) {
  auto* l = new QLabel(parent);
  l->setObjectName(QString::fromLatin1(name));
  l->setProperty("Tag", tag);
  return l;
}

// Arial by its metric twin, sized in pixels as the window was designed.
QFont LabelFont(int pixels, bool bold = false, bool italic = false) {
  QFont f(QStringLiteral("Liberation Sans"));
  f.setPixelSize(pixels);
  f.setBold(bold);
  f.setItalic(italic);
  return f;
}

TkvBitBtn* MakeButton(QWidget* parent, const char* name, TBitBtnKind kind) {
  auto* b = new TkvBitBtn(kind, parent);
  b->setObjectName(QString::fromLatin1(name));
  return b;
}

QFrame* MakeBevel(QWidget* parent, const char* name) {
  auto* f = new QFrame(parent);
  f->setObjectName(QString::fromLatin1(name));
  f->setFrameShape(QFrame::HLine);
  f->setFrameShadow(QFrame::Sunken);
  f->setFixedHeight(2);
  return f;
}

}  // namespace

void TContestBrow::BuildComponents() {
  setMinimumSize(800, 600);
  // The designed size, but never wider or taller than the screen, so that the button
  // bar stays in reach on a small screen.
  QSize size(1006, 562);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    size = size.boundedTo(screen->availableSize());
  resize(size);

  imguntergrund = MakeLabel(this, "imguntergrund");
  imguntergrund->setScaledContents(true);
  imguntergrund->hide();

  Image2 = MakeLabel(this, "Image2");
  Image2->setScaledContents(true);
  Image2->setGeometry(0, 0, kStripWidth, height());
  Image2->setMouseTracking(true);
  Image2->installEventFilter(this);

  imglinks = MakeLabel(this, "imglinks");
  imglinks->setGeometry(100, 135, 105, 105);
  imglinks->setScaledContents(true);

  lworked = MakeLabel(this, "lworked");
  lworked->setFont(LabelFont(27));
  lworked->setGeometry(300, 95, 400, 34);

  imgtitels = MakeLabel(this, "imgtitels");
  imgtitels->setFont(LabelFont(43));
  imgtitels->setGeometry(300, 20, 400, 52);
  SetTextColor(imgtitels, clWhite);

  MenueBeenden = MakeLabel(this, "MenueBeenden", 800);
  MenueBeenden->setFont(LabelFont(16, true, true));
  MenueBeenden->setGeometry(0, 30, kStripWidth, 26);
  MenueBeenden->setCursor(Qt::PointingHandCursor);
  MenueBeenden->setMouseTracking(true);
  MenueBeenden->installEventFilter(this);
  SetBackground(MenueBeenden, clRed);
  MenueBeenden->setAutoFillBackground(false);
  SetTextColor(MenueBeenden, clWhite);

  lhersteller = MakeLabel(this, "lhersteller", kMakerTag);
  // The maker's line stays on the strip, above the foot notes, wrapped to its width.
  lhersteller->setGeometry(10, 500, kStripWidth - 20, 16);
  lhersteller->setWordWrap(true);
  lhersteller->setCursor(Qt::PointingHandCursor);
  lhersteller->setMouseTracking(true);
  lhersteller->installEventFilter(this);

  btnweitere = new QPushButton(Q("weitere AFU-Pogramme"), this);
  btnweitere->setObjectName(QStringLiteral("btnweitere"));
  btnweitere->setGeometry(10, 530, 160, 25);

  lhinweisupdate = MakeLabel(this, "lhinweisupdate");
  lhinweisupdate->setGeometry(180, 530, 600, 28);
  lhinweisupdate->setWordWrap(true);
  lhinweisupdate->setText(
      Q("Bitte suchen Sie vor jedem Contesttermin nach einer neueren Version des Programms: " +
        TContestFkt::HomePage()));

  lhinweisupdate2 = MakeLabel(this, "lhinweisupdate2");
  lhinweisupdate2->setText(
      Q("Installieren Sie bitte neue Versionen immer in ein neues leeres Verzeichnis oder "
        "tauschen Sie nur die EXE-Dateien aus."));
  lhinweisupdate2->adjustSize();
  lhinweisupdate2->move(180, 500);

  BuildListFrame();

  panelabgleich = new QWidget(this);
  panelabgleich->setObjectName(QStringLiteral("panelabgleich"));
  lbeendet = MakeLabel(panelabgleich, "lbeendet");
  ProgressBar = new QProgressBar(panelabgleich);
  ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
  ProgressBar->setRange(0, 100);
  panelabgleich->hide();
}

void TContestBrow::BuildListFrame() {
  panelContest = new TkvPaintPanel(this);
  panelContest->setObjectName(QStringLiteral("panelContest"));
  panelContest->setProperty("Tag", 7);
  auto* column = new QVBoxLayout(panelContest);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);

  PanelDXOben = new TkvPanel(panelContest);
  PanelDXOben->setObjectName(QStringLiteral("PanelDXOben"));
  PanelDXOben->SetCaption("Liste der Conteste");
  column->addWidget(PanelDXOben);

  brow_ = new TkvBrow(panelContest);
  brow_->setObjectName(QStringLiteral("Brow"));
  column->addWidget(brow_, 1);

  PanelUnten = new TkvPanel(panelContest);
  PanelUnten->setObjectName(QStringLiteral("PanelUnten"));
  PanelUnten->installEventFilter(this);
  column->addWidget(PanelUnten);
  BuildButtonBar();
}

void TContestBrow::BuildButtonBar() {
  bevelunten = MakeBevel(PanelUnten, "bevelunten");
  bevelunten2 = MakeBevel(PanelUnten, "bevelunten2");
  panelbuttonsBm4 = new TkvPaintPanel(PanelUnten);
  panelbuttonsBm4->setObjectName(QStringLiteral("panelbuttonsBm4"));
  auto* row = new QHBoxLayout(panelbuttonsBm4);
  row->setContentsMargins(4, 0, 4, 0);

  btnHilfeBm4 = MakeButton(panelbuttonsBm4, "btnHilfeBm4", bkGHelp);
  btnNeubm4 = MakeButton(panelbuttonsBm4, "btnNeubm4", bkGNeu);
  btnAendernBm4 = MakeButton(panelbuttonsBm4, "btnAendernBm4", bkGStart);
  btnAendernBm4->SetCaption("Starten");
  btnAendernBm4->setDefault(true);
  btnLoeschenBm4 = MakeButton(panelbuttonsBm4, "btnLoeschenBm4", bkGLoeschen);
  btnKopiebm4 = MakeButton(panelbuttonsBm4, "btnKopiebm4", bkCustom);
  btnKopiebm4->SetCaption("in Haupt-Log kopieren");
  btnendeBm4 = MakeButton(panelbuttonsBm4, "btnendeBm4", bkGClose);
  row->addWidget(btnHilfeBm4);
  row->addStretch(1);
  for (TkvBitBtn* b : {btnNeubm4, btnAendernBm4, btnLoeschenBm4, btnKopiebm4, btnendeBm4})
    row->addWidget(b);

  connect(btnHilfeBm4, &QPushButton::clicked, this, [this] { btnHilfeBm3Click(); });
  connect(btnNeubm4, &QPushButton::clicked, this, [this] { btnNeubm3Click(); });
  connect(btnAendernBm4, &QPushButton::clicked, this, [this] { btnAendernBm3Click(); });
  connect(btnLoeschenBm4, &QPushButton::clicked, this, [this] { btnLoeschenBm3Click(); });
  connect(btnendeBm4, &QPushButton::clicked, this, [this] { close(); });
}

void TContestBrow::SetWindowColor() { SetBackground(this, Setups().GetLayout().WindowColor()); }

void TContestBrow::StyleWindow() {
  const ToSetupLayout layout = Setups().GetLayout();
  for (TkvPanel* p : {static_cast<TkvPanel*>(PanelUnten), static_cast<TkvPanel*>(panelContest)})
    p->SetColor(layout.PanelColor());
  brow_->SetColor(layout.PanelColor());
  opcmd::StyleMenuPanel(this, Image2, lhersteller);

  if (brow_->Grid()) {
    brow_->Grid()->setFocus();
    brow_->Grid()->setFrameShape(QFrame::NoFrame);
  }
  panelContest->SetBorder(TkvBevel::None);
  PanelUnten->SetBorder(TkvBevel::None);
  brow_->SetBorder(TkvBevel::None);

  PanelUnten->setFixedHeight(btnHilfeBm4->sizeHint().height() + 6);
  bevelunten->show();
  bevelunten2->show();
  PanelUntenResize();

  scaleFlag_ = ToWinskal::GetScaleMode(this, false);
  ToLayout::StyleBrowser(brow_, scaleFlag_);
  ToLayout::StyleButtons(panelbuttonsBm4);
  panelbuttonsBm4->show();
  for (TkvBitBtn* b : panelbuttonsBm4->findChildren<TkvBitBtn*>())
    b->SetFontColor(layout.ButtonTextColor());

  PanelDXOben->hide();
  lhersteller->setText(Q(makerLine_));
  lhersteller->setFixedHeight(lhersteller->heightForWidth(lhersteller->width()));
  SetTextColor(lhinweisupdate, layout.MenuLabelColor());
  // There is no advert window of other programs in this program.
  btnweitere->hide();
  lhinweisupdate->show();
  lhinweisupdate2->show();
}

void TContestBrow::PanelUntenResize() {
  const int w = PanelUnten->contentsRect().width();
  const int h = PanelUnten->height();
  bevelunten->setGeometry(0, 0, w, 2);
  bevelunten2->setGeometry(0, h - 2, w, 2);
  panelbuttonsBm4->setGeometry(0, 2, PanelUnten->width(), h - 4);
}

void TContestBrow::ArrangeFor(int screenWidth) {
  if (!panelContest) return;
  TContestBrowGeometry g;
  g.ClientWidth = width();
  g.ClientHeight = height();
  g.ScreenWidth = screenWidth;
  g.StripWidth = Image2->width();
  g.TitleBitmap = imglinks->geometry();
  g.TitleText = lworked->geometry();
  g.DefTitle = imgtitels->geometry();
  g.MoreButton = btnweitere->geometry();
  g.UpdateNote = lhinweisupdate->geometry();
  g.UpdateNote2 = lhinweisupdate2->geometry();
  g.MakerLabel = lhersteller->geometry();
  contestbrowlayout::Arrange(g);

  Image2->setGeometry(0, 0, kStripWidth, height());
  panelContest->setGeometry(g.Panel);
  imglinks->setGeometry(g.TitleBitmap);
  lworked->setGeometry(g.TitleText);
  imgtitels->setGeometry(g.DefTitle);
  btnweitere->setGeometry(g.MoreButton);
  lhinweisupdate->setGeometry(g.UpdateNote);
  lhinweisupdate2->setGeometry(g.UpdateNote2);
  lhersteller->setGeometry(g.MakerLabel);
  lhersteller->show();
  SetTextColor(lworked, 0xE9E9E9);
  SetTextColor(lhinweisupdate2, RGBColor(255, 255, 0));
  if (contestbrowpics::BackgroundOf(code_) && imguntergrund->pixmap().width() >= 1)
    imguntergrund->setGeometry(0, 0, width(), height());
}
