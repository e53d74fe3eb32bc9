#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "foundation/cp1252.h"
#include "foundation/daynumber.h"
#include "foundation/keystr.h"

TEST(Cp1252, EveryByteRoundTrips) {
  for (int b = 0; b < 256; ++b) {
    std::string one(1, char(b));
    QString q = cp1252::ToQString(one);
    ASSERT_EQ(q.size(), 1);
    EXPECT_EQ(cp1252::FromQString(q), one) << "byte " << b;
  }
}

TEST(Cp1252, HighRangeIsWindowsNotLatin1) {
  // Bytes 0x80-0x9F as the Windows-1252 standard assigns them: 27 characters, and the five
  // unused bytes keep their own value.
  const char16_t standard[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
  for (int b = 0x80; b <= 0x9F; ++b)
    EXPECT_EQ(cp1252::ToUnicode(uint8_t(b)).unicode(), standard[b - 0x80]) << "byte " << b;
  EXPECT_EQ(cp1252::ToUnicode(0xC4).unicode(), 0x00C4);  // Ä
  EXPECT_EQ(cp1252::ToUnicode(0x81).unicode(), 0x0081);  // undefined byte keeps its value
  EXPECT_EQ(cp1252::FromQString(QStringLiteral("\u4E2D")), "?");
  // Literals are compiled to Windows-1252 bytes.
  EXPECT_EQ(std::string("Ä"), std::string(1, char(0xC4)));
  EXPECT_EQ(Q("Prüfung"), QStringLiteral(u"Prüfung"));
}

TEST(KeyCodec, LongKeyByteOrderIsNumericOrder) {
  std::mt19937 rng(7);
  std::vector<int32_t> values = {INT32_MIN, INT32_MIN + 1, -1, 0, 1, 127, 128, INT32_MAX};
  for (int i = 0; i < 2000; ++i) values.push_back(int32_t(rng()));
  for (size_t i = 0; i < values.size(); ++i) {
    std::string a = keycodec::LongKey(values[i]);
    ASSERT_EQ(a.size(), 5u);
    EXPECT_EQ(keycodec::LongFromKey(a), values[i]);
    EXPECT_EQ(a.find('\0'), std::string::npos);
    EXPECT_EQ(a.find(' '), std::string::npos);
    int32_t other = values[(i * 7 + 3) % values.size()];
    std::string b = keycodec::LongKey(other);
    EXPECT_EQ(a < b, values[i] < other) << values[i] << " vs " << other;
  }
}

TEST(KeyCodec, DatesAndTimesBigEndian) {
  EXPECT_EQ(keycodec::DateKey(0x01020304), std::string("\x01\x02\x03\x04", 4));
  EXPECT_LT(keycodec::TimeKey(59), keycodec::TimeKey(60));
  EXPECT_LT(keycodec::DateKey(255), keycodec::DateKey(256));
  EXPECT_EQ(keycodec::FromBigEndian4(keycodec::TimeKey(86399)), 86399);
}

TEST(KeyStr, AssignCutsAt200) {
  TKeyStr k;
  k.Assign(std::string(250, 'A'));
  EXPECT_EQ(k.Len, 200);
  k.Assign("DL1ABC");
  EXPECT_EQ(k.Text(), "DL1ABC");
  EXPECT_EQ(k.Chars[6], '\0');
}

TEST(DayNumber, RangeEdgesAndLeapYears) {
  EXPECT_EQ(daynumber::FromYMD(1600, 1, 1), 0);
  EXPECT_EQ(daynumber::FromYMD(1600, 12, 31), 365);  // 1600 is a leap year
  EXPECT_EQ(daynumber::FromYMD(1599, 12, 31), -1);
  EXPECT_EQ(daynumber::FromYMD(4000, 1, 1), -1);
  EXPECT_EQ(daynumber::FromYMD(1900, 2, 29), -1);
  EXPECT_NE(daynumber::FromYMD(2000, 2, 29), -1);
  EXPECT_EQ(daynumber::FromYMD(2023, 4, 31), -1);
  int y, m, d;
  ASSERT_TRUE(daynumber::ToYMD(daynumber::LastDay(), y, m, d));
  EXPECT_EQ(y * 10000 + m * 100 + d, 39991231);
  EXPECT_FALSE(daynumber::ToYMD(daynumber::LastDay() + 1, y, m, d));
  EXPECT_FALSE(daynumber::ToYMD(-1, y, m, d));
  for (int32_t n = 0; n <= daynumber::LastDay(); n += 97) {
    ASSERT_TRUE(daynumber::ToYMD(n, y, m, d));
    ASSERT_EQ(daynumber::FromYMD(y, m, d), n);
  }
  EXPECT_EQ(daynumber::DayOfWeek(daynumber::FromYMD(2026, 12, 7)), 0);  // a Monday
}

#include "foundation/recordbuf.h"

TEST(Record, FieldsRoundTripWithoutSpilling) {
  TRecord r(40);
  r.SetI32(0, -5);
  r.SetStr(4, 6, "JO31ABXYZ");  // cut to 6
  r.SetByte(11, 0x77);          // the neighbour right behind the string
  r.SetFloat(12, 144.3f);
  r.SetU16(16, 65535);
  r.SetI16(18, -2);
  EXPECT_EQ(r.I32(0), -5);
  EXPECT_EQ(r.Str(4, 6), "JO31AB");
  EXPECT_EQ(r.Byte(11), 0x77);
  EXPECT_FLOAT_EQ(r.Float(12), 144.3f);
  EXPECT_EQ(r.U16(16), 65535);
  EXPECT_EQ(r.I16(18), -2);
  r.SetStr(4, 6, "AB");
  EXPECT_EQ(r.Str(4, 6), "AB");
  EXPECT_EQ(r.Byte(11), 0x77);
  r.SetByte(20, 200);  // a damaged length byte reads as the capacity
  EXPECT_EQ(r.Str(20, 3).size(), 3u);
  EXPECT_THROW(r.SetI32(38, 1), std::out_of_range);
}

TEST(KeyStr, DamagedLengthIsClamped) {
  TKeyStr k;
  k.Assign("AB");
  k.Len = 9999;
  EXPECT_EQ(k.Text().size(), 200u);
  k.Len = -3;
  EXPECT_EQ(k.Text(), "");
}

// Computed while the program's statics are set up: must not depend on their order.
static const int32_t kStaticDay = daynumber::FromYMD(2000, 1, 1);

TEST(DayNumber, RightAlsoInStaticInitialisers) {
  EXPECT_EQ(kStaticDay, daynumber::FromYMD(2000, 1, 1));
  EXPECT_EQ(kStaticDay, 146097);  // 400 Gregorian years after 1.1.1600
}
