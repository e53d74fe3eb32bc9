#pragma once
// The in-memory definition of one contest: everything the rules of a contest code fix.
// Filled by the rules table for one contest code and one contest log, then only read;
// holders keep copies of their own. It never goes to a file, so it is a plain value type.
// Arrays are numbered from 1 as the rules and every reader count their elements.

#include <array>
#include <bitset>
#include <cassert>
#include <cstdint>
#include <string>

// A fixed array indexed 1..N.
template <typename T, size_t N>
class TArray1 {
 public:
  static constexpr size_t kSize = N;
  T& operator[](size_t i) {
    assert(i >= 1 && i <= N);
    return items_[i - 1];
  }
  const T& operator[](size_t i) const {
    assert(i >= 1 && i <= N);
    return items_[i - 1];
  }
  auto begin() { return items_.begin(); }
  auto end() { return items_.end(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }
  void Fill(const T& value) { items_.fill(value); }
  bool operator==(const TArray1&) const = default;

 private:
  std::array<T, N> items_{};
};

// A Pascal-style set of 0..255.
using TByteSet = std::bitset<256>;

using TContestCode = char;

// One contest period: a time window with its bands. An empty Date: not in use.
struct TContestPeriod {
  std::string Date;    // "dd.mm.yyyy"
  std::string DateTo;  // second day when the period ends on another day
  std::string TimeFrom;
  std::string TimeTo;
  TArray1<char, 10> Bands;  // band codes, '\0' = empty place
  bool operator==(const TContestPeriod&) const = default;
};

// One participation class, in the order of the class choice.
struct TContestClass {
  std::string Description;  // full text shown in the class choice
  uint8_t Group = 0;        // 1..8 where the code gives one, else 0
  std::string Name;         // short name used by the log window and the exports
  bool operator==(const TContestClass&) const = default;
};

struct TContestRec {
  bool SWLLog = false;
  TArray1<std::string, 100> Modes;  // empty elements are skipped
  TArray1<char, 100> Bands;         // '\0' marks an empty place
  TByteSet MultiplierKinds;         // empty: the score is the points total
  TArray1<TContestPeriod, 10> Periods;
  int32_t RulesRevision = 0;
  TArray1<std::string, 3> MultiplierName;
  std::string VersionNotice;
  TArray1<int32_t, 3> ReceivedKinds;  // exchange fields 2-4 (field 1 is the report)
  TArray1<int32_t, 3> SentKinds;
  TArray1<std::string, 3> SentText;  // presets of the sent exchange fields 2-4
  uint8_t DupeScope = 0;
  TArray1<std::string, 100> ValidDoks;
  TArray1<char, 26> ValidDistricts;
  TArray1<std::string, 100> SpecialCalls;
  TArray1<std::string, 100> SpecialDoks;
  TArray1<char, 26> SpecialDistricts;
  TArray1<std::string, 100> HomeDoks;
  TArray1<char, 26> HomeDistricts;
  std::string ContestName;
  std::string VersionTitle;
  std::string EditionTitle;
  TArray1<TContestClass, 20> Classes;
  std::string DateFrom;  // "dd.mm.yyyy", empty when the rules give none
  std::string DateTo;
  std::string TimeFrom;  // "hh:mm:ss" or "hh:mm" (UTC)
  std::string TimeTo;
  int32_t ClockUtcShiftHours = 0;
  std::string ExtraText;
  bool ShowEvaluationButton = false;
  uint8_t MultiplierBandMode = 0;  // 0 per band, 1 once for all bands, 2 per band (variant)
  TByteSet OutputMenuItems;
  TByteSet SecondItemSet;
  bool ScorePointsOnly = false;
  bool MultiplierOption = false;
  bool ScorePerBand = false;
  std::string MemberList;
  std::string MemberList2;
  bool AutoBandOffered = false;
  TArray1<std::string, 3> ExchangeCaption;  // captions of the exchange entry fields 2-4
  std::string CabrilloText1;
  std::string CabrilloCategoryMode;
  std::string CabrilloText2;
  std::string CabrilloContest;
  std::string CabrilloCategoryPower;
  std::string CabrilloCategoryAssisted;
  std::string CabrilloCategoryOperator;

  bool operator==(const TContestRec&) const = default;
};

// Exchange-field kinds of ReceivedKinds and SentKinds.
namespace exchangekind {
constexpr int32_t kNone = 0;
constexpr int32_t kDok = 4;
constexpr int32_t kLocator = 5;
constexpr int32_t kOwnLocator = 6;
constexpr int32_t kSerial = 7;
constexpr int32_t kArea = 8;
constexpr int32_t kSerialPerMode = 11;
constexpr int32_t kUsState = 12;
constexpr int32_t kSerialPerBand = 13;
constexpr int32_t kPostcode = 15;
constexpr int32_t kClubMember = 16;
constexpr int32_t kListMember = 19;
constexpr int32_t kName = 20;
constexpr int32_t kFreeText = 99;
}  // namespace exchangekind
