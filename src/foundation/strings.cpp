#include "foundation/strings.h"

#include <QLocale>
#include <algorithm>
#include <charconv>
#include <cstring>

#include "foundation/cp1252.h"

namespace {

bool gSlashZeroOption = false;

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

bool IsControl(char c) { return static_cast<unsigned char>(c) < ' ' || c == 0x7F; }

size_t ToSize(int n) { return n < 0 ? 0 : size_t(n); }

// The Windows-1252 upper case of one byte.
char UpperChar(char c) {
  const auto b = static_cast<unsigned char>(c);
  if (b >= 'a' && b <= 'z') return char(b - 0x20);
  if (b >= 0xE0 && b <= 0xFE && b != 0xF7) return char(b - 0x20);  // à..þ except ÷
  switch (b) {
    case 0x9A: return char(0x8A);  // š
    case 0x9C: return char(0x8C);  // œ
    case 0x9E: return char(0x8E);  // ž
    case 0xFF: return char(0x9F);  // ÿ
    default: return c;
  }
}

std::string Padded(std::string_view digits, int width) {
  if (width <= 0) return std::string(digits);
  if (digits.size() > size_t(width)) return std::string(size_t(width), '*');
  return std::string(size_t(width) - digits.size(), ' ') + std::string(digits);
}

}  // namespace

bool ToStrings::AllDigits(std::string_view s) {
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

std::string ToStrings::Trim(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && IsBlank(s[b])) ++b;
  while (e > b && IsBlank(s[e - 1])) --e;
  return std::string(s.substr(b, e - b));
}

std::string ToStrings::BlankControls(std::string_view s) {
  std::string out(s);
  std::replace_if(out.begin(), out.end(), IsControl, ' ');
  return out;
}

bool ToStrings::HasControls(std::string_view s) {
  return std::any_of(s.begin(), s.end(), IsControl);
}

std::string ToStrings::Left(std::string_view s, int n) {
  return std::string(s.substr(0, ToSize(n)));
}

std::string ToStrings::CopyFrom(std::string_view s, int index) {
  return Copy(s, index, int(std::min<size_t>(s.size(), INT32_MAX)));
}

std::string ToStrings::Copy(std::string_view s, int index, int count) {
  // An index below 1 starts at the first character, as the callers' Pascal roots did.
  const size_t from = index < 1 ? 0 : size_t(index) - 1;
  if (from >= s.size()) return {};
  return std::string(s.substr(from, ToSize(count)));
}

int ToStrings::Pos(std::string_view sub, std::string_view s) {
  if (sub.empty()) return 0;
  const size_t at = s.find(sub);
  return at == std::string_view::npos ? 0 : int(at) + 1;
}

std::string ToStrings::TextBefore(std::string_view s, std::string_view sub, bool includeSub) {
  const int p = Pos(sub, s);
  if (p == 0) return {};
  return std::string(s.substr(0, size_t(p) - 1 + (includeSub ? sub.size() : 0)));
}

std::string ToStrings::TextAfter(std::string_view s, std::string_view sub, bool includeSub) {
  const int p = Pos(sub, s);
  if (p == 0) return std::string(s);
  return std::string(s.substr(size_t(p) - 1 + (includeSub ? 0 : sub.size())));
}

std::string ToStrings::TextBetween(std::string_view s, std::string_view sub1, std::string_view sub2,
                                   bool includeSubs) {
  // sub2 is looked for behind sub1, also when sub1 is kept: "/A/" between "/" and "/"
  // is "A", never the first "/" alone.
  const bool found1 = Pos(sub1, s) != 0;
  std::string between = TextBefore(TextAfter(s, sub1), sub2, includeSubs);
  if (between.empty() || !includeSubs || !found1) return between;
  return std::string(sub1) + between;
}

std::string ToStrings::ReplaceAll(std::string_view s, std::string_view oldText,
                                  std::string_view newText) {
  if (oldText.empty()) return std::string(s);
  std::string out;
  size_t from = 0;
  for (size_t at; (at = s.find(oldText, from)) != std::string_view::npos;
       from = at + oldText.size()) {
    out.append(s.substr(from, at - from));
    out.append(newText);
  }
  out.append(s.substr(from));
  return out;
}

std::string ToStrings::FitWidth(std::string_view s, int width, bool fit) {
  if (!fit) return std::string(s);
  std::string out(s.substr(0, ToSize(width)));
  out.resize(ToSize(width), ' ');
  return out;
}

std::string ToStrings::FitWidthUpper(std::string_view s, int width, bool fit) {
  return AnsiUpperCase(FitWidth(s, width, fit));
}

std::string ToStrings::Center(std::string_view s, int width) {
  if (s.size() >= ToSize(width)) return std::string(s);
  const size_t left = (size_t(width) - s.size()) / 2;
  std::string out(size_t(width), ' ');
  out.replace(left, s.size(), s);
  return out;
}

std::string ToStrings::PadLeft(std::string_view s, int width) { return PadLeftCh(s, ' ', width); }

std::string ToStrings::PadLeftCh(std::string_view s, char ch, int width) {
  if (s.size() >= ToSize(width)) return std::string(s);
  return std::string(size_t(width) - s.size(), ch) + std::string(s);
}

std::string ToStrings::PadRightCh(std::string_view s, char ch, int width) {
  std::string out(s);
  if (out.size() < ToSize(width)) out.resize(size_t(width), ch);
  return out;
}

std::string ToStrings::CharStr(char ch, int count) { return std::string(ToSize(count), ch); }

int ToStrings::Length(std::string_view s) { return int(s.size()); }

std::string ToStrings::IntToStrPadded(int32_t value, int width) {
  return Int64ToStrPadded(value, width);
}

std::string ToStrings::Int64ToStrPadded(int64_t value, int width) {
  return Padded(std::to_string(value), width);
}

std::string ToStrings::IntToStrZero(int32_t value, int width) {
  const std::string digits = std::to_string(value < 0 ? -int64_t(value) : int64_t(value));
  const std::string sign = value < 0 ? "-" : "";
  const size_t room = ToSize(width) > sign.size() ? ToSize(width) - sign.size() : 0;
  return sign + PadLeftCh(digits, '0', int(room));
}

std::string ToStrings::FloatToStr(double value) {
  if (value == 0) value = 0;  // no "-0"
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
  std::string out(buf, res.ptr);
  const std::string point = S(QLocale().decimalPoint());
  if (!point.empty() && point[0] != '.') std::replace(out.begin(), out.end(), '.', point[0]);
  return out;
}

std::string ToStrings::FloatToStrWidth(int width, int decimals, char decimalChar, double value) {
  decimals = std::clamp(decimals, 0, 30);
  char buf[400];
  const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
  std::string out = res.ec == std::errc() ? std::string(buf, res.ptr) : std::string("0");
  const size_t point = out.find('.');
  if (point != std::string::npos) out[point] = decimalChar;
  const size_t integerPlaces = point == std::string::npos ? out.size() : point;
  if (integerPlaces < ToSize(width)) out.insert(0, size_t(width) - integerPlaces, ' ');
  return out;
}

double ToStrings::StrToReal(std::string_view s) {
  std::string text = Trim(s);
  bool digit = false, point = false;
  for (char& c : text) {
    if (c >= '0' && c <= '9') {
      digit = true;
    } else if ((c == '.' || c == ',') && !point) {
      point = true;
      c = '.';
    } else {
      return 0;
    }
  }
  if (!digit) return 0;
  double value = 0;
  const auto res = std::from_chars(text.data(), text.data() + text.size(), value);
  return res.ec == std::errc() ? value : 0;
}

std::string ToStrings::AnsiUpperCase(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = UpperChar(c);
  return out;
}

std::string ToStrings::UnslashZeros(std::string_view s) {
  std::string out(s);
  std::replace(out.begin(), out.end(), kSlashedZero, '0');
  return out;
}

std::string ToStrings::SlashZeros(std::string_view s) {
  std::string out(s);
  if (gSlashZeroOption) std::replace(out.begin(), out.end(), '0', kSlashedZero);
  return out;
}

void ToStrings::SetSlashZeroOption(bool on) { gSlashZeroOption = on; }
bool ToStrings::SlashZeroOption() { return gSlashZeroOption; }

std::string ToStrings::AdifField(std::string_view name, std::string_view value,
                                 std::string_view dataType) {
  const std::string v = Trim(value);
  std::string out = "<" + std::string(name) + ":" + std::to_string(v.size());
  if (!dataType.empty()) out += ":" + std::string(dataType);
  return out + ">" + v + " ";
}

std::string ToStrings::IncKeyPrefix(std::string_view s, int n, char /*padCh*/) {
  std::string key = FitWidth(s, n, true);
  for (size_t i = key.size(); i-- > 0;) {
    const auto c = static_cast<unsigned char>(key[i]);
    if (c >= 'z') continue;
    key[i] = c == '9' || c < '0' ? 'A' : char(c + 1);
    // Everything behind the stepped place is 'z' or above; dropping it makes the result
    // the least key above the whole prefix, so no key between is skipped.
    key.resize(i + 1);
    return key;
  }
  return {};
}

std::string ToStrings::LongToKey(int32_t value, bool keyFlag) {
  return keyFlag ? keycodec::LongKey(value) : std::to_string(value);
}

TKeyStr ToStrings::ShortToKeyStr(std::string_view s) {
  TKeyStr key;
  key.Assign(s);
  return key;
}

TKeyStr ToStrings::LongToKeyStr(int32_t value, bool keyFlag) {
  return ShortToKeyStr(LongToKey(value, keyFlag));
}

std::string ToStrings::KeyStrToShort(const TKeyStr& key) {
  const int len = std::clamp(key.Len, 0, int(TKeyStr::kMaxLen));
  return std::string(key.Chars, size_t(len));
}
