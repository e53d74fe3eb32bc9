// The viewer of written files keeps the file's bytes: Windows-1252 and CR LF.
#include <gtest/gtest.h>

#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include "foundation/cp1252.h"
#include "foundation/testdesktop.h"
#include "output/wagdatei.h"
#include "support/testdir.h"

namespace {

class Viewer : public ::testing::Test {
 protected:
  void Write(const std::string& bytes) {
    QFile f(Q(file_));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), qint64(bytes.size()));
  }
  std::string Read() {
    QFile f(Q(file_));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    QByteArray b = f.readAll();
    return std::string(b.constData(), size_t(b.size()));
  }
  TTestDir dir_;
  TTestDesktop desktop_;
  std::string file_ = dir_.File("DL1ABC.STF");
  const std::string text_ = "START-OF-LOG: 3.0\r\nNAME: J\xF6rg M\xFCller\r\nEND-OF-LOG:\r\n";
};

TEST_F(Viewer, SaveKeepsWindowsCharactersAndCrLfAndTakesTheEdits) {
  Write(text_);
  desktop_.DialogHandler = [](QDialog& d) {
    auto& f = static_cast<Twagdatei&>(d);
    EXPECT_EQ(f.windowTitle().right(10), QStringLiteral("DL1ABC.STF"));
    EXPECT_EQ(f.redit->toPlainText().section(QLatin1Char('\n'), 1, 1), Q("NAME: Jörg Müller"));
    f.redit->moveCursor(QTextCursor::End);
    QTest::keyClick(f.redit, Qt::Key_Return);
    QTest::keyClicks(f.redit, QStringLiteral("; ok"));
    QTest::mouseClick(f.btnspeichern, Qt::LeftButton);
    return f.result();
  };
  EXPECT_TRUE(wagdat::ShowFile(Q(file_)));
  EXPECT_EQ(Read(), text_ + "; ok\r\n");
}

TEST_F(Viewer, ClosingWithoutSavingLeavesTheFileAsWritten) {
  Write(text_);
  desktop_.DialogHandler = [](QDialog& d) {
    auto& f = static_cast<Twagdatei&>(d);
    f.redit->setPlainText(QStringLiteral("changed"));
    f.reject();
    return 2;
  };
  EXPECT_FALSE(wagdat::ShowFile(Q(file_)));
  EXPECT_EQ(Read(), text_);
}

TEST_F(Viewer, PrintSavesTheEditedTextFirst) {
  Write(text_);
  desktop_.PrinterAccepted = true;
  desktop_.PrintToPdf = Q(dir_.File("view.pdf"));
  desktop_.DialogHandler = [](QDialog& d) {
    auto& f = static_cast<Twagdatei&>(d);
    f.redit->setPlainText(QStringLiteral("QSO: 1"));
    QTest::mouseClick(f.Button1, Qt::LeftButton);
    return 2;
  };
  wagdat::ShowFile(Q(file_));
  EXPECT_EQ(Read(), "QSO: 1\r\n");
  ASSERT_TRUE(QFile::exists(desktop_.PrintToPdf));
  // The print job is titled with the file's bare name, which the print dialog turns into
  // its proposed PDF name.
  const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
  if (pdfinfo.isEmpty()) return;
  QProcess info;
  info.start(pdfinfo, {desktop_.PrintToPdf});
  ASSERT_TRUE(info.waitForFinished(30000));
  EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput())
                  .contains(QRegularExpression(QStringLiteral("Title: +DL1ABC.STF\n"))));
}

}  // namespace
