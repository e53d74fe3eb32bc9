#pragma once
// The form "VHF/UHF-Contest": the participant, the responsible operator, the station and
// the remarks that the EDI file's header carries. The EDI writer fills it, shows it
// modally and reads it back; "OK" closes it with result 1.

#include <QDialog>
#include <string>
#include <string_view>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class Tuhfteilnehmer : public QDialog {
  Q_OBJECT
 public:
  explicit Tuhfteilnehmer(QWidget* parent = nullptr);

  // "Teilnehmer"
  QLineEdit *pcall, *ploc, *padr1, *padr2, *pclub1, *pclub2, *remail;
  QComboBox *psect, *pband;
  // "zuständiger Funkamateur"
  QLineEdit *rname, *radr1, *radr2, *rpoco, *rcity, *rcoun;
  // "Mehrmann"
  QLineEdit *mope1, *mope2;
  // "Station"
  QLineEdit *rtrx, *rant, *rpower;
  QPlainTextEdit* rremarks;
  QCheckBox* cspeichern;
  QPushButton* btnok;

  // The texts as the program keeps them (Windows-1252).
  static std::string Text(const QLineEdit* edit);
  static void SetText(QLineEdit* edit, std::string_view text);
  static std::string Text(const QComboBox* box);
  static void SetText(QComboBox* box, std::string_view text);

 private:
  void FormCreate();
};
