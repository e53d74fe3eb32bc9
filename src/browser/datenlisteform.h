#pragma once
// The generic modal list window of the list framework: a record browser, a button panel
// (cancel / close, take over, extended search, extra functions, progress bar), a caption
// and the pop-up menu of the list functions.

#include <QDialog>
#include <string>

class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QWidget;
class TDatenListeCtrl;
class TkvBrow;

class TDatenListeForm : public QDialog {
  Q_OBJECT
 public:
  TDatenListeForm(QWidget* owner, const std::string& caption, bool selectMode,
                  TDatenListeCtrl* ctrl);
  ~TDatenListeForm() override;

  TkvBrow* Brow() const { return brow_; }
  QPushButton* CancelButton() const { return cancel_; }
  QPushButton* TakeOverButton() const { return takeOver_; }
  QPushButton* SearchButton() const { return search_; }
  QPushButton* ExtraButton() const { return extra_; }
  QProgressBar* ProgressBar() const { return progress_; }
  QWidget* ButtonPanel() const { return buttons_; }
  QWidget* CaptionPanel() const { return captionPanel_; }
  QMenu* Menu() const { return menu_; }
  // "Übernehmen", "Neu", "Ändern", "Löschen", "erweiterte Suche", "Drucken",
  // "Zusatzfunktion1", "Zusatzfunktion2".
  QAction* MenuItem(const std::string& name) const;
  bool StopRequested() const { return stop_; }

  void TakeOver();
  void RunNew();
  void RunChange();
  void RunDelete();
  void RunSearch();
  void RunPrint();
  void RunExtra(int which);

  // While an extra function runs the window does not close: the function is asked to
  // stop and the window closes when it has ended.
  void done(int result) override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  template <class F>
  void RunLocked(F&& function);
  // Enter in select mode: the take-over button, when it can be clicked.
  bool EnterTakesOver(int key);
  void ProgressHandler(int phase, int position, bool& stop, int maximum);

  TDatenListeCtrl* ctrl_;
  bool selectMode_;
  TkvBrow* brow_ = nullptr;
  QWidget* buttons_ = nullptr;
  QWidget* captionPanel_ = nullptr;
  QLabel* captionLabel_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPushButton* takeOver_ = nullptr;
  QPushButton* search_ = nullptr;
  QPushButton* extra_ = nullptr;
  QPushButton* help_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QMenu* menu_ = nullptr;
  bool stop_ = false;
  int pendingResult_ = -1;
};
