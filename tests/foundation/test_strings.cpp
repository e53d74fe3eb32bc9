#include <gtest/gtest.h>

#include <QLocale>

#include "foundation/strings.h"

using Str = ToStrings;

TEST(ToStrings, CopyAndPosCountFromOneAndClampOutOfRange) {
  EXPECT_EQ(Str::Trim(" \t DL1ABC  \r\n"), "DL1ABC");
  EXPECT_EQ(Str::Trim("   "), "");
  EXPECT_EQ(Str::Left("DL1ABC", 3), "DL1");
  EXPECT_EQ(Str::Left("DL", 5), "DL");
  EXPECT_EQ(Str::Left("DL", -1), "");
  EXPECT_EQ(Str::CopyFrom("DL1ABC", 4), "ABC");
  EXPECT_EQ(Str::CopyFrom("DL1ABC", 7), "");
  EXPECT_EQ(Str::CopyFrom("DL1ABC", 0), "DL1ABC");
  EXPECT_EQ(Str::Copy("599001", 4, 3), "001");
  EXPECT_EQ(Str::Copy("599001", 5, 10), "01");
  EXPECT_EQ(Str::Copy("599001", 7, 1), "");
  EXPECT_EQ(Str::Copy("599001", 2, -3), "");
  EXPECT_EQ(Str::Pos("/", "DL1ABC/P"), 7);
  EXPECT_EQ(Str::Pos("DL", "DL1ABC"), 1);
  EXPECT_EQ(Str::Pos("X", "DL1ABC"), 0);
  EXPECT_EQ(Str::Pos("", "DL1ABC"), 0);
  EXPECT_EQ(Str::Length("Ä0"), 2);
}

TEST(ToStrings, TextBeforeAfterBetweenCutFields) {
  EXPECT_EQ(Str::TextBefore("a;b;c", ";"), "a");
  EXPECT_EQ(Str::TextBefore("a;b;c", ";", true), "a;");
  EXPECT_EQ(Str::TextBefore("abc", ";"), "");
  EXPECT_EQ(Str::TextBefore(";b", ";"), "");
  EXPECT_EQ(Str::TextBefore("abc", ""), "");

  EXPECT_EQ(Str::TextAfter("a;b;c", ";"), "b;c");
  EXPECT_EQ(Str::TextAfter("a;b;c", ";", true), ";b;c");
  EXPECT_EQ(Str::TextAfter("abc", ";"), "abc");
  EXPECT_EQ(Str::TextAfter("abc;", ";"), "");

  EXPECT_EQ(Str::TextBetween("<CALL:6>DL1ABC <EOR>", "<CALL", "<"), ":6>DL1ABC ");
  EXPECT_EQ(Str::TextBetween("x(A)y", "(", ")", true), "(A)");
  EXPECT_EQ(Str::TextBetween("x(Ay", "(", ")"), "");
  // Without sub1 the whole text is searched for sub2.
  EXPECT_EQ(Str::TextBetween("Ay)", "(", ")"), "Ay");
  // The same separator on both sides: sub2 is sought behind sub1.
  EXPECT_EQ(Str::TextBetween("599/001/B", "/", "/"), "001");
  EXPECT_EQ(Str::TextBetween("599/001/B", "/", "/", true), "/001/");
}

TEST(ToStrings, ReplaceAllIsCaseSensitiveAndDoesNotRescan) {
  EXPECT_EQ(Str::ReplaceAll("14.250.5", ".", ","), "14,250,5");
  EXPECT_EQ(Str::ReplaceAll("aAa", "a", "b"), "bAb");
  EXPECT_EQ(Str::ReplaceAll("aaa", "a", "aa"), "aaaaaa");
  EXPECT_EQ(Str::ReplaceAll("abc", "", "x"), "abc");
}

TEST(ToStrings, FitWidthPadsOrCutsExactly) {
  EXPECT_EQ(Str::FitWidth("DL1ABC", 4, true), "DL1A");
  EXPECT_EQ(Str::FitWidth("DL", 4, true), "DL  ");
  EXPECT_EQ(Str::FitWidth("DL1ABC", 4, false), "DL1ABC");
  EXPECT_EQ(Str::FitWidth("DL", 0, true), "");
  EXPECT_EQ(Str::FitWidth("DL", -2, true), "");
  EXPECT_EQ(Str::FitWidthUpper("jö1abc", 4, true), "JÖ1A");
  EXPECT_EQ(Str::FitWidthUpper("jö", 4, false), "JÖ");
}

TEST(ToStrings, PaddingAndCentring) {
  EXPECT_EQ(Str::Center("AB", 7), "  AB   ");
  EXPECT_EQ(Str::Center("ABC", 7), "  ABC  ");
  EXPECT_EQ(Str::Center("LONGER", 3), "LONGER");
  EXPECT_EQ(Str::PadLeft("2 m", 5), "  2 m");
  EXPECT_EQ(Str::PadLeft("123456", 5), "123456");
  EXPECT_EQ(Str::PadLeftCh("7", '0', 3), "007");
  EXPECT_EQ(Str::PadRightCh("DL", 'Z', 5), "DLZZZ");
  EXPECT_EQ(Str::PadRightCh("DL1ABC", 'Z', 5), "DL1ABC");
  EXPECT_EQ(Str::CharStr('-', 4), "----");
  EXPECT_EQ(Str::CharStr('-', -4), "");
}

TEST(ToStrings, IntToStrPaddedFillsWithStarsOnOverflow) {
  EXPECT_EQ(Str::IntToStrPadded(42, 5), "   42");
  EXPECT_EQ(Str::IntToStrPadded(-42, 3), "-42");
  EXPECT_EQ(Str::IntToStrPadded(12345, 5), "12345");
  EXPECT_EQ(Str::IntToStrPadded(123456, 5), "*****");
  EXPECT_EQ(Str::IntToStrPadded(-100, 3), "***");
  EXPECT_EQ(Str::IntToStrPadded(123456, 0), "123456");
  EXPECT_EQ(Str::IntToStrPadded(INT32_MIN, 0), "-2147483648");
  EXPECT_EQ(Str::Int64ToStrPadded(9876543210LL, 12), "  9876543210");
  EXPECT_EQ(Str::Int64ToStrPadded(9876543210LL, 9), "*********");
  EXPECT_EQ(Str::IntToStrZero(7, 3), "007");
  EXPECT_EQ(Str::IntToStrZero(1234, 3), "1234");
  EXPECT_EQ(Str::IntToStrZero(-7, 4), "-007");
  EXPECT_EQ(Str::IntToStrZero(INT32_MIN, 2), "-2147483648");
}

TEST(ToStrings, StrToRealTakesPointOrCommaAndNothingElse) {
  EXPECT_DOUBLE_EQ(Str::StrToReal(" 14,250 "), 14.25);
  EXPECT_DOUBLE_EQ(Str::StrToReal("144.3"), 144.3);
  EXPECT_DOUBLE_EQ(Str::StrToReal("7"), 7);
  EXPECT_DOUBLE_EQ(Str::StrToReal(".5"), 0.5);
  EXPECT_DOUBLE_EQ(Str::StrToReal("5."), 5);
  for (const char* bad : {"", " ", "-3", "+3", "1e5", "1.2.3", "1,2.3", ".", "abc", "3 5", "1x"})
    EXPECT_EQ(Str::StrToReal(bad), 0) << bad;
  EXPECT_DOUBLE_EQ(Str::StrToReal(std::string(400, '9')), 0);  // beyond a double: 0, no fault
}

TEST(ToStrings, FloatTexts) {
  EXPECT_EQ(Str::FloatToStrWidth(0, 4, '.', 144.3), "144.3000");
  EXPECT_EQ(Str::FloatToStrWidth(3, 1, ',', 45.26), " 45,3");
  EXPECT_EQ(Str::FloatToStrWidth(5, 0, ',', 512.6), "  513");
  EXPECT_EQ(Str::FloatToStrWidth(2, 2, ',', 1234.5), "1234,50");
  EXPECT_EQ(Str::FloatToStrWidth(0, 2, '.', -3.14159), "-3.14");
  EXPECT_EQ(Str::FloatToStrWidth(0, -1, '.', 2.7), "3");
  EXPECT_EQ(Str::FloatToStrWidth(0, 2, '.', 1e300).size(), 304u);

  const QLocale before;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(Str::FloatToStr(14.25), "14,25");
  EXPECT_EQ(Str::FloatToStr(3), "3");
  EXPECT_EQ(Str::FloatToStr(-0.0), "0");
  EXPECT_EQ(Str::FloatToStr(0.1), "0,1");
  EXPECT_EQ(Str::FloatToStr(1.0 / 3), "0,333333333333333");
  QLocale::setDefault(QLocale::c());
  EXPECT_EQ(Str::FloatToStr(14.25), "14.25");
  QLocale::setDefault(before);
}

TEST(ToStrings, AnsiUpperCaseFollowsWindows1252) {
  EXPECT_EQ(Str::AnsiUpperCase("dl1abc/p"), "DL1ABC/P");
  EXPECT_EQ(Str::AnsiUpperCase("äöü"), "ÄÖÜ");
  EXPECT_EQ(Str::AnsiUpperCase("éàçñøþ"), "ÉÀÇÑØÞ");
  EXPECT_EQ(Str::AnsiUpperCase("šœžÿ"), "ŠŒŽŸ");
  EXPECT_EQ(Str::AnsiUpperCase("ß÷µ"), "ß÷µ");
  EXPECT_EQ(Str::AnsiUpperCase("ÄÖÜ09{}"), "ÄÖÜ09{}");
  // Every byte maps to one byte and upper case is stable.
  std::string all;
  for (int b = 1; b < 256; ++b) all += char(b);
  const std::string up = Str::AnsiUpperCase(all);
  ASSERT_EQ(up.size(), all.size());
  EXPECT_EQ(Str::AnsiUpperCase(up), up);
}

TEST(ToStrings, SlashedZerosFollowTheOption) {
  const std::string slashed = std::string("DL") + Str::kSlashedZero + "AB";
  EXPECT_EQ(Str::UnslashZeros(slashed), "DL0AB");
  EXPECT_EQ(Str::UnslashZeros("DL0AB"), "DL0AB");
  Str::SetSlashZeroOption(false);
  EXPECT_EQ(Str::SlashZeros("DL0AB"), "DL0AB");
  Str::SetSlashZeroOption(true);
  EXPECT_EQ(Str::SlashZeros("DL0AB"), slashed);
  EXPECT_TRUE(Str::SlashZeroOption());
  Str::SetSlashZeroOption(false);
  EXPECT_EQ(char(216), 'Ø');
}

TEST(ToStrings, AdifFieldCountsTheTrimmedValue) {
  EXPECT_EQ(Str::AdifField("CALL", " DL1ABC  "), "<CALL:6>DL1ABC ");
  EXPECT_EQ(Str::AdifField("QSO_DATE", "20260110", "D"), "<QSO_DATE:8:D>20260110 ");
  EXPECT_EQ(Str::AdifField("NAME", "   "), "<NAME:0> ");
  EXPECT_EQ(Str::AdifField("QTH", "Köln"), "<QTH:4>Köln ");
}

TEST(ToStrings, IncKeyPrefixGivesTheLeastKeyAboveThePrefix) {
  EXPECT_EQ(Str::IncKeyPrefix("DL", 2, ' '), "DM");
  EXPECT_EQ(Str::IncKeyPrefix("DL", 4, ' '), "DL A");
  EXPECT_EQ(Str::IncKeyPrefix("DL19", 4, ' '), "DL1A");
  EXPECT_EQ(Str::IncKeyPrefix("DL1/", 4, ' '), "DL1A");
  EXPECT_EQ(Str::IncKeyPrefix("DL1ABC", 3, ' '), "DL2");
  EXPECT_EQ(Str::IncKeyPrefix("Ay", 2, ' '), "Az");
  EXPECT_EQ(Str::IncKeyPrefix("DLz", 3, 'x'), "DM");
  EXPECT_EQ(Str::IncKeyPrefix("DÄ", 2, ' '), "E");  // Ä lies above 'z'
  EXPECT_EQ(Str::IncKeyPrefix("zz", 2, ' '), "");
  EXPECT_EQ(Str::IncKeyPrefix("DL", 0, ' '), "");
  // Above every key of the prefix, and below the next prefix's keys.
  const std::string next = Str::IncKeyPrefix("DL1", 3, ' ');
  EXPECT_GT(next, std::string("DL1zzz"));
  EXPECT_LE(next, std::string("DL2"));
}

TEST(ToStrings, KeysAndKeyStrings) {
  EXPECT_EQ(Str::LongToKey(42, false), "42");
  EXPECT_EQ(Str::LongToKey(-42, false), "-42");
  EXPECT_EQ(Str::LongToKey(42, true), keycodec::LongKey(42));
  EXPECT_LT(Str::LongToKey(1, true), Str::LongToKey(999999999, true));

  TKeyStr k = Str::LongToKeyStr(1, true);
  EXPECT_EQ(k.Len, 5);
  EXPECT_EQ(Str::KeyStrToShort(k), keycodec::LongKey(1));
  EXPECT_EQ(Str::KeyStrToShort(Str::ShortToKeyStr("DL1ABC")), "DL1ABC");
  EXPECT_EQ(Str::ShortToKeyStr(std::string(300, 'X')).Len, 200);

  k.Len = 5000;  // a damaged key never reads past its characters
  EXPECT_EQ(Str::KeyStrToShort(k).size(), 200u);
  k.Len = -3;
  EXPECT_EQ(Str::KeyStrToShort(k), "");
}
