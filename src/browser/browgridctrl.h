#pragma once
// Puts the rows of the page buffer into the browser's string grid and turns keys, mouse
// clicks, scroll-bar moves and resizing into page-buffer operations. Owned by TkvBrow.

#include <QObject>
#include <string>
#include <vector>

#include "browser/kbrowser.h"

class QPainter;
class QRect;
class QScrollBar;
class TkvBrow;
class TkvMouseGrid;

class TkvBrowStringGridCtrl : public TKBrowserOwner {
 public:
  explicit TkvBrowStringGridCtrl(TkvBrow& owner);
  ~TkvBrowStringGridCtrl() override;

  TkvMouseGrid* Grid() const { return grid_; }
  QScrollBar* ScrollBar() const { return bar_; }

  // Callbacks of the page buffer, fired as the browser's events.
  bool HasFilter() const override;
  int PerformFilter(RowRec& row, bool& useIt) override;
  int PreCompletePage() override;
  void PostCompletePage() override;
  void BuildRow(RowRec& row) override;

  void FirstPage();
  void LastPage();
  void NextRecord();
  void PrevRecord();
  void NextPage();
  void PrevPage();
  void GotoKey(const std::string& key, int32_t ref);
  void Refresh();
  // Fits the page to the grid's size and view, re-reading it when the page size changed.
  void Resize();
  bool HandleKey(int key, int shift, bool fromSearchField);
  // Scroll-bar actions (QAbstractSlider::SliderAction) and thumb drags.
  void ScrollAction(int action);
  void ThumbTo(int position);
  void ClickCell(int col, int row, int qtModifiers);
  // The grid's cursor moved by the grid itself: the page's current row follows it.
  void FollowCursor(int col, int row);

  void SetHeader(const std::string& header, const std::string& footer, const std::string& colKeys,
                 const std::string& colFormats);
  const std::vector<std::string>& Captions() const { return captions_; }
  const std::string& Footer() const { return footer_; }
  int ColumnKey(int col) const;

  // Cells, current-row cursor and scroll bar from the page.
  void ShowPage();
  int VisibleRows() const { return visibleRows_; }
  int VisibleCols() const { return visibleCols_; }
  int PageRows() const;
  bool Filled() const { return filled_; }

 private:
  bool Usable() const;
  void AfterMove(int result);
  void UpdateBar();
  void SetCellText(int col, int row, const std::string& text);
  void LayoutColumns();
  void Step(int dir);
  void Page(int dir);
  void PaintCell(QPainter& painter, int col, int row, const QRect& rect, bool selected);

  TkvBrow& b_;
  TkvMouseGrid* grid_ = nullptr;
  QScrollBar* bar_ = nullptr;
  int visibleRows_ = 1;
  int visibleCols_ = 1;
  bool filled_ = false;
  bool barGuard_ = false;
  std::vector<std::string> captions_{std::string()};
  std::string footer_;
  std::string colKeys_;
  std::string colFormats_;
};
