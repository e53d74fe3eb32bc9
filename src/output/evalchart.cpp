#include "output/evalchart.h"

#include <QDialog>
#include <QPainter>
#include <cmath>

#include "foundation/cp1252.h"
#include "foundation/desktop.h"
#include "foundation/messages.h"
#include "foundation/strings.h"

namespace evalchart {

int ScaleMax(int largest) {
  if (largest <= 0) return 0;
  if (largest < 10) largest = 10;
  return (largest + 9) / 10 * 10;
}

int BarTop(int scaleMax, int count) { return 50 + int(int64_t(scaleMax - count) * 200 / scaleMax); }

void AddFrame(TChart& chart, const std::string& title, TColor titleColor,
              const std::string& axisCaption, int axisRight) {
  chart.Label(0, 0, title, titleColor, true);
  chart.Label(300, 290, axisCaption, clBlack, true);
  chart.Rect(40, 50, 42, 260);
  for (int i = 1; i <= 10; ++i) chart.Rect(30, 250 - 20 * i, 40, 253 - 20 * i);
  chart.Rect(40, kAxisY, axisRight, kAxisY + 2);
}

void AddValueLabels(TChart& chart, int scaleMax) {
  int last = 10000;
  for (int i = 10; i >= 1; --i) {
    const int v = int(std::lround(double(scaleMax) * i / 10.0));
    if (v >= last) continue;
    chart.Label(0, 245 - 20 * i, ToStrings::IntToStrPadded(v, 3));
    last = v;
  }
}

void AddBar(TChart& chart, int scaleMax, int x, int width, int count, TColor color) {
  if (count <= 0) return;
  chart.Rect(x, BarTop(scaleMax, count), x + width - 1, kAxisY, color);
}

void AddEmptyLabel(TChart& chart, const std::string& text) {
  chart.Label(200, 170, text, clBlack, true);
}

int RunWindow(QDialog& window, TEvalGeometry& geometry) {
  if (geometry.Width > 0) {
    window.move(geometry.Left, geometry.Top);
    window.resize(geometry.Width, geometry.Height);
  }
  const int result = Desktop().ExecDialog(window);
  geometry = {window.x(), window.y(), window.width(), window.height()};
  return result;
}

bool CheckStartDate(int32_t startDate) {
  if (startDate >= 1) return true;
  ToMessages::ShowWarning({}, "Der Beginn des Contestes wurde nicht angegeben.");
  return false;
}

}  // namespace evalchart

TChartPanel::TChartPanel(QWidget* parent) : QWidget(parent) {
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::white);
  setPalette(pal);
}

void TChartPanel::SetChart(TChart chart) {
  chart_ = std::move(chart);
  update();
}

void TChartPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  for (const TChartRect& r : chart_.Rects)
    painter.fillRect(QRect(r.Left, r.Top, r.Right - r.Left + 1, r.Bottom - r.Top + 1),
                     ColorOf(r.Color));
  QFont normal = font();
  QFont bold = normal;
  bold.setBold(true);
  for (const TChartLabel& l : chart_.Labels) {
    painter.setFont(l.Bold ? bold : normal);
    painter.setPen(ColorOf(l.Color));
    painter.drawText(QRect(l.X, l.Y, width(), height()), Qt::AlignLeft | Qt::AlignTop, Q(l.Text));
  }
}
