#include "output/wagdatei.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "foundation/cp1252.h"
#include "foundation/desktop.h"
#include "foundation/messages.h"
#include "output/filemessage.h"
#include "output/pagesink.h"
#include "output/textfile.h"
#include "output/textprint.h"

namespace {

QFont MonoFont() {
  QFont font(QStringLiteral("Courier New"));
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  return font;
}

}  // namespace

Twagdatei::Twagdatei(const QString& fileName, QWidget* parent)
    : QDialog(parent), fileName_(fileName) {
  setObjectName(QStringLiteral("wagdatei"));
  setWindowTitle(fileName);
  resize(560, 376);
  redit = new QPlainTextEdit(this);
  redit->setObjectName(QStringLiteral("redit"));
  redit->setFont(MonoFont());
  redit->setLineWrapMode(QPlainTextEdit::NoWrap);
  redit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  redit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Button1 = new QPushButton(Q("Drucken"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  btnspeichern = new QPushButton(Q("Speichern und Beenden"), this);
  btnspeichern->setObjectName(QStringLiteral("btnspeichern"));
  auto* panel = new QHBoxLayout;
  panel->addWidget(Button1);
  panel->addStretch();
  panel->addWidget(btnspeichern);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(redit);
  layout->addLayout(panel);
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(btnspeichern, &QPushButton::clicked, this, [this] { btnspeichernClick(); });
  FormCreate();
}

void Twagdatei::FormCreate() {
  redit->clear();
  QFile file(fileName_);
  if (!file.open(QIODevice::ReadOnly)) return;
  QByteArray bytes = file.readAll();
  std::string text(bytes.constData(), size_t(bytes.size()));
  // The editor holds lines; the CR LF of the file come back when it is saved.
  std::string lines;
  lines.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    lines += text[i];
  }
  if (!lines.empty() && lines.back() == '\n') lines.pop_back();
  redit->setPlainText(Q(lines));
}

bool Twagdatei::SaveLines() {
  std::string text = S(redit->toPlainText());
  std::string out;
  out.reserve(text.size() + text.size() / 16 + 2);
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  out += "\r\n";
  bool created = false;
  if (!textfile::WriteWhole(fileName_, out, created)) {
    filemessage::Error("Die Datei ", fileName_, " konnte nicht gespeichert werden.");
    return false;
  }
  return true;
}

void Twagdatei::Button1Click() {
  if (!SaveLines()) return;
  // The job's title is the file's bare name: the print dialog proposes it, with ".pdf",
  // in the home folder, where a whole path would make a name that cannot be written.
  std::unique_ptr<TPageSink> page = ChoosePrinterSink(QFileInfo(fileName_).fileName());
  if (!page) return;
  std::vector<std::string> lines;
  for (const QString& line : redit->toPlainText().split(QLatin1Char('\n')))
    lines.push_back(S(line));
  textprint::PrintLines(*page, lines);
  EndPrinterSink(*page);
}

void Twagdatei::btnspeichernClick() {
  if (!SaveLines()) return;
  redit->clear();
  done(1);
}

namespace wagdat {

bool ShowFile(const QString& fileName) {
  Twagdatei form(fileName);
  return Desktop().ExecDialog(form) == 1;
}

}  // namespace wagdat
