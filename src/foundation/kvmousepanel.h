#pragma once
// A panel that tells when the mouse comes in and goes out; the record browser builds on it.

#include "foundation/kvpanel.h"

class TkvMousePanel : public TkvPanel {
  Q_OBJECT
 public:
  explicit TkvMousePanel(QWidget* parent = nullptr);

 signals:
  void MouseEnter();
  void MouseLeave();

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
};
