#include "storage/dbkeys.h"

bool TKeyDef::IsAutoKey() const {
  static const std::string kMark = "AUTOKEY";
  return Expression.size() >= kMark.size() &&
         Expression.compare(Expression.size() - kMark.size(), kMark.size(), kMark) == 0;
}

void ToKeys::Add(int length, bool duplicates, std::string_view expression) {
  keys_.push_back(TKeyDef{length, duplicates, std::string(expression)});
}

namespace dbkeys {

std::string PartSeparator(uint8_t mode) { return mode == 0 ? std::string() : std::string("||"); }

std::string JoinParts(const std::vector<std::string>& parts, uint8_t mode) {
  const std::string sep = PartSeparator(mode);
  std::string out;
  for (size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) out += sep;
    out += parts[i];
  }
  return out;
}

}  // namespace dbkeys
