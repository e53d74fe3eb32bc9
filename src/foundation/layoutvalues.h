#pragma once
// The colours and fonts the layout service puts on windows, lists and buttons. The
// settings own them and hand them down with SetLayoutValues whenever they are loaded or
// changed; until then the defaults below apply.

#include <string>

#include "foundation/grafik.h"

struct TLayoutValues {
  TColor WindowColor = RGBColor(240, 240, 240);
  TColor PanelColor = RGBColor(212, 208, 200);
  TColor ScorePanelColor = RGBColor(255, 255, 225);
  TColor ButtonTextColor = clBlack;

  TColor GridColor = clWhite;
  TColor GridTextColor = clBlack;
  TColor GridHeaderColor = RGBColor(212, 208, 200);
  TColor GridHeaderTextColor = clBlack;
  TColor GridSortedHeaderColor = RGBColor(255, 213, 170);
  TColor GridSelectedColor = clNavy;
  TColor GridSelectedTextColor = clWhite;

  TColor MenuColor = RGBColor(240, 240, 240);
  TColor MenuTextColor = clBlack;
  TColor MenuSelectedColor = RGBColor(168, 202, 236);
  TColor MenuSelectedTextColor = clBlack;

  // "Liberation Sans" and "Liberation Mono" have the metrics of Arial and Courier New, by
  // which the windows are sized.
  std::string FontName = "Liberation Sans";
  int FontSize = 9;  // points
  std::string GridFontName = "Liberation Sans";
  int GridFontSize = 9;
  std::string ButtonFontName = "Liberation Sans";
  int ButtonFontSize = 9;
  bool ButtonFontBold = false;
};

const TLayoutValues& LayoutValues();
void SetLayoutValues(const TLayoutValues& values);
