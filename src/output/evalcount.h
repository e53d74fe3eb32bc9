#pragma once
// The counting behind the two evaluation charts, apart from the windows that draw them.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

class TdbBase;
class TContestQSORec;

namespace evalcount {

constexpr int kLastAge = 90;  // place 90 collects 90 years and more
using TAgeCounts = std::array<int, kLastAge + 1>;

// The place of a received exchange in the membership chart with steps of 1, 5 or 10
// years: characters 4-5 are the years of membership, "XX" (not given) counts at place 1.
// Nothing for any other text, so that a typing error lands in no bar.
std::optional<int> AgePlace(std::string_view receivedExchange, int step);
// Counts every QSO that is counted in the log and brought points, walking the table in
// its default key from the first record.
TAgeCounts CountAges(TdbBase& qsoTable, int step);

constexpr int kHours = 24;
struct THourCounts {
  std::array<int, kHours + 1> Qsos{};  // places 1..24; place 1 = 15 UTC of the start date
  std::array<int, kHours + 1> Multis{};
  int Early = 0;      // QSOs before 15 UTC of the start date
  bool Late = false;  // a QSO after the 24 hours stopped the count
};
// The place of a QSO among the 24 hours from 15 UTC of the start date on: below 1
// before, above 24 after them.
int HourPlace(int32_t startDate, int32_t date, int32_t time);
// Counts the QSOs of the log in date and time order (not-counted lines passed over).
THourCounts CountHours(TdbBase& qsoTable, int32_t startDate);

}  // namespace evalcount
