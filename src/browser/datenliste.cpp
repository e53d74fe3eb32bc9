#include "browser/datenliste.h"

#include <QAction>
#include <QPushButton>

#include "browser/datenbrowctrl.h"
#include "browser/datenfkt.h"
#include "browser/datenlisteform.h"
#include "browser/kvbrow.h"
#include "foundation/cp1252.h"
#include "foundation/desktop.h"
#include "foundation/focusreturn.h"
#include "foundation/winskal.h"
#include "storage/dbbase.h"

TDatenListeCtrl::TDatenListeCtrl(QWidget* owner, bool selectMode, std::unique_ptr<TdbBase> table,
                                 std::unique_ptr<TDatenFkt> fkt, std::string caption,
                                 int helpContext)
    : table_(std::move(table)),
      selectMode_(selectMode),
      owner_(owner),
      helpContext_(helpContext),
      caption_(std::move(caption)),
      fkt_(std::move(fkt)) {
  filesOpen_ = fkt_ && fkt_->OpenFiles();
}

TDatenListeCtrl::~TDatenListeCtrl() {
  browCtrl_.reset();
  table_.reset();
  if (fkt_) fkt_->CloseFiles();
}

void TDatenListeCtrl::SetBrowCtrl(std::unique_ptr<TDatenBrowCtrl> ctrl) {
  browCtrl_ = std::move(ctrl);
}

bool TDatenListeCtrl::Execute() {
  const TFocusReturn back;
  auto form = std::make_unique<TDatenListeForm>(owner_, caption_, selectMode_, this);
  form_ = form.get();
  BeforeShow();
  if (browCtrl_) browCtrl_->RefreshSortList();
  if (ToWinskal::IsLargeFonts()) form_->Brow()->RefreshPage();
  ApplyVisibility();
  const bool ok = Desktop().ExecDialog(*form_) == 1;
  AfterShow(ok);
  // The controller of this run belongs to its window's browser.
  browCtrl_.reset();
  form_ = nullptr;
  return ok;
}

void TDatenListeCtrl::BeforeShow() {}
void TDatenListeCtrl::AfterShow(bool) {}

void TDatenListeCtrl::ApplyVisibility() {
  TDatenListeForm& f = *form_;
  f.setProperty("HelpContext", helpContext_);
  f.SearchButton()->setVisible(ShowSearch);
  f.MenuItem("erweiterte Suche")->setVisible(ShowSearch);
  f.TakeOverButton()->setVisible(selectMode_);
  f.MenuItem("Übernehmen")->setVisible(selectMode_);
  f.MenuItem("Neu")->setVisible(ShowNew);
  f.MenuItem("Ändern")->setVisible(ShowChange);
  f.MenuItem("Löschen")->setVisible(ShowDelete);
  f.MenuItem("Drucken")->setVisible(ShowPrint);
  struct TExtra {
    const char* Item;
    bool Show;
    const std::string& Caption;
  };
  for (const TExtra& e : {TExtra{"Zusatzfunktion1", ShowExtra1, Extra1Caption},
                          TExtra{"Zusatzfunktion2", ShowExtra2, Extra2Caption}}) {
    QAction* a = f.MenuItem(e.Item);
    a->setVisible(e.Show);
    if (!e.Caption.empty()) a->setText(Q(e.Caption));
  }
  f.ExtraButton()->setVisible(ShowExtra1 || ShowExtra2);
}

void TDatenListeCtrl::New() { fkt_->DoNew(owner_, browCtrl_.get()); }
void TDatenListeCtrl::Change() { fkt_->DoChange(owner_, browCtrl_.get()); }
void TDatenListeCtrl::Search() { fkt_->Search(owner_); }
void TDatenListeCtrl::Delete() { fkt_->DoDelete(browCtrl_.get()); }

void TDatenListeCtrl::Print() {
  if (browCtrl_) browCtrl_->Print();
}

bool TDatenListeCtrl::TakeOver() { return browCtrl_ && browCtrl_->GetCurrentRef(takenRef_); }

int TDatenListeCtrl::ExtraFunction1() { return 0; }
int TDatenListeCtrl::ExtraFunction2() { return 0; }
