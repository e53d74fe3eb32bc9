#pragma once
// The primary screen as the windows lay themselves out by it.

class TScreenSS {
 public:
  // Width in pixels; 0 when there is no screen.
  static int ScreenWidth();
};
