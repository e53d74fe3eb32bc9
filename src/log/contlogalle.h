#pragma once
// The logic that the log window and the QSO edit dialog share: point rules, dupe checks,
// multiplier engine, member lists, entry navigation and the shared helpers of the log.
// Each log window and each QSO edit dialog owns one object. The operations are grouped
// by what they do, each group implemented in files of its own.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "contest/contestrec.h"

class TContLogAlle {
 public:
  TContLogAlle();
  ~TContLogAlle();
  TContLogAlle(const TContLogAlle&) = delete;
  TContLogAlle& operator=(const TContLogAlle&) = delete;

  // ---- Point rules --------------------------------------------------------------------

  // ---- Value tests of the multiplier kinds --------------------------------------------

  // ---- Member and special-station lists -----------------------------------------------

  // ---- Text helpers -------------------------------------------------------------------

  // ---- Dupe checks --------------------------------------------------------------------

  // ---- Multiplier engine --------------------------------------------------------------

  // ---- Data helpers: preview, call book, serials, points pass -------------------------

  // ---- Window helpers and opening of the log ------------------------------------------
  // (Types of the windows are named with their class keyword: this header stays free of
  // the window headers.)

  // Where a tool window was left: left, top, width, height; width 0 = never placed.
  struct TWindowPlace {
    int Left = 0, Top = 0, Width = 0, Height = 0;
  };

  // Creates the table object on the log's QSO file, opens the call list, empties the
  // reference fields of every band-change line; true when the log has a last record in
  // "CMulti" (the table then stands on it).
  bool OpenQsoLog(class TdbContest*& table, int32_t contestNumber);
  // Opens the QSO list on the table in "Nummer", from 1 to 999999999, without search
  // field, toolbar or sort selector.
  void OpenLogList(class TkvBrow& brow, int layoutNr, class TdbContest& table);
  // The list goes to the band's QSO with the highest internal band serial; the table's
  // working record is then cleared with no date and no time.
  void GotoLastQsoOfBand(char band, class TkvBrow& brow, class TdbContest& table);
  // The rewrite of the list and configuration records, the close of the call list and
  // the free of the QSO table at the close of the log window.
  void CloseLogFiles(class TdbContest*& qsoTable, class TdbContest& listTable,
                     class TdbContest& configTable);

  // The special Enter moves of the entry panel; false when none applies.
  bool EnterJump(class QWidget* form, class QWidget* sender, class QWidget* dateField,
                 class QWidget* timeField, class QWidget* qthField, bool swlLog,
                 class QWidget* rstR1, class QWidget* rstR2, class QWidget* rstR3,
                 class QWidget* rstR4);
  // The general Enter move in tab order among the edits of the entry panel.
  void MoveToNextField(class QWidget* sender, class QWidget* form, class QWidget* extraControl,
                       class QWidget* secondPanel, class QWidget* entryPanel);
  // Entry mode (navy, "Contest-Logbuch") or list mode (red, with the way back).
  void SetLogCaption(bool entryMode, class QLabel* caption, class QWidget* captionPanel,
                     bool logListHidden, bool clusterShown,
                     const std::vector<class QWidget*>& entryControls,
                     const std::vector<class QWidget*>& listControls);
  // The call field's key filter: '#' appends "/p" once and acts as Enter (true); '0'
  // becomes the slashed zero where the field and the settings allow it.
  bool CallKeyFilter(char& key, class QWidget* sender);
  // Labels tied to a field: maroon or red ones of other fields back to teal; the labels
  // of the given field red (or maroon for the focus mark).
  void ResetLabelColours(class QWidget* form);
  void MarkFieldLabels(class QWidget* form, class QWidget* field, bool red);
  // The "QSL senden" flag with its label.
  static void ToggleQsl(char& flag, class QLabel* button);
  // Date and time of the entry from the clock where the list record asks for them.
  void SetAutoDateTime(class TdbContest& listTable, class TdbContest& qsoTable, bool force,
                       class TkvEdit* timeField, class TkvEdit* dateField);
  // Runs a tool window modally where it was left last time and remembers its place.
  int RunModalRemembered(TWindowPlace& place, class QDialog& window, class TdbBase* table);
  // Widens a container's children (edits and panels also in width) by the factor.
  static void ScaleHorizontally(class QWidget* container, double factor);
  // Hands the key Enter to the focused edit of the form.
  static void SimulateEnter(class QWidget* form);
  // The name of the contest's notes file: the characters of the contest name that are
  // allowed in file names, and ".TXT".
  static std::string NotesFileNameOf(const std::string& contestName);
  // Opens the contest's notes; true when the editor ran.
  bool NotesFileName(class TdbContest& listTable, class TdbContest& qsoTable);
  // Mouse-over highlight of the menu labels of a panel.
  static void HighlightMenuLabel(class QObject* sender, class QWidget* container);
  // The help of the program.
  static void ShowHelp();
  // Column widths of the log window's lists: kind 0 the QSO list (list record), 255 the
  // cluster list (layout settings, one row per sort key).
  void StoreColumnWidths(class TkvBrow& brow, int listKind, class TdbContest& listTable,
                         bool scale);
  int GetColumnWidth(int column, class TkvBrow& brow, int listKind, class TdbContest& listTable,
                     bool scale);

 private:
  // ---- State of the member lists ------------------------------------------------------

  // ---- State of the preview: the call resolved last, the DXCC choice ------------------

  // ---- State of the window helpers ----------------------------------------------------
};
