#include "browser/datenfkt.h"

#include "browser/datenbrowctrl.h"

TDatenFkt::~TDatenFkt() = default;

bool TDatenFkt::Change(int32_t, QWidget*) { return false; }
bool TDatenFkt::New(int32_t&, QWidget*) { return false; }
bool TDatenFkt::Delete(const std::vector<std::string>&) { return false; }
bool TDatenFkt::OpenFiles() { return false; }
void TDatenFkt::CloseFiles() {}
void TDatenFkt::Search(QWidget*) {}

bool TDatenFkt::DoChange(QWidget* context, TDatenBrowCtrl* browCtrl) {
  int32_t ref = 0;
  if (browCtrl && !browCtrl->BeforeChange(ref)) return false;
  const bool ok = Change(ref, context);
  if (browCtrl) browCtrl->AfterChange(ok, ref);
  return ok;
}

bool TDatenFkt::DoNew(QWidget* context, TDatenBrowCtrl* browCtrl) {
  if (browCtrl && !browCtrl->BeforeNew()) return false;
  int32_t ref = 0;
  const bool ok = New(ref, context);
  if (browCtrl) browCtrl->AfterNew(ok, ref);
  return ok;
}

bool TDatenFkt::DoDelete(TDatenBrowCtrl* browCtrl) {
  std::vector<std::string> refs;
  const bool ok = browCtrl && browCtrl->GetSelectedRefs(refs) && Delete(refs);
  if (browCtrl) browCtrl->AfterDelete(ok);
  return ok;
}
