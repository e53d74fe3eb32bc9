// The contest log window's life from creation to the close path, and the modal opening
// over the main window.

#include "log/contlogstd.h"

#include <algorithm>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include "browser/kvbrow.h"
#include "foundation/desktop.h"
#include "foundation/kvbitbtn.h"
#include "log/contlogalle.h"
#include "log/logstate.h"
#include "tables/contesttables.h"

TContestLogStd* ContestLogStd = nullptr;
TContestLogStd::TContestLogStd(int32_t contestNumber, TdbContest& configTable,
                               TdbContest& listTable, const TContestRec& def, QWidget* parent)
    : QDialog(parent),
      ContestNumber(contestNumber),
      ContestDef(def),
      ListTable(&listTable),
      ConfigTable(&configTable) {
  setObjectName(QStringLiteral("ContestLogStd"));
  setWindowFlag(Qt::WindowMaximizeButtonHint, true);
  setWindowFlag(Qt::WindowMinimizeButtonHint, true);
  BuildComponents();
  WireHandlers();
  BuildEvaluation();
  // FormCreate.
  LogCommon = std::make_unique<TContLogAlle>();
  LogState = std::make_unique<TContestLogState>(ContestDef, *LogCommon, *ListTable, *ConfigTable,
                                                ContestNumber);
  InitContestLayout();
  radiounten->hide();
  qApp->installEventFilter(this);
}

TContestLogStd::~TContestLogStd() {
  qApp->removeEventFilter(this);
  FormDestroy();
  // The widgets die after this destructor, in ~QWidget, and the field that has the focus
  // loses it then: the entry's filter must be gone by that time, or it would run the
  // window's exit on a half-destroyed window.
  delete entryRoadFilter_;
}

TContestCode TContestLogStd::ContestCode() const { return ListTable->GetListRec().Typ(); }

TContestQSORec TContestLogStd::GetQsoRecord() const {
  return QsoTable ? QsoTable->GetQSORec() : TContestQSORec();
}

void TContestLogStd::SetQsoRecord(const TContestQSORec& rec) {
  if (QsoTable) QsoTable->SetQSORec(rec);
}

// --- life -----------------------------------------------------------------------------------

void TContestLogStd::FormShow() {
  FormResize();
  QApplication::processEvents();
  const int panelWidth = panelmulties->x() + panelmulties->width() + 20;
  if (width() > 800 && panelWidth > 0)
    TContLogAlle::ScaleHorizontally(panelEingabe, double(panelEingabe->width()) / panelWidth);
  if (MainWindow) MainWindow->hide();
  ShowStatistics();
  timerzeit->start();
  TimerCATUeberwachung->start();
}

void TContestLogStd::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shownOnce_) return;
  shownOnce_ = true;
  FormShow();
}

void TContestLogStd::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  FormResize();
}

void TContestLogStd::FormResize() {
  if (!panelEingabe) return;
  const TContestQSORec entry = GetQsoRecord();
  const int w = width(), h = height();
  panelSeite->resize(panelSeite->width(), h);
  // The version notice is longer than the side panel is wide: it wraps within the panel.
  const int versionWidth = panelSeite->width() - 2 * lversion->x();
  lversion->setWordWrap(true);
  lversion->resize(versionWidth, lversion->heightForWidth(versionWidth));
  lversion->move(lversion->x(), h - lversion->height() - 10);
  if (w <= 800) {
    panelEingabe->resize(630, panelEingabe->height());
    PanelUnten->resize(630, PanelUnten->height());
    panelButtons->resize(630, panelButtons->height());
  } else if (w > 950) {
    PanelUnten->move(220, PanelUnten->y());
    PanelUnten->resize(w - 270, PanelUnten->height());
    panelEingabe->move(220, panelEingabe->y());
    panelEingabe->resize(w - 270, panelEingabe->height());
    panelButtons->move(220, panelButtons->y());
    panelButtons->resize(w - 270, panelButtons->height());
    panelContLog->move(220, panelContLog->y());
    panelContLog->resize(w - 270, panelContLog->height());
  }
  panelButtons->move(panelButtons->x(), panelEingabe->y() + panelEingabe->height() + 4);
  const int listTop = panelButtons->y() + panelButtons->height() + 4;
  PanelUnten->setGeometry(PanelUnten->x(), listTop, PanelUnten->width(),
                          std::max(60, h - listTop - 4));
  panelObenUntergrund->setGeometry(panelSeite->width(), 0, w - panelSeite->width(),
                                   panelButtons->y() + panelButtons->height() + 2);
  ArrangeButtonBar();
  // The button bar: the own call at the right, help left of it. The three call labels
  // lie one over the other, each a pixel further left, so the call reads once, embossed.
  const int right = panelButtons->width() - 10;
  int left = right;
  int shift = 0;
  for (QLabel* l : {lglobcall1, lglobcall3, lglobcall2}) {
    l->adjustSize();
    l->move(right - shift - l->width(), l->y());
    left = std::min(left, l->x());
    ++shift;
  }
  btnHilfe->move(left - 5 - btnHilfe->width(), 3);
  Image2->move(Image2->x(), lversion->y() - Image2->height() - 4);
  // The list area: buttons at its foot.
  const int footTop = PanelUnten->height() - 30;
  if (QWidget* area = Brow->parentWidget())
    area->setGeometry(0, 0, PanelUnten->width(), footTop - 2);
  Brow->setGeometry(0, 0, PanelUnten->width(), footTop - 2);
  for (TkvBitBtn* b : {btnAendern, btnLoeschen, btnBandliste}) b->move(b->x(), footTop);
  CheckBox1->move(PanelUnten->width() - 150, footTop);
  btnbeenden2->move(CheckBox1->x(), btnAendern->y());
  ArrangeStatPanel();
  SetQsoRecord(entry);
}

void TContestLogStd::keyPressEvent(QKeyEvent* event) {
  // Esc belongs to the entry (FormKeyDown), never to closing the window.
  if (event->key() == Qt::Key_Escape) {
    FormKeyDown(event->key(), event->modifiers());
    return;
  }
  QDialog::keyPressEvent(event);
}

void TContestLogStd::done(int result) {
  FormDestroy();
  QDialog::done(result);
}

void TContestLogStd::CloseLog() { done(QDialog::Accepted); }

void TContestLogStd::FormDestroy() {
  if (destroyed_) return;
  destroyed_ = true;
  // The clock writes the working record: it must not run into the close.
  timerzeit->stop();
  TimerCAT->stop();
  TimerCATUeberwachung->stop();
  if (LogCommon && Brow->IsOpen()) LogCommon->StoreColumnWidths(*Brow, 0, *ListTable, false);
  // The stored summary and the numbering are right before anyone else sees the log.
  if (LogState) {
    LogState->RecalcLog();
    LogState->RenumberLog();
  }
  if (MainWindow) MainWindow->show();
  QApplication::processEvents();
  if (LogCommon) LogCommon->CloseLogFiles(QsoTable, *ListTable, *ConfigTable);
  LogState.reset();
  LogCommon.reset();
}

// --- opening ----------------------------------------------------------------------------------

namespace {

// The main window's left and width with the whole available height of its screen, so
// that the list shows as many QSOs as the screen has room for. The window frame keeps
// its room above and below.
QRect FullScreenHeight(const QWidget& mainWindow) {
  QRect r = mainWindow.geometry();
  const QScreen* screen = mainWindow.screen();
  if (!screen) return r;
  const QRect available = screen->availableGeometry();
  const QRect frame = mainWindow.frameGeometry();
  r.setTop(available.top() + (r.top() - frame.top()));
  r.setBottom(available.bottom() - (frame.bottom() - r.bottom()));
  return r;
}

}  // namespace

namespace contlogstd_neu {

void OpenContestLog(QWidget* mainWindow, int32_t contestNumber, TContestRec& def,
                    TdbContest& configTable, TdbContest& listTable) {
  auto form = std::make_unique<TContestLogStd>(contestNumber, configTable, listTable, def);
  ContestLogStd = form.get();
  form->MainWindow = mainWindow;
  if (mainWindow) {
    if (mainWindow->isMaximized()) {
      form->move(0, 0);
      form->setWindowState(Qt::WindowMaximized);
    } else {
      form->setWindowState(mainWindow->windowState());
      form->setGeometry(FullScreenHeight(*mainWindow));
    }
  }
  form->ClearEntry(false);
  Desktop().ExecDialog(*form);
  form->FormDestroy();
  form.reset();
  ContestLogStd = nullptr;
}

}  // namespace contlogstd_neu
