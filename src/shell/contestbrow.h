#pragma once
// The program's main window: the list of this edition's contest logs with the roads to
// create, start and delete a contest, the help and the way out. The list controller
// (TContestBrowCtrl) does the work of the roads; the window owns it, lays itself out and
// hands its buttons and keys to it.

#include <QWidget>
#include <memory>
#include <stdexcept>
#include <string>

#include "contest/contestrec.h"

class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;
class TContestBrowCtrl;
class TkvBitBtn;
class TkvBrow;
class TkvPanel;
class TkvPaintPanel;

// The window could not bring the program's files to life: the error has been shown and
// the program ends with ExitCode (never 0).
class EProgramEnd : public std::runtime_error {
 public:
  explicit EProgramEnd(int exitCode) : std::runtime_error("program end"), ExitCode(exitCode) {}
  int ExitCode;
};

class TContestBrow : public QWidget {
  Q_OBJECT
 public:
  // Starts the database and the list controller; raises EProgramEnd when either fails.
  explicit TContestBrow(QWidget* parent = nullptr);
  ~TContestBrow() override;

  // With an empty contest list the window is shown and the new-contest road starts by
  // itself, so that a first start leads straight into creating a contest.
  void StartWhenEmpty();

  // The roads of the buttons.
  void btnNeubm3Click();
  void btnAendernBm3Click();
  void btnLoeschenBm3Click();
  void btnHilfeBm3Click();
  // The application's help hook: command 1 is context help with data as context number.
  // The built-in help is never called (callHelp false).
  static bool HelpHandler(int command, int data, bool& callHelp);

  // Lays the window out by the client size and the screen width given.
  void FormResize();
  void ArrangeFor(int screenWidth);

  TContestCode Code() const { return code_; }
  TContestBrowCtrl* Controller() const { return ctrl_.get(); }
  TkvBrow* Brow() const { return brow_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildComponents();
  void BuildListFrame();
  void BuildButtonBar();
  void ShowEditionTitle();
  void LoadPictures();
  void StartDatabase();
  void CreateController();
  void BindBrowser();
  void SetWindowColor();
  void StyleWindow();
  void PanelUntenResize();
  bool FormKeyDown(int key, int shift);
  void MenueBeendenMouseMove(QLabel* label);
  void SetMakerUnderline(bool on);
  void FocusList();

  // The maker's label: it is no menu entry and never becomes opaque.
  static constexpr int kMakerTag = 98;
  static constexpr int kHelpContext = 310110018;  // the window's context-help number

  TContestCode code_ = 'd';
  std::string versionLine_;
  std::string titleBitmap_;
  std::string makerLine_;
  bool scaleFlag_ = false;
  bool databaseStarted_ = false;
  std::unique_ptr<TContestBrowCtrl> ctrl_;

  QLabel* Image2 = nullptr;
  QLabel* imguntergrund = nullptr;
  QLabel* imglinks = nullptr;
  QLabel* lworked = nullptr;
  QLabel* imgtitels = nullptr;
  QLabel* MenueBeenden = nullptr;
  QLabel* lhersteller = nullptr;
  QLabel* lhinweisupdate = nullptr;
  QLabel* lhinweisupdate2 = nullptr;
  QPushButton* btnweitere = nullptr;
  TkvPaintPanel* panelContest = nullptr;
  TkvPanel* PanelDXOben = nullptr;
  TkvBrow* brow_ = nullptr;
  TkvPanel* PanelUnten = nullptr;
  TkvPaintPanel* panelbuttonsBm4 = nullptr;
  TkvBitBtn* btnHilfeBm4 = nullptr;
  TkvBitBtn* btnNeubm4 = nullptr;
  TkvBitBtn* btnAendernBm4 = nullptr;
  TkvBitBtn* btnLoeschenBm4 = nullptr;
  TkvBitBtn* btnKopiebm4 = nullptr;
  TkvBitBtn* btnendeBm4 = nullptr;
  QFrame* bevelunten = nullptr;
  QFrame* bevelunten2 = nullptr;
  QWidget* panelabgleich = nullptr;
  QLabel* lbeendet = nullptr;
  QProgressBar* ProgressBar = nullptr;
};

// The one main window while it exists, else null: the configuration dialog reaches the
// current contest definition through it.
extern TContestBrow* ContestBrow;
