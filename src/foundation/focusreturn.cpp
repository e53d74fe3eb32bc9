#include "foundation/focusreturn.h"

#include <QApplication>
#include <QWidget>

TFocusReturn::TFocusReturn() : control_(QApplication::focusWidget()) {
  if (control_) window_ = control_->window();
}

TFocusReturn::~TFocusReturn() {
  if (!window_ || !window_->isVisible()) return;
  // Activating the window focuses the control it last focused: the one remembered, or
  // the one the window chose meanwhile (a new entry focuses its first field).
  const QWidget* chosen = window_->focusWidget();
  if ((!chosen || !chosen->isVisible() || !chosen->isEnabled()) && control_ &&
      control_->isVisible() && control_->isEnabled())
    control_->setFocus(Qt::ActiveWindowFocusReason);
  window_->activateWindow();
}
