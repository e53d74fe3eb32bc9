#include "foundation/progress.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "foundation/cp1252.h"
#include "foundation/desktop.h"

class TFortschrittWinCtrl::TForm : public QDialog {
 public:
  TForm(QWidget* owner, bool canAbort, bool& aborted)
      : QDialog(owner), canAbort_(canAbort), aborted_(aborted) {
    setObjectName(QStringLiteral("FortschrittForm"));
    // The job runs in the caller while events are processed: input to the other windows
    // would start work on the very data the job is changing, so they wait.
    setWindowModality(Qt::ApplicationModal);
    Label = new QLabel(this);
    Label->setObjectName(QStringLiteral("lText"));
    Label->setTextFormat(Qt::PlainText);
    Bar = new QProgressBar(this);
    Bar->setObjectName(QStringLiteral("pbFortschritt"));
    Bar->setMinimum(0);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label);
    layout->addWidget(Bar);
    if (canAbort_) {
      auto* button = new QPushButton(Q("&Abbrechen"), this);
      button->setObjectName(QStringLiteral("btnAbbrechen"));
      connect(button, &QPushButton::clicked, this, [this] { aborted_ = true; });
      auto* row = new QHBoxLayout;
      row->addStretch();
      row->addWidget(button);
      row->addStretch();
      layout->addLayout(row);
    }
    setMinimumWidth(360);
  }

  QLabel* Label;
  QProgressBar* Bar;
  QElapsedTimer SinceEvents;  // painting every step would slow a long job down

 protected:
  // Escape and the close box stop an abortable job; the window itself stays until its
  // creator frees it, because the job still reports to it.
  void reject() override {
    if (canAbort_) aborted_ = true;
  }
  void closeEvent(QCloseEvent* event) override {
    reject();
    event->ignore();
  }

 private:
  bool canAbort_;
  bool& aborted_;
};

TFortschrittWinCtrl::TFortschrittWinCtrl(QWidget* owner, std::string_view caption,
                                         std::string_view text, int maximum, bool canAbort,
                                         bool /*modal: the window never blocks the job*/)
    : caption_(caption), text_(text), maximum_(std::max(maximum, 0)), canAbort_(canAbort) {
  if (!Desktop().ShowsWindows()) return;
  form_ = new TForm(owner ? owner : QApplication::activeWindow(), canAbort_, aborted_);
  form_->setWindowTitle(Q(caption_));
  Show();
}

TFortschrittWinCtrl::~TFortschrittWinCtrl() { delete form_.data(); }

QDialog* TFortschrittWinCtrl::Window() const { return form_.data(); }

void TFortschrittWinCtrl::Show() {
  if (!form_) return;
  form_->Label->setText(Q(text_));
  form_->Bar->setMaximum(maximum_);
  form_->Bar->setValue(position_);
}

void TFortschrittWinCtrl::Execute() {
  if (!form_) return;
  form_->show();
  form_->raise();
  ProcessEvents(true);
}

void TFortschrittWinCtrl::ProcessEvents(bool now) {
  // A few times a second is enough for the bar to move and the abort button to answer.
  constexpr qint64 kIntervalMs = 40;
  if (!form_) return;
  if (!now && form_->SinceEvents.isValid() && form_->SinceEvents.elapsed() < kIntervalMs) return;
  QCoreApplication::processEvents();
  form_->SinceEvents.start();
}

void TFortschrittWinCtrl::UpdateProgress(std::string_view text, int position, bool& aborted,
                                         int maximum) {
  if (!text.empty()) text_ = text;
  if (maximum > 0) maximum_ = maximum;
  position_ = std::clamp(position, 0, maximum_);
  Show();
  // Paint the window and take the abort button's click before the job goes on.
  ProcessEvents(false);
  if (canAbort_ && !aborted_ && Desktop().ProgressAborted()) aborted_ = true;
  aborted = aborted_;
}
