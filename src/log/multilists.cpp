#include "log/multilists.h"

#include <algorithm>

#include "foundation/strings.h"

TMultiLists::TMultiLists() : lists_(std::make_unique<TContLogAlle::TMultiLists>()) {}
TMultiLists::~TMultiLists() = default;

TMultiLists::TList& TMultiLists::ListOf(int kind) { return (*lists_)[size_t(kind)]; }
const TMultiLists::TList& TMultiLists::ListOf(int kind) const { return (*lists_)[size_t(kind)]; }

std::string_view TMultiLists::Text(int kind, int index) const {
  return ListOf(kind)[size_t(index)].Text;
}

uint8_t TMultiLists::Mark(int kind, int index) const { return ListOf(kind)[size_t(index)].Mark; }

void TMultiLists::SetEntry(int kind, int index, std::string_view text, uint8_t mark) {
  ListOf(kind)[size_t(index)] = {std::string(text.substr(0, kTextWidth)), mark};
}

int TMultiLists::Count(int kind) const {
  const TList& l = ListOf(kind);
  int n = 0;
  while (n < kEntries && !l[size_t(n + 1)].Text.empty()) ++n;
  return n;
}

void TMultiLists::Clear() {
  for (TList& l : *lists_)
    for (TContLogAlle::TMultiEntry& e : l) {
      if (e.Text.empty()) break;
      e = {};
    }
  ClearPending();
}

void TMultiLists::ClearMarks(int kind) {
  for (TContLogAlle::TMultiEntry& e : ListOf(kind)) e.Mark = kMarkNone;
}

int TMultiLists::Find(int kind, std::string_view trimmed) const {
  const TList& l = ListOf(kind);
  for (int i = 1; i <= kEntries && !l[size_t(i)].Text.empty(); ++i) {
    if (ToStrings::Trim(l[size_t(i)].Text) == trimmed) return i;
  }
  return 0;
}

bool TMultiLists::Add(int kind, std::string_view value, uint8_t mark) {
  const std::string v = ToStrings::Left(ToStrings::Trim(value), kTextWidth);
  if (v.empty()) return false;
  if (const int i = Find(kind, v); i > 0) {
    ListOf(kind)[size_t(i)].Mark = mark;
    return false;
  }
  const int n = Count(kind);
  // A full list keeps what it holds: dropping its last entry would lose a worked value.
  if (n >= kEntries) return false;
  TList& l = ListOf(kind);
  int at = 1;
  while (at <= n && l[size_t(at)].Text < v) ++at;
  for (int i = n; i >= at; --i) l[size_t(i + 1)] = std::move(l[size_t(i)]);
  l[size_t(at)] = {v, mark};
  return true;
}

bool TMultiLists::Remove(int kind, std::string_view value) {
  const int i = Find(kind, ToStrings::Trim(value));
  if (i == 0) return false;
  TList& l = ListOf(kind);
  const int n = Count(kind);
  for (int j = i; j < n; ++j) l[size_t(j)] = std::move(l[size_t(j + 1)]);
  l[size_t(n)] = {};
  return true;
}

bool TMultiLists::Listed(int kind, std::string_view value) const {
  return Find(kind, ToStrings::Trim(value)) > 0;
}

bool TMultiLists::MarkFirst(int kind, std::string_view value, uint8_t mark) {
  const int i = Find(kind, ToStrings::Trim(value));
  if (i == 0) return false;
  ListOf(kind)[size_t(i)].Mark = mark;
  return true;
}

TMultiLists::TPending& TMultiLists::Pending(int kind) { return pending_.at(size_t(kind - 1)); }
const TMultiLists::TPending& TMultiLists::Pending(int kind) const {
  return pending_.at(size_t(kind - 1));
}

void TMultiLists::ClearPending() { pending_.fill(TPending{}); }

std::vector<TMultiLists::TShown> TMultiLists::Merged(std::span<const int> kinds) const {
  std::vector<TShown> out;
  std::vector<std::pair<const TList*, int>> heads;  // list and its next index
  for (int k : kinds) heads.emplace_back(&ListOf(k), 1);
  auto head = [](const std::pair<const TList*, int>& h) -> const TContLogAlle::TMultiEntry* {
    if (h.second > kEntries) return nullptr;
    const TContLogAlle::TMultiEntry& e = (*h.first)[size_t(h.second)];
    return e.Text.empty() ? nullptr : &e;
  };
  while (int(out.size()) < kEntries) {
    // An empty head counts as larger than any text.
    std::pair<const TList*, int>* best = nullptr;
    for (auto& h : heads) {
      const TContLogAlle::TMultiEntry* e = head(h);
      if (e && (!best || e->Text < head(*best)->Text)) best = &h;
    }
    if (!best) break;
    const TContLogAlle::TMultiEntry* e = head(*best);
    out.push_back({e->Text, e->Mark});
    ++best->second;
  }
  return out;
}
