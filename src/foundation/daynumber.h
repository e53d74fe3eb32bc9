#pragma once
// Day numbers: days since 1 January 1600 (day 0), valid through 31 December 3999.
// -1 is the bad date everywhere in the program.

#include <cstdint>

namespace daynumber {

constexpr int32_t kBadDate = -1;
constexpr int kFirstYear = 1600;
constexpr int kLastYear = 3999;

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);  // 0 for a month outside 1..12
// -1 when the date does not exist or lies outside 1600..3999.
int32_t FromYMD(int year, int month, int day);
// False (and 0/0/0) for a day number outside the valid range.
bool ToYMD(int32_t dayNumber, int& year, int& month, int& day);
int32_t LastDay();  // 31.12.3999
// 0 = Monday ... 6 = Sunday; -1 for a bad date.
int DayOfWeek(int32_t dayNumber);

}  // namespace daynumber
