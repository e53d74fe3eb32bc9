#pragma once
// The one seam between the program and the person or the desktop: message windows,
// file and print dialogs, modal dialogs, the shell "open", the beep and the clock.
// The running program installs the real desktop; tests install TTestDesktop, which
// answers, records and never shows a window.

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>

class QDialog;
class QPrinter;

enum class TMessageKind { Question, Warning, Error, Notice, NoticeContinue };

struct TMessage {
  TMessageKind Kind = TMessageKind::Notice;
  QString Caption;  // empty: the window keeps its own caption
  QString Title;    // empty: the window keeps its own title
  QString Text;
  bool DefaultYes = true;     // questions: which button is the default
  bool ShowCheckBox = false;  // notices: show the "do not show again" box
};

class TDesktop {
 public:
  virtual ~TDesktop() = default;

  // Questions answer Yes (true) or No; notices answer the check box state; the notice
  // with "Weiter" answers true when the person went on.
  virtual bool Message(const TMessage& message) = 0;
  // Empty when the person cancelled.
  virtual QString ChooseOpenFile(const QString& title, const QString& dir,
                                 const QString& filter) = 0;
  virtual QString ChooseSaveFile(const QString& title, const QString& dir, const QString& fileName,
                                 const QString& filter) = 0;
  virtual bool ChoosePrinter(QPrinter& printer) = 0;
  // Runs a modal dialog and returns its result code (1 OK, 2 Cancel as the forms use them).
  virtual int ExecDialog(QDialog& dialog) = 0;
  virtual bool OpenLink(const QString& target) = 0;
  // Starts a program with its arguments and does not wait for it; false when it could not start.
  virtual bool StartProgram(const QString& program, const QStringList& arguments) = 0;
  virtual void Beep() = 0;
  virtual QDateTime NowLocal() const = 0;
  // Minutes to add to local time to get UTC.
  virtual int UtcShiftMinutes() const = 0;
  // False in tests: windows that are only shown (progress) are not created.
  virtual bool ShowsWindows() const = 0;
  // Asked on every update of an abortable progress that has no window (see ShowsWindows):
  // true when the person stopped the job.
  virtual bool ProgressAborted() = 0;
};

TDesktop& Desktop();
// Installs a desktop and returns the previous one; the caller keeps ownership.
TDesktop* SetDesktop(TDesktop* desktop);

// The real desktop of the running program.
class TQtDesktop : public TDesktop {
 public:
  bool Message(const TMessage& message) override;
  QString ChooseOpenFile(const QString& title, const QString& dir, const QString& filter) override;
  QString ChooseSaveFile(const QString& title, const QString& dir, const QString& fileName,
                         const QString& filter) override;
  bool ChoosePrinter(QPrinter& printer) override;
  int ExecDialog(QDialog& dialog) override;
  bool OpenLink(const QString& target) override;
  bool StartProgram(const QString& program, const QStringList& arguments) override;
  void Beep() override;
  QDateTime NowLocal() const override;
  int UtcShiftMinutes() const override;
  bool ShowsWindows() const override { return true; }
  // The progress window has its own abort button.
  bool ProgressAborted() override { return false; }

  // How a message window is built; the foundation's message forms register themselves here.
  static void SetMessageRunner(std::function<bool(const TMessage&)> runner);
};
