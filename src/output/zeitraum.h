#pragma once
// Evaluation periods of one output job: up to four time windows, each optionally bound
// to dates. Only the windows in use restrict what a job writes; with none in use every
// QSO is written. The in-use flag is kept apart from the times, because a window that
// starts at 00:00:00 is as real as any other.

#include <array>
#include <cstdint>

struct TZeitraum4Rec {
  std::array<int32_t, 4> TimeFrom{};  // seconds since midnight
  std::array<int32_t, 4> TimeTo{};
  std::array<int32_t, 4> DateFrom{};  // day numbers; 0: the window is a time of day
  std::array<int32_t, 4> DateTo{};
  std::array<bool, 4> InUse{};

  // Window k (1..4) from time to time, on every date.
  void SetTimeWindow(int k, int32_t from, int32_t to) {
    const size_t i = size_t(k - 1);
    TimeFrom[i] = from;
    TimeTo[i] = to;
    DateFrom[i] = 0;
    DateTo[i] = 0;
    InUse[i] = true;
  }
  bool AnyInUse() const { return InUse[0] || InUse[1] || InUse[2] || InUse[3]; }
};
