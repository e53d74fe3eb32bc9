#include "reference/modi.h"

#include <algorithm>
#include <initializer_list>

#include "foundation/strings.h"

ToModi* oModi = nullptr;

namespace modi {
std::string gDefaultDigitalModes = "RTTY, HELL, MFSK, FSK, WSJT, FSK441, MT63, RY";
std::string gDefaultAmtor = "AMTOR";
std::string gDefaultPactor = "PACTOR";
std::string gDefaultSstv = "SSTV";
std::string gDefaultAtv = "ATV";
std::string gDefaultFax = "FAX";
}  // namespace modi

namespace {

struct ModeRowDef {
  char code;
  const char* name;
  unsigned char cls;
  const char* contestWord;
  std::initializer_list<const char*> synonyms;
  unsigned char group2;
};

const ModeRowDef kRows[ToModi::kModeCount] = {
    {'a', "CW", 0, "CW", {"A1A", "A1"}, 1},
    {'b', "SSB", 2, "PH", {"USB", "J3E", "LSB"}, 2},
    {'c', "AM", 2, "", {"A3E", "A3"}, 2},
    {'d', "FM", 1, "FM", {"F3E", "F3"}, 3},
    {'e', "RTTY", 3, "RY", {"MFSK", "FSK", "WSJT", "FSK441", "MT63", "RY", "OLIVIA", "JT65"}, 4},
    {'f', "AMTOR", 3, "", {}, 4},
    {'g', "PACTOR", 3, "", {"TOR"}, 0},
    {'h', "FAX", 4, "", {"HELL"}, 0},
    {'i', "ATV", 4, "", {}, 0},
    {'j', "SSTV", 3, "", {}, 0},
    {'k', "SAT", 5, "", {}, 5},
    {'l', "PSK", 3, "RY", {"PSK31", "PSK-31"}, 0},
    {'m', "PKT", 6, "RY", {"PACKET", "PR"}, 0},
};

// The fixed words of the mode lookup, tried in this order; the first list holding the
// text decides.
struct FixedWords {
  TModeCode code;
  std::initializer_list<const char*> words;
};
const FixedWords kFixedWords[] = {
    {'a', {"CW", "A1A", "A1"}},
    {'b', {"SSB", "USB", "J3E", "LSB"}},
    {'c', {"AM", "A3E", "A3"}},
    {'d', {"FM", "F3E", "F3"}},
    {'e', {"RTTY", "RY", "CLOVER", "G-TOR", "WINMOR", "ROS", "WSPR"}},
    {'g', {"TOR"}},
    {'k', {"SAT"}},
    {'l',
     {"PSK", "PSK31", "PSK-31", "PSK63", "PSK125", "BPSK31", "BPSK63", "BPSK125", "DSTAR", "DMR",
      "JT6M", "QPSK"}},
    {'m', {"PACKET", "PKT", "PR"}},
};

bool StartsWith(std::string_view s, std::string_view p) { return s.substr(0, p.size()) == p; }

bool OneOf(std::string_view s, std::initializer_list<const char*> words) {
  return std::any_of(words.begin(), words.end(), [&](const char* w) { return s == w; });
}

}  // namespace

ToModi::ToModi()
    : digitalModes_(modi::gDefaultDigitalModes),
      amtor_(modi::gDefaultAmtor),
      pactor_(modi::gDefaultPactor),
      sstv_(modi::gDefaultSstv),
      atv_(modi::gDefaultAtv),
      fax_(modi::gDefaultFax) {
  for (int i = 0; i < kModeCount; ++i) {
    const ModeRowDef& d = kRows[i];
    BM3Mode& r = rows_[size_t(i)];
    r.Code = d.code;
    r.Name = d.name;
    r.Class = d.cls;
    r.ContestWord = d.contestWord;
    size_t n = 0;
    for (const char* s : d.synonyms) r.Synonyms[n++] = s;
    r.Group2 = d.group2;
  }
}

TModeCode ToModi::ModeCodeOf(std::string_view modeText) const {
  TModeCode result = ' ';
  if (StartsWith(modeText, "2x") || StartsWith(modeText, "2X")) modeText.remove_prefix(2);
  const std::string t = ToStrings::Trim(modeText);
  for (const FixedWords& f : kFixedWords) {
    if (OneOf(t, f.words)) {
      result = f.code;
      break;
    }
  }
  // The user's words override the fixed lists; the last one that matches wins.
  const std::pair<const std::string*, TModeCode> userWords[] = {
      {&amtor_, 'f'}, {&pactor_, 'g'}, {&fax_, 'h'}, {&atv_, 'i'}, {&sstv_, 'j'}};
  for (const auto& [word, code] : userWords) {
    if (t == *word) result = code;
  }
  if (result == ' ' && !t.empty()) {
    for (int i = 0; i < kModeCount; ++i) {
      const std::string& list = aliases_[size_t(i)];
      if (list.empty()) continue;
      if (ToStrings::AnsiUpperCase(list).find(t) != std::string::npos) return TModeCode('a' + i);
    }
  }
  return result;
}

std::string ToModi::ContestModeOf(TModeCode code) const {
  for (const BM3Mode& r : rows_) {
    if (r.Code == code) return r.ContestWord;
  }
  return {};
}

char ToModi::ModeCategoryOf(std::string_view modeText, bool extended) const {
  char cls = '9';
  switch (ModeCodeOf(modeText)) {
    case 'a': cls = '2'; break;
    case 'b':
    case 'c': cls = '1'; break;
    case 'd': cls = extended ? '1' : '4'; break;
    case 'e':
    case 'f':
    case 'g':
    case 'j':
    case 'l': cls = '3'; break;
    case 'k': cls = extended ? '4' : '9'; break;
    default: cls = '9'; break;
  }
  if (!extended) return cls;
  const std::string t = ToStrings::Trim(modeText);
  if (OneOf(t, {"HELL", "MFSK", "FSK", "WSJT", "FSK441", "MT63", "THROB", "RTTYM", "OLIVIA",
                "CONTESTIA", "ISCAT"}) ||
      StartsWith(modeText, "PSK") || StartsWith(modeText, "BPSK") || StartsWith(modeText, "QPSK") ||
      StartsWith(modeText, "FSK") || StartsWith(modeText, "MFSK") || StartsWith(modeText, "JT")) {
    return '3';
  }
  return cls;
}

void ToModi::SetModeAliases(std::string_view text, int index) {
  if (index >= 0 && index < kModeCount) aliases_[size_t(index)] = text;
}

std::string ToModi::GetModeAliases(int index) const {
  if (index < 0 || index >= kModeCount) return {};
  return aliases_[size_t(index)];
}

void ToModi::ClearModeAliases() {
  for (std::string& a : aliases_) a.clear();
}

void ToModi::AddExtraMode(std::string_view name) {
  if (std::find(extraModes_.begin(), extraModes_.end(), name) == extraModes_.end())
    extraModes_.emplace_back(name);
}

std::string ToModi::GetExtraMode(int index) const {
  if (index < 0 || index >= ExtraModeCount()) return {};
  return extraModes_[size_t(index)];
}
