#include "output/evalform.h"

#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

#include "foundation/cp1252.h"
#include "foundation/kvbitbtn.h"
#include "output/evalchart.h"

namespace {
constexpr int kClientWidth = 615;
constexpr int kClientHeight = 342;
constexpr int kPanelHeight = 41;
constexpr int kButtonMargin = 8;
}  // namespace

TEvalForm::TEvalForm(const std::string& caption, TButtonPlace buttonPlace, QWidget* parent)
    : QDialog(parent), buttonPlace_(buttonPlace) {
  setWindowTitle(Q(caption));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint |
                 Qt::WindowTitleHint);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::white);
  setPalette(pal);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  panelausw = new TChartPanel(this);
  panelausw->setObjectName(QStringLiteral("panelausw"));
  layout->addWidget(panelausw, 1);
  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFixedHeight(kPanelHeight);
  layout->addWidget(Panel1);
  btnOK = new TkvBitBtn(bkOK, Panel1);
  btnOK->setObjectName(QStringLiteral("btnOK"));
  btnOK->SetModalResult(2);
  btnOK->setDefault(true);
  btnOK->setGeometry(0, 8, 75, 25);
  Panel1->installEventFilter(this);

  resize(kClientWidth, kClientHeight);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(kClientWidth / 2, kClientHeight / 2));
  }
}

bool TEvalForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Panel1 && event->type() == QEvent::Resize) Panel1Resize();
  return QDialog::eventFilter(watched, event);
}

void TEvalForm::Panel1Resize() {
  const int w = Panel1->width(), bw = btnOK->width();
  const int left = buttonPlace_ == TButtonPlace::Centre ? (w - bw) / 2 : w - bw - kButtonMargin;
  btnOK->move(left, btnOK->y());
}

void TEvalForm::reject() { done(2); }
