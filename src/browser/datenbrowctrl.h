#pragma once
// The controller between a record browser and its table in the list framework: it
// answers the browser's events (row text, header, sort orders, quick-search key) and puts
// the list back on the right record after new, change and delete. Concrete lists derive.

#include <cstdint>
#include <string>
#include <vector>

#include "browser/kbrowser.h"
#include "foundation/keystr.h"

class QObject;
class QPainter;
class QRect;
class TdbBase;
class TkvBrow;

class TDatenBrowCtrl {
 public:
  // Neither is owned.
  TDatenBrowCtrl(TkvBrow* browser, TdbBase* table);
  virtual ~TDatenBrowCtrl();
  TDatenBrowCtrl(const TDatenBrowCtrl&) = delete;
  TDatenBrowCtrl& operator=(const TDatenBrowCtrl&) = delete;

  virtual void BuildRow(RowRec& row);
  virtual void SetHeaderFooter();
  virtual void InitSortList();
  virtual int SortList2Key(int i, TKeyStr& lowKey, TKeyStr& highKey);
  virtual void Print();
  // The quick-search text upper-cased.
  virtual void SuchFeld2KeyStr(TKeyStr& key);
  virtual void DrawCell(QPainter& canvas, int col, int row, const QRect& rect, bool selected);
  virtual bool TextSelectCell(QObject* sender, int col, int row, const std::string& header);
  // The record under the current row; False when the list is empty.
  virtual bool GetCurrentRef(int32_t& ref);
  // The selected records that can be read (decimal references, the selection then
  // cleared), else the current row's record; False when nothing was added.
  virtual bool GetSelectedRefs(std::vector<std::string>& refs);
  virtual void AfterDelete(bool ok);
  virtual bool BeforeChange(int32_t& ref);
  virtual void AfterChange(bool ok, int32_t ref);
  virtual bool BeforeNew();
  virtual void AfterNew(bool ok, int32_t ref);
  virtual bool BeforeOther();
  virtual void AfterOther(bool ok, int32_t ref);

  // Rebuilds the browser's sort list keeping the chosen entry, then its header.
  void RefreshSortList();

  TkvBrow* Browser() const { return brow_; }
  TdbBase* Table() const { return table_; }

 protected:
  TdbBase* table_;
  TkvBrow* brow_;
};
