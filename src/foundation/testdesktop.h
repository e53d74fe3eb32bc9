#pragma once
// Test double of the desktop seam: answers questions and file dialogs from queues,
// records every message, beep and opened link, and runs the clock the test sets.

#include <QStringList>
#include <deque>
#include <vector>

#include "foundation/desktop.h"

class TTestDesktop : public TDesktop {
 public:
  TTestDesktop();
  ~TTestDesktop() override;  // puts the previous desktop back

  // Answers used in order; when empty, questions get DefaultAnswer.
  std::deque<bool> Answers;
  bool DefaultAnswer = true;
  std::deque<QString> FilesToOpen;  // empty queue: the dialog is cancelled
  std::deque<QString> FilesToSave;
  bool PrinterAccepted = false;
  // When set, an accepted print dialog prints into this PDF file.
  QString PrintToPdf;
  // Runs a modal dialog instead of exec(): the handler may drive it with QTest and
  // returns the result; without a handler the dialog is cancelled (2).
  std::function<int(QDialog&)> DialogHandler;
  bool NoticeChecked = false;  // answer of a notice's check box when it is shown
  bool LinksOpen = true;       // what OpenLink and StartProgram report
  // An abortable progress reports "stopped" from this update on (0: never).
  int AbortProgressAfter = 0;
  QDateTime Now = QDateTime(QDate(2026, 1, 10), QTime(12, 0, 0));
  int ShiftMinutes = 0;

  std::vector<TMessage> Messages;
  QStringList OpenedLinks;
  QStringList StartedPrograms;  // program, then its arguments, blank-separated
  int ProgressUpdates = 0;
  int Beeps = 0;
  int DialogsRun = 0;

  bool Message(const TMessage& message) override;
  QString ChooseOpenFile(const QString& title, const QString& dir, const QString& filter) override;
  QString ChooseSaveFile(const QString& title, const QString& dir, const QString& fileName,
                         const QString& filter) override;
  bool ChoosePrinter(QPrinter& printer) override;
  int ExecDialog(QDialog& dialog) override;
  bool OpenLink(const QString& target) override;
  bool StartProgram(const QString& program, const QStringList& arguments) override;
  void Beep() override { ++Beeps; }
  QDateTime NowLocal() const override { return Now; }
  int UtcShiftMinutes() const override { return ShiftMinutes; }
  bool ShowsWindows() const override { return false; }
  bool ProgressAborted() override;

  // Texts of the recorded messages of one kind, for short assertions.
  QStringList Texts(TMessageKind kind) const;

 private:
  TDesktop* previous_ = nullptr;
};
