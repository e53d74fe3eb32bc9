#include "foundation/kvedittext.h"

#include "foundation/strings.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

namespace kvedittext {
namespace {

bool IsDigitPlace(char p) {
  switch (p) {
    case '9':
    case '0':
    case '#':
    case 'd':
    case 'D':
    case 'm':
    case 'M':
    case 'y':
    case 'Y':
    case 'h':
    case 'H':
    case 's':
    case 'S': return true;
    default: return false;
  }
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int Number(std::string_view s) {
  int n = 0;
  for (char c : s) n = n * 10 + (c - '0');
  return n;
}

// Splits at any of the separators; a trailing separator leaves no empty field.
std::vector<std::string_view> Split(std::string_view s, std::string_view separators) {
  std::vector<std::string_view> fields;
  size_t start = 0;
  for (size_t i = 0; i <= s.size(); ++i) {
    if (i == s.size() || separators.find(s[i]) != std::string_view::npos) {
      fields.push_back(s.substr(start, i - start));
      start = i + 1;
    }
  }
  while (fields.size() > 1 && fields.back().empty()) fields.pop_back();
  return fields;
}

bool HasAny(std::string_view s, std::string_view chars) {
  return s.find_first_of(chars) != std::string_view::npos;
}

// Digits without separators cut into groups of two from the right end of the leading
// group: "930" -> "9","30"; "050326" -> "05","03","26" (lengths given by the caller).
std::vector<std::string_view> CutDigits(std::string_view s, std::initializer_list<int> widths) {
  std::vector<std::string_view> fields;
  size_t at = 0;
  for (int w : widths) {
    if (at >= s.size()) break;
    fields.push_back(s.substr(at, size_t(w)));
    at += size_t(w);
  }
  if (at < s.size()) fields.push_back(s.substr(at));
  return fields;
}

std::string Format2(int a, int b) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d:%02d", a % 100, b % 100);
  return buf;
}

}  // namespace

std::optional<TFitted> FitToPicture(std::string_view picture, std::string_view text, int cursor) {
  if (picture.empty()) return TFitted{std::string(text), cursor};
  TFitted out;
  out.Cursor = -1;
  size_t place = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (int(i) == cursor) out.Cursor = int(out.Text.size());
    const char c = text[i];
    for (;;) {
      if (place >= picture.size()) return std::nullopt;
      const char p = picture[place];
      if (!IsDigitPlace(p)) {
        // A separator of the picture: typed or put in before the next character.
        out.Text += p;
        ++place;
        if (c == p) break;
        continue;
      }
      if (IsDigit(c)) {
        out.Text += c;
        ++place;
        break;
      }
      // A separator typed before its group is full closes the group.
      size_t next = place;
      while (next < picture.size() && IsDigitPlace(picture[next])) ++next;
      if (next >= picture.size() || picture[next] != c) return std::nullopt;
      out.Text += c;
      place = next + 1;
      break;
    }
  }
  if (out.Cursor < 0) out.Cursor = int(out.Text.size());
  return out;
}

std::string UpperText(std::string_view text) { return ToStrings::AnsiUpperCase(text); }

std::string CompleteDate(std::string_view text, int todayDay, int todayMonth, int todayYear) {
  const std::string t = ToStrings::Trim(text);
  if (t.empty()) return std::string(text);
  std::vector<std::string_view> fields;
  if (HasAny(t, "./- ")) {
    fields = Split(t, "./- ");
  } else {
    if (t.size() > 8) return std::string(text);
    fields = CutDigits(t, {2, 2});
  }
  if (fields.size() > 3) return std::string(text);
  fields.resize(3);
  for (auto f : fields)
    if (!ToStrings::AllDigits(f)) return std::string(text);
  if (fields[0].size() > 2 || fields[1].size() > 2 || fields[2].size() == 3 || fields[2].size() > 4)
    return std::string(text);
  const int day = fields[0].empty() ? todayDay : Number(fields[0]);
  const int month = fields[1].empty() ? todayMonth : Number(fields[1]);
  int year = fields[2].empty() ? todayYear : Number(fields[2]);
  if (fields[2].size() == 1 || fields[2].size() == 2) year += 2000;
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d.%02d.%04d", day, month, year);
  return buf;
}

std::string CompleteTime(std::string_view text) {
  const std::string t = ToStrings::Trim(text);
  if (t.empty()) return std::string(text);
  std::vector<std::string_view> fields;
  if (HasAny(t, ":.")) {
    fields = Split(t, ":.");
  } else if (t.size() <= 6) {
    // An odd count of digits leaves a one-digit hour: "930" is 9:30.
    fields = CutDigits(t, {t.size() % 2 == 1 ? 1 : 2, 2});
  } else {
    return std::string(text);
  }
  if (fields.size() > 3) return std::string(text);
  for (auto f : fields)
    if (f.size() > 2 || !ToStrings::AllDigits(f)) return std::string(text);
  const bool seconds = fields.size() == 3 && !fields[2].empty();
  fields.resize(3);
  std::string out = Format2(Number(fields[0]), Number(fields[1]));
  if (seconds) out += Format2(0, Number(fields[2])).substr(2);
  return out;
}

std::string SingleText(float value, char decimalChar, int maxDecimals) {
  if (!std::isfinite(value)) value = 0;
  char buf[64];
  // The shortest text that reads back as this float: 10368.1f is "10368.1", although its
  // exact binary value is 10368.0996...
  auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
  std::string out = r.ec == std::errc() ? std::string(buf, r.ptr) : std::string("0");
  const size_t point = out.find('.');
  if (point != std::string::npos && maxDecimals >= 0 && int(out.size() - point - 1) > maxDecimals) {
    // Round that decimal text, not the binary value, to the places the picture has.
    double shortest = 0;
    std::from_chars(out.data(), out.data() + out.size(), shortest);
    r = std::to_chars(buf, buf + sizeof buf, shortest, std::chars_format::fixed, maxDecimals);
    out = r.ec == std::errc() ? std::string(buf, r.ptr) : std::string("0");
  }
  if (out.find('.') != std::string::npos) {
    while (out.back() == '0') out.pop_back();
    if (out.back() == '.') out.pop_back();
  }
  if (out == "-0") out = "0";
  const size_t dot = out.find('.');
  if (dot != std::string::npos) out[dot] = decimalChar;
  return out;
}

float ReadSingle(std::string_view text) {
  std::string t = ToStrings::Trim(text);
  if (t.empty()) return 0;
  for (char& c : t)
    if (c == ',') c = '.';
  float value = 0;
  const auto r = std::from_chars(t.data(), t.data() + t.size(), value);
  if (r.ec != std::errc() || r.ptr != t.data() + t.size() || !std::isfinite(value)) return 0;
  return value;
}

}  // namespace kvedittext
