// The value tests of the multiplier kinds: which DOKs, districts, calls and areas a
// contest counts, the member test, and what a new multiplier is worth.
#include <array>
#include <string_view>

#include "contest/exchangesplit.h"
#include "log/contlogalle.h"
#include "log/loghelpers.h"
#include "tables/contesttables.h"

using loghelpers::IsDigit;
using loghelpers::IsLetter;
using loghelpers::IsLetterDigitDigit;
using loghelpers::IsOneOf;
using loghelpers::StartsWith;

namespace {

constexpr std::array<std::string_view, 3> kNoDistrictDoks = {"M26", "M29", "M36"};

bool InList(std::string_view text, const TArray1<std::string, 100>& list) {
  for (const std::string& entry : list)
    if (!entry.empty() && entry == text) return true;
  return false;
}

bool HasEntry(const TArray1<std::string, 100>& list) {
  for (const std::string& entry : list)
    if (!entry.empty()) return true;
  return false;
}

bool HasLetter(const TArray1<char, 26>& letters, char c) {
  if (c == 0) return false;
  for (char l : letters)
    if (l == c) return true;
  return false;
}

bool HasAnyLetter(const TArray1<char, 26>& letters) {
  for (char l : letters)
    if (l != 0) return true;
  return false;
}

// Letter of the list followed by two digits.
bool IsDistrictDok(std::string_view dok, const TArray1<char, 26>& letters) {
  return dok.size() == 3 && HasLetter(letters, dok[0]) && IsDigit(dok[1]) && IsDigit(dok[2]);
}

char CodeOf(const TdbContestBase& listTable) { return listTable.GetListRec().Typ(); }

}  // namespace

bool TContLogAlle::IsValidDok(std::string_view dok, const TContestRec& def,
                              const TdbContestBase& listTable) {
  if (def.MultiplierKinds.test(8) || def.MultiplierKinds.test(17)) return true;
  if (!dok.empty() && dok == def.ExtraText) return false;
  const char code = CodeOf(listTable);
  bool ok = true;
  bool specialAccepted = false;
  if (HasEntry(def.SpecialDoks)) {
    specialAccepted = InList(dok, def.SpecialDoks);
    ok = specialAccepted;
  }
  if (HasAnyLetter(def.SpecialDistricts) && !specialAccepted) {
    ok = IsDistrictDok(dok, def.SpecialDistricts) && !IsOneOf(dok, kNoDistrictDoks) &&
         !(code == 'o' && !StartsWith(dok, "Z"));
  }
  if (ok) return true;
  if (code == 'O')
    return (StartsWith(dok, "M") || InList(dok, def.SpecialDoks)) && IsDokLikeText(dok, listTable);
  if (code == 'h') {
    const uint8_t t = listTable.GetListRec().Category();
    return t >= 4 && t <= 6 && dok.size() >= 2;
  }
  if (def.MultiplierOption) return IsDokLikeText(dok, listTable) && !IsLetterDigitDigit(dok);
  return false;
}

bool TContLogAlle::IsDokLikeText(std::string_view text, const TdbContestBase& listTable) {
  static constexpr std::array<std::string_view, 27> kShortDoks = {
      "BN", "BS", "BY", "CW", "DC", "DN", "DW", "DX", "FA", "FM", "IM", "IW", "JK", "JL",
      "JR", "KA", "MF", "MH", "ND", "RP", "SD", "SH", "SQ", "WN", "XX", "YL", "VO"};
  if (text.size() < 2 || IsOneOf(text, kNoDistrictDoks)) return false;
  bool letter = false;
  for (char c : text) letter = letter || IsLetter(c);
  if (!letter) return false;
  if (text.size() >= 3) return true;
  if (IsOneOf(text, kShortDoks)) return true;
  if (text[0] >= '1' && text[0] <= '9' && text[1] == 'N') return true;
  return text == "NM" && CodeOf(listTable) == '1';
}

bool TContLogAlle::IsValidDistrict(std::string_view value, const TContestRec& def,
                                   const TdbContestBase& listTable) {
  if (value.size() >= 4) return false;
  const char code = CodeOf(listTable);
  const auto twoDigits = [&] {
    return value.size() == 3 && IsDigit(value[1]) && IsDigit(value[2]);
  };
  const char c = value.empty() ? '\0' : value[0];
  if (code == 'h') return ((c >= 'A' && c <= 'I') || (c >= 'L' && c <= 'Y')) && twoDigits();
  if (code == 'u') return ((c >= 'A' && c <= 'I') || (c >= 'K' && c <= 'Z')) && twoDigits();
  if (code == 'W' && def.MultiplierKinds.test(21)) return !value.empty();
  if (code == 'o' && c == 'Z') return false;
  return HasLetter(def.HomeDistricts, c) && twoDigits();
}

bool TContLogAlle::IsValidCallMulti(std::string_view call, const TContestRec& def,
                                    const TdbContestBase&) {
  const size_t slash = call.find('/');
  if (slash != std::string_view::npos) call = call.substr(0, slash);
  return !HasEntry(def.SpecialCalls) || InList(call, def.SpecialCalls);
}

bool TContLogAlle::IsValidArea(std::string_view area, const TdbContestBase& listTable) {
  static constexpr std::array<std::string_view, 23> kAreas = {
      "AK", "HF", "RA", "YZ", "AS", "HS", "RM", "ZF", "AZ", "HB", "RH", "BS",
      "JN", "SM", "BL", "JS", "TA", "HD", "KT", "TK", "HG", "PT", "YN"};
  if (CodeOf(listTable) != 'H') return IsDokLikeText(area, listTable);
  return area.size() == 5 && IsLetter(area[0]) && IsDigit(area[1]) && IsDigit(area[2]) &&
         IsOneOf(area.substr(3), kAreas);
}

bool TContLogAlle::IsMemberListEntry(const TContestRec& def, const TdbContestBase& qsoTable) {
  const std::string received = exchangesplit::ReceivedExchangeText(qsoTable.GetQSORec());
  if (def.MemberList == "Naval")
    return received.size() > 3 && received.substr(3) != "NM" && !IsDigit(received[3]);
  return received.find(def.MemberList) != std::string::npos;
}

bool TContLogAlle::PassesMemberTest(const TContestRec& def, const TdbContestBase& qsoTable) {
  return def.MemberList.empty() || IsMemberListEntry(def, qsoTable);
}

bool TContLogAlle::FailsMemberTest(const TContestRec& def, const TdbContestBase& qsoTable) {
  return !PassesMemberTest(def, qsoTable);
}

int TContLogAlle::MultiplierWeight(int kind, const TContestQSORec& qso, const TContestRec& def,
                                   const TdbContestBase& listTable) {
  const TContestListRec list = listTable.GetListRec();
  const char code = list.Typ();
  const uint8_t t = list.Category();
  const std::string dok = qso.DOK();
  const std::string dok1 = qso.DOK1();
  const bool classes4to8 = t >= 4 && t <= 8;
  if (kind == 5) {
    if (code == 'Y') return 4;
    if (code == '2') return 2;
    if (code == 'J') return qso.Bandcode() == 'k' || qso.Bandcode() == 'l' ? 0 : -1;
    return 0;
  }
  if (kind == 10) return code == 'h' && classes4to8 ? 2 : 0;
  if (kind != 4) return 0;
  switch (code) {
    case 'h':
      if (!classes4to8) return 0;
      return InList(dok, def.SpecialDoks) || (dok1.size() == 3 && dok1[0] == 'K') ? 2 : 0;
    case '1': return dok == "NM" ? -1 : 0;
    case 'G':
      if (dok.size() == 3 && dok[0] == 'F' && IsDigit(dok[1]) && IsDigit(dok[2])) return 0;
      return InList(dok, def.SpecialDoks) ? 1 : 0;
    case '2':
      if (dok1 == "WN") return 5;
      return dok1.size() >= 2 && dok1.size() <= 3 && dok1.back() == 'N' ? 2 : 0;
    case 'U': {
      static constexpr std::array<std::string_view, 7> kDistrictU = {"Z16", "Z44", "Z64", "Z76",
                                                                     "BBT", "DVU", "DB0"};
      const bool answer = list.MemberAnswer() != 0;
      int adjustment = answer ? 1 : 0;
      if (StartsWith(dok1, "U") || IsOneOf(dok1, kDistrictU)) adjustment += answer ? -1 : 1;
      return adjustment;
    }
    default: return 0;
  }
}
