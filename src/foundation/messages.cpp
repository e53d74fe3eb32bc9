#include "foundation/messages.h"

#include "foundation/cp1252.h"
#include "foundation/desktop.h"

namespace ToMessages {
namespace {
bool Run(TMessageKind kind, std::string_view caption, std::string_view title, std::string_view text,
         bool defaultYes = true, bool showCheckBox = false) {
  TMessage m;
  m.Kind = kind;
  m.Caption = Q(caption);
  m.Title = Q(title);
  m.Text = Q(text);
  m.DefaultYes = defaultYes;
  m.ShowCheckBox = showCheckBox;
  return Desktop().Message(m);
}
}  // namespace

bool AskYesNo(std::string_view caption, std::string_view title, std::string_view text,
              bool defaultYes) {
  return Run(TMessageKind::Question, caption, title, text, defaultYes);
}

void ShowWarning(std::string_view title, std::string_view text) {
  Run(TMessageKind::Warning, {}, title, text);
}

void ShowError(std::string_view text) { Run(TMessageKind::Error, {}, {}, text); }

bool ShowNotice(std::string_view caption, std::string_view title, std::string_view text,
                bool showCheckBox) {
  // A hidden box cannot be ticked, whatever the window answers.
  return Run(TMessageKind::Notice, caption, title, text, true, showCheckBox) && showCheckBox;
}

bool ShowNoticeContinue(std::string_view caption, std::string_view title, std::string_view text) {
  return Run(TMessageKind::NoticeContinue, caption, title, text);
}

}  // namespace ToMessages

void SystemBeep() { Desktop().Beep(); }
