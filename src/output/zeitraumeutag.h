#pragma once
// The time window of an EU-day log: the log is scored over one hour the participant
// chooses. Before each output job the dialog "Zeitangabe" asks for its start and end
// and, as a decision aid, lists the points of every one-hour window starting between
// 10:00 and 15:00 and proposes the best one.

#include <QDialog>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class TdbContestBase;

// The chosen start and end, as typed ("hh:mm" or "hh:mm:ss").
struct TzeitraumeutagCtrlRec {
  std::string Von, Bis;
};

namespace zeitraumeutag {

constexpr int kWindows = 301;  // starts 10:00 .. 15:00, one minute apart

// One QSO as the search sees it.
struct TTimedPoints {
  int32_t Time;
  int32_t Points;
};

// Progress of the search: kind 0 start, 1 one window (step 0..300 and its memo line),
// 2 end (texts: the proposed start and end).
using TProgress =
    std::function<void(int kind, int step, const std::string& text1, const std::string& text2)>;

// Sums the points of every window [start, start + 59:59] (both ends included, times of
// day on any date) and returns the start of the best window: the earliest of equal
// sums, 0 when no window has points.
int32_t SearchBestHour(const std::vector<TTimedPoints>& qsos, const TProgress& progress);
// The QSOs of a contest log, in date and time order.
std::vector<TTimedPoints> ReadTimedPoints(TdbContestBase& qsoTable);

}  // namespace zeitraumeutag

class TzeitraumeutagForm : public QDialog {
 public:
  TzeitraumeutagForm(int32_t contestNumber, QWidget* parent);

  QLineEdit* evon;
  QLineEdit* ebis;
  QPushButton* btnOK;
  QProgressBar* ProgressBar1;
  QPlainTextEdit* Memo1;

  // OK: both texts are times and the end is not before the start; otherwise the field
  // at fault turns pink and the dialog stays open.
  void btnOKClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormShow();
  int32_t contestNumber_;
};

class TzeitraumeutagCtrl {
 public:
  TzeitraumeutagCtrl(QWidget* owner, int32_t contestNumber);
  // Shows the dialog with the stored texts; on OK the texts are taken back (true).
  bool Execute();
  // The chosen times in seconds of the day; -1 when not a time. An end given as "hh:mm"
  // is the last second of that minute.
  int32_t TimeFrom() const;
  int32_t TimeTo() const;

  TzeitraumeutagCtrlRec Rec;

 private:
  QWidget* owner_;
  int32_t contestNumber_;
};
