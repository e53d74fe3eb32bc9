#pragma once
// What the rules table takes of the contest log and the own station, as plain values, so
// that a definition is built and tested without any file.

#include <cstdint>
#include <string>

#include "contest/contestrec.h"

struct TContestInputs {
  TContestCode Code = 0;
  int32_t StartDate = -1;    // day number of the list record's start date; below 1: not set
  std::string OwnDok;        // own DOK of the list record (up to 6 characters, no blanks)
  std::string OwnCall;       // own call of the list record
  uint8_t ClassNumber = 0;   // 1 = first class, 0 = none chosen yet
  int32_t MemberNumber = 0;  // the numeric member field (ExtraNumber)
  std::string MemberText;    // the own member text (ExtraText)
  std::string StationText;   // the five-character station text
  std::string OwnLocator;    // from the own-station settings
  std::string OwnName;       // from the own-station settings
  int32_t UtcShiftMinutes = 0;
  int32_t Today = -1;  // day number, for contests dated "today"
};

// A German own call: first letter D and second letter A-H or J-R. A call of fewer than
// two characters counts as German.
inline bool IsGermanOwnCall(const std::string& call) {
  if (call.size() < 2) return true;
  char second = call[1];
  return call[0] == 'D' && ((second >= 'A' && second <= 'H') || (second >= 'J' && second <= 'R'));
}
