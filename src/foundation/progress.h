#pragma once
// Progress window of a long job that runs in the caller (renumbering, recalculation).
// The window is shown without blocking; each update lets the window paint and the abort
// button work. Without windows (tests) it only keeps text, position and maximum, and the
// desktop seam decides when an abortable job is stopped.

#include <QPointer>
#include <string>
#include <string_view>

class QDialog;
class QWidget;

class TFortschrittWinCtrl {
 public:
  // owner: the window the progress stands over (the active window when null).
  TFortschrittWinCtrl(QWidget* owner, std::string_view caption, std::string_view text, int maximum,
                      bool canAbort, bool modal);
  ~TFortschrittWinCtrl();
  TFortschrittWinCtrl(const TFortschrittWinCtrl&) = delete;
  TFortschrittWinCtrl& operator=(const TFortschrittWinCtrl&) = delete;

  // Shows the window and returns at once.
  void Execute();
  // An empty text keeps the current one, a maximum of 0 or less the current maximum; the
  // position is held within 0 .. maximum. aborted turns true once the person stopped the
  // job and stays so.
  void UpdateProgress(std::string_view text, int position, bool& aborted, int maximum);

  const std::string& Caption() const { return caption_; }
  const std::string& Text() const { return text_; }
  int Position() const { return position_; }
  int Maximum() const { return maximum_; }
  bool CanAbort() const { return canAbort_; }
  bool Aborted() const { return aborted_; }
  // The window, or null when the desktop shows none.
  QDialog* Window() const;

 private:
  class TForm;
  void Show();
  void ProcessEvents(bool now);

  std::string caption_;
  std::string text_;
  int maximum_ = 0;
  int position_ = 0;
  bool canAbort_ = false;
  bool aborted_ = false;
  // Guarded: the window is a child of its owner, which may be gone first.
  QPointer<TForm> form_;
};
