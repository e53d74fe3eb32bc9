#pragma once
// The program's message windows. Every text is Windows-1252; an empty caption or title
// leaves the window its own. All of them go through the desktop seam, so tests answer
// them and nothing blocks.

#include <string_view>

namespace ToMessages {

// True when answered Yes; defaultYes makes Yes the default button, else No.
bool AskYesNo(std::string_view caption, std::string_view title, std::string_view text,
              bool defaultYes);
void ShowWarning(std::string_view title, std::string_view text);
void ShowError(std::string_view text);
// Notice with one close button; returns the check box state (false when it is hidden).
bool ShowNotice(std::string_view caption, std::string_view title, std::string_view text,
                bool showCheckBox);
// Notice with a "Weiter" button; true when the person went on.
bool ShowNoticeContinue(std::string_view caption, std::string_view title, std::string_view text);

}  // namespace ToMessages

// The system beep that goes before the log's warnings.
void SystemBeep();
