#pragma once
// The viewer of a file the program has just written (E-Log lists, STF, Cabrillo, EDI):
// the operator may correct it by hand, print it, or save it and close. The file keeps
// its Windows-1252 bytes and CR LF line ends.

#include <QDialog>
#include <QString>

class QPlainTextEdit;
class QPushButton;

class Twagdatei : public QDialog {
 public:
  // fileName: the system's name of the file, also the caption.
  explicit Twagdatei(const QString& fileName, QWidget* parent = nullptr);

  QPlainTextEdit* redit;
  QPushButton* Button1;       // "Drucken"
  QPushButton* btnspeichern;  // "Speichern und Beenden"

  void Button1Click();
  void btnspeichernClick();

 private:
  void FormCreate();
  // The editor's lines back into the file; false (with an error shown) when that failed.
  bool SaveLines();
  QString fileName_;
};

namespace wagdat {
// Shows the file modally; true when it was closed with "Speichern und Beenden".
bool ShowFile(const QString& fileName);
}  // namespace wagdat
