#include "foundation/kvmousepanel.h"

TkvMousePanel::TkvMousePanel(QWidget* parent) : TkvPanel(parent) {}

void TkvMousePanel::enterEvent(QEnterEvent* event) {
  TkvPanel::enterEvent(event);
  emit MouseEnter();
}

void TkvMousePanel::leaveEvent(QEvent* event) {
  TkvPanel::leaveEvent(event);
  emit MouseLeave();
}
