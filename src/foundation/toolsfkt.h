#pragma once
// Small tools shared by the windows.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct TToolsFkt {
  // Modal notes editor. With a file name it edits that Windows-1252 text file (a missing
  // file starts empty) and saves it on OK; without one it edits lines. The window opens at
  // left/top/right/bottom when that rectangle is not empty, and the rectangle takes the
  // window's place when it closes: its inside, frame left out, so that it opens again
  // exactly where it was. On OK lines and text (CR LF between the lines) hold the edited
  // notes and the result is true; Cancel gives false. When the file cannot be written the
  // error is shown and the editor stays open with the notes. The option bytes change
  // nothing in this editor.
  static bool EditMemo(std::string_view caption, std::vector<std::string>& lines, int32_t& left,
                       int32_t& top, int32_t& right, int32_t& bottom, std::string_view title,
                       uint8_t option1, uint8_t option2, uint8_t option3, std::string_view fileName,
                       std::string& text);
};
