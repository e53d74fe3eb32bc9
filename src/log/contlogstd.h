#pragma once
// The contest log window: the entry panel of the QSO being typed, the score panel, the
// QSO list of the log and the button bar. One window class serves every contest code;
// InitContestLayout arranges it for the contest it was opened on. The QSO being typed is
// the working record of QsoTable; the entry fields are a view of it.

#include <QDialog>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "contest/contestrec.h"
#include "log/evalhooks.h"
#include "log/logentrytext.h"
#include "tables/contestrecs.h"

class QLabel;
class QListWidget;
class QTabBar;
class QTimer;
class QWidget;
class TContLogAlle;
class TContestLogState;
class TdbContest;
class TkvBitBtn;
class TkvBrow;
class TkvEdit;
class TkvPanel;
class TkvStatTabelle;
struct RowRec;
struct TKeyStr;

class TContestLogStd : public QDialog {
  Q_OBJECT
 public:
  // CreateLogForm: keeps the arguments (the definition as a copy) and builds the window
  // for the contest (FormCreate).
  TContestLogStd(int32_t contestNumber, TdbContest& configTable, TdbContest& listTable,
                 const TContestRec& def, QWidget* parent = nullptr);
  ~TContestLogStd() override;

  // --- window state ---------------------------------------------------------------------
  int32_t ContestNumber = 0;
  QWidget* MainWindow = nullptr;
  TContestRec ContestDef;
  TdbContest* ListTable = nullptr;
  TdbContest* ConfigTable = nullptr;
  TdbContest* QsoTable = nullptr;  // owned; freed by the close of the log files
  std::unique_ptr<TContLogAlle> LogCommon;
  // The tallies, multiplier lists and upkeep of the log that the window shows.
  std::unique_ptr<TContestLogState> LogState;
  char CurrentBand = 0;
  std::string CurrentBandName;
  std::string CurrentMode;
  int32_t LastQsoDate = -1;
  int32_t LastQsoTime = -1;
  float LastFrequency = 0;
  std::string LastName;
  std::string LastQth;
  bool EnterPressed = false;
  QWidget* LastFocused = nullptr;
  char QslSendFlag = 'N';
  int32_t NextSerial = 1;
  int32_t NextBandSerial = 1;
  int32_t NextBandSerialIntern = 1;
  int32_t NextModeSerial = 1;
  bool AutoTime = false;
  std::string EnterHint;
  // While a long job (the ADIF import) runs QSO after QSO, the score, the statistics, the
  // colours of the entry's labels and the list's place are shown once at its end, not
  // after every QSO.
  bool DisplaySuspended = false;

  // The contest code of the list record (byte 191) and the entry being typed.
  TContestCode ContestCode() const;
  TContestQSORec GetQsoRecord() const;
  void SetQsoRecord(const TContestQSORec& rec);

  // --- the per-contest layout -------------------------------------------------------------
  void InitContestLayout();

  // --- entry -----------------------------------------------------------------------------
  // leftField: the entry field being left, whose faulty DOK or locator is then warned
  // about; copies made by the clock or a band switch warn of nothing.
  void FieldsToRecord(const QWidget* leftField = nullptr);
  void RecordToFields();
  void ClearEntry(bool keep = false);
  void SwitchBand(char band, bool listOnly);
  // The score panel and the entry panel's statistics, from the log state.
  void ShowScore();
  void ShowStatistics();
  // The list's current QSO deleted (after the question), then a new entry.
  bool DeleteListQso(TkvBrow* list = nullptr);
  // The entry clock; also run once by the layout.
  void timerzeitTimer();

  // --- the road of one QSO: typing, the checks of a field left, the save ----------------
  // Handlers of the entry fields while they are typed into.
  void eCallChange();
  void eRSTr2Change(TkvEdit* field);
  void eNameChange();
  void emodeChange();
  void eFreqChange();
  // A key typed into a received field; true when it is dropped.
  bool eRSTr3KeyPress(TkvEdit* field, char key);
  void listmodeDblClick();
  void SwitchMode(const std::string& mode);
  // A field was left (it is passed: the focus has moved on when Qt says so).
  void eCallExit(TkvEdit* field);
  void CheckAndSave(TkvEdit* field);
  // The dupe chain with its messages; false when the QSO was refused (entry cleared).
  bool CheckDupe();
  void LookupEntryExtras();
  // notify: the DOK-Check notice may be shown (on Enter).
  bool IsQsoValid(bool notify = false);
  bool CheckFrequencyRange();
  // The caption over the call field again, in place of the last partner's name.
  void ShowPartnerCaption();
  // The call the call field was left with last.
  std::string LastCall;
  // Saves the entry; sender btnadifimport skips the clock step. False when nothing was
  // stored (the error was shown, the entry is kept as typed).
  bool btnSpeichernClick(QObject* sender = nullptr);

  // --- the close path: runs once, whatever closed the window -----------------------------
  void FormDestroy();
  bool Destroyed() const { return destroyed_; }

  // --- handlers ---------------------------------------------------------------------------
  void FormShow();
  void FormResize();
  // A key of the window (key preview); true when consumed.
  bool FormKeyDown(int key, Qt::KeyboardModifiers mods);
  void btnClearClick();
  void btnBandClick();
  void btnModeClick();
  void listbandApply();
  void btnListeClick();
  void BrowEnter();
  void panelEingabeEnter();
  void panelEingabeClick();
  void SwitchPanels(bool entry);
  void btnNameqthClick();
  void btnNotizClick();
  void btnHilfeClick();
  void btndefaultClick();
  void lQSLsClick();
  // The QSO edit of the list's current QSO (not of a band-change line), with the recount
  // the edit asks for; the list then stands on the changed QSO.
  void ChangeEntry(TkvBrow& list);
  // The correction list in its views (0 correction, 1 call search, 2 band list).
  void OpenCorrectionList(int view);
  void btnKorrekturClick() { OpenCorrectionList(0); }
  void btnCallsucheClick() { OpenCorrectionList(1); }
  void btnBandlisteClick() { OpenCorrectionList(2); }
  // Imports the QSOs of an ADIF file through the entry and the save road.
  void btnadifimportClick();
  void CloseLog();

  // --- the evaluations and the worked tables ---------------------------------------------
  // Where the evaluation windows stood when last closed; both share it.
  TEvalGeometry EvalGeometry;
  // The membership-age evaluation (codes 'P' and '5'; F11 and btnauswertung).
  void OpenMembershipEvaluation();
  // btnauswertung: the membership-age evaluation or, for 'W', the per-hour one.
  void btnauswertungClick();
  QLabel* lStatistik = nullptr;
  TkvStatTabelle* StatTabelle = nullptr;
  // Where the list leaves no room beside it, the worked tables share the list's place: a
  // tab at the list's foot switches between the two.
  QTabBar* tabListeStatistik = nullptr;

  // --- the QSO list ----------------------------------------------------------------------
  void BrowSetHeaderFooter();
  // The header of the QSO list on a browser of the log (this window's or another).
  void SetListHeader(TkvBrow& brow);
  void BrowBuildRow(RowRec& row);
  int BrowSortList2Key(int choice, TKeyStr& low, TKeyStr& high);

  // --- components -------------------------------------------------------------------------
  TkvPanel* panelSeite = nullptr;  // side panel with the menu label
  TkvPanel* panelObenUntergrund = nullptr;
  QLabel* Image2 = nullptr;
  QLabel* lversion = nullptr;
  QLabel* MenueBeenden = nullptr;
  TkvPanel* panelContLog = nullptr;
  QLabel* lContestCaption = nullptr;
  TkvPanel* panelEingabe = nullptr;
  TkvEdit *eCall = nullptr, *eCall2 = nullptr;
  std::array<TkvEdit*, 4> eRSTs{};  // eRSTs1..eRSTs4
  std::array<TkvEdit*, 4> eRSTr{};  // eRSTr1..eRSTr4
  TkvEdit *eDatum = nullptr, *ezeit = nullptr, *eFreq = nullptr, *eName = nullptr, *eQTH = nullptr,
          *emode = nullptr;
  QListWidget *listband = nullptr, *listmode = nullptr;
  QLabel *lNummer = nullptr, *leNummer = nullptr, *lband = nullptr, *leBand = nullptr,
         *lMode = nullptr, *leMode = nullptr, *lQSLs = nullptr, *rqsls = nullptr, *lbeam = nullptr,
         *lebeam = nullptr, *lenter = nullptr;
  QLabel *leCall = nullptr, *leCall2 = nullptr, *lersts = nullptr, *lerstr = nullptr,
         *lqsopartner = nullptr, *lcallname = nullptr, *leDatum = nullptr, *lezeit = nullptr,
         *leFreq = nullptr, *leName = nullptr, *leQTH = nullptr;
  QLabel *lCall = nullptr, *lDatum = nullptr, *lZeit = nullptr, *lRSTs1 = nullptr,
         *lRSTr1 = nullptr, *lRSTs2 = nullptr, *lRSTr2 = nullptr;
  std::array<QLabel*, 3> lRSTName{};  // lRST2Name..lRST4Name
  QLabel *leqso = nullptr, *lqso = nullptr, *lemulti = nullptr, *lmulti = nullptr,
         *lePunkte = nullptr, *lPunkte = nullptr, *imgLegende = nullptr;
  TkvPanel* panelmulties = nullptr;
  std::vector<QLabel*> MultiDisplayLabels;
  TkvPanel* Panel2 = nullptr;

  TkvPanel* panelButtons = nullptr;
  TkvBitBtn *btnClear = nullptr, *btnSpeichern = nullptr, *btnMode = nullptr, *btnBand = nullptr,
            *btnListe = nullptr, *btnKorrektur = nullptr, *btnCallsuche = nullptr,
            *btnHilfe = nullptr, *btnNotiz = nullptr, *btnNameqth = nullptr,
            *btnauswertung = nullptr, *btnbeenden = nullptr, *btndefault = nullptr,
            *btnadifimport = nullptr;
  QLabel *lglobcall1 = nullptr, *lglobcall2 = nullptr, *lglobcall3 = nullptr;

  TkvPanel* panelauswertung = nullptr;
  std::array<QLabel*, 7> lQSO{}, leQSO{}, lMulti{}, leMulti{}, lPunkteN{}, lePunkteN{};
  QLabel *Label10 = nullptr, *Label23 = nullptr, *Label11 = nullptr, *Label24 = nullptr,
         *Label27 = nullptr, *Label30 = nullptr, *Label19 = nullptr, *Label20 = nullptr,
         *Label21 = nullptr, *Label22 = nullptr, *Label28 = nullptr;

  TkvPanel* PanelUnten = nullptr;  // the log panel
  TkvBrow* Brow = nullptr;
  TkvBitBtn *btnAendern = nullptr, *btnLoeschen = nullptr, *btnBandliste = nullptr,
            *btnbeenden2 = nullptr;
  // Present and inert: the DX cluster and the radio control.
  TkvPanel* panelcluster = nullptr;
  TkvBrow* BrowCluster = nullptr;
  TkvPanel* panelclustertext = nullptr;
  TkvEdit* eclustertext = nullptr;
  TkvBitBtn *btnClustertextsenden = nullptr, *btnDXSpot = nullptr, *btnTX = nullptr,
            *btnStart = nullptr, *btnStop = nullptr, *btnMonitor = nullptr, *btndxalarm = nullptr,
            *btndxeinstellung = nullptr, *btncat = nullptr, *btnkarte = nullptr;
  QWidget *radiounten = nullptr, *CheckBox1 = nullptr;
  QTimer *timerzeit = nullptr, *TimerCAT = nullptr, *TimerCATUeberwachung = nullptr;

  // The entry fields in tab order (for the Enter moves and the handlers of every field).
  std::vector<TkvEdit*> EntryFields() const;

 protected:
  void done(int result) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildComponents();
  void BuildScorePanel();
  void BuildButtons();
  void ArrangeButtonBar();
  void WireHandlers();
  void WireEditHandlers();
  void BuildEvaluation();
  // The worked tables in the lower right corner, beside the QSO list when it is wide
  // enough, else over the list when their tab is chosen; nowhere once closed.
  void ArrangeStatPanel();
  void CloseStatPanel();
  void ShowFieldRecord(const TContestQSORec& rec);
  void NextSerials();
  // The frequency the entry's band takes for the entry's mode.
  float DefaultFrequency() const;
  void ArrangeMultiplierDisplay(TContestCode code);
  void ArrangeScorePanel();
  logentry::TListColumns ListColumns() const;
  // The exchange rows: with swapped rows (a listener's log) the received row holds what
  // the first station sent.
  std::array<TkvEdit*, 4> SentRow() const;
  std::array<TkvEdit*, 4> ReceivedRow() const;
  std::string RowText(const std::array<TkvEdit*, 4>& row, const std::string& mode) const;
  void ExchangeFieldsToRecord(const QWidget* leftField);
  void ExchangeRecordToFields(const TContestQSORec& rec);
  void DefaultExchangeToRecord(bool keep);
  std::unique_ptr<TdbContest> rowTable_;  // reads the records of the list's rows
  int sortChoice_ = -1;
  bool destroyed_ = false;
  bool shownOnce_ = false;
  bool statClosed_ = false;
  bool recordToFieldsRunning_ = false;
  // The road of one QSO.
  void WireEntryRoad();
  QObject* entryRoadFilter_ = nullptr;  // the exits and keys of the entry fields
  void ShowBeam(std::string_view locator);
  void ShowTyped(TkvEdit* field, int cursor);
  void ShowReceivedField2();
  TkvEdit* FieldOfKind(int32_t kind, bool received) const;
  int32_t KindOfField(const TkvEdit* field) const;
  bool SaveEntry(QObject* sender);
  bool saving_ = false;
  bool entryRoadBusy_ = false;  // a check or save runs: focus moves it makes are no exits
  bool nameFromNameField_ = false;
  std::string lastDxcc_;
};

// While a log window exists it is reachable here (null otherwise).
extern TContestLogStd* ContestLogStd;

namespace contlogstd_neu {
// Opens the log window of a contest modally over the main window and frees it.
void OpenContestLog(QWidget* mainWindow, int32_t contestNumber, TContestRec& def,
                    TdbContest& configTable, TdbContest& listTable);
}  // namespace contlogstd_neu
