#pragma once
// The record browser control: a sort choice, a view choice, a quick-search field, a
// navigation toolbar and a grid whose rows come from a page buffer. It knows no table
// layout: the window that uses it supplies row texts, header, sort orders and the delete
// decision through its events.

#include <QRect>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "browser/kbrowser.h"
#include "foundation/keystr.h"
#include "foundation/kvmousepanel.h"

class QComboBox;
class QLabel;
class QMenu;
class QPainter;
class QToolButton;
class TdbBase;
class TkvEdit;
class TkvMouseGrid;
class QHBoxLayout;
class TkvBrowSelect;
class TkvBrowStringGridCtrl;

class TkvBrow : public TkvMousePanel {
  Q_OBJECT
 public:
  explicit TkvBrow(QWidget* parent = nullptr);
  ~TkvBrow() override;

  // --- events -------------------------------------------------------------------------
  // Fills the row's text from the record the table's driver has just read.
  std::function<void(RowRec&)> OnBuildRow;
  std::function<void()> OnSetHeaderFooter;
  std::function<void()> OnBrowDoppelKlick;
  std::function<void(QObject*, int, int, const std::string&)> OnBrowTextinZelle;
  std::function<void(QObject*, int, int, const std::string&)> OnBrowTextausZelle;
  std::function<void(QObject*, int, int, const std::string&)> OnBrowTextEditmask;
  std::function<bool(QObject*, int, int, const std::string&)> OnBrowTextSelectCell;
  std::function<void(QObject*)> OnBrowCloseBtnKlick;
  std::function<void()> OnBrowEnter;
  std::function<void()> OnBrowScroll;
  std::function<void()> OnBrowSuchfeldEnter;
  std::function<bool()> OnInit_brDats;
  std::function<void()> OnEntf_brDats;
  std::function<void()> OnInit_F_Tasten;
  std::function<void()> OnWeitere_Befehle;
  std::function<bool()> OnDatensatz_Loeschen;
  std::function<std::string()> OnLoesch_Feld;
  std::function<bool()> OnSuch_Eingabe;
  std::function<bool()> OnBefore_Loesch;
  std::function<void()> OnInitSortList;
  std::function<void()> OnInitAnsicht;
  // Key number and bounds of sort entry i.
  std::function<int(int, TKeyStr&, TKeyStr&)> OnSortList2Key;
  std::function<bool()> OnProcessPostCommand;
  std::function<int(int)> OnBrowColWidths;
  std::function<void(int)> OnAddSelectRow;
  std::function<int(int)> OnFindeSelectRow;
  std::function<bool()> OnGetSelectRow;
  std::function<TKeyStr()> OnSuchFeld2KeyStr;
  // Sets useIt for a key about to be shown; answering False is an error that ends the
  // page operation.
  std::function<bool(RowRec&, bool&)> OnPerformFilter;
  std::function<void()> OnPreCompletePage;
  std::function<void()> OnPostCompletePage;
  std::function<void()> OnInternselect;
  std::function<void(QPainter&, int, int, const QRect&, bool)> OnDrawCell;

  // --- virtual operations -------------------------------------------------------------
  virtual void GoFirst();
  virtual void GoLast();
  virtual void PageDown();
  virtual void PageUp();
  // shift: 1 Shift, 2 Alt, 4 Ctrl. True when the key was used.
  virtual bool HandleKey(int key, int shift);
  virtual void RefreshAll();
  virtual bool IsOpen() const;
  virtual void CloseQuery(bool& canClose);
  virtual bool ProcessPostCommand();
  virtual bool Init_brDats();
  virtual void Entf_brDats();
  virtual bool Init_F_Tasten();
  virtual void DoSetHeaderFooter();
  virtual void Weitere_Befehle();
  virtual bool Before_Loesch();
  virtual std::string Loesch_Feld();
  virtual bool Datensatz_Loeschen();
  virtual bool Such_Eingabe();
  virtual void InitSortList();
  virtual void InitAnsicht();
  virtual int SortList2Key(int i, TKeyStr& lowKey, TKeyStr& highKey);
  // mode 0 plain click, 1 Ctrl, 2 Shift, 3 plain click in multi-select mode.
  virtual void AddSelectRow(int mode);
  virtual int FindeSelectRow(int ref);
  virtual TKeyStr SuchFeld2KeyStr();
  // Whether the current row is selected.
  bool GetSelectRow();

  // --- interfaces ---------------------------------------------------------------------
  // Opens the list on a table and one of its indexes; raises EConstructorInvalid.
  void Open(int layoutId, TdbBase* table, const TKeyStr& highKey, const TKeyStr& lowKey, bool flag1,
            bool flag2, int keyNr);
  // ref > 0 that record, 0 the table's current record, < 0 the start of the list.
  void GotoRecord(int32_t ref, int mode = 0, bool flag = false);
  void SetKeyNr(int keyNr);
  void SetKeyRange(const TKeyStr& lowKey, const TKeyStr& highKey);
  // keyNr > 0 selects the sort entry of that key, else sortIndex; bounds, when given,
  // replace those of the sort entry.
  void SetSortAndRange(int sortIndex, int keyNr, int flags, const std::string& lowKey,
                       const std::string& highKey);
  // Header captions separated by ";"; per column the key number a header click selects
  // (colKeys) and a format byte for the cell painter (colFormats).
  void SetHeaderFooter(const std::string& header, const std::string& footer, bool flag,
                       const std::string& colKeys = {}, const std::string& colFormats = {});
  void ClearSortList();
  void AddSortEntry(const std::string& caption);
  void SetSortlistItemIndex(int i);
  int SortlistItemIndex() const { return sortIndex_; }
  int SortCount() const;
  void SetSortSelectorVisible(bool visible);
  bool SortSelectorVisible() const;
  int ViewCount() const;
  void SetViewSelectorVisible(bool visible);
  // Bits: 2 "Liste", 1 "Details", 8 "Miniaturansicht".
  void SetViewModes(int modeBits);
  void SetAnsichtItemIndex(int i);
  int AnsichtItemIndex() const;
  int ViewMode() const { return viewMode_; }
  bool IsDetailsView() const;

  int KeyNr() const;
  int32_t CurrentRef() const;
  bool HasRecords() const;
  void RefreshPage();
  void SetDirectEdit(bool on);
  bool DirectEdit() const { return directEdit_; }
  void DrawSelectionFrame(QPainter& canvas, const QRect& rect);

  TkvMouseGrid* Grid() const;
  int ColCount() const;
  int ColWidth(int i) const;
  int FixedColCount() const;
  void SetRowHeight(int height);
  void SetGridFont(const std::string& name, int size, bool bold);

  TdbBase* Table() const { return table_; }
  uint8_t TableMode() const { return tableMode_; }
  TKBrowser* Page() const { return page_.get(); }
  TkvBrowSelect& Selection() const { return *select_; }
  TkvEdit* SearchField() const { return search_; }
  QComboBox* SortCombo() const { return sortCombo_; }
  QComboBox* ViewCombo() const { return viewCombo_; }
  bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool on) { multiSelect_ = on; }
  int LastBrowseCommand() const { return lastCommand_; }
  int XWidth() const { return xWidth_; }
  // The delete road of the Delete key.
  void DeleteSelected();
  // Empties the quick-search field without searching.
  void ClearSearch();

  // Applies sort entry i (a menu click).
  void ApplySort(int i, bool keepBounds = false);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  friend class TkvBrowStringGridCtrl;
  void BuildToolbar();
  // The navigation tools move to a second tool row when one row cannot show every text
  // of the sort and view choices whole.
  void ArrangeToolbar();
  void QuickSearch();
  void ViewChosen(int index);
  void PositionOnDriverRecord();

  TdbBase* table_ = nullptr;
  uint8_t tableMode_ = 0;
  std::unique_ptr<TKBrowser> page_;
  std::unique_ptr<TkvBrowSelect> select_;
  std::unique_ptr<TkvBrowStringGridCtrl> grid_;
  QComboBox* sortCombo_ = nullptr;
  QToolButton* sortButton_ = nullptr;
  QMenu* sortMenu_ = nullptr;
  QLabel* sortLabel_ = nullptr;
  QComboBox* viewCombo_ = nullptr;
  TkvEdit* search_ = nullptr;
  QToolButton* editButton_ = nullptr;
  QHBoxLayout* toolRow_ = nullptr;
  QHBoxLayout* navRow_ = nullptr;
  std::vector<QWidget*> navTools_;
  bool toolsWrapped_ = false;
  int sortIndex_ = -1;
  int viewMode_ = 0;
  int viewBits_ = 1;
  bool searchGuard_ = false;
  bool sortGuard_ = false;
  bool opening_ = false;
  bool initialised_ = false;
  bool closeConfirm_ = false;
  bool directEdit_ = false;
  bool multiSelect_ = false;
  int lastCommand_ = 0;
  int xWidth_ = 8;
};
