#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

#include "foundation/cp1252.h"
#include "foundation/kvedit.h"
#include "foundation/testdesktop.h"

namespace {
// Types key by key; QTest::keyClicks knows only ASCII keys, umlauts come as key text.
std::string Typed(TkvEdit& edit, const QString& keys) {
  edit.clear();
  for (QChar c : keys) {
    if (c.unicode() < 128)
      QTest::keyClick(&edit, char(c.unicode()));
    else
      QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
  return edit.GetValueStr();
}
}  // namespace

TEST(KvEdit, DateMaskTypedAndCompletedFromTodaysDate) {
  TTestDesktop desktop;
  desktop.Now = QDateTime(QDate(2026, 12, 7), QTime(10, 0));
  TkvEdit edit;
  edit.SetDataType(TkvDataType::Date);
  edit.SetPictureMask("dd.mm.yyyy");
  EXPECT_EQ(Typed(edit, QStringLiteral("05032026")), "05.03.2026");
  EXPECT_EQ(Typed(edit, QStringLiteral("5a")), "5");  // the letter has no place
  EXPECT_EQ(Typed(edit, QStringLiteral("0503202699")), "05.03.2026");

  const struct {
    const char* Keys;
    const char* Completed;
  } cases[] = {{"5", "05.12.2026"},
               {"5.3", "05.03.2026"},
               {"0503", "05.03.2026"},
               {"5.3.27", "05.03.2027"},
               {"", ""}};
  for (const auto& c : cases) {
    Typed(edit, Q(c.Keys));
    edit.CompleteDate();
    EXPECT_EQ(edit.GetValueStr(), c.Completed) << c.Keys;
  }
}

TEST(KvEdit, TimeMaskTypedAndCompleted) {
  TkvEdit edit;
  edit.SetDataType(TkvDataType::Time);
  edit.SetPictureMask("hh:mm");
  EXPECT_EQ(Typed(edit, QStringLiteral("1530")), "15:30");
  edit.CompleteTime();
  EXPECT_EQ(edit.GetValueStr(), "15:30");
  Typed(edit, QStringLiteral("7"));
  edit.CompleteTime();
  EXPECT_EQ(edit.GetValueStr(), "07:00");
  Typed(edit, QStringLiteral("9:5"));
  edit.CompleteTime();
  EXPECT_EQ(edit.GetValueStr(), "09:05");

  // Without a mask the digits alone are read as hhmm.
  TkvEdit free;
  Typed(free, QStringLiteral("930"));
  free.CompleteTime();
  EXPECT_EQ(free.GetValueStr(), "09:30");
}

TEST(KvEdit, EmptyPictureClearsTheMask) {
  TkvEdit edit;
  edit.SetPictureMask("hh:mm");
  EXPECT_EQ(Typed(edit, QStringLiteral("ab12")), "12");
  edit.SetPictureMask("");
  EXPECT_EQ(Typed(edit, QStringLiteral("ab12")), "ab12");
}

TEST(KvEdit, TextOutsideThePictureCanStillBeDeleted) {
  TkvEdit edit;
  edit.SetPictureMask("hh:mm");
  edit.SetValueStr("15:30:00");  // shown from a record, longer than the picture
  edit.setCursorPosition(8);
  QTest::keyClick(&edit, '1');
  EXPECT_EQ(edit.GetValueStr(), "15:30:00");
  QTest::keyClick(&edit, Qt::Key_Backspace);
  QTest::keyClick(&edit, Qt::Key_Backspace);
  EXPECT_EQ(edit.GetValueStr(), "15:30:");
}

TEST(KvEdit, SingleValueThroughTheNumberPicture) {
  TkvEdit edit;
  edit.SetDataType(TkvDataType::Single);
  edit.SetPictureMask("#####,####");
  edit.SetValueSingle(14.025f);
  EXPECT_EQ(edit.GetValueStr(), "14,025");
  EXPECT_EQ(edit.GetValueSingle(), 14.025f);
  edit.SetValueSingle(3.14159265f);  // cut to the picture's four decimals
  EXPECT_EQ(edit.GetValueStr(), "3,1416");
  edit.SetValueSingle(10368.1f);
  EXPECT_EQ(edit.GetValueStr(), "10368,1");

  EXPECT_EQ(Typed(edit, QStringLiteral("3,5")), "3,5");
  EXPECT_EQ(edit.GetValueSingle(), 3.5f);
  EXPECT_EQ(Typed(edit, QStringLiteral("3,5,7")), "3,57");
  edit.clear();
  EXPECT_EQ(edit.GetValueSingle(), 0.0f);

  // A number edit without a picture takes '.' as well and shows ','.
  TkvEdit plain;
  plain.SetDataType(TkvDataType::Single);
  EXPECT_EQ(Typed(plain, QStringLiteral("7.05x")), "7.05");
  EXPECT_EQ(plain.GetValueSingle(), 7.05f);
  plain.SetValueSingle(7.05f);
  EXPECT_EQ(plain.GetValueStr(), "7,05");
}

TEST(KvEdit, ByteAndIntegerTypesTakeOnlyTheirNumbers) {
  TkvEdit edit;
  edit.SetDataType(TkvDataType::Byte);
  EXPECT_EQ(Typed(edit, QStringLiteral("2567")), "25");  // 256 and 257 do not fit a byte
  EXPECT_EQ(Typed(edit, QStringLiteral("-1")), "1");
  edit.SetValueByte(255);
  EXPECT_EQ(edit.GetValueStr(), "255");
  edit.SetDataType(TkvDataType::Integer);
  EXPECT_EQ(Typed(edit, QStringLiteral("-12a3")), "-123");
}

TEST(KvEdit, UpperCaseKeepsEveryCharacterItsOwnByte) {
  TkvEdit edit;
  edit.SetUpperCase(true);
  edit.setMaxLength(14);
  EXPECT_EQ(Typed(edit, QStringLiteral("dl1abc/p")), "DL1ABC/P");
  // Qt's own upper case turns 'ß' into "SS"; a call or a name must keep its length.
  EXPECT_EQ(Typed(edit, Q("müßig")), "MÜßIG");
  EXPECT_EQ(Typed(edit, QStringLiteral("abcdefghijklmnopq")), "ABCDEFGHIJKLMN");
  // Characters Windows-1252 cannot hold are refused rather than stored as '?'.
  EXPECT_EQ(Typed(edit, QStringLiteral(u"d\u4E2Dl")), "DL");
}

TEST(KvEdit, SlashedZeroFlagAndCharacter) {
  TkvEdit edit;
  EXPECT_FALSE(edit.SlashedZero());
  edit.SetSlashedZero(true);
  EXPECT_TRUE(edit.SlashedZero());
  // The slashed zero is code 216 in and out of the edit; a typed '0' is left to the
  // call field's key filter.
  edit.SetUpperCase(true);
  edit.SetValueStr("DLØABC");
  EXPECT_EQ(edit.GetValueStr(), std::string("DL\xD8"
                                            "ABC"));
  EXPECT_EQ(Typed(edit, Q("dl0ø")), std::string("DL0\xD8"));
}

// A line end, tab or NUL pasted or put into any edit becomes a blank: stored, it would
// split the lines of the exports.
TEST(KvEdit, ControlCharactersBecomeBlanksHoweverTheyComeIn) {
  struct Case {
    bool upper;
    TkvDataType type;
    const char* text;
    const char* shown;
  } cases[] = {
      {true, TkvDataType::String, "dl1\nabc", "DL1 ABC"},
      {false, TkvDataType::String, "Hans\tM\xFC\x01ller\r\n", "Hans M\xFC ller  "},
      {false, TkvDataType::String,
       "Q0\x7F"
       "5",
       "Q0 5"},
      {false, TkvDataType::Time, "14:15\n", "14:15 "},
  };
  for (const Case& c : cases) {
    TkvEdit edit;
    edit.SetUpperCase(c.upper);
    edit.SetDataType(c.type);
    edit.setFocus();
    QGuiApplication::clipboard()->setText(Q(c.text));
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.GetValueStr(), c.shown) << "pasted " << c.text;
    edit.setText(Q(c.text));
    EXPECT_EQ(edit.GetValueStr(), c.shown) << "put " << c.text;
  }
}
