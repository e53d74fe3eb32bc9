#pragma once
// The controller behind the main window's list of contest logs. Its creation brings the
// settings, the logbook project, the prefix files and the contest files to life; its
// destruction saves the settings and ends the database. It lists only the contests of
// the edition's code and runs the roads of the main window: new, edit, start, review and
// delete. It holds the one contest definition the configuration dialog and the log
// window work on.

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

#include "browser/datenbrowctrl.h"
#include "contest/contestrec.h"

class QWidget;
class TdbContest;
class TdbPrefix;

// The controller could not bring its files to life; the error has been shown and the
// program ends with a non-zero exit code.
class EContestStart : public std::runtime_error {
 public:
  explicit EContestStart(const std::string& message) : std::runtime_error(message) {}
};

class TContestBrowCtrl : public TDatenBrowCtrl {
 public:
  // Neither is owned. The database must have been started (dbbase::InitDatabase).
  // Raises EContestStart, after showing the error, when the settings file or the
  // project files cannot be opened.
  TContestBrowCtrl(TkvBrow* browser, QWidget* mainWindow, TContestCode code);
  ~TContestBrowCtrl() override;

  void BuildRow(RowRec& row) override;
  void SetHeaderFooter() override;
  void InitSortList() override;
  int SortList2Key(int i, TKeyStr& lowKey, TKeyStr& highKey) override;

  // The roads of the main window. position: the browser's record reference of a list
  // record (CurrentRef), not the contest number.
  // The version notice, then the configuration dialog for a new contest: the position
  // of the new list record when it was left with "Contest starten", else 0.
  int NewContest();
  // Configures an existing contest; true when the dialog was left with "Contest starten".
  bool EditContest(int32_t position);
  // Runs the log window of the contest and reloads both tables afterwards. False when
  // the contest's configuration record was missing and could not be made (reported).
  bool StartContest(int32_t position);
  // The configuration dialog in review mode on the current list record.
  void ReviewContest();
  // The advert window of other programs: not part of this program (its button stays
  // hidden); does nothing.
  void ShowOtherPrograms();
  // The delete road of the delete button and the Delete key: two questions, then the
  // QSO log, the configuration record and the list record. True when all were deleted.
  bool DeleteContest(int32_t position);

  TContestCode Code() const { return code_; }
  QWidget* MainWindow() const { return mainWindow_; }
  TdbContest& ListTable() { return *listTable_; }
  TdbContest& ConfigTable() { return *configTable_; }
  TContestRec& Definition() { return *def_; }

 private:
  TdbContest& RowTable();
  void WireBrowser();
  // Frees the tables and closes the prefix files.
  void CloseFiles();
  void PositionOnNewest();

  TContestCode code_;
  QWidget* mainWindow_;
  std::unique_ptr<TdbContest> rowTable_;
  std::unique_ptr<TdbContest> listTable_;
  std::unique_ptr<TdbContest> configTable_;
  std::unique_ptr<TContestRec> def_;
  bool settingsOpen_ = false;
  bool projectsOpen_ = false;
  bool prefixOpen_ = false;
};
