#pragma once
// The pop-up menu behind "Drucken / E-Log" of the configuration dialog: the printed logs
// and export files a contest's organiser accepts. Which entries are enabled is a property
// of the contest definition.

#include <QPoint>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QMenu;
class TdbContest;
struct TContestRec;

namespace outputmenu {

struct TEntry {
  const char* Name;  // object name of the menu item
  std::string Caption;
  uint8_t Job;
  bool Enabled;
  bool SeparatorAfter;
};

// The 14 entries in the order of the menu, enabled by the definition's output items.
std::vector<TEntry> Entries(const TContestRec& def);

// Runs the job of a menu entry; the ADIF export is preceded by a notice about whether
// the organiser accepts ADIF files.
void RunEntryJob(uint8_t job, const TContestRec& def, TdbContest& listTable,
                 TdbContest& configTable);

// The hook of the configuration dialog: pops the menu up at the active dialog's print
// button and runs the chosen job on the current contest definition.
void ShowOutputMenu(TdbContest& listTable, TdbContest& configTable);

// How the menu is shown: the real one runs it at the position; tests choose an action.
using TMenuRunner = std::function<QAction*(QMenu&, const QPoint&)>;
void SetMenuRunner(TMenuRunner runner);

}  // namespace outputmenu

namespace output {
// Makes the export writer and registers the output menu with the configuration dialog.
void Start();
void Stop();
}  // namespace output
