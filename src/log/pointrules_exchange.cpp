// The point rules that score by the received exchange: member numbers, classes, powers.
#include <algorithm>
#include <charconv>
#include <cstdint>

#include "foundation/strings.h"
#include "log/loghelpers.h"
#include "log/pointrules.h"

using loghelpers::IsDigit;
using loghelpers::StartsWith;

namespace pointrules {

namespace {

// Text after the first '/' of the received exchange: the class of the class contests.
std::string ClassField(const TPointsQso& q) {
  std::string rst, f1, f2, f3;
  TContLogAlle::SplitExchangeFields(q.Received, rst, f1, f2, f3);
  return ToStrings::Trim(f2);
}

// The members' field (characters 4-5) says "no member" or is empty.
bool NoMember(const TPointsQso& q) {
  const std::string member = ToStrings::Trim(q.ReceivedPart(4, 2));
  return member.empty() || member == "NM";
}

}  // namespace

int FebruarQsoParty(const TPointsQso& q) {
  if (StartsWith(q.Call, "DN")) return 100;
  const std::string text = ToStrings::Trim(q.ReceivedPart(4, std::string::npos));
  if (text == "XX" || text == "xx") return 20;
  if (text == "00") return 100;
  // Only a plain decimal number counts; anything else scores nothing.
  int64_t value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || !IsDigit(text[0]) || ec != std::errc() || ptr != end) return 0;
  return int(std::min<int64_t>(value, 65535));
}

int Handtasten(const TPointsQso& q) {
  static constexpr int kPoints[3][3] = {{9, 7, 5}, {7, 4, 3}, {5, 3, 2}};  // A, B, C by row
  const std::string c = ClassField(q);
  if (c.size() != 1 || c[0] < 'A' || c[0] > 'C' || q.Class < 1 || q.Class > 7 || q.Class == 4)
    return 0;
  return kPoints[(q.Class - 1) % 4][c[0] - 'A'];
}

int Iparc(const TPointsQso& q) {
  const std::string& word = q.Def.MemberList2;
  return !word.empty() && q.Received.find(word) != std::string::npos ? 5 : 1;
}

int HscCw(const TPointsQso& q) { return NoMember(q) ? 1 : 5; }

int DigQsoParty(const TPointsQso& q) {
  if (q.ClassIn({3, 4})) return q.Distance;
  const std::string number = ToStrings::Trim(q.ReceivedPart(4, 4));
  return number.empty() || number == "0" || ToStrings::Trim(q.ReceivedPart(4, 2)) == "NM" ? 1 : 10;
}

int Naval(const TPointsQso& q) { return NoMember(q) || IsDigit(q.ReceivedPart(4, 1)[0]) ? 1 : 10; }

int AgcwQrpParty(const TPointsQso& q) { return ClassField(q) == "A" ? 2 : 1; }

int RtcParty(const TPointsQso& q) {
  const size_t slash = q.Received.find('/');
  return slash != std::string::npos && slash + 1 < q.Received.size() ? 2 : 1;
}

int AgcwQrp(const TPointsQso& q) {
  const size_t slash = q.Received.find('/');
  const std::string c =
      slash == std::string::npos ? std::string() : q.Received.substr(slash + 1, 3);
  int column = 4;  // another class
  if (c == "QRP")
    column = 0;
  else if (c == "VLP")
    column = 1;
  else if (c == "QRO")
    column = 2;
  else if (StartsWith(c, "MP"))
    column = 3;
  static constexpr int kPoints[4][5] = {
      // QRP VLP QRO MP.. other
      {3, 3, 2, 2, 1},  // classes 0-2
      {2, 2, 2, 2, 1},  // 3
      {2, 2, 0, 2, 1},  // 4
      {1, 1, 1, 1, 1},  // 5 and above
  };
  const int row = q.Class <= 2 ? 0 : q.Class >= 5 ? 3 : q.Class - 2;
  return kPoints[row][column];
}

int QcwaParty(const TPointsQso& q) {
  if (q.CallIn({"DA0QC", "DK0QCW", "DL0QCW"})) return 10;
  return q.ReceivedPart(4, 5).size() == 5 ? 10 : 1;
}

int DswKurz(const TPointsQso& q) {
  const int points = q.Class == 3 ? q.Distance : 1;
  if (q.Class >= 3 && q.Class != 4) return points;
  const std::string call = loghelpers::BaseCall(q.Call);
  if (call == "DF0DSW" || call == "DK0DSW" || call == "DL0DSW" || call == "DA0LHT") return 5;
  if (ToStrings::Trim(q.ReceivedPart(4, 6)).empty()) return 1;
  const int line = q.Alle.FindInMemberList("dsw.csv", call, 1);
  if (line < 0) return 2;
  return q.Alle.MemberListColumn(1, line, 4).empty() ? 2 : 3;
}

}  // namespace pointrules
