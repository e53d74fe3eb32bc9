#include "browser/datenlisteform.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "browser/datenbrowctrl.h"
#include "browser/datenliste.h"
#include "browser/kvbrow.h"
#include "foundation/cp1252.h"
#include "foundation/help.h"
#include "foundation/kvedit.h"
#include "foundation/kvmousegrid.h"
#include "foundation/layout.h"

namespace {

QPushButton* MakeButton(QWidget* parent, const char* caption, const char* name) {
  auto* b = new QPushButton(Q(caption), parent);
  b->setObjectName(Q(name));
  b->setAutoDefault(false);
  return b;
}

}  // namespace

TDatenListeForm::TDatenListeForm(QWidget* owner, const std::string& caption, bool selectMode,
                                 TDatenListeCtrl* ctrl)
    : QDialog(owner), ctrl_(ctrl), selectMode_(selectMode) {
  setObjectName(QStringLiteral("DatenListeForm"));
  setWindowTitle(Q(caption));
  resize(640, 480);

  captionPanel_ = new QWidget(this);
  captionLabel_ = new QLabel(Q(caption), captionPanel_);
  captionLabel_->setObjectName(QStringLiteral("CaptionLabel"));
  auto* capLayout = new QHBoxLayout(captionPanel_);
  capLayout->addWidget(captionLabel_);

  brow_ = new TkvBrow(this);
  brow_->setObjectName(QStringLiteral("Brow"));
  brow_->SetCaption(caption);

  buttons_ = new QWidget(this);
  auto* row = new QHBoxLayout(buttons_);
  takeOver_ = MakeButton(buttons_, "&Übernehmen", "TakeOverButton");
  search_ = MakeButton(buttons_, "erweiterte &Suche", "SearchButton");
  extra_ = MakeButton(buttons_, "&Zusatzfunktionen", "ExtraButton");
  help_ = MakeButton(buttons_, "&Hilfe", "HelpButton");
  cancel_ = MakeButton(buttons_, selectMode ? "&Abbrechen" : "Schließen", "CancelButton");
  progress_ = new QProgressBar(buttons_);
  progress_->hide();
  for (QWidget* w : {static_cast<QWidget*>(takeOver_), static_cast<QWidget*>(search_),
                     static_cast<QWidget*>(extra_), static_cast<QWidget*>(progress_)})
    row->addWidget(w);
  row->addStretch(1);
  row->addWidget(help_);
  row->addWidget(cancel_);

  auto* all = new QVBoxLayout(this);
  all->addWidget(captionPanel_);
  all->addWidget(brow_, 1);
  all->addWidget(buttons_);
  captionPanel_->setVisible(!selectMode);

  menu_ = new QMenu(this);
  struct TItem {
    const char* Caption;
    void (TDatenListeForm::*Run)();
  };
  const TItem items[] = {
      {"Übernehmen", &TDatenListeForm::TakeOver},
      {"-", nullptr},
      {"Neu", &TDatenListeForm::RunNew},
      {"Ändern", &TDatenListeForm::RunChange},
      {"Löschen", &TDatenListeForm::RunDelete},
      {"-", nullptr},
      {"erweiterte Suche", &TDatenListeForm::RunSearch},
      {"Drucken", &TDatenListeForm::RunPrint},
  };
  for (const TItem& item : items) {
    if (!item.Run) {
      menu_->addSeparator();
      continue;
    }
    QAction* a = menu_->addAction(Q(item.Caption));
    a->setObjectName(Q(item.Caption));
    connect(a, &QAction::triggered, this, [this, run = item.Run] { (this->*run)(); });
  }
  auto* extraMenu = new QMenu(extra_);
  for (int which : {1, 2}) {
    const std::string name = "Zusatzfunktion" + std::to_string(which);
    QAction* a = menu_->addAction(Q(name));
    a->setObjectName(Q(name));
    a->setVisible(false);
    connect(a, &QAction::triggered, this, [this, which] { RunExtra(which); });
    extraMenu->addAction(a);
  }
  extra_->setMenu(extraMenu);
  brow_->Grid()->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(brow_->Grid(), &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { menu_->popup(brow_->Grid()->mapToGlobal(at)); });

  connect(takeOver_, &QPushButton::clicked, this, [this] { TakeOver(); });
  connect(search_, &QPushButton::clicked, this, [this] { RunSearch(); });
  connect(cancel_, &QPushButton::clicked, this, [this] { done(2); });
  connect(help_, &QPushButton::clicked, this, [] { hh_funcs::ShowHelp(); });

  // The browser's events go to the list's browser controller.
  brow_->OnBuildRow = [this](RowRec& r) {
    if (TDatenBrowCtrl* c = ctrl_->BrowCtrl()) c->BuildRow(r);
  };
  brow_->OnSetHeaderFooter = [this] {
    if (TDatenBrowCtrl* c = ctrl_->BrowCtrl()) c->SetHeaderFooter();
  };
  brow_->OnInitSortList = [this] {
    if (TDatenBrowCtrl* c = ctrl_->BrowCtrl()) c->InitSortList();
  };
  brow_->OnSortList2Key = [this](int i, TKeyStr& low, TKeyStr& high) {
    TDatenBrowCtrl* c = ctrl_->BrowCtrl();
    return c ? c->SortList2Key(i, low, high) : 1;
  };
  brow_->OnSuchFeld2KeyStr = [this] {
    TKeyStr key;
    if (TDatenBrowCtrl* c = ctrl_->BrowCtrl()) c->SuchFeld2KeyStr(key);
    return key;
  };
  // Deleting goes through the list's own delete function.
  brow_->OnBefore_Loesch = [] { return false; };
  brow_->OnBrowDoppelKlick = [this] { selectMode_ ? TakeOver() : RunChange(); };
  brow_->OnBrowEnter = [this] { selectMode_ ? TakeOver() : RunChange(); };

  // The window sees the keys of the quick-search field before the browser does, which
  // would otherwise take Enter for itself.
  brow_->SearchField()->installEventFilter(this);

  ToLayout::StyleForm(this, false);
  brow_->SearchField()->setFocus();
}

TDatenListeForm::~TDatenListeForm() { brow_->SearchField()->removeEventFilter(this); }

QAction* TDatenListeForm::MenuItem(const std::string& name) const {
  return menu_->findChild<QAction*>(Q(name), Qt::FindDirectChildrenOnly);
}

template <class F>
void TDatenListeForm::RunLocked(F&& function) {
  ToLayout::DisableButtons(buttons_, brow_);
  function();
  ToLayout::EnableButtons(buttons_, brow_->SearchField());
}

void TDatenListeForm::TakeOver() {
  if (!selectMode_) return;
  if (ctrl_->TakeOver()) {
    if (brow_->Page()) brow_->Page()->SetClosing(true);
    done(1);
  }
}

void TDatenListeForm::RunNew() {
  RunLocked([this] { ctrl_->New(); });
}
void TDatenListeForm::RunChange() {
  RunLocked([this] { ctrl_->Change(); });
}
void TDatenListeForm::RunDelete() {
  RunLocked([this] { ctrl_->Delete(); });
}
void TDatenListeForm::RunSearch() {
  RunLocked([this] { ctrl_->Search(); });
}
void TDatenListeForm::RunPrint() {
  RunLocked([this] { ctrl_->Print(); });
}

void TDatenListeForm::RunExtra(int which) {
  stop_ = false;
  ctrl_->Progress = [this](int phase, int position, bool& stop, int maximum) {
    ProgressHandler(phase, position, stop, maximum);
  };
  ctrl_->ExtraRunning = true;
  RunLocked([&] { which == 1 ? ctrl_->ExtraFunction1() : ctrl_->ExtraFunction2(); });
  ctrl_->ExtraRunning = false;
  ctrl_->Progress = nullptr;
  if (pendingResult_ >= 0) {
    const int result = pendingResult_;
    pendingResult_ = -1;
    QDialog::done(result);
  }
}

void TDatenListeForm::ProgressHandler(int phase, int position, bool& stop, int maximum) {
  switch (phase) {
    case 0:
      progress_->setRange(0, maximum);
      progress_->setValue(0);
      progress_->show();
      break;
    case 1:
      progress_->setValue(position);
      // Lets the person ask the window to close (which asks the function to stop).
      QCoreApplication::processEvents();
      break;
    case 2:
      brow_->GotoRecord(0);
      progress_->hide();
      break;
    default: break;
  }
  if (stop_) stop = true;
}

void TDatenListeForm::done(int result) {
  if (ctrl_->ExtraRunning) {
    stop_ = true;
    pendingResult_ = result;
    return;
  }
  QDialog::done(result);
}

void TDatenListeForm::closeEvent(QCloseEvent* event) {
  if (ctrl_->ExtraRunning) {
    stop_ = true;
    pendingResult_ = 2;
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

void TDatenListeForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    done(2);
    return;
  }
  if (EnterTakesOver(event->key())) return;
  QDialog::keyPressEvent(event);
}

bool TDatenListeForm::EnterTakesOver(int key) {
  if (!selectMode_ || (key != Qt::Key_Return && key != Qt::Key_Enter) || !takeOver_->isVisible() ||
      !takeOver_->isEnabled())
    return false;
  takeOver_->click();
  return true;
}

bool TDatenListeForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == brow_->SearchField() && event->type() == QEvent::KeyPress &&
      (static_cast<QKeyEvent*>(event)->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier)
    return EnterTakesOver(static_cast<QKeyEvent*>(event)->key());
  return QDialog::eventFilter(watched, event);
}
