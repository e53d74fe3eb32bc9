#pragma once
// The page buffer behind every record list: it walks one index of one open table between
// a lower and an upper key bound and keeps, for the rows a list window can show, the key,
// the record reference and the display text of each row. It holds one page only; the
// records are read only to build the text of a row. It knows no windows: the filter and
// the row texts come from its owner through TKBrowserOwner.

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "foundation/keystr.h"

class TdbTreiber;
class IFDriver;

// One row of the page.
struct RowRec {
  std::string Key;  // index key of the row's record, at most 50 characters
  int32_t Ref = 0;  // record reference; 0 = empty row
  // 0 the record can be read; -1 reading it failed; -10 or less: never read, the text
  // comes from the key alone.
  int32_t Status = 0;
  bool Changed = false;    // the text differs from the one the row held before this pass
  bool TextBuilt = false;  // built during the walk, still to be reported
  std::string Text;
};

// Raised when a page buffer or a browser cannot be set up.
class EConstructorInvalid : public std::runtime_error {
 public:
  explicit EConstructorInvalid(const std::string& message) : std::runtime_error(message) {}
};

// What the page buffer asks of the control that owns it.
class TKBrowserOwner {
 public:
  virtual ~TKBrowserOwner() = default;
  // Whether a filter is installed at all; without one every key inside the range is used.
  virtual bool HasFilter() const { return false; }
  // Decides whether a key is shown (useIt); a non-zero answer is an error that ends the walk.
  virtual int PerformFilter(RowRec& /*row*/, bool& /*useIt*/) { return 0; }
  // Before the texts of a page are built; non-zero ends the operation with that result.
  virtual int PreCompletePage() { return 0; }
  // After building the texts failed.
  virtual void PostCompletePage() {}
  // Fills row.Text from the record the table's driver has just read.
  virtual void BuildRow(RowRec& row) = 0;
};

class TKBrowser {
 public:
  static constexpr int kMaxRows = 255;
  static constexpr int kKeyLen = 50;      // keys are walked and compared on 50 characters
  static constexpr int kPauseEvery = 64;  // keys walked between two lock pauses
  static constexpr int32_t kEndRef = 2147483647;

  // Result codes of the page operations; larger values are the driver's error classes.
  enum : int { kDone = 0, kNothing = 1 };

  // Raises EConstructorInvalid when the driver is unusable.
  TKBrowser(TdbTreiber* driver, bool keepPosition, const TKeyStr& highKey, const TKeyStr& lowKey,
            int keyNr, int capacity);
  virtual ~TKBrowser();
  TKBrowser(const TKBrowser&) = delete;
  TKBrowser& operator=(const TKBrowser&) = delete;

  int FirstPage(TKBrowserOwner& owner, bool& changed);
  int LastPage(TKBrowserOwner& owner, bool& changed);
  // rowMode 0 leaves the current row; 1: the last filled row when nothing moved; 2: also
  // the first row taken when rows moved (the mirror image backward).
  int ScrollForward(TKBrowserOwner& owner, int count, int rowMode, int& moved, bool& changed);
  int ScrollBackward(TKBrowserOwner& owner, int count, int rowMode, int& moved, bool& changed);
  int Reread(TKBrowserOwner& owner, bool& changed);
  int GrowPage(TKBrowserOwner& owner, int rows, bool& changed);
  int ShrinkPage(TKBrowserOwner& owner, int rows, bool& changed);
  // keyNr 0 keeps the walked index.
  int PositionAt(TKBrowserOwner& owner, const std::string& key, int32_t ref, int keyNr,
                 int rowsOnPage, int currentRow, bool& changed);

  std::string CurrentKey() const;
  int32_t CurrentRef() const;

  // Scroll-bar support on a thumb range 0 .. scale.
  bool ThumbToRecord(int32_t position, int32_t scale, std::string& key, int32_t& ref);
  int32_t RecordToThumb(const std::string& key, int32_t ref, int32_t scale);

  // The range test: the first Length(bound) characters of the key against each bound.
  bool InRange(const std::string& key) const;

  const RowRec& Row(int i) const { return rows_[size_t(i)]; }
  int FilledRows() const;
  int RowsOnPage() const { return rowsOnPage_; }
  int CurrentRow() const { return currentRow_; }
  void SetCurrentRow(int row);
  int Capacity() const { return capacity_; }
  int KeyNr() const { return keyNr_; }
  void SetKeyNr(int keyNr);
  void SetRange(const TKeyStr& lowKey, const TKeyStr& highKey);
  const std::string& LowKey() const { return low_; }
  const std::string& HighKey() const { return high_; }
  TdbTreiber* Driver() const { return driver_; }
  bool NetworkMode() const { return network_; }
  bool Reloaded() const { return reloaded_; }
  bool PageValid() const { return pageValid_; }
  bool Closing() const { return closing_; }
  void SetClosing(bool closing) { closing_ = closing; }

  // The text of a row whose record cannot be read.
  static const std::string& UnreadableText();

 protected:
  // Lets other stations at the file for a moment during a long walk.
  virtual int PauseFileLock();
  // Reads the record of a row; 0 or the driver's error class.
  virtual int ReadRow(int32_t ref);

 private:
  class LockScope;
  template <class F>
  int Run(F&& operation);
  int Lock();
  void Unlock();

  // Walking; each returns 0 with the entry in work_, 1 at the end of the range or index,
  // or the driver's error class.
  int RawSeek(const std::string& key, int32_t ref, int mode);
  int RawStep(int dir);
  int Take(TKBrowserOwner& owner, bool& use);
  int NextAccepted(TKBrowserOwner& owner, int dir);
  int SearchAccepted(TKBrowserOwner& owner, const std::string& key, int32_t ref, int mode);
  int AfterEntry(TKBrowserOwner& owner, const std::string& key, int32_t ref, int dir);

  int Collect(TKBrowserOwner& owner, int dir, int count, std::vector<RowRec>& into);
  std::vector<RowRec> Entries() const;
  void StoreEntry(int row, const RowRec& from);
  void ClearEntry(int row);
  void ClearRows(int from, int to, bool& changed);
  void Place(const std::vector<RowRec>& entries, bool& changed);
  int Done(int result);
  int FirstCore(TKBrowserOwner& owner, bool& changed);
  int ScrollCore(TKBrowserOwner& owner, int dir, int count, int rowMode, int& moved, bool& changed);
  int Scroll(TKBrowserOwner& owner, int dir, int count, int rowMode, int& moved, bool& changed);
  int Reload(TKBrowserOwner& owner, bool& changed);
  int RereadAround(TKBrowserOwner& owner, const std::string& key, int32_t ref, bool& changed);
  int Complete(TKBrowserOwner& owner, bool& changed);
  int32_t ThumbMargin(int32_t scale);
  int32_t ThumbOf(const std::string& key, int32_t ref, int32_t scale, int32_t margin);

  // Retry settings while a row's record is read.
  uint16_t readLimit_ = 65520;
  uint16_t retryDelay_ = 6;
  uint16_t retryCount_ = 6;
  int walkCount_ = 0;
  int lockNest_ = 0;
  bool network_ = false;
  bool keepPosition_ = false;
  int currentRow_ = 1;
  int rowsOnPage_ = 1;
  int keyNr_ = 1;
  std::array<RowRec, kMaxRows + 1> rows_;  // rows 1 .. capacity are used
  RowRec work_;
  TdbTreiber* driver_ = nullptr;
  int capacity_ = 1;
  std::string low_;
  std::string high_;
  bool reloaded_ = false;
  bool pageValid_ = false;
  bool closing_ = false;
};
