#include "browser/browgeometry.h"

#include <algorithm>

namespace browgeometry {

namespace {

struct TViewEntry {
  int Bit;
  int Mode;
  const char* Caption;
};
// The order of the view choice.
constexpr TViewEntry kViews[] = {
    {kBitListe, kListe, "Liste"},
    {kBitDetails, kDetails, "Details"},
    {kBitMiniatur, kMiniatur, "Miniaturansicht"},
};

std::vector<std::string> Split(const std::string& text) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    const size_t semi = text.find(';', start);
    if (semi == std::string::npos) {
      if (start < text.size() || parts.empty()) parts.push_back(text.substr(start));
      return parts;
    }
    parts.push_back(text.substr(start, semi - start));
    start = semi + 1;
  }
}

}  // namespace

std::vector<std::string> ViewCaptions(int modeBits) {
  std::vector<std::string> captions;
  for (const auto& v : kViews)
    if (modeBits & v.Bit) captions.emplace_back(v.Caption);
  return captions;
}

int ViewModeOfCaption(const std::string& caption) {
  for (const auto& v : kViews)
    if (caption == v.Caption) return v.Mode;
  return kDetails;
}

TCell CellOfPageRow(int viewMode, int pageRow, int visibleRows, int visibleCols, int fixedCols,
                    int fixedRows) {
  const int i = std::max(pageRow, 1) - 1;
  const int rows = std::max(visibleRows, 1);
  const int cols = std::max(visibleCols, 1);
  switch (viewMode) {
    case kListe: return {fixedCols + i / rows, fixedRows + i % rows};
    case kMiniatur: return {fixedCols + i % cols, fixedRows + i / cols};
    default: return {fixedCols, fixedRows + i};
  }
}

int PageRowOfCell(int viewMode, TCell cell, int visibleRows, int visibleCols, int fixedCols,
                  int fixedRows) {
  const int c = cell.Col - fixedCols;
  const int r = cell.Row - fixedRows;
  const int rows = std::max(visibleRows, 1);
  const int cols = std::max(visibleCols, 1);
  if (r < 0 || (viewMode != kDetails && c < 0)) return 0;
  switch (viewMode) {
    case kListe: return r < rows && c < cols ? c * rows + r + 1 : 0;
    case kMiniatur: return r < rows && c < cols ? r * cols + c + 1 : 0;
    default: return r < rows ? r + 1 : 0;
  }
}

int PageRowsOfView(int viewMode, int visibleRows, int visibleCols) {
  const int rows = std::max(visibleRows, 1);
  return viewMode == kDetails ? rows : rows * std::max(visibleCols, 1);
}

int StepRows(int viewMode, int visibleRows, int visibleCols) {
  switch (viewMode) {
    case kListe: return std::max(visibleRows, 1);
    case kMiniatur: return std::max(visibleCols, 1);
    default: return 1;
  }
}

int VisibleRows(int clientHeight, int headerHeight, int rowHeight) {
  if (rowHeight <= 0) return 1;
  return std::max((clientHeight - headerHeight) / rowHeight, 1);
}

std::vector<std::string> HeaderCaptions(const std::string& header) { return Split(header); }

std::vector<std::string> SplitCells(const std::string& text) { return Split(text); }

int CaptionWidth(const std::string& caption, int xWidth) {
  return int(caption.size() + 1) * xWidth;
}

TScrollRange ScrollRange(int32_t recordCount, int visibleRecordRows) {
  TScrollRange range;
  if (recordCount >= kCoarseFrom)
    range.Max = kCoarseScale;
  else if (recordCount > 0)
    range.Max = recordCount - 1;
  range.LargeStep = visibleRecordRows - 1 > 0 ? visibleRecordRows - 1 : 1;
  return range;
}

}  // namespace browgeometry
