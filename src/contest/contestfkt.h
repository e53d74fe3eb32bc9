#pragma once
// The contest functions of the program: the definition of a contest log and the
// exchange text of a QSO. One process-wide object, oContestFkt, made by the start-up.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "contest/contestrec.h"

class QWidget;
class TRecord;
class TdbContest;

// Opens the log window of a contest modally: main window, contest number, definition,
// configuration table, list table. Registered by the log window's subsystem.
using TContestLogRunner =
    std::function<void(QWidget*, int32_t, TContestRec&, TdbContest&, TdbContest&)>;

class TContestFkt {
 public:
  virtual ~TContestFkt() = default;

  // See contestload.h: false only when existing is set and the list record could not
  // be written back.
  bool LoadContestDefinition(TContestRec& def, TdbContest& contestTable, TContestCode code,
                             bool existing) const;

  // The exchange of a contest QSO record as one text, and a text back into its parts.
  std::string SentExchangeText(const TRecord& qso) const;
  std::string ReceivedExchangeText(const TRecord& qso) const;
  void SplitSentExchange(std::string_view text, TRecord& qso) const;
  void SplitReceivedExchange(std::string_view text, TRecord& qso) const;

  // The display title of a code in double quotes and the path of its title bitmap in
  // the image directory; codes without an entry leave both as they are.
  void ContestTitleOf(TContestCode code, std::string& title, std::string& bitmapFile) const;
  // The identity of this edition: its contest code, version line, title bitmap name
  // and the maker's notice line.
  void GetEdition(TContestCode& code, std::string& versionText, std::string& bitmapName,
                  std::string& noticeText) const;
  // The maker's home page and the update notes shown with the version.
  static std::string HomePage();
  static std::string UpdateNotes(std::string_view installed);
  // The image directory of the settings (with its trailing separator when set).
  std::string ImageDirectory() const;

  // Runs the configuration dialog; code '\0' shows nothing and answers 0. The position
  // of the list record when the dialog was left with "Contest starten", else 0. The dialog
  // belongs to owner (the active window when none is given).
  int ConfigureContest(TContestCode code, bool existing, TdbContest& configTable,
                       TdbContest& listTable, bool review, QWidget* owner = nullptr) const;
  // Makes sure the contest of a list entry (listRef > 0: that record, else the list
  // table's current one) has its configuration record; false when it could not be added.
  bool EnsureContestConfig(int32_t listRef, TdbContest& listTable, TdbContest& configTable) const;
  // Deletes a contest log after two questions: its QSO log, its configuration record,
  // its list record, in this order, stopping at the first failure with an error shown.
  // True when the contest is gone.
  bool DeleteContest(TdbContest& listTable, TdbContest& configTable, int32_t listRef) const;
  // Opens the log window for the list table's current record when its code is set.
  void RunContestLog(QWidget* mainForm, TContestRec& def, TdbContest& configTable,
                     TdbContest& listTable) const;
  static void SetContestLogRunner(TContestLogRunner runner);
  // The notes of a contest: a stamped line is put on top of the file, then the editor
  // opens where it was left last time (kept in the list record).
  void EditContestNotes(const std::string& fileName, TdbContest& listTable,
                        TdbContest& qsoTable) const;
  // Opens the organiser's rules (address or local PDF), else the rules document.
  void ShowContestRules(TContestCode code) const;
  // What ShowContestRules opens: the address or found PDF (empty: none) and the path of
  // the rules document.
  struct TRulesTarget {
    std::string Link;
    std::string Document;
  };
  TRulesTarget RulesTarget(TContestCode code) const;
};

extern TContestFkt* oContestFkt;
