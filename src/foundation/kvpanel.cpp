#include "foundation/kvpanel.h"

#include <QLinearGradient>
#include <QPainter>

#include "foundation/cp1252.h"
#include "foundation/layoutvalues.h"

TkvPanel::TkvPanel(QWidget* parent) : QFrame(parent), color_(LayoutValues().PanelColor) {
  SetBorder(TkvBevel::None);
}

void TkvPanel::SetBorder(TkvBevel bevel) {
  bevel_ = bevel;
  setFrameShape(bevel == TkvBevel::None ? QFrame::NoFrame : QFrame::Panel);
  setFrameShadow(bevel == TkvBevel::Lowered ? QFrame::Sunken : QFrame::Raised);
  setLineWidth(1);
}

void TkvPanel::SetColor(TColor color) {
  color_ = color;
  update();
}

void TkvPanel::SetOpaque(bool opaque) {
  opaque_ = opaque;
  update();
}

void TkvPanel::SetCaption(const std::string& caption) {
  caption_ = caption;
  update();
}

void TkvPanel::PaintBackground(QPainter& painter) { painter.fillRect(rect(), ColorOf(color_)); }

void TkvPanel::paintEvent(QPaintEvent* event) {
  {
    QPainter painter(this);
    if (opaque_) PaintBackground(painter);
    if (!caption_.empty()) {
      painter.setPen(palette().color(QPalette::WindowText));
      painter.drawText(contentsRect(), Qt::AlignCenter, Q(caption_));
    }
  }
  QFrame::paintEvent(event);  // the border
}

TkvPaintPanel::TkvPaintPanel(QWidget* parent) : TkvPanel(parent) {}

void TkvPaintPanel::PaintBackground(QPainter& painter) {
  const QColor base = ColorOf(Color());
  QLinearGradient shade(0, 0, 0, height());
  shade.setColorAt(0, base.lighter(125));
  shade.setColorAt(1, base);
  painter.fillRect(rect(), shade);
}
