#include "log/statgeometry.h"

template <size_t N>
bool TStatGeometry::IsVisibleIndex(const std::array<bool, N>& visible, int index) {
  int counted = 0;
  for (size_t i = 0; i < N; ++i) {
    if (i != 0 && !visible[i]) continue;
    if (counted == index) return true;
    ++counted;
  }
  return false;
}

std::optional<TCellRect> TStatGeometry::CellRect(int column, int row) const {
  if (column < 0 || row < 0) return std::nullopt;
  if (!IsVisibleIndex(ColumnVisible, column) || !IsVisibleIndex(RowVisible, row))
    return std::nullopt;
  TCellRect r;
  r.Left = column == 0 ? Margin : Margin + (column * ColumnChars + 9) * CharWidth;
  r.Right = r.Left + ColumnChars * CharWidth;
  r.Top = row * RowHeight + Margin;
  r.Bottom = r.Top + RowHeight;
  return r;
}

std::optional<TMarkerPlace> TStatGeometry::MarkerAt(int x, int y) const {
  std::optional<TMarkerPlace> place;
  for (int c = 1; c < kColumns; ++c) {
    for (int r = 1; r < kRows; ++r) {
      const std::optional<TCellRect> cell = CellRect(c, r);
      if (!cell) continue;
      const bool matches = (x >= cell->Left || c == 1) && (x <= cell->Right || c >= ColumnLimit) &&
                           (y >= cell->Top || r == 1) && !(y > cell->Bottom && r <= RowLimit);
      if (matches && cell->Right > 0 && cell->Bottom > 0 && cell->Left >= 1 && cell->Top >= 1)
        place = TMarkerPlace{cell->Left, cell->Top, c * 100 + r};
    }
  }
  return place;
}
