#pragma once
// The mark of a control that an input check refused: pink, until it is edited again.

#include <string_view>

class QWidget;

namespace inputmark {

// Pink background; an edit loses the mark by itself at its next change.
void MarkPink(QWidget* control);
// The window's own colours again.
void RestoreColour(QWidget* control);
// The check's answer: the control pink, the warning with its one sentence, the focus on
// the control.
void Refuse(QWidget* control, std::string_view warning);

}  // namespace inputmark
