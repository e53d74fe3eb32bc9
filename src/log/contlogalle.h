#pragma once
// The logic that the log window and the QSO edit dialog share: point rules, dupe checks,
// multiplier engine, member lists, entry navigation and the shared helpers of the log.
// Each log window and each QSO edit dialog owns one object. The operations are grouped
// by what they do, each group implemented in files of its own.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "contest/contestrec.h"

class TdbContest;
class TdbContestBase;
class TContestQSORec;
class TContestListRec;
class TFortschrittWinCtrl;

class TContLogAlle {
 public:
  TContLogAlle();
  ~TContLogAlle();
  TContLogAlle(const TContLogAlle&) = delete;
  TContLogAlle& operator=(const TContLogAlle&) = delete;

  // ---- Point rules --------------------------------------------------------------------

  // The points of the QSO table's working record under the contest code of the list
  // table's working record: 0 for a QSO with the zero-points mark, a call under three
  // characters or a code without a rule; always within 0..65535. The log-reading rules
  // open a second table object on the QSO log, so the QSO table keeps its position.
  int CalcQsoPoints(const TContestRec& def, const TdbContestBase& listTable,
                    const TdbContestBase& qsoTable);

  // The tests the rules share.
  static bool IsClubStation(std::string_view call);
  // The QSO's DOK is the own DOK of the contest log (never for an empty own DOK).
  static bool IsOwnDok(const TContestQSORec& qso, const TContestListRec& list);
  // The QSO's DOK was logged in another QSO: the first QSO of the log with this DOK
  // (in key order) is not this one.
  static bool CompareStoredQso(const TdbContestBase& qsoTable);
  static bool IsHomeDok(const TContestRec& def, const TContestQSORec& qso);
  static bool IsHomeDistrictDok(const TContestRec& def, const TContestQSORec& qso);
  // The received exchange split as the rules read it (see SplitExchangeText).
  static void SplitExchangeFields(std::string_view text, std::string& rst, std::string& f1,
                                  std::string& f2, std::string& f3);
  // The ring of squares between two locators: 1 the same square, 2 a neighbour ...; 0
  // when a locator has fewer than four characters.
  static int SquareRingDistance(std::string_view a, std::string_view b);
  // 1 when the QSO opened its locator square on its band, 0 when the square was worked
  // there before or the QSO is not stored yet.
  static int IsNewSquareOnBand(const TdbContestBase& qsoTable);

  // ---- Value tests of the multiplier kinds --------------------------------------------

  // What the log knows of one multiplier kind: the captions that stand for it, the keys
  // its values are walked in, the width of a value in those keys and in the lists, and
  // the ordered searches of the QSO log that find a value in them.
  struct TMultiKind {
    uint8_t Kind = 0;
    const char* Names[6] = {};  // ended by nullptr
    int LogKey = 0;             // walked over the whole log
    int BandKey = 0;            // walked per band
    int Width = 0;              // of the value in the keys
    int ListWidth = 0;          // of an entry of the multiplier lists
    bool (TdbContest::*LogSearch)(std::string_view, bool) = nullptr;
    bool (TdbContest::*BandSearch)(std::string_view, bool) = nullptr;
  };
  // nullptr for a number that is no kind with a value (the modifiers 3, 8, 9, 14, 17, 21).
  static const TMultiKind* MultiKindOf(int kind);
  // The value of the kind that a QSO carries (empty for a kind without a value).
  static std::string MultiValueOf(int kind, const TContestQSORec& qso);
  // The caption of multiplier column 1..3 stands for the kind.
  static bool MultiKindMatches(int kind, int column, const TContestRec& def);

  static bool IsValidDok(std::string_view dok, const TContestRec& def,
                         const TdbContestBase& listTable);
  static bool IsValidDistrict(std::string_view value, const TContestRec& def,
                              const TdbContestBase& listTable);
  static bool IsValidCallMulti(std::string_view call, const TContestRec& def,
                               const TdbContestBase& listTable);
  // A Holyland area; contests other than 'H' take any DOK-like text.
  static bool IsValidArea(std::string_view area, const TdbContestBase& listTable);
  static bool IsDokLikeText(std::string_view text, const TdbContestBase& listTable);
  // The received exchange of the QSO table's working record names the member list.
  static bool IsMemberListEntry(const TContestRec& def, const TdbContestBase& qsoTable);
  // The member test of a multiplier: passed when the contest has no member list.
  static bool PassesMemberTest(const TContestRec& def, const TdbContestBase& qsoTable);
  static bool FailsMemberTest(const TContestRec& def, const TdbContestBase& qsoTable);
  // Added to 1 for a new multiplier of the kind that this QSO brings.
  static int MultiplierWeight(int kind, const TContestQSORec& qso, const TContestRec& def,
                              const TdbContestBase& listTable);

  // ---- Member and special-station lists -----------------------------------------------

  // The member lists lie in the seventh directory of the settings; list 2 serves only the
  // second list of a contest that has two. Each list is loaded once, on first use, and
  // keeps the lines added while the window is open; the files are never rewritten.
  // True only when this call loaded the file.
  bool OpenMemberList(const std::string& fileName, int listNo);
  // Index of the first line whose first column is the call's base form; -1 when none.
  int FindInMemberList(const std::string& fileName, std::string_view call, int listNo);
  // Some line of "dsw.csv" has the value in its fourth column.
  bool FindInDswList(std::string_view value);
  // Appends "call;...;value" (value in the given column) for a call not listed yet.
  void AddToMemberList(std::string_view value, const std::string& fileName, int listNo, int column,
                       std::string_view call);
  // Column 1..5 of line index of a list, trimmed; empty past the end.
  std::string MemberListColumn(int listNo, int index, int column) const;
  // Fills the received exchange of the QSO table's working record from the call book,
  // the call data and the contest's member list; the locator the call book knows.
  std::string FillFromMemberLists(const TContestRec& def, const TdbContestBase& listTable,
                                  TdbContestBase& qsoTable);
  // Puts the value into the received field of the kind (and into Call2) of the QSO
  // table's working record.
  static void SetReceivedField(std::string_view value, int kind, bool alsoCall2,
                               const TContestRec& def, TdbContestBase& qsoTable);

  // ---- Text helpers -------------------------------------------------------------------

  // The exchange as the entry panel shows it: the report (characters 1-3), field 1, and
  // fields 2 and 3 each after a '/'.
  static void SplitExchangeText(std::string_view text, std::string& rst, std::string& f1,
                                std::string& f2, std::string& f3);
  static std::string JoinExchangeText(std::string_view rst, std::string_view f1,
                                      std::string_view f2, std::string_view f3);
  // On the call's base form: 0 a usual call, 1 no call (empty, or too short), 2 an
  // unusual but real call (two leading digits, three leading letters). Only 1 makes a
  // QSO invalid.
  static uint8_t IsCallValid(std::string_view call);
  static bool IsGermanCall(std::string_view call, const TdbContestBase& listTable);
  static std::string PrefixOfCall(std::string_view call);
  // Rounded km from the own station's locator; 0 when either locator is unusable.
  static int DistanceFromOwnLocator(std::string_view locator);
  // The text when it is exactly the postal code of a US state or "DC", else empty.
  static std::string UsStateCode(std::string_view text);
  // The place of a band in the per-band tallies: #1 for all bands when folded.
  static char TallyIndex(char band, uint8_t bandMode, bool fold);

  // ---- Dupe checks --------------------------------------------------------------------

  // Whether the call was worked before in the scope of the definition's DupeScope. The
  // QSO being entered is not stored yet; of qsoTable only the contest number and, for the
  // marking scopes, the working record (the QSO being entered) are used. Byte results:
  // 0 accepted, 1 refused, 2 accepted and marked without a message, 3 accepted and marked
  // (warned unless the QSO carries the mark already). The Boolean checks refuse with
  // false. A warning follows the system beep; quiet shows none, as the validity check of
  // a stored QSO runs them. Calls are compared in their base form, and a search that
  // fails counts as "not found".
  static uint8_t DupeBandMode(std::string_view call, char band, const TdbContestBase& qsoTable,
                              const TContestRec& def, std::string_view mode, bool quiet = false);
  static uint8_t DupeBand(std::string_view call, char band, char contestCode,
                          const TdbContestBase& qsoTable, const TContestRec& def,
                          bool quiet = false);
  static bool DupeMode(std::string_view call, std::string_view mode, const TdbContestBase& qsoTable,
                       const TContestRec& def, bool quiet = false);
  // time: seconds of the day.
  static bool DupeBandPeriod(std::string_view call, char band, char contestCode,
                             const TdbContestBase& qsoTable, const TContestRec& def, int32_t time,
                             bool quiet = false);
  // date: day number.
  static bool DupeBandDay(std::string_view call, char band, char contestCode,
                          const TdbContestBase& qsoTable, const TContestRec& def, int32_t date,
                          bool quiet = false);
  static uint8_t DupeLog(std::string_view call, const TContestRec& def,
                         const TdbContestBase& qsoTable, bool quiet = false);

  enum class TDupeAction { kAccept, kRefuse, kMark };
  // The checks in the order the call check runs them, for the working record of qsoTable,
  // each only while the QSO is still accepted. kMark: the working record got the
  // zero-points mark (255), so the dupe scores nothing.
  static TDupeAction CheckDupes(TdbContestBase& qsoTable, char contestCode, const TContestRec& def,
                                bool quiet);

  // ---- Multiplier engine --------------------------------------------------------------

  // The multiplier lists of the log window, one per kind 1..100: up to 500 entries of up
  // to 8 characters, an entry with an empty text ends a list.
  struct TMultiEntry {
    std::string Text;
    uint8_t Mark = 0;  // 0 none, 1 new, 2 worked before
  };
  static constexpr int kMultiListLength = 500;
  using TMultiList = TArray1<TMultiEntry, kMultiListLength>;
  using TMultiLists = TArray1<TMultiList, 100>;
  // What a walk by column adds up: the multipliers per column 1..3 and the QSOs walked.
  struct TColumnCounts {
    TArray1<uint16_t, 3> Column;
    uint16_t Qsos = 0;
  };

  // Whether the value is accepted as a multiplier of the kind for the QSO in qsoTable's
  // working record. previous: the value counted last by a walk (empty otherwise); strict:
  // the value must be the one written as the QSO's multiplier (kinds 15, 16, 19);
  // modeText: the mode letters a walk met for the value so far.
  bool IsNewMultiplier(int kind, std::string_view value, const TdbContestBase& qsoTable,
                       const TdbContestBase& listTable, bool strict, std::string_view modeText,
                       const TContestRec& def, std::string_view previous);
  // Walks the log of qsoTable's contest for one kind, per band or over the whole log as
  // the band mode says, in a table object of its own. With a sought value: 1 when a QSO
  // on the band carries it, counts and is not marked as a dupe, else 0. Without: the
  // multipliers of the kind, each new one counting 1 + its weight; fillLists writes the
  // values into the kind's list of lists (at most 500, the count goes on); byColumn adds
  // to the counters of the columns whose captions stand for the kind and, for kind 2,
  // counts the QSOs. bandText is empty from every caller. progress may be null.
  int CountMultipliers(int kind, char band, const TdbContestBase& qsoTable,
                       const TdbContestBase& listTable, std::string_view sought,
                       std::string_view bandText, const TContestRec& def, TMultiLists* lists,
                       bool fillLists, bool byColumn, TColumnCounts& counts,
                       TFortschrittWinCtrl* progress);

  // ---- Data helpers: preview, call book, serials, points pass -------------------------

  // The points of the QSO in a table's working record: CalcQsoPoints with the log's
  // definition and list table bound.
  using TQsoPointsFn = std::function<int(const TdbContestBase& qsoTable)>;

  // Resolves the prefix and DXCC of the QSO in qsoTable's working record and stores its
  // points; the record is set back as the working record. False when the call (3 or more
  // characters) names no entity at the QSO's date and the prefix is not the multiplier.
  // The DXCC choice is offered only when the list record asks for it and the call is not
  // the one resolved last.
  bool PreviewQso(TdbContestBase& qsoTable, const TdbContestBase& listTable,
                  const TQsoPointsFn& points, const TContestRec& def);
  // Name and QTH of the call from the call book; the name from the call data when the
  // call book has none. Both empty when nothing is known.
  static void LookupNameQth(std::string_view call, std::string& name, std::string& qth);
  // The next serials of a new QSO on the band in the mode: per mode, per band (internal
  // and sent) and, withRunning, the running one (left as it is otherwise). 1 each when
  // nothing was logged.
  static void NextSerialNumbers(bool withRunning, char band, const TdbContestBase& qsoTable,
                                int32_t& modeNumber, int32_t& internalBandNumber,
                                int32_t& bandNumber, int32_t& runningNumber, std::string_view mode);
  // The full points pass over the log in QSO-number order: every QSO's points computed
  // again (and rewritten where they changed), the QSOs and points per band code, the next
  // QSO number and the band of the last line. False when a rewrite failed.
  static bool RecountLogPoints(char& lastBand, const TQsoPointsFn& points, TdbContestBase& qsoTable,
                               int32_t& sessionQsoCount, int32_t& nextQsoNumber,
                               TArray1<int32_t, 255>& bandQsos, TArray1<int32_t, 255>& bandPoints);

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
  struct TMemberLists;
  TMemberLists& MemberLists();
  // Index of the first line whose column is the call's base form; -1 when none.
  int FindCallInColumn(const std::string& fileName, std::string_view call, int listNo, int column);
  std::shared_ptr<TMemberLists> memberLists_;  // made on first use

  // ---- State of the preview: the call resolved last, the DXCC choice ------------------
  std::string lastResolvedCall_;  // the DXCC choice is offered once per call

  // ---- State of the window helpers ----------------------------------------------------
};
