#pragma once
// The bar charts of the evaluation windows as a list of what is drawn: filled rectangles
// given by their corners (both included) and labels placed by their top-left corner.
// The windows only paint the list, so the scale, the bars and the labels are checked
// without a screen.

#include <QWidget>
#include <cstdint>
#include <string>
#include <vector>

#include "foundation/grafik.h"
#include "log/evalhooks.h"

constexpr TColor clBlue = 0xFF0000;

struct TChartRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  TColor Color = clBlack;
};

struct TChartLabel {
  int X = 0, Y = 0;
  std::string Text;  // Windows-1252
  TColor Color = clBlack;
  bool Bold = false;
};

struct TChart {
  std::vector<TChartRect> Rects;
  std::vector<TChartLabel> Labels;
  void Rect(int left, int top, int right, int bottom, TColor color = clBlack) {
    Rects.push_back({left, top, right, bottom, color});
  }
  void Label(int x, int y, std::string text, TColor color = clBlack, bool bold = false) {
    Labels.push_back({x, y, std::move(text), color, bold});
  }
};

namespace evalchart {

constexpr int kAxisY = 250;

// The top of the scale for the largest count: 0 stays 0 (nothing to draw); else at
// least 10, rounded up to a multiple of 10.
int ScaleMax(int largest);
// The top edge of a bar of count on a scale of scaleMax (above 0).
int BarTop(int scaleMax, int count);
// Title (bold), axis caption, the vertical axis with its ten ticks and the horizontal
// axis up to axisRight.
void AddFrame(TChart& chart, const std::string& title, TColor titleColor,
              const std::string& axisCaption, int axisRight);
// The values of the ten scale ticks on the left.
void AddValueLabels(TChart& chart, int scaleMax);
// The bar of count at x, width pixels wide; nothing for a count of 0.
void AddBar(TChart& chart, int scaleMax, int x, int width, int count, TColor color);
// The label shown in place of the bars when nothing was counted.
void AddEmptyLabel(TChart& chart, const std::string& text);

}  // namespace evalchart

class QDialog;
namespace evalchart {
// Restores the stored geometry (when one is stored), runs the window modally and stores
// its geometry back.
int RunWindow(QDialog& window, TEvalGeometry& geometry);
// Shows the warning of a contest without start date; false then.
bool CheckStartDate(int32_t startDate);
}  // namespace evalchart

// The chart area of the evaluation windows: white, painting its chart.
class TChartPanel : public QWidget {
  Q_OBJECT
 public:
  explicit TChartPanel(QWidget* parent = nullptr);
  void SetChart(TChart chart);
  const TChart& Chart() const { return chart_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TChart chart_;
};
