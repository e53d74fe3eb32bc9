#pragma once
// The walk of the evaluations and the cover sheet over a contest log: every QSO in the
// order of one key, band-change lines passed over, since they are no QSOs.

#include <type_traits>

#include "storage/dbbase.h"
#include "tables/contestrecs.h"

namespace qsowalk {

// fn(const TContestQSORec&) may return false to stop the walk.
template <typename Fn>
void WalkQsos(TdbBase& table, int keyNr, Fn fn) {
  TContestQSORec rec;
  for (bool ok = table.First(keyNr); ok; ok = table.Next()) {
    rec.Assign(table.Work().data(), table.Work().size());
    if (rec.IsBandChangeLine()) continue;
    if constexpr (std::is_void_v<std::invoke_result_t<Fn, const TContestQSORec&>>) {
      fn(rec);
    } else if (!fn(rec)) {
      return;
    }
  }
}

}  // namespace qsowalk
