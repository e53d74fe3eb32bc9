#pragma once
// Web addresses and documents opened with the desktop's default action.

#include <string_view>

struct TWebSS {
  // target: a web address or a file (Windows-1252); false when the desktop could not open it.
  static bool OpenLink(std::string_view target);
};
