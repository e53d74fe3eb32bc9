#pragma once
// The worked multipliers of a contest log, one sorted list per multiplier kind, with the
// marks the entry panel shows, and per kind the value that the entry being typed added
// (so that it can be taken back when the entry changes or is cleared). The lists are the
// multiplier engine's, which refills them on every recount; they are made once, and
// their short texts need no allocation on the way.

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "log/contlogalle.h"

class TMultiLists {
 public:
  static constexpr int kKinds = 100;    // multiplier kinds 1..100
  static constexpr int kEntries = 500;  // entries per kind
  static constexpr int kTextWidth = 8;  // characters of an entry
  enum : uint8_t { kMarkNone = 0, kMarkNew = 1, kMarkWorked = 2 };

  // What the entry being typed added to a kind; Value empty: nothing pending.
  struct TPending {
    std::string Value;
    char Band = 0;         // the band whose tally it raised
    bool Entered = false;  // the value was inserted into the list by this add
    int32_t Added = 0;     // what it added to the multiplier total and its band
  };

  // One entry of a merged display.
  struct TShown {
    std::string Text;
    uint8_t Mark = kMarkNone;
  };

  TMultiLists();
  ~TMultiLists();
  TMultiLists(const TMultiLists&) = delete;
  TMultiLists& operator=(const TMultiLists&) = delete;

  // The lists as the engine's walks fill them.
  TContLogAlle::TMultiLists& Lists() { return *lists_; }

  // Entries of kind 1..100, index 1..500; an empty text ends the list.
  std::string_view Text(int kind, int index) const;
  uint8_t Mark(int kind, int index) const;
  // Writes entry index of a kind as a walk fills the lists in key order (cut to 8).
  void SetEntry(int kind, int index, std::string_view text, uint8_t mark = kMarkNone);
  // Number of entries before the first empty one.
  int Count(int kind) const;

  void Clear();  // every list and every pending value
  void ClearMarks(int kind);

  // Adds a value (trimmed) with a mark at its sorted place. A value already listed only
  // gets the mark. A full list takes no entry. True when the value was inserted.
  bool Add(int kind, std::string_view value, uint8_t mark);
  // Removes the first entry equal to the value (trimmed); false when there is none.
  bool Remove(int kind, std::string_view value);
  // Whether an entry equals the value (both trimmed).
  bool Listed(int kind, std::string_view value) const;
  // Marks the first entry equal to the value (both trimmed); false when there is none.
  bool MarkFirst(int kind, std::string_view value, uint8_t mark);

  TPending& Pending(int kind);
  const TPending& Pending(int kind) const;
  void ClearPending();

  // The lists of the given kinds merged into one ascending list of at most 500
  // non-empty entries (at each step the smallest head).
  std::vector<TShown> Merged(std::span<const int> kinds) const;

 private:
  using TList = TContLogAlle::TMultiList;
  TList& ListOf(int kind);
  const TList& ListOf(int kind) const;
  int Find(int kind, std::string_view trimmed) const;  // 1-based, 0 none

  std::unique_ptr<TContLogAlle::TMultiLists> lists_;
  std::array<TPending, kKinds> pending_;
};
