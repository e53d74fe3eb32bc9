#include "foundation/kvmousegrid.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

#include "foundation/cp1252.h"
#include "foundation/layout.h"

class TkvMouseGrid::TDelegate : public QStyledItemDelegate {
 public:
  explicit TDelegate(TkvMouseGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const int col = index.column(), row = index.row();
    const std::string text = S(index.data(Qt::DisplayRole).toString());
    const bool selected = option.state & QStyle::State_Selected;
    if (grid_->IsFixed(col, row))
      ToLayout::DrawGridHeader(*painter, option.rect, text, false);
    else
      ToLayout::DrawGridCell(*painter, option.rect, text, selected);
    if (grid_->OnDrawCell) {
      painter->save();
      grid_->OnDrawCell(*painter, col, row, option.rect, selected);
      painter->restore();
    }
  }

 private:
  TkvMouseGrid* grid_;
};

TkvMouseGrid::TkvMouseGrid(QWidget* parent) : QTableWidget(5, 5, parent) {
  // The fixed rows and columns are the headers; Qt's own stay hidden.
  horizontalHeader()->hide();
  verticalHeader()->hide();
  setItemDelegate(new TDelegate(this));
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  MarkFixedCells();
}

void TkvMouseGrid::SetColCount(int count) {
  setColumnCount(count);
  MarkFixedCells();
}

void TkvMouseGrid::SetRowCount(int count) {
  setRowCount(count);
  MarkFixedCells();
}

void TkvMouseGrid::SetFixedCols(int count) {
  fixedCols_ = count;
  MarkFixedCells();
}

void TkvMouseGrid::SetFixedRows(int count) {
  fixedRows_ = count;
  MarkFixedCells();
}

std::string TkvMouseGrid::Cell(int col, int row) const {
  const QTableWidgetItem* cell = item(row, col);
  return cell ? S(cell->text()) : std::string();
}

void TkvMouseGrid::SetCell(int col, int row, const std::string& text) {
  if (col < 0 || row < 0 || col >= columnCount() || row >= rowCount()) return;
  QTableWidgetItem* cell = item(row, col);
  if (!cell) {
    cell = new QTableWidgetItem;
    if (IsFixed(col, row)) cell->setFlags(Qt::ItemIsEnabled);
    setItem(row, col, cell);
  }
  cell->setText(Q(text));
}

int TkvMouseGrid::DefaultRowHeight() const { return verticalHeader()->defaultSectionSize(); }

void TkvMouseGrid::SetDefaultRowHeight(int height) {
  verticalHeader()->setMinimumSectionSize(1);
  verticalHeader()->setDefaultSectionSize(height);
}

// Header cells cannot be selected: a click on them must not move the current row there.
void TkvMouseGrid::MarkFixedCells() {
  for (int row = 0; row < rowCount(); ++row)
    for (int col = 0; col < columnCount(); ++col) {
      QTableWidgetItem* cell = item(row, col);
      const Qt::ItemFlags flags =
          IsFixed(col, row) ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable;
      if (cell)
        cell->setFlags(flags);
      else if (IsFixed(col, row)) {
        cell = new QTableWidgetItem;
        cell->setFlags(flags);
        setItem(row, col, cell);
      }
    }
}

void TkvMouseGrid::enterEvent(QEnterEvent* event) {
  QTableWidget::enterEvent(event);
  emit MouseEnter();
}

void TkvMouseGrid::leaveEvent(QEvent* event) {
  QTableWidget::leaveEvent(event);
  emit MouseLeave();
}
