#pragma once
// The list window of the log's QSOs in three views: the correction list (every QSO in
// number order), the call search (the QSOs of one call) and the band list (the QSOs of one
// band). Rows, header, edit and delete are those of the log window's own QSO list.

#include <QDialog>
#include <memory>

#include "contest/contestrec.h"

class QLabel;
class QListWidget;
class TContestLogStd;
class TdbContest;
class TkvBrow;
class TkvEdit;

class TKorrekturstd : public QDialog {
  Q_OBJECT
 public:
  enum TView { kCorrection = 0, kCallSearch = 1, kBandList = 2 };

  // Opens its own table on the log of the list record's contest and the list on it (the
  // search or the band pick first, in those views); the list ends on its last QSO.
  TKorrekturstd(TContestLogStd& owner, int view, char currentBand, TdbContest& listTable,
                const TContestRec& def);
  ~TKorrekturstd() override;

  int View() const { return view_; }
  TkvBrow* Brow = nullptr;

  // Browser events.
  void BrowBrowEnter();
  bool BrowDatensatz_Loeschen();
  int BrowBrowColWidths(int column);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void FormCreate();
  // The column widths into the contest list record.
  void FormDestroy();
  // The band the pick dialog leaves selected (also when it was cancelled).
  char PickBand();

  TContestLogStd& owner_;
  int view_;
  char currentBand_;
  TdbContest& listTable_;
  TContestRec def_;
  std::unique_ptr<TdbContest> qsoTable_;
};

// The search dialog of the call search: the typed call narrows the list to its QSOs.
class TSucheQE_ : public QDialog {
  Q_OBJECT
 public:
  // keyFive: search in the DXCC key instead of the call key.
  explicit TSucheQE_(TkvBrow& owner, bool keyFive = false, QWidget* parent = nullptr);
  TkvEdit* eSuche = nullptr;
  void btnendeho3Click();

 private:
  TkvBrow& brow_;
  bool keyFive_;
};

// The band pick of the band list.
class Tstdband : public QDialog {
  Q_OBJECT
 public:
  explicit Tstdband(QWidget* parent = nullptr);
  QListWidget* listband = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

// While a correction list is open it is reachable here (null otherwise).
extern TKorrekturstd* Korrekturstd;
