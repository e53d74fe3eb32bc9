#pragma once
// Key definitions of a file and the key-builder callback. Keys are byte strings compared
// bytewise; each file builds them from its record with its own builder.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Builds the key with number keyNr (1-based) of a record. The driver cuts the result to
// the declared key length.
using TKeyBuilder = std::function<void(const uint8_t* record, int keyNr, std::string& key)>;

struct TKeyDef {
  int Length = 0;          // declared key length in bytes
  bool Duplicates = true;  // false: the file refuses a record that would repeat the key
  std::string Expression;  // e.g. "Bandcode,wagBandNr DESC" or "Nummer AUTOKEY"
  bool IsAutoKey() const;  // the expression ends in "AUTOKEY"
};

// The list of key definitions of a file, key 1 first.
class ToKeys {
 public:
  ToKeys() = default;
  void Add(int length, bool duplicates, std::string_view expression);
  int Count() const { return int(keys_.size()); }
  // keyNr 1 .. Count().
  const TKeyDef& Item(int keyNr) const { return keys_.at(size_t(keyNr - 1)); }
  const std::vector<TKeyDef>& Items() const { return keys_; }

 private:
  std::vector<TKeyDef> keys_;
};

namespace dbkeys {

// A DESC key part stores this instead of the value, so that larger values sort first.
constexpr int32_t kDescBase = 99999999;
inline int32_t DescValue(int32_t value) { return kDescBase - value; }

// Composite key parts: joined directly in table mode 0, with "||" in the other modes.
std::string PartSeparator(uint8_t mode);
std::string JoinParts(const std::vector<std::string>& parts, uint8_t mode);

}  // namespace dbkeys
