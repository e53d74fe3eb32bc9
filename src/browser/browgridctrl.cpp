#include "browser/browgridctrl.h"

#include <QAbstractSlider>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "browser/browgeometry.h"
#include "browser/browsekeys.h"
#include "browser/browselect.h"
#include "browser/kvbrow.h"
#include "foundation/cp1252.h"
#include "foundation/kvmousegrid.h"
#include "foundation/layout.h"
#include "foundation/strings.h"
#include "storage/dberror.h"
#include "storage/dbtreiber.h"

using namespace browgeometry;

namespace {
// Header fills while direct editing: a column that takes input, one that refuses it.
constexpr TColor kEditableHeader = 14013951;
constexpr TColor kLockedHeader = 255;
// Width of one cell in the list and thumbnail views when the caption asks for less.
constexpr int kMinFlowCellWidth = 120;
}  // namespace

TkvBrowStringGridCtrl::TkvBrowStringGridCtrl(TkvBrow& owner) : b_(owner) {
  grid_ = new TkvMouseGrid(&owner);
  grid_->setObjectName(QStringLiteral("Grid"));
  grid_->SetFixedCols(0);
  grid_->SetFixedRows(1);
  grid_->SetColCount(1);
  grid_->SetRowCount(2);
  grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  bar_ = new QScrollBar(Qt::Vertical, &owner);
  bar_->setObjectName(QStringLiteral("ScrollBar"));
  bar_->setRange(0, 0);
  QObject::connect(bar_, &QAbstractSlider::actionTriggered, &owner,
                   [this](int action) { ScrollAction(action); });
  QObject::connect(grid_, &QTableWidget::cellPressed, &owner, [this](int row, int col) {
    ClickCell(col, row, int(QGuiApplication::keyboardModifiers()));
  });
  QObject::connect(grid_, &QTableWidget::cellDoubleClicked, &owner, [this](int row, int) {
    if (!b_.page_ || b_.page_->Closing() || row < grid_->FixedRows()) return;
    if (b_.multiSelect_) b_.select_->Clear();
    if (b_.OnBrowDoppelKlick) b_.OnBrowDoppelKlick();
  });
  // Keys the browser leaves to the grid (letters search the cells, for one) move its
  // cursor too: the page's current row follows, so that every list function works on
  // the row the person sees marked.
  QObject::connect(grid_, &QTableWidget::currentCellChanged, &owner,
                   [this](int row, int col) { FollowCursor(col, row); });
  grid_->OnDrawCell = [this](QPainter& painter, int col, int row, const QRect& rect,
                             bool selected) { PaintCell(painter, col, row, rect, selected); };
  QObject::connect(grid_, &QTableWidget::cellChanged, &owner, [this](int row, int col) {
    if (b_.directEdit_ && b_.OnBrowTextausZelle)
      b_.OnBrowTextausZelle(grid_, col, row, grid_->Cell(col, row));
  });
}

TkvBrowStringGridCtrl::~TkvBrowStringGridCtrl() = default;

// --- callbacks of the page buffer --------------------------------------------------------

bool TkvBrowStringGridCtrl::HasFilter() const { return bool(b_.OnPerformFilter); }

int TkvBrowStringGridCtrl::PerformFilter(RowRec& row, bool& useIt) {
  return b_.OnPerformFilter(row, useIt) ? 0 : int(kDbRefused);
}

int TkvBrowStringGridCtrl::PreCompletePage() {
  if (b_.OnPreCompletePage) b_.OnPreCompletePage();
  return 0;
}

void TkvBrowStringGridCtrl::PostCompletePage() {
  if (b_.OnPostCompletePage) b_.OnPostCompletePage();
}

void TkvBrowStringGridCtrl::BuildRow(RowRec& row) {
  if (b_.OnBuildRow) b_.OnBuildRow(row);
}

// --- moves -------------------------------------------------------------------------------

bool TkvBrowStringGridCtrl::Usable() const { return b_.page_ && !b_.IsDetailsView(); }

int TkvBrowStringGridCtrl::PageRows() const {
  return std::min(PageRowsOfView(b_.viewMode_, visibleRows_, visibleCols_),
                  b_.page_ ? b_.page_->Capacity() : TKBrowser::kMaxRows);
}

void TkvBrowStringGridCtrl::AfterMove(int) { ShowPage(); }

void TkvBrowStringGridCtrl::FirstPage() {
  if (!Usable()) return;
  bool changed = false;
  AfterMove(b_.page_->FirstPage(*this, changed));
}

void TkvBrowStringGridCtrl::LastPage() {
  if (!Usable()) return;
  bool changed = false;
  AfterMove(b_.page_->LastPage(*this, changed));
}

void TkvBrowStringGridCtrl::Step(int dir) {
  if (!Usable()) return;
  TKBrowser& p = *b_.page_;
  const int n = p.FilledRows();
  const int cur = p.CurrentRow();
  if (dir > 0 && cur < n) {
    p.SetCurrentRow(cur + 1);
    return ShowPage();
  }
  if (dir < 0 && cur > 1 && n > 0) {
    p.SetCurrentRow(cur - 1);
    return ShowPage();
  }
  // At the page edge the page moves by a row, a column or a row of cells, and the
  // current row goes to the record next to the old one.
  const int step = StepRows(b_.viewMode_, visibleRows_, visibleCols_);
  int moved = 0;
  bool changed = false;
  AfterMove(dir > 0 ? p.ScrollForward(*this, step, 2, moved, changed)
                    : p.ScrollBackward(*this, step, 2, moved, changed));
}

void TkvBrowStringGridCtrl::NextRecord() { Step(1); }
void TkvBrowStringGridCtrl::PrevRecord() { Step(-1); }

void TkvBrowStringGridCtrl::Page(int dir) {
  if (!Usable()) return;
  int moved = 0;
  bool changed = false;
  const int rows = PageRows();
  AfterMove(dir > 0 ? b_.page_->ScrollForward(*this, rows, 1, moved, changed)
                    : b_.page_->ScrollBackward(*this, rows, 1, moved, changed));
}

void TkvBrowStringGridCtrl::NextPage() { Page(1); }
void TkvBrowStringGridCtrl::PrevPage() { Page(-1); }

void TkvBrowStringGridCtrl::GotoKey(const std::string& key, int32_t ref) {
  if (!Usable()) return;
  bool changed = false;
  TKBrowser& p = *b_.page_;
  AfterMove(p.PositionAt(*this, key, ref, 0, PageRows(), p.CurrentRow(), changed));
}

void TkvBrowStringGridCtrl::Refresh() {
  if (!Usable()) return;
  bool changed = false;
  AfterMove(b_.page_->Reread(*this, changed));
}

void TkvBrowStringGridCtrl::Resize() {
  const int rowHeight = std::max(grid_->DefaultRowHeight(), 1);
  const int width = std::max(grid_->viewport()->width(), 1);
  visibleRows_ = browgeometry::VisibleRows(grid_->viewport()->height(), rowHeight, rowHeight);
  const int flowWidth =
      std::max(CaptionWidth(captions_.empty() ? std::string() : captions_.front(), b_.xWidth_),
               kMinFlowCellWidth);
  visibleCols_ = b_.viewMode_ == kDetails ? 1 : std::max(width / flowWidth, 1);
  const QSignalBlocker block(grid_);
  grid_->SetRowCount(grid_->FixedRows() + visibleRows_);
  grid_->SetColCount(b_.viewMode_ == kDetails ? std::max(int(captions_.size()), 1) : visibleCols_);
  grid_->clearContents();
  LayoutColumns();
  if (!b_.page_) return;
  const int rows = PageRows();
  if (rows != b_.page_->RowsOnPage() && Usable()) {
    bool changed = false;
    if (rows > b_.page_->RowsOnPage())
      b_.page_->GrowPage(*this, rows, changed);
    else
      b_.page_->ShrinkPage(*this, rows, changed);
  }
  ShowPage();
}

void TkvBrowStringGridCtrl::LayoutColumns() {
  const int cols = grid_->ColCount();
  const int width = grid_->viewport()->width();
  if (b_.viewMode_ != kDetails) {
    for (int c = 0; c < cols; ++c) {
      grid_->SetColWidth(c, std::max(width / std::max(cols, 1), 1));
      SetCellText(c, 0, captions_.empty() ? std::string() : captions_.front());
    }
    grid_->setHorizontalScrollBarPolicy(b_.viewMode_ == kListe ? Qt::ScrollBarAlwaysOn
                                                               : Qt::ScrollBarAlwaysOff);
    return;
  }
  int total = 0;
  for (int c = 0; c < cols; ++c) {
    const std::string caption = c < int(captions_.size()) ? captions_[size_t(c)] : std::string();
    // A width the window supplies (or stored from an earlier header) never cuts the
    // caption: the header's captions are as wide as the texts of their columns.
    int w =
        std::max(b_.OnBrowColWidths ? b_.OnBrowColWidths(c) : 0, CaptionWidth(caption, b_.xWidth_));
    // The last column takes what is left of the grid's width.
    if (c == cols - 1 && total + w < width) w = width - total;
    grid_->SetColWidth(c, w);
    total += w;
    SetCellText(c, 0, caption);
  }
  grid_->setHorizontalScrollBarPolicy(total > width && cols > 1 ? Qt::ScrollBarAsNeeded
                                                                : Qt::ScrollBarAlwaysOff);
}

void TkvBrowStringGridCtrl::SetHeader(const std::string& header, const std::string& footer,
                                      const std::string& colKeys, const std::string& colFormats) {
  captions_ = HeaderCaptions(header);
  footer_ = footer;
  colKeys_ = colKeys.substr(0, 50);
  colFormats_ = colFormats.substr(0, 50);
}

int TkvBrowStringGridCtrl::ColumnKey(int col) const {
  return col >= 0 && col < int(colKeys_.size()) ? int(uint8_t(colKeys_[size_t(col)])) : 0;
}

// --- painting ---

// Paints over what the grid's own painters drew: the sorted column's header, the header
// colours of direct editing, and the frame of selected records.
void TkvBrowStringGridCtrl::PaintCell(QPainter& painter, int col, int row, const QRect& rect,
                                      bool selected) {
  if (row < grid_->FixedRows()) {
    if (b_.viewMode_ == kDetails) {
      const std::string text = grid_->Cell(col, row);
      const bool sorted = b_.page_ && ColumnKey(col) != 0 && ColumnKey(col) == b_.page_->KeyNr();
      TColor fill = clNone;
      if (b_.directEdit_) {
        const bool accepted = !b_.OnBrowTextSelectCell ||
                              b_.OnBrowTextSelectCell(grid_, col, 0, ToStrings::Trim(text));
        fill = accepted ? kEditableHeader : kLockedHeader;
      }
      if (sorted || fill != clNone) ToLayout::DrawGridHeader(painter, rect, text, sorted, fill);
    }
  } else if (b_.multiSelect_ && b_.page_) {
    const int pageRow = PageRowOfCell(b_.viewMode_, {col, row}, visibleRows_, visibleCols_,
                                      grid_->FixedCols(), grid_->FixedRows());
    if (pageRow > 0 && pageRow <= b_.page_->FilledRows() &&
        b_.FindeSelectRow(b_.page_->Row(pageRow).Ref) != 0) {
      b_.DrawSelectionFrame(painter, rect);
      painter.drawText(rect.adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter,
                       Q(grid_->Cell(col, row)));
    }
  }
  if (b_.OnDrawCell) b_.OnDrawCell(painter, col, row, rect, selected);
}

// --- showing -----------------------------------------------------------------------------

void TkvBrowStringGridCtrl::SetCellText(int col, int row, const std::string& text) {
  if (col < grid_->ColCount() && row < grid_->RowCount() && grid_->Cell(col, row) != text)
    grid_->SetCell(col, row, text);
}

void TkvBrowStringGridCtrl::ShowPage() {
  if (!b_.page_) return;
  filled_ = true;
  const TKBrowser& p = *b_.page_;
  const int fixedRows = grid_->FixedRows();
  const int fixedCols = grid_->FixedCols();
  const QSignalBlocker block(grid_);
  for (int i = 1; i <= PageRows(); ++i) {
    const std::string& text = p.Row(i).Text;
    const TCell cell =
        CellOfPageRow(b_.viewMode_, i, visibleRows_, visibleCols_, fixedCols, fixedRows);
    if (b_.viewMode_ == kDetails) {
      const std::vector<std::string> cells = SplitCells(text);
      for (int c = fixedCols; c < grid_->ColCount(); ++c) {
        const size_t k = size_t(c - fixedCols);
        SetCellText(c, cell.Row, k < cells.size() ? cells[k] : std::string());
      }
    } else {
      SetCellText(cell.Col, cell.Row, text);
    }
  }
  if (p.FilledRows() > 0) {
    const TCell cur = CellOfPageRow(b_.viewMode_, p.CurrentRow(), visibleRows_, visibleCols_,
                                    fixedCols, fixedRows);
    grid_->setCurrentCell(cur.Row,
                          b_.viewMode_ == kDetails
                              ? grid_->currentColumn() < 0 ? fixedCols : grid_->currentColumn()
                              : cur.Col);
  }
  UpdateBar();
}

void TkvBrowStringGridCtrl::UpdateBar() {
  if (!b_.page_) return;
  TKBrowser& p = *b_.page_;
  const TScrollRange range = ScrollRange(p.Driver()->RecordCount(), visibleRows_);
  barGuard_ = true;
  bar_->setRange(0, range.Max);
  bar_->setSingleStep(1);
  bar_->setPageStep(range.LargeStep);
  bar_->setValue(range.Max > 0 && p.CurrentRef() > 0
                     ? p.RecordToThumb(p.CurrentKey(), p.CurrentRef(), range.Max)
                     : 0);
  barGuard_ = false;
}

void TkvBrowStringGridCtrl::ScrollAction(int action) {
  if (barGuard_ || !Usable()) return;
  switch (action) {
    case QAbstractSlider::SliderSingleStepAdd: NextRecord(); break;
    case QAbstractSlider::SliderSingleStepSub: PrevRecord(); break;
    case QAbstractSlider::SliderPageStepAdd: NextPage(); break;
    case QAbstractSlider::SliderPageStepSub: PrevPage(); break;
    case QAbstractSlider::SliderToMinimum: FirstPage(); break;
    case QAbstractSlider::SliderToMaximum: LastPage(); break;
    case QAbstractSlider::SliderMove: ThumbTo(bar_->sliderPosition()); break;
    default: break;
  }
}

void TkvBrowStringGridCtrl::ThumbTo(int position) {
  if (!Usable()) return;
  std::string key;
  int32_t ref = 0;
  if (b_.page_->ThumbToRecord(position, bar_->maximum(), key, ref)) GotoKey(key, ref);
}

void TkvBrowStringGridCtrl::FollowCursor(int col, int row) {
  if (!Usable() || b_.page_->Closing() || row < 0 || col < 0) return;
  TKBrowser& p = *b_.page_;
  const int pageRow = PageRowOfCell(b_.viewMode_, {col, row}, visibleRows_, visibleCols_,
                                    grid_->FixedCols(), grid_->FixedRows());
  if (pageRow >= 1 && pageRow <= p.FilledRows())
    p.SetCurrentRow(pageRow);
  else
    ShowPage();  // no record there: the cursor goes back to the current row
}

void TkvBrowStringGridCtrl::ClickCell(int col, int row, int qtModifiers) {
  if (!Usable() || b_.page_->Closing()) return;
  TKBrowser& p = *b_.page_;
  if (row < grid_->FixedRows()) {
    const int key = b_.viewMode_ == kDetails ? ColumnKey(col) : 0;
    if (key == 0) return;
    for (int i = 0; i < b_.SortCount(); ++i) {
      TKeyStr low, high;
      if (b_.SortList2Key(i, low, high) == key) return b_.SetSortAndRange(i, 0, 0, {}, {});
    }
    return;
  }
  const int pageRow = PageRowOfCell(b_.viewMode_, {col, row}, visibleRows_, visibleCols_,
                                    grid_->FixedCols(), grid_->FixedRows());
  if (pageRow < 1 || pageRow > p.FilledRows()) return ShowPage();
  p.SetCurrentRow(pageRow);
  const int shift = browsekeys::ShiftState(qtModifiers);
  if (shift & browsekeys::kShift)
    b_.AddSelectRow(2);
  else if (shift & browsekeys::kCtrl)
    b_.AddSelectRow(1);
  else {
    // A plain click elsewhere starts the selection anew; on a selected row it keeps it,
    // as it may start a drag.
    if (b_.multiSelect_ && b_.FindeSelectRow(p.CurrentRef()) == 0) b_.select_->Clear();
    b_.AddSelectRow(b_.multiSelect_ ? 3 : 0);
  }
  ShowPage();
}

// --- keys --------------------------------------------------------------------------------

bool TkvBrowStringGridCtrl::HandleKey(int key, int shift, bool fromSearchField) {
  using namespace browsekeys;
  auto done = [&](bool keepSearch = false) {
    if (!keepSearch) b_.ClearSearch();
    return true;
  };
  // Left and Right move one cell in the list and thumbnail views, plain or with Ctrl.
  if ((shift == 0 || shift == kCtrl) && (key == Qt::Key_Left || key == Qt::Key_Right)) {
    if (b_.viewMode_ == kDetails) return false;
    key == Qt::Key_Left ? PrevRecord() : NextRecord();
    return done();
  }
  if (shift == kCtrl) {
    if (key == Qt::Key_PageUp || key == Qt::Key_Home)
      FirstPage();
    else if (key == Qt::Key_PageDown || key == Qt::Key_End)
      LastPage();
    else
      return b_.ProcessPostCommand();
    return done();
  }
  if (shift != 0 && shift != kShift) return b_.ProcessPostCommand();
  const bool extend = shift == kShift;
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (extend) return b_.ProcessPostCommand();
      if (fromSearchField && b_.OnBrowSuchfeldEnter) {
        b_.OnBrowSuchfeldEnter();
        return done(true);
      }
      if (!fromSearchField && b_.OnBrowEnter)
        b_.OnBrowEnter();
      else
        b_.ProcessPostCommand();
      return done();
    case Qt::Key_Escape:
      if (extend) return b_.ProcessPostCommand();
      b_.closeConfirm_ = true;
      b_.ProcessPostCommand();
      return done();
    case Qt::Key_Delete:
      if (extend || fromSearchField) return false;
      b_.DeleteSelected();
      return done();
    default: break;
  }
  // Page and arrow keys; with Shift they extend the selection in multi-select mode,
  // plain they start it anew.
  struct TMove {
    int Key;
    void (TkvBrowStringGridCtrl::*Run)();
    bool ClearsSelection;
    bool SelectsRow;
  };
  static constexpr TMove kMoves[] = {
      {Qt::Key_PageUp, &TkvBrowStringGridCtrl::PrevPage, true, false},
      {Qt::Key_PageDown, &TkvBrowStringGridCtrl::NextPage, true, false},
      {Qt::Key_End, &TkvBrowStringGridCtrl::LastPage, false, false},
      {Qt::Key_Home, &TkvBrowStringGridCtrl::FirstPage, false, false},
      {Qt::Key_Up, &TkvBrowStringGridCtrl::PrevRecord, true, true},
      {Qt::Key_Down, &TkvBrowStringGridCtrl::NextRecord, true, true},
  };
  for (const TMove& m : kMoves) {
    if (m.Key != key) continue;
    if (b_.multiSelect_ && !extend && m.ClearsSelection) b_.select_->Clear();
    (this->*m.Run)();
    if ((key == Qt::Key_PageUp || key == Qt::Key_PageDown) && b_.OnBrowScroll) b_.OnBrowScroll();
    if (b_.multiSelect_ && (extend || m.SelectsRow)) b_.AddSelectRow(extend ? 2 : 3);
    return done();
  }
  return b_.ProcessPostCommand();
}
