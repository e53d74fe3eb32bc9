#pragma once
// The layout of the worked tables: where each visible cell lies, and which cell the
// marker goes to under the mouse. Only column 0 and row 0 are always shown; the other
// columns and rows show where their flag is set.

#include <array>
#include <optional>

struct TCellRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  bool operator==(const TCellRect&) const = default;
};

struct TMarkerPlace {
  int Left = 0, Top = 0;
  int Tag = 0;  // column x 100 + row
};

class TStatGeometry {
 public:
  static constexpr int kColumns = 22;
  static constexpr int kRows = 31;

  int Margin = 2;  // the x and y origin
  int RowHeight = 0;
  int CharWidth = 0;
  int ColumnChars = 3;
  int InnerMargin = 2;
  int ColumnLimit = 0;
  int RowLimit = 0;
  std::array<bool, kColumns> ColumnVisible{};
  std::array<bool, kRows> RowVisible{};

  // The cell of the index-th visible column and row; nothing when there are fewer.
  std::optional<TCellRect> CellRect(int column, int row) const;
  // The cell for the marker at the point, the last one that matches.
  std::optional<TMarkerPlace> MarkerAt(int x, int y) const;

 private:
  template <size_t N>
  static bool IsVisibleIndex(const std::array<bool, N>& visible, int index);
};
