#include "foundation/screen.h"

#include <QGuiApplication>
#include <QScreen>

int TScreenSS::ScreenWidth() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().width() : 0;
}
