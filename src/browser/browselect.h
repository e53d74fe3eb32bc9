#pragma once
// The set of selected records of a record browser (multi-row selection): record
// references with free slots, the anchor of a range selection, and the walk that adds
// every record between the anchor and a Shift-clicked row in key order.

#include <cstdint>
#include <string>
#include <vector>

class TdbBase;

class TkvBrowSelect {
 public:
  void Add(int32_t ref);
  void Remove(int32_t ref);
  void Toggle(int32_t ref);
  // True when present; a set without any entry left is emptied.
  bool Find(int32_t ref);
  void Clear();
  int Count() const;
  // The selected references in the order they were added.
  std::vector<int32_t> Refs() const;

  // Reads the selected records one by one through the table; false when none is left.
  bool First(TdbBase& table, int32_t& ref);
  bool Next(TdbBase& table, int32_t& ref);

  void SetAnchor(int32_t ref, const std::string& key) {
    anchorRef_ = ref;
    anchorKey_ = key;
  }
  int32_t AnchorRef() const { return anchorRef_; }
  // Adds every record from the anchor to the target (both included), walking the index
  // keyNr of the table from the lower of the two to the higher. False when the anchor or
  // the target cannot be found.
  bool AddRange(TdbBase& table, int keyNr, int32_t targetRef, const std::string& targetKey);

 private:
  std::vector<int32_t> refs_;  // entries of 0 or below are free slots
  size_t cursor_ = 0;
  int32_t anchorRef_ = 0;
  std::string anchorKey_;
};
