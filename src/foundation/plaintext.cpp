#include "foundation/plaintext.h"

#include <QPlainTextEdit>
#include <QTextDocument>

QString ExactPlainText(const QPlainTextEdit* edit) {
  // The raw text keeps each character; only its block separators become line ends.
  QString text = edit->document()->toRawText();
  for (QChar& c : text)
    if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) c = QLatin1Char('\n');
  return text;
}
