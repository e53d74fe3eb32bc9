#pragma once
// The window of the contest configuration dialog (see eingconteststd.h for its entry).
// Component names are the object names, so that the window can be driven by name.

#include <QDialog>
#include <array>
#include <string>
#include <vector>

#include "contest/contestrec.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class TContestListRec;
class TdbContest;
class TkvEdit;

class TEingContestStdForm : public QDialog {
 public:
  // Who asked for the store: the checks and questions run only for a button.
  enum class TSender { None, OK, Start, Print };

  TEingContestStdForm(bool existing, bool review, TContestCode code, TdbContest& listTable,
                      TdbContest& configTable, TContestRec& def, QWidget* parent = nullptr);

  // The store road of the buttons; true when the records were written.
  bool btnOKClick(TSender sender);
  void eteilnahmeartClick();
  bool Existing() const { return existing_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildWindow();
  void FormCreate();
  void ShowPrompt();
  void ShowDistrictAnswer();
  // The per-contest check and store into rec; false stops the store.
  bool CheckPrompt(TContestListRec& rec, bool checks);
  bool WriteRecords();
  void Reload();
  void ShowTotals();
  void Fail(QWidget* control, const char* text);
  void DateEntered(int which);
  void DateLeft(int which);
  void LookUpMemberNumber();
  void ShowCategoryPeriod();
  // Only the class's modes can be chosen; when the ticked one is not among them, the first
  // that is takes its place, so the log starts in a mode of the class.
  void EnableClassModes();
  bool IsLdk() const;
  bool IsArea() const;

  bool existing_;
  bool review_;
  bool filling_ = false;
  TContestCode code_;
  TdbContest& list_;
  TdbContest& config_;
  TContestRec& def_;
  std::array<std::string, 4> remembered_;
  std::vector<int> classNumbers_;  // the class number of each category button

 public:
  // Components, named as the window resource names them.
  TkvEdit *eName, *eDatumvon, *eDatumbis, *eZeitvon, *eZeitbis;
  TkvEdit *eCall, *eDOK, *eSWL, *ecname, *eStrasse, *eOrt, *ePLZ, *eLand, *eEMail, *eLoc;
  QLabel* leDOK;
  QPushButton* btnregeln;
  QGroupBox* eteilnahmeart;
  QButtonGroup* categories;
  QRadioButton *rcw, *rssb, *rFM, *rPR;
  QCheckBox *edatumauto, *ezeitauto, *eaktrsts, *eaktrstr, *eBandauto, *crstsnichtsperren,
      *cdoppelqso, *cPrefixmenue;
  TkvEdit *eQSLw, *eqslr;
  QGroupBox* groupZeit;
  QRadioButton *rZeitOrt, *rZeitUTC;
  std::array<QLabel*, 7> bandCaption, bandQso, bandMulti, bandPunkte;
  QLabel* lMultiHeading;
  QLabel *lTotal, *lQsoTotal, *lMultiTotal, *lPunkteTotal, *lScore;
  QPushButton *btnAbbruch, *btnOK, *btnHilfe, *btnstart, *btnDruck;
  // The per-contest prompts.
  QGroupBox* groupZusatz;
  QLabel *Label15, *Label16;
  TkvEdit* eJahre;
  QGroupBox* GroupFrage;
  QLabel* Label4;
  QRadioButton *eHMja, *eHMnein;
  QGroupBox* GroupZusatz2;
  QRadioButton *rZusatz21, *rZusatz22, *rZusatz23;
  QGroupBox* groupzusatz3;
  QPlainTextEdit* memogroupzusatz3;
  QCheckBox *checkboxgroupzusatz3, *checkboxgroupzusatz3_2;
  QLabel* lgroupzusatz3;
  TkvEdit* egroupzusatz3;
  QGroupBox* groupboxdatum;
  TkvEdit* edatum;
};
