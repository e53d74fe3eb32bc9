#pragma once
// The notes editor window: an optional heading, the text, OK and Cancel.

#include <QDialog>

class QPlainTextEdit;

class TMemoForm : public QDialog {
  Q_OBJECT
 public:
  TMemoForm(const QString& caption, const QString& title, const QString& text,
            QWidget* parent = nullptr);

  QString Text() const;
  QPlainTextEdit* Memo() const { return memo_; }

 private:
  QPlainTextEdit* memo_;
};
