#include "foundation/inputmark.h"

#include <QLineEdit>

#include "foundation/grafik.h"
#include "foundation/messages.h"

namespace inputmark {

void MarkPink(QWidget* control) {
  QPalette p = control->palette();
  p.setColor(QPalette::Base, ColorOf(clPink));
  p.setColor(QPalette::Window, ColorOf(clPink));
  control->setPalette(p);
  control->setAutoFillBackground(true);
  if (auto* edit = qobject_cast<QLineEdit*>(control))
    QObject::connect(
        edit, &QLineEdit::textChanged, edit, [edit] { RestoreColour(edit); },
        Qt::SingleShotConnection);
}

void RestoreColour(QWidget* control) {
  control->setPalette(QPalette());
  control->setAutoFillBackground(false);
}

void Refuse(QWidget* control, std::string_view warning) {
  MarkPink(control);
  ToMessages::ShowWarning("", warning);
  control->setFocus();
}

}  // namespace inputmark
