#pragma once
// The suite's look on windows, lists and buttons: fonts and colours from the layout
// values (layoutvalues.h), the painters of the list grids and of pop-up menu items, and
// the locking of a window's buttons while a list function runs.

#include <string>

#include "foundation/grafik.h"

class QAction;
class QPainter;
class QRect;
class QWidget;

class ToLayout {
 public:
  // Puts the settings' font on the form and its children. Scaling follows the scaling
  // service, which never switches it on; the answer is that scale flag.
  static bool ScaleForm(QWidget* form, double scale, bool wantMode, int modeArg);
  // The list colours on a record browser and its grids; flag: the scale flag.
  static void StyleBrowser(QWidget* browser, bool flag);
  // The window colour and font on a whole window, with its browsers and own buttons.
  static void StyleForm(QWidget* form, bool flag);
  // Button font and text colour on every own button (TkvBitBtn) of the form.
  static void StyleButtons(QWidget* form);

  // While a list function runs: the push buttons inside container and the browser are
  // disabled. EnableButtons enables again exactly those that DisableButtons disabled (a
  // button that was off before stays off) and gives the focus to focusControl.
  static void DisableButtons(QWidget* container, QWidget* browser);
  static void EnableButtons(QWidget* container, QWidget* focusControl);

  // Grid painters. A header cell is filled with fill, or the header colour when fill is
  // clNone; its text colour then contrasts with the fill. The sorted column's header is
  // marked with the sort colour and a bold font.
  static void DrawGridHeader(QPainter& canvas, const QRect& rect, const std::string& text,
                             bool sortedColumn, TColor fill = clNone);
  static void DrawGridCell(QPainter& canvas, const QRect& rect, const std::string& text,
                           bool selected);

  // Owner drawing of pop-up menu items: icon column, caption with its '&' mnemonic, the
  // shortcut on the right, and the selected item highlighted.
  static void DrawMenuItem(const QAction& menuItem, QPainter& canvas, const QRect& rect,
                           bool selected);
  static void MeasureMenuItem(const QAction& menuItem, QPainter& canvas, int& width, int& height);
};
