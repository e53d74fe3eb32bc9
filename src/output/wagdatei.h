#pragma once
// The viewer of a file the program has just written (E-Log lists, STF, Cabrillo, EDI):
// the operator may correct it by hand, print it, or save it and close. The file keeps
// its Windows-1252 bytes and CR LF line ends.

#include <QDialog>
#include <string>

class QPlainTextEdit;
class QPushButton;

class Twagdatei : public QDialog {
 public:
  // fileName: Windows-1252 text, also the caption.
  explicit Twagdatei(const std::string& fileName, QWidget* parent = nullptr);

  QPlainTextEdit* redit;
  QPushButton* Button1;       // "Drucken"
  QPushButton* btnspeichern;  // "Speichern und Beenden"

  void Button1Click();
  void btnspeichernClick();

 private:
  void FormCreate();
  // The editor's lines back into the file; false (with an error shown) when that failed.
  bool SaveLines();
  std::string fileName_;
};

namespace wagdat {
// Shows the file modally; true when it was closed with "Speichern und Beenden".
bool ShowFile(const std::string& fileName);
}  // namespace wagdat
