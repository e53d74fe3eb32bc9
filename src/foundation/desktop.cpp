#include "foundation/desktop.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QProcess>
#include <QUrl>
#include <ctime>

namespace {
TQtDesktop gQtDesktop;
TDesktop* gDesktop = &gQtDesktop;
std::function<bool(const TMessage&)> gMessageRunner;

bool RunWithMessageBox(const TMessage& m) {
  QMessageBox box;
  box.setWindowTitle(m.Caption);
  box.setText(m.Title.isEmpty() ? m.Text : m.Title);
  if (!m.Title.isEmpty()) box.setInformativeText(m.Text);
  switch (m.Kind) {
    case TMessageKind::Question: {
      box.setIcon(QMessageBox::Question);
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setDefaultButton(m.DefaultYes ? QMessageBox::Yes : QMessageBox::No);
      return box.exec() == QMessageBox::Yes;
    }
    case TMessageKind::Warning: box.setIcon(QMessageBox::Warning); break;
    case TMessageKind::Error: box.setIcon(QMessageBox::Critical); break;
    default: box.setIcon(QMessageBox::Information); break;
  }
  box.exec();
  return false;
}
}  // namespace

TDesktop& Desktop() { return *gDesktop; }

TDesktop* SetDesktop(TDesktop* desktop) {
  TDesktop* previous = gDesktop;
  gDesktop = desktop ? desktop : &gQtDesktop;
  return previous;
}

void TQtDesktop::SetMessageRunner(std::function<bool(const TMessage&)> runner) {
  gMessageRunner = std::move(runner);
}

bool TQtDesktop::Message(const TMessage& message) {
  return gMessageRunner ? gMessageRunner(message) : RunWithMessageBox(message);
}

QString TQtDesktop::ChooseOpenFile(const QString& title, const QString& dir,
                                   const QString& filter) {
  return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, dir, filter);
}

QString TQtDesktop::ChooseSaveFile(const QString& title, const QString& dir,
                                   const QString& fileName, const QString& filter) {
  QString start = dir;
  if (!fileName.isEmpty()) start = dir.isEmpty() ? fileName : dir + QLatin1Char('/') + fileName;
  return QFileDialog::getSaveFileName(QApplication::activeWindow(), title, start, filter);
}

bool TQtDesktop::ChoosePrinter(QPrinter& printer) {
  QPrintDialog dialog(&printer, QApplication::activeWindow());
  return dialog.exec() == QDialog::Accepted;
}

int TQtDesktop::ExecDialog(QDialog& dialog) {
  // Escape and the close box reject (0); the forms' Cancel is 2.
  int result = dialog.exec();
  return result == QDialog::Rejected ? 2 : result;
}

bool TQtDesktop::OpenLink(const QString& target) {
  // A relative name of an existing file is that file, not a web host of that name.
  QUrl url = QUrl::fromUserInput(target, QDir::currentPath());
  return QDesktopServices::openUrl(url);
}

bool TQtDesktop::StartProgram(const QString& program, const QStringList& arguments) {
  return QProcess::startDetached(program, arguments);
}

void TQtDesktop::Beep() { QApplication::beep(); }

QDateTime TQtDesktop::NowLocal() const { return QDateTime::currentDateTime(); }

int TQtDesktop::UtcShiftMinutes() const {
  // The C library knows the zone and whether summer time is in force now.
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return int(-local.tm_gmtoff / 60);
}
