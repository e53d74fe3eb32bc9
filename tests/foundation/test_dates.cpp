#include <gtest/gtest.h>

#include <tuple>

#include "foundation/dates.h"
#include "foundation/daynumber.h"
#include "foundation/keystr.h"
#include "foundation/testdesktop.h"

using D = ToDates;

namespace {
// Restores the program's UTC offset after a test that changes it.
struct TOffsetGuard {
  int32_t saved = UtcOffsetHours;
  ~TOffsetGuard() { UtcOffsetHours = saved; }
};
}  // namespace

TEST(ToDates, DatePicturesRoundTripOverTheWholeRange) {
  const int32_t day = daynumber::FromYMD(2026, 1, 10);
  EXPECT_EQ(D::DateToDateString(day, "dd.mm.yyyy"), "10.01.2026");
  EXPECT_EQ(D::DateToDateString(day, "yyyymmdd"), "20260110");
  EXPECT_EQ(D::DateToDateString(day, "yyyy-mm-dd"), "2026-01-10");
  EXPECT_EQ(D::DateToDateString(day, "ddmmyy"), "100126");
  EXPECT_EQ(D::DateToDateString(day, "yymmdd"), "260110");
  EXPECT_EQ(D::DateToDateString(0, "dd.mm.yyyy"), "01.01.1600");
  EXPECT_EQ(D::DateToDateString(daynumber::LastDay(), "dd.mm.yyyy"), "31.12.3999");

  for (const char* picture : {"dd.mm.yyyy", "yyyymmdd", "yyyy-mm-dd"}) {
    for (int32_t d = 0; d <= daynumber::LastDay(); d += 97)
      ASSERT_EQ(D::DateStringToDate(D::DateToDateString(d, picture), picture), d) << picture;
  }
}

TEST(ToDates, LeapYearsAndInvalidDates) {
  EXPECT_EQ(D::DateStringToDate("29.02.2024", "dd.mm.yyyy"), daynumber::FromYMD(2024, 2, 29));
  EXPECT_EQ(D::DateStringToDate("29.02.2000", "dd.mm.yyyy"), daynumber::FromYMD(2000, 2, 29));
  EXPECT_EQ(D::DateStringToDate("29.02.1600", "dd.mm.yyyy"), 59);
  EXPECT_EQ(D::DateStringToDate("01.01.1600", "dd.mm.yyyy"), 0);
  EXPECT_EQ(D::DateStringToDate("31.12.3999", "dd.mm.yyyy"), daynumber::LastDay());
  for (const char* bad : {"29.02.2026", "29.02.1900", "31.04.2026", "00.01.2026", "01.13.2026",
                          "31.12.1599", "01.01.4000", "  .  .    ", "", "1a.01.2026", "-1.01.2026",
                          "10.01.", "1 0.01.2026", "\xFF\xFF.01.2026"})
    EXPECT_EQ(D::DateStringToDate(bad, "dd.mm.yyyy"), -1) << bad;
  EXPECT_EQ(D::DateStringToDate("20260110", "hh:mm"), -1);  // a picture without date letters
}

TEST(ToDates, LenientDateTexts) {
  const int32_t day = daynumber::FromYMD(2026, 1, 10);
  // Blanks around the digits of a field, and text past the picture, are ignored.
  EXPECT_EQ(D::DateStringToDate("10. 1.2026", "dd.mm.yyyy"), day);
  EXPECT_EQ(D::DateStringToDate("10.01.2026 12:00", "dd.mm.yyyy"), day);
  // Two-digit years, as ADIF and EDI write them.
  EXPECT_EQ(D::DateStringToDate("100126", "ddmmyy"), day);
  EXPECT_EQ(D::DateStringToDate("10.01.26", "dd.mm.yyyy"), day);
  EXPECT_EQ(D::DateStringToDate("10.01.99", "dd.mm.yy"), daynumber::FromYMD(1999, 1, 10));
  EXPECT_EQ(D::DateStringToDate("10.01.49", "dd.mm.yy"), daynumber::FromYMD(2049, 1, 10));
}

TEST(ToDates, BadDateShowsBlanksInPlaceOfLetters) {
  EXPECT_EQ(D::DateToDateString(-1, "dd.mm.yyyy"), "  .  .    ");
  EXPECT_EQ(D::DateToDateString(daynumber::LastDay() + 1, "yyyy-mm-dd"), "    -  -  ");
  EXPECT_EQ(D::DateToDateString(INT32_MIN, "yyyymmdd"), "        ");
}

TEST(ToDates, TimePictures) {
  EXPECT_EQ(D::TimeToTimeString(0, "hh:mm"), "00:00");
  EXPECT_EQ(D::TimeToTimeString(15 * 3600 + 7 * 60 + 9, "hh:mm:ss"), "15:07:09");
  EXPECT_EQ(D::TimeToTimeString(86399, "hhmm"), "2359");
  EXPECT_EQ(D::TimeToTimeString(-1, "hh:mm:ss"), "  :  :  ");
  EXPECT_EQ(D::TimeToTimeString(86400, "hhmm"), "    ");

  EXPECT_EQ(D::TimeStringToTime("1500", "hhmm"), 54000);
  EXPECT_EQ(D::TimeStringToTime("15:30", "hh:mm"), 55800);
  EXPECT_EQ(D::TimeStringToTime("15:30:45", "hh:mm:ss"), 55845);
  EXPECT_EQ(D::TimeStringToTime("15:30", "hh:mm:ss"), 55800);  // ":00" added
  EXPECT_EQ(D::TimeStringToTime("23:59:59", "hh:mm:ss"), 86399);
  for (const char* bad : {"24:00", "12:60", "", "  :  ", "ab:cd", "-1:00", "1:"})
    EXPECT_EQ(D::TimeStringToTime(bad, "hh:mm"), -1) << bad;
  EXPECT_EQ(D::TimeStringToTime("15:3", "hh:mm:ss"), -1);
  // Digits typed without the separators do not slide into the wrong fields.
  EXPECT_EQ(D::TimeStringToTime("1530", "hh:mm"), -1);
  EXPECT_EQ(D::TimeStringToTime("153045", "hh:mm:ss"), -1);
  EXPECT_EQ(D::DateStringToDate("01012024", "dd.mm.yyyy"), -1);
  EXPECT_EQ(D::TimeStringToTime("12:00:60", "hh:mm:ss"), -1);

  for (int32_t t = 0; t < 86400; t += 59)
    ASSERT_EQ(D::TimeStringToTime(D::TimeToTimeString(t, "hh:mm:ss"), "hh:mm:ss"), t);
}

TEST(ToDates, IncTimeWrapsAtMidnightAndKeepsTheBadTime) {
  EXPECT_EQ(D::IncTime(0, 0, 0, 1), 1);
  EXPECT_EQ(D::IncTime(86399, 0, 0, 1), 0);
  EXPECT_EQ(D::IncTime(23 * 3600, 2, 30, 0), 3600 + 1800);
  EXPECT_EQ(D::IncTime(86399, 255, 255, 255), (86399 + 255 * 3600 + 255 * 60 + 255) % 86400);
  EXPECT_EQ(D::IncTime(-1, 0, 0, 1), -1);

  int h = 9, m = 9, s = 9;
  D::TimeToHMS(45296, h, m, s);
  EXPECT_EQ(std::tie(h, m, s), std::make_tuple(12, 34, 56));
  D::TimeToHMS(-1, h, m, s);
  EXPECT_EQ(std::tie(h, m, s), std::make_tuple(0, 0, 0));
}

TEST(ToDates, ClockComesFromTheDesktopAndTheUtcOffset) {
  TTestDesktop desktop;
  TOffsetGuard guard;
  desktop.Now = QDateTime(QDate(2026, 12, 31), QTime(23, 30, 15));
  desktop.ShiftMinutes = -60;
  UtcOffsetHours = 0;
  EXPECT_EQ(D::Today(), daynumber::FromYMD(2026, 12, 31));
  EXPECT_EQ(D::TodayUTC(), D::Today());
  EXPECT_EQ(D::CurrentTimeUTC(), 23 * 3600 + 30 * 60 + 15);
  EXPECT_EQ(D::UtcShiftMinutes(), -60);

  // One hour ahead crosses into the new year.
  UtcOffsetHours = 1;
  EXPECT_EQ(D::TodayUTCString("dd.mm.yyyy"), "01.01.2027");
  EXPECT_EQ(D::CurrentTimeUTCString("hh:mm:ss"), "00:30:15");
  EXPECT_EQ(D::TodayString("dd.mm.yyyy"), "31.12.2026");
  EXPECT_EQ(D::CurrentTimeString("hh:mm"), "23:30");

  // Behind: back across midnight into the previous day.
  desktop.Now = QDateTime(QDate(2026, 3, 1), QTime(1, 0, 0));
  UtcOffsetHours = -2;
  EXPECT_EQ(D::TodayUTCString("yyyymmdd"), "20260228");
  EXPECT_EQ(D::CurrentTimeUTC(), 23 * 3600);
  UtcOffsetHours = -50;
  EXPECT_EQ(D::TodayUTCString("yyyymmdd"), "20260226");

  // A clock beyond the day-number range gives the bad date, not a wrong one.
  desktop.Now = QDateTime(QDate(3999, 12, 31), QTime(23, 0, 0));
  UtcOffsetHours = 2;
  EXPECT_EQ(D::TodayUTC(), -1);
  EXPECT_EQ(D::TodayUTCString("dd.mm.yyyy"), "  .  .    ");
}

// The program starts with the offset of the system's zone, so the clock gives UTC and a
// contest kept in local time is shown so after a restart.
TEST(ToDates, StartOffsetComesFromTheSystemZone) {
  TTestDesktop desktop;
  TOffsetGuard guard;
  desktop.Now = QDateTime(QDate(2026, 7, 1), QTime(12, 0, 0));
  const std::pair<int, int> cases[] = {{-120, -2}, {-60, -1}, {0, 0}, {300, 5}, {-330, -5}};
  for (const auto& [shift, hours] : cases) {
    desktop.ShiftMinutes = shift;
    UtcOffsetHours = 7;
    D::TakeSystemUtcOffset();
    EXPECT_EQ(UtcOffsetHours, hours) << shift;
  }
  desktop.ShiftMinutes = -120;
  D::TakeSystemUtcOffset();
  EXPECT_EQ(D::CurrentTimeUTCString("hh:mm"), "10:00");
}

TEST(ToDates, KeyParts) {
  EXPECT_EQ(D::DateToKey(1234, false), "1234");
  EXPECT_EQ(D::DateToKey(1234, true), keycodec::DateKey(1234));
  EXPECT_EQ(D::TimeToKey(-1, false), "-1");
  EXPECT_LT(D::TimeToKey(59, true), D::TimeToKey(60, true));
}
