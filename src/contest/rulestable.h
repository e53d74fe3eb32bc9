#pragma once
// The rules of each contest code as data: one row per code, in the order in which the
// table is searched. Only the rules table's builder reads these rows.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "contest/contestinputs.h"

namespace rulestable {

using TTextList = std::span<const std::string_view>;

struct TPeriodRow {
  std::string_view Date;
  std::string_view TimeFrom;
  std::string_view TimeTo;
  std::string_view Bands;
};

// How the code fills its special lists from its home lists once both are written.
enum class TListCopy : uint8_t {
  kNone,
  kHomeToSpecial,        // HomeDoks -> SpecialDoks, HomeDistricts -> SpecialDistricts
  kDoksUpDistrictsDown,  // HomeDoks -> SpecialDoks, SpecialDistricts -> HomeDistricts
};

// A step of a code that depends on the contest log (own call, own DOK, class, member
// field) rather than on the code alone.
using TCondition = void (*)(TContestRec& def, const TContestInputs& in);

constexpr int32_t kSameAsReceived = -1;

struct TCodeRules {
  TContestCode Code = 0;
  std::string_view EditionTitle{};
  std::string_view VersionText{};  // empty: the edition's version "2016-1.0"
  std::string_view ContestName{};
  bool NameWithYear = false;  // the year of the log's start date follows the name
  std::string_view DateFrom{}, DateTo{}, TimeFrom{}, TimeTo{};
  uint8_t DupeScope = 0;
  std::array<uint8_t, 6> MultiplierKinds{};  // 0 ends the list
  std::array<std::string_view, 3> MultiplierName{};
  std::array<int32_t, 3> ReceivedKinds{};
  std::array<int32_t, 3> SentKinds{kSameAsReceived, kSameAsReceived, kSameAsReceived};
  std::array<std::string_view, 3> Caption{};
  std::array<uint8_t, 10> OutputItems{};  // 0 ends the list; empty: the frame's {1..7}
  std::array<uint8_t, 2> SecondItems{};
  uint8_t MultiplierBandMode = 0;
  bool ScorePointsOnly = false;
  bool MultiplierOption = false;
  bool ScorePerBand = false;
  bool AutoBandOffered = false;
  bool ShowEvaluationButton = false;
  std::string_view MemberList{}, MemberList2{};
  std::string_view CabrilloContest{};
  std::span<const TPeriodRow> Periods{};
  TTextList SpecialCalls{}, SpecialDoks{}, HomeDoks{};
  std::string_view SpecialDistricts{}, HomeDistricts{};
  TListCopy Copy = TListCopy::kNone;
  TCondition BeforeClassSwitch = nullptr;
  TCondition AfterClassSwitch = nullptr;
};

// All rows in search order.
std::span<const TCodeRules> Rows();
// The row of code, or nullptr for a code the table does not know.
const TCodeRules* Find(TContestCode code);

// Steps that depend on the contest log (rulesconditions.cpp).
namespace conditions {
void ClassEightAdmitsHomeListsOnly(TContestRec& def, const TContestInputs& in);  // 'V'
void OwnDokIsNoMultiplier(TContestRec& def, const TContestInputs& in);           // 'B'
void ListenerByMemberField(TContestRec& def, const TContestInputs& in);          // 'Y'
void WagSidesByOwnCall(TContestRec& def, const TContestInputs& in);              // 'W'
void SentDokOrSerialByOwnCall(TContestRec& def, const TContestInputs& in);       // 'u' 'X' 't'
void RlpWeekByClass(TContestRec& def, const TContestInputs& in);                 // 'h'
void DigNamesByClass(TContestRec& def, const TContestInputs& in);                // '7'
void SerialForEmptyDokWithCaption(TContestRec& def, const TContestInputs& in);   // 'C'
void SerialForEmptyDok(TContestRec& def, const TContestInputs& in);              // 'Q'
void NoSentDokForEmptyDok(TContestRec& def, const TContestInputs& in);           // '1'
void DatesToday(TContestRec& def, const TContestInputs& in);                     // 'N'
}  // namespace conditions

}  // namespace rulestable
