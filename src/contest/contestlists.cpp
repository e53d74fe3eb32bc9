#include "contest/contestlists.h"

#include <algorithm>
#include <string>

namespace contestlists {

bool IsHomeDok(const TContestRec& def, std::string_view dok1, std::string_view dok2) {
  std::string dok(dok1);
  dok += dok2;
  if (dok.size() > kQsoDokLength) dok.resize(kQsoDokLength);
  return std::any_of(def.HomeDoks.begin(), def.HomeDoks.end(),
                     [&dok](const std::string& entry) { return !entry.empty() && entry == dok; });
}

}  // namespace contestlists
