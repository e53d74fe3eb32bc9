#pragma once
// The controller of the dialog "QSO ändern": a QSO of the log loaded into a plain data
// record, the dialog on that record, and the changes written back into the QSO with the
// exchange parts interpreted by the contest's kinds, the points computed again and the
// answer whether the log's multipliers and score must be recounted.

#include <array>
#include <string>
#include <vector>

#include "contest/contestrec.h"
#include "log/contlogalle.h"
#include "tables/contestrecs.h"

class QWidget;
class TdbContest;

// What the dialog shows and edits, for one run.
struct TEingabeStd2Data {
  std::string Call, Datum, Zeit;
  std::array<std::string, 4> Row1, Row2;  // eRSTs1..4, eRSTr1..4
  std::string Multi, MultiCaption;
  std::string Name, Qth, Call2;
  std::string ModeText;           // emode, contests with digital modes
  std::array<bool, 3> Enabled{};  // eRSTr2..4
  bool Call2Visible = false;
  std::string NumberLabel, RstrCaption;
  float Frequency = 0;
  bool Digital = false;
  std::vector<std::string> Modes;
  int ModeIndex = -1;
  std::vector<std::string> Bands;
  int BandIndex = -1;
  std::string ChosenBand, ChosenMode;  // filled when the window closes
  char QslSent = 0, QslRcvd = 0;

  bool operator==(const TEingabeStd2Data&) const = default;
};

// The field of an edit that cannot be stored as it stands.
enum class TEditFault { kNone, kCall, kDate, kTime };
// A call the log's entry would refuse, a date or a time that cannot be read; each only
// when changed from what was loaded, so a QSO keeps what it had. The first in the order
// of the fields.
TEditFault EditFault(const TEingabeStd2Data& edited, const TEingabeStd2Data& loaded);
// The warning of a fault ("Ungültiges Rufzeichen", ...); empty for none.
const char* EditFaultText(TEditFault fault);

class TContestEingabeStd2Ctrl {
 public:
  // enabled: whether received fields 2, 3, 4 may be edited (the log window passes the
  // visibility of its own). The tables and the definition belong to the caller; the QSO
  // is the QSO table's working record, its current record the one rewritten.
  TContestEingabeStd2Ctrl(QWidget* owner, TContLogAlle::TQsoPointsFn points, TContLogAlle& alle,
                          std::array<bool, 3> enabled, TdbContest& listTable, TdbContest& qsoTable,
                          const TContestRec& def);

  // Load, show, apply; true when the window closed with OK, which every close does.
  bool Execute();
  // Set by Apply when the log's multipliers and score must be counted again.
  bool RecountNeeded() const { return recount_; }

  // The steps apart, for the callers that fill the window themselves.
  TEingabeStd2Data Load();
  // False when the data hold a fault or the rewrite of the QSO was refused (reported;
  // the QSO is as before). Nothing is written when the data equal what Load gave.
  bool Apply(const TEingabeStd2Data& data);
  const TEingabeStd2Data& Loaded() const { return loaded_; }

 private:
  void StoreReceivedFields(const std::array<std::string, 4>& parts, TContestQSORec& rec) const;
  bool MultipliersChanged(const TContestQSORec& after) const;
  char Code() const;

  QWidget* owner_;
  TContLogAlle::TQsoPointsFn points_;
  TContLogAlle& alle_;
  std::array<bool, 3> enabled_;
  TdbContest& listTable_;
  TdbContest& qsoTable_;
  TContestRec def_;
  TContestQSORec before_;
  TEingabeStd2Data loaded_;
  bool recount_ = false;
};
