#include "foundation/toolsfkt.h"

#include <QApplication>

#include "foundation/cp1252.h"
#include "foundation/desktop.h"
#include "foundation/memofile.h"
#include "foundation/memoform.h"
#include "foundation/messages.h"

bool TToolsFkt::EditMemo(std::string_view caption, std::vector<std::string>& lines, int32_t& left,
                         int32_t& top, int32_t& right, int32_t& bottom, std::string_view title,
                         uint8_t, uint8_t, uint8_t, std::string_view fileName, std::string& text) {
  std::vector<std::string> shown = lines;
  if (!fileName.empty()) memofile::LoadLines(fileName, shown);

  TMemoForm form(Q(caption), Q(title), Q(memofile::JoinLines(shown, "\n")),
                 QApplication::activeWindow());
  if (right > left && bottom > top) form.setGeometry(left, top, right - left + 1, bottom - top + 1);

  bool saved = false;
  std::vector<std::string> edited;
  while (Desktop().ExecDialog(form) == 1) {
    edited = memofile::SplitLines(S(form.Text()));
    if (fileName.empty() || memofile::SaveLines(fileName, edited)) {
      saved = true;
      break;
    }
    // The notes stay in the window, so the person can try again or copy them out.
    ToMessages::ShowError("Die Datei \"" + std::string(fileName) +
                          "\" konnte nicht gespeichert werden.");
  }

  const QRect place = form.geometry();
  left = place.left();
  top = place.top();
  right = place.right();
  bottom = place.bottom();

  if (!saved) return false;
  lines = std::move(edited);
  text = memofile::JoinLines(lines, "\r\n");
  return true;
}
