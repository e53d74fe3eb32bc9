#pragma once
// The frame both evaluation windows share: a dialog of 615 x 342 client pixels, white,
// the chart area `panelausw` above the bottom panel `Panel1` with its OK button, which
// closes the window with Cancel; Escape does the same.

#include <QDialog>
#include <string>

class QFrame;
class TChartPanel;
class TkvBitBtn;

class TEvalForm : public QDialog {
  Q_OBJECT
 public:
  enum class TButtonPlace { Right, Centre };
  TEvalForm(const std::string& caption, TButtonPlace buttonPlace, QWidget* parent = nullptr);

  TChartPanel* panelausw = nullptr;
  QFrame* Panel1 = nullptr;
  TkvBitBtn* btnOK = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void reject() override;

 private:
  void Panel1Resize();
  TButtonPlace buttonPlace_;
};
