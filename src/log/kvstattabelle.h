#pragma once
// The worked-tables panel: a row of tabs, one per kind of table, a header line, the
// drawing area in which the table's cells are laid out, a legend and a row of buttons.
// It marks the cell under the mouse with a small purple button and hands its mouse and
// button events on to its owner. It holds no table data of its own.

#include <array>
#include <functional>
#include <optional>

#include "foundation/kvpanel.h"
#include "log/statgeometry.h"

class QLabel;
class QMouseEvent;
class QTabWidget;
class TkvBitBtn;
class TkvMouseImage;

class TkvStatTabelle : public TkvPanel {
  Q_OBJECT
 public:
  static constexpr int kTabs = 22;
  explicit TkvStatTabelle(QWidget* owner = nullptr);

  TStatGeometry Geometry;
  std::optional<TCellRect> CellRect(int column, int row) const {
    return Geometry.CellRect(column, row);
  }

  // The owner's events, called only when assigned.
  std::function<void(QMouseEvent*)> OnMouseDown;  // of the image, the header and the marker
  std::array<std::function<void()>, 3> OnNotify;  // "Log alle", "Optionen", close button
  std::function<void()> OnMouseEnter;
  std::function<void()> OnMouseLeave;

  // 0 after a tab change or a resize of the drawing area.
  int State() const { return state_; }

  QTabWidget* pcStat = nullptr;
  QLabel* lblHeader = nullptr;
  TkvPanel* paintpanel = nullptr;
  TkvMouseImage* image = nullptr;
  TkvPanel* panelStatUnten = nullptr;
  std::array<TkvBitBtn*, 4> buttons{};
  TkvBitBtn* btnAktBandMode = nullptr;

  // The handlers the window resource names.
  void pcStatChange() { state_ = 0; }
  void paintpanelresize() { state_ = 0; }
  void panelStatUntenResize();
  void btnstatlisteHo3Click() {}
  void btnLogListeHo3Click() {}
  void setTabVisible() {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void MoveMarker(const QPoint& at);
  void LeaveImage();
  int state_ = 0;
  TkvPanel* legend_ = nullptr;
  TkvPanel* swatches_ = nullptr;
};
