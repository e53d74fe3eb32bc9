#include "foundation/memoform.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

#include "foundation/cp1252.h"
#include "foundation/plaintext.h"

TMemoForm::TMemoForm(const QString& caption, const QString& title, const QString& text,
                     QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("MemoForm"));
  setWindowTitle(caption);

  auto* heading = new QLabel(title, this);
  heading->setObjectName(QStringLiteral("lTitel"));
  heading->setTextFormat(Qt::PlainText);
  heading->setVisible(!title.isEmpty());

  memo_ = new QPlainTextEdit(this);
  memo_->setObjectName(QStringLiteral("Memo"));
  // Notes are often laid out in columns by blanks.
  memo_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo_->setPlainText(text);

  auto* ok = new QPushButton(Q("&OK"), this);
  ok->setObjectName(QStringLiteral("btnOK"));
  auto* cancel = new QPushButton(Q("&Abbrechen"), this);
  cancel->setObjectName(QStringLiteral("btnAbbrechen"));
  connect(ok, &QPushButton::clicked, this, [this] { done(1); });
  connect(cancel, &QPushButton::clicked, this, [this] { done(2); });

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading);
  layout->addWidget(memo_, 1);
  layout->addLayout(buttons);
  resize(600, 400);
  // The first line is where a new note begins (it ends in "> "): the caret waits after it.
  QTextCursor caret = memo_->textCursor();
  caret.movePosition(QTextCursor::Start);
  caret.movePosition(QTextCursor::EndOfBlock);
  memo_->setTextCursor(caret);
  memo_->setFocus();
}

QString TMemoForm::Text() const { return ExactPlainText(memo_); }
