#include "foundation/layout.h"

#include <QAction>
#include <QActionGroup>
#include <QFontMetrics>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>
#include <vector>

#include "foundation/cp1252.h"
#include "foundation/kvbitbtn.h"
#include "foundation/kvmousegrid.h"
#include "foundation/kvpanel.h"
#include "foundation/layoutvalues.h"
#include "foundation/winskal.h"

namespace {

QFont FontOf(const std::string& name, int size, bool bold = false) {
  QFont font(Q(name));
  font.setPointSize(size > 0 ? size : 9);
  font.setBold(bold);
  return font;
}

void SetBackground(QWidget* widget, TColor color) {
  QPalette p = widget->palette();
  p.setColor(QPalette::Window, ColorOf(color));
  widget->setPalette(p);
  widget->setAutoFillBackground(true);
}

void StyleGrid(TkvMouseGrid* grid) {
  const TLayoutValues& v = LayoutValues();
  grid->setFont(FontOf(v.GridFontName, v.GridFontSize));
  QPalette p = grid->palette();
  p.setColor(QPalette::Base, ColorOf(v.GridColor));
  p.setColor(QPalette::Text, ColorOf(v.GridTextColor));
  p.setColor(QPalette::Highlight, ColorOf(v.GridSelectedColor));
  p.setColor(QPalette::HighlightedText, ColorOf(v.GridSelectedTextColor));
  grid->setPalette(p);
}

template <class T>
void ForEach(QWidget* root, void (*apply)(T*)) {
  if (!root) return;
  if (auto* self = qobject_cast<T*>(root)) apply(self);
  for (T* child : root->findChildren<T*>()) apply(child);
}

// The widgets DisableButtons switched off, by the container they were switched off for.
struct TDisabled {
  QPointer<QWidget> Container;
  QPointer<QWidget> Widget;
};
std::vector<TDisabled> gDisabled;

void DisableFor(QWidget* container, QWidget* widget) {
  // A widget switched off by its window stays off; only what we switch off comes back.
  if (!widget || widget->testAttribute(Qt::WA_ForceDisabled)) return;
  widget->setEnabled(false);
  gDisabled.push_back({container, widget});
}

void DrawCellText(QPainter& canvas, const QRect& rect, const std::string& text, TColor color) {
  canvas.setPen(ColorOf(color));
  canvas.drawText(rect.adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter, Q(text));
}

}  // namespace

bool ToLayout::ScaleForm(QWidget* form, double, bool wantMode, int) {
  if (!form) return false;
  const TLayoutValues& v = LayoutValues();
  form->setFont(FontOf(v.FontName, v.FontSize));
  return ToWinskal::GetScaleMode(form, wantMode);
}

void ToLayout::StyleBrowser(QWidget* browser, bool) {
  if (!browser) return;
  const TColor panel = LayoutValues().PanelColor;
  if (auto* own = qobject_cast<TkvPanel*>(browser))
    own->SetColor(panel);
  else
    SetBackground(browser, panel);
  for (TkvPanel* inner : browser->findChildren<TkvPanel*>()) inner->SetColor(panel);
  ForEach<TkvMouseGrid>(browser, StyleGrid);
}

void ToLayout::StyleForm(QWidget* form, bool) {
  if (!form) return;
  SetBackground(form, LayoutValues().WindowColor);
  ForEach<TkvMouseGrid>(form, StyleGrid);
  StyleButtons(form);
}

void ToLayout::StyleButtons(QWidget* form) {
  ForEach<TkvBitBtn>(form, [](TkvBitBtn* button) {
    const TLayoutValues& v = LayoutValues();
    button->setFont(FontOf(v.ButtonFontName, v.ButtonFontSize, v.ButtonFontBold));
    button->SetFontColor(v.ButtonTextColor);
  });
}

void ToLayout::DisableButtons(QWidget* container, QWidget* browser) {
  if (container) {
    for (QAbstractButton* button : container->findChildren<QAbstractButton*>())
      if (qobject_cast<QPushButton*>(button) || qobject_cast<QToolButton*>(button))
        DisableFor(container, button);
  }
  DisableFor(container, browser);
}

void ToLayout::EnableButtons(QWidget* container, QWidget* focusControl) {
  std::vector<TDisabled> kept;
  for (const TDisabled& entry : gDisabled) {
    if (entry.Container == container) {
      if (entry.Widget) entry.Widget->setEnabled(true);
    } else if (entry.Container && entry.Widget) {
      kept.push_back(entry);
    }
  }
  gDisabled.swap(kept);
  if (focusControl && focusControl->isEnabled()) focusControl->setFocus();
}

void ToLayout::DrawGridHeader(QPainter& canvas, const QRect& rect, const std::string& text,
                              bool sortedColumn, TColor fill) {
  const TLayoutValues& v = LayoutValues();
  const bool own = fill != clNone;
  const TColor background = own ? fill : sortedColumn ? v.GridSortedHeaderColor : v.GridHeaderColor;
  canvas.save();
  canvas.setClipRect(rect);
  canvas.fillRect(rect, ColorOf(background));
  // A raised edge, as fixed cells have.
  const QColor base = ColorOf(background);
  canvas.setPen(base.lighter(140));
  canvas.drawLine(rect.topLeft(), rect.topRight());
  canvas.drawLine(rect.topLeft(), rect.bottomLeft());
  canvas.setPen(base.darker(150));
  canvas.drawLine(rect.bottomLeft(), rect.bottomRight());
  canvas.drawLine(rect.topRight(), rect.bottomRight());
  canvas.setFont(FontOf(v.GridFontName, v.GridFontSize, sortedColumn));
  DrawCellText(canvas, rect, text, own ? ToGrafik::ContrastTextColor(fill) : v.GridHeaderTextColor);
  canvas.restore();
}

void ToLayout::DrawGridCell(QPainter& canvas, const QRect& rect, const std::string& text,
                            bool selected) {
  const TLayoutValues& v = LayoutValues();
  canvas.save();
  canvas.setClipRect(rect);
  canvas.fillRect(rect, ColorOf(selected ? v.GridSelectedColor : v.GridColor));
  canvas.setFont(FontOf(v.GridFontName, v.GridFontSize));
  DrawCellText(canvas, rect, text, selected ? v.GridSelectedTextColor : v.GridTextColor);
  canvas.restore();
}

namespace {
constexpr int kIconColumn = 24;  // room for a 16-pixel image or the check mark
constexpr int kShortcutGap = 16;
constexpr int kRightMargin = 8;

QString Shortcut(const QAction& item) { return item.shortcut().toString(QKeySequence::NativeText); }

// The caption as shown: "&&" is a literal '&', a single '&' marks the mnemonic.
QString Shown(const QString& caption) {
  QString out;
  for (int i = 0; i < caption.size(); ++i) {
    if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) ++i;
    out += caption[i];
  }
  return out;
}
}  // namespace

void ToLayout::DrawMenuItem(const QAction& menuItem, QPainter& canvas, const QRect& rect,
                            bool selected) {
  const TLayoutValues& v = LayoutValues();
  canvas.save();
  canvas.setClipRect(rect);
  canvas.fillRect(rect, ColorOf(selected ? v.MenuSelectedColor : v.MenuColor));
  const QColor text = menuItem.isEnabled()
                          ? ColorOf(selected ? v.MenuSelectedTextColor : v.MenuTextColor)
                          : ColorOf(RGBColor(128, 128, 128));
  if (menuItem.isSeparator()) {
    canvas.setPen(ColorOf(RGBColor(160, 160, 160)));
    const int y = rect.center().y();
    canvas.drawLine(rect.left() + 2, y, rect.right() - 2, y);
    canvas.restore();
    return;
  }
  const QRect iconBox(rect.left() + 4, rect.center().y() - 8, 16, 16);
  if (!menuItem.icon().isNull()) {
    menuItem.icon().paint(&canvas, iconBox);
  } else if (menuItem.isChecked()) {
    canvas.setRenderHint(QPainter::Antialiasing);
    canvas.setPen(Qt::NoPen);
    canvas.setBrush(text);
    if (menuItem.actionGroup() && menuItem.actionGroup()->isExclusive()) {
      canvas.drawEllipse(iconBox.center(), 3, 3);  // radio item
    } else {
      canvas.setPen(QPen(text, 2));
      canvas.setBrush(Qt::NoBrush);
      canvas.drawPolyline(
          QPolygon({iconBox.center() + QPoint(-5, 0), iconBox.center() + QPoint(-2, 3),
                    iconBox.center() + QPoint(4, -4)}));
    }
  }
  canvas.setFont(FontOf(v.FontName, v.FontSize));
  canvas.setPen(text);
  const QRect textBox = rect.adjusted(kIconColumn, 0, -kRightMargin, 0);
  canvas.drawText(textBox, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic,
                  menuItem.text());
  const QString shortcut = Shortcut(menuItem);
  if (!shortcut.isEmpty()) canvas.drawText(textBox, Qt::AlignRight | Qt::AlignVCenter, shortcut);
  canvas.restore();
}

void ToLayout::MeasureMenuItem(const QAction& menuItem, QPainter&, int& width, int& height) {
  const TLayoutValues& v = LayoutValues();
  if (menuItem.isSeparator()) {
    height = 5;
    return;
  }
  const QFontMetrics metrics(FontOf(v.FontName, v.FontSize));
  int w = kIconColumn + metrics.horizontalAdvance(Shown(menuItem.text())) + kRightMargin;
  const QString shortcut = Shortcut(menuItem);
  if (!shortcut.isEmpty()) w += kShortcutGap + metrics.horizontalAdvance(shortcut);
  width = w;
  height = std::max(metrics.height() + 6, 20);
}
