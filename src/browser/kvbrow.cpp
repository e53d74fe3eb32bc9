#include "browser/kvbrow.h"

#include <QActionGroup>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "browser/browgeometry.h"
#include "browser/browgridctrl.h"
#include "browser/browsekeys.h"
#include "browser/browselect.h"
#include "foundation/bildressourcen.h"
#include "foundation/cp1252.h"
#include "foundation/kvedit.h"
#include "foundation/kvmousegrid.h"
#include "foundation/messages.h"
#include "foundation/strings.h"
#include "storage/dbbase.h"
#include "storage/dberror.h"
#include "storage/dbtreiber.h"
#include "storage/ifdriver.h"

using namespace browgeometry;

namespace {

struct TNavButton {
  const char* Glyph;
  const char* Hint;
  void (TkvBrow::*Move)();
};
const TNavButton kNavButtons[] = {
    {"BTNENDH", "Dateianfang", &TkvBrow::GoFirst},
    {"BTNSEITEH", "vorige Seite", &TkvBrow::PageUp},
    {"BTNEINSH", "voriger Datensatz", nullptr},
    {"BTNEINSR", "nächster Datensatz", nullptr},
    {"BTNSEITER", "nächste Seite", &TkvBrow::PageDown},
    {"BTNENDR", "Dateiende", &TkvBrow::GoLast},
};

QToolButton* MakeButton(QWidget* parent, const char* glyph, const char* hint) {
  auto* b = new QToolButton(parent);
  b->setObjectName(Q(glyph));
  b->setToolTip(Q(hint));
  const QImage image = TFormBildressourcen::Glyph(glyph);
  if (!image.isNull())
    b->setIcon(QPixmap::fromImage(image));
  else
    b->setText(Q(glyph));
  return b;
}

QLabel* MakeImage(QWidget* parent, const char* glyph) {
  auto* l = new QLabel(parent);
  l->setObjectName(Q(glyph));
  const QImage image = TFormBildressourcen::Glyph(glyph);
  if (!image.isNull()) l->setPixmap(QPixmap::fromImage(image));
  return l;
}

bool directEditNoticeShown = false;

}  // namespace

TkvBrow::TkvBrow(QWidget* parent) : TkvMousePanel(parent) {
  select_ = std::make_unique<TkvBrowSelect>();
  grid_ = std::make_unique<TkvBrowStringGridCtrl>(*this);
  BuildToolbar();
  grid_->Grid()->installEventFilter(this);
  grid_->Grid()->viewport()->installEventFilter(this);
  search_->installEventFilter(this);
  // Focusing the list means focusing its grid: the keys that move the list and Enter are
  // the grid's.
  setFocusProxy(grid_->Grid());
  SetViewModes(kBitListe | kBitDetails | kBitMiniatur);
}

TkvBrow::~TkvBrow() {
  Entf_brDats();
  // The grid and the scroll bar outlive the controller by a moment (they are children of
  // this panel): nothing of theirs may call into it any more.
  TkvMouseGrid* g = grid_->Grid();
  g->removeEventFilter(this);
  g->viewport()->removeEventFilter(this);
  search_->removeEventFilter(this);
  g->disconnect(this);
  grid_->ScrollBar()->disconnect(this);
  g->OnDrawCell = nullptr;
  page_.reset();
}

void TkvBrow::BuildToolbar() {
  auto* top = new QHBoxLayout;
  top->setContentsMargins(2, 2, 2, 2);
  top->setSpacing(3);
  toolRow_ = top;
  top->addWidget(MakeImage(this, "SUCH"));
  search_ = new TkvEdit(this);
  search_->setObjectName(QStringLiteral("SCHNELLSUCHE"));
  search_->setPlaceholderText(QStringLiteral("SCHNELLSUCHE"));
  connect(search_, &QLineEdit::textChanged, this, [this] { QuickSearch(); });
  search_->setMinimumWidth(search_->fontMetrics().horizontalAdvance(search_->placeholderText()) +
                           16);
  top->addWidget(search_, 1);

  top->addWidget(MakeImage(this, "SORT"));
  sortLabel_ = new QLabel(Q("Sortierung:"), this);
  sortLabel_->setObjectName(QStringLiteral("SortLabel"));
  top->addWidget(sortLabel_);
  sortCombo_ = new QComboBox(this);
  sortCombo_->setObjectName(QStringLiteral("Sortlist"));
  connect(sortCombo_, &QComboBox::activated, this, [this](int i) { ApplySort(i); });
  top->addWidget(sortCombo_);
  sortButton_ = new QToolButton(this);
  sortButton_->setObjectName(QStringLiteral("SortButton"));
  sortButton_->setText(Q("Sortierung"));
  // The arrow gets a part of the button of its own beside the caption, which it would
  // otherwise cover; a click on the caption opens the menu as well.
  sortButton_->setPopupMode(QToolButton::MenuButtonPopup);
  sortMenu_ = new QMenu(sortButton_);
  sortButton_->setMenu(sortMenu_);
  connect(sortButton_, &QToolButton::clicked, sortButton_, &QToolButton::showMenu);
  top->addWidget(sortButton_);

  viewCombo_ = new QComboBox(this);
  viewCombo_->setObjectName(QStringLiteral("Ansicht"));
  connect(viewCombo_, &QComboBox::activated, this, [this](int i) { ViewChosen(i); });
  top->addWidget(viewCombo_);
  // The texts of the choices never shrink below their whole width.
  for (QComboBox* combo : {sortCombo_, viewCombo_})
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  for (QWidget* w : {static_cast<QWidget*>(sortLabel_), static_cast<QWidget*>(sortCombo_),
                     static_cast<QWidget*>(sortButton_), static_cast<QWidget*>(viewCombo_)})
    w->setSizePolicy(QSizePolicy::Fixed, w->sizePolicy().verticalPolicy());

  navTools_.push_back(MakeImage(this, "LOESCH"));
  navTools_.push_back(MakeImage(this, "AKTUALISIEREN"));
  for (const auto& nav : kNavButtons) {
    QToolButton* b = MakeButton(this, nav.Glyph, nav.Hint);
    const auto move = nav.Move;
    const bool forward = std::string(nav.Glyph) == "BTNEINSR";
    connect(b, &QToolButton::clicked, this, [this, move, forward] {
      if (OnBrowScroll) OnBrowScroll();
      if (move)
        (this->*move)();
      else if (IsOpen() && !IsDetailsView())
        forward ? grid_->NextRecord() : grid_->PrevRecord();
    });
    navTools_.push_back(b);
  }
  for (const char* glyph : {"BTNCLOSE", "BTNCLOSE2"}) {
    QToolButton* close = MakeButton(this, glyph, "Schließen der Liste");
    connect(close, &QToolButton::clicked, this, [this] {
      if (OnBrowCloseBtnKlick) OnBrowCloseBtnKlick(this);
    });
    navTools_.push_back(close);
    if (std::string(glyph) == "BTNCLOSE") {
      editButton_ = MakeButton(this, "BTNEDIT", "direktes Editieren in der Liste");
      editButton_->setCheckable(true);
      connect(editButton_, &QToolButton::toggled, this, [this](bool on) { SetDirectEdit(on); });
      navTools_.push_back(editButton_);
    }
  }

  for (QWidget* w : navTools_) top->addWidget(w);
  navRow_ = new QHBoxLayout;
  navRow_->setContentsMargins(2, 0, 2, 2);
  navRow_->setSpacing(3);
  navRow_->addStretch();

  auto* body = new QHBoxLayout;
  body->setContentsMargins(0, 0, 0, 0);
  body->setSpacing(0);
  body->addWidget(grid_->Grid(), 1);
  body->addWidget(grid_->ScrollBar());
  auto* all = new QVBoxLayout(this);
  all->setContentsMargins(0, 0, 0, 0);
  all->setSpacing(0);
  all->addLayout(top);
  all->addLayout(navRow_);
  all->addLayout(body, 1);
}

void TkvBrow::ArrangeToolbar() {
  if (!toolRow_) return;
  const QMargins margins = toolRow_->contentsMargins();
  int needed = margins.left() + margins.right();
  const auto add = [&](QWidget* w) {
    // The search field stretches; it needs only the width of its caption.
    if (w && !w->isHidden())
      needed += (w == search_ ? w->minimumWidth() : w->sizeHint().width()) + toolRow_->spacing();
  };
  for (int i = 0; i < toolRow_->count(); ++i) add(toolRow_->itemAt(i)->widget());
  if (toolsWrapped_)
    for (QWidget* w : navTools_) add(w);
  const bool wrap = needed > width();
  if (wrap == toolsWrapped_) return;
  toolsWrapped_ = wrap;
  for (QWidget* w : navTools_) {
    (wrap ? toolRow_ : navRow_)->removeWidget(w);
    if (wrap)
      navRow_->insertWidget(navRow_->count() - 1, w);
    else
      toolRow_->addWidget(w);
  }
}

void TkvBrow::resizeEvent(QResizeEvent* event) {
  TkvMousePanel::resizeEvent(event);
  ArrangeToolbar();
}

// --- virtual operations ------------------------------------------------------------------

void TkvBrow::GoFirst() {
  if (IsOpen()) grid_->FirstPage();
}
void TkvBrow::GoLast() {
  if (IsOpen()) grid_->LastPage();
}
void TkvBrow::PageDown() {
  if (IsOpen()) grid_->NextPage();
}
void TkvBrow::PageUp() {
  if (IsOpen()) grid_->PrevPage();
}

bool TkvBrow::HandleKey(int key, int shift) {
  lastCommand_ = browsekeys::KeyToBrowseCommand(key, shift);
  if (!IsOpen() || IsDetailsView()) return false;
  return grid_->HandleKey(key, shift, false);
}

void TkvBrow::RefreshAll() {
  if (IsOpen()) grid_->Refresh();
}

bool TkvBrow::IsOpen() const { return page_ && initialised_ && !OOPShell::DriverIsBusy(); }

void TkvBrow::CloseQuery(bool& canClose) {
  canClose = true;
  if (closeConfirm_)
    canClose = ToMessages::AskYesNo("", "", "Modul \"" + Caption() + "\" beenden", true);
  closeConfirm_ = false;
}

bool TkvBrow::ProcessPostCommand() {
  return IsOpen() && OnProcessPostCommand ? OnProcessPostCommand() : false;
}

bool TkvBrow::Init_brDats() { return OnInit_brDats ? OnInit_brDats() : true; }

void TkvBrow::Entf_brDats() {
  if (OnEntf_brDats) OnEntf_brDats();
}

bool TkvBrow::Init_F_Tasten() {
  if (!OnInit_F_Tasten) return false;
  OnInit_F_Tasten();
  return true;
}

void TkvBrow::DoSetHeaderFooter() {
  xWidth_ = std::max(QFontMetrics(grid_->Grid()->font()).horizontalAdvance(QLatin1Char('X')), 1);
  if (OnSetHeaderFooter) OnSetHeaderFooter();
}

void TkvBrow::Weitere_Befehle() {
  if (OnWeitere_Befehle) OnWeitere_Befehle();
}

bool TkvBrow::Before_Loesch() { return OnBefore_Loesch ? OnBefore_Loesch() : true; }

std::string TkvBrow::Loesch_Feld() { return OnLoesch_Feld ? OnLoesch_Feld() : "Datensatz"; }

// The record of the selected row, found by its reference: never whatever record the
// driver happened to read last.
bool TkvBrow::Datensatz_Loeschen() {
  if (OnDatensatz_Loeschen) return OnDatensatz_Loeschen();
  const int32_t ref = CurrentRef();
  TdbTreiber* d = table_ ? table_->GetDriver() : nullptr;
  if (ref <= 0 || !d || !d->ReadByRef(ref)) return false;
  return d->DeleteRecord(true);
}

bool TkvBrow::Such_Eingabe() { return OnSuch_Eingabe ? OnSuch_Eingabe() : false; }

void TkvBrow::InitSortList() {
  if (OnInitSortList) OnInitSortList();
  SetSortSelectorVisible(SortCount() >= 2);
  if (SortCount() == 1) SetSortlistItemIndex(0);
}

void TkvBrow::InitAnsicht() {
  if (OnInitAnsicht) OnInitAnsicht();
  SetViewSelectorVisible(ViewCount() >= 2);
}

int TkvBrow::SortList2Key(int i, TKeyStr& lowKey, TKeyStr& highKey) {
  lowKey = TKeyStr();
  highKey = TKeyStr();
  return OnSortList2Key ? OnSortList2Key(i, lowKey, highKey) : 0;
}

void TkvBrow::AddSelectRow(int mode) {
  if (OnAddSelectRow) return OnAddSelectRow(mode);
  if (!multiSelect_ || !page_) return;
  const int32_t ref = page_->CurrentRef();
  const std::string key = page_->CurrentKey();
  if (ref <= 0) return;
  switch (mode) {
    case 1:
      select_->Toggle(ref);
      select_->SetAnchor(ref, key);
      break;
    case 2:
      if (select_->AnchorRef() > 0 && table_) {
        select_->AddRange(*table_, page_->KeyNr(), ref, key);
        break;
      }
      [[fallthrough]];
    default: select_->Add(ref); select_->SetAnchor(ref, key);
  }
}

int TkvBrow::FindeSelectRow(int ref) {
  if (OnFindeSelectRow) return OnFindeSelectRow(ref);
  return select_->Find(ref) ? 1 : 0;
}

bool TkvBrow::GetSelectRow() {
  if (OnGetSelectRow) return OnGetSelectRow();
  return select_->Find(CurrentRef());
}

TKeyStr TkvBrow::SuchFeld2KeyStr() {
  if (OnSuchFeld2KeyStr) return OnSuchFeld2KeyStr();
  TKeyStr key;
  key.Assign(ToStrings::AnsiUpperCase(search_->GetValueStr()));
  return key;
}

// --- open and position -------------------------------------------------------------------

void TkvBrow::Open(int /*layoutId*/, TdbBase* table, const TKeyStr& highKey, const TKeyStr& lowKey,
                   bool, bool, int keyNr) {
  opening_ = true;
  std::string step;
  try {
    step = "FNr 1";
    table_ = table;
    tableMode_ = table ? table->GetMode() : 0;
    if (!Init_brDats()) {
      Entf_brDats();
      throw EConstructorInvalid("Fehler beim Öffnen der Datenbanken!");
    }
    step = "FNr 2";
    TdbTreiber* driver = table ? table->GetDriver() : nullptr;
    if (!driver) {
      Entf_brDats();
      throw EConstructorInvalid("ungültiger Treiber");
    }
    step = "FNr 3";
    page_.reset();
    page_ = std::make_unique<TKBrowser>(driver, false, highKey, lowKey, keyNr, 250);
    closeConfirm_ = false;
    select_->Clear();
    initialised_ = true;
    step = "FNr 4";
    DoSetHeaderFooter();
    sortGuard_ = true;
    InitSortList();
    sortGuard_ = false;
    InitAnsicht();
    ClearSearch();
    if (sortIndex_ >= 0 && sortIndex_ < SortCount()) SetSortlistItemIndex(sortIndex_);
    sortButton_->setText(Q("Sortierung"));
    ArrangeToolbar();
    grid_->Resize();
    grid_->Refresh();
  } catch (const EConstructorInvalid&) {
    opening_ = false;
    sortGuard_ = false;
    throw;
  } catch (const std::exception&) {
    opening_ = false;
    sortGuard_ = false;
    throw EConstructorInvalid("Fehler beim Erstellen der Liste! (" + step + ")");
  }
  opening_ = false;
}

void TkvBrow::GotoRecord(int32_t ref, int, bool) {
  if (!IsOpen() || IsDetailsView()) return;
  TdbTreiber* d = page_->Driver();
  std::string key;
  int32_t at = 0;
  const int32_t want = ref > 0 ? ref : (ref == 0 && table_ ? table_->CurrentRef() : 0);
  if (want > 0 && d->ReadByRef(want)) {
    d->BuildKey(page_->KeyNr(), key);
    at = want;
  }
  grid_->GotoKey(key, at);
}

void TkvBrow::PositionOnDriverRecord() {
  TdbTreiber* d = page_->Driver();
  std::string key;
  d->BuildKey(page_->KeyNr(), key);
  grid_->GotoKey(key, d->CurrentRef());
}

void TkvBrow::SetKeyNr(int keyNr) {
  if (page_) page_->SetKeyNr(keyNr);
}

void TkvBrow::SetKeyRange(const TKeyStr& lowKey, const TKeyStr& highKey) {
  if (page_) page_->SetRange(lowKey, highKey);
}

void TkvBrow::ApplySort(int i, bool keepBounds) {
  if (i < 0 || i >= SortCount()) return;
  const auto actions = sortMenu_->actions();
  for (int k = 0; k < actions.size(); ++k) actions[k]->setChecked(k == i);
  sortButton_->setText(actions[i]->text());
  sortCombo_->setCurrentIndex(i);
  sortIndex_ = i;
  TKeyStr low, high;
  const int keyNr = SortList2Key(i, low, high);
  TdbTreiber* d = page_ ? page_->Driver() : nullptr;
  const bool alwaysAgain = keyNr == 9 && d && d->Driver() && d->Driver()->Params().Name == "BMCI";
  if (!sortGuard_ && page_ && keyNr != 0 && (keyNr != page_->KeyNr() || alwaysAgain)) {
    const int32_t ref = CurrentRef();
    page_->SetKeyNr(keyNr);
    if (!keepBounds) page_->SetRange(low, high);
    GotoRecord(ref > 0 ? ref : -1);
    DoSetHeaderFooter();
    grid_->Resize();
  }
  ClearSearch();
  if (directEdit_) editButton_->setChecked(false);
}

void TkvBrow::SetSortAndRange(int sortIndex, int keyNr, int, const std::string& lowKey,
                              const std::string& highKey) {
  int index = sortIndex;
  if (keyNr > 0) {
    for (int i = 0; i < SortCount(); ++i) {
      TKeyStr low, high;
      if (SortList2Key(i, low, high) == keyNr) {
        index = i;
        break;
      }
    }
  }
  ApplySort(index);
  if (page_ && (!lowKey.empty() || !highKey.empty())) {
    TKeyStr low, high;
    low.Assign(lowKey);
    high.Assign(highKey);
    page_->SetRange(low, high);
    GotoRecord(0);
  }
  RefreshPage();
}

void TkvBrow::QuickSearch() {
  if (searchGuard_ || !IsOpen() || IsDetailsView()) return;
  const std::string typed = SuchFeld2KeyStr().Text();
  if (typed.empty()) return;
  TdbTreiber* d = page_->Driver();
  const int keyNr = page_->KeyNr();
  TKeyStr key;
  key.Assign(typed);
  if (!d->SearchKey(keyNr, key)) {
    // Behind the last key: the end of the list.
    grid_->LastPage();
    return;
  }
  auto norm = [this](std::string s) {
    s = ToStrings::AnsiUpperCase(s);
    if (tableMode_ != 0) s.erase(std::remove(s.begin(), s.end(), ' '), s.end());
    return s;
  };
  std::string found;
  d->BuildKey(keyNr, found);
  const std::string want = norm(typed);
  if (norm(found).compare(0, want.size(), want) != 0) {
    // No key begins with the text: the record before the place it would have.
    if (!d->Prev(keyNr)) d->SearchKey(keyNr, key);
  }
  PositionOnDriverRecord();
}

void TkvBrow::ClearSearch() {
  searchGuard_ = true;
  search_->clear();
  searchGuard_ = false;
}

// --- sort and view choices ---------------------------------------------------------------

void TkvBrow::ClearSortList() {
  sortCombo_->clear();
  sortMenu_->clear();
}

void TkvBrow::AddSortEntry(const std::string& caption) {
  sortCombo_->addItem(Q(caption));
  QAction* a = sortMenu_->addAction(Q(caption));
  a->setCheckable(true);
  const int index = int(sortMenu_->actions().size()) - 1;
  connect(a, &QAction::triggered, this, [this, index] { ApplySort(index); });
}

void TkvBrow::SetSortlistItemIndex(int i) {
  if (i < 0 || i >= SortCount()) return;
  const auto actions = sortMenu_->actions();
  for (int k = 0; k < actions.size(); ++k) actions[k]->setChecked(k == i);
  sortCombo_->setCurrentIndex(i);
  sortButton_->setText(actions[i]->text());
  sortIndex_ = i;
}

int TkvBrow::SortCount() const { return sortCombo_->count(); }

void TkvBrow::SetSortSelectorVisible(bool visible) {
  sortCombo_->setVisible(visible);
  sortLabel_->setVisible(visible);
  sortButton_->setVisible(visible);
  ArrangeToolbar();
}

bool TkvBrow::SortSelectorVisible() const { return !sortCombo_->isHidden(); }

int TkvBrow::ViewCount() const { return viewCombo_->count(); }

void TkvBrow::SetViewSelectorVisible(bool visible) { viewCombo_->setVisible(visible); }

void TkvBrow::SetViewModes(int modeBits) {
  viewBits_ = modeBits;
  viewCombo_->clear();
  for (const std::string& caption : ViewCaptions(modeBits)) viewCombo_->addItem(Q(caption));
  const bool current = (viewMode_ == kDetails && (modeBits & kBitDetails)) ||
                       (viewMode_ == kListe && (modeBits & kBitListe)) ||
                       (viewMode_ == kMiniatur && (modeBits & kBitMiniatur));
  if (!current) viewMode_ = kDetails;
  if (ViewCount() > 1) viewCombo_->setCurrentIndex(1);
}

void TkvBrow::SetAnsichtItemIndex(int i) {
  if (i < 0 || i >= ViewCount()) return;
  viewCombo_->setCurrentIndex(i);
  ViewChosen(i);
}

int TkvBrow::AnsichtItemIndex() const { return viewCombo_->currentIndex(); }

void TkvBrow::ViewChosen(int index) {
  viewMode_ = ViewModeOfCaption(S(viewCombo_->itemText(index)));
  grid_->Resize();
}

bool TkvBrow::IsDetailsView() const {
  return tableMode_ != 0 && viewMode_ != kListe && viewMode_ != kMiniatur;
}

// --- state -------------------------------------------------------------------------------

int TkvBrow::KeyNr() const { return page_ ? page_->KeyNr() : 0; }

int32_t TkvBrow::CurrentRef() const {
  return IsOpen() && !IsDetailsView() ? page_->CurrentRef() : 0;
}

bool TkvBrow::HasRecords() const {
  if (!page_ || !page_->Driver()) return false;
  const int row = page_->CurrentRow();
  return page_->Driver()->RecordCount() != 0 && page_->CurrentRef() > 0 &&
         page_->Row(row).Status == 0;
}

void TkvBrow::RefreshPage() { RefreshAll(); }

void TkvBrow::SetDirectEdit(bool on) {
  if (on == directEdit_) return;
  directEdit_ = on;
  if (editButton_->isChecked() != on) {
    const QSignalBlocker block(editButton_);
    editButton_->setChecked(on);
  }
  TkvMouseGrid* g = grid_->Grid();
  if (!on) {
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return;
  }
  if (!directEditNoticeShown) {
    directEditNoticeShown = true;
    ToMessages::ShowNoticeContinue("", "Direkteingabe",
                                   "Bei Eingabe direkt in die Tabellenfelder führt das Programm "
                                   "keine Überprüfungen auf Fehleingaben durch.");
  }
  g->setEditTriggers(QAbstractItemView::AllEditTriggers);
  const int cols = std::min(g->ColCount(), 51);
  for (int c = 0; c < cols; ++c) {
    const std::string header = ToStrings::Trim(g->Cell(c, 0));
    if (OnBrowTextSelectCell && OnBrowTextSelectCell(g, c, 0, header)) {
      g->setCurrentCell(std::max(g->currentRow(), g->FixedRows()), c);
      break;
    }
  }
}

void TkvBrow::DrawSelectionFrame(QPainter& canvas, const QRect& rect) {
  canvas.save();
  canvas.setBrush(QColor(168, 202, 236));
  canvas.setPen(QColor(51, 153, 255));
  canvas.drawRect(rect.adjusted(0, 0, -1, -1));
  canvas.restore();
}

TkvMouseGrid* TkvBrow::Grid() const { return grid_->Grid(); }
int TkvBrow::ColCount() const { return grid_->Grid()->ColCount(); }
int TkvBrow::ColWidth(int i) const { return i < ColCount() ? grid_->Grid()->ColWidth(i) : 0; }
int TkvBrow::FixedColCount() const { return grid_->Grid()->FixedCols(); }

void TkvBrow::SetRowHeight(int height) {
  grid_->Grid()->SetDefaultRowHeight(height);
  grid_->Resize();
}

void TkvBrow::SetGridFont(const std::string& name, int size, bool bold) {
  QFont f(Q(name), size);
  f.setBold(bold);
  grid_->Grid()->setFont(f);
}

void TkvBrow::SetHeaderFooter(const std::string& header, const std::string& footer, bool,
                              const std::string& colKeys, const std::string& colFormats) {
  grid_->SetHeader(header, footer, colKeys, colFormats);
  grid_->Resize();
}

// --- deleting and keys -------------------------------------------------------------------

void TkvBrow::DeleteSelected() {
  if (!HasRecords() || !Before_Loesch()) return;
  if (OnDatensatz_Loeschen) {
    OnDatensatz_Loeschen();
    return;
  }
  if (!ToMessages::AskYesNo("", "Sicherheitsabfrage", " Löschen \"" + Loesch_Feld() + "\"", true))
    return;
  // The page still holds the deleted row's key: the re-read takes the key after it.
  if (Datensatz_Loeschen()) grid_->Refresh();
}

bool TkvBrow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize &&
      (watched == grid_->Grid() || watched == grid_->Grid()->viewport())) {
    if (page_) grid_->Resize();
    return false;
  }
  if (event->type() != QEvent::KeyPress) return TkvMousePanel::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  const int shift = browsekeys::ShiftState(int(key->modifiers()));
  if (watched == search_) {
    static const int kSearchKeys[] = {Qt::Key_Return, Qt::Key_Enter,  Qt::Key_Escape,  Qt::Key_Up,
                                      Qt::Key_Down,   Qt::Key_PageUp, Qt::Key_PageDown};
    if (std::find(std::begin(kSearchKeys), std::end(kSearchKeys), key->key()) ==
        std::end(kSearchKeys))
      return false;
    lastCommand_ = browsekeys::KeyToBrowseCommand(key->key(), shift,
                                                  key->modifiers().testFlag(Qt::KeypadModifier));
    if (!IsOpen() || IsDetailsView()) return false;
    if (key->key() == Qt::Key_Escape) return false;  // the window closes
    return grid_->HandleKey(key->key(), shift, true);
  }
  if (watched == grid_->Grid()) {
    if (key->key() == Qt::Key_Escape) {
      lastCommand_ = 4;
      closeConfirm_ = true;
      ProcessPostCommand();
      return false;  // the window still sees Esc and closes
    }
    return HandleKey(key->key(), shift);
  }
  return TkvMousePanel::eventFilter(watched, event);
}
