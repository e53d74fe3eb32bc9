#include "log/multilists.h"

#include <algorithm>
#include <cstring>

#include "foundation/strings.h"

TMultiLists::TMultiLists() : lists_(kKinds) {}

TMultiLists::TList& TMultiLists::ListOf(int kind) { return lists_.at(size_t(kind - 1)); }
const TMultiLists::TList& TMultiLists::ListOf(int kind) const {
  return lists_.at(size_t(kind - 1));
}

std::string_view TMultiLists::Text(int kind, int index) const {
  return ListOf(kind).at(size_t(index - 1)).View();
}

uint8_t TMultiLists::Mark(int kind, int index) const {
  return ListOf(kind).at(size_t(index - 1)).Mark;
}

void TMultiLists::SetEntry(int kind, int index, std::string_view text, uint8_t mark) {
  TEntry& e = ListOf(kind).at(size_t(index - 1));
  e.Length = uint8_t(std::min<size_t>(text.size(), kTextWidth));
  std::memcpy(e.Text, text.data(), e.Length);
  e.Mark = mark;
}

int TMultiLists::Count(int kind) const {
  const TList& l = ListOf(kind);
  int n = 0;
  while (n < kEntries && l[size_t(n)].Length > 0) ++n;
  return n;
}

void TMultiLists::Clear() {
  for (TList& l : lists_) l.fill(TEntry{});
  ClearPending();
}

void TMultiLists::ClearMarks(int kind) {
  for (TEntry& e : ListOf(kind)) e.Mark = kMarkNone;
}

int TMultiLists::Find(int kind, std::string_view trimmed) const {
  const TList& l = ListOf(kind);
  for (int i = 0; i < kEntries && l[size_t(i)].Length > 0; ++i) {
    if (ToStrings::Trim(l[size_t(i)].View()) == trimmed) return i;
  }
  return -1;
}

bool TMultiLists::Add(int kind, std::string_view value, uint8_t mark) {
  const std::string v = ToStrings::Left(ToStrings::Trim(value), kTextWidth);
  if (v.empty()) return false;
  if (const int i = Find(kind, v); i >= 0) {
    ListOf(kind)[size_t(i)].Mark = mark;
    return false;
  }
  const int n = Count(kind);
  // A full list keeps what it holds: dropping its last entry would lose a worked value.
  if (n >= kEntries) return false;
  TList& l = ListOf(kind);
  int at = 0;
  while (at < n && l[size_t(at)].View() < std::string_view(v)) ++at;
  std::move_backward(l.begin() + at, l.begin() + n, l.begin() + n + 1);
  l[size_t(at)] = TEntry{};
  SetEntry(kind, at + 1, v, mark);
  return true;
}

bool TMultiLists::Remove(int kind, std::string_view value) {
  const int i = Find(kind, ToStrings::Trim(value));
  if (i < 0) return false;
  TList& l = ListOf(kind);
  const int n = Count(kind);
  std::move(l.begin() + i + 1, l.begin() + n, l.begin() + i);
  l[size_t(n - 1)] = TEntry{};
  return true;
}

bool TMultiLists::MarkFirst(int kind, std::string_view value, uint8_t mark) {
  const int i = Find(kind, ToStrings::Trim(value));
  if (i < 0) return false;
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
  std::vector<std::pair<const TList*, int>> heads;
  for (int k : kinds) heads.emplace_back(&ListOf(k), 0);
  while (int(out.size()) < kEntries) {
    // An empty head counts as larger than any text.
    std::pair<const TList*, int>* best = nullptr;
    for (auto& h : heads) {
      if (h.second >= kEntries) continue;
      const TEntry& e = (*h.first)[size_t(h.second)];
      if (e.Length == 0) continue;
      if (!best || e.View() < (*best->first)[size_t(best->second)].View()) best = &h;
    }
    if (!best) break;
    const TEntry& e = (*best->first)[size_t(best->second++)];
    out.push_back({std::string(e.View()), e.Mark});
  }
  return out;
}
