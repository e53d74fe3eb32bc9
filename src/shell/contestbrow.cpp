#include "shell/contestbrow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "browser/browsekeys.h"
#include "browser/kvbrow.h"
#include "contest/contestbrowctrl.h"
#include "contest/contestfkt.h"
#include "foundation/bildressourcen.h"
#include "foundation/cp1252.h"
#include "foundation/filebase.h"
#include "foundation/help.h"
#include "foundation/image.h"
#include "foundation/kvbitbtn.h"
#include "foundation/messages.h"
#include "foundation/progdir.h"
#include "foundation/screen.h"
#include "foundation/web.h"
#include "shell/contestbrowpics.h"
#include "storage/dbbase.h"
#include "tables/contesttables.h"
#include "tables/setups.h"
#include "tables/setupseparat.h"

TContestBrow* ContestBrow = nullptr;

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
    SetWindowColor();
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
  if (position > 0) {
    brow_->GotoRecord(position);
    if (ctrl_->StartContest(position)) ctrl_->ReviewContest();
  }
  FocusList();
}

void TContestBrow::btnAendernBm3Click() {
  if (!ctrl_ || !brow_->HasRecords()) return;
  const int32_t position = brow_->CurrentRef();
  if (position <= 0) return;
  const bool start = ctrl_->EditContest(position);
  brow_->GotoRecord(position);
  if (start && ctrl_->StartContest(position)) ctrl_->ReviewContest();
  FocusList();
}

void TContestBrow::btnLoeschenBm3Click() {
  if (!ctrl_ || !brow_->HasRecords()) return;
  const int32_t position = brow_->CurrentRef();
  if (position <= 0) return;
  ctrl_->DeleteContest(position);
  brow_->GotoRecord(0);
  FocusList();
}

// After a dialog the keys go to the list again, whichever button opened it.
void TContestBrow::FocusList() {
  activateWindow();
  brow_->setFocus();
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
  if (key == Qt::Key_F1) {
    // F1 is the desktop's context help: it takes the help road of the help button.
    bool callHelp = true;
    HelpHandler(1, kHelpContext, callHelp);
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
      return FormKeyDown(key->key(), browsekeys::ShiftState(int(key->modifiers())));
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
