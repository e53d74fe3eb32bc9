#pragma once
// The evaluation charts the log window opens (membership age for codes 'P' and '5', per
// hour for 'W') live with the outputs, above the log; they register here at start-up,
// and the log window calls them through these hooks.

#include <cstdint>
#include <functional>

class QWidget;
class TdbBase;
class TdbContestBase;

// Where an evaluation window stood when it was closed last; kept by the log window and
// shared by both windows. A width of 0: nothing stored yet.
struct TEvalGeometry {
  int Left = 0, Top = 0, Width = 0, Height = 0;
};

namespace evalhooks {

// owner: the log window, over which the evaluation window stands as its own.
struct THooks {
  // Contest start date (day number), the log's QSO table.
  std::function<void(QWidget* owner, int32_t startDate, TdbBase& qsoTable, TEvalGeometry& geometry)>
      Party;
  // The contest list table on the log's record, the configuration table.
  std::function<void(QWidget* owner, TdbContestBase& listTable, TdbContestBase& configTable,
                     TEvalGeometry& geometry)>
      Wag;
};

THooks& Hooks();

}  // namespace evalhooks
