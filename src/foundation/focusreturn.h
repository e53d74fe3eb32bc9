#pragma once
// A sub-window run from a window hands the keyboard back when it closes: the window that
// opened it is active again, and the control that had its focus has it again unless the
// window moved its focus meanwhile. Without this no control has the focus after the
// sub-window is gone, and the keys typed next are lost.

#include <QPointer>

class QWidget;

class TFocusReturn {
 public:
  // Remembers the control that has the focus now.
  TFocusReturn();
  // Activates its window again and gives the focus back.
  ~TFocusReturn();
  TFocusReturn(const TFocusReturn&) = delete;
  TFocusReturn& operator=(const TFocusReturn&) = delete;

 private:
  QPointer<QWidget> control_;
  QPointer<QWidget> window_;
};
