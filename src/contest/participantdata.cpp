#include "contest/participantdata.h"

#include <cctype>
#include <cstdio>

#include "foundation/strings.h"

namespace participant {
namespace {

using K = TPromptKind;

const char* const kAgcw = "Sie haben keine Angabe über die AGCW-Mitgliedschaft getätigt.";

const TPrompt kPrompts[] = {
    {'V', K::None, "", "", 0, "", nullptr, false},
    {'P', K::Number, "Lebensalter :", "", 0, "XX",
     "Sie haben keine Angabe über Ihr DARC-Alter getätigt.", true},
    {'q', K::Number, "", "Lebensalter:", 0, "XX",
     "Sie haben keine Angabe über Ihr Lebensalter getätigt.", false},
    {'6', K::Number, "", "HSC-Nr:", 4, "NM",
     "Sie haben keine Angabe über die HSC-Mitgliedschaft getätigt.", false},
    {'7', K::Number, "", "DIG-Nr:", 4, "0",
     "Sie haben keine Angabe über die DIG-Mitgliedschaft getätigt.", false},
    {'f', K::Number, "", "AGCW-Nr:", 4, "0", kAgcw, false},
    {'w', K::Number, "", "AGCW-Nr:", 4, "0", kAgcw, false},
    {'4', K::Number, "", "RTC-Nr:", 4, "0",
     "Sie haben keine Angabe über die RTC-Mitgliedschaft getätigt.", false},
    {'k', K::Number, "", "QCWA-Nr:", 5, "0", nullptr, false},
    {'m', K::Number, "", "Teilnehmer-Nr:", 5, "0", "Sie haben keine Teilnehmernummer eingegeben.",
     false},
    {'i', K::Text, "Naval Club-Kürzel und Nr:", "(max.6 Zeichen)", 6, "",
     "Sie haben keine Angabe über die Naval-Mitgliedschaft getätigt.", false},
    {'p', K::Text, "DSW oder Paddel-Nr:", "(max.6 Zeichen)", 6, "", nullptr, false},
    {'W', K::Date, "", "", 0, "", nullptr, false},
    {'Y', K::Class, "", "", 0, "", nullptr, false},
    {'U', K::Question, "Distrikt", "Teilnehmer aus Distrikt U?", 0, "", nullptr, false},
    {'Z', K::Question, "IPARC", "IPARC-Mitglied ?", 0, "", nullptr, false},
    {'b', K::Station, "Station", "", 0, "", "Sie haben keine Angaben zur Station getätigt.", true},
    {'j', K::Station, "Station", "", 0, "", "Sie haben keine Angaben zur Station getätigt.", true},
    {'v', K::Station, "RIG", "MRR-Nr:", 6, "", "Sie haben keine Angaben zur Station getätigt.",
     true},
};

const TPrompt kNone = {'\0', K::None, "", "", 0, "", nullptr, false};

// The value of a typed number, 0 when the text is none (as the old entry read it).
int32_t NumberValue(std::string_view text) {
  std::string t = ToStrings::Trim(text);
  if (t.empty()) return 0;
  size_t i = (t[0] == '-' || t[0] == '+') ? 1 : 0;
  if (i == t.size() || t.size() - i > 9) return 0;
  for (size_t k = i; k < t.size(); ++k)
    if (!std::isdigit(static_cast<unsigned char>(t[k]))) return 0;
  return int32_t(std::stol(t));
}

}  // namespace

const TPrompt& PromptOf(char code) {
  for (const TPrompt& p : kPrompts)
    if (p.Code == code) return p;
  return kNone;
}

std::string NumberText(const TPrompt& prompt, int32_t value) {
  if (value == -1) return prompt.Shown;
  char text[16];
  // The ages are shown with two digits.
  std::snprintf(text, sizeof text, prompt.Code == 'P' || prompt.Code == 'q' ? "%02d" : "%d",
                int(value));
  return text;
}

bool ReadNumber(const TPrompt& prompt, std::string_view text, int32_t& value) {
  std::string t = ToStrings::Trim(text);
  const bool empty = t.empty();
  // "None given" reads back as -1 whatever the code shows for it, so that a stored
  // contest keeps its value when it is stored again unchanged.
  const bool none = t == prompt.Shown || (prompt.Code != 'P' && prompt.Code != 'q' && t == "0") ||
                    (prompt.Code == 'w' && t == "NM");
  if (empty) {
    if (prompt.Code == 'w' || prompt.Code == 'k') value = -1;
    return prompt.Warning == nullptr;
  }
  value = none ? -1 : NumberValue(t);
  return true;
}

bool IsDistrictU(std::string_view dok) {
  std::string d = ToStrings::Trim(dok);
  if (d.empty()) return false;
  if (d[0] == 'U') return true;
  for (const char* special : {"Z16", "Z44", "Z64", "Z76", "BBT", "DB0"})
    if (d == special) return true;
  return false;
}

}  // namespace participant
