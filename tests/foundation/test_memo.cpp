#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "foundation/cp1252.h"
#include "foundation/memofile.h"
#include "foundation/memoform.h"
#include "foundation/testdesktop.h"
#include "foundation/toolsfkt.h"
#include "support/testdir.h"

namespace {
std::string ReadBytes(const std::string& path) {
  QFile f(QString::fromStdString(path));
  if (!f.open(QIODevice::ReadOnly)) return "<fehlt>";
  return f.readAll().toStdString();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  QFile f(QString::fromStdString(path));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes.data(), qint64(bytes.size()));
}

struct TBounds {
  int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
  bool operator==(const TBounds&) const = default;
};
void PrintTo(const TBounds& b, std::ostream* os) {
  *os << b.Left << "," << b.Top << "," << b.Right << "," << b.Bottom;
}

// Runs the editor with a handler that may type into the memo and then presses a button.
bool RunEditor(TTestDesktop& desk, const std::string& fileName, TBounds& b,
               std::vector<std::string>& lines, std::string& text,
               std::function<void(TMemoForm&)> edit, const char* button) {
  desk.DialogHandler = [&, edit, button](QDialog& dialog) {
    auto& form = dynamic_cast<TMemoForm&>(dialog);
    form.show();
    if (edit) edit(form);
    form.findChild<QPushButton*>(QLatin1String(button))->click();
    return form.result();
  };
  return TToolsFkt::EditMemo("Notiz", lines, b.Left, b.Top, b.Right, b.Bottom, "", 0, 0, 0,
                             fileName, text);
}
}  // namespace

TEST(MemoFile, SplitsEveryLineEndAndJoins) {
  using V = std::vector<std::string>;
  struct Case {
    std::string text;
    V lines;
  };
  const Case cases[] = {
      {"", {}},
      {"eins", {"eins"}},
      {"eins\r\nzwei\r\n", {"eins", "zwei"}},
      {"eins\nzwei", {"eins", "zwei"}},
      {"eins\rzwei\r", {"eins", "zwei"}},
      {"\r\n\r\nx", {"", "", "x"}},
      {"a\n\rb", {"a", "", "b"}},
  };
  for (const Case& c : cases) EXPECT_EQ(memofile::SplitLines(c.text), c.lines) << c.text;
  EXPECT_EQ(memofile::JoinLines({"a", "", "b"}, "\r\n"), "a\r\n\r\nb");
  EXPECT_EQ(memofile::JoinLines({}, "\r\n"), "");
}

TEST(MemoFile, SavesWindowsTextAndReadsItBack) {
  TTestDir dir;
  const std::string file = dir.File("NOTIZ.TXT");
  std::vector<std::string> lines;
  EXPECT_FALSE(memofile::LoadLines(file, lines));
  ASSERT_TRUE(memofile::SaveLines(file, {"Grüße", "", "73"}));
  EXPECT_EQ(ReadBytes(file),
            "Gr\xFC\xDF"
            "e\r\n\r\n73\r\n");
  EXPECT_TRUE(memofile::LoadLines(file, lines));
  EXPECT_EQ(lines, (std::vector<std::string>{"Grüße", "", "73"}));
  // A folder that does not exist cannot take the file.
  EXPECT_FALSE(memofile::SaveLines(dir.File("fehlt/NOTIZ.TXT"), {"x"}));
}

TEST(EditMemo, LoadsEditsSavesAndKeepsTheBounds) {
  TTestDesktop desk;
  TTestDir dir;
  const std::string file = dir.File("DL-Contest.TXT");
  WriteBytes(file, "07.12.2026 10:00 DL1ABC     > Grüße\r\n");

  TBounds b{100, 50, 499, 349};  // 400 x 300
  std::vector<std::string> lines;
  std::string text;
  QString shown;
  QRect placed;
  bool ok = RunEditor(
      desk, file, b, lines, text,
      [&](TMemoForm& form) {
        shown = form.Text();
        placed = form.geometry();
        form.Memo()->moveCursor(QTextCursor::End);
        QTest::keyClicks(form.Memo(), Q(" Ärger mit QRM"));
        form.setGeometry(120, 60, 500, 320);
      },
      "btnOK");

  ASSERT_TRUE(ok);
  EXPECT_EQ(shown, Q("07.12.2026 10:00 DL1ABC     > Grüße"));
  EXPECT_EQ(placed, QRect(100, 50, 400, 300));
  EXPECT_EQ(ReadBytes(file),
            "07.12.2026 10:00 DL1ABC     > Gr\xFC\xDF"
            "e \xC4rger mit QRM\r\n");
  EXPECT_EQ(lines, std::vector<std::string>{"07.12.2026 10:00 DL1ABC     > Grüße Ärger mit QRM"});
  EXPECT_EQ(text, lines[0]);
  EXPECT_EQ(b, (TBounds{120, 60, 619, 379}));
}

TEST(EditMemo, MissingFileStartsEmptyAndOkCreatesIt) {
  TTestDesktop desk;
  TTestDir dir;
  const std::string file = dir.File("NEU.TXT");
  TBounds b;  // empty rectangle: the editor's own size and place
  std::vector<std::string> lines{"alt"};
  std::string text;
  QString shown = Q("x");
  bool ok = RunEditor(
      desk, file, b, lines, text,
      [&](TMemoForm& form) {
        shown = form.Text();
        QTest::keyClicks(form.Memo(), Q("erste"));
        QTest::keyClick(form.Memo(), Qt::Key_Return);
        QTest::keyClicks(form.Memo(), Q("zweite"));
      },
      "btnOK");
  ASSERT_TRUE(ok);
  EXPECT_EQ(shown, QString());
  EXPECT_EQ(ReadBytes(file), "erste\r\nzweite\r\n");
  EXPECT_EQ(text, "erste\r\nzweite");
  EXPECT_GT(b.Right, b.Left);
  EXPECT_GT(b.Bottom, b.Top);
}

TEST(EditMemo, CancelLeavesFileAndTextAlone) {
  TTestDesktop desk;
  TTestDir dir;
  const std::string file = dir.File("NOTIZ.TXT");
  WriteBytes(file, "bleibt\r\n");
  TBounds b{10, 20, 409, 319};
  std::vector<std::string> lines;
  std::string text = "vorher";
  bool ok = RunEditor(
      desk, file, b, lines, text,
      [](TMemoForm& form) {
        QTest::keyClicks(form.Memo(), Q("weg"));
        form.setGeometry(30, 40, 400, 300);
      },
      "btnAbbrechen");
  EXPECT_FALSE(ok);
  EXPECT_EQ(ReadBytes(file), "bleibt\r\n");
  EXPECT_EQ(text, "vorher");
  // The place is kept however the window was closed.
  EXPECT_EQ(b, (TBounds{30, 40, 429, 339}));
}

TEST(EditMemo, TypingContinuesTheFirstLine) {
  TTestDesktop desk;
  TBounds b;
  std::vector<std::string> lines{"07.12.2026 12:41 DL1ABC     > ", "06.12.2026 10:00 DK1XY      > alt"};
  std::string text;
  bool ok = RunEditor(
      desk, "", b, lines, text,
      [&](TMemoForm& form) { QTest::keyClicks(form.Memo(), QStringLiteral("QSB")); }, "btnOK");
  ASSERT_TRUE(ok);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "07.12.2026 12:41 DL1ABC     > QSB");
  EXPECT_EQ(lines[1], "06.12.2026 10:00 DK1XY      > alt");
}

TEST(EditMemo, WithoutFileEditsTheLines) {
  TTestDesktop desk;
  TBounds b;
  std::vector<std::string> lines{"Regel 1", "Regel 2"};
  std::string text;
  QString shown;
  bool ok = RunEditor(
      desk, "", b, lines, text, [&](TMemoForm& form) { shown = form.Text(); }, "btnOK");
  ASSERT_TRUE(ok);
  EXPECT_EQ(shown, Q("Regel 1\nRegel 2"));
  EXPECT_EQ(text, "Regel 1\r\nRegel 2");
}

TEST(EditMemo, UnwritableFileKeepsTheNotesInTheEditor) {
  TTestDesktop desk;
  TTestDir dir;
  const std::string file = dir.File("fehlt/NOTIZ.TXT");
  TBounds b;
  std::vector<std::string> lines;
  std::string text;
  std::vector<QString> seen;
  desk.DialogHandler = [&](QDialog& dialog) {
    auto& form = dynamic_cast<TMemoForm&>(dialog);
    seen.push_back(form.Text());
    if (seen.size() == 1) {
      QTest::keyClicks(form.Memo(), Q("wichtig"));
      return 1;  // OK: the save fails
    }
    return 2;  // second look: the person gives up
  };
  EXPECT_FALSE(TToolsFkt::EditMemo("Notiz", lines, b.Left, b.Top, b.Right, b.Bottom, "", 0, 0, 0,
                                   file, text));
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[1], Q("wichtig"));
  EXPECT_EQ(desk.Texts(TMessageKind::Error),
            QStringList(Q("Die Datei \"" + file + "\" konnte nicht gespeichert werden.")));
}

TEST(EditMemo, SavedUnchangedKeepsEveryByte) {
  TTestDesktop desk;
  TTestDir dir;
  const std::string file = dir.File("NOTIZ.TXT");
  // A no-break space (0xA0) between the columns, and every other byte the editor shows.
  std::string bytes;
  for (int c = 0x20; c <= 0xFF; ++c)
    if (c != 0x7F) bytes += char(c);
  bytes =
      "DL1ABC\xA0\xA0"
      "599\r\n" +
      bytes + "\r\n";
  WriteBytes(file, bytes);
  TBounds b;
  std::vector<std::string> lines;
  std::string text;
  ASSERT_TRUE(RunEditor(desk, file, b, lines, text, nullptr, "btnOK"));
  EXPECT_EQ(ReadBytes(file), bytes);
}
