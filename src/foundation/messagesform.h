#pragma once
// The real message windows of the running program: question, warning, error, notice and
// notice with "Weiter". The desktop seam runs them; nothing else shows them.

#include <QDialog>

#include "foundation/desktop.h"

class QCheckBox;

class TMessageForm : public QDialog {
  Q_OBJECT
 public:
  explicit TMessageForm(const TMessage& message, QWidget* parent = nullptr);

  // After the window closed: Yes for a question, the check box for a notice, "Weiter"
  // pressed for the continue notice; false for warnings and errors.
  bool Answer() const;

  // The caption a window of this kind keeps when the caller gives none.
  static QString OwnCaption(TMessageKind kind);

 private:
  TMessageKind kind_;
  QCheckBox* checkBox_ = nullptr;
};

// Builds the window for the message, runs it modally and returns its answer.
bool RunMessageForm(const TMessage& message);
