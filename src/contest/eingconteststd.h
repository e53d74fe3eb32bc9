#pragma once
// The contest configuration dialog: a contest log is created, configured before its start
// and reviewed after the log window closed.

#include "contest/contestrec.h"

class TdbContest;
class QWidget;

class TEingContestStd {
 public:
  // Loads the definition of the code into the list controller's copy, shows the dialog
  // and returns the list table's current record position when it was left with
  // "Contest starten", else 0.
  // The dialog belongs to owner, else to the active window, so that the keyboard focus
  // goes back there when it closes.
  static int Run(bool existing, bool review, TContestCode code, TdbContest& listTable,
                 TdbContest& configTable, QWidget* owner = nullptr);

  // The print and export menu behind "Drucken / E-Log", run after the contest was
  // stored; registered by the output dispatcher, nothing happens while none is.
  using TOutputMenu = void (*)(TdbContest& listTable, TdbContest& configTable);
  static TOutputMenu OutputMenu;

  // Stores the summary of a log saved to since its summary was stored (its program ended
  // without the close) before the dialog of the contest shows it or exports from it;
  // registered by the log at start-up.
  using TRecalcTotals = bool (*)(const TContestRec& def, TdbContest& listTable,
                                 TdbContest& configTable);
  static TRecalcTotals RecalcTotals;
};
