#pragma once
// Dates are day numbers (1.1.1600 = 0 .. 31.12.3999, -1 the bad date), times are seconds
// since midnight (-1 the bad time). The clock is read only through the desktop seam.
//
// Pictures: in a date picture the runs of 'd', 'm' and 'y' are day, month and year; in a
// time picture the runs of 'h', 'm' and 's' are hours, minutes and seconds. Every other
// character stands for itself ("dd.mm.yyyy", "yyyymmdd", "ddmmyy", "hh:mm", "hhmm").

#include <cstdint>
#include <string>
#include <string_view>

// Hours added to the local clock to get UTC (0: the computer clock runs in UTC). Set by
// the configuration dialog; TodayUTC and CurrentTimeUTC go by it.
extern int32_t UtcOffsetHours;

class ToDates {
 public:
  static constexpr int32_t kBadDate = -1;
  static constexpr int32_t kBadTime = -1;
  static constexpr int32_t kSecondsPerDay = 86400;

  static int32_t Today();
  static int32_t TodayUTC();
  static int32_t CurrentTimeUTC();
  static std::string TodayString(std::string_view picture);
  static std::string TodayUTCString(std::string_view picture);
  static std::string CurrentTimeString(std::string_view picture);
  static std::string CurrentTimeUTCString(std::string_view picture);

  // The bad date (or any day outside the range) gives blanks in place of the letters.
  static std::string DateToDateString(int32_t date, std::string_view picture);
  // The bad time (or any time outside the day) gives blanks in place of the letters.
  static std::string TimeToTimeString(int32_t time, std::string_view picture);
  // -1 for a text that is no existing date. A year of one or two digits is taken as
  // 2000-2049 (00-49) or 1950-1999 (50-99).
  static int32_t DateStringToDate(std::string_view text, std::string_view picture);
  // -1 for a text that is no time of day. With "hh:mm:ss" a 5-character text reads as
  // if ":00" followed.
  static int32_t TimeStringToTime(std::string_view text, std::string_view picture);

  // (time + the amounts) wrapped into the day; the bad time stays bad.
  static int32_t IncTime(int32_t time, uint8_t hours, uint8_t minutes, uint8_t seconds);
  // 0:0:0 for the bad time.
  static void TimeToHMS(int32_t time, int& hour, int& minute, int& second);
  // Minutes to add to the local time to get UTC, as the system's time zone says now.
  static int UtcShiftMinutes();
  // Sets UtcOffsetHours from the system's time zone, as the program starts: a contest kept
  // in local time reopens in local time, and the clock gives UTC from the first QSO on.
  static void TakeSystemUtcOffset();

  // Key parts: with keyFlag the 4-byte big-endian form, else plain decimal text.
  static std::string DateToKey(int32_t date, bool keyFlag);
  static std::string TimeToKey(int32_t time, bool keyFlag);
};
