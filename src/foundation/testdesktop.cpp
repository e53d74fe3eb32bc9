#include "foundation/testdesktop.h"

TTestDesktop::TTestDesktop() { previous_ = SetDesktop(this); }

TTestDesktop::~TTestDesktop() { SetDesktop(previous_); }

bool TTestDesktop::Message(const TMessage& message) {
  Messages.push_back(message);
  if (message.Kind != TMessageKind::Question) return false;
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

bool TTestDesktop::ChoosePrinter(QPrinter&) { return PrinterAccepted; }

int TTestDesktop::ExecDialog(QDialog& dialog) {
  ++DialogsRun;
  return DialogHandler ? DialogHandler(dialog) : 2;
}

bool TTestDesktop::OpenLink(const QString& target) {
  OpenedLinks << target;
  return true;
}

QStringList TTestDesktop::Texts(TMessageKind kind) const {
  QStringList out;
  for (const TMessage& m : Messages)
    if (m.Kind == kind) out << m.Text;
  return out;
}
