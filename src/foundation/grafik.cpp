#include "foundation/grafik.h"

#include <QColor>

QColor ColorOf(TColor color) {
  // Only the low three bytes are the colour; the high byte marks system colours in the
  // settings and carries no red, green or blue.
  return QColor(int(color & 0xFF), int(color >> 8 & 0xFF), int(color >> 16 & 0xFF));
}

TColor TColorOf(const QColor& color) { return RGBColor(color.red(), color.green(), color.blue()); }

TColor ToGrafik::ContrastTextColor(TColor fill) {
  const int red = int(fill & 0xFF), green = int(fill >> 8 & 0xFF), blue = int(fill >> 16 & 0xFF);
  // Perceived brightness (ITU-R BT.601 weights), in thousandths to stay in integers.
  const int brightness = 299 * red + 587 * green + 114 * blue;
  return brightness < 128 * 1000 ? clWhite : clBlack;
}
