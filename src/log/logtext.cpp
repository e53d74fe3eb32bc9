// The small text helpers of the log: exchange split and join, call tests, prefix of a
// call, distance from the own locator, US states and the tally index of a band.
#include <array>
#include <cmath>

#include "foundation/strings.h"
#include "log/contlogalle.h"
#include "log/loghelpers.h"
#include "reference/locator.h"
#include "reference/prefix.h"
#include "tables/contesttables.h"
#include "tables/setups.h"

using loghelpers::IsDigit;
using loghelpers::IsLetter;

std::string loghelpers::BaseCall(std::string_view call) {
  std::string c = ToStrings::UnslashZeros(ToStrings::Trim(call));
  return oPrefix ? oPrefix->CountryOfCallDe(c) : c;
}

void TContLogAlle::SplitExchangeText(std::string_view text, std::string& rst, std::string& f1,
                                     std::string& f2, std::string& f3) {
  rst = std::string(text.substr(0, 3));
  std::string_view rest = text.size() > 3 ? text.substr(3) : std::string_view();
  f2.clear();
  f3.clear();
  const size_t slash = rest.find('/');
  if (slash == std::string_view::npos) {
    f1 = std::string(rest);
    return;
  }
  f1 = std::string(rest.substr(0, slash));
  std::string_view second = rest.substr(slash + 1);
  const size_t slash2 = second.find('/');
  if (slash2 != std::string_view::npos) {
    f3 = std::string(second.substr(slash2 + 1));
    second = second.substr(0, slash2);
  }
  f2 = std::string(second);
}

void TContLogAlle::SplitExchangeFields(std::string_view text, std::string& rst, std::string& f1,
                                       std::string& f2, std::string& f3) {
  SplitExchangeText(text, rst, f1, f2, f3);
}

std::string TContLogAlle::JoinExchangeText(std::string_view rst, std::string_view f1,
                                           std::string_view f2, std::string_view f3) {
  std::string text(rst.substr(0, 3));
  text.resize(3, ' ');
  text += f1;
  if (!f2.empty() || !f3.empty()) (text += '/') += f2;
  if (!f3.empty()) (text += '/') += f3;
  return text;
}

uint8_t TContLogAlle::IsCallValid(std::string_view call) {
  const std::string b = loghelpers::BaseCall(call);
  if (b.empty() || (b[0] == 'D' && b.size() < 4)) return 1;
  if (b.size() < 3) return 1;
  if ((IsDigit(b[0]) && IsDigit(b[1])) || (IsLetter(b[0]) && IsLetter(b[1]) && IsLetter(b[2])))
    return 2;
  return 0;
}

bool TContLogAlle::IsGermanCall(std::string_view call, const TdbContestBase& listTable) {
  const char code = listTable.GetListRec().Typ();
  if (code == 'K' || code == 'B') return true;
  if (call.size() < 2 || call[0] != 'D') return false;
  const char c = call[1];
  return (c >= 'A' && c <= 'H') || (c >= 'J' && c <= 'R');
}

std::string TContLogAlle::PrefixOfCall(std::string_view call) {
  if (call.size() < 2) return std::string(call);
  size_t i = 1;
  while (i < call.size() && !IsDigit(call[i])) ++i;
  while (i < call.size() && IsDigit(call[i])) ++i;
  return std::string(call.substr(0, i));
}

int TContLogAlle::DistanceFromOwnLocator(std::string_view locator) {
  if (!oLocator) return 0;
  double bearing = 0, distance = 0;
  const std::string own = Setups().GetEigeneStation().Locator();
  if (!oLocator->DistanceAndBearing(own, locator, bearing, distance)) return 0;
  // Half a kilometre rounds up; the trigonometry may leave an exact half a hair below it,
  // so a millimetre of slack keeps it there.
  return int(std::floor(distance + 0.5 + 1e-6));
}

std::string TContLogAlle::UsStateCode(std::string_view text) {
  static constexpr std::array<std::string_view, 51> kStates = {
      "AL", "AK", "AZ", "AR", "CA", "CO", "CT", "DE", "FL", "GA", "HI", "ID", "IL",
      "IN", "IA", "KS", "KY", "LA", "ME", "MD", "MA", "MI", "MN", "MS", "MO", "MT",
      "NE", "NV", "NH", "NJ", "NM", "NY", "NC", "ND", "OH", "OK", "OR", "PA", "RI",
      "SC", "SD", "TN", "TX", "UT", "VT", "VA", "WA", "WV", "WI", "WY", "DC"};
  return loghelpers::IsOneOf(text, kStates) ? std::string(text) : std::string();
}

char TContLogAlle::TallyIndex(char band, uint8_t bandMode, bool fold) {
  return fold && bandMode != 0 && bandMode != 2 ? char(1) : band;
}
