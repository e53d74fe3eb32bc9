#pragma once
// The prefix list: the entries of BMPREFIX in the generic list window, to pick a DXCC
// entity or to delete entries. Out-of-date entries are marked; heading and distance are
// measured from the own locator.

#include <cstdint>
#include <string>
#include <vector>

#include "browser/datenbrowctrl.h"
#include "browser/datenfkt.h"
#include "browser/datenliste.h"

class TdbPrefix;

class TDatenPrefixBrowCtrl : public TDatenBrowCtrl {
 public:
  // mode: the list's mode byte (1 and 3 widen the country column); keyNr: the key the
  // list opens on.
  TDatenPrefixBrowCtrl(TkvBrow* browser, TdbPrefix* table, uint8_t mode, int keyNr,
                       std::string caption, bool multiSelect);
  ~TDatenPrefixBrowCtrl() override;

  // Opens the browser on the table. Apart from the construction, so that the list
  // window's events already reach this controller while the first page is read.
  // Raises EConstructorInvalid.
  void OpenBrowser();

  void BuildRow(RowRec& row) override;
  void SetHeaderFooter() override;
  // "DXCC" and "Land".
  void InitSortList() override;
  int SortList2Key(int i, TKeyStr& lowKey, TKeyStr& highKey) override;
  void SuchFeld2KeyStr(TKeyStr& key) override;
  // The first column: white, with a red cross over out-of-date entries, when the
  // settings' row marking is on.
  void DrawCell(QPainter& canvas, int col, int row, const QRect& rect, bool selected) override;

  const std::string& Caption() const { return caption_; }

 private:
  int ColumnWidth(int col) const;

  TdbPrefix* prefix_;
  uint8_t mode_;
  int keyNr_;
  std::string caption_;
  bool multiSelect_;
};

class TDatenPrefixFkt : public TDatenFkt {
 public:
  static constexpr int kHelpContext = 300060001;

  ~TDatenPrefixFkt() override;
  // Opens BMPREFIX.
  bool OpenFiles() override;
  void CloseFiles() override;
  // Asks once ("alle selektierten Einträge löschen?" for several, "Prefix ... löschen?"
  // for one), then deletes every entry; True only when every one was deleted.
  bool Delete(const std::vector<std::string>& refs) override;

  // Shows the list to pick an entry; True when one was taken: its DXCC and prefix.
  static bool PickPrefix(std::string& dxcc, const std::string& caption, std::string& prefix,
                         QWidget* owner = nullptr);

 private:
  bool opened_ = false;
};

class TDatenPrefixListeCtrl : public TDatenListeCtrl {
 public:
  TDatenPrefixListeCtrl(QWidget* owner, bool selectMode, uint8_t mode, int keyNr,
                        const std::string& caption, bool multiSelect);

  // Puts the prefix browser controller on the window's browser.
  void BeforeShow() override;

  TdbPrefix* PrefixTable() const;

 private:
  uint8_t mode_;
  int keyNr_;
  bool multiSelect_;
};
