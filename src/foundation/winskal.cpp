#include "foundation/winskal.h"

#include <QGuiApplication>
#include <QScreen>

bool ToWinskal::GetScaleMode(QWidget*, bool) { return false; }

bool ToWinskal::IsLargeFonts() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen && screen->logicalDotsPerInchX() > 96.0;
}
