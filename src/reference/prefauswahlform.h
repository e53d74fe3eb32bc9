#pragma once
// The window "Auswahl DXCC": the candidate entities of a prefix as of the QSO date, one
// row each (at most 30); arrow keys, click, double click and the take-over button choose.

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

#include "foundation/recordbuf.h"

class QFrame;
class QLabel;
class QLineEdit;
class TkvBitBtn;
struct TPrefQso;

class TPrefAuswahl : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kMaxRows = 30;

  TPrefAuswahl(const std::string& prefix, int32_t qsoDate, const TPrefQso* qso,
               QWidget* parent = nullptr);

  int RowCount() const { return int(rows_.size()); }
  int Selected() const { return selected_; }  // row number 1.., 0 none
  void SelectRow(int number);
  // The taken entry, refreshed as of the QSO date (set when the result is 1).
  const std::optional<TRecord>& Chosen() const { return chosen_; }
  // The texts of a row: DXCC, country, remark, WAZ, ITU.
  std::vector<QString> RowTexts(int number) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void reject() override;

 private:
  struct TRow {
    int Number = 0;
    QFrame* Panel = nullptr;
    std::vector<QLabel*> Labels;
  };
  void FillRows();
  void TakeSelected();
  int RowOf(QObject* o) const;

  std::string prefix_;
  int32_t date_;
  std::vector<TRow> rows_;
  int selected_ = 0;
  QLineEdit* edit_ = nullptr;
  TkvBitBtn* take_ = nullptr;
  TkvBitBtn* cancel_ = nullptr;
  std::optional<TRecord> chosen_;
};
