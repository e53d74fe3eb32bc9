#pragma once
// Colours as the settings and the windows give them: 32-bit values $00BBGGRR (blue in the
// high byte, red in the low byte). Every such value reaches Qt through ColorOf, so the
// byte order is decided in one place.

#include <cstdint>

class QColor;

using TColor = uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPink = 0x8080FF;  // input checks colour the offending control with it
// "No colour": a painter given it keeps its own choice.
constexpr TColor clNone = 0x1FFFFFFF;

constexpr TColor RGBColor(int red, int green, int blue) {
  return TColor(red & 0xFF) | TColor(green & 0xFF) << 8 | TColor(blue & 0xFF) << 16;
}

QColor ColorOf(TColor color);
TColor TColorOf(const QColor& color);

class ToGrafik {
 public:
  // White text on dark fills, black text on light ones.
  static TColor ContrastTextColor(TColor fill);
};
