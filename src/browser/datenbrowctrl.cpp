#include "browser/datenbrowctrl.h"

#include "browser/browselect.h"
#include "browser/kvbrow.h"
#include "foundation/kvedit.h"
#include "foundation/strings.h"
#include "storage/dbbase.h"

TDatenBrowCtrl::TDatenBrowCtrl(TkvBrow* browser, TdbBase* table) : table_(table), brow_(browser) {}

TDatenBrowCtrl::~TDatenBrowCtrl() = default;

void TDatenBrowCtrl::BuildRow(RowRec&) {}
void TDatenBrowCtrl::SetHeaderFooter() {}
void TDatenBrowCtrl::InitSortList() {}
int TDatenBrowCtrl::SortList2Key(int, TKeyStr&, TKeyStr&) { return 1; }
void TDatenBrowCtrl::Print() {}

void TDatenBrowCtrl::SuchFeld2KeyStr(TKeyStr& key) {
  key.Assign(ToStrings::AnsiUpperCase(brow_->SearchField()->GetValueStr()));
}

void TDatenBrowCtrl::DrawCell(QPainter&, int, int, const QRect&, bool) {}
bool TDatenBrowCtrl::TextSelectCell(QObject*, int, int, const std::string&) { return false; }

bool TDatenBrowCtrl::GetCurrentRef(int32_t& ref) {
  ref = brow_->CurrentRef();
  return ref > 0 && brow_->HasRecords();
}

bool TDatenBrowCtrl::GetSelectedRefs(std::vector<std::string>& refs) {
  const size_t before = refs.size();
  TkvBrowSelect& sel = brow_->Selection();
  if (sel.Count() > 0) {
    int32_t ref = 0;
    for (bool ok = sel.First(*table_, ref); ok; ok = sel.Next(*table_, ref))
      refs.push_back(std::to_string(ref));
    sel.Clear();
  } else if (int32_t ref = 0; GetCurrentRef(ref)) {
    refs.push_back(std::to_string(ref));
  }
  return refs.size() > before;
}

// The page still holds the key of the deleted row: re-reading around it lands on the
// record after it, without reading the deleted record by its reference.
void TDatenBrowCtrl::AfterDelete(bool ok) {
  if (ok) brow_->RefreshAll();
}

bool TDatenBrowCtrl::BeforeChange(int32_t& ref) { return GetCurrentRef(ref); }

void TDatenBrowCtrl::AfterChange(bool ok, int32_t ref) {
  if (ok) brow_->GotoRecord(ref, 0);
}

bool TDatenBrowCtrl::BeforeNew() { return true; }

void TDatenBrowCtrl::AfterNew(bool ok, int32_t) {
  if (ok) brow_->GotoRecord(0, 0);
}

bool TDatenBrowCtrl::BeforeOther() { return true; }

void TDatenBrowCtrl::AfterOther(bool ok, int32_t ref) {
  if (ok) brow_->GotoRecord(ref, 0);
}

void TDatenBrowCtrl::RefreshSortList() {
  const int index = brow_->SortlistItemIndex();
  brow_->InitSortList();
  if (index >= 0) brow_->SetSortlistItemIndex(index);
  brow_->DoSetHeaderFooter();
}
