#include <gtest/gtest.h>

#include "foundation/kvedittext.h"

using namespace kvedittext;

namespace {
struct TFitCase {
  const char* Picture;
  const char* Typed;
  const char* Expected;  // nullptr: refused
};
}  // namespace

TEST(KvEditPicture, FitsTypedTextToThePicture) {
  const TFitCase cases[] = {
      {"dd.mm.yyyy", "05032026", "05.03.2026"},  // separators put in by the mask
      {"dd.mm.yyyy", "5.3.2026", "5.3.2026"},    // a typed separator closes the group
      {"dd.mm.yyyy", "05", "05"},                // no separator before the next digit
      {"dd.mm.yyyy", "05.", "05."},
      {"dd.mm.yyyy", "050", "05.0"},
      {"dd.mm.yyyy", "05:", nullptr},
      {"dd.mm.yyyy", "0503202612", nullptr},  // longer than the picture
      {"dd.mm.yyyy", "ab", nullptr},
      {"hh:mm", "1530", "15:30"},
      {"hh:mm", "9:3", "9:3"},
      {"hh:mm", "15:300", nullptr},
      {"#####,####", "14", "14"},
      {"#####,####", "14,025", "14,025"},
      {"#####,####", "1420012", "14200,12"},
      {"#####,####", "14.025", nullptr},
      {"", "anything at all", "anything at all"},
  };
  for (const auto& c : cases) {
    const auto fitted = FitToPicture(c.Picture, c.Typed, int(std::string(c.Typed).size()));
    if (!c.Expected) {
      EXPECT_FALSE(fitted) << c.Picture << " / " << c.Typed;
      continue;
    }
    ASSERT_TRUE(fitted) << c.Picture << " / " << c.Typed;
    EXPECT_EQ(fitted->Text, c.Expected) << c.Picture << " / " << c.Typed;
    EXPECT_EQ(fitted->Cursor, int(fitted->Text.size())) << c.Typed;
  }
}

TEST(KvEditPicture, CursorFollowsInsertedSeparators) {
  // Cursor after "0503" of "05032026": the mask adds one separator before it.
  auto fitted = FitToPicture("dd.mm.yyyy", "05032026", 4);
  ASSERT_TRUE(fitted);
  EXPECT_EQ(fitted->Cursor, 5);
  fitted = FitToPicture("dd.mm.yyyy", "05032026", 0);
  EXPECT_EQ(fitted->Cursor, 0);
}

TEST(KvEditText, UpperCaseByWindowsCharacterSet) {
  EXPECT_EQ(UpperText("dl1abc/p"), "DL1ABC/P");
  EXPECT_EQ(UpperText("äöüéšžÿœ"), "ÄÖÜÉŠŽŸŒ");
  // No single-byte capitals: sharp s, micro sign; the division sign is no letter; the
  // slashed zero (216) stays what it is.
  EXPECT_EQ(UpperText("ßµ÷Ø"), "ßµ÷Ø");
  EXPECT_EQ(UpperText("ø"), "Ø");
}

namespace {
struct TCompleteCase {
  const char* Typed;
  const char* Expected;
};
}  // namespace

TEST(KvEditComplete, DateFromTodayWhereMissing) {
  // Today: 7 December 2026.
  const TCompleteCase cases[] = {
      {"5", "05.12.2026"},
      {"05", "05.12.2026"},
      {"5.3", "05.03.2026"},
      {"5.3.", "05.03.2026"},
      {"5..", "05.12.2026"},
      {"5.3.27", "05.03.2027"},
      {"5.3.7", "05.03.2007"},
      {"05.03.2026", "05.03.2026"},
      {"0503", "05.03.2026"},
      {"050327", "05.03.2027"},
      {"05032027", "05.03.2027"},
      {" 5.3 ", "05.03.2026"},
      {"5/3/2026", "05.03.2026"},
      {"", ""},
      {"   ", "   "},
      {"x", "x"},
      {"5.3.202", "5.3.202"},
      {"123.4", "123.4"},
      {"1.2.3.4", "1.2.3.4"},
      {"050320261", "050320261"},
      {"31.2", "31.02.2026"},  // completed, not checked: the date reader refuses it
  };
  for (const auto& c : cases) EXPECT_EQ(CompleteDate(c.Typed, 7, 12, 2026), c.Expected) << c.Typed;
}

TEST(KvEditComplete, TimeFillsMinutesAndHours) {
  const TCompleteCase cases[] = {
      {"15", "15:00"},        {"5", "05:00"},        {"1530", "15:30"},  {"930", "09:30"},
      {"15:3", "15:03"},      {"15:", "15:00"},      {"9.30", "09:30"},  {"15:30:7", "15:30:07"},
      {"153007", "15:30:07"}, {"93007", "09:30:07"}, {"15:30", "15:30"}, {"", ""},
      {"1530071", "1530071"}, {"15:300", "15:300"},  {"ab", "ab"},       {"1:2:3:4", "1:2:3:4"},
  };
  for (const auto& c : cases) EXPECT_EQ(CompleteTime(c.Typed), c.Expected) << c.Typed;
}

TEST(KvEditNumber, SingleTextIsShortestAndReadsBack) {
  EXPECT_EQ(SingleText(14.025f, ',', -1), "14,025");
  EXPECT_EQ(SingleText(3.5f, ',', -1), "3,5");
  EXPECT_EQ(SingleText(144.0f, ',', -1), "144");
  EXPECT_EQ(SingleText(0.0f, ',', -1), "0");
  EXPECT_EQ(SingleText(-0.0f, ',', -1), "0");
  EXPECT_EQ(SingleText(3.14159265f, ',', 4), "3,1416");
  EXPECT_EQ(SingleText(10368.1f, '.', 4), "10368.1");
  EXPECT_EQ(SingleText(1e-6f, ',', -1), "0,000001");  // never in exponent form
  for (float f : {14.025f, 1296.2f, 0.1357f, 47088.1f, 3.7f})
    EXPECT_EQ(ReadSingle(SingleText(f, ',', -1)), f) << f;
}

TEST(KvEditNumber, ReadSingleGivesZeroForNonNumbers) {
  EXPECT_FLOAT_EQ(ReadSingle("14,025"), 14.025f);
  EXPECT_FLOAT_EQ(ReadSingle(" 14.025 "), 14.025f);
  EXPECT_FLOAT_EQ(ReadSingle("-2,5"), -2.5f);
  for (const char* bad : {"", "abc", "14,0,2", "14x", "1e400", "inf", "nan", ","})
    EXPECT_EQ(ReadSingle(bad), 0.0f) << bad;
}
