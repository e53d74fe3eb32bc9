#pragma once
// The one extra piece of participant data that many club contests ask for (an age, a
// membership number, a district question, an entry class, a licence date, a station
// description): which prompt a contest code shows and how its typed value is read back.

#include <cstdint>
#include <string>
#include <string_view>

namespace participant {

enum class TPromptKind {
  None,      // nothing to ask
  Number,    // a number in the extra field (age, membership number)
  Text,      // a short text (club abbreviation, paddle number)
  Date,      // the licence date
  Class,     // the entry class S / M / SWL
  Question,  // a yes / no membership question
  Station,   // the station description kept in a station file
};

struct TPrompt {
  char Code;
  TPromptKind Kind;
  const char* Label15;  // the two caption lines of the extra field
  const char* Label16;
  int MaxLength;        // of the extra field, 0 = unchanged
  const char* Shown;    // what the field shows for "none given" (-1)
  const char* Warning;  // shown when the field is left empty; nullptr: no warning
  bool Stops;           // a failed check stops the store
};

// The prompt of a contest code; the entry of kind None for codes without one.
const TPrompt& PromptOf(char code);

// The text a number prompt shows for the stored number.
std::string NumberText(const TPrompt& prompt, int32_t value);

// Reads a number prompt's text back. False when the text is empty and the contest asks
// for it (the value is then left as it is, unless the code stores "none" for empty).
bool ReadNumber(const TPrompt& prompt, std::string_view text, int32_t& value);

// Whether a participant of this DOK belongs to district U (contest 'U').
bool IsDistrictU(std::string_view dok);

}  // namespace participant
