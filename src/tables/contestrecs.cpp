#include "tables/contestrecs.h"

#include <stdexcept>

TContestListRec::TRowOffsets TContestListRec::RowOffsets(int row) {
  if (row >= 1 && row <= 5) {
    size_t r = size_t(row - 1);
    return {196 + 2 * r, 206 + 2 * r, 226 + 4 * r, 261 + 2 * r, 281 + 2 * r};
  }
  if (row == 6) return {341, 343, 345, 349, 353};
  if (row == 7) return {355, 357, 359, 363, 367};
  throw std::out_of_range("band row");
}

size_t TContestListRec::ColumnOffset(int column) {
  if (column < 1 || column > kColumns) throw std::out_of_range("column");
  return ColumnWidthOffset(column);
}

size_t TContestConfigRec::At32(size_t base, int i) {
  if (i < 1 || i > kBands) throw std::out_of_range("band index");
  return base + 4 * size_t(i - 1);
}

size_t TContestConfigRec::At16(int which, int i) {
  if (which < 1 || which > 3 || i < 1 || i > kBands) throw std::out_of_range("multiplier");
  return 1208 + 200 * size_t(which - 1) + 2 * size_t(i - 1);
}

void TContestQSORec::SetDOK(std::string_view dok) {
  SetDOK1(dok.substr(0, 6));
  SetDOK2(dok.size() > 6 ? dok.substr(6, 2) : std::string_view());
}
