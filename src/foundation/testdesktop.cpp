#include "foundation/testdesktop.h"

#include <QPrinter>

TTestDesktop::TTestDesktop() { previous_ = SetDesktop(this); }

TTestDesktop::~TTestDesktop() { SetDesktop(previous_); }

bool TTestDesktop::Message(const TMessage& message) {
  Messages.push_back(message);
  // The person reads a notice and goes on; its check box answers NoticeChecked.
  if (message.Kind == TMessageKind::NoticeContinue) return true;
  if (message.Kind != TMessageKind::Question) return message.ShowCheckBox && NoticeChecked;
  if (Answers.empty()) return DefaultAnswer;
  bool answer = Answers.front();
  Answers.pop_front();
  return answer;
}

static QString TakeFront(std::deque<QString>& queue) {
  if (queue.empty()) return {};
  QString file = queue.front();
  queue.pop_front();
  return file;
}

QString TTestDesktop::ChooseOpenFile(const QString&, const QString&, const QString&) {
  return TakeFront(FilesToOpen);
}

QString TTestDesktop::ChooseSaveFile(const QString&, const QString&, const QString&,
                                     const QString&) {
  return TakeFront(FilesToSave);
}

bool TTestDesktop::ChoosePrinter(QPrinter& printer) {
  if (PrinterAccepted && !PrintToPdf.isEmpty()) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(PrintToPdf);
  }
  return PrinterAccepted;
}

int TTestDesktop::ExecDialog(QDialog& dialog) {
  ++DialogsRun;
  return DialogHandler ? DialogHandler(dialog) : 2;
}

bool TTestDesktop::OpenLink(const QString& target) {
  OpenedLinks << target;
  return LinksOpen;
}

bool TTestDesktop::StartProgram(const QString& program, const QStringList& arguments) {
  StartedPrograms << (QStringList(program) + arguments).join(QLatin1Char(' '));
  return LinksOpen;
}

bool TTestDesktop::ProgressAborted() {
  ++ProgressUpdates;
  return AbortProgressAfter > 0 && ProgressUpdates >= AbortProgressAfter;
}

QStringList TTestDesktop::Texts(TMessageKind kind) const {
  QStringList out;
  for (const TMessage& m : Messages)
    if (m.Kind == kind) out << m.Text;
  return out;
}
