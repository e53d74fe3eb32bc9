#pragma once
// Window scaling. The program lays its windows out in the pixels the forms give and does
// not scale them; the calls stay so that lists ask in one place.

class QWidget;

class ToWinskal {
 public:
  static bool GetScaleMode(QWidget* form, bool flag);  // always false
  static int ScaleSize(int size) { return size; }
  static int ScaleHeight(int height) { return height; }
  // Screen resolution above 96 dots per inch.
  static bool IsLargeFonts();
};
