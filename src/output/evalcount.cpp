#include "output/evalcount.h"

#include "contest/exchangesplit.h"
#include "foundation/strings.h"
#include "output/qsowalk.h"
#include "tables/contestkeys.h"

namespace evalcount {

namespace {

int RoundUpTo(int value, int step) { return (value + step - 1) / step * step; }

}  // namespace

std::optional<int> AgePlace(std::string_view receivedExchange, int step) {
  const std::string years = ToStrings::Trim(ToStrings::Copy(receivedExchange, 4, 2));
  if (years == "XX") return 1;
  if (years.empty()) return std::nullopt;
  int y = 0;
  for (char c : years) {
    if (c < '0' || c > '9') return std::nullopt;
    y = y * 10 + (c - '0');
  }
  if (y >= kLastAge) return kLastAge;
  return step > 1 ? RoundUpTo(y, step) : y;
}

TAgeCounts CountAges(TdbBase& qsoTable, int step) {
  TAgeCounts counts{};
  qsowalk::WalkQsos(qsoTable, qsoTable.DefaultKeyNr(), [&](const TContestQSORec& rec) {
    if (rec.Points() == 0) return true;
    if (auto place = AgePlace(exchangesplit::ReceivedExchangeText(rec), step)) ++counts[*place];
    return true;
  });
  return counts;
}

int HourPlace(int32_t startDate, int32_t date, int32_t time) {
  // From the date and the hour together, so that a QSO a whole day after the one
  // before it in the same hour moves on by 24 places instead of staying in its place.
  return int((int64_t(date) - startDate) * kHours + time / 3600 - 15 + 1);
}

THourCounts CountHours(TdbBase& qsoTable, int32_t startDate) {
  THourCounts counts;
  qsowalk::WalkQsos(qsoTable, contestkeys::kDatumZeit, [&](const TContestQSORec& rec) {
    const int p = HourPlace(startDate, rec.Datum(), rec.Zeit());
    if (p < 1) {
      ++counts.Early;
      return true;
    }
    if (p > kHours) {
      counts.Late = true;
      return false;
    }
    ++counts.Qsos[size_t(p)];
    if (!ToStrings::Trim(rec.CMulti()).empty()) ++counts.Multis[size_t(p)];
    return true;
  });
  return counts;
}

}  // namespace evalcount
