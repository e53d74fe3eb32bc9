#pragma once
// The dialog "QSO ändern": one QSO of the log in edit fields. It shows and reads back the
// controller's data record; however it is closed, the edit is taken over.

#include <QDialog>
#include <array>
#include <memory>

struct TEingabeStd2Data;
class QComboBox;
class QLabel;
class TkvBitBtn;
class TkvEdit;

class TContestEingabeStd2Form : public QDialog {
  Q_OBJECT
 public:
  explicit TContestEingabeStd2Form(QWidget* parent = nullptr);
  ~TContestEingabeStd2Form() override;

  // The data shown; a close that would change the call, date or time into what cannot
  // be stored is refused against them.
  void DataToFields(const TEingabeStd2Data& data);
  // Completes the typed date and time, then copies the fields back (the chosen entries of
  // both lists as texts, the emode text only when emode shows).
  void FieldsToData(TEingabeStd2Data& data);

  TkvEdit *eCall = nullptr, *eDatum = nullptr, *ezeit = nullptr;
  QLabel* lnummer = nullptr;
  std::array<TkvEdit*, 4> eRSTs{};  // eRSTs1..eRSTs4
  std::array<TkvEdit*, 4> eRSTr{};  // eRSTr1..eRSTr4
  QLabel* lerstr = nullptr;
  TkvEdit *eQSLw = nullptr, *eqslr = nullptr;
  QComboBox* combomode = nullptr;
  TkvEdit* emode = nullptr;
  TkvEdit* eMulti = nullptr;
  QLabel* lemulti = nullptr;
  TkvBitBtn* btnHoleDXCC = nullptr;
  QComboBox* comboband = nullptr;
  TkvEdit *eFreq = nullptr, *eName = nullptr, *eQTH = nullptr, *eCall2 = nullptr;
  QLabel* lcall2 = nullptr;
  TkvBitBtn* BitBtn1 = nullptr;

  // Handlers.
  void combomodeChange();
  void combobandChange();
  void eFreqExit();
  void btnHoleDXCCClick();

 protected:
  void done(int result) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Build();
  std::unique_ptr<TEingabeStd2Data> loaded_;
  bool bandBusy_ = false;
  QString shownFrequency_;  // the text eFreq got, so that an untouched one reads back exactly
  float loadedFrequency_ = 0;
};
