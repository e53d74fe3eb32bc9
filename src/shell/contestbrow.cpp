#include "shell/contestbrow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "browser/kvbrow.h"
#include "contest/contestbrowctrl.h"
#include "contest/contestfkt.h"
#include "foundation/bildressourcen.h"
#include "foundation/cp1252.h"
#include "foundation/filebase.h"
#include "foundation/grafik.h"
#include "foundation/help.h"
#include "foundation/image.h"
#include "foundation/kvbitbtn.h"
#include "foundation/kvmousegrid.h"
#include "foundation/kvpanel.h"
#include "foundation/layout.h"
#include "foundation/messages.h"
#include "foundation/progdir.h"
#include "foundation/screen.h"
#include "foundation/web.h"
#include "foundation/winskal.h"
#include "shell/contestbrowlayout.h"
#include "shell/contestbrowpics.h"
#include "storage/dbbase.h"
#include "tables/contesttables.h"
#include "tables/setups.h"
#include "tables/setupseparat.h"
#include "tables/stylemenupanel.h"

TContestBrow* ContestBrow = nullptr;

namespace {

constexpr int kStripWidth = 170;
constexpr int kMakerTag = 98;

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

int ShiftOf(Qt::KeyboardModifiers m) {
  return (m.testFlag(Qt::ShiftModifier) ? 1 : 0) | (m.testFlag(Qt::AltModifier) ? 2 : 0) |
         (m.testFlag(Qt::ControlModifier) ? 4 : 0);
}

}  // namespace

TContestBrow::TContestBrow(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("ContestBrow"));
  setProperty("Tag", 9999);
  setWindowTitle(Q("Contest - Modul"));
  ContestBrow = this;
  try {
    new TFormBildressourcen(this);
    BuildComponents();
    lworked->hide();
    imglinks->hide();
    ShowEditionTitle();
    SetBackground(this, Setups().GetLayout().WindowColor());
    SetProgramDirectory(TFileBaseSS::AddBackslash(S(QDir::currentPath())));
    StartDatabase();
    Setups().SetOwnCall("");
    MenueBeenden->setText(Q(setupseparat::LangText("    Beenden", "    Finish")));
    btnKopiebm4->hide();
    move(0, 0);
    CreateController();
    // The pictures come from the image directory, which the settings loaded by the
    // controller name; before them it is not known.
    LoadPictures();
    StyleWindow();
  } catch (...) {
    ContestBrow = nullptr;
    throw;
  }
  qApp->installEventFilter(this);
}

TContestBrow::~TContestBrow() {
  qApp->removeEventFilter(this);
  // The controller saves the settings, the person's language among them, and ends the
  // database; only then does the flag go back to German, so the choice is kept.
  ctrl_.reset();
  setupseparat::SetLanguage(setupseparat::kGerman);
  if (ContestBrow == this) ContestBrow = nullptr;
}

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

void TContestBrow::ShowEditionTitle() {
  std::string notice;
  oContestFkt->GetEdition(code_, versionLine_, titleBitmap_, notice);
  makerLine_ = notice;
  setWindowTitle(Q(versionLine_));
  if (const TContestBackground* b = contestbrowpics::BackgroundOf(code_)) {
    lworked->setText(Q(b->Title));
    lworked->adjustSize();
    lworked->show();
  }
}

void TContestBrow::LoadPictures() {
  const std::string imageDir = oContestFkt->ImageDirectory();
  if (contestbrowpics::BackgroundOf(code_)) {
    const QImage picture = contestbrowpics::LoadBackground(imageDir, code_);
    if (!picture.isNull()) {
      imguntergrund->setPixmap(QPixmap::fromImage(picture));
      imguntergrund->setGeometry(0, 0, width(), height());
      imguntergrund->show();
      imguntergrund->lower();
    }
  }
  std::string title;
  std::string bitmap;
  oContestFkt->ContestTitleOf(code_, title, bitmap);
  if (!title.empty()) {
    QFont f = lworked->font();
    f.setPointSize(12);
    lworked->setFont(f);
    lworked->setText(Q(title));
    lworked->adjustSize();
    lworked->show();
  }
  if (!bitmap.empty() && TFileBaseSS::FileExists(bitmap)) {
    const QImage picture = image::LoadImageFile(bitmap);
    if (!picture.isNull()) {
      imglinks->setPixmap(QPixmap::fromImage(picture));
      imglinks->resize(picture.size());
      imglinks->show();
    }
  }
}

void TContestBrow::StartDatabase() {
  if (dbbase::InitDatabase()) {
    databaseStarted_ = true;
    return;
  }
  ToMessages::ShowError(setupseparat::LangText("Dateiverwaltung konnte nicht initialisiert werden",
                                               "Error initializising file manager"));
  throw EProgramEnd(1);
}

void TContestBrow::CreateController() {
  try {
    ctrl_ = std::make_unique<TContestBrowCtrl>(brow_, this, code_);
  } catch (const EContestStart&) {
    // The controller has shown why; without its tables there is nothing to work on.
    dbbase::DoneDatabase();
    throw EProgramEnd(2);
  }
  BindBrowser();
  ctrl_->RefreshSortList();
  imgtitels->setText(Q(ctrl_->Definition().EditionTitle));
  imgtitels->adjustSize();
}

void TContestBrow::BindBrowser() {
  // Row texts, header, sort orders and the Delete key are the controller's, which binds
  // them itself; the Delete key runs its delete road with the two questions once.
  brow_->OnBrowDoppelKlick = [this] { btnAendernBm3Click(); };
  brow_->OnBrowEnter = [this] { btnAendernBm3Click(); };
}

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

void TContestBrow::StartWhenEmpty() {
  if (!ctrl_ || ctrl_->ListTable().RecordCount() != 0) return;
  show();
  QApplication::processEvents();
  btnNeubm4->click();
}

void TContestBrow::btnNeubm3Click() {
  if (!ctrl_) return;
  const int position = ctrl_->NewContest();
  brow_->GotoRecord(0);
  if (position <= 0) return;
  brow_->GotoRecord(position);
  if (ctrl_->StartContest(position)) ctrl_->ReviewContest();
}

void TContestBrow::btnAendernBm3Click() {
  if (!ctrl_ || !brow_->HasRecords()) return;
  const int32_t position = brow_->CurrentRef();
  if (position <= 0) return;
  const bool start = ctrl_->EditContest(position);
  brow_->GotoRecord(position);
  if (start && ctrl_->StartContest(position)) ctrl_->ReviewContest();
}

void TContestBrow::btnLoeschenBm3Click() {
  if (!ctrl_ || !brow_->HasRecords()) return;
  const int32_t position = brow_->CurrentRef();
  if (position <= 0) return;
  ctrl_->DeleteContest(position);
  brow_->GotoRecord(0);
}

void TContestBrow::btnHilfeBm3Click() {
  bool callHelp = true;
  HelpHandler(1, 1, callHelp);
}

bool TContestBrow::HelpHandler(int command, int /*data*/, bool& callHelp) {
  if (command != 1) return false;
  // The help viewers here open the help at its start page; a missing viewer or help
  // file shows nothing.
  hh_funcs::ShowHelp();
  callHelp = false;
  return true;
}

void TContestBrow::FormResize() { ArrangeFor(TScreenSS::ScreenWidth()); }

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

void TContestBrow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  FormResize();
}

void TContestBrow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  FormResize();
}

void TContestBrow::closeEvent(QCloseEvent* event) { event->accept(); }

bool TContestBrow::FormKeyDown(int key, int shift) {
  if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F10) {
    btnAendernBm4->click();
    return true;
  }
  if (key == Qt::Key_Escape) {
    if (ToMessages::AskYesNo("", "", "Programm beenden?", false)) close();
    return true;
  }
  (void)shift;
  return false;
}

void TContestBrow::MenueBeendenMouseMove(QLabel* label) {
  if (label->property("Tag").toInt() != kMakerTag) label->setAutoFillBackground(true);
  for (QLabel* other : findChildren<QLabel*>()) {
    const int tag = other->property("Tag").toInt();
    if (other != label && tag != 0 && tag % 100 == 0) other->setAutoFillBackground(false);
  }
}

void TContestBrow::SetMakerUnderline(bool on) {
  QFont f = lhersteller->font();
  f.setUnderline(on);
  lhersteller->setFont(f);
}

bool TContestBrow::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress: {
      // The window sees the keys before its controls; other keys go on to the control
      // that has the focus, so the list keeps its own keys.
      auto* w = qobject_cast<QWidget*>(watched);
      if (!w || w->window() != this) break;
      auto* key = static_cast<QKeyEvent*>(event);
      return FormKeyDown(key->key(), ShiftOf(key->modifiers()));
    }
    case QEvent::MouseMove:
      if (watched == MenueBeenden) MenueBeendenMouseMove(MenueBeenden);
      if (watched == lhersteller) SetMakerUnderline(true);
      if (watched == Image2) SetMakerUnderline(false);
      break;
    case QEvent::MouseButtonRelease:
      if (watched == MenueBeenden) {
        close();
        return true;
      }
      if (watched == lhersteller) {
        TWebSS::OpenLink(TContestFkt::HomePage());
        return true;
      }
      break;
    case QEvent::Resize:
      if (watched == PanelUnten) PanelUntenResize();
      break;
    default: break;
  }
  return QWidget::eventFilter(watched, event);
}
