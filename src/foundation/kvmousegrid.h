#pragma once
// A string grid (cells addressed by column and row, the first rows and columns fixed as
// headers) that tells when the mouse comes in and goes out. The record browser shows its
// page in it. Fixed cells are painted by the layout's header painter, the others by its
// cell painter; OnDrawCell, when set, paints over each cell afterwards.

#include <QTableWidget>
#include <functional>
#include <string>

class QPainter;

class TkvMouseGrid : public QTableWidget {
  Q_OBJECT
 public:
  explicit TkvMouseGrid(QWidget* parent = nullptr);

  int ColCount() const { return columnCount(); }
  void SetColCount(int count);
  int RowCount() const { return rowCount(); }
  void SetRowCount(int count);
  int FixedCols() const { return fixedCols_; }
  void SetFixedCols(int count);
  int FixedRows() const { return fixedRows_; }
  void SetFixedRows(int count);

  std::string Cell(int col, int row) const;
  void SetCell(int col, int row, const std::string& text);

  int ColWidth(int col) const { return columnWidth(col); }
  void SetColWidth(int col, int width) { setColumnWidth(col, width); }
  int DefaultRowHeight() const;
  void SetDefaultRowHeight(int height);

  bool IsFixed(int col, int row) const { return col < fixedCols_ || row < fixedRows_; }

  // Column, row, cell rectangle, selected.
  std::function<void(QPainter&, int, int, const QRect&, bool)> OnDrawCell;

 signals:
  void MouseEnter();
  void MouseLeave();

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  class TDelegate;
  void MarkFixedCells();

  int fixedCols_ = 1;
  int fixedRows_ = 1;
};
