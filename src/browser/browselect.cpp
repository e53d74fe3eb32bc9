#include "browser/browselect.h"

#include <algorithm>

#include "storage/dbbase.h"

void TkvBrowSelect::Add(int32_t ref) {
  if (ref <= 0 || std::find(refs_.begin(), refs_.end(), ref) != refs_.end()) return;
  auto slot = std::find_if(refs_.begin(), refs_.end(), [](int32_t r) { return r <= 0; });
  if (slot != refs_.end())
    *slot = ref;
  else
    refs_.push_back(ref);
}

void TkvBrowSelect::Remove(int32_t ref) {
  for (auto& r : refs_)
    if (r == ref) r = 0;
}

void TkvBrowSelect::Toggle(int32_t ref) {
  if (Find(ref))
    Remove(ref);
  else
    Add(ref);
}

bool TkvBrowSelect::Find(int32_t ref) {
  if (Count() == 0) {
    refs_.clear();
    return false;
  }
  return ref > 0 && std::find(refs_.begin(), refs_.end(), ref) != refs_.end();
}

void TkvBrowSelect::Clear() {
  refs_.clear();
  cursor_ = 0;
  anchorRef_ = 0;
  anchorKey_.clear();
}

int TkvBrowSelect::Count() const {
  return int(std::count_if(refs_.begin(), refs_.end(), [](int32_t r) { return r > 0; }));
}

std::vector<int32_t> TkvBrowSelect::Refs() const {
  std::vector<int32_t> out;
  for (int32_t r : refs_)
    if (r > 0) out.push_back(r);
  return out;
}

bool TkvBrowSelect::First(TdbBase& table, int32_t& ref) {
  cursor_ = 0;
  return Next(table, ref);
}

bool TkvBrowSelect::Next(TdbBase& table, int32_t& ref) {
  while (cursor_ < refs_.size()) {
    const int32_t r = refs_[cursor_++];
    if (r > 0 && table.ReadByRef(r)) {
      ref = r;
      return true;
    }
  }
  return false;
}

bool TkvBrowSelect::AddRange(TdbBase& table, int keyNr, int32_t targetRef,
                             const std::string& targetKey) {
  if (anchorRef_ <= 0 || targetRef <= 0) return false;
  const bool down = std::make_pair(anchorKey_, anchorRef_) <= std::make_pair(targetKey, targetRef);
  const int32_t from = down ? anchorRef_ : targetRef;
  const int32_t to = down ? targetRef : anchorRef_;
  if (!table.SearchKey(down ? anchorKey_ : targetKey, keyNr)) return false;
  while (table.CurrentRef() != from)
    if (!table.NextRecord(keyNr)) return false;
  // Nothing is added unless the walk reaches the other end: a record that vanished
  // meanwhile must not leave half a range, or the rest of the table, selected.
  std::vector<int32_t> passed;
  for (;;) {
    passed.push_back(table.CurrentRef());
    if (table.CurrentRef() == to) break;
    if (!table.NextRecord(keyNr)) return false;
  }
  for (int32_t r : passed) Add(r);
  return true;
}
