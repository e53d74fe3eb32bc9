#pragma once
// Where the rows of a page stand in the browser's grid, how the header text becomes
// columns, and the arithmetic of the scroll bar: kept apart from the widgets so that it
// can be tested without a screen.

#include <cstdint>
#include <string>
#include <vector>

namespace browgeometry {

// View modes of the record browser.
enum TViewMode : int { kDetails = 0, kListe = 1, kMiniatur = 3 };

// Bits of TkvBrow::SetViewModes and the captions of the view choice.
enum : int { kBitDetails = 1, kBitListe = 2, kBitMiniatur = 8 };
// The captions of the modes in a bit set, in the order of the view choice.
std::vector<std::string> ViewCaptions(int modeBits);
// The mode of a caption; Details for any other text.
int ViewModeOfCaption(const std::string& caption);

struct TCell {
  int Col = 0;
  int Row = 0;
  bool operator==(const TCell&) const = default;
};

// The grid cell of page row i (1-based); fixed rows and columns are added.
TCell CellOfPageRow(int viewMode, int pageRow, int visibleRows, int visibleCols, int fixedCols,
                    int fixedRows);
// The page row shown in a grid cell, 0 for a fixed cell or one outside the page.
int PageRowOfCell(int viewMode, TCell cell, int visibleRows, int visibleCols, int fixedCols,
                  int fixedRows);
// Page rows that fit into the visible grid in a view.
int PageRowsOfView(int viewMode, int visibleRows, int visibleCols);
// Page rows moved by one step sideways: a column in the list view, a row of cells in the
// thumbnail view, one row in the details view.
int StepRows(int viewMode, int visibleRows, int visibleCols);
// Record rows that fit into a grid of this client height.
int VisibleRows(int clientHeight, int headerHeight, int rowHeight);

// Column captions of a header text: parts separated by ";", a trailing part without ";"
// being the last caption. An empty header gives one empty caption.
std::vector<std::string> HeaderCaptions(const std::string& header);
// The cells of a row text in the details view.
std::vector<std::string> SplitCells(const std::string& text);
// Width of a column by its caption: (length + 1) times the width of "X".
int CaptionWidth(const std::string& caption, int xWidth);

// Scroll bar: 0 .. Max, small step 1, page step LargeStep.
struct TScrollRange {
  int32_t Max = 0;
  int32_t LargeStep = 1;
  bool operator==(const TScrollRange&) const = default;
};
constexpr int32_t kCoarseScale = 247;
constexpr int32_t kCoarseFrom = 3000;
// recordCount below 1 (empty, or -1 when the count failed) gives the empty range 0 .. 0.
TScrollRange ScrollRange(int32_t recordCount, int visibleRecordRows);

}  // namespace browgeometry
