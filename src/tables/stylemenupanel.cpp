#include "tables/stylemenupanel.h"

#include <QColor>
#include <QLabel>
#include <QPalette>
#include <QVariant>
#include <QWidget>

#include "foundation/grafik.h"
#include "tables/setups.h"

namespace opcmd {
namespace {

QColor FromBgr(int32_t bgr) { return ColorOf(TColor(bgr)); }

void SetBackground(QWidget* w, const QColor& c) {
  QPalette p = w->palette();
  p.setColor(QPalette::Window, c);
  w->setPalette(p);
  w->setAutoFillBackground(true);
}

void SetTextColor(QWidget* w, const QColor& c) {
  QPalette p = w->palette();
  p.setColor(QPalette::WindowText, c);
  w->setPalette(p);
}

}  // namespace

void StyleMenuPanel(QWidget* panel, QWidget* image, QLabel* label) {
  ToSetupLayout layout = Setups().GetLayout();
  QColor menu = FromBgr(layout.MenuPanelColor());
  if (panel) SetBackground(panel, menu);
  if (image) SetBackground(image, menu);
  QWidget* window = panel ? panel->window() : label ? label->window() : nullptr;
  if (window) {
    QColor text = FromBgr(layout.MenuLabelColor());
    for (QLabel* l : window->findChildren<QLabel*>()) {
      int tag = l->property("Tag").toInt();
      if (tag != 0 && tag % 100 == 0) SetTextColor(l, text);
    }
  }
  if (label) SetTextColor(label, FromBgr(layout.InfoLabelColor()));
}

}  // namespace opcmd
