#include "foundation/daynumber.h"

namespace daynumber {
namespace {

constexpr int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
  // Howard Hinnant's days-from-civil, relative to 1970-01-01.
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = unsigned(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + int64_t(doe) - 719468;
}

// A compile-time constant, so that day numbers are right also in static initialisers.
constexpr int64_t kEpoch = DaysFromCivil(1600, 1, 1);

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

int32_t FromYMD(int year, int month, int day) {
  if (year < kFirstYear || year > kLastYear) return kBadDate;
  if (day < 1 || day > DaysInMonth(year, month)) return kBadDate;
  return int32_t(DaysFromCivil(year, unsigned(month), unsigned(day)) - kEpoch);
}

int32_t LastDay() { return FromYMD(kLastYear, 12, 31); }

bool ToYMD(int32_t dayNumber, int& year, int& month, int& day) {
  year = month = day = 0;
  if (dayNumber < 0 || dayNumber > LastDay()) return false;
  int64_t z = int64_t(dayNumber) + kEpoch + 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = unsigned(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  day = int(doy - (153 * mp + 2) / 5 + 1);
  month = int(mp < 10 ? mp + 3 : mp - 9);
  year = int(int64_t(yoe) + era * 400 + (month <= 2));
  return true;
}

int DayOfWeek(int32_t dayNumber) {
  if (dayNumber < 0) return -1;
  // 1 January 1600 was a Saturday.
  return int((dayNumber + 5) % 7);
}

}  // namespace daynumber
