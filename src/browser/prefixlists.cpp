#include "browser/prefixlists.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <charconv>

#include "browser/datenlisteform.h"
#include "browser/kvbrow.h"
#include "browser/prefixlistcols.h"
#include "foundation/cp1252.h"
#include "foundation/grafik.h"
#include "foundation/kvedit.h"
#include "foundation/kvmousegrid.h"
#include "foundation/messages.h"
#include "foundation/strings.h"
#include "reference/datprefix.h"
#include "reference/dbprefix.h"
#include "tables/setups.h"
#include "tables/setupseparat.h"

namespace {

// In the multi-select style the first column leaves room for the selection frame.
constexpr int kMultiSelectExtra = 30;

TKeyStr KeyOf(std::string_view text) {
  TKeyStr key;
  key.Assign(text);
  return key;
}

bool RowMarking() { return Setups().GetFlags()[setupflags::kRowMarking] != 0; }

// A decimal record reference; 0 for anything else.
int32_t RefOf(const std::string& text) {
  int32_t ref = 0;
  const auto [end, err] = std::from_chars(text.data(), text.data() + text.size(), ref);
  return err == std::errc() && end == text.data() + text.size() && ref > 0 ? ref : 0;
}

}  // namespace

// --- browser controller ------------------------------------------------------------------

TDatenPrefixBrowCtrl::TDatenPrefixBrowCtrl(TkvBrow* browser, TdbPrefix* table, uint8_t mode,
                                           int keyNr, std::string caption, bool multiSelect)
    : TDatenBrowCtrl(browser, table),
      prefix_(table),
      mode_(mode),
      keyNr_(keyNr),
      caption_(std::move(caption)),
      multiSelect_(multiSelect) {
  brow_->SetMultiSelect(multiSelect_);
  brow_->OnDrawCell = [this](QPainter& p, int col, int row, const QRect& rect, bool selected) {
    DrawCell(p, col, row, rect, selected);
  };
  brow_->OnBrowColWidths = [this](int col) { return ColumnWidth(col); };
}

// The browser outlives this controller inside its window.
TDatenPrefixBrowCtrl::~TDatenPrefixBrowCtrl() {
  brow_->OnDrawCell = nullptr;
  brow_->OnBrowColWidths = nullptr;
}

void TDatenPrefixBrowCtrl::OpenBrowser() {
  const TKeyStr low = KeyOf(keyNr_ == prefixlist::kKeyCountry ? "A" : "");
  brow_->Open(0, table_, TKeyStr(), low, false, false, keyNr_);
  brow_->SetSortlistItemIndex(keyNr_ == prefixlist::kKeyCountry ? 1 : 0);
}

int TDatenPrefixBrowCtrl::ColumnWidth(int col) const {
  const int chars = prefixlist::ColumnChars(col, mode_);
  if (chars <= 0) return 0;
  return chars * brow_->XWidth() + (col == 0 && multiSelect_ ? kMultiSelectExtra : 0);
}

void TDatenPrefixBrowCtrl::BuildRow(RowRec& row) {
  prefix_->LoadRecord();
  row.Text = prefixlist::RowText(*prefix_, Setups().GetEigeneStation().Locator());
}

void TDatenPrefixBrowCtrl::SetHeaderFooter() {
  brow_->SetHeaderFooter(prefixlist::HeaderText(), "", false, prefixlist::ColumnKeys());
}

void TDatenPrefixBrowCtrl::InitSortList() {
  brow_->ClearSortList();
  brow_->AddSortEntry("DXCC");
  brow_->AddSortEntry("Land");
}

int TDatenPrefixBrowCtrl::SortList2Key(int i, TKeyStr& lowKey, TKeyStr& highKey) {
  highKey = TKeyStr();
  switch (i) {
    case 0: lowKey = TKeyStr(); return prefixlist::kKeyDxcc;
    case 1: lowKey = KeyOf("A"); return prefixlist::kKeyCountry;
    default: return 0;
  }
}

// Key 14 begins with the selection character: the search stays among the entries that
// share the current row's one, so a typed DXCC finds its entry there.
void TDatenPrefixBrowCtrl::SuchFeld2KeyStr(TKeyStr& key) {
  const std::string typed = ToStrings::AnsiUpperCase(brow_->SearchField()->GetValueStr());
  const TKBrowser* page = brow_->Page();
  if (typed.empty() || !page || page->KeyNr() != prefixlist::kKeyDxcc) {
    key.Assign(typed);
    return;
  }
  const std::string current = page->CurrentKey();
  key.Assign(std::string(1, current.empty() ? '\0' : current[0]) + typed);
}

void TDatenPrefixBrowCtrl::DrawCell(QPainter& canvas, int col, int row, const QRect& rect,
                                    bool selected) {
  TkvMouseGrid* grid = brow_->Grid();
  if (col != 0 || row < grid->FixedRows() || !RowMarking()) return;
  const std::string text = grid->Cell(col, row);
  canvas.save();
  canvas.fillRect(rect, ColorOf(clWhite));
  canvas.setPen(Qt::black);
  canvas.drawText(rect.adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter, Q(text));
  if (!text.empty() && text[0] == '-') {
    const QRect r = rect.adjusted(2, 2, -2, -2);
    canvas.setPen(QPen(ColorOf(clRed), 1));
    canvas.drawLine(r.topLeft(), r.bottomRight());
    canvas.drawLine(r.bottomLeft(), r.topRight());
  }
  canvas.restore();
  if (selected) {
    QStyleOptionFocusRect focus;
    focus.initFrom(grid);
    focus.rect = rect;
    focus.state |= QStyle::State_HasFocus;
    grid->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &canvas, grid);
  }
}

// --- functions ---------------------------------------------------------------------------

TDatenPrefixFkt::~TDatenPrefixFkt() { CloseFiles(); }

bool TDatenPrefixFkt::OpenFiles() {
  if (!opened_) opened_ = oDatPrefix && oDatPrefix->OpenFileSet(ToDatPrefix::kBitMain, false);
  return opened_;
}

void TDatenPrefixFkt::CloseFiles() {
  if (!opened_) return;
  opened_ = false;
  if (oDatPrefix) oDatPrefix->CloseFileSet(ToDatPrefix::kBitMain, false, false, false);
}

bool TDatenPrefixFkt::Delete(const std::vector<std::string>& refs) {
  if (refs.empty()) return false;
  TdbPrefix table(prefixrec::kMain);
  if (refs.size() > 1) {
    if (!ToMessages::AskYesNo("", "Sicherheitsabfrage", "alle selektierten Einträge löschen?",
                              false))
      return false;
  } else {
    const int32_t ref = RefOf(refs.front());
    if (ref == 0 || !table.GotoRecord(ref)) return false;
    if (!ToMessages::AskYesNo("", "Sicherheitsabfrage",
                              "Prefix " + ToStrings::Trim(table.GetPrefix()) + " löschen?", false))
      return false;
  }
  // Every entry is tried; the list reports success only when none was left behind.
  bool all = true;
  for (const std::string& text : refs) {
    const int32_t ref = RefOf(text);
    const bool deleted = ref > 0 && table.GotoRecord(ref) && table.Delete();
    all = all && deleted;
  }
  return all;
}

bool TDatenPrefixFkt::PickPrefix(std::string& dxcc, const std::string& caption, std::string& prefix,
                                 QWidget* owner) {
  TDatenPrefixListeCtrl list(owner, true, 0, prefixlist::kKeyDxcc, caption, true);
  if (!list.FilesOpen() || !list.Execute()) return false;
  TdbPrefix& table = *list.PrefixTable();
  if (!table.GotoRecord(list.TakenRef())) return false;
  prefix = table.GetPrefix();
  dxcc = table.GetDXCC();
  return true;
}

// --- list controller ---------------------------------------------------------------------

TDatenPrefixListeCtrl::TDatenPrefixListeCtrl(QWidget* owner, bool selectMode, uint8_t mode,
                                             int keyNr, const std::string& caption,
                                             bool multiSelect)
    : TDatenListeCtrl(owner, selectMode, std::make_unique<TdbPrefix>(prefixrec::kMain),
                      std::make_unique<TDatenPrefixFkt>(), caption, TDatenPrefixFkt::kHelpContext),
      mode_(mode),
      keyNr_(keyNr),
      multiSelect_(multiSelect) {}

TdbPrefix* TDatenPrefixListeCtrl::PrefixTable() const { return static_cast<TdbPrefix*>(Table()); }

void TDatenPrefixListeCtrl::BeforeShow() {
  form_->setWindowTitle(Q(setupseparat::LangText("Auswahl Region", "Select country")));
  auto ctrl = std::make_unique<TDatenPrefixBrowCtrl>(form_->Brow(), PrefixTable(), mode_, keyNr_,
                                                     caption_, multiSelect_);
  TDatenPrefixBrowCtrl* c = ctrl.get();
  SetBrowCtrl(std::move(ctrl));
  try {
    c->OpenBrowser();
  } catch (...) {
    // The window goes away with the failure; its browser must not keep this controller.
    SetBrowCtrl(nullptr);
    throw;
  }
}
