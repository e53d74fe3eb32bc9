#include "browser/kbrowser.h"

#include <algorithm>
#include <limits>

#include "storage/dberror.h"
#include "storage/dbtreiber.h"
#include "storage/ifdriver.h"

namespace {

std::string Cut(const std::string& text, size_t len) { return text.substr(0, len); }

// The start of a backward search from an upper bound: the bound padded with the highest
// character, behind every key that begins with it.
std::string HighStart(const std::string& high) {
  std::string key = Cut(high, TKBrowser::kKeyLen);
  key.resize(TKBrowser::kKeyLen, '\xFF');
  return key;
}

// A failed driver call: "not found" and the end of the index are both result 1.
int Failure() {
  const int e = DriverError();
  return e > 1 ? e : TKBrowser::kNothing;
}

}  // namespace

// Holds the whole-file lock in network mode for the duration of one operation.
class TKBrowser::LockScope {
 public:
  explicit LockScope(TKBrowser& b) : b_(b), result_(b.Lock()) {}
  ~LockScope() {
    if (result_ == 0) b_.Unlock();
  }
  int Result() const { return result_; }

 private:
  TKBrowser& b_;
  int result_;
};

TKBrowser::TKBrowser(TdbTreiber* driver, bool keepPosition, const TKeyStr& highKey,
                     const TKeyStr& lowKey, int keyNr, int capacity)
    : keepPosition_(keepPosition), keyNr_(keyNr), driver_(driver) {
  static const std::string kCannotOpen = "Datenbank kann nicht geöffnet werden!";
  if (!driver) throw EConstructorInvalid(kCannotOpen);
  if (IFDriver* d = driver->Driver()) {
    d->CheckFileblock();
    if (DriverError() != 0) throw EConstructorInvalid(kCannotOpen);
    network_ = d->IsShared();
  }
  capacity_ = std::clamp(capacity, 1, kMaxRows);
  rowsOnPage_ = capacity_;
  SetRange(lowKey, highKey);
}

TKBrowser::~TKBrowser() = default;

const std::string& TKBrowser::UnreadableText() {
  static const std::string text = " ***** Datensatz nicht lesbar *****";
  return text;
}

void TKBrowser::SetRange(const TKeyStr& lowKey, const TKeyStr& highKey) {
  low_ = Cut(lowKey.Text(), 255);
  high_ = Cut(highKey.Text(), 255);
  pageValid_ = false;
}

void TKBrowser::SetKeyNr(int keyNr) {
  keyNr_ = keyNr;
  pageValid_ = false;
}

void TKBrowser::SetCurrentRow(int row) { currentRow_ = std::clamp(row, 1, rowsOnPage_); }

bool TKBrowser::InRange(const std::string& key) const {
  return key.compare(0, low_.size(), low_) >= 0 && key.compare(0, high_.size(), high_) <= 0;
}

int TKBrowser::FilledRows() const {
  int n = 0;
  while (n < capacity_ && rows_[size_t(n + 1)].Ref != 0) ++n;
  return n;
}

std::string TKBrowser::CurrentKey() const {
  return currentRow_ >= 1 && currentRow_ <= FilledRows() ? rows_[size_t(currentRow_)].Key
                                                         : std::string();
}

int32_t TKBrowser::CurrentRef() const {
  return currentRow_ >= 1 && currentRow_ <= FilledRows() ? rows_[size_t(currentRow_)].Ref : 0;
}

// --- lock -------------------------------------------------------------------------------

int TKBrowser::Lock() {
  IFDriver* d = driver_->Driver();
  if (!network_ || !d) return 0;
  if (lockNest_ > 0) {
    ++lockNest_;
    return 0;
  }
  d->LockFile();
  if (const int e = DriverError(); e != 0) return e;
  lockNest_ = 1;
  return 0;
}

void TKBrowser::Unlock() {
  IFDriver* d = driver_->Driver();
  if (!network_ || !d || lockNest_ == 0) return;
  if (--lockNest_ == 0) d->UnlockFile();
}

int TKBrowser::PauseFileLock() {
  IFDriver* d = driver_->Driver();
  d->UnlockFile();
  BTBase::Sleep(50);
  d->LockFile();
  return DriverError();
}

// With keep-position set the driver ends every operation where it stood before, walk
// included, so that a table object working on the same file finds its place again.
template <class F>
int TKBrowser::Run(F&& operation) {
  IFDriver* d = driver_->Driver();
  TDriverPosition saved;
  const bool restore = keepPosition_ && d;
  if (restore) d->SavePosition(saved);
  int result = 0;
  {
    LockScope lock(*this);
    result = lock.Result() != 0 ? lock.Result() : operation();
  }
  if (restore) d->RestorePosition(saved);
  return Done(result);
}

int TKBrowser::Done(int result) {
  pageValid_ = result == kDone;
  reloaded_ = false;
  return result;
}

// --- walking ----------------------------------------------------------------------------

int TKBrowser::RawSeek(const std::string& key, int32_t ref, int mode) {
  std::string k = Cut(key, kKeyLen);
  int32_t r = ref;
  if (!driver_->SearchKeyRef(keyNr_, r, mode, kKeyLen, k)) return Failure();
  work_.Key = Cut(k, kKeyLen);
  work_.Ref = r;
  return kDone;
}

int TKBrowser::RawStep(int dir) {
  std::string k;
  int32_t r = 0;
  const bool ok =
      dir > 0 ? driver_->NextKey(keyNr_, r, kKeyLen, k) : driver_->PrevKey(keyNr_, r, kKeyLen, k);
  if (!ok) return Failure();
  work_.Key = Cut(k, kKeyLen);
  work_.Ref = r;
  return kDone;
}

// Accepts the entry in work_: a key outside the range ends the walk (no later key in the
// same direction can lie inside it again), then the owner's filter decides.
int TKBrowser::Take(TKBrowserOwner& owner, bool& use) {
  if (!InRange(work_.Key)) return kNothing;
  work_.Status = 0;
  work_.TextBuilt = false;
  work_.Text.clear();
  use = true;
  if (owner.HasFilter()) {
    if (const int e = owner.PerformFilter(work_, use); e != 0) return e;
  }
  if (++walkCount_ >= kPauseEvery) {
    walkCount_ = 0;
    IFDriver* d = driver_->Driver();
    if (network_ && d && (d->FileLockHeld() != 0 || d->RefreshLockHeld() != 0))
      return PauseFileLock();
  }
  return kDone;
}

int TKBrowser::NextAccepted(TKBrowserOwner& owner, int dir) {
  for (;;) {
    if (const int r = RawStep(dir); r != kDone) return r;
    bool use = true;
    if (const int r = Take(owner, use); r != kDone) return r;
    if (use) return kDone;
  }
}

int TKBrowser::SearchAccepted(TKBrowserOwner& owner, const std::string& key, int32_t ref,
                              int mode) {
  if (const int r = RawSeek(key, ref, mode); r != kDone) return r;
  bool use = true;
  if (const int r = Take(owner, use); r != kDone) return r;
  if (use) return kDone;
  if (mode == 0) return kNothing;
  return NextAccepted(owner, mode > 0 ? 1 : -1);
}

// The accepted entry after (key, ref) in a direction, also when that entry itself is gone.
int TKBrowser::AfterEntry(TKBrowserOwner& owner, const std::string& key, int32_t ref, int dir) {
  if (const int r = RawSeek(key, ref, dir); r != kDone) return r;
  if (work_.Key == Cut(key, kKeyLen) && work_.Ref == ref) return NextAccepted(owner, dir);
  bool use = true;
  if (const int r = Take(owner, use); r != kDone) return r;
  return use ? kDone : NextAccepted(owner, dir);
}

int TKBrowser::Collect(TKBrowserOwner& owner, int dir, int count, std::vector<RowRec>& into) {
  for (int i = 0; i < count; ++i) {
    const int r = NextAccepted(owner, dir);
    if (r == kNothing) return kDone;
    if (r != kDone) return r;
    into.push_back(work_);
  }
  return kDone;
}

// --- rows -------------------------------------------------------------------------------

std::vector<RowRec> TKBrowser::Entries() const {
  const int n = FilledRows();
  std::vector<RowRec> entries;
  entries.reserve(size_t(n));
  for (int i = 1; i <= n; ++i) {
    RowRec e;
    e.Key = rows_[size_t(i)].Key;
    e.Ref = rows_[size_t(i)].Ref;
    e.Status = rows_[size_t(i)].Status;
    entries.push_back(std::move(e));
  }
  return entries;
}

// Texts stay with the row position, so that a row reports a change whenever what it
// shows changes; only a text built during the walk travels with its entry.
void TKBrowser::StoreEntry(int row, const RowRec& from) {
  RowRec& to = rows_[size_t(row)];
  to.Key = from.Key;
  to.Ref = from.Ref;
  to.Status = from.Status;
  to.TextBuilt = from.TextBuilt;
  if (from.TextBuilt) {
    to.Changed = from.Text != to.Text;
    to.Text = from.Text;
  }
}

void TKBrowser::ClearEntry(int row) {
  RowRec& r = rows_[size_t(row)];
  r.Key.clear();
  r.Ref = 0;
  r.Status = 0;
  r.TextBuilt = false;
}

void TKBrowser::ClearRows(int from, int to, bool& changed) {
  for (int i = std::max(from, 1); i <= to; ++i) {
    ClearEntry(i);
    if (!rows_[size_t(i)].Text.empty()) changed = true;
    rows_[size_t(i)].Text.clear();
  }
}

void TKBrowser::Place(const std::vector<RowRec>& entries, bool& changed) {
  const int n = std::min(int(entries.size()), capacity_);
  for (int i = 1; i <= n; ++i) StoreEntry(i, entries[size_t(i - 1)]);
  ClearRows(n + 1, capacity_, changed);
}

// --- page operations --------------------------------------------------------------------

int TKBrowser::FirstPage(TKBrowserOwner& owner, bool& changed) {
  changed = false;
  return Run([&] { return FirstCore(owner, changed); });
}

int TKBrowser::FirstCore(TKBrowserOwner& owner, bool& changed) {
  currentRow_ = 1;
  std::vector<RowRec> page;
  int r = SearchAccepted(owner, low_, 0, 1);
  if (r == kDone) {
    page.push_back(work_);
    r = Collect(owner, 1, rowsOnPage_ - 1, page);
  }
  if (r > kNothing) return r;
  Place(page, changed);
  const int c = Complete(owner, changed);
  return c != kDone ? c : (page.empty() ? kNothing : kDone);
}

int TKBrowser::LastPage(TKBrowserOwner& owner, bool& changed) {
  changed = false;
  return Run([&] {
    std::vector<RowRec> back;
    int r = SearchAccepted(owner, HighStart(high_), kEndRef, -1);
    if (r == kDone) {
      back.push_back(work_);
      r = Collect(owner, -1, rowsOnPage_ - 1, back);
    }
    if (r > kNothing) return r;
    std::reverse(back.begin(), back.end());
    Place(back, changed);
    currentRow_ = std::max(int(back.size()), 1);
    const int c = Complete(owner, changed);
    return c != kDone ? c : (back.empty() ? kNothing : kDone);
  });
}

int TKBrowser::Reload(TKBrowserOwner& owner, bool& changed) {
  if (currentRow_ < 1 || currentRow_ > FilledRows()) return FirstCore(owner, changed);
  // Copies: the rows are rewritten while the page is read again.
  const std::string key = rows_[size_t(currentRow_)].Key;
  const int32_t ref = rows_[size_t(currentRow_)].Ref;
  return RereadAround(owner, key, ref, changed);
}

int TKBrowser::Reread(TKBrowserOwner& owner, bool& changed) {
  changed = false;
  return Run([&] { return Reload(owner, changed); });
}

int TKBrowser::RereadAround(TKBrowserOwner& owner, const std::string& key, int32_t ref,
                            bool& changed) {
  int r = SearchAccepted(owner, key, ref, 0);
  if (r == kNothing) r = SearchAccepted(owner, key, ref, 1);
  if (r == kNothing) r = SearchAccepted(owner, key, ref, -1);
  if (r == kNothing) {
    Place({}, changed);
    currentRow_ = 1;
    return kNothing;
  }
  if (r != kDone) return r;
  const RowRec found = work_;
  const int cur = std::clamp(currentRow_, 1, rowsOnPage_);
  // The rows above first, up to the current row; the rows below then fill the rest of
  // the page, so that a record near the start of the range leaves no empty rows behind.
  std::vector<RowRec> above;
  if (cur > 1) {
    r = AfterEntry(owner, found.Key, found.Ref, -1);
    if (r == kDone) {
      above.push_back(work_);
      r = Collect(owner, -1, cur - 2, above);
    }
    if (r > kNothing) return r;
  }
  std::vector<RowRec> page{found};
  const int below = rowsOnPage_ - 1 - int(above.size());
  if (below > 0) {
    r = AfterEntry(owner, found.Key, found.Ref, 1);
    if (r == kDone) {
      page.push_back(work_);
      r = Collect(owner, 1, below - 1, page);
    }
    if (r > kNothing) return r;
  }
  // Near the end of the range the rows below run out: more rows come in above.
  if (const int more = rowsOnPage_ - int(page.size() + above.size());
      more > 0 && int(above.size()) == cur - 1) {
    const RowRec& top = above.empty() ? found : above.back();
    r = AfterEntry(owner, top.Key, top.Ref, -1);
    if (r == kDone) {
      above.push_back(work_);
      r = Collect(owner, -1, more - 1, above);
    }
    if (r > kNothing) return r;
  }
  page.insert(page.begin(), above.rbegin(), above.rend());
  currentRow_ = int(above.size()) + 1;
  Place(page, changed);
  return Complete(owner, changed);
}

int TKBrowser::ScrollForward(TKBrowserOwner& owner, int count, int rowMode, int& moved,
                             bool& changed) {
  return Scroll(owner, 1, count, rowMode, moved, changed);
}

int TKBrowser::ScrollBackward(TKBrowserOwner& owner, int count, int rowMode, int& moved,
                              bool& changed) {
  return Scroll(owner, -1, count, rowMode, moved, changed);
}

int TKBrowser::Scroll(TKBrowserOwner& owner, int dir, int count, int rowMode, int& moved,
                      bool& changed) {
  moved = 0;
  changed = false;
  bool reloaded = false;
  const int result = Run([&] {
    if (!pageValid_) {
      if (const int r = Reload(owner, changed); r != kDone) return r;
      reloaded = true;
    }
    return ScrollCore(owner, dir, count, rowMode, moved, changed);
  });
  reloaded_ = reloaded;
  return result;
}

int TKBrowser::ScrollCore(TKBrowserOwner& owner, int dir, int count, int rowMode, int& moved,
                          bool& changed) {
  std::vector<RowRec> page = Entries();
  if (page.empty()) return kNothing;
  std::vector<RowRec> fresh;
  if (count > 0) {
    const RowRec& edge = dir > 0 ? page.back() : page.front();
    int r = AfterEntry(owner, edge.Key, edge.Ref, dir);
    if (r == kDone) {
      fresh.push_back(work_);
      r = Collect(owner, dir, count - 1, fresh);
    }
    if (r > kNothing) return r;
  }
  const size_t limit = size_t(rowsOnPage_);
  if (dir > 0) {
    page.insert(page.end(), fresh.begin(), fresh.end());
    if (page.size() > limit) page.erase(page.begin(), page.end() - std::ptrdiff_t(limit));
  } else {
    page.insert(page.begin(), fresh.rbegin(), fresh.rend());
    if (page.size() > limit) page.resize(limit);
  }
  Place(page, changed);
  const int n = int(page.size());
  const int taken = std::min(int(fresh.size()), n);
  moved = int(fresh.size());
  if (rowMode >= 1 && taken == 0) currentRow_ = dir > 0 ? n : 1;
  if (rowMode >= 2 && taken > 0) currentRow_ = dir > 0 ? n + 1 - taken : taken;
  const int c = Complete(owner, changed);
  return c != kDone ? c : (moved == 0 ? kNothing : kDone);
}

int TKBrowser::GrowPage(TKBrowserOwner& owner, int rows, bool& changed) {
  changed = false;
  if (rows < 1 || rows > capacity_) return kDone;
  if (rows < rowsOnPage_) return ShrinkPage(owner, rows, changed);
  return Run([&] {
    rowsOnPage_ = rows;
    if (!pageValid_) return Reload(owner, changed);
    std::vector<RowRec> page = Entries();
    if (page.empty()) return FirstCore(owner, changed);
    int r = kDone;
    const int missing = rows - int(page.size());
    if (missing > 0) {
      std::vector<RowRec> below;
      r = AfterEntry(owner, page.back().Key, page.back().Ref, 1);
      if (r == kDone) {
        below.push_back(work_);
        r = Collect(owner, 1, missing - 1, below);
      }
      if (r > kNothing) return r;
      page.insert(page.end(), below.begin(), below.end());
    }
    const int still = rows - int(page.size());
    if (still > 0) {
      std::vector<RowRec> above;
      r = AfterEntry(owner, page.front().Key, page.front().Ref, -1);
      if (r == kDone) {
        above.push_back(work_);
        r = Collect(owner, -1, still - 1, above);
      }
      if (r > kNothing) return r;
      page.insert(page.begin(), above.rbegin(), above.rend());
      currentRow_ += int(above.size());
    }
    Place(page, changed);
    return Complete(owner, changed);
  });
}

int TKBrowser::ShrinkPage(TKBrowserOwner& owner, int rows, bool& changed) {
  changed = false;
  if (rows < 1 || rows > capacity_) return kDone;
  if (rows > rowsOnPage_) return GrowPage(owner, rows, changed);
  return Run([&] {
    if (!pageValid_) {
      rowsOnPage_ = rows;
      return Reload(owner, changed);
    }
    std::vector<RowRec> page = Entries();
    if (const int off = currentRow_ - rows; off > 0) {
      page.erase(page.begin(), page.begin() + std::min<std::ptrdiff_t>(off, page.size()));
      currentRow_ -= off;
    }
    if (page.size() > size_t(rows)) page.resize(size_t(rows));
    rowsOnPage_ = rows;
    Place(page, changed);
    return Complete(owner, changed);
  });
}

int TKBrowser::PositionAt(TKBrowserOwner& owner, const std::string& key, int32_t ref, int keyNr,
                          int rowsOnPage, int currentRow, bool& changed) {
  changed = false;
  rowsOnPage_ = std::clamp(rowsOnPage, 1, capacity_);
  currentRow_ = std::clamp(currentRow, 1, rowsOnPage_);
  if (keyNr > 0) keyNr_ = keyNr;
  std::string k = Cut(key, kKeyLen);
  int32_t r = ref;
  if (k.compare(0, low_.size(), low_) < 0) {
    k = Cut(low_, kKeyLen);
    r = 0;
  } else if (k.compare(0, high_.size(), high_) > 0) {
    k = HighStart(high_);
    r = kEndRef;
  }
  return Run([&] { return RereadAround(owner, k, r, changed); });
}

// --- texts ------------------------------------------------------------------------------

int TKBrowser::Complete(TKBrowserOwner& owner, bool& changed) {
  if (const int pre = owner.PreCompletePage(); pre != kDone) {
    owner.PostCompletePage();
    return pre;
  }
  int result = kDone;
  {
    LockScope lock(*this);
    result = lock.Result();
    bool unreadable = false;
    for (int i = 1; result == kDone && i <= rowsOnPage_; ++i) {
      RowRec& row = rows_[size_t(i)];
      if (row.Ref <= 0) {
        row.Changed = !row.Text.empty();
        ClearEntry(i);
        row.Text.clear();
      } else if (row.TextBuilt) {
        row.TextBuilt = false;
      } else {
        if (row.Status > -10) {
          const int e = ReadRow(row.Ref);
          if (e > 2) {
            // The rows from here on still hold the texts of the records that stood in
            // their places before: they are left blank and unread, never shown beside
            // another record's key.
            for (int j = i; j <= rowsOnPage_; ++j) {
              RowRec& rest = rows_[size_t(j)];
              if (rest.Ref <= 0 || rest.TextBuilt) continue;
              if (!rest.Text.empty()) changed = true;
              rest.Text.clear();
              if (rest.Status > -10) rest.Status = -1;
            }
            result = e;
            break;
          }
          row.Status = e != 0 ? -1 : 0;
        }
        std::string before = std::move(row.Text);
        row.Text.clear();
        // A row that cannot be read is marked, and the rows below it are still built, so
        // that no row shows the text of another record beside its own key.
        if (row.Status == 0 || row.Status <= -10) {
          owner.BuildRow(row);
        } else {
          row.Text = UnreadableText();
          unreadable = true;
        }
        row.Changed = row.Text != before;
      }
      if (row.Changed) changed = true;
    }
    for (int i = 1; i <= capacity_; ++i) rows_[size_t(i)].Changed = false;
    if (result == kDone && unreadable) result = kNothing;
  }
  if (result != kDone) owner.PostCompletePage();
  return result;
}

int TKBrowser::ReadRow(int32_t ref) {
  IFDriver* d = driver_->Driver();
  if (!d) return driver_->ReadByRef(ref) ? kDone : kNothing;
  d->SetVarReadLimit(readLimit_);
  int oldCount = 0;
  TRetryHandler oldHandler;
  d->GetRetryHandler(oldCount, oldHandler);
  const uint16_t oldDelay = LockRetryDelay();
  SetLockRetryDelay(retryDelay_);
  // A list must not hang on a locked record: reads, writes and file locks are not retried
  // here, everything else goes on to the handler that was installed.
  d->SetRetryHandler(retryCount_, [oldHandler](const std::string& message, int kind) {
    if (kind >= kRetryRead && kind <= kRetryFileLock) return 0;
    return oldHandler ? oldHandler(message.substr(0, 40), kind) : 0;
  });
  d->ReadRecord(ref);
  const int e = DriverError();
  SetLockRetryDelay(oldDelay);
  d->SetRetryHandler(oldCount, oldHandler);
  return e;
}

// --- scroll bar -------------------------------------------------------------------------

// Records near either end of the index map onto the ends of the bar: the driver measures
// on a slightly longer scale and half the margin is taken off.
int32_t TKBrowser::ThumbMargin(int32_t scale) {
  const int32_t keys = driver_->KeyCount(keyNr_);
  if (keys < 2 || scale <= 0) return -1;
  const int64_t s = scale;
  const int64_t ratio = s / keys;
  auto part = [s](int64_t k) {
    const int64_t q = s / k;
    return q == 0 ? int64_t(2) : s / q;
  };
  int64_t p = 2;
  if (ratio == 1)
    p = part(4);
  else if (ratio == 2)
    p = part(8);
  else if (ratio <= 4 && ratio >= 3)
    p = part(10);
  else if (ratio >= 5 && ratio <= 10)
    p = part(25);
  else if (ratio >= 11 && ratio <= 20)
    p = part(50);
  else if (ratio >= 21 && ratio <= 25)
    p = s;
  else if (ratio >= 26 && ratio <= 33)
    p = 2 * s;
  else if (ratio > 33)
    p = 4 * s;
  p = std::clamp<int64_t>(p, 2, std::numeric_limits<int32_t>::max() / 4);
  return int32_t(p - p % 2);
}

int32_t TKBrowser::ThumbOf(const std::string& key, int32_t ref, int32_t scale, int32_t margin) {
  IFDriver* d = driver_->Driver();
  const int32_t pos = d->ApproxKeyPosition(keyNr_, key, scale + margin, ref) - margin / 2;
  return std::clamp(pos, 0, scale);
}

int32_t TKBrowser::RecordToThumb(const std::string& key, int32_t ref, int32_t scale) {
  if (!driver_->Driver()) return 0;
  LockScope lock(*this);
  if (lock.Result() != 0) return 0;
  const int32_t margin = ThumbMargin(scale);
  return margin < 0 ? 0 : ThumbOf(key, ref, scale, margin);
}

bool TKBrowser::ThumbToRecord(int32_t position, int32_t scale, std::string& key, int32_t& ref) {
  IFDriver* d = driver_->Driver();
  auto end = [&](bool last) {
    const bool ok = last ? RawSeek(std::string(kKeyLen, '\xFF'), kEndRef, -1) == kDone
                         : RawSeek(std::string(), 0, 1) == kDone;
    if (ok) {
      key = work_.Key;
      ref = work_.Ref;
    }
    return ok;
  };
  if (position <= 0 || scale <= 0 || !d) return end(false);
  if (position >= scale) return end(true);
  LockScope lock(*this);
  if (lock.Result() != 0) return false;
  const int32_t margin = ThumbMargin(scale);
  if (margin < 0) return end(false);
  // A search over the driver's positions; the thumb position grows with the position
  // asked, so a bounded number of steps finds the entry, or keeps the nearest one.
  const int32_t full = scale + margin;
  int64_t lo = 0, hi = full;
  int64_t ask = std::min<int64_t>(position + margin / 2, full);
  int64_t bestDist = std::numeric_limits<int64_t>::max();
  for (int step = 0; step < 40 && lo <= hi; ++step) {
    std::string k;
    int32_t r = 0;
    if (!d->KeyAtApproxPosition(keyNr_, int32_t(ask), full, k, r)) break;
    const int32_t t = ThumbOf(k, r, scale, margin);
    const int64_t dist = t > position ? t - position : position - t;
    if (dist < bestDist) {
      bestDist = dist;
      key = Cut(k, kKeyLen);
      ref = r;
    }
    if (t == position) break;
    if (t < position)
      lo = ask + 1;
    else
      hi = ask - 1;
    // The mapping is close to one-to-one: step by the distance, halve when that leaves
    // the interval still open.
    const int64_t next = ask + (position - t);
    ask = next >= lo && next <= hi ? next : lo + (hi - lo) / 2;
  }
  return bestDist != std::numeric_limits<int64_t>::max();
}
