#pragma once
// An image control that tells its owner when the mouse enters or leaves it, while it is
// enabled and the event is assigned.

#include <QLabel>
#include <functional>

class TkvMouseImage : public QLabel {
  Q_OBJECT
 public:
  explicit TkvMouseImage(QWidget* parent = nullptr);

  std::function<void()> OnMouseEnter;
  std::function<void()> OnMouseLeave;

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
};

// The process-wide statistics object of the worked tables: it carries nothing yet, the
// log window supplying no table data.
class ToStatistiken {};
extern ToStatistiken* oStatistiken;
