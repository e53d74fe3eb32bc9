#include "log/kvmouseimage.h"

ToStatistiken* oStatistiken = nullptr;

TkvMouseImage::TkvMouseImage(QWidget* parent) : QLabel(parent) {
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setScaledContents(false);
  setAutoFillBackground(true);
}

void TkvMouseImage::enterEvent(QEnterEvent* event) {
  QLabel::enterEvent(event);
  if (isEnabled() && OnMouseEnter) OnMouseEnter();
}

void TkvMouseImage::leaveEvent(QEvent* event) {
  QLabel::leaveEvent(event);
  if (isEnabled() && OnMouseLeave) OnMouseLeave();
}
